// The recording test surface.
#include "tests/unit/recording_surface.h"

namespace {

Recorder& R(void* handle) { return *static_cast<Recorder*>(handle); }

SurfaceFont* FontHandle(int index) { return reinterpret_cast<SurfaceFont*>(static_cast<intptr_t>(index + 1)); }
int FontIndex(SurfaceFont* font) { return static_cast<int>(reinterpret_cast<intptr_t>(font)) - 1; }

int32_t CellHeight(const Recorder& r) {
    if (r.selected < 0) return r.cellHeight;
    auto found = r.cellHeightByRequest.find(r.fonts[r.selected].height);
    return found == r.cellHeightByRequest.end() ? r.cellHeight : found->second;
}

std::string Narrow(const char16_t* text, int32_t count) {
    std::string bytes;
    for (int32_t i = 0; i < count; ++i) bytes += static_cast<char>(text[i]);
    return bytes;
}

int32_t UnitWidth(const Recorder& r, char16_t unit) {
    auto found = r.unitWidths.find(unit);
    return found == r.unitWidths.end() ? r.charWidth : found->second;
}

int32_t PixelsPerInchY(void* h) { return R(h).dpi; }

SurfaceFont* CreateFont(void* h, const char16_t* face, int32_t height, int32_t weight) {
    Recorder& r = R(h);
    if (r.failFonts) return nullptr;
    r.fonts.push_back({face, height, weight, false});
    return FontHandle(static_cast<int>(r.fonts.size()) - 1);
}

void DeleteFont(void* h, SurfaceFont* font) { R(h).fonts.at(FontIndex(font)).deleted = true; }

SurfaceFont* SelectFont(void* h, SurfaceFont* font) {
    Recorder& r = R(h);
    if (font == nullptr) return nullptr;
    const int previous = r.selected;
    r.selected = FontIndex(font);
    return previous < 0 ? nullptr : FontHandle(previous);
}

FontMetrics Metrics(void* h) { return {CellHeight(R(h)), R(h).maxCharWidth}; }

int32_t FitText(void* h, const char16_t* text, int32_t count, int32_t maxExtent) {
    Recorder& r = R(h);
    ++r.extentCalls;
    int32_t width = 0;
    int32_t fit = 0;
    for (; fit < count; ++fit) {
        width += UnitWidth(r, text[fit]);
        if (width > maxExtent) break;
    }
    return fit;
}

void MeasureText(void* h, const char16_t* text, int32_t count, int32_t* width, int32_t* height) {
    Recorder& r = R(h);
    ++r.extentCalls;
    *width = 0;
    for (int32_t i = 0; i < count; ++i) *width += UnitWidth(r, text[i]);
    *height = CellHeight(r);
}

DrawCall Call(const Recorder& r, DrawKind kind, int32_t x, int32_t y, int32_t w, int32_t h) {
    return {kind, {}, x, y, w, h, r.selected, r.textColour, r.backColour, -1, 0};
}

int32_t DrawText(void* h, const char16_t* text, int32_t count, int32_t x, int32_t y, int32_t w,
                 int32_t height) {
    Recorder& r = R(h);
    DrawCall call = Call(r, DrawKind::Text, x, y, w, height);
    call.text = Narrow(text, count);
    r.calls.push_back(call);
    return CellHeight(r);
}

uint32_t TextColour(void* h) { return R(h).textColour; }

uint32_t SetTextColour(void* h, uint32_t colour) {
    const uint32_t previous = R(h).textColour;
    R(h).textColour = colour;
    return previous;
}

uint32_t SetBackColour(void* h, uint32_t colour) {
    const uint32_t previous = R(h).backColour;
    R(h).backColour = colour;
    return previous;
}

void FillRect(void* h, int32_t left, int32_t top, int32_t width, int32_t height, int brush) {
    Recorder& r = R(h);
    DrawCall call = Call(r, DrawKind::Fill, left, top, width, height);
    call.brush = brush;
    r.calls.push_back(call);
}

void DrawBox(void* h, int32_t left, int32_t top, int32_t right, int32_t bottom, bool inverse) {
    Recorder& r = R(h);
    DrawCall call = Call(r, DrawKind::Box, left, top, right - left, bottom - top);
    call.brush = inverse ? kBlackBrush : kWhiteBrush;
    r.calls.push_back(call);
}

void DrawRule(void* h, int32_t left, int32_t top, int32_t right, int32_t height) {
    Recorder& r = R(h);
    r.calls.push_back(Call(r, DrawKind::Rule, left, top, right - left, height));
}

void FillColour(void* h, int32_t left, int32_t top, int32_t width, int32_t height, uint32_t colour) {
    Recorder& r = R(h);
    DrawCall call = Call(r, DrawKind::ColourFill, left, top, width, height);
    call.fill = colour;
    r.calls.push_back(call);
}

const SurfaceOps kRecordingOps = {PixelsPerInchY, CreateFont,  DeleteFont, SelectFont,
                                  Metrics,        FitText,     MeasureText, DrawText,
                                  TextColour,     SetTextColour, SetBackColour, FillRect,
                                  DrawBox,        DrawRule,    FillColour};

}  // namespace

DrawingSurface Recorder::surface() { return {&kRecordingOps, this, 0}; }

std::vector<DrawCall> Recorder::texts() const {
    std::vector<DrawCall> result;
    for (const DrawCall& call : calls) {
        if (call.kind == DrawKind::Text) result.push_back(call);
    }
    return result;
}

int Recorder::liveFonts() const {
    int live = 0;
    for (const RecordedFont& font : fonts) live += font.deleted ? 0 : 1;
    return live;
}

const Palette kTestSystemPalette = SystemPalette(kTestSystemColours);

std::set<uint32_t> ColoursDrawn(const std::vector<DrawCall>& calls) {
    std::set<uint32_t> colours;
    for (const DrawCall& call : calls) {
        switch (call.kind) {
        case DrawKind::Text:
            colours.insert(call.textColour);
            colours.insert(call.backColour);
            break;
        case DrawKind::ColourFill: colours.insert(call.fill); break;
        default: colours.insert(kFixedColours); break;
        }
    }
    return colours;
}
