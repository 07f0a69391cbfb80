// The printed lesson on the recording surface: the page geometry, and the
// page loop's lines, bands, page numbers and page breaks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "export/print_pages.h"
#include "tests/unit/view_test_support.h"
#include "view/paint.h"
#include "view/view_fonts.h"

namespace {

constexpr PrintMargins kInch{1000, 1000, 1000, 1000};
// A small printer: 8 by 10 inches at 100 dpi; an inch all round leaves a
// body of 600 by 800 pixels at 100, 100, room for 75 bytes a line.
constexpr PrintableArea kSmallPage{100, 100, 800, 1000};

// The recording surface as a printer that notes where each page ended.
struct Printer {
    Recorder recorder;
    DrawingSurface surface = recorder.surface();
    std::vector<size_t> pageEnds;  // recorded calls when each page ended
    int starts = 0;
    int refusedPage = 0;  // the page whose start is refused; 0 = none

    int32_t Print(const PrintableArea& area, const PrintMargins& margins, int32_t points, char* text) {
        recorder.dpi = area.pixelsPerInchY;  // a printer's surface reports its own resolution
        FontSettings font{};
        font.FontSize = points;
        const PageBreaks breaks{
            this,
            [](void* handle) {
                auto* printer = static_cast<Printer*>(handle);
                printer->pageEnds.push_back(printer->recorder.calls.size());
            },
            [](void* handle) {
                auto* printer = static_cast<Printer*>(handle);
                return ++printer->starts + 1 != printer->refusedPage;
            }};
        return PrintPages(&surface, area, margins, font, text, breaks);
    }

