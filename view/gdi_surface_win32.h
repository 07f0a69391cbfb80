// The GDI drawing surface, and the shared text primitives for code that
// holds a plain HDC (the date strip).
#pragma once

#include <windows.h>

#include <cstdint>

#include "view/drawing_surface.h"

// A surface over `dc`; it holds no resources of its own, so a copy on the
// stack serves as long as the dc does. Fonts it makes are HFONTs. Its dpi is
// 0 (sizes as given); a window's surface sets the window's.
DrawingSurface GdiSurface(HDC dc);
// The HDC behind a GDI surface.
HDC GdiSurfaceDc(const DrawingSurface* surface);

// The shared primitives on a plain HDC.
void MeasureFit(HDC dc, const char* text, int32_t* maxExtent, int32_t* count);
int32_t DrawTextRun(HDC dc, const char* text, int32_t count, int32_t x, int32_t y, int32_t w,
                    int32_t h);
