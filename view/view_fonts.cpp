// The reading pane's style fonts and their per-view cache.
#include <cstdlib>

#include "view/view_fonts.h"

#include "view/display_scale.h"

namespace {

constexpr int32_t kDefaultLargePoints = 20;
constexpr int32_t kDefaultSmallPoints = 14;
constexpr int32_t kSmallPrintPoints = 8;

// Height for a font the mapper is left to size: the surface's default points
// when it has them (paper). The mapper's default does not follow the
// resolution, so on a screen above 96 pixels per inch it is measured and
// asked for scaled; elsewhere it stays the mapper's (0).
int32_t DefaultHeight(DrawingSurface* dc, const char16_t* faceName, int32_t weight) {
    if (dc->defaultPoints != 0) return FontHeightForPoints(dc->defaultPoints, SurfaceFontDpi(dc));
    if (dc->dpi <= kBaseDpi) return 0;
    SurfaceFont* font = dc->ops->createFont(dc->handle, faceName, 0, weight);
    if (font == nullptr) return 0;
    SurfaceFont* previous = dc->ops->selectFont(dc->handle, font);
    const int32_t cellHeight = dc->ops->metrics(dc->handle).height;
    RestoreFont(dc, previous);
    dc->ops->deleteFont(dc->handle, font);
    return DefaultFontCellHeight(cellHeight, dc->dpi);
}

SurfaceFont* BuildFont(TextView* view, uint32_t key) {
    DrawingSurface* dc = view->dc;
    const int32_t weight = StyleWeight(key);
    int32_t height = FontHeightForPoints(StylePointSize(key, view->font.FontSize), SurfaceFontDpi(dc));
    if (height == 0) height = DefaultHeight(dc, view->font.FontName, weight);
    return dc->ops->createFont(dc->handle, view->font.FontName, height, weight);
}

void DeleteEntryFont(TextView* view, FontCacheEntry* entry) {
    if (entry->font != nullptr) view->dc->ops->deleteFont(view->dc->handle, entry->font);
    entry->font = nullptr;
}

// The cache entry of `key` with its font built; null when out of memory.
FontCacheEntry* CachedFont(TextView* view, uint16_t key) {
    FontCacheEntry* entry = view->fontCache;
    while (entry != nullptr && entry->key != key) entry = entry->next;
    if (entry == nullptr) {
        entry = static_cast<FontCacheEntry*>(calloc(1, sizeof(FontCacheEntry)));
        if (entry == nullptr) return nullptr;
        entry->key = key;
        entry->next = view->fontCache;
        view->fontCache = entry;
    }
    // An entry whose font was deleted (or could not be made) is rebuilt in
    // place, so repeated requests never lengthen the list.
    if (entry->font == nullptr) entry->font = BuildFont(view, key);
    return entry;
}

}  // namespace

int32_t StylePointSize(uint32_t key, int32_t baseSize) {
    if (key & kStyleLarge) return baseSize == 0 ? kDefaultLargePoints : baseSize * 5 / 4;
    if (key & kStyleSmall) return baseSize == 0 ? kDefaultSmallPoints : baseSize * 6 / 8;
    if (key & kKeySmallPrint) return kSmallPrintPoints;
    return baseSize;
}

int32_t StyleWeight(uint32_t key) { return (key & kStyleBold) ? kWeightBold : kWeightRegular; }

ColourRole StyleColour(uint32_t key) {
    const uint32_t largeBold = kStyleLarge | kStyleBold;
    return (key & largeBold) == largeBold ? ColourRole::Title : ColourRole::Ink;
}

int32_t FontHeightForPoints(int32_t points, int32_t pixelsPerInch) {
    // Rounded half away from zero, as the platform's MulDiv.
    const int64_t product = static_cast<int64_t>(points) * pixelsPerInch;
    const int64_t rounded = product >= 0 ? (product + 36) / 72 : (product - 36) / 72;
    return static_cast<int32_t>(-rounded);
}

SurfaceFont* SelectStyleFont(TextView* view, uint32_t request) {
    if (view == nullptr) return nullptr;
    const uint16_t key = static_cast<uint16_t>(request & kStyleKeyMask);
    FontCacheEntry* entry = CachedFont(view, key);
    DrawingSurface* dc = view->dc;
    SurfaceFont* previous = dc->ops->selectFont(dc->handle, entry != nullptr ? entry->font : nullptr);
    if (request & kRequestColour) {
        dc->ops->setTextColour(dc->handle, RoleColour(dc, StyleColour(key)));
    }
    return previous;
}

int SetViewFont(TextView* view, const FontSettings* settings) {
    if (view == nullptr) return -1;
    view->layoutWidth = 0;  // the lines were measured with the old fonts
    if (settings == nullptr) {
        for (FontCacheEntry* entry = view->fontCache; entry != nullptr; entry = entry->next) {
            DeleteEntryFont(view, entry);
        }
        return 0;
    }
    view->font = *settings;
    for (FontCacheEntry* entry = view->fontCache; entry != nullptr; entry = entry->next) {
        DeleteEntryFont(view, entry);
        entry->font = BuildFont(view, entry->key);
    }
    return 0;
}