    // The texts drawn on page `number` (from 1): the lines, then the
    // footer, the page number and the header.
    std::vector<DrawCall> Page(size_t number) const {
        const size_t begin = number == 1 ? 0 : pageEnds[number - 2];
        std::vector<DrawCall> texts;
        for (size_t i = begin; i < pageEnds[number - 1]; ++i) {
            if (recorder.calls[i].kind == DrawKind::Text) texts.push_back(recorder.calls[i]);
        }
        return texts;
    }
    std::vector<DrawCall> Lines(size_t number) const {
        std::vector<DrawCall> texts = Page(number);
        texts.resize(texts.size() - 3);
        return texts;
    }
    int32_t FontHeight(const DrawCall& call) const { return recorder.fonts.at(call.font).height; }
};

// `count` paragraphs of two lines each on the small page, each followed by
// its blank line.
LessonText LongLesson(int count) {
    LessonText text;
    for (int i = 0; i < count; ++i) {
        text.Para(0x81, 0, "Paragraph " + std::to_string(i) + std::string(60, 'x') + " and its second line");
    }
    return text;
}

std::vector<std::string> TextsOf(const std::vector<DrawCall>& calls) {
    std::vector<std::string> texts;
    for (const DrawCall& call : calls) texts.push_back(call.text);
    return texts;
}

std::vector<int32_t> Edges(const ViewFrame& f) { return {f.left, f.top, f.width, f.height}; }
std::vector<int32_t> Sides(const PrintMargins& m) { return {m.left, m.top, m.right, m.bottom}; }

TEST(PageGeometry, BodyLiesInsideTheMarginsInDevicePixelsAndMarginsWithoutRoomGiveWay) {
    constexpr PrintableArea kLetterish{300, 300, 2400, 3300};  // 8 by 11 inches
    constexpr PrintableArea kCard{100, 100, 150, 120};         // 1.5 by 1.2 inches
    constexpr PrintableArea kStamp{300, 300, 200, 150};        // less than an inch each way
    constexpr int32_t kHuge = 0x7FFFFFFF;
    struct Case {
        PrintableArea area;
        PrintMargins margins;
        PrintMargins fitted;
        ViewFrame body;
    } const cases[] = {
        {{600, 600, 4800, 6600}, kInch, kInch, {600, 600, 3600, 5400}},
        {kLetterish, kInch, kInch, {300, 300, 1800, 2700}},
        {kLetterish, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 2400, 3300}},
        {{300, 600, 2400, 6600}, {500, 250, 1500, 0}, {500, 250, 1500, 0}, {150, 150, 1800, 6450}},
        // Divisions truncate.
        {kLetterish, {333, 1999, 0, 1}, {333, 1999, 0, 1}, {99, 599, 2301, 2701}},
        // Negative margins count as none.
        {kLetterish, {-5, INT32_MIN, -1000, -1}, {0, 0, 0, 0}, {0, 0, 2400, 3300}},
        // Wider than the page: each pair narrows to an inch.
        {kLetterish, {12345, 12345, 12345, 12345}, kInch, {300, 300, 1800, 2700}},
        {kLetterish, {kHuge, kHuge, kHuge, kHuge}, kInch, {300, 300, 1800, 2700}},
        // Only the wider margin of a pair gives way when that is enough.
        {kLetterish, {12345, 1000, 1500, 9500}, {1000, 1000, 1500, 1000}, {300, 300, 1650, 2700}},
        // A body of just an inch is kept; a pixel less is not.
        {kLetterish, {3500, 5000, 3500, 5000}, {3500, 5000, 3500, 5000}, {1050, 1500, 300, 300}},
        {kLetterish, {3504, 0, 3500, 0}, {1000, 0, 3500, 0}, {300, 0, 1050, 3300}},
        // On a page too small for an inch each side the margins go.
        {kCard, kInch, {0, 0, 0, 0}, {0, 0, 150, 120}},
        {kCard, {12345, 12345, 12345, 12345}, {0, 0, 0, 0}, {0, 0, 150, 120}},
        {kCard, {500, 100, 0, 0}, {500, 100, 0, 0}, {50, 10, 100, 110}},
        {kStamp, {10, 10, 0, 0}, {0, 0, 0, 0}, {0, 0, 200, 150}},
        {kStamp, {1, 1, 0, 0}, {1, 1, 0, 0}, {0, 0, 200, 150}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.area.width << "x" << c.area.height << " margins " << c.margins.left
                                        << " " << c.margins.top << " " << c.margins.right << " " << c.margins.bottom);
        EXPECT_EQ(Sides(FitMargins(c.area, c.margins)), Sides(c.fitted));
        EXPECT_EQ(Edges(PageBody(c.area, c.margins)), Edges(c.body));
    }
    // Whatever the margins, the body is at least an inch each way (the whole
    // area when it is smaller), and the fitted margins are what it lies in.
    const int32_t samples[] = {INT32_MIN, -1, 0, 1, 1000, 4000, 12345, kHuge};
    for (const PrintableArea& area : {kLetterish, kCard, kStamp}) {
        for (int32_t a : samples) {
            for (int32_t b : samples) {
                for (const PrintMargins& m : {PrintMargins{a, b, b, a}, PrintMargins{a, a, b, b}}) {
                    const PrintMargins fitted = FitMargins(area, m);
                    const ViewFrame body = PageBody(area, m);
                    ASSERT_GE(body.width, std::min(area.width, area.pixelsPerInchX)) << a << " " << b;
                    ASSERT_GE(body.height, std::min(area.height, area.pixelsPerInchY)) << a << " " << b;
                    ASSERT_EQ(Edges(PageBody(area, fitted)), Edges(body)) << a << " " << b;
                }
            }
        }
    }
}

TEST(PageGeometry, BandsAtTheBodysEdgesAndTheTextBetween) {
    const PageGeometry page = PageLayout({100, 200, 1000, 2000}, 30);
    EXPECT_EQ(Edges(page.header), (std::vector<int32_t>{100, 200, 1000, 30}));
    EXPECT_EQ(Edges(page.footer), (std::vector<int32_t>{100, 2170, 1000, 30}));
    EXPECT_EQ(Edges(page.text), (std::vector<int32_t>{100, 235, 1000, 1930}));
}

