// The printed lesson's page geometry and its page loop.
#include "export/print_pages.h"

#include <algorithm>
#include <cstring>

#include "calendar/decimal_text.h"
#include "resources/publisher.h"
#include "view/paint.h"
#include "view/view_fonts.h"

const char kPageHeader[] = "BS\"D";
const char kPageFooter[] = VARIDEL_PUBLISHER_ADDRESS " -- Varidel";

namespace {

constexpr int32_t kBandGap = 5;  // pixels between a band and the text

int32_t ClampMargin(int32_t thousandths) {
    if (thousandths < 0) return 0;
    return thousandths > kMaxPrintMargin ? kMaxPrintMargin : thousandths;
}

// A margin of at most kMaxPrintMargin in device pixels, truncated.
int32_t MarginPixels(int32_t pixelsPerInch, int32_t thousandths) {
    return static_cast<int32_t>(static_cast<int64_t>(pixelsPerInch) * thousandths / 1000);
}

// Narrows the opposite margins `first` and `second` (0 to kMaxPrintMargin)
// of a printable area `extent` pixels long until the body between them is
// usable (see FitMargins).
void FitPair(int32_t pixelsPerInch, int32_t extent, int32_t* first, int32_t* second) {
    const int32_t least = std::min(extent, pixelsPerInch);
    const auto fits = [&] {
        return extent - MarginPixels(pixelsPerInch, *first) - MarginPixels(pixelsPerInch, *second) >= least;
    };
    int32_t* wider = *first >= *second ? first : second;
    int32_t* narrower = wider == first ? second : first;
    for (int32_t* margin : {wider, narrower}) {
        if (fits()) return;
        *margin = std::min(*margin, kDefaultPrintMargin);
    }
    if (!fits()) *first = *second = 0;
}

// The cell height of the small print on the view's surface.
int32_t BandHeight(TextView* view) {
    DrawingSurface* dc = view->dc;
    SurfaceFont* previous = SelectStyleFont(view, kKeySmallPrint);
    const int32_t height = dc->ops->metrics(dc->handle).height;
    RestoreFont(dc, previous);
    return height;
}

// `text` in `band`, vertically centred, at its left edge or ending at its
// right edge.
void DrawInBand(DrawingSurface* dc, const char* text, const ViewFrame& band, bool right) {
    int32_t count = static_cast<int32_t>(strlen(text));
    int32_t width = 0;
    int32_t height = 0;
    dc->ops->measureText(dc->handle, WidenText(text, count), count, &width, &height);
    const int32_t x = right ? band.left + band.width - width : band.left;
    DrawTextRun(dc, text, count, x, band.top, width, band.height);
}

void DrawBands(TextView* view, const PageGeometry& page, int32_t number) {
    DrawingSurface* dc = view->dc;
    char pageText[8 + kMaxDecimalLength];
    *WriteDecimal(number, 1, WriteText(" Page ", pageText)) = '\0';
    SurfaceFont* previous = SelectStyleFont(view, kKeySmallPrint);
    DrawInBand(dc, kPageFooter, page.footer, false);
    DrawInBand(dc, pageText, page.footer, true);
    DrawInBand(dc, kPageHeader, page.header, false);
    RestoreFont(dc, previous);
}

}  // namespace

PrintMargins FitMargins(const PrintableArea& area, const PrintMargins& margins) {
    PrintMargins fitted{ClampMargin(margins.left), ClampMargin(margins.top), ClampMargin(margins.right),
                        ClampMargin(margins.bottom)};
    FitPair(area.pixelsPerInchX, area.width, &fitted.left, &fitted.right);
    FitPair(area.pixelsPerInchY, area.height, &fitted.top, &fitted.bottom);
    return fitted;
}

ViewFrame PageBody(const PrintableArea& area, const PrintMargins& requested) {
    const PrintMargins margins = FitMargins(area, requested);
    ViewFrame body{};
    body.left = MarginPixels(area.pixelsPerInchX, margins.left);
    body.top = MarginPixels(area.pixelsPerInchY, margins.top);
    body.width = area.width - MarginPixels(area.pixelsPerInchX, margins.right) - body.left;
    body.height = area.height - MarginPixels(area.pixelsPerInchY, margins.bottom) - body.top;
    return body;
}

PageGeometry PageLayout(const ViewFrame& body, int32_t bandHeight) {
    PageGeometry page{};
    page.body = body;
    page.header = {body.left, body.top, body.width, bandHeight};
    page.footer = {body.left, body.top + body.height - bandHeight, body.width, bandHeight};
    page.text = {body.left, body.top + bandHeight + kBandGap, body.width,
                 body.height - 2 * bandHeight - 2 * kBandGap};
    return page;
}

int32_t PrintPages(DrawingSurface* surface, const PrintableArea& area, const PrintMargins& margins,
                   const FontSettings& font, char* text, const PageBreaks& breaks) {
    const ViewFrame body = PageBody(area, margins);
    const EdgeRect rect{body.left, body.top, body.left + body.width, body.top + body.height};
    // On paper the mapper's default height is a few points: the regular
    // style of a reader who chose no size prints at the screen's size.
    DrawingSurface paper = *surface;
    paper.defaultPoints = kDefaultPrintPoints;
    TextView* view = CreateTextView(&paper, &rect, &font, 0);
    if (view == nullptr) return 0;
    // A text that cannot be laid out has no lines, and then no page prints.
    LayoutText(view, text, false);
    const PageGeometry page = PageLayout(body, BandHeight(view));
    view->frame = page.text;
    int32_t pages = 0;
    while (PaintText(view, false) == 0 && view->linesDrawn > 0) {
        ++pages;
        DrawBands(view, page, pages);
        view->pageStart = view->pageEnd;
        breaks.endPage(breaks.handle);
        if (view->pageStart->style == 0 || !breaks.startPage(breaks.handle)) break;
    }
    // The text is the pane's: the print view lets go of it before it goes.
    view->text = nullptr;
    DestroyTextView(view, true);
    return pages;
}
