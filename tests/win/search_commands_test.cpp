// Search Again in a real window whose scroll bar comes with the match: the
// pane, laid out again for the narrower text, still shows the match.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "app/app_state.h"
#include "app/current_day.h"
#include "app/reading_pane_win32.h"
#include "app/search_commands_win32.h"
#include "lessons/lesson_key.h"
#include "tests/win/pane_window_test.h"

namespace {

// The main window's part in this: a new client size fits the pane to it.
LRESULT CALLBACK ResizingPaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE && g_app.pane != nullptr) {
        OnPaneResize(window, lParam);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class SearchCommands : public PaneWindowTest {
protected:
    void TearDown() override {
        CloseReadingPane(window_);
        DestroyTextView(g_app.pane, true);
        g_app.pane = nullptr;
        if (window_ != nullptr) DestroyWindow(window_);
        g_app = AppState{};
    }
};

// The visual line that holds `offset`.
int32_t VisualLineOf(const TextView* view, uint32_t offset) {
    int32_t visual = 0;
    for (const TextLine* line = view->lines; line->style != 0; ++line) {
        if (line->start <= offset && offset < RunEnd(view->text, *line)) return visual;
        visual += VisualLinesOf(*line);
    }
    return -1;
}

TEST_F(SearchCommands, AMatchWhoseScrollBarComesWithItStaysInView) {
    RegisterTestWindowClass(L"ResizingPane", ResizingPaneProc);
    // Narrow, so that the scroll bar's width wraps lines anew, and made just
    // tall enough for the short lesson of 12 Iyyar, not for the one found.
    constexpr int kHeight = 700;
    window_ = CreateWindowExW(0, L"ResizingPane", L"Pane", WS_OVERLAPPEDWINDOW | WS_VSCROLL, 0, 0, 300, kHeight,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    g_app.mainWindow = window_;
    SetCurrentDay(DayForLessonKey(MakeLessonKey(2, 12), 5787), true);
    ASSERT_EQ(OpenReadingPane(window_), 0);
    int32_t textHeight = 0;
    for (const TextLine* line = g_app.pane->lines; line->style != 0; ++line) {
        textHeight += line->height * VisualLinesOf(*line);
    }
    ASSERT_LT(textHeight, g_app.pane->frame.height);
    SetWindowPos(window_, nullptr, 0, 0, 300, kHeight - (g_app.pane->frame.height - textHeight) + 2,
                 SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(g_app.pane->lastTopLine, 0) << "12 Iyyar needs no scrolling";
    ASSERT_EQ(GetWindowLongW(window_, GWL_STYLE) & WS_VSCROLL, 0);

    std::strcpy(g_app.SearchString, "wait thou only upon God");
    ASSERT_EQ(FindNext(window_), 1);
    const TextView* pane = g_app.pane;
    ASSERT_NE(GetWindowLongW(window_, GWL_STYLE) & WS_VSCROLL, 0) << "the bar came with the longer lesson";
    const int32_t matchLine = VisualLineOf(pane, pane->highlightStart);
    ASSERT_GE(matchLine, 0);
    EXPECT_EQ(pane->topLine, matchLine < pane->lastTopLine ? matchLine : pane->lastTopLine)
        << "the match's line at the top, as far as the text goes";
    // The bar shows where the pane is.
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    GetScrollInfo(window_, SB_VERT, &info);
    EXPECT_EQ(info.nPos, pane->topLine);
}

}  // namespace
