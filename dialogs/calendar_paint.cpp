// Drawing the calendar dialog. Everything is drawn straight onto the
// dialog's device context, and each step restores what it selected.
#include "dialogs/calendar_paint.h"

#include <cstring>

#include "calendar/decimal_text.h"
#include "dialogs/calendar_layout.h"
#include "view/display_scale.h"
#include "view/paint.h"

namespace {

// Column 0 is Sunday.
const char kWeekdayLetters[] = "SMTWTFS";
// Two characters per day: days 1 to 9 carry a trailing space.
const char kDayLabels[] = "1 2 3 4 5 6 7 8 9 10111213141516171819202122232425262728293031";
const char kYearBackText[] = "  <<  ";
const char kYearForwardText[] = "  >>  ";
// Room for " %d " of any year.
constexpr int kYearTextSize = 16;
// Gap between the year box and each arrow, at 96 pixels per inch.
constexpr int32_t kArrowGap = 10;


int32_t Length(const char* text) { return static_cast<int32_t>(strlen(text)); }

// Selects `font` (none: nothing) and returns the font to put back.
SurfaceFont* SelectFont(DrawingSurface* dc, SurfaceFont* font) {
    return dc->ops->selectFont(dc->handle, font);
}

void DrawLabel(DrawingSurface* dc, const char* text, int32_t count, const ViewFrame& box,
               bool highlighted) {
    DrawColouredRun(dc, text, count, box.left, box.top, box.width, box.height,
                    RoleColour(dc, highlighted ? ColourRole::ChosenInk : ColourRole::Ink),
                    RoleColour(dc, highlighted ? ColourRole::Chosen : ColourRole::Page));
}

// The labels are in the dialog's font, which sets the dialog's size, so
// that they fit their buttons whatever that font is.
void DrawMonthButton(CalendarView* view, const MonthButton& button, bool highlighted) {
    DrawingSurface* dc = &view->surface;
    DrawBox(dc, button.left + 1, button.top + 1, button.right - 1, button.bottom - 1, highlighted);
    const ViewFrame box{button.left + 1, button.top + 1, button.right - button.left - 1,
                        button.bottom - button.top - 1};
    SurfaceFont* previous = SelectFont(dc, view->labelFont);
    DrawLabel(dc, button.label, Length(button.label), box, highlighted);
    RestoreFont(dc, previous);
}

void DrawMonthButtons(CalendarView* view) {
    DrawingSurface* dc = &view->surface;
    if (view->redraw & kRedrawLeapSwitch) {
        // The whole-cell "Adar" drawn before must not show between "Adar I"
        // and "II".
        const MonthButton& adar = view->buttons[11];
        FillFrame(dc, {view->layout.adarSplit - 1, adar.top + 1, 2, adar.bottom - adar.top - 2},
                  kDialogFaceBrush, ColourRole::Face);
    }
    for (int i = 0; i < kMonthButtonEntries && view->buttons[i].label != nullptr; ++i) {
        DrawMonthButton(view, view->buttons[i], false);
    }
}

// The box of the label of the cell in grid row `row` (0: the weekday
// letters), inside the cell's border lines.
ViewFrame CellLabelBox(const CalendarLayout& layout, int32_t column, int32_t row) {
    return {layout.gridLeft + column * layout.cellWidth + 1,
            layout.gridTop + row * layout.cellHeight + 1, layout.cellWidth - 2,
            layout.cellHeight - 2};
}

// The civil day of the month, small, in the cell's top right corner.
void DrawCivilDay(DrawingSurface* dc, const CalendarView* view, int32_t day, const ViewFrame& box,
                  bool highlighted) {
    if (view->civilFont == nullptr) return;
    char text[kMaxDecimalLength];
    int32_t count = static_cast<int32_t>(WriteDecimal(CivilDayOfCell(view, day), 1, text) - text);
    SurfaceFont* previous = SelectFont(dc, view->civilFont);
    int32_t width = box.width;
    MeasureFit(dc, text, &width, &count);
    const int32_t height = dc->ops->metrics(dc->handle).height;
    const int32_t inset = LineWidthForDpi(dc->dpi);
    DrawColouredRun(dc, text, count, box.left + box.width - width - inset, box.top + inset, width, height,
                    RoleColour(dc, highlighted ? ColourRole::QuietChosen : ColourRole::Quiet),
                    RoleColour(dc, highlighted ? ColourRole::Chosen : ColourRole::Page));
    RestoreFont(dc, previous);
}

void DrawDayLabel(DrawingSurface* dc, const CalendarView* view, int32_t day, bool highlighted) {
    const CalendarCell cell = CalendarDayCell(view, day);
    const ViewFrame box = CellLabelBox(view->layout, cell.column, cell.week + 1);
    DrawLabel(dc, kDayLabels + 2 * (day - 1), 2, box, highlighted);
    DrawCivilDay(dc, view, day, box, highlighted);
}

void DrawGrid(CalendarView* view) {
    DrawingSurface* dc = &view->surface;
    const CalendarLayout& layout = view->layout;
    const int32_t rows = CalendarWeekRows(view->firstWeekday, view->monthLength);
    const bool sixthRowGone = view->weekRows == 6 && rows == 5;
    // The weekday row and the week rows; neighbours share their border lines.
    for (int32_t row = 0; row <= rows; ++row) {
        for (int32_t column = 0; column < 7; ++column) {
            const int32_t x = layout.gridLeft + column * layout.cellWidth;
            const int32_t y = layout.gridTop + row * layout.cellHeight;
            DrawBox(dc, x, y, x + layout.cellWidth + 1, y + layout.cellHeight + 1, false);
        }
    }
    SurfaceFont* previous = SelectFont(dc, view->font);
    for (int32_t column = 0; column < 7; ++column) {
        DrawLabel(dc, kWeekdayLetters + column, 1, CellLabelBox(layout, column, 0), false);
    }
    if (sixthRowGone) {
        // The line under the fifth week stays.
        FillFrame(dc, {layout.gridLeft, layout.gridTop + 6 * layout.cellHeight + 1, layout.gridWidth,
                       layout.cellHeight},
                  kDialogFaceBrush, ColourRole::Face);
    }
    for (int32_t day = 1; day <= view->monthLength; ++day) DrawDayLabel(dc, view, day, false);
    view->weekRows = static_cast<uint8_t>(rows);
    RestoreFont(dc, previous);
}

// Text in a white box with a one-pixel black frame, on the header line.
void DrawFramedText(DrawingSurface* dc, const CalendarLayout& layout, const char* text,
                    int32_t count, int32_t x, int32_t width) {
    FillFrame(dc, {x - 1, layout.headerTop - 1, width + 2, layout.headerHeight + 2}, kBlackBrush,
              ColourRole::Ink);
    DrawLabel(dc, text, count, {x, layout.headerTop, width, layout.headerHeight}, false);
}

struct YearBox {
    char text[kYearTextSize];
    int32_t count;
    int32_t x;
    int32_t width;
};

YearBox MeasureYearBox(DrawingSurface* dc, int32_t year, int32_t clientWidth) {
    YearBox box{};
    char* end = WriteText(" ", box.text);
    end = WriteText(" ", WriteDecimal(year, 1, end));
    *end = '\0';
    box.count = Length(box.text);
    box.width = clientWidth;
    MeasureFit(dc, box.text, &box.width, &box.count);
    box.x = (clientWidth - box.width) / 2;
    return box;
}

CalendarHeader ArrowsBeside(DrawingSurface* dc, const YearBox& box) {
    int32_t arrowWidth = 0x7FFF;
    int32_t count = Length(kYearBackText);
    MeasureFit(dc, kYearBackText, &arrowWidth, &count);
    const int32_t gap = ScaleToDpi(kArrowGap, dc->dpi);
    return {box.x - arrowWidth - gap, box.x + box.width + gap, arrowWidth};
}

void DrawHeader(CalendarView* view) {
    DrawingSurface* dc = &view->surface;
    SurfaceFont* previous = SelectFont(dc, view->font);
    const int32_t clientWidth = view->client.right - view->client.left;
    const YearBox box = MeasureYearBox(dc, view->date.year, clientWidth);
    DrawFramedText(dc, view->layout, box.text, box.count, box.x, box.width);
    CalendarHeader& place = view->headerPlace;
    if (place.arrowWidth == 0) place = PlaceCalendarHeader(dc, view->date.year, clientWidth);
    DrawFramedText(dc, view->layout, kYearBackText, Length(kYearBackText), place.leftArrowX,
                   place.arrowWidth);
    DrawFramedText(dc, view->layout, kYearForwardText, Length(kYearForwardText), place.rightArrowX,
                   place.arrowWidth);
    RestoreFont(dc, previous);
}

// The civil months of the month on view, framed at the header's right end,
// aligned with the grid; they give way when they would come near the
// right arrow.
void DrawCivilSpan(CalendarView* view) {
    const CalendarHeader& place = view->headerPlace;
    if (view->civilFont == nullptr || place.arrowWidth == 0) return;
    DrawingSurface* dc = &view->surface;
    const CalendarLayout& layout = view->layout;
    const int32_t clearFrom = place.rightArrowX + place.arrowWidth + 1;
    const int32_t right = layout.gridLeft + layout.gridWidth - 1;
    if (right <= clearFrom) return;
    FillFrame(dc, {clearFrom, layout.headerTop - 1, right + 1 - clearFrom, layout.headerHeight + 2},
              kDialogFaceBrush, ColourRole::Face);
    char16_t span[kCivilSpanUnits];
    FormatCivilSpan(view, span);
    int32_t count = 0;
    while (span[count] != 0) ++count;
    SurfaceFont* previous = SelectFont(dc, view->civilFont);
    int32_t width = 0;
    int32_t height = 0;
    dc->ops->measureText(dc->handle, span, count, &width, &height);
    const int32_t x = right - width;
    if (x - 1 >= clearFrom + ScaleToDpi(kArrowGap, dc->dpi)) {
        FillFrame(dc, {x - 1, layout.headerTop - 1, width + 2, layout.headerHeight + 2}, kBlackBrush,
                  ColourRole::Ink);
        DrawColouredUnits(dc, span, count, x, layout.headerTop, width, layout.headerHeight,
                          RoleColour(dc, ColourRole::Quiet), RoleColour(dc, ColourRole::Page));
    }
    RestoreFont(dc, previous);
}

}  // namespace

