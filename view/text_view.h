// TextView and TextLine: one lesson text laid out on one drawing surface, and
// the line layout that turns the text's paragraphs into positioned lines.
//
// A lesson text is a run of paragraphs, each a style byte, an indent byte, a
// body and a zero byte, ended by a zero where the next style byte would
// stand. Offsets, lengths, coordinates and counts are 16-bit, so a text is at
// most 65,535 bytes and a layout at most 65,535 visual lines; larger ones are
// refused (kLayoutTextTooLong, kLayoutTooManyLines).
//
// Scroll positions and page sizes count visual lines: every line, plus the
// blank line that follows a line whose style has bit 7.
#pragma once

#include <cstdint>

#include "lessons/lesson_text.h"
#include "view/drawing_surface.h"
#include "view/font_settings.h"

// Results of LayoutText and ResizeTextView.
constexpr int kLayoutDone = 0;
constexpr int kLayoutNoText = 2;          // the text is none
constexpr int kLayoutNoView = -1;
constexpr int kLayoutNoMemory = -2;       // the line table could not grow
constexpr int kLayoutEmptyText = -4;      // no paragraph, or an empty first paragraph
constexpr int kLayoutBadSize = -5;        // ResizeTextView: width or height 0 or less
constexpr int kLayoutTextTooLong = -6;    // the text, end marker included, exceeds 65,535 bytes
constexpr int kLayoutTooManyLines = -7;   // more than 65,535 lines or visual lines

constexpr uint16_t kDefaultLineCapacity = 128;  // first table and growth step

struct TextLine {
    uint16_t start;   // offset of the first byte (of the label, on a labelled line)
    uint16_t length;  // bytes drawn at x (after the label and its spaces); 0 for a rule
    uint16_t x;       // left edge of the run (of the rule)
    uint16_t hang;    // width of the label column, label drawn at x - hang; 0 = none
    uint16_t width;   // pixel width of the run (of the rule)
    uint16_t height;  // line height: the cell height of the line's font
    uint8_t style;    // paragraph style; bit 7 only on its last line; 0 ends the table
};

struct FontCacheEntry {
    FontCacheEntry* next;
    SurfaceFont* font;  // null after the view's fonts were deleted
    uint16_t key;       // StyleKey
};

struct ViewFrame {
    int32_t left, top, width, height;
};

// A rectangle by its edges, as a window's client rectangle comes.
struct EdgeRect {
    int32_t left, top, right, bottom;
};

struct TextView {
    TextLine* lines;            // capacity + 1 entries; entry lineCount is all zero
    DrawingSurface* dc;         // not owned
    char* text;                 // owned; released when replaced or destroyed
    int32_t linesDrawn;         // visual lines drawn by the last paint
    FontSettings font;
    FontCacheEntry* fontCache;  // owned, newest first
    ViewFrame frame;
    uint16_t topLine;           // visual line at the top of the frame
    uint16_t visualLines;
    uint16_t lineCount;
    uint16_t capacity;
    uint16_t lastTopLine;       // top line of the last screenful
    uint16_t highlightStart;    // highlighted bytes: [highlightStart, highlightEnd)
    uint16_t highlightEnd;
    TextLine* pageStart;        // when set, painting starts here (printing)
    TextLine* pageEnd;          // first line the last paint without highlight left out
    int32_t layoutWidth;        // frame width the table holds the text laid out for,
                                // with the current fonts; 0 = none
};

// Visual lines a table entry takes: the line, and the blank line after it
// when its style has bit 7.
inline int32_t VisualLinesOf(const TextLine& line) { return (line.style & kStyleBlankAfter) ? 2 : 1; }

// Offset of the first byte of the run drawn at x (past the label and its
// spaces on a labelled line), and of the byte just past the run.
uint32_t RunStart(const char* text, const TextLine& line);
uint32_t RunEnd(const char* text, const TextLine& line);

// A new view on `dc` (none: null). With `rect` the frame is its left, top,
// width and height; with capacity > 0 a table of capacity + 1 lines is made
// (a view is still returned when that fails). Destroy with DestroyTextView.
TextView* CreateTextView(DrawingSurface* dc, const EdgeRect* rect, const FontSettings* font,
                         int32_t capacity);

// Lays `text` out in the view's frame and adopts it (0). With replaceText the
// previous text is released first. Clears the highlight; never moves topLine.
// On any non-zero result the view has not adopted `text`.
//
// A frame too narrow for a single byte still ends: every line takes at least
// one byte (the first line of a labelled paragraph may hold the label alone).
// A paragraph whose body ends in spaces keeps its blank line.
int LayoutText(TextView* view, char* text, bool replaceText);

// New frame size, then the same text laid out again. Lines wrap by the width
// alone: for the width the text is already laid out for, only the scroll
// limit follows the new height (and the highlight goes, as with any layout).
int ResizeTextView(TextView* view, int32_t width, int32_t height);

// Brings the line holding `offset` to the top (no further than lastTopLine);
// 1 when such a line exists, else 0 and nothing changes.
int ScrollToTextOffset(TextView* view, uint32_t offset);

// Releases the text, the line table and the fonts; the record too with
// releaseRecord. Nothing for null.
void DestroyTextView(TextView* view, bool releaseRecord);

// Of the `*count` leading bytes of `text`, how many fit within `*maxExtent`
// pixels (into *count) and their width (into *maxExtent).
void MeasureFit(DrawingSurface* dc, const char* text, int32_t* maxExtent, int32_t* count);

// The first `count` bytes of `text` (fewer when a zero byte comes first) as
// UTF-16 code units of the same values, zero-terminated, in one buffer shared
// by the process and valid until the next call.
const char16_t* WidenText(const char* text, int32_t count);
// WidenText, with *count cut to the units before a zero byte.
const char16_t* WidenRun(const char* text, int32_t* count);
