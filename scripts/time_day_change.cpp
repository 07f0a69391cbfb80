// Times day changes and paging in running copies of Varidel.exe, as a reader
// meets them: a command sent to the window, and the time until the window
// has handled it and painted everything it left to paint.
//
//   scripts/with-wine.sh wine build/win64/time_day_change.exe ROUNDS EXE [EXE...]
//
// Copies of the program cannot run side by side, so each round starts every
// EXE in turn and times a batch in it: the EXEs share the machine's
// conditions as evenly as a loaded machine allows. First the window is sized
// so that, among the days from 1 Tishrei 5787 on, some lessons fit the pane
// and some need the scroll bar; then each batch times the day changes onto
// and off such a lesson, between two that fit, between two that do not, and
// Page Down. Prints per EXE and case the median, the 10th and 90th
// percentiles in milliseconds and the number of samples. The reader's
// settings are put back at the end.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "tests/e2e/app_driver.h"

namespace {

constexpr AbsoluteDay kFirstDay = 739871;  // 1 Tishrei 5787
constexpr int kDaysSurveyed = 40;
constexpr int kWindowWidth = 560;
constexpr int kRepeats = 20;              // of each case in a batch
constexpr DWORD kDayChosen = 0x4;

enum Case { kBarComes, kBarGoes, kBothFit, kNeitherFits, kPageDown, kCases };
const char* const kCaseNames[kCases] = {"onto a lesson that needs the bar", "off it again",
                                        "between two that fit", "between two that need the bar",
                                        "Page Down"};

struct Samples {
    std::vector<double> of[kCases];
};

LARGE_INTEGER g_frequency;

bool BarShown(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL) != 0; }

// Sends `message` and waits until the window has painted what it left.
double TimedMs(HWND window, UINT message, WPARAM wParam) {
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    SendMessageW(window, message, wParam, 0);
    UpdateWindow(window);
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) * 1000.0 / double(g_frequency.QuadPart);
}

double Command(HWND window, WORD command) { return TimedMs(window, WM_COMMAND, command); }

RunningApp StartOn(const std::wstring& exe, AbsoluteDay day, int height) {
    ClearSettings();
    PutSetting(L"Day", static_cast<DWORD>(day));
    PutSetting(L"Flags", 0xD1140040 | kDayChosen);
    g_exePath = exe;
    RunningApp app = StartApp();
    if (app.window == nullptr) return app;
    SetWindowPos(app.window, nullptr, 0, 0, kWindowWidth, height, SWP_NOZORDER);
    WaitUntilIdle(app);
    UpdateWindow(app.window);
    return app;
}

// Whether each surveyed day's lesson needs the bar in a window `height` high.
std::vector<bool> Survey(const std::wstring& exe, int height) {
    std::vector<bool> needsBar;
    RunningApp app = StartOn(exe, kFirstDay, height);
    if (app.window == nullptr) return needsBar;
    for (int i = 0; i < kDaysSurveyed; ++i) {
        needsBar.push_back(BarShown(app.window));
        Command(app.window, CMD_NEXT_DAY);
    }
    CloseApp(app);
    return needsBar;
}

// The first surveyed day from which Next day goes from `from` to `to`; -1 when none.
int PairOf(const std::vector<bool>& needsBar, bool from, bool to) {
    for (size_t i = 0; i + 1 < needsBar.size(); ++i) {
        if (needsBar[i] == from && needsBar[i + 1] == to) return static_cast<int>(i);
    }
    return -1;
}

struct Plan {
    int height = 0;
    int days[kCases] = {};  // the first day of each pair, as an offset from kFirstDay
};

// A window height at which each kind of pair occurs among the surveyed days.
bool MakePlan(const std::wstring& exe, Plan* plan) {
    for (int height = 260; height <= 760; height += 50) {
        const std::vector<bool> needsBar = Survey(exe, height);
        plan->height = height;
        plan->days[kBarComes] = PairOf(needsBar, false, true);
        plan->days[kBarGoes] = plan->days[kBarComes];
        plan->days[kBothFit] = PairOf(needsBar, false, false);
        plan->days[kNeitherFits] = PairOf(needsBar, true, true);
        plan->days[kPageDown] = plan->days[kNeitherFits];
        if (std::find(std::begin(plan->days), std::end(plan->days), -1) == std::end(plan->days)) return true;
    }
    return false;
}

// One batch in a fresh copy of `exe`: kRepeats of every case.
bool TimeBatch(const std::wstring& exe, const Plan& plan, Samples& samples) {
    std::vector<double>* of = samples.of;
    for (int c : {kBarComes, kBothFit, kNeitherFits}) {
        RunningApp app = StartOn(exe, kFirstDay + plan.days[c], plan.height);
        if (app.window == nullptr) return false;
        for (int i = 0; i < kRepeats; ++i) {
            const double forth = Command(app.window, CMD_NEXT_DAY);
            if (c == kNeitherFits) {
                of[kPageDown].push_back(TimedMs(app.window, WM_KEYDOWN, VK_NEXT));
                TimedMs(app.window, WM_KEYDOWN, VK_HOME);
            }
            const double back = Command(app.window, CMD_PREVIOUS_DAY);
            of[c].push_back(forth);
            of[c == kBarComes ? kBarGoes : c].push_back(back);
        }
        CloseApp(app);
    }
    return true;
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(fraction * double(values.size() - 1) + 0.5)];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        fwprintf(stderr, L"usage: time_day_change ROUNDS EXE [EXE...]\n");
        return 2;
    }
    QueryPerformanceFrequency(&g_frequency);
    const int rounds = _wtoi(argv[1]);
    const std::vector<std::wstring> exes(argv + 2, argv + argc);
    const KeptSettings kept;
    EndLeftoverApps();
    Plan plan;
    if (!MakePlan(exes[0], &plan)) {
        fwprintf(stderr, L"no window height gives every kind of day change\n");
        return 1;
    }
    printf("window %dx%d; pairs from day %d (bar comes), %d (both fit), %d (neither fits)\n", kWindowWidth,
           plan.height, kFirstDay + plan.days[kBarComes], kFirstDay + plan.days[kBothFit],
           kFirstDay + plan.days[kNeitherFits]);
    std::vector<Samples> results(exes.size());
    for (int round = 0; round < rounds; ++round) {
        for (size_t e = 0; e < exes.size(); ++e) {
            if (!TimeBatch(exes[e], plan, results[e])) {
                fwprintf(stderr, L"%ls did not start\n", exes[e].c_str());
                return 1;
            }
        }
    }
    for (size_t e = 0; e < exes.size(); ++e) {
        printf("%ls\n", exes[e].c_str());
        for (int c = 0; c < kCases; ++c) {
            const std::vector<double>& v = results[e].of[c];
            printf("  %-32s median %6.2f ms  p10 %6.2f  p90 %6.2f  n %zu\n", kCaseNames[c], Percentile(v, 0.5),
                   Percentile(v, 0.1), Percentile(v, 0.9), v.size());
        }
    }
    return 0;
}