void AttachCalendarSurface(CalendarView* view, DrawingSurface surface, const EdgeRect& client) {
    view->surface = surface;
    DrawingSurface* dc = &view->surface;
    SurfaceFont* previous = SelectFont(dc, view->font);
    const int32_t fontHeight = dc->ops->metrics(dc->handle).height;
    RestoreFont(dc, previous);
    LayOutCalendar(view, client, fontHeight);
    view->redraw |= kRedrawAll;
}

void DrawCalendar(CalendarView* view) {
    if (view->surface.ops == nullptr) return;
    if (view->redraw & kRedrawMonths) DrawMonthButtons(view);
    DrawGrid(view);
    DrawMonthButton(view, view->buttons[view->date.month - 1], true);
    if (view->marked.month == view->date.month && view->marked.year == view->date.year) {
        DrawCalendarDayCell(view, view->marked.day, true);
    }
    if (view->redraw & kRedrawHeader) DrawHeader(view);
    DrawCivilSpan(view);
    view->redraw = 0;
}

void DrawCalendarDayCell(CalendarView* view, int32_t day, bool highlighted) {
    DrawingSurface* dc = &view->surface;
    if (dc->ops == nullptr || day < 1 || day > view->monthLength) return;
    const CalendarLayout& layout = view->layout;
    const CalendarCell cell = CalendarDayCell(view, day);
    const ViewFrame inside{layout.gridLeft + cell.column * layout.cellWidth + 1,
                           layout.gridTop + (cell.week + 1) * layout.cellHeight + 1,
                           layout.cellWidth - 1, layout.cellHeight - 1};
    if (highlighted) {
        FillFrame(dc, inside, kBlackBrush, ColourRole::Chosen);
    } else {
        FillFrame(dc, inside, kWhiteBrush, ColourRole::Page);
    }
    SurfaceFont* previous = SelectFont(dc, view->font);
    DrawDayLabel(dc, view, day, highlighted);
    RestoreFont(dc, previous);
}

CalendarHeader PlaceCalendarHeader(DrawingSurface* dc, int32_t year, int32_t clientWidth) {
    return ArrowsBeside(dc, MeasureYearBox(dc, year, clientWidth));
}
