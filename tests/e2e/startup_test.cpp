// Start-up and shutdown of the real program.
#include <gtest/gtest.h>

#include "tests/e2e/app_driver.h"

TEST(Startup, OpensItsWindowAndClosesWithExitCodeZero) {
    ClearSettings();
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr) << "no window of class Varidel-English titled Varidel";
    EXPECT_TRUE(SaveScreenshot(app.window, L"startup"));
    EXPECT_EQ(CloseApp(app), 0u);
}
