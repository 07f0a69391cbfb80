// The palettes and the choice between them.
#include "view/palette.h"

// By role, in the order of ColourRole. The light dialog face is the
// system's own, drawn with its brush: the grey here only stands in for it.
const Palette kLightPalette = {true,
                               {kColourWhite, kColourBlack, kColourBlue, kColourYellow, kColourBlue,
                                Rgb(192, 192, 192), Rgb(192, 192, 192), kColourBlack, kColourBlack, kColourWhite,
                                Rgb(128, 128, 128), Rgb(192, 192, 192), kColourRed, kColourBlue, kColourRed,
                                kColourBlue}};

// Body text 12:1 on the page, the titles 8:1, a match 6:1 on its mark.
const Palette kDarkPalette = {false,
                              {Rgb(30, 30, 30), Rgb(224, 224, 224), Rgb(138, 180, 248), Rgb(122, 92, 0),
                               Rgb(255, 255, 255), Rgb(43, 43, 43), Rgb(43, 43, 43), Rgb(224, 224, 224),
                               Rgb(138, 180, 248), Rgb(30, 30, 30), Rgb(158, 158, 158), Rgb(50, 62, 84),
                               Rgb(242, 139, 130), Rgb(138, 180, 248), Rgb(255, 255, 255), Rgb(138, 180, 248)}};

Palette SystemPalette(const SystemColours& s) {
    return {false,
            {s.window, s.windowText, s.windowText, s.highlight, s.highlightText, s.buttonFace, s.buttonFace,
             s.buttonText, s.highlight, s.highlightText, s.windowText, s.highlightText, s.windowText, s.windowText,
             s.highlightText, s.windowText}};
}

Theme ThemeFromStored(int32_t stored) {
    return stored == static_cast<int32_t>(Theme::Light) || stored == static_cast<int32_t>(Theme::Dark)
               ? static_cast<Theme>(stored)
               : Theme::FollowWindows;
}

PaletteKind ChoosePalette(Theme theme, bool appsUseLightTheme, bool highContrast) {
    if (highContrast) return PaletteKind::System;
    if (theme == Theme::FollowWindows) return appsUseLightTheme ? PaletteKind::Light : PaletteKind::Dark;
    return theme == Theme::Dark ? PaletteKind::Dark : PaletteKind::Light;
}
