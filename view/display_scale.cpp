// The display's scale.
#include "view/display_scale.h"

namespace {

// Resolutions of the drawn image sizes: 100, 150 and 200 percent.
constexpr int32_t kDrawnDpi[kDrawnScales] = {96, 144, 192};

}  // namespace

int32_t ScaleToDpi(int32_t pixels, int32_t dpi) {
    if (dpi <= 0) return pixels;
    const int64_t product = static_cast<int64_t>(pixels) * dpi;
    const int64_t half = kBaseDpi / 2;
    return static_cast<int32_t>(product >= 0 ? (product + half) / kBaseDpi : (product - half) / kBaseDpi);
}

int32_t LineWidthForDpi(int32_t dpi) { return dpi < 2 * kBaseDpi ? 1 : dpi / kBaseDpi; }

int32_t DefaultFontCellHeight(int32_t mapperCellHeight, int32_t dpi) {
    return dpi <= kBaseDpi ? 0 : ScaleToDpi(mapperCellHeight, dpi);
}

int NearestDrawnScale(int32_t dpi) {
    int nearest = 0;
    for (int step = 1; step < kDrawnScales; ++step) {
        const int32_t toStep = kDrawnDpi[step] - dpi;
        const int32_t toNearest = dpi - kDrawnDpi[nearest];
        if (toStep <= toNearest) nearest = step;
    }
    return nearest;
}
