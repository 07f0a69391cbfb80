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

TEST(FitInWorkArea, MovesInsideAndShrinksOnlyWhereNeeded) {
    constexpr EdgeRect kScreen{0, 0, 1024, 768};
    constexpr EdgeRect kSmall{0, 0, 320, 240};
    constexpr EdgeRect kLeftMonitorBelowABar{-1280, 30, 0, 1024};
    const struct {
        const char* what;
        EdgeRect window, work, expected;
    } cases[] = {
        {"fits", {100, 60, 600, 460}, kScreen, {100, 60, 600, 460}},
        {"fills it exactly", kScreen, kScreen, kScreen},
        {"over the right and bottom edges", {700, 500, 1200, 900}, kScreen, {524, 368, 1024, 768}},
        {"over the left and top edges", {-300, -20, 300, 480}, kScreen, {0, 0, 600, 500}},
        {"larger than a small screen", {50, 40, 750, 600}, kSmall, kSmall},
        {"wider only", {-100, 200, 1500, 700}, kScreen, {0, 200, 1024, 700}},
        {"taller only", {100, -50, 400, 2000}, kScreen, {100, 0, 400, 768}},
        {"fits a monitor left of the main one", {-1200, 100, -600, 600}, kLeftMonitorBelowABar,
         {-1200, 100, -600, 600}},
        {"under its bar", {-900, 0, -300, 500}, kLeftMonitorBelowABar, {-900, 30, -300, 530}},
        {"partly on the main screen", {-200, 100, 400, 600}, kLeftMonitorBelowABar,
         {-600, 100, 0, 600}},
    };
    for (const auto& c : cases) {
        const EdgeRect fitted = FitInWorkArea(c.window, c.work);
        EXPECT_EQ(fitted.left, c.expected.left) << c.what;
        EXPECT_EQ(fitted.top, c.expected.top) << c.what;
        EXPECT_EQ(fitted.right, c.expected.right) << c.what;
        EXPECT_EQ(fitted.bottom, c.expected.bottom) << c.what;
        // Fitted once is fitted for good.
        const EdgeRect again = FitInWorkArea(fitted, c.work);
        EXPECT_TRUE(again.left == fitted.left && again.top == fitted.top &&
                    again.right == fitted.right && again.bottom == fitted.bottom)
            << c.what;
    }
}
