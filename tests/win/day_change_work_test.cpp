// The work a day change and a scroll cost in the real main window: how many
// layouts of the lesson, paints of the pane and scroll-bar updates each one
// makes, for days whose lessons fit the pane and days whose lessons need the
// scroll bar, the switches between them, and paging. Every count is the
// least the order of the work allows: the day's layout, the refresh and the
// scroll bar, and the second layout that a scroll bar coming or going brings
// by resizing the client area.
//
// Layouts and paints are counted on the pane's drawing surface: a paint
// reads the text colour once, and a layout reads the font metrics once per
// change of font, as often for every layout of the same text. Scroll-bar
// updates are counted by pointing this program's import of SetScrollInfo at
// a counter that passes each call on.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "app/app_state.h"
#include "app/current_day.h"
#include "app/day_navigation_win32.h"
#include "app/main_window_win32.h"
#include "app/reading_pane_win32.h"
#include "lessons/lesson_key.h"
#include "lessons/lesson_loader.h"
#include "lessons/lesson_platform_win32.h"
#include "tests/pixel_canvas_win32.h"
#include "tests/win/program_resources.h"
#include "view/text_view.h"

namespace {

constexpr int kGutter = 10;
constexpr AbsoluteDay kFirstCandidate = 739871;  // 1 Tishrei 5787
constexpr int kCandidateDays = 40;

struct Counts {
    int metrics = 0;
    int paints = 0;
    int scrollBarUpdates = 0;
};
Counts g_counts;

const SurfaceOps* g_gdiOps = nullptr;
decltype(&SetScrollInfo) g_setScrollInfo = nullptr;

FontMetrics CountedMetrics(void* handle) {
    ++g_counts.metrics;
    return g_gdiOps->metrics(handle);
}

uint32_t CountedTextColour(void* handle) {
    ++g_counts.paints;
    return g_gdiOps->textColour(handle);
}

int WINAPI CountedSetScrollInfo(HWND window, int bar, LPCSCROLLINFO info, BOOL redraw) {
    ++g_counts.scrollBarUpdates;
    return g_setScrollInfo(window, bar, info, redraw);
}

// Points this program's import of `name` from user32 at `hook`; returns
// what it pointed at before, or null when there is no such import.
void* PatchUser32Import(const char* name, void* hook) {
    BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); dll->Name != 0; ++dll) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + dll->Name), "user32.dll") != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* import = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (strcmp(reinterpret_cast<const char*>(import->Name), name) != 0) continue;
            DWORD protection = 0;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
            void* previous = reinterpret_cast<void*>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(hook);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
            return previous;
        }
    }
    return nullptr;
}

// Everything sent or posted so far handled, paints included.
void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool BarShown(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL) != 0; }

// The client area's pixels as they are on screen.
std::vector<uint32_t> ClientPixels(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    HDC windowDc = GetDC(window);
    HDC dc = CreateCompatibleDC(windowDc);
    void* bits = nullptr;
    HBITMAP bitmap = PixelCanvas(dc, client.right, client.bottom, &bits);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, client.right, client.bottom, windowDc, 0, 0, SRCCOPY);
    const auto* first = static_cast<const uint32_t*>(bits);
    std::vector<uint32_t> pixels(first, first + static_cast<size_t>(client.right) * client.bottom);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(window, windowDc);
    return pixels;
}

// A lesson laid out with the pane's fonts: the height of all its lines,
// blank lines included, and its last top line in a frame `frameHeight` high.
struct Fit {
    int32_t height;
    uint16_t lastTopLine;
};

