// The main window's placement between runs.
#include "app/window_placement.h"

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

}  // namespace

RestorePlan PlanRestore(const StoredPlacement& stored, int32_t launcherShowCmd) {
    RestorePlan plan{false, stored.left, stored.top, stored.width, stored.height,
                     SettledShowCommand(stored.showCmd, launcherShowCmd)};
    plan.move = stored.width > 0 && stored.height > 0 &&
                FitsIn32Bits(int64_t{stored.left} + stored.width) &&
                FitsIn32Bits(int64_t{stored.top} + stored.height);
    return plan;
}
