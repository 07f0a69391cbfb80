// The printed lesson: where the body, the header and footer bands and the
// text lie on a page, and the page loop that lays the lesson out anew for the
// printer and paints it page by page, in whole lines, with a header, a footer
// and the page number on every page.
#pragma once

#include <cstdint>

#include "view/text_view.h"

// Margins in thousandths of an inch, measured from the edges of the printable
// area (the device's origin is its corner, not the paper's).
struct PrintMargins {
    int32_t left, top, right, bottom;
};

// The printable area as the printer reports it (LOGPIXELSX/Y, HORZRES,
// VERTRES): resolution in pixels per inch, size in device pixels.
struct PrintableArea {
    int32_t pixelsPerInchX, pixelsPerInchY, width, height;
};

// The regular size of a reader who never chose one (FontSize 0). On the
// screen 0 leaves the regular style to the font mapper's default height,
// about 12 points there but a number of device pixels on paper, a few points
// at a printer's resolution. The large and small styles have sizes of their
// own for 0, the same on paper as on the screen.
constexpr int32_t kDefaultPrintPoints = 12;

// The margin every side has until the reader sets one: an inch.
constexpr int32_t kDefaultPrintMargin = 1000;

// Margins beyond this many thousandths of an inch (a thousand inches) count
// as this many, and negative ones as 0: no page is that large, and nothing
// prints outside the printable area.
constexpr int32_t kMaxPrintMargin = 1000000;

struct PageGeometry {
    ViewFrame body;    // the printable area less the margins
    ViewFrame header;  // a band of the small print's height at the body's top
    ViewFrame footer;  // the same at its bottom
    ViewFrame text;    // between the bands, 5 pixels clear of each
};

// Margins that leave a usable body: at least an inch each way, or the whole
// printable area where it is smaller. A pair of opposite margins that leaves
// less gives way as little as it can: its wider margin narrows to an inch,
// then the other; when even an inch each leaves too little, both become 0.
// Margins that leave room are kept as they are (negative ones count as 0).
PrintMargins FitMargins(const PrintableArea& area, const PrintMargins& margins);

// The body in device pixels, inside the fitted margins; every division
// truncates.
ViewFrame PageBody(const PrintableArea& area, const PrintMargins& margins);
// The bands and the text area of `body` for bands `bandHeight` pixels high.
PageGeometry PageLayout(const ViewFrame& body, int32_t bandHeight);

// The texts of every page.
extern const char kPageHeader[];
extern const char kPageFooter[];

// The printer between pages: the page printed ends, and the next one starts
// (false when the printer refuses it).
struct PageBreaks {
    void* handle;
    void (*endPage)(void* handle);
    bool (*startPage)(void* handle);
};

// Prints `text` (borrowed, never changed or released) in `font` on
// `surface`, whose first page has been started (FontSize 0: every style at
// the size the screen gives it, the regular one at kDefaultPrintPoints): lays
// it out for the body's width with the surface's fonts, then paints as many
// whole lines as fit the text area of each page, with the header, the footer
// and " Page n" in the small print.
// Every page with lines is ended; a new one is started only while lines
// remain, and printing stops when the printer refuses one. Returns the number
// of pages printed (0 when the text has no lines or none fits a page).
int32_t PrintPages(DrawingSurface* surface, const PrintableArea& area, const PrintMargins& margins,
                   const FontSettings& font, char* text, const PageBreaks& breaks);
