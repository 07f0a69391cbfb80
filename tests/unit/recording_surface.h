// A drawing surface for the tests: a fixed-pitch font (every unit is
// charWidth pixels wide unless unitWidths says otherwise, every font cellHeight pixels high unless a font's
// requested height is mapped to another cell height) that records the fonts
// it makes and every drawing call.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "view/drawing_surface.h"

struct RecordedFont {
    std::u16string face;
    int32_t height;  // as requested: negative = character height
    int32_t weight;
    bool deleted;
};

enum class DrawKind { Text, Rule, Fill, Box, ColourFill };

struct DrawCall {
    DrawKind kind;
    std::string text;  // the units drawn, narrowed back to bytes
    int32_t x, y, w, h;
    int font;          // index into fonts of the font selected; -1 none
    uint32_t textColour;
    uint32_t backColour;
    int brush;         // Fill; Box: the inside, kWhiteBrush or (inverse) kBlackBrush
    uint32_t fill;     // ColourFill only
};

struct Recorder {
    int32_t charWidth = 8;
    int32_t cellHeight = 16;
    int32_t maxCharWidth = 8;
    int32_t dpi = 96;
    std::map<int32_t, int32_t> cellHeightByRequest;  // requested height -> cell height
    std::map<char16_t, int32_t> unitWidths;          // units not charWidth wide
    bool failFonts = false;                          // createFont returns null

    std::vector<RecordedFont> fonts;
    std::vector<DrawCall> calls;
    int selected = -1;  // index of the selected font, -1 = the surface's own
    uint32_t textColour = 0;
    uint32_t backColour = 0xFFFFFF;
    int extentCalls = 0;

    DrawingSurface surface();
    std::vector<DrawCall> texts() const;  // the Text calls only
    int liveFonts() const;
};

// System colours for the tests, a colour of its own for each of them, and
// the palette they make.
constexpr SystemColours kTestSystemColours{0x010101, 0x020202, 0x030303, 0x040404, 0x050505, 0x060606};
extern const Palette kTestSystemPalette;
// What a stock brush, a box or a rule (fixed colours all) counts as in
// ColoursDrawn.
constexpr uint32_t kFixedColours = 0xFFFFFFFF;
// The colours the calls drew with: text and its background, colour fills.
std::set<uint32_t> ColoursDrawn(const std::vector<DrawCall>& calls);
