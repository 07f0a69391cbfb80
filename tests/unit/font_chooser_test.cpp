// The font chooser's portable parts: the sizes offered with a stored size,
// the face a stored name selects, the face list's blocks, the sample and
// what OK keeps.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "dialogs/font_chooser.h"

namespace {

std::vector<int32_t> Sizes(const FontSizeChoices& choices) {
    return std::vector<int32_t>(choices.sizes, choices.sizes + choices.count);
}

const std::vector<int32_t> kStandard = {10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 32, 52, 72};

std::vector<int32_t> StandardWith(int32_t size, size_t at) {
    std::vector<int32_t> sizes = kStandard;
    sizes.insert(sizes.begin() + static_cast<std::ptrdiff_t>(at), size);
    return sizes;
}

TEST(FontChooser, AStoredSizeIsListedInItsPlaceAndSelected) {
    struct Case {
        int32_t stored;
        std::vector<int32_t> sizes;
        int selected;
    };
    const Case cases[] = {
        {13, StandardWith(13, 3), 3},   // between 12 and 14
        {12, kStandard, 2},             // not twice
        {0, kStandard, -1},             // not set: nothing selected
        {100, kStandard, -1},           // above the largest: not added
        {72, kStandard, 13},            // the largest itself
        {71, StandardWith(71, 13), 13}, // just below the largest
        {5, StandardWith(5, 0), 0},     // below the smallest
        {53, StandardWith(53, 13), 13},
    };
    for (const Case& c : cases) {
        const FontSizeChoices choices = ListFontSizes(c.stored);
        EXPECT_EQ(Sizes(choices), c.sizes) << c.stored;
        EXPECT_EQ(choices.selected, c.selected) << c.stored;
    }
}

TEST(FontChooser, ZoomStepsThroughTheStandardSizes) {
    const struct {
        int32_t size;
        int step;
        int32_t defaultPoints;
        int32_t expected;
    } cases[] = {
        {14, 1, 12, 16},  {14, -1, 12, 12}, {32, 1, 12, 52}, {52, -1, 12, 32},
        {72, 1, 12, 72},  {10, -1, 12, 10},                   // the ends: nothing
        {13, 1, 12, 14},  {13, -1, 12, 12},                   // a stored size off the list
        {100, 1, 12, 100}, {100, -1, 12, 72}, {4, 1, 12, 10},
        {0, 1, 12, 14},   {0, -1, 12, 11},                    // the default reads at 12
        {0, 1, 13, 14},   {0, -1, 13, 12}, {0, 1, 9, 10},  {0, -1, 9, 0},
        {0, 1, 80, 0},    {0, -1, 80, 72},
        {20, 0, 12, 20},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ZoomedFontSize(c.size, c.step, c.defaultPoints), c.expected)
            << c.size << " by " << c.step << " from a default of " << c.defaultPoints;
    }
}

TEST(FontChooser, SizeTextsGoBothWays) {
    for (int32_t size : {1, 9, 10, 13, 52, 72, 999, 2147483647}) {
        char16_t text[kFontSizeTextUnits];
        FormatFontSize(size, text);
        const std::string decimal = std::to_string(size);
        EXPECT_EQ(std::u16string(text), std::u16string(decimal.begin(), decimal.end()));
        EXPECT_EQ(ParseFontSize(text), size);
    }
    EXPECT_EQ(ParseFontSize(u""), 0);
    EXPECT_EQ(ParseFontSize(u"14pt"), 14);
}

TEST(FontChooser, AStoredNameSelectsTheFacesThatBeginWithIt) {
    struct Case {
        const char16_t* face;
        const char16_t* stored;
        bool selects;
    };
    const Case cases[] = {
        {u"DejaVu Sans", u"DejaVu Sans", true},
        {u"DejaVu Sans Mono", u"dejavu sans", true},
        {u"DEJAVU SERIF", u"DejaVu", true},
        {u"\u00C9cole", u"\u00E9COLE", true},  // accented letters fold too
        {u"Tahoma", u"Tahoma Bold", false},    // the stored name is longer
        {u"Arial", u"Courier", false},
        {u"Arial", u"", false},                // no face chosen yet: none selected
        {u"Ar\u00D7", u"AR\u00F7", false},     // the multiplication sign is no letter
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FaceBeginsWith(c.face, c.stored), c.selects)
            << std::string(c.face, c.face + std::u16string(c.face).size());
    }
}

// Hands out at most `g_blocksLeft` blocks, each counted.
int g_blocksLeft = 0;
int g_blocksTaken = 0;
void* CountedBlocks(size_t count, size_t size) {
    if (g_blocksLeft == 0) return nullptr;
    --g_blocksLeft;
    ++g_blocksTaken;
    return calloc(count, size);
}

