// The palettes: the dark one reads at night; and which palette the screen
// takes.
#include <gtest/gtest.h>

#include <cmath>

#include "view/palette.h"

namespace {

// Relative luminance and contrast ratio as the web's accessibility
// guidelines define them.
double Luminance(uint32_t colour) {
    const auto channel = [](uint32_t value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour & 0xFF) + 0.7152 * channel((colour >> 8) & 0xFF) +
           0.0722 * channel((colour >> 16) & 0xFF);
}

double Contrast(uint32_t a, uint32_t b) {
    const double la = Luminance(a) + 0.05;
    const double lb = Luminance(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}

TEST(Palette, TheDarkPaletteReadsWell) {
    const Palette& dark = kDarkPalette;
    const struct {
        ColourRole ink, ground;
        double least;
    } pairs[] = {
        {ColourRole::Ink, ColourRole::Page, 7},         {ColourRole::Title, ColourRole::Page, 4.5},
        {ColourRole::MarkInk, ColourRole::Mark, 4.5},   {ColourRole::StripInk, ColourRole::Strip, 7},
        {ColourRole::BoxInk, ColourRole::Mark, 4.5},    {ColourRole::ChosenInk, ColourRole::Chosen, 4.5},
        {ColourRole::Quiet, ColourRole::Page, 4.5},     {ColourRole::QuietChosen, ColourRole::Chosen, 3},
        {ColourRole::BoxOuter, ColourRole::Page, 3},    {ColourRole::Link, ColourRole::Face, 4.5},
    };
    for (const auto& p : pairs) {
        EXPECT_GE(Contrast(dark[p.ink], dark[p.ground]), p.least)
            << static_cast<int>(p.ink) << " on " << static_cast<int>(p.ground);
    }
    EXPECT_FALSE(dark.stockObjects);
}

TEST(Palette, TheStoredThemeTheAppsModeAndHighContrastChoose) {
    const struct {
        int32_t stored;
        bool appsLight, highContrast;
        PaletteKind expected;
    } cases[] = {
        {0, true, false, PaletteKind::Light},  {0, false, false, PaletteKind::Dark},
        {1, false, false, PaletteKind::Light}, {1, true, false, PaletteKind::Light},
        {2, true, false, PaletteKind::Dark},   {2, false, false, PaletteKind::Dark},
        {0, false, true, PaletteKind::System}, {1, true, true, PaletteKind::System},
        {2, false, true, PaletteKind::System}, {3, false, false, PaletteKind::Dark},  // unknown: follows
        {-1, true, false, PaletteKind::Light}, {0x7FFFFFFF, false, false, PaletteKind::Dark},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChoosePalette(ThemeFromStored(c.stored), c.appsLight, c.highContrast), c.expected)
            << c.stored << (c.appsLight ? " light apps" : " dark apps") << (c.highContrast ? " high contrast" : "");
    }
}

}  // namespace
