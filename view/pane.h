// The main window's reading pane, its portable part: where the frame and the
// caption strip lie in the client area, scrolling by lines and pages, and
// paging by a click into one half of the text.
#pragma once

#include <cstdint>

#include "view/text_view.h"

// Frame of the pane view and the caption strip for a client area, the
// toolbar's height (0 when there is none) and the caption font's cell height.
// The gutter is applied in a direction only when the client is larger than
// twice the gutter there; a negative gutter counts as 0.
struct PaneGeometry {
    ViewFrame frame;
    ViewFrame captionStrip;
};
PaneGeometry ComputePaneGeometry(int32_t clientWidth, int32_t clientHeight,
                                 int32_t toolbarHeight, int32_t captionFontHeight,
                                 int32_t gutter);

// Where the civil date stands in the caption strip, beside the caption
// centred in it: its left edge, so that it ends `margin` pixels in from the
// strip's right end; -1 when it would come nearer the caption than `gap`
// pixels, and then gives way.
int32_t CivilDateLeft(const ViewFrame& strip, int32_t captionWidth, int32_t civilWidth, int32_t margin,
                      int32_t gap);

// Offset of the first text byte at or below topLine (the line after a blank
// line at the top), for ScrollToTextOffset after the text is laid out again;
// 0, which no line starts at, when there is none.
uint32_t TopTextOffset(const TextView* view);

// Results of ScrollBy besides PaintText's.
constexpr int kScrollNoView = -1;
constexpr int kScrollUnchanged = 1;       // topLine stayed, nothing painted
constexpr int kScrollMovedUnpainted = 3;  // topLine moved, nothing painted

// repaintMode: never paints; paints when topLine moved; always paints.
constexpr int kRepaintNever = 0;
constexpr int kRepaintIfMoved = 1;
constexpr int kRepaintAlways = 2;

// Moves topLine by `delta` visual lines: never above 0; with stopAtEnd a
// downward step from lastTopLine or below it does nothing; a target past the
// end becomes lastTopLine.
int ScrollBy(TextView* view, int32_t delta, int repaintMode, bool stopAtEnd);

// The reader's Flags fields that shape paging: the Page Up / Page Down step
// (bits 20-22), the click-paging step (bits 24-26), whether a click is
// compared with the frame's vertical middle (else its horizontal middle), and
// whether a click in the text pages at all.
constexpr uint32_t kKeyPageShift = 20;
constexpr uint32_t kClickPageShift = 24;
constexpr uint32_t kPageFieldMask = 0x7;
constexpr uint32_t kFlagClickSplitsRows = 0x10000000;
constexpr uint32_t kFlagClickPaging = 0x80000000;

// Page step of a 3-bit Flags field: half the lines drawn for 2 or 4,
// otherwise one less than the lines drawn.
int32_t PageStep(uint32_t field, int32_t linesDrawn);
// The Page Up / Page Down step (Flags bits 20-22) and the click-paging step
// (bits 24-26, made non-negative).
int32_t KeyPageStep(uint32_t flags, int32_t linesDrawn);
int32_t ClickPageStep(uint32_t flags, int32_t linesDrawn);

// 1 when x, y lies within the frame grown by `gutter` on every side, edges
// included.
int HitTestPaneFrame(const TextView* view, int32_t x, int32_t y, int32_t gutter);

// Pages the view up or down by the click-paging step when the click is for
// the pane and click paging is on in `flags`: 1 when it paged, else 0.
int PageViewOnClick(TextView* view, int32_t x, int32_t y, int repaintMode, uint32_t flags,
                    int32_t gutter);