class DayChangeWorkTest : public ProgramResourcesTest {
protected:
    static void SetUpTestSuite() {
        ProgramResourcesTest::SetUpTestSuite();
        RegisterTestWindowClass(L"DayChangeWorkTest", MainWindowProc);
        g_setScrollInfo = reinterpret_cast<decltype(&SetScrollInfo)>(
            PatchUser32Import("SetScrollInfo", reinterpret_cast<void*>(&CountedSetScrollInfo)));
    }
    static void TearDownTestSuite() {
        if (g_setScrollInfo != nullptr) PatchUser32Import("SetScrollInfo", reinterpret_cast<void*>(g_setScrollInfo));
        ProgramResourcesTest::TearDownTestSuite();
    }

    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ProgramResourcesTest::SetUp());
        ASSERT_NE(g_setScrollInfo, nullptr) << "SetScrollInfo is not imported";
        g_app = AppState{};
        SetLessonResourceModule(module_);
        g_app.instance = module_;  // the toolbar's bitmap
        g_app.Flags = kDefaultFlags;
        g_app.SurroundingGutter = kGutter;
        SetCurrentDay(kFirstCandidate, false);
        window_ = CreateWindowExW(0, L"DayChangeWorkTest", L"Varidel", WS_OVERLAPPEDWINDOW | WS_VSCROLL, 0, 0,
                                  700, 500, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        ASSERT_NE(g_app.pane, nullptr);
        ShowWindow(window_, SW_SHOWNORMAL);
        Pump();
        g_gdiOps = g_app.pane->dc->ops;
        countingOps_ = *g_gdiOps;
        countingOps_.metrics = CountedMetrics;
        countingOps_.textColour = CountedTextColour;
        countingSurface_ = {&countingOps_, g_app.pane->dc->handle, g_app.pane->dc->dpi};
        g_app.pane->dc = &countingSurface_;
        ChooseDays();
    }

    void TearDown() override {
        if (window_ == nullptr) return;
        // Closed without the main window's own exit, which would save the
        // settings of this test into the registry.
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
        CloseReadingPane(window_);
        DestroyTextView(g_app.pane, true);
        DestroyWindow(window_);
        g_app = AppState{};
    }

    // Lays `day`'s lesson out with the pane's fonts, `width` wide.
    Fit Measure(AbsoluteDay day, int32_t width, int32_t frameHeight) {
        const EdgeRect rect{0, 0, width, frameHeight};
        TextView* view = CreateTextView(&countingSurface_, &rect, &g_app.font, 0);
        const LessonKey key = LessonKeyForDate(HebrewFromAbsolute(day));
        EXPECT_EQ(LayoutText(view, LoadLessonText(key, nullptr), true), kLayoutDone);
        Fit fit{0, view->lastTopLine};
        for (const TextLine* line = view->lines; line->style != 0; ++line) {
            fit.height += line->height * ((line->style & kStyleBlankAfter) ? 2 : 1);
        }
        DestroyTextView(view, true);
        return fit;
    }

    // Metric reads of one layout of the lesson the pane shows.
    int MetricsPerLayout() {
        const int before = g_counts.metrics;
        const EdgeRect rect{0, 0, 300, 300};
        TextView* view = CreateTextView(&countingSurface_, &rect, &g_app.font, 0);
        EXPECT_EQ(LayoutText(view, LoadLessonText(g_app.Lesson, nullptr), true), kLayoutDone);
        DestroyTextView(view, true);
        return g_counts.metrics - before;
    }

    // Picks the two lessons that take the least height and the two that take
    // the most, among the candidate days, and sizes the window so that the
    // short ones fit the pane even beside a scroll bar and the long ones do
    // not fit it even without one.
    void ChooseDays() {
        RECT client{};
        GetClientRect(window_, &client);
        const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
        wideWidth_ = client.right + (BarShown(window_) ? barWidth : 0) - 2 * kGutter;
        narrowWidth_ = wideWidth_ - barWidth;
        std::vector<std::pair<int32_t, AbsoluteDay>> byNarrowHeight;
        std::vector<std::pair<int32_t, AbsoluteDay>> byWideHeight;
        for (AbsoluteDay day = kFirstCandidate; day < kFirstCandidate + kCandidateDays; ++day) {
            byNarrowHeight.emplace_back(Measure(day, narrowWidth_, 30000).height, day);
            byWideHeight.emplace_back(Measure(day, wideWidth_, 30000).height, day);
        }
        std::sort(byNarrowHeight.begin(), byNarrowHeight.end());
        std::sort(byWideHeight.rbegin(), byWideHeight.rend());
        shortDays_[0] = byNarrowHeight[0].second;
        shortDays_[1] = byNarrowHeight[1].second;
        longDays_[0] = byWideHeight[0].second;
        longDays_[1] = byWideHeight[1].second;
        frameHeight_ = byNarrowHeight[1].first;
        ASSERT_GT(byWideHeight[1].first, frameHeight_) << "the candidate lessons are all of one length";

        RECT window{};
        GetWindowRect(window_, &window);
        SetWindowPos(window_, nullptr, 0, 0, window.right - window.left,
                     window.bottom - window.top + frameHeight_ - g_app.pane->frame.height,
                     SWP_NOMOVE | SWP_NOZORDER);
        Pump();
        ASSERT_EQ(g_app.pane->frame.height, frameHeight_);
        GoToDay(window_, shortDays_[0]);
        Pump();
        ASSERT_FALSE(BarShown(window_));
        ASSERT_EQ(g_app.pane->frame.width, wideWidth_);
    }

    HWND window_ = nullptr;
    SurfaceOps countingOps_{};
    DrawingSurface countingSurface_{};
    int32_t wideWidth_ = 0;
    int32_t narrowWidth_ = 0;
    int32_t frameHeight_ = 0;
    AbsoluteDay shortDays_[2] = {};
    AbsoluteDay longDays_[2] = {};
};

