// The search's context box on the recording surface (8 pixels a byte, lines
// 16 high): where the box and its rings lie, and what is written in it.
#include <gtest/gtest.h>

#include "dialogs/search_box.h"
#include "tests/unit/view_test_support.h"
#include "view/view_fonts.h"

namespace {

struct BoxRun {
    std::string text;
    int32_t x, y, w;
    bool operator==(const BoxRun& o) const { return text == o.text && x == o.x && y == o.y && w == o.w; }
};

}  // namespace

TEST(SearchContextBox, TitleAndSubtitleStandCentredInRingsAtTheFrameBottom) {
    const struct {
        const char* what;
        LessonText text;
        ViewFrame frame;
        ViewFrame box;  // outer edge; zero width: no box at all
        std::vector<BoxRun> runs;
    } cases[] = {
        {"title and subtitle", LessonText{}.Para(kStyleTitle, 0, "Purim").Para(kStyleHeading, 0, "Psalm 22"),
         {10, 20, 400, 300}, {158, 276, 104, 42}, {{"Purim", 190, 281, 40}, {"Psalm 22", 178, 297, 64}}},
        {"title only", LessonText{}.Para(kStyleTitle, 0, "Purim").Para(0xC2, 0, "14 Adar"),
         {10, 20, 400, 300}, {170, 292, 80, 26}, {{"Purim", 190, 297, 40}}},
        {"subtitle only", LessonText{}.Para(kStyleHeading, 0, "Psalm 22").Para(0x81, 0, "text"),
         {10, 20, 400, 300}, {158, 292, 104, 26}, {{"Psalm 22", 178, 297, 64}}},
        {"title cut to the frame", LessonText{}.Para(kStyleTitle, 0, "Fast of the Tenth of Tevet"),
         {0, 0, 100, 200}, {0, 172, 100, 26}, {{"Fast of the ", 2, 177, 96}}},
        {"neither", LessonText{}.Para(0xC2, 0, "1 Nisan").Para(kStyleHeading, 0, "Psalm 1"),
         {10, 20, 400, 300}, {0, 0, 0, 0}, {}},
    };
    for (const auto& c : cases) {
        ViewFixture f(c.frame.left, c.frame.top, c.frame.width, c.frame.height);
        ASSERT_EQ(f.Lay(c.text), kLayoutDone) << c.what;
        SurfaceFont* own = f.surface.ops->createFont(f.surface.handle, u"", 0, kWeightRegular);
        f.surface.ops->selectFont(f.surface.handle, own);
        const int ownIndex = f.recorder.selected;
        f.recorder.calls.clear();
        DrawSearchContextBox(f.view);

        // Nested fills from the outside in: two red rings, a white, two blue, the yellow inside.
        const uint32_t colours[] = {kColourRed, kColourRed, kColourWhite, kColourBlue, kColourBlue, kColourYellow};
        std::vector<BoxRun> runs;
        int32_t ring = 0;
        for (const DrawCall& call : f.recorder.calls) {
            if (call.kind == DrawKind::ColourFill) {
                const int32_t i = ring++;
                EXPECT_EQ(std::vector<uint32_t>({call.fill, uint32_t(call.x), uint32_t(call.y), uint32_t(call.w),
                                                 uint32_t(call.h)}),
                          std::vector<uint32_t>({colours[i % 6], uint32_t(c.box.left + i), uint32_t(c.box.top + i),
                                                 uint32_t(c.box.width - 2 * i), uint32_t(c.box.height - 2 * i)}))
                    << c.what << " ring " << i;
            } else {
                ASSERT_EQ(call.kind, DrawKind::Text) << c.what;
                runs.push_back({call.text, call.x, call.y, call.w});
                EXPECT_EQ(call.textColour, kColourRed) << c.what;
                EXPECT_EQ(call.backColour, kColourYellow) << c.what;
                EXPECT_EQ(f.recorder.fonts[call.font].height, FontHeightForPoints(14, 96)) << "the small style";
            }
        }
        EXPECT_EQ(ring, c.box.width == 0 ? 0 : 6) << c.what;
        EXPECT_TRUE(runs == c.runs) << c.what;
        EXPECT_EQ(f.recorder.selected, ownIndex) << c.what << ": the font before is selected back";
    }
}

// High contrast: ink rings round a page ring, the inside and the text in the
// highlight's colours.
TEST(SearchContextBox, InTheSystemsColoursTheBoxTakesTheColoursOfItsRoles) {
    const SystemColours& system = kTestSystemColours;
    ViewFixture f(10, 20, 400, 300);
    f.surface.palette = &kTestSystemPalette;
    ASSERT_EQ(f.Lay(LessonText{}.Para(kStyleTitle, 0, "Purim")), kLayoutDone);
    f.recorder.calls.clear();
    DrawSearchContextBox(f.view);
    std::vector<uint32_t> drawn;
    for (const DrawCall& call : f.recorder.calls) {
        drawn.push_back(call.kind == DrawKind::ColourFill ? call.fill : call.textColour);
        if (call.kind == DrawKind::Text) drawn.push_back(call.backColour);
    }
    EXPECT_EQ(drawn, (std::vector<uint32_t>{system.windowText, system.windowText, system.window, system.windowText,
                                            system.windowText, system.highlight, system.highlightText,
                                            system.highlight}));
}
