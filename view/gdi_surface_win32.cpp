// The drawing surface over a GDI device context. Fonts are HFONTs; text is
// measured with GetTextExtentExPointW and drawn with DrawTextW.
#include "view/gdi_surface_win32.h"

#include "platform/wide_text_win32.h"
#include "view/paint.h"
#include "view/text_view.h"

namespace {

HDC Dc(void* handle) { return static_cast<HDC>(handle); }
HFONT Font(SurfaceFont* font) { return reinterpret_cast<HFONT>(font); }
SurfaceFont* Surface(HGDIOBJ font) { return reinterpret_cast<SurfaceFont*>(font); }

int32_t PixelsPerInchY(void* handle) { return GetDeviceCaps(Dc(handle), LOGPIXELSY); }

SurfaceFont* CreateFontOn(void*, const char16_t* faceName, int32_t height, int32_t weight) {
    // Everything else stays zero: no italic, ANSI character set, default
    // precision, quality, pitch and family.
    LOGFONTW logFont{};
    logFont.lfHeight = height;
    logFont.lfWeight = weight;
    lstrcpynW(logFont.lfFaceName, Wide(faceName), LF_FACESIZE);
    return Surface(CreateFontIndirectW(&logFont));
}

void DeleteFontOn(void*, SurfaceFont* font) { DeleteObject(Font(font)); }

SurfaceFont* SelectFontOn(void* handle, SurfaceFont* font) {
    if (font == nullptr) return nullptr;
    return Surface(SelectObject(Dc(handle), Font(font)));
}

FontMetrics Metrics(void* handle) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(Dc(handle), &metrics);
    return {metrics.tmHeight, metrics.tmMaxCharWidth};
}

int32_t FitText(void* handle, const char16_t* text, int32_t count, int32_t maxExtent) {
    int fit = 0;
    SIZE size{};
    if (!GetTextExtentExPointW(Dc(handle), Wide(text), count, maxExtent, &fit, nullptr, &size)) return 0;
    return fit;
}

void MeasureTextOn(void* handle, const char16_t* text, int32_t count, int32_t* width,
                   int32_t* height) {
    SIZE size{};
    GetTextExtentPoint32W(Dc(handle), Wide(text), count, &size);
    *width = size.cx;
    *height = size.cy;
}

int32_t DrawTextOn(void* handle, const char16_t* text, int32_t count, int32_t x, int32_t y,
                   int32_t w, int32_t h) {
    RECT box{x, y, x + w, y + h};
    return DrawTextW(Dc(handle), Wide(text), count, &box,
                     DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

uint32_t TextColour(void* handle) { return GetTextColor(Dc(handle)); }
uint32_t SetTextColour(void* handle, uint32_t colour) { return SetTextColor(Dc(handle), colour); }
uint32_t SetBackColour(void* handle, uint32_t colour) { return SetBkColor(Dc(handle), colour); }

void FillRectOn(void* handle, int32_t left, int32_t top, int32_t width, int32_t height,
                int stockBrush) {
    RECT box{left, top, left + width, top + height};
    // The system's brushes are not deleted.
    HBRUSH brush = stockBrush == kDialogFaceBrush ? GetSysColorBrush(COLOR_BTNFACE)
                                                  : static_cast<HBRUSH>(GetStockObject(stockBrush));
    FillRect(Dc(handle), &box, brush);
}

void DrawBoxOn(void* handle, int32_t left, int32_t top, int32_t right, int32_t bottom,
               bool inverse) {
    HDC dc = Dc(handle);
    HGDIOBJ previousPen = SelectObject(dc, GetStockObject(inverse ? WHITE_PEN : BLACK_PEN));
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(inverse ? BLACK_BRUSH : WHITE_BRUSH));
    Rectangle(dc, left, top, right, bottom);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
}

void DrawRuleOn(void* handle, int32_t left, int32_t top, int32_t right, int32_t height) {
    HDC dc = Dc(handle);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    Rectangle(dc, left, top, right, top + height);
    SelectObject(dc, previous);
}

void FillColourOn(void* handle, int32_t left, int32_t top, int32_t width, int32_t height,
                  uint32_t colour) {
    RECT box{left, top, left + width, top + height};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(Dc(handle), &box, brush);
    DeleteObject(brush);
}

const SurfaceOps kGdiOps = {PixelsPerInchY, CreateFontOn,  DeleteFontOn,  SelectFontOn,
                            Metrics,        FitText,       MeasureTextOn, DrawTextOn,
                            TextColour,     SetTextColour, SetBackColour, FillRectOn,
                            DrawBoxOn,      DrawRuleOn,    FillColourOn};

}  // namespace

DrawingSurface GdiSurface(HDC dc) { return {&kGdiOps, dc, 0}; }

HDC GdiSurfaceDc(const DrawingSurface* surface) { return Dc(surface->handle); }

void MeasureFit(HDC dc, const char* text, int32_t* maxExtent, int32_t* count) {
    DrawingSurface surface = GdiSurface(dc);
    MeasureFit(&surface, text, maxExtent, count);
}

int32_t DrawTextRun(HDC dc, const char* text, int32_t count, int32_t x, int32_t y, int32_t w,
                    int32_t h) {
    DrawingSurface surface = GdiSurface(dc);
    return DrawTextRun(&surface, text, count, x, y, w, h);
}
