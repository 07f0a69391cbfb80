// Style fonts: sizes and weights per key, the per-view cache, and rebuilding.
#include <gtest/gtest.h>

#include "tests/unit/view_test_support.h"
#include "view/paint.h"
#include "view/view_fonts.h"

namespace {

TEST(ViewFonts, PointSizesPerKey) {
    struct Case {
        int32_t base;
        int32_t regular, large, small, smallPrint;
    } cases[] = {
        {0, 0, 20, 14, 8},  // the small style may be larger than the regular one
        {7, 7, 8, 5, 8},
        {12, 12, 15, 9, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.base);
        EXPECT_EQ(StylePointSize(0x01, c.base), c.regular);
        EXPECT_EQ(StylePointSize(0x0C, c.base), c.large);
        EXPECT_EQ(StylePointSize(0x06, c.base), c.large);  // large wins over small
        EXPECT_EQ(StylePointSize(0x1002, c.base), c.small);
        EXPECT_EQ(StylePointSize(0x1000, c.base), c.smallPrint);
    }
    EXPECT_EQ(StyleWeight(0x08), 700);
    EXPECT_EQ(StyleWeight(0x17), 400);
    EXPECT_EQ(StyleColour(0x0C), ColourRole::Title);
    EXPECT_EQ(StyleColour(0x1F), ColourRole::Title);
    EXPECT_EQ(StyleColour(0x08), ColourRole::Ink);
    EXPECT_EQ(StyleColour(0x04), ColourRole::Ink);
}

TEST(ViewFonts, HeightsFollowTheResolution) {
    EXPECT_EQ(FontHeightForPoints(12, 96), -16);
    EXPECT_EQ(FontHeightForPoints(9, 96), -12);
    EXPECT_EQ(FontHeightForPoints(15, 96), -20);
    EXPECT_EQ(FontHeightForPoints(8, 300), -33);  // 33.33 on a printer
    EXPECT_EQ(FontHeightForPoints(7, 120), -12);  // 11.67 rounds up
    EXPECT_EQ(FontHeightForPoints(0, 96), 0);
}

TEST(ViewFonts, FontsAreBuiltOncePerKey) {
    ViewFixture f(0, 0, 100, 100);
    f.font.FontSize = 12;
    f.view->font = f.font;
    f.view->font.FontName[0] = u'X';
    SelectStyleFont(f.view, 0x81);
    SelectStyleFont(f.view, 0x01);  // bit 7 is outside the key
    SelectStyleFont(f.view, 0x101); // so is the colour bit
    SelectStyleFont(f.view, 0x11);  // a different key, an identical font
    SelectStyleFont(f.view, 0x1000);
    SelectStyleFont(f.view, 0x1000);
    SelectStyleFont(f.view, 0x0E);
    ASSERT_EQ(f.recorder.fonts.size(), 4u);
    EXPECT_EQ(f.recorder.fonts[0].height, -16);
    EXPECT_EQ(f.recorder.fonts[0].face, u"X");
    EXPECT_EQ(f.recorder.fonts[1].height, -16);
    EXPECT_EQ(f.recorder.fonts[2].height, FontHeightForPoints(8, 96));
    EXPECT_EQ(f.recorder.fonts[3].height, -20);
    EXPECT_EQ(f.recorder.fonts[3].weight, 700);
    EXPECT_EQ(f.view->fontCache->key, 0x0E);  // newest first
}

TEST(ViewFonts, ColourRequest) {
    ViewFixture f(0, 0, 100, 100);
    f.recorder.textColour = Rgb(5, 5, 5);
    SelectStyleFont(f.view, 0x0C);
    EXPECT_EQ(f.recorder.textColour, Rgb(5, 5, 5));
    SelectStyleFont(f.view, 0x10C);
    EXPECT_EQ(f.recorder.textColour, kColourBlue);
    SelectStyleFont(f.view, 0x108);
    EXPECT_EQ(f.recorder.textColour, kColourBlack);
    EXPECT_EQ(SelectStyleFont(nullptr, 1), nullptr);
}

TEST(ViewFonts, SelectReturnsThePreviousFont) {
    ViewFixture f(0, 0, 100, 100);
    EXPECT_EQ(SelectStyleFont(f.view, 1), nullptr);  // the surface's own font
    SurfaceFont* regular = SelectStyleFont(f.view, 2);
    EXPECT_NE(regular, nullptr);
    EXPECT_EQ(f.recorder.selected, 1);
}

TEST(ViewFonts, DeletingAndRebuilding) {
    ViewFixture f(0, 0, 400, 400);
    ASSERT_EQ(f.Lay(LessonText{}.Para(0xCC, 0, "Title").Para(0x81, 0, "body text")), kLayoutDone);
    ASSERT_EQ(f.recorder.liveFonts(), 2);

    EXPECT_EQ(SetViewFont(f.view, nullptr), 0);
    EXPECT_EQ(f.recorder.liveFonts(), 0);
    SelectStyleFont(f.view, 0x01);  // built anew, in the same cache entry
    EXPECT_EQ(f.recorder.liveFonts(), 1);
    EXPECT_EQ(f.recorder.fonts.size(), 3u);

    FontSettings bigger{};
    bigger.FontSize = 24;
    f.view->topLine = 0;
    const size_t drawn = f.recorder.texts().size();
    EXPECT_EQ(SetViewFont(f.view, &bigger), 0);  // the fonts only: the caller lays out and paints
    EXPECT_EQ(f.view->font.FontSize, 24);
    EXPECT_EQ(f.recorder.liveFonts(), 2);
    EXPECT_EQ(f.recorder.fonts.back().height, FontHeightForPoints(24, 96));
    EXPECT_EQ(f.recorder.texts().size(), drawn);

    EXPECT_EQ(SetViewFont(nullptr, &bigger), -1);
    DestroyTextView(f.view, false);
    EXPECT_EQ(f.recorder.liveFonts(), 0);
    EXPECT_EQ(f.view->fontCache, nullptr);
}

TEST(ViewFonts, AFontThatCannotBeMadeKeepsTheCurrentOne) {
    ViewFixture f(0, 0, 400, 400);
    f.recorder.failFonts = true;
    ASSERT_EQ(f.Lay(LessonText{}.Para(0x01, 0, "plain").Para(0x0C, 0, "title")), kLayoutDone);
    EXPECT_EQ(f.view->lineCount, 2);
    EXPECT_EQ(f.recorder.selected, -1);
    int entries = 0;
    for (FontCacheEntry* e = f.view->fontCache; e != nullptr; e = e->next) ++entries;
    EXPECT_EQ(entries, 2);  // failing again does not lengthen the list
    ASSERT_EQ(PaintText(f.view, false), 0);
    for (FontCacheEntry* e = f.view->fontCache; e != nullptr; e = e->next) ++entries;
    EXPECT_EQ(entries, 4);
}

}  // namespace
