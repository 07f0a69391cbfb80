// One copy per session: copies started in the same instant, and copies
// started while the last one is still ending.
#include <gtest/gtest.h>

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <thread>

#include "app/single_instance_win32.h"
#include "tests/e2e/app_driver.h"

namespace {

class SingleInstance : public testing::Test {
protected:
    void SetUp() override {
        EndLeftoverApps();
        ClearSettings();
    }
    void TearDown() override { EndLeftoverApps(); }
};

// Every top-level window of the main window's class, shown or not.
std::vector<HWND> MainWindows() {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t name[32] = {};
            GetClassNameW(window, name, 32);
            if (wcscmp(name, L"Varidel-English") == 0) {
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool StillRunning(const RunningApp& app) {
    return app.process.hProcess != nullptr && WaitForSingleObject(app.process.hProcess, 0) == WAIT_TIMEOUT;
}

// Holds the instance mutex from a thread of the driver, as a copy does whose
// window has closed but whose process has not ended yet; the thread ends
// without releasing it, as that process does.
class EndingCopy {
public:
    EndingCopy() : ending_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        HANDLE claimed = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this, claimed] {
            mutex_ = CreateMutexW(nullptr, TRUE, kInstanceMutexName);
            SetEvent(claimed);
            WaitForSingleObject(ending_, INFINITE);
        });
        WaitForSingleObject(claimed, INFINITE);
        CloseHandle(claimed);
    }
    ~EndingCopy() {
        End();
        CloseHandle(mutex_);
        CloseHandle(ending_);
    }
    EndingCopy(const EndingCopy&) = delete;
    EndingCopy& operator=(const EndingCopy&) = delete;

    bool Holds() const { return mutex_ != nullptr; }
    // Handles open on the mutex: this one, and one for each copy that found it.
    ULONG Handles() const {
        PUBLIC_OBJECT_BASIC_INFORMATION info{};
        ULONG length = 0;
        NtQueryObject(mutex_, ObjectBasicInformation, &info, sizeof(info), &length);
        return info.HandleCount;
    }
    void End() {
        if (!thread_.joinable()) return;
        SetEvent(ending_);
        thread_.join();
    }

private:
    HANDLE ending_;
    HANDLE mutex_ = nullptr;
    std::thread thread_;
};

}  // namespace

TEST_F(SingleInstance, FiveCopiesStartedAtOnceLeaveOneWindow) {
    constexpr int kRounds = 4;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<RunningApp> copies(5);
        for (RunningApp& copy : copies) copy = StartSecondCopy();
        // Settled: one window at least is shown, and every copy still
        // running shows one.
        std::vector<HWND> windows;
        const bool settled = WaitFor([&] {
            windows = MainWindows();
            const auto running = std::count_if(copies.begin(), copies.end(), StillRunning);
            return !windows.empty() && std::all_of(windows.begin(), windows.end(), IsWindowVisible) &&
                   static_cast<size_t>(running) == windows.size();
        });
        ASSERT_TRUE(settled) << "round " << round;
        ASSERT_EQ(windows.size(), 1u) << "round " << round;

        DWORD owner = 0;
        GetWindowThreadProcessId(windows[0], &owner);
        for (RunningApp& copy : copies) {
            if (copy.process.dwProcessId == owner) copy.window = windows[0];
            EXPECT_EQ(CloseApp(copy), 0u) << "round " << round;
        }
        EXPECT_TRUE(MainWindows().empty()) << "round " << round;
    }
}

TEST_F(SingleInstance, ACopyThatFindsNoWindowEndsUnseen) {
    const EndingCopy ending;
    ASSERT_TRUE(ending.Holds());
    RunningApp copy = StartSecondCopy();
    EXPECT_EQ(WaitForExit(copy), 0u);
    EXPECT_TRUE(MainWindows().empty());
}

TEST_F(SingleInstance, ACopyStartedWhileTheLastOneEndsOpensOnceItHasEnded) {
    EndingCopy ending;
    ASSERT_TRUE(ending.Holds());
    RunningApp copy = StartSecondCopy();
    ASSERT_TRUE(WaitFor([&] { return ending.Handles() == 2; })) << "the copy never looked for the mutex";
    ending.End();
    ASSERT_TRUE(WaitFor([&] {
        copy.window = FindMainWindow();
        return copy.window != nullptr && IsWindowVisible(copy.window);
    }));
    DWORD owner = 0;
    GetWindowThreadProcessId(copy.window, &owner);
    EXPECT_EQ(owner, copy.process.dwProcessId);
    EXPECT_EQ(CloseApp(copy), 0u);
}
