// The main window's placement: what is stored at exit and how it comes back.
#include <gtest/gtest.h>

#include "app/window_placement.h"

namespace {

PlacementSnapshot Snapshot(int32_t showCmd, EdgeRect window, EdgeRect normal) {
    return {showCmd, window, normal, 4, 4, 0, 0};
}

}  // namespace

TEST(PlacementToStore, NormalWindowStoresItsRectangle) {
    const StoredPlacement stored =
        PlacementToStore(Snapshot(kShowNormal, {120, 80, 720, 580}, {120, 80, 720, 580}));
    EXPECT_EQ(stored.left, 120);
    EXPECT_EQ(stored.top, 80);
    EXPECT_EQ(stored.width, 600);
    EXPECT_EQ(stored.height, 500);
    EXPECT_EQ(stored.showCmd, kShowNormal);
}

TEST(PlacementToStore, MaximizedWindowStoresWhereItWillBeRestored) {
    // The frame of a maximized window hangs 4 pixels outside the screen.
    const StoredPlacement stored =
        PlacementToStore(Snapshot(kShowMaximized, {-4, -4, 1028, 772}, {120, 80, 720, 580}));
    EXPECT_EQ(stored.left, 120);
    EXPECT_EQ(stored.top, 80);
    EXPECT_EQ(stored.width, 600);
    EXPECT_EQ(stored.height, 500);
    EXPECT_EQ(stored.showCmd, kShowMaximized);
}

TEST(PlacementToStore, MinimizedWindowStoresItsNormalPlaceAndState) {
    PlacementSnapshot snapshot =
        Snapshot(kShowMinimized, {-32000, -32000, -31840, -31976}, {120, 80, 720, 580});
    snapshot.workLeft = 30;  // a task bar on the left
    const StoredPlacement stored = PlacementToStore(snapshot);
    EXPECT_EQ(stored.left, 150);
    EXPECT_EQ(stored.top, 80);
    EXPECT_EQ(stored.width, 600);
    EXPECT_EQ(stored.height, 500);
    EXPECT_EQ(stored.showCmd, kShowNormal);
}

TEST(PlanRestore, MovesOnlyToAUsableRectangle) {
    EXPECT_TRUE(PlanRestore({10, 20, 600, 500, kShowNormal}, kShowNormal).move);
    EXPECT_TRUE(PlanRestore({-300, -20, 600, 500, kShowNormal}, kShowNormal).move);
    EXPECT_FALSE(PlanRestore({0, 0, 0, 0, kShowNormal}, kShowNormal).move);
    EXPECT_FALSE(PlanRestore({10, 20, 600, 0, kShowNormal}, kShowNormal).move);
    EXPECT_FALSE(PlanRestore({10, 20, -600, 500, kShowNormal}, kShowNormal).move);
    EXPECT_FALSE(PlanRestore({INT32_MAX - 10, 20, 600, 500, kShowNormal}, kShowNormal).move);
    EXPECT_FALSE(PlanRestore({10, 2000000000, 600, 2000000000, kShowNormal}, kShowNormal).move);
    const RestorePlan plan = PlanRestore({10, 20, 600, 500, kShowNormal}, kShowNormal);
    EXPECT_EQ(plan.left, 10);
    EXPECT_EQ(plan.top, 20);
    EXPECT_EQ(plan.width, 600);
    EXPECT_EQ(plan.height, 500);
}

TEST(PlanRestore, ShowStates) {
    const struct {
        int32_t stored;
        int32_t expected;
    } cases[] = {
        {kShowMaximized, kShowMaximized}, {kShowNormal, kShowNormal},
        {5, 5} /* show */,                {10, 10} /* the launcher's default */,
        {kShowMinimized, kShowNormal},    {kShowMinimize, kShowNormal},
        {kShowMinNoActive, kShowNormal},  {kShowForceMinimize, kShowNormal},
        {kShowHide, kShowNormal},         {12, 7},
        {-1, 7},                          {0x7FFFFFFF, 7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlanRestore({0, 0, 0, 0, c.stored}, 7).showCmd, c.expected) << c.stored;
    }
    // With nothing stored the launcher's command stands, minimized too.
    for (int32_t launcher : {kShowMinNoActive, kShowMinimize, kShowMaximized, 10}) {
        EXPECT_EQ(PlanRestore({0, 0, 0, 0, kNoStoredShowCmd}, launcher).showCmd, launcher);
    }
}
