// Painting a laid-out view, and the small drawing primitives the search box,
// the calendar and printing share.
#pragma once

#include <cstdint>

#include "view/text_view.h"

// Draws the whole lines that fit in the frame, from topLine (or pageStart),
// then the highlight. Clamps a topLine beyond the text; sets linesDrawn and,
// without a highlight, pageEnd. 0, or -1 when there is no view, text or table.
int PaintText(TextView* view, bool erase);

// Draws the highlighted bytes, blue on yellow, over the painted lines.
int PaintHighlight(TextView* view);

// Draws `count` bytes of 8-bit text into x, y, w, h, centred on one line;
// callers pass the measured width as w so the run starts at x. Returns the
// height drawn.
int32_t DrawTextRun(DrawingSurface* dc, const char* text, int32_t count, int32_t x, int32_t y,
                    int32_t w, int32_t h);

// As DrawTextRun in the colours given; the surface's colours are restored.
int32_t DrawColouredRun(DrawingSurface* dc, const char* text, int32_t count, int32_t x,
                        int32_t y, int32_t w, int32_t h, uint32_t textColour,
                        uint32_t backColour);

// Fills left, top, width, height with a stock brush.
void FillFrame(DrawingSurface* dc, const ViewFrame& rect, int stockBrush);
