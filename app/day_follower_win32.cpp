// Following today while the window stays open.
#include "app/day_follower_win32.h"

#include <wtsapi32.h>

#include "app/app_state.h"
#include "app/current_day.h"
#include "app/day_navigation_win32.h"
#include "calendar/local_midnight.h"

namespace {

// A timer may fire a little early; so much later it finds the day turned.
constexpr int64_t kPastMidnightMs = 250;
constexpr int64_t kTicksPerMinute = 600000000;  // of 100 nanoseconds

int64_t Ticks(const SYSTEMTIME& time) {
    FILETIME file{};
    SystemTimeToFileTime(&time, &file);
    return static_cast<int64_t>((uint64_t{file.dwHighDateTime} << 32) | file.dwLowDateTime);
}

// The local clock's lead on universal time at `local`, in minutes.
int32_t OffsetAt(const SYSTEMTIME& local, const SYSTEMTIME& universal) {
    return static_cast<int32_t>((Ticks(local) - Ticks(universal)) / kTicksPerMinute);
}

// The wait until the next local midnight, from the clock that gives today.
int64_t WaitForMidnight() {
    SYSTEMTIME universal{};
    GetSystemTime(&universal);
    SYSTEMTIME local{};
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) GetLocalTime(&local);
    const GregorianDate next = NextCivilDay({local.wMonth, local.wDay, local.wYear});
    SYSTEMTIME midnight{};
    midnight.wYear = static_cast<WORD>(next.year);
    midnight.wMonth = static_cast<WORD>(next.month);
    midnight.wDay = static_cast<WORD>(next.day);
    SYSTEMTIME midnightUniversal{};
    const int32_t offsetNow = OffsetAt(local, universal);
    const int32_t offsetAtMidnight = TzSpecificLocalTimeToSystemTime(nullptr, &midnight, &midnightUniversal)
                                         ? OffsetAt(midnight, midnightUniversal)
                                         : offsetNow;
    const LocalTime now{{local.wMonth, local.wDay, local.wYear}, local.wHour, local.wMinute, local.wSecond,
                        local.wMilliseconds};
    return MillisecondsToNextMidnight(now, offsetNow, offsetAtMidnight);
}

void SetMidnightTimer(HWND window) {
    int64_t wait = WaitForMidnight() + kPastMidnightMs;
    if (wait > USER_TIMER_MAXIMUM) wait = USER_TIMER_MAXIMUM;
    SetTimer(window, kMidnightTimer, static_cast<UINT>(wait), nullptr);
}

}  // namespace

void StartFollowingToday(HWND window) {
    WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION);
    SetMidnightTimer(window);
}

void StopFollowingToday(HWND window) {
    KillTimer(window, kMidnightTimer);
    WTSUnRegisterSessionNotification(window);
}

void CatchUpWithToday(HWND window) {
    if (TodayMoved(g_app.Flags, g_app.Day, AbsoluteFromGregorian(TodayGregorian()))) GoToDay(window, 0);
    SetMidnightTimer(window);
}

bool IsWakeUp(WPARAM event) { return event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND; }

bool IsUnlock(WPARAM change) { return change == WTS_SESSION_UNLOCK; }