TEST(PrintPages, ShortLessonIsOnePageInThePrintersFontsWithItsBands) {
    struct Case {
        PrintableArea area;
        int32_t points;
        int32_t printedPoints;
    } const cases[] = {
        {kSmallPage, 12, 12},
        {{600, 600, 5100, 6600}, 12, 12},
        {{300, 300, 2550, 3300}, 20, 20},
        {{300, 300, 2550, 3300}, 0, kDefaultPrintPoints},  // no size chosen
    };
    for (const Case& c : cases) {
        Printer printer;
        char* text = LessonText{}.Para(0x01, 0, "A short lesson").Build();
        EXPECT_EQ(printer.Print(c.area, kInch, c.points, text), 1);
        free(text);
        EXPECT_EQ(printer.pageEnds.size(), 1u);
        EXPECT_EQ(printer.starts, 0);  // the first page was started by the job
        const std::vector<DrawCall> page = printer.Page(1);
        ASSERT_EQ(TextsOf(page), (std::vector<std::string>{"A short lesson", kPageFooter, " Page 1", "BS\"D"}));
        // An inch of margin is as many pixels as the printer has to the inch.
        const ViewFrame body = PageBody(c.area, kInch);
        ASSERT_EQ((std::vector<int32_t>{body.left, body.top}),
                  (std::vector<int32_t>{c.area.pixelsPerInchX, c.area.pixelsPerInchY}));
        const int32_t band = page[1].h;  // the small print's cell
        const int32_t bodyRight = body.left + body.width;
        const int32_t bodyBottom = body.top + body.height;
        // The text below the header band and its gap; the footer at the
        // body's bottom left, the number at its bottom right, the header at
        // its top left.
        EXPECT_EQ((std::vector<int32_t>{page[0].x, page[0].y, page[1].x, page[1].y, page[2].x + page[2].w,
                                        page[2].y, page[3].x, page[3].y}),
                  (std::vector<int32_t>{body.left, body.top + band + 5, body.left, bodyBottom - band, bodyRight,
                                        bodyBottom - band, body.left, body.top}));
        const int32_t dpi = c.area.pixelsPerInchY;
        EXPECT_EQ(printer.FontHeight(page[0]), FontHeightForPoints(c.printedPoints, dpi)) << dpi << " " << c.points;
        for (int i = 1; i < 4; ++i) {
            EXPECT_EQ(printer.FontHeight(page[i]), FontHeightForPoints(8, dpi)) << page[i].text;
            EXPECT_EQ(page[i].textColour, kColourBlack);
        }
    }
}

TEST(PrintPages, LongLessonBreaksOnlyBetweenWholeLinesAndNumbersEveryPage) {
    const LessonText lesson = LongLesson(60);
    Printer printer;
    char* text = lesson.Build();
    const int32_t pages = printer.Print(kSmallPage, kInch, 0, text);
    // The pane's text is borrowed: unchanged, and still the caller's to free.
    EXPECT_EQ(std::string(text, lesson.bytes.size()), lesson.bytes);
    free(text);

    ASSERT_GE(pages, 3);
    EXPECT_EQ(printer.pageEnds.size(), static_cast<size_t>(pages));
    EXPECT_EQ(printer.starts, pages - 1);  // no page started after the last
    std::vector<DrawCall> all;
    for (int n = 1; n <= pages; ++n) {
        const std::vector<DrawCall> lines = printer.Lines(n);
        ASSERT_FALSE(lines.empty()) << "page " << n;
        EXPECT_EQ(lines.front().y, 121) << "page " << n;
        for (const DrawCall& line : lines) {
            EXPECT_GE(line.y, 121);
            EXPECT_LE(line.y + line.h, 121 + 758) << "page " << n << ": " << line.text;
        }
        const std::vector<DrawCall> page = printer.Page(n);
        EXPECT_EQ(page[page.size() - 2].text, " Page " + std::to_string(n));
        all.insert(all.end(), lines.begin(), lines.end());
    }
    // Every line of the lesson once, in order, across the pages.
    ViewFixture whole(100, 0, 600, 30000);
    ASSERT_EQ(whole.Lay(lesson), kLayoutDone);
    PaintText(whole.view, false);
    EXPECT_EQ(TextsOf(all), TextsOf(whole.recorder.texts()));
}

TEST(PrintPages, LargerFontGivesMorePagesWithTheSameSmallPrint) {
    int32_t pages[2] = {};
    const int32_t points[2] = {12, 24};
    for (int i = 0; i < 2; ++i) {
        Printer printer;
        printer.recorder.cellHeightByRequest = {{FontHeightForPoints(12, 100), 19},
                                                {FontHeightForPoints(24, 100), 38}};
        char* text = LongLesson(20).Build();
        pages[i] = printer.Print(kSmallPage, kInch, points[i], text);
        free(text);
        const std::vector<DrawCall> page = printer.Page(1);
        EXPECT_EQ(printer.FontHeight(page.back()), FontHeightForPoints(8, 100));
        EXPECT_EQ(printer.FontHeight(page.front()), FontHeightForPoints(points[i], 100));
    }
    EXPECT_GE(pages[0], 1);
    EXPECT_GT(pages[1], pages[0]);
}

