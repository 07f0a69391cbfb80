// The main window's placement between runs.
#include "app/window_placement.h"

#include <algorithm>

StoredPlacement PlacementToStore(const PlacementSnapshot& s) {
    StoredPlacement stored{s.window.left, s.window.top, s.normal.right - s.normal.left,
                           s.normal.bottom - s.normal.top, s.showCmd};
    if (s.showCmd == kShowMaximized) {
        // A maximized window's frame lies just outside the work area.
        stored.left += s.frameX + s.normal.left;
        stored.top += s.frameY + s.normal.top;
    } else if (s.showCmd == kShowMinimized) {
        stored.left = s.workLeft + s.normal.left;
        stored.top = s.workTop + s.normal.top;
        stored.showCmd = kShowNormal;
    }
    return stored;
}

namespace {

int32_t SettledShowCommand(int32_t stored, int32_t launcherShowCmd) {
    switch (stored) {
    case kShowHide:
    case kShowMinimized:
    case kShowMinimize:
    case kShowMinNoActive:
    case kShowForceMinimize: return kShowNormal;
    }
    return stored > 0 && stored < kShowForceMinimize ? stored : launcherShowCmd;
}

bool FitsIn32Bits(int64_t value) { return value >= INT32_MIN && value <= INT32_MAX; }

// One axis of FitInWorkArea: the span [start, end) inside [low, high).
void FitSpan(int32_t& start, int32_t& end, int32_t low, int32_t high) {
    const int32_t length = std::min(end - start, high - low);
    start = std::clamp(start, low, high - length);
    end = start + length;
}

}  // namespace

RestorePlan PlanRestore(const StoredPlacement& stored, int32_t launcherShowCmd) {
    RestorePlan plan{false, stored.left, stored.top, stored.width, stored.height,
                     SettledShowCommand(stored.showCmd, launcherShowCmd)};
    plan.move = stored.width > 0 && stored.height > 0 &&
                FitsIn32Bits(int64_t{stored.left} + stored.width) &&
                FitsIn32Bits(int64_t{stored.top} + stored.height);
    return plan;
}

EdgeRect FitInWorkArea(const EdgeRect& window, const EdgeRect& workArea) {
    EdgeRect fitted = window;
    FitSpan(fitted.left, fitted.right, workArea.left, workArea.right);
    FitSpan(fitted.top, fitted.bottom, workArea.top, workArea.bottom);
    return fitted;
}
