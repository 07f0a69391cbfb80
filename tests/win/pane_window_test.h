// Tests of the reading pane in a plain window of the test program's own:
// the program's resources open, the application's state as the program
// starts it, and the window its main window.
#pragma once

#include <windows.h>

#include "app/app_state.h"
#include "lessons/lesson_platform_win32.h"
#include "tests/win/program_resources.h"

class PaneWindowTest : public ProgramResourcesTest {
protected:
    static void SetUpTestSuite() {
        ProgramResourcesTest::SetUpTestSuite();
        RegisterTestWindowClass(L"PaneWindowTest");
    }
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProgramResourcesTest::SetUp());
        g_app = AppState{};
        SetLessonResourceModule(module_);
        g_app.Flags = kDefaultFlags;
        g_app.SurroundingGutter = 10;
    }
    // A window 500 pixels wide and `height` high, with room for a scroll bar.
    void OpenWindow(int height) {
        window_ = CreateWindowExW(0, L"PaneWindowTest", L"Pane", WS_OVERLAPPEDWINDOW | WS_VSCROLL, 0, 0, 500, height,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        g_app.mainWindow = window_;
    }

    HWND window_ = nullptr;
};