TEST(PrintPages, RefusedPageEndsThePrintWithThePagesDone) {
    Printer printer;
    printer.refusedPage = 2;
    char* text = LongLesson(60).Build();
    EXPECT_EQ(printer.Print(kSmallPage, kInch, 0, text), 1);
    free(text);
    EXPECT_EQ(printer.starts, 1);
    ASSERT_EQ(printer.pageEnds.size(), 1u);
    EXPECT_EQ(printer.pageEnds[0], printer.recorder.calls.size());
}

TEST(PrintPages, NothingPrintsWithoutLinesOrRoomForOne) {
    constexpr int32_t kHugePoints = 600;  // a line taller than the page
    struct Case {
        const char* what;
        char* text;
        int32_t points;
    } const cases[] = {
        {"no text", nullptr, 0},
        {"an empty first paragraph", LessonText{}.Para(0x01, 0, "").Build(), 0},
        {"a line taller than the text area", LessonText{}.Para(0x01, 0, "Words").Build(), kHugePoints},
    };
    for (const Case& c : cases) {
        Printer printer;
        printer.recorder.cellHeightByRequest[FontHeightForPoints(kHugePoints, 100)] = 830;
        EXPECT_EQ(printer.Print(kSmallPage, kInch, c.points, c.text), 0) << c.what;
        EXPECT_TRUE(printer.recorder.texts().empty()) << c.what;
        EXPECT_TRUE(printer.pageEnds.empty()) << c.what;
        EXPECT_EQ(printer.starts, 0) << c.what;
        EXPECT_EQ(printer.recorder.liveFonts(), 0) << c.what;
        free(c.text);
    }
}

TEST(PrintPages, MarginsWiderThanThePageStillPrintTheLesson) {
    for (const PrintMargins& margins : {PrintMargins{12345, 12345, 12345, 12345},
                                        PrintMargins{0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF}}) {
        Printer printer;
        char* text = LessonText{}.Para(0x01, 0, "A short lesson").Build();
        const int32_t pages = printer.Print(kSmallPage, margins, 0, text);
        free(text);
        ASSERT_EQ(pages, 1) << margins.left;
        // In the body of inch margins, which is what they give way to.
        const std::vector<DrawCall> page = printer.Page(1);
        ASSERT_EQ(TextsOf(page), (std::vector<std::string>{"A short lesson", kPageFooter, " Page 1", "BS\"D"}));
        EXPECT_EQ((std::vector<int32_t>{page[3].x, page[3].y}), (std::vector<int32_t>{100, 100}));
    }
}

// Every style prints at the size the screen gives it: with no size chosen
// the regular style at 12 points (the mapper's default on the screen, where
// on paper it would be a few device pixels), the large and the small style
// at their own 20 and 14; a chosen size scales them all. The bands stay 8.
TEST(PrintPages, EachStylePrintsAtItsScreenSize) {
    struct Case {
        int32_t points;
        int32_t regular, large, small;
    } const cases[] = {
        {0, 12, 20, 14},
        {12, 12, 15, 9},
        {16, 16, 20, 12},
        {24, 24, 30, 18},
    };
    for (const Case& c : cases) {
        Printer printer;
        char* text = LessonText{}
                         .Para(0x0C, 0, "Heading")
                         .Para(0x01, 0, "Body text")
                         .Para(0x02, 0, "Small text")
                         .Para(0x09, 0, "Bold body")
                         .Build();
        constexpr PrintableArea kPage{300, 300, 2550, 3300};
        ASSERT_EQ(printer.Print(kPage, kInch, c.points, text), 1) << c.points;
        free(text);
        const std::vector<DrawCall> page = printer.Page(1);
        ASSERT_EQ(TextsOf(page), (std::vector<std::string>{"Heading", "Body text", "Small text", "Bold body",
                                                           kPageFooter, " Page 1", "BS\"D"}));
        const std::vector<int32_t> points{c.large, c.regular, c.small, c.regular, 8, 8, 8};
        for (size_t i = 0; i < page.size(); ++i) {
            EXPECT_EQ(printer.FontHeight(page[i]), FontHeightForPoints(points[i], 300))
                << "chosen " << c.points << ": " << page[i].text;
        }
    }
}

}  // namespace
