// Painting a laid-out view, and the small drawing primitives the search box,
// the calendar and printing share.
#pragma once

#include <cstdint>

#include "view/text_view.h"

// Draws the whole lines that fit in the frame, from topLine (or pageStart),
// then the highlight. Clamps a topLine beyond the text; sets linesDrawn and,
// without a highlight, pageEnd. 0, or -1 when there is no view, text or table.
int PaintText(TextView* view, bool erase);

// Draws the highlighted bytes, in the palette's match colours (light: blue
// on yellow), over the painted lines.
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

// The same for `count` UTF-16 units, drawn as they are.
int32_t DrawColouredUnits(DrawingSurface* dc, const char16_t* units, int32_t count, int32_t x, int32_t y,
                          int32_t w, int32_t h, uint32_t textColour, uint32_t backColour);

// Fills left, top, width, height with a stock brush where the palette draws
// with them, else with its colour for `role`.
void FillFrame(DrawingSurface* dc, const ViewFrame& rect, int stockBrush, ColourRole role);

// The surface's box (outline and inside, inverse or not) and rule; in solid
// colours the box's outline is ink and its inside page (inverse: the chosen
// ink on the chosen colour), and the rule (`height` pixels) is ink.
void DrawBox(DrawingSurface* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, bool inverse);
void DrawRule(DrawingSurface* dc, int32_t left, int32_t top, int32_t right, int32_t height);
