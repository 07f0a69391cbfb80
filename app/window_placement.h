// The main window's placement between runs: what is stored at exit (Top,
// Left, Width, Height, showCmd) and how a stored placement is restored.
#pragma once

#include <cstdint>

#include "view/text_view.h"

// Show states, numbered as the window system numbers them.
constexpr int32_t kShowHide = 0;
constexpr int32_t kShowNormal = 1;
constexpr int32_t kShowMinimized = 2;
constexpr int32_t kShowMaximized = 3;
constexpr int32_t kShowMinimize = 6;
constexpr int32_t kShowMinNoActive = 7;
constexpr int32_t kShowForceMinimize = 11;

struct StoredPlacement {
    int32_t left, top, width, height;  // screen pixels
    int32_t showCmd;                   // kNoStoredShowCmd when none was stored
};

constexpr int32_t kNoStoredShowCmd = -1;

// The window as the system reports it at exit.
struct PlacementSnapshot {
    int32_t showCmd;            // the placement's show state
    EdgeRect window;            // the window rectangle, screen coordinates
    EdgeRect normal;            // the restored rectangle, workspace coordinates
    int32_t frameX, frameY;     // sizing-frame thickness
    int32_t workLeft, workTop;  // where workspace coordinates start on the screen
};

// What to store: the restored size, and the restored position in screen
// coordinates. A minimized window stores its restored place and the normal
// show state, so that it does not reopen minimized or off screen.
StoredPlacement PlacementToStore(const PlacementSnapshot& snapshot);

struct RestorePlan {
    bool move;                         // move to the stored rectangle
    int32_t left, top, width, height;
    int32_t showCmd;
};

// How to restore what was read. The window is moved only to a rectangle of
// positive size whose edges fit in 32 bits; the platform side also drops a
// rectangle that lies on no monitor, and fits any other to the work area of
// the monitor it lies most on (FitInWorkArea). A stored minimized or hidden
// state opens normal; a missing value, or one that is no show state, gives
// way to the launcher's command, which is taken as given (a shortcut set to
// start minimized starts minimized).
RestorePlan PlanRestore(const StoredPlacement& stored, int32_t launcherShowCmd);

// The window rectangle moved inside the work area, and cut to it where it is
// wider or taller, so that its frame, scroll bar and date strip can be
// reached; a rectangle that fits comes back unchanged. Screen coordinates.
EdgeRect FitInWorkArea(const EdgeRect& window, const EdgeRect& workArea);
