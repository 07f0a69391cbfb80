// Keeping up with the clock. A reader who follows today (who has not chosen
// a day) is shown the new day when the local day turns: at local midnight,
// after the clock, the date or the time zone changes, after the computer
// wakes, when the session is unlocked and, as a last check, when the window
// is activated.
#pragma once

#include <windows.h>

// The main window's timer that fires at the next local midnight.
constexpr UINT_PTR kMidnightTimer = 1;

// WM_CREATE: the window hears when the session is unlocked, and the timer is
// set for the next midnight.
void StartFollowingToday(HWND window);

// WM_DESTROY: the timer and the session's notices end.
void StopFollowingToday(HWND window);

// One of the moments at which the day may have turned: when it did and the
// reader follows today, today is shown as the Today command shows it;
// otherwise nothing at all happens. The timer is set for the next midnight
// again either way.
void CatchUpWithToday(HWND window);

// Whether a WM_POWERBROADCAST (`event`) or WM_WTSSESSION_CHANGE (`change`)
// is one after which the day may have turned unnoticed.
bool IsWakeUp(WPARAM event);
bool IsUnlock(WPARAM change);
