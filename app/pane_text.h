// The reading pane's lesson as a screen reader reads it: the plain text that
// Copy puts on the clipboard and, in it, the units a reader moves by (the
// character, the word, the pane's visual line, the lesson's paragraph, the
// whole text); ranges over that text and how they move; and where the
// pane's top line and the lines in view fall in it. The UI Automation
// provider (pane_automation_win32) is a thin shell over these.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "view/text_view.h"

// Units of text, numbered as UI Automation numbers them. A unit the text has
// no boundaries of its own for counts as the next larger one: Format as Word,
// Page as Document; a number above Document counts as Document.
enum class PaneUnit : int32_t { Character, Format, Word, Line, Paragraph, Page, Document };

// The units of the plain text from start up to, not including, end.
struct TextSpan {
    int32_t start;
    int32_t end;
};

// One visual line of the pane, a blank line after a paragraph included.
struct PaneLine {
    int32_t start;       // where it starts in the plain text
    int32_t tableIndex;  // its entry in the view's line table; -1 without a layout
    bool blank;          // the blank line after that entry
};

struct PaneText {
    std::u16string text;                   // the clipboard text, without its zero unit
    std::vector<PaneLine> lines;           // never empty; the first starts at 0
    std::vector<int32_t> paragraphStarts;  // one per lesson paragraph; never empty, the first 0
};

// The plain text of the view's lesson with its paragraphs and, when the view
// has laid the lesson out, the pane's visual lines (otherwise the lines of
// the plain text). An empty text for no view or a view without a lesson.
// A line starts where its first byte stands; the spaces a line skips at its
// start belong to the line before, so the lines tile the text.
PaneText BuildPaneText(const TextView* view);

// Where each unit of `unit` starts, ascending; the first at 0. An empty text
// has one empty unit.
std::vector<int32_t> UnitStarts(const PaneText& text, PaneUnit unit);

// `span` with both ends put inside the text and start <= end (a range kept
// from an earlier, longer lesson).
TextSpan ClampSpan(const PaneText& text, TextSpan span);

// The whole unit that holds the span's start (a start at the very end: the
// last unit).
TextSpan ExpandToUnit(const PaneText& text, TextSpan span, PaneUnit unit);

// Moves the span by `count` units (negative: backward) and returns how many
// it moved. An empty span stays empty and steps from boundary to boundary,
// the text's end included. Any other span is first taken back to the start
// of the unit that holds its start and becomes the whole unit it lands on;
// when it cannot move at all it is left as it was.
int32_t MoveSpan(const PaneText& text, TextSpan* span, PaneUnit unit, int32_t count);

// Moves the span's start (or, with `atEnd`, its end) across `count` unit
// boundaries and returns how many it crossed; the other end follows when
// passed.
int32_t MoveSpanEnd(const PaneText& text, TextSpan* span, bool atEnd, PaneUnit unit, int32_t count);

// The first (backward: the last) place inside `within` that holds `needle`;
// with ignoreCase ASCII letters match either case. {-1, -1} when none does.
TextSpan FindInSpan(const PaneText& text, TextSpan within, const std::u16string& needle, bool backward,
                    bool ignoreCase);

// The visual lines wholly in the view's frame from its top line, which is
// clamped as painting clamps it: lines[first] up to lines[first + count].
// No lines without a layout.
struct LinesInView {
    int32_t first;
    int32_t count;
};
LinesInView VisibleLines(const TextView* view, const PaneText& text);

// The text of the lines in view; an empty span at the top line when none is.
TextSpan VisibleSpan(const TextView* view, const PaneText& text);

// The pane's selection: it has no caret, so an empty span at the start of
// the line at its top.
TextSpan TopLineCaret(const TextView* view, const PaneText& text);

// The boxes (left, top, width, height in the window's client area) of the
// text lines in view that share text with `span`. None for an empty span.
std::vector<ViewFrame> LineBoxes(const TextView* view, const PaneText& text, TextSpan span);

// The visual line that holds `offset`.
int32_t LineAt(const PaneText& text, int32_t offset);

// The line in view at client y: the one whose band holds it, else the
// nearest. The top line when none is in view.
int32_t LineAtY(const TextView* view, const PaneText& text, int32_t y);

// The top line that shows visual line `index` at the frame's top (or, not
// atTop, as the last line wholly in the frame), within the scroll range.
int32_t TopLineShowing(const TextView* view, const PaneText& text, int32_t index, bool atTop);
