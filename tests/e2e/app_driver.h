// Starting Varidel.exe under test and working it from outside, as a person
// would: find its window, send it commands, keys, clicks and the wheel, read
// the registry it leaves behind, look at its pixels, take screenshots. Every
// wait polls with a generous limit.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "calendar/hebrew_calendar.h"

// A Unix path (from CTest or the environment) as a drive Z: path under wine.
std::wstring WindowsPath(const wchar_t* path);

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

// The launcher gives no show command of its own.
constexpr int kNoLauncherShowCommand = -1;

// Starts Varidel.exe and waits for its main window to be shown and idle;
// `window` stays null when none appeared. `showCommand`, when given, is the
// one a shortcut would pass.
RunningApp StartApp(int showCommand = kNoLauncherShowCommand);
// Starts a copy (of `exePath`) that is expected to end without a window of
// its own.
RunningApp StartSecondCopy(const std::wstring& exePath = g_exePath);
HWND FindMainWindow();
// Waits for the process to end and returns its exit code (or STILL_ACTIVE).
DWORD WaitForExit(RunningApp& app, DWORD limitMs = kWaitLimitMs);
// Closes the main window with WM_CLOSE (the close box) and returns the exit
// code.
DWORD CloseApp(RunningApp& app);
// Ends the process the hard way, as the system does after a session ends.
void KillApp(RunningApp& app);
// Ends every copy of the program still running (after a failed test).
void EndLeftoverApps();

// Waits until the program has handled everything sent to it so far.
bool WaitUntilIdle(RunningApp& app);
// Brings the main window to the front, waiting until it is there.
bool BringToFront(RunningApp& app);
// A menu item or toolbar command, as WM_COMMAND.
void SendCommand(RunningApp& app, WORD command);
// Presses and releases `key` with the modifiers held, through the keyboard.
bool PressKey(RunningApp& app, WORD key, std::initializer_list<WORD> modifiers = {});
// The same into `window`, one of the program's dialogs or boxes.
bool PressKeyIn(RunningApp& app, HWND window, WORD key, std::initializer_list<WORD> modifiers = {});
// Left click at a point of the client area, through the mouse.
bool ClickClient(RunningApp& app, int x, int y);
// Left click at a point of the screen (in a dialog of the program).
bool ClickScreen(RunningApp& app, POINT at);
// The program's dialog with `caption`, once it is shown and painted; null
// when none came.
HWND WaitForDialog(const RunningApp& app, const wchar_t* caption);
// Turns the wheel by `delta` (negative: toward the reader) over the text.
bool TurnWheel(RunningApp& app, int delta);
// Left click on toolbar button `index` (0 = previous day).
bool ClickToolbarButton(RunningApp& app, int index);

// Where the parts of the main window lie, in client coordinates.
struct WindowParts {
    RECT client;
    int toolbarBottom;  // 0 when there is no toolbar
    int stripTop;       // first row of the grey date strip
};
WindowParts PartsOf(const RunningApp& app);

// The client area's pixels, 0x00RRGGBB, row by row from the top.
struct ClientPixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
ClientPixels CaptureClient(HWND window);
// The pixels of the date strip and of the text area between the toolbar and
// the strip: a change shows that the day or the scroll position moved.
std::vector<uint32_t> StripPixels(const RunningApp& app);
std::vector<uint32_t> TextPixels(const RunningApp& app);
// Polls until `region` of the window differs from `before`.
bool WaitForChange(const RunningApp& app,
                   std::vector<uint32_t> (*region)(const RunningApp&),
                   const std::vector<uint32_t>& before);

// Writes a 24-bit BMP of the window, frame included, to g_shotDir/name.bmp.
bool SaveScreenshot(HWND window, const std::wstring& name);

// The program's settings key under HKEY_CURRENT_USER, and the publisher's.
constexpr wchar_t kSettingsKey[] = L"Quorrin\\Varidel-English";
constexpr wchar_t kPublisherKey[] = L"software\\Quorrin";
void ClearSettings();
void PutSetting(const wchar_t* name, DWORD value);
void PutSettingString(const wchar_t* name, const std::wstring& text);
void PutSettingBytes(const wchar_t* name, DWORD type, const std::vector<uint8_t>& bytes);
// False when the value is missing or is not a DWORD.
bool ReadSetting(const wchar_t* name, DWORD* value);
// The stored DWORD, or `missing` when there is none.
DWORD StoredOr(const wchar_t* name, DWORD missing);
void PutGutter(DWORD pixels);
void ClearGutter();

// Keeps the settings found at construction and puts them back, exactly, on
// destruction, so a test run leaves the reader's own choices as they were.
class KeptSettings {
public:
    KeptSettings();
    ~KeptSettings();
    KeptSettings(const KeptSettings&) = delete;
    KeptSettings& operator=(const KeptSettings&) = delete;

private:
    struct Value {
        std::wstring name;
        DWORD type;
        std::vector<uint8_t> data;
    };
    std::vector<Value> settings_;
    std::vector<Value> gutter_;
};

// A large font in a small window, so that a lesson runs over several
// screenfuls of several lines each: 28 points where this machine's default
// face gives a line at most an eighth of the window high at that size, else
// the largest size at which it does (faces differ from machine to machine).
void PutLargeFontInSmallWindow();
// Leaves the font size to the default where this machine's default face
// draws the default size with letters of a readable height; where its
// letters are only a few pixels high in their cell (a face whose cell is far
// taller than its letters), asks for 12 points, so that tests can see the
// colours of the letters.
void PutLegibleFontSize();

// Today by this machine's clock, as the program works it out.
AbsoluteDay Today();