enum class Act { ShortDay, OtherShortDay, LongDay, OtherLongDay, PageDown, HomeAtTheTop, Restore };

struct Step {
    const char* what;
    Act act;
    int layouts;
    int paints;
    int scrollBarUpdates;  // one more when the bar's coming changes its range
    bool barAfter;
};

TEST_F(DayChangeWorkTest, EachDayChangeAndScrollDoesOnlyTheWorkItNeeds) {
    const Fit longWide = Measure(longDays_[0], wideWidth_, frameHeight_);
    const Fit longNarrow = Measure(longDays_[0], narrowWidth_, frameHeight_);
    const Step steps[] = {
        {"a short lesson after a short one", Act::OtherShortDay, 1, 1, 0, false},
        {"a long lesson after a short one: the bar comes", Act::LongDay, 2, 1, 1, true},
        {"Page Down", Act::PageDown, 0, 1, 1, true},
        {"a long lesson after a long one, scrolled", Act::OtherLongDay, 1, 1, 1, true},
        {"Home at the top", Act::HomeAtTheTop, 0, 0, 0, true},
        {"minimised and restored", Act::Restore, 0, 1, 0, true},
        {"a short lesson after a long one: the bar goes", Act::ShortDay, 2, 1, 1, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        g_counts = Counts{};
        switch (step.act) {
        case Act::ShortDay: GoToDay(window_, shortDays_[0]); break;
        case Act::OtherShortDay: GoToDay(window_, shortDays_[1]); break;
        case Act::LongDay: GoToDay(window_, longDays_[0]); break;
        case Act::OtherLongDay: GoToDay(window_, longDays_[1]); break;
        case Act::PageDown: SendMessageW(window_, WM_KEYDOWN, VK_NEXT, 0); break;
        case Act::HomeAtTheTop: SendMessageW(window_, WM_KEYDOWN, VK_HOME, 0); break;
        case Act::Restore:
            ShowWindow(window_, SW_MINIMIZE);
            Pump();
            ShowWindow(window_, SW_RESTORE);
            break;
        }
        // A day change or a scroll is painted before it returns; the system
        // paints a restored window later.
        EXPECT_EQ(GetUpdateRect(window_, nullptr, FALSE) != FALSE, step.act == Act::Restore);
        Pump();
        const Counts counts = g_counts;
        const int perLayout = MetricsPerLayout();
        ASSERT_GT(perLayout, 0);
        EXPECT_EQ(counts.metrics % perLayout, 0);
        EXPECT_EQ(counts.metrics / perLayout, step.layouts);
        EXPECT_EQ(counts.paints, step.paints);
        const bool rangeMoved = step.act == Act::LongDay && longWide.lastTopLine != longNarrow.lastTopLine;
        EXPECT_EQ(counts.scrollBarUpdates, step.scrollBarUpdates + (rangeMoved ? 1 : 0));

        // What is shown is what a full repaint shows, and the bar follows
        // the pane.
        EXPECT_EQ(BarShown(window_), step.barAfter);
        EXPECT_EQ(g_app.pane->frame.width, step.barAfter ? narrowWidth_ : wideWidth_);
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS;
        GetScrollInfo(window_, SB_VERT, &info);
        EXPECT_EQ(info.nMax, step.barAfter ? g_app.pane->lastTopLine : 0);
        EXPECT_EQ(info.nPos, g_app.pane->topLine);
        EXPECT_FALSE(GetUpdateRect(window_, nullptr, FALSE));
        const std::vector<uint32_t> shown = ClientPixels(window_);
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_TRUE(shown == ClientPixels(window_));
    }
}

}  // namespace
