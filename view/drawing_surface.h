// The drawing surface: everything the line layout and the painting need from
// a device, as a table of functions over an opaque handle. The GDI surface
// (view/gdi_surface_win32.h) implements it over an HDC; the unit tests
// implement it with a fixed-pitch font that records every drawing call.
//
// Text reaches a surface already widened to UTF-16 (WidenText), one code unit
// per byte of the lesson text.
#pragma once

#include <cstdint>

#include "view/palette.h"

// A font made by a surface (an HFONT on GDI). Opaque to the portable code.
struct SurfaceFont;

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

struct DrawingSurface {
    const SurfaceOps* ops;
    void* handle;  // the HDC on GDI; the recorder in the tests
    // On a screen, the window's pixels per inch: fonts are sized for it and
    // the sizes given in pixels are scaled to it (view/display_scale.h).
    // 0 elsewhere (paper, the tests' recorder): fonts follow the device's
    // own resolution and sizes stay as given.
    int32_t dpi;
    const Palette* palette = nullptr;  // none: the light palette (paper, tests)
    // The point size a font of no chosen size takes; 0: the mapper's
    // default height (scaled on a screen above 96 pixels per inch).
    int32_t defaultPoints = 0;
};

// The palette a surface draws with (none: the light one), the colour of a
// role on it, and whether it draws with the stock objects where they give
// the colour.
inline const Palette& PaletteOf(const DrawingSurface* dc) {
    return dc->palette != nullptr ? *dc->palette : kLightPalette;
}
inline uint32_t RoleColour(const DrawingSurface* dc, ColourRole role) { return PaletteOf(dc)[role]; }
inline bool DrawsStockObjects(const DrawingSurface* dc) { return PaletteOf(dc).stockObjects; }

// Selects back the font that a selection returned as the one before it
// (none: nothing).
inline void RestoreFont(DrawingSurface* dc, SurfaceFont* previous) {
    if (previous != nullptr) dc->ops->selectFont(dc->handle, previous);
}

// The resolution a surface's fonts are sized for.
inline int32_t SurfaceFontDpi(const DrawingSurface* surface) {
    return surface->dpi > 0 ? surface->dpi : surface->ops->pixelsPerInchY(surface->handle);
}
