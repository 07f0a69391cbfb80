// Painting a laid-out view: whole lines from the scroll position (or a
// page's first line), labels in their column, rules, colours, and the search
// highlight on top.
#include "view/paint.h"

#include "view/display_scale.h"
#include "view/view_fonts.h"

namespace {

// Where painting starts: the first line, its y and the room below it.
struct PaintCursor {
    TextLine* line;
    int32_t y;
    int32_t room;
};

// The line at topLine, clamping a topLine beyond the text. When topLine is
// the blank line after a paragraph, the top slot stays empty.
PaintCursor FirstVisibleLine(TextView* view) {
    if (view->topLine > view->visualLines) view->topLine = view->lastTopLine;
    TextLine* line = view->lines;
    uint32_t visual = 0;
    while (line->style != 0 && visual < view->topLine) {
        visual += VisualLinesOf(*line);
        ++line;
    }
    PaintCursor cursor{line, view->frame.top, view->frame.height};
    if (visual > view->topLine) {
        cursor.y += line[-1].height;
        cursor.room -= line[-1].height;
    }
    return cursor;
}

// Moves the cursor past a drawn line and its blank line; returns the visual
// lines passed.
int32_t Advance(PaintCursor& cursor) {
    const int32_t steps = VisualLinesOf(*cursor.line);
    cursor.y += steps * cursor.line->height;
    cursor.room -= steps * cursor.line->height;
    ++cursor.line;
    return steps;
}

bool Fits(const PaintCursor& cursor) {
    return cursor.line->style != 0 && cursor.line->height <= cursor.room;
}

// Font key of the line painting starts with: a rule (or the end) uses the
// regular font.
uint8_t StartKey(const TextLine* line) {
    return (line->style == 0 || IsRule(line->style)) ? kRegularKey : line->style;
}

void PaintLine(TextView* view, const TextLine& line, int32_t y) {
    DrawingSurface* dc = view->dc;
    if (IsRule(line.style)) {
        // A thicker rule grows downward from the line's middle.
        DrawRule(dc, line.x, y + line.height / 2, line.x + line.width, LineWidthForDpi(dc->dpi));
        return;
    }
    const char* text = view->text;
    if (line.hang != 0) {
        // The label is drawn with only the bytes that fit its column.
        int32_t width = line.hang;
        int32_t count = WordLength(text + line.start);
        MeasureFit(dc, text + line.start, &width, &count);
        DrawTextRun(dc, text + line.start, count, line.x - line.hang, y, width, line.height);
    }
    DrawTextRun(dc, text + RunStart(text, line), line.length, line.x, y, line.width, line.height);
}

// Draws the highlighted part of the run of `count` bytes at text offset
// `offset`, drawn at x, y.
void HighlightRun(TextView* view, int32_t offset, int32_t count, int32_t x, int32_t y) {
    DrawingSurface* dc = view->dc;
    const char* text = view->text;
    int32_t left = 0;
    const int32_t skip = view->highlightStart - offset;
    if (skip >= 0) {
        count -= skip;
        if (count < 0) return;
        int32_t height = 0;
        int32_t units = skip;
        const char16_t* wide = WidenRun(text + offset, &units);
        dc->ops->measureText(dc->handle, wide, units, &left, &height);
        offset += skip;
    }
    if (count > view->highlightEnd - offset) count = view->highlightEnd - offset;
    if (count <= 0) return;
    int32_t width = 0;
    int32_t height = 0;
    const char16_t* wide = WidenRun(text + offset, &count);
    dc->ops->measureText(dc->handle, wide, count, &width, &height);
    DrawColouredRun(dc, text + offset, count, x + left, y, width, height,
                    RoleColour(dc, ColourRole::MarkInk), RoleColour(dc, ColourRole::Mark));
}

void HighlightLine(TextView* view, const TextLine& line, int32_t y) {
    if (line.hang == 0) {
        HighlightRun(view, line.start, line.length, line.x, y);
        return;
    }
    HighlightRun(view, line.start, WordLength(view->text + line.start), line.x - line.hang, y);
    HighlightRun(view, static_cast<int32_t>(RunStart(view->text, line)), line.length, line.x, y);
}

bool Paintable(const TextView* view) {
    return view != nullptr && view->text != nullptr && view->lines != nullptr;
}

}  // namespace