std::vector<std::u16string> Names(const FaceList& list) {
    std::vector<std::u16string> names;
    for (const FaceNode* node = list.first; node != nullptr; node = node->next) names.push_back(node->name);
    return names;
}

TEST(FontChooser, FacesComeInBlocksOfTwentyFiveAndGoBlockByBlock) {
    struct Case {
        int faces;
        int blocksAvailable;
        int kept;
        int blocks;
    };
    const Case cases[] = {
        {0, 5, 0, 0},
        {1, 5, 1, 1},
        {25, 5, 25, 1},
        {26, 5, 26, 2},
        {60, 5, 60, 3},
        {60, 2, 50, 2},  // the third block is refused: the first fifty stay
        {3, 0, 0, 0},
    };
    for (const Case& c : cases) {
        g_blocksLeft = c.blocksAvailable;
        g_blocksTaken = 0;
        FaceList list{};
        list.allocate = CountedBlocks;
        std::vector<std::u16string> expected;
        for (int i = 0; i < c.faces; ++i) {
            const std::u16string name = u"Face " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) +
                                        std::u16string(1, static_cast<char16_t>(u'0' + i / 26));
            const bool added = AppendFace(&list, name.c_str());
            EXPECT_EQ(added, i < c.kept) << c.faces << " faces, face " << i;
            if (added) expected.push_back(name);
        }
        EXPECT_EQ(Names(list), expected) << c.faces << " faces";
        EXPECT_EQ(g_blocksTaken, c.blocks) << c.faces << " faces";
        int starts = 0;
        for (const FaceNode* node = list.first; node != nullptr; node = node->next) starts += node->startsBlock;
        EXPECT_EQ(starts, c.blocks);
        // Each block released once: AddressSanitizer reports a leak or a
        // second release.
        FreeFaceList(&list);
        EXPECT_EQ(list.first, nullptr);
        EXPECT_EQ(list.allocate, CountedBlocks);
    }
}

TEST(FontChooser, EachFaceIsListedOnceAndCutToTheRecord) {
    FaceList list{};
    const std::u16string longName(40, u'x');
    const std::u16string cut = longName.substr(0, kFontNameUnits - 1);
    for (const std::u16string& face : {std::u16string(u"Serif"), std::u16string(u"Sans"), std::u16string(u"Serif"),
                                       std::u16string(u"serif"), longName, cut, longName + u"y"}) {
        ASSERT_TRUE(AppendFace(&list, face.c_str()));
    }
    EXPECT_EQ(Names(list), (std::vector<std::u16string>{u"Serif", u"Sans", u"serif", cut}));
    FreeFaceList(&list);
}

TEST(FontChooser, TheSampleRunsFromTheBase) {
    struct Case {
        int32_t base;
        int32_t baseAfter;
        std::u16string sample;
    };
    std::u16string top;
    for (char16_t unit = 0xFFE6; unit != 0; ++unit) top += unit;  // through U+FFFF
    const Case cases[] = {
        {0, 97, u"abcdefghijklmnopqrstuvwxyz"},
        {97, 97, u"abcdefghijklmnopqrstuvwxyz"},
        {65, 65, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {0xFFE6, 0xFFE6, top},
    };
    for (const Case& c : cases) {
        FontSettings settings{};
        settings.FontAsciiBase = c.base;
        char16_t sample[kFontSampleUnits + 1];
        FillFontSample(&settings, sample);
        EXPECT_EQ(std::u16string(sample), c.sample) << c.base;
        EXPECT_EQ(settings.FontAsciiBase, c.baseAfter) << c.base;
    }
}

TEST(FontChooser, OkKeepsOnlyWhatWasChosen) {
    struct Case {
        const char16_t* face;
        int32_t size;
        std::u16string nameAfter;
        int32_t sizeAfter;
    };
    const std::u16string longFace(40, u'y');
    const Case cases[] = {
        {u"", 0, u"Stored Face", 14},             // nothing chosen
        {u"Other Face", 0, u"Other Face", 14},    // a face only
        {u"", 20, u"Stored Face", 20},            // a size only
        {u"Other Face", 52, u"Other Face", 52},
        {longFace.c_str(), 0, longFace.substr(0, kFontNameUnits - 1), 14},
    };
    for (const Case& c : cases) {
        FontSettings settings{u"Stored Face", 14, 97};
        CommitFontChoice(&settings, c.face, c.size);
        EXPECT_EQ(std::u16string(settings.FontName), c.nameAfter);
        EXPECT_EQ(settings.FontSize, c.sizeAfter);
        EXPECT_EQ(settings.FontAsciiBase, 97);
    }
}

}  // namespace
