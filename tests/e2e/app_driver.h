// Starting Varidel.exe under test and working it from outside, as a person
// would: find its window, send it commands and keys, read the registry it
// leaves behind, take screenshots. Every wait polls with a generous limit.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Set by main() from the command line.
extern std::wstring g_exePath;
extern std::wstring g_shotDir;

constexpr DWORD kWaitLimitMs = 20000;

// Polls `ready` every 20 ms until it holds or `limitMs` passes.
bool WaitFor(const std::function<bool()>& ready, DWORD limitMs = kWaitLimitMs);

struct RunningApp {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

// Starts Varidel.exe and waits for its main window; `window` stays null when
// none appeared.
RunningApp StartApp();
HWND FindMainWindow();
// Waits for the process to end and returns its exit code (or STILL_ACTIVE).
DWORD WaitForExit(RunningApp& app, DWORD limitMs = kWaitLimitMs);
// Closes the main window with WM_CLOSE and returns the exit code.
DWORD CloseApp(RunningApp& app);

// Writes a 24-bit BMP of the window, frame included, to g_shotDir/name.bmp.
bool SaveScreenshot(HWND window, const std::wstring& name);

// The program's settings key under HKEY_CURRENT_USER.
constexpr wchar_t kSettingsKey[] = L"Quorrin\\Varidel-English";
void ClearSettings();