int PaintText(TextView* view, bool erase) {
    if (!Paintable(view)) return -1;
    DrawingSurface* dc = view->dc;
    view->linesDrawn = 0;
    PaintCursor cursor = view->pageStart != nullptr
                             ? PaintCursor{view->pageStart, view->frame.top, view->frame.height}
                             : FirstVisibleLine(view);
    const uint32_t savedColour = dc->ops->textColour(dc->handle);
    // The runs are drawn opaque: in a palette of solid colours they stand on
    // its page rather than on the context's own white.
    const bool solid = !DrawsStockObjects(dc);
    const uint32_t savedBack = solid ? dc->ops->setBackColour(dc->handle, RoleColour(dc, ColourRole::Page)) : 0;
    uint8_t fontKey = StartKey(cursor.line);
    SurfaceFont* previous = SelectStyleFont(view, fontKey | kRequestColour);
    if (erase) FillFrame(dc, view->frame, kWhiteBrush, ColourRole::Page);
    for (; Fits(cursor); view->linesDrawn += Advance(cursor)) {
        const TextLine& line = *cursor.line;
        if (!IsRule(line.style)) {
            if ((line.style ^ fontKey) & kStyleFontMask) SelectStyleFont(view, line.style | kRequestColour);
            fontKey = line.style;
        }
        PaintLine(view, line, cursor.y);
    }
    RestoreFont(view->dc, previous);
    dc->ops->setTextColour(dc->handle, savedColour);
    if (solid) dc->ops->setBackColour(dc->handle, savedBack);
    if (view->highlightStart != 0 || view->highlightEnd != 0) return PaintHighlight(view);
    view->pageEnd = cursor.line;
    return 0;
}

int PaintHighlight(TextView* view) {
    if (!Paintable(view)) return -1;
    PaintCursor cursor = FirstVisibleLine(view);
    uint8_t fontKey = StartKey(cursor.line);
    SurfaceFont* previous = SelectStyleFont(view, fontKey);
    for (; Fits(cursor); Advance(cursor)) {
        const TextLine& line = *cursor.line;
        if (IsRule(line.style)) continue;
        if (view->highlightEnd < line.start || view->highlightStart > RunEnd(view->text, line)) continue;
        if ((line.style ^ fontKey) & kStyleFontMask) SelectStyleFont(view, line.style);
        fontKey = line.style;
        HighlightLine(view, line, cursor.y);
    }
    RestoreFont(view->dc, previous);
    return 0;
}

int32_t DrawTextRun(DrawingSurface* dc, const char* text, int32_t count, int32_t x, int32_t y,
                    int32_t w, int32_t h) {
    const char16_t* wide = WidenRun(text, &count);
    return dc->ops->drawText(dc->handle, wide, count, x, y, w, h);
}

int32_t DrawColouredRun(DrawingSurface* dc, const char* text, int32_t count, int32_t x,
                        int32_t y, int32_t w, int32_t h, uint32_t textColour,
                        uint32_t backColour) {
    const char16_t* wide = WidenRun(text, &count);
    return DrawColouredUnits(dc, wide, count, x, y, w, h, textColour, backColour);
}

int32_t DrawColouredUnits(DrawingSurface* dc, const char16_t* units, int32_t count, int32_t x, int32_t y,
                          int32_t w, int32_t h, uint32_t textColour, uint32_t backColour) {
    const uint32_t oldText = dc->ops->setTextColour(dc->handle, textColour);
    const uint32_t oldBack = dc->ops->setBackColour(dc->handle, backColour);
    const int32_t height = dc->ops->drawText(dc->handle, units, count, x, y, w, h);
    dc->ops->setTextColour(dc->handle, oldText);
    dc->ops->setBackColour(dc->handle, oldBack);
    return height;
}

void FillFrame(DrawingSurface* dc, const ViewFrame& rect, int stockBrush, ColourRole role) {
    if (!DrawsStockObjects(dc)) {
        dc->ops->fillColour(dc->handle, rect.left, rect.top, rect.width, rect.height, RoleColour(dc, role));
        return;
    }
    dc->ops->fillRect(dc->handle, rect.left, rect.top, rect.width, rect.height, stockBrush);
}

void DrawBox(DrawingSurface* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, bool inverse) {
    if (DrawsStockObjects(dc)) {
        dc->ops->drawBox(dc->handle, left, top, right, bottom, inverse);
        return;
    }
    const int32_t width = right - left;
    const int32_t height = bottom - top;
    dc->ops->fillColour(dc->handle, left, top, width, height,
                        RoleColour(dc, inverse ? ColourRole::ChosenInk : ColourRole::Ink));
    if (width > 2 && height > 2) {
        dc->ops->fillColour(dc->handle, left + 1, top + 1, width - 2, height - 2,
                            RoleColour(dc, inverse ? ColourRole::Chosen : ColourRole::Page));
    }
}

void DrawRule(DrawingSurface* dc, int32_t left, int32_t top, int32_t right, int32_t height) {
    if (!DrawsStockObjects(dc)) {
        dc->ops->fillColour(dc->handle, left, top, right - left, height, RoleColour(dc, ColourRole::Ink));
        return;
    }
    dc->ops->drawRule(dc->handle, left, top, right, height);
}
