// The colours the screen draws with, one record for every painter: the
// light palette, the fixed colours the reader has always had; the dark one,
// for reading at night; and in the system's high-contrast mode the system's
// colour for each role. Paper is always drawn in the light palette.
#pragma once

#include <cstdint>

// Colours are 0x00BBGGRR, as GDI's COLORREF.
constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}
constexpr uint32_t kColourBlack = Rgb(0, 0, 0);
constexpr uint32_t kColourBlue = Rgb(0, 0, 255);
constexpr uint32_t kColourWhite = Rgb(255, 255, 255);
constexpr uint32_t kColourYellow = Rgb(255, 255, 0);
constexpr uint32_t kColourRed = Rgb(255, 0, 0);

// What a colour is for.
enum class ColourRole {
    Page,         // backgrounds: the pane, the calendar's cells, framed boxes
    Ink,          // text, rules, outlines
    Title,        // the large bold styles of a lesson
    Mark,         // behind a search match and inside the title box
    MarkInk,      // a search match
    Face,         // the calendar's own background (light: the dialog face's brush)
    Strip,        // the date strip, the toolbar's band
    StripInk,     // the dates on the strip
    Chosen,       // behind the calendar's month and day on view
    ChosenInk,    // their labels
    Quiet,        // the calendar's civil dates
    QuietChosen,  // the civil date of the day on view
    BoxOuter,     // the title box's outer rings
    BoxInner,     // its inner rings
    BoxInk,       // its text
    Link,         // the About box's link
};
constexpr int kColourRoles = static_cast<int>(ColourRole::Link) + 1;

struct Palette {
    // Painted with the system's stock brushes and objects where they give
    // the colour (the light palette), or everywhere with solid colours.
    bool stockObjects;
    uint32_t colours[kColourRoles];  // 0x00BBGGRR, by role

    uint32_t operator[](ColourRole role) const { return colours[static_cast<int>(role)]; }
};

extern const Palette kLightPalette;
extern const Palette kDarkPalette;

// The system's colours of its high-contrast mode, 0x00BBGGRR.
struct SystemColours {
    uint32_t window, windowText, highlight, highlightText, buttonFace, buttonText;
};
// Each role in the system's colour for it.
Palette SystemPalette(const SystemColours& system);

// The reader's choice of theme, as stored; anything else reads as following
// Windows.
enum class Theme : int32_t { FollowWindows = 0, Light = 1, Dark = 2 };
Theme ThemeFromStored(int32_t stored);

// Which palette the screen takes: high contrast wins over both themes; then
// the reader's choice, following the apps' mode Windows is set to.
enum class PaletteKind { Light, Dark, System };
PaletteKind ChoosePalette(Theme theme, bool appsUseLightTheme, bool highContrast);
