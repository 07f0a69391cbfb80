// The drawing surface: everything the line layout and the painting need from
// a device, as a table of functions over an opaque handle. The GDI surface
// (view/gdi_surface_win32.h) implements it over an HDC; the unit tests
// implement it with a fixed-pitch font that records every drawing call.
//
// Text reaches a surface already widened to UTF-16 (WidenText), one code unit
// per byte of the lesson text.
#pragma once

#include <cstdint>

// A font made by a surface (an HFONT on GDI). Opaque to the portable code.
struct SurfaceFont;

// Colours are 0x00BBGGRR, as GDI's COLORREF.
constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}
constexpr uint32_t kColourBlack = Rgb(0, 0, 0);
constexpr uint32_t kColourBlue = Rgb(0, 0, 255);
constexpr uint32_t kColourWhite = Rgb(255, 255, 255);
constexpr uint32_t kColourYellow = Rgb(255, 255, 0);
constexpr uint32_t kColourRed = Rgb(255, 0, 0);

// Stock brushes, numbered as GDI's stock objects.
constexpr int kWhiteBrush = 0;
constexpr int kLightGreyBrush = 1;
constexpr int kBlackBrush = 4;
// The system's colour of dialog faces; not a stock brush.
constexpr int kDialogFaceBrush = -1;

struct FontMetrics {
    int32_t height;        // character-cell height (tmHeight)
    int32_t maxCharWidth;  // widest character (tmMaxCharWidth)
};

struct SurfaceOps {
    // Vertical resolution in pixels per inch (LOGPIXELSY).
    int32_t (*pixelsPerInchY)(void* handle);
    // A font of the face (empty = the mapper's choice), height in logical
    // units (negative: character height; 0: default) and weight; null when
    // the font cannot be made. The caller owns it.
    SurfaceFont* (*createFont)(void* handle, const char16_t* faceName, int32_t height, int32_t weight);
    void (*deleteFont)(void* handle, SurfaceFont* font);
    // Selects `font` and returns the one selected before; a null font
    // selects nothing and returns null.
    SurfaceFont* (*selectFont)(void* handle, SurfaceFont* font);
    FontMetrics (*metrics)(void* handle);
    // How many of the `count` leading units fit within `maxExtent` pixels.
    int32_t (*fitText)(void* handle, const char16_t* text, int32_t count, int32_t maxExtent);
    // Width and height of the first `count` units.
    void (*measureText)(void* handle, const char16_t* text, int32_t count, int32_t* width,
                        int32_t* height);
    // Draws `count` units centred both ways in the box x, y, w, h on one line;
    // returns the height of the text drawn.
    int32_t (*drawText)(void* handle, const char16_t* text, int32_t count, int32_t x, int32_t y,
                        int32_t w, int32_t h);
    uint32_t (*textColour)(void* handle);
    // Set a colour and return the previous one.
    uint32_t (*setTextColour)(void* handle, uint32_t colour);
    uint32_t (*setBackColour)(void* handle, uint32_t colour);
    // Fills left, top, width, height with a stock brush.
    void (*fillRect)(void* handle, int32_t left, int32_t top, int32_t width, int32_t height,
                     int stockBrush);
    // A box from left, top up to, not including, right, bottom: a one-pixel
    // outline with its inside filled, black on white or, `inverse`, white on
    // black.
    void (*drawBox)(void* handle, int32_t left, int32_t top, int32_t right, int32_t bottom,
                    bool inverse);
    // A horizontal rule `height` pixels high from `left` up to, not
    // including, `right`, drawn with the black brush.
    void (*drawRule)(void* handle, int32_t left, int32_t top, int32_t right, int32_t height);
    // Fills left, top, width, height with a solid colour.
    void (*fillColour)(void* handle, int32_t left, int32_t top, int32_t width, int32_t height,
                       uint32_t colour);
};

// The system's colours, which a screen surface draws with in place of the
// fixed ones while the system's high-contrast mode is on.
struct ColourScheme {
    bool system;             // false: every part keeps its fixed colours
    uint32_t window;         // page backgrounds
    uint32_t windowText;     // text, titles, rules, outlines
    uint32_t highlight;      // what is marked: a match, the chosen day and month
    uint32_t highlightText;
    uint32_t buttonFace;     // the date strip, dialog faces
    uint32_t buttonText;     // the caption on the date strip
};

struct DrawingSurface {
    const SurfaceOps* ops;
    void* handle;  // the HDC on GDI; the recorder in the tests
    // On a screen, the window's pixels per inch: fonts are sized for it and
    // the sizes given in pixels are scaled to it (view/display_scale.h).
    // 0 elsewhere (paper, the tests' recorder): fonts follow the device's
    // own resolution and sizes stay as given.
    int32_t dpi;
    const ColourScheme* colours = nullptr;  // none: the fixed colours (paper, tests)
};

// What a colour is for. On a surface that draws in the system's colours each
// role takes the system's colour for it; elsewhere every part keeps its
// fixed colour.
enum class ColourRole { Page, Ink, Mark, MarkInk, Face, FaceInk };

inline bool DrawsSystemColours(const DrawingSurface* dc) { return dc->colours != nullptr && dc->colours->system; }

// The colour `role` draws with on `dc`: `fixed`, or the system's colour for
// the role.
inline uint32_t RoleColour(const DrawingSurface* dc, ColourRole role, uint32_t fixed) {
    if (!DrawsSystemColours(dc)) return fixed;
    const ColourScheme& c = *dc->colours;
    switch (role) {
    case ColourRole::Page: return c.window;
    case ColourRole::Ink: return c.windowText;
    case ColourRole::Mark: return c.highlight;
    case ColourRole::MarkInk: return c.highlightText;
    case ColourRole::Face: return c.buttonFace;
    case ColourRole::FaceInk: return c.buttonText;
    }
    return fixed;
}

// Selects back the font that a selection returned as the one before it
// (none: nothing).
inline void RestoreFont(DrawingSurface* dc, SurfaceFont* previous) {
    if (previous != nullptr) dc->ops->selectFont(dc->handle, previous);
}

// The resolution a surface's fonts are sized for.
inline int32_t SurfaceFontDpi(const DrawingSurface* surface) {
    return surface->dpi > 0 ? surface->dpi : surface->ops->pixelsPerInchY(surface->handle);
}
