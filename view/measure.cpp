// Widening 8-bit lesson text for the surface, and the fit measurement that
// the layout, painting, the search box and the calendar share.
#include <cstdlib>

#include "view/text_view.h"

namespace {

// One buffer for the whole process; it only grows.
char16_t* g_wideBuffer = nullptr;
int32_t g_wideCapacity = 0;

}  // namespace

const char16_t* WidenText(const char* text, int32_t count) {
    if (count < 0) count = 0;
    if (g_wideCapacity < count || g_wideBuffer == nullptr) {
        char16_t* buffer = static_cast<char16_t*>(malloc((static_cast<size_t>(count) + 1) * sizeof(char16_t)));
        if (buffer == nullptr) {
            // Out of memory: hand back what still fits in the old buffer.
            static char16_t empty[1] = {0};
            if (g_wideBuffer == nullptr) return empty;
            count = g_wideCapacity;
        } else {
            free(g_wideBuffer);
            g_wideBuffer = buffer;
            g_wideCapacity = count;
        }
    }
    int32_t i = 0;
    for (; i < count && text[i] != 0; ++i) g_wideBuffer[i] = static_cast<unsigned char>(text[i]);
    g_wideBuffer[i] = 0;
    return g_wideBuffer;
}

const char16_t* WidenRun(const char* text, int32_t* count) {
    const char16_t* wide = WidenText(text, *count);
    int32_t units = 0;
    while (units < *count && wide[units] != 0) ++units;
    *count = units;
    return wide;
}

void MeasureFit(DrawingSurface* dc, const char* text, int32_t* maxExtent, int32_t* count) {
    int32_t units = *count;
    const char16_t* wide = WidenRun(text, &units);
    const int32_t fit = dc->ops->fitText(dc->handle, wide, units, *maxExtent);
    int32_t width = 0;
    int32_t height = 0;
    dc->ops->measureText(dc->handle, wide, fit, &width, &height);
    *count = fit;
    *maxExtent = width;
}
