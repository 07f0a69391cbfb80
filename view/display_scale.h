// The display's scale. Every size the program gives in screen pixels (the
// gutter, the caption and calendar fonts, indents and rules, the search box's
// rings, the toolbar's images) is a size at 96 pixels per inch, and is drawn
// at the window's resolution scaled by dpi / 96. At 96 every size is exactly
// as given. Paper keeps its sizes as given: a printer's resolution is not a
// display scale.
#pragma once

#include <cstdint>

constexpr int32_t kBaseDpi = 96;

// `pixels` at 96 scaled to `dpi`, rounded half away from zero as the
// platform's MulDiv rounds; a dpi of 0 or less leaves them as given.
int32_t ScaleToDpi(int32_t pixels, int32_t dpi);

// Width of a one-pixel line at `dpi`: whole pixels only, so that a line
// stays crisp (1 below 192, 2 from 192, and so on).
int32_t LineWidthForDpi(int32_t dpi);

// Cell height of a font the mapper was left to size (height 0). The mapper
// gives one height whatever the resolution, so at 96 or below it keeps its
// own (0 is returned: ask the mapper again); above, its height is scaled.
int32_t DefaultFontCellHeight(int32_t mapperCellHeight, int32_t dpi);

// Images are drawn at 100, 150 and 200 percent (16, 24 and 32 pixels for
// the toolbar). The step nearest to `dpi`: 0, 1 or 2; halfway between two
// steps the larger is taken, and beyond 200 percent the largest.
constexpr int kDrawnScales = 3;
int NearestDrawnScale(int32_t dpi);
