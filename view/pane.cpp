// The reading pane's geometry, scrolling and click paging.
#include "view/pane.h"

#include "view/paint.h"

PaneGeometry ComputePaneGeometry(int32_t clientWidth, int32_t clientHeight,
                                 int32_t toolbarHeight, int32_t captionFontHeight,
                                 int32_t gutter) {
    const int32_t g = gutter > 0 ? gutter : 0;
    const int32_t stripHeight = captionFontHeight + 2;
    const bool widthGutter = clientWidth > 2 * g;
    const bool heightGutter = clientHeight > 2 * g;
    PaneGeometry geometry{};
    geometry.frame.left = widthGutter ? g : 0;
    geometry.frame.width = widthGutter ? clientWidth - 2 * g : clientWidth;
    // The frame overlaps the toolbar's bottom pixel.
    geometry.frame.top = (toolbarHeight > 0 ? toolbarHeight - 1 : 0) + (heightGutter ? g : 0);
    geometry.frame.height =
        (heightGutter ? clientHeight - 2 * g : clientHeight) - toolbarHeight - stripHeight;
    geometry.captionStrip = {0, clientHeight - stripHeight, clientWidth, stripHeight};
    return geometry;
}

int32_t CivilDateLeft(const ViewFrame& strip, int32_t captionWidth, int32_t civilWidth, int32_t margin,
                      int32_t gap) {
    const int32_t left = strip.left + strip.width - margin - civilWidth;
    const int32_t captionRight = strip.left + (strip.width + captionWidth + 1) / 2;
    return left >= captionRight + gap ? left : -1;
}

uint32_t TopTextOffset(const TextView* view) {
    if (view == nullptr || view->lines == nullptr) return 0;
    uint32_t visual = 0;
    for (const TextLine* line = view->lines; line->style != 0; ++line) {
        if (visual >= view->topLine) return line->start;
        visual += VisualLinesOf(*line);
    }
    return 0;
}

int ScrollBy(TextView* view, int32_t delta, int repaintMode, bool stopAtEnd) {
    if (view == nullptr) return kScrollNoView;
    int64_t target = static_cast<int64_t>(view->topLine) + delta;
    if (target < 0) {
        target = 0;
    } else if (stopAtEnd || target > view->visualLines) {
        // The end is already shown: a step that is not upward does nothing.
        if (target >= view->topLine && view->topLine >= view->lastTopLine) return kScrollUnchanged;
        if (target > view->visualLines) target = view->lastTopLine;
    }
    const bool moved = target != view->topLine;
    view->topLine = static_cast<uint16_t>(target);
    if (repaintMode == kRepaintNever) return moved ? kScrollMovedUnpainted : kScrollUnchanged;
    if (repaintMode == kRepaintIfMoved && !moved) return kScrollUnchanged;
    return PaintText(view, true);
}

int32_t PageStep(uint32_t field, int32_t linesDrawn) {
    return (field == 2 || field == 4) ? linesDrawn / 2 : linesDrawn - 1;
}

int32_t KeyPageStep(uint32_t flags, int32_t linesDrawn) {
    return PageStep((flags >> kKeyPageShift) & kPageFieldMask, linesDrawn);
}

int32_t ClickPageStep(uint32_t flags, int32_t linesDrawn) {
    const int32_t step = PageStep((flags >> kClickPageShift) & kPageFieldMask, linesDrawn);
    return step < 0 ? -step : step;
}

int HitTestPaneFrame(const TextView* view, int32_t x, int32_t y, int32_t gutter) {
    const ViewFrame& f = view->frame;
    return x >= f.left - gutter && x <= f.left + f.width + gutter && y >= f.top - gutter &&
           y <= f.top + f.height + gutter;
}

int PageViewOnClick(TextView* view, int32_t x, int32_t y, int repaintMode, uint32_t flags,
                    int32_t gutter) {
    if (view == nullptr || !HitTestPaneFrame(view, x, y, gutter) || !(flags & kFlagClickPaging)) return 0;
    const ViewFrame& f = view->frame;
    const bool rows = (flags & kFlagClickSplitsRows) != 0;
    const int32_t middle = rows ? f.top + f.height / 2 : f.left + f.width / 2;
    const int32_t coordinate = rows ? y : x;
    const int32_t step = ClickPageStep(flags, view->linesDrawn);
    ScrollBy(view, coordinate < middle ? -step : step, repaintMode, true);
    return 1;
}
