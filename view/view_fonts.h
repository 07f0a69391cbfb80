// The reading pane's fonts: one font per style key, built on first use from
// the reader's face and point size, cached per view.
#pragma once

#include <cstdint>

#include "view/text_view.h"

// A font request: style bits 0-4, the small print size, and the bit asking
// that the style's text colour be set too (not part of the key).
constexpr uint32_t kStyleKeyMask = 0x101F;
constexpr uint32_t kKeySmallPrint = 0x1000;
constexpr uint32_t kRequestColour = 0x100;
constexpr uint16_t kRegularKey = 1;

constexpr int32_t kWeightRegular = 400;
constexpr int32_t kWeightBold = 700;

// Point size of a style key for a base size (0 = the mapper's default, for
// which the regular key gives 0).
int32_t StylePointSize(uint32_t key, int32_t baseSize);
int32_t StyleWeight(uint32_t key);
// What the text of a style key is coloured as: a title for large bold
// (light: blue), else ink.
ColourRole StyleColour(uint32_t key);
// Logical height of a point size at a resolution: -(points * dpi / 72),
// rounded; 0 for 0 points.
int32_t FontHeightForPoints(int32_t points, int32_t pixelsPerInch);

// Selects the font of the request's key into the view's surface (building it
// when needed) and, with kRequestColour, the key's text colour in the
// surface's palette. Returns the font selected before;
// null when view is none.
SurfaceFont* SelectStyleFont(TextView* view, uint32_t request);

// With settings: takes them and rebuilds every cached font; the caller lays
// the text out again and paints it. With none: deletes every cached font.
// 0, or -1 when view is none.
int SetViewFont(TextView* view, const FontSettings* settings);
