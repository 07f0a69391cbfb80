// Helpers of the end-to-end driver.
#include "tests/e2e/app_driver.h"

#include <commctrl.h>

#include <cstdio>

#include "tests/default_face_metrics_win32.h"
#include "tests/pixel_canvas_win32.h"
#include "view/view_fonts.h"

std::wstring g_exePath;
std::wstring g_shotDir;

bool WaitFor(const std::function<bool()>& ready, DWORD limitMs) {
    const DWORD start = GetTickCount();
    while (!ready()) {
        if (GetTickCount() - start > limitMs) return false;
        Sleep(20);
    }
    return true;
}

HWND FindMainWindow() {
    return FindWindowW(L"Varidel-English", L"Varidel");
}

namespace {

bool Launch(RunningApp& app, const std::wstring& exePath, int showCommand) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (showCommand != kNoLauncherShowCommand) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(showCommand);
    }
    std::wstring commandLine = L"\"" + exePath + L"\"";
    // Now and then wine refuses a start (twice in about ten runs of these
    // tests): the start is tried again, and each refusal is told.
    return WaitFor([&] {
        if (CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &app.process)) {
            return true;
        }
        fprintf(stderr, "Varidel.exe could not be started: error %lu\n", GetLastError());
        return false;
    });
}

void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    switch (key) {
    case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
        break;
    }
    if (up) input.ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof(input));
}

// A mouse event at a point of the screen; the point travels with the event,
// so it does not depend on where the pointer was left.
void SendMouse(DWORD flags, POINT at, DWORD data = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input.mi.mouseData = data;
    SendInput(1, &input, sizeof(input));
}

// Moves the pointer to a point of the screen and waits until it is there.
bool MovePointer(POINT screenPoint) {
    SendMouse(0, screenPoint);
    return WaitFor([&] {
        POINT at{};
        return GetCursorPos(&at) && at.x == screenPoint.x && at.y == screenPoint.y;
    });
}

// Moves the pointer to a client point and waits until it is there.
bool PointerTo(const RunningApp& app, int x, int y, POINT* screenPoint) {
    POINT point{x, y};
    if (!ClientToScreen(app.window, &point)) return false;
    *screenPoint = point;
    return MovePointer(point);
}

}  // namespace

HWND WaitForDialog(const RunningApp& app, const wchar_t* caption) {
    HWND dialog = nullptr;
    WaitFor([&] {
        dialog = FindWindowW(L"#32770", caption);
        DWORD processId = 0;
        if (dialog != nullptr) GetWindowThreadProcessId(dialog, &processId);
        return processId == app.process.dwProcessId && IsWindowVisible(dialog);
    });
    // Painted before anyone looks at it.
    if (dialog != nullptr) RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return dialog;
}

RunningApp StartApp(int showCommand) {
    RunningApp app;
    if (!Launch(app, g_exePath, showCommand)) return app;
    WaitFor([&] {
        app.window = FindMainWindow();
        return app.window != nullptr && IsWindowVisible(app.window);
    });
    if (app.window != nullptr) WaitUntilIdle(app);
    return app;
}

RunningApp StartSecondCopy(const std::wstring& exePath) {
    RunningApp app;
    Launch(app, exePath, kNoLauncherShowCommand);
    return app;
}

DWORD WaitForExit(RunningApp& app, DWORD limitMs) {
    DWORD code = STILL_ACTIVE;
    if (app.process.hProcess == nullptr) return code;
    if (WaitForSingleObject(app.process.hProcess, limitMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(app.process.hProcess, &code);
        CloseHandle(app.process.hProcess);
        CloseHandle(app.process.hThread);
        app.process = PROCESS_INFORMATION{};
        app.window = nullptr;
    }
    return code;
}

DWORD CloseApp(RunningApp& app) {
    if (app.window != nullptr) PostMessageW(app.window, WM_CLOSE, 0, 0);
    return WaitForExit(app);
}

void KillApp(RunningApp& app) {
    if (app.process.hProcess == nullptr) return;
    TerminateProcess(app.process.hProcess, 1);
    WaitForExit(app);
}

void EndLeftoverApps() {
    while (HWND window = FindMainWindow()) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
        if (process == nullptr) return;
        TerminateProcess(process, 1);
        WaitForSingleObject(process, kWaitLimitMs);
        CloseHandle(process);
        WaitFor([&] { return !IsWindow(window); });
    }
}

bool WaitUntilIdle(RunningApp& app) {
    DWORD_PTR result = 0;
    return WaitForInputIdle(app.process.hProcess, kWaitLimitMs) == 0 &&
           SendMessageTimeoutW(app.window, WM_NULL, 0, 0, SMTO_NORMAL, kWaitLimitMs, &result) != 0;
}

namespace {

bool WindowToFront(HWND window) {
    if (GetForegroundWindow() == window) return true;
    SetForegroundWindow(window);
    return WaitFor([&] { return GetForegroundWindow() == window; });
}

}  // namespace

bool BringToFront(RunningApp& app) { return WindowToFront(app.window); }

void SendCommand(RunningApp& app, WORD command) {
    PostMessageW(app.window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    WaitUntilIdle(app);
}

// The input may end the program, so waiting for it to be idle again is
// not part of the result.
bool PressKey(RunningApp& app, WORD key, std::initializer_list<WORD> modifiers) {
    return PressKeyIn(app, app.window, key, modifiers);
}

bool PressKeyIn(RunningApp& app, HWND window, WORD key, std::initializer_list<WORD> modifiers) {
    if (!WindowToFront(window)) return false;
    for (WORD modifier : modifiers) SendKey(modifier, false);
    SendKey(key, false);
    SendKey(key, true);
    for (WORD modifier : modifiers) SendKey(modifier, true);
    WaitUntilIdle(app);
    return true;
}

bool ClickClient(RunningApp& app, int x, int y) {
    POINT at{};
    if (!BringToFront(app) || !ClientToScreen(app.window, &at)) return false;
    return ClickScreen(app, POINT{at.x + x, at.y + y});
}

bool ClickScreen(RunningApp& app, POINT at) {
    if (!MovePointer(at)) return false;
    SendMouse(MOUSEEVENTF_LEFTDOWN, at);
    SendMouse(MOUSEEVENTF_LEFTUP, at);
    WaitUntilIdle(app);
    return true;
}

bool TurnWheel(RunningApp& app, int delta) {
    const WindowParts parts = PartsOf(app);
    const int middleY = (parts.toolbarBottom + parts.stripTop) / 2;
    POINT at{};
    if (!BringToFront(app) || !PointerTo(app, parts.client.right / 2, middleY, &at)) return false;
    SendMouse(MOUSEEVENTF_WHEEL, at, static_cast<DWORD>(delta));
    return WaitUntilIdle(app);
}

bool ClickToolbarButton(RunningApp& app, int index) {
    HWND toolbar = FindWindowExW(app.window, nullptr, TOOLBARCLASSNAMEW, nullptr);
    if (toolbar == nullptr) return false;
    const DWORD size = static_cast<DWORD>(SendMessageW(toolbar, TB_GETBUTTONSIZE, 0, 0));
    const int width = LOWORD(size);
    const int height = HIWORD(size);
    // The buttons stand side by side from the toolbar's left edge.
    POINT point{index * width + width / 2, height / 2 + 2};
    MapWindowPoints(toolbar, app.window, &point, 1);
    return ClickClient(app, point.x, point.y);
}

WindowParts PartsOf(const RunningApp& app) {
    WindowParts parts{};
    GetClientRect(app.window, &parts.client);
    if (HWND toolbar = FindWindowExW(app.window, nullptr, TOOLBARCLASSNAMEW, nullptr)) {
        RECT rect{};
        GetWindowRect(toolbar, &rect);
        MapWindowPoints(nullptr, app.window, reinterpret_cast<POINT*>(&rect), 2);
        parts.toolbarBottom = rect.bottom;
    }
    const ClientPixels pixels = CaptureClient(app.window);
    parts.stripTop = pixels.height;
    while (parts.stripTop > 0 && pixels.At(1, parts.stripTop - 1) == 0xC0C0C0) --parts.stripTop;
    return parts;
}

ClientPixels CaptureClient(HWND window) {
    ClientPixels capture;
    RECT client{};
    POINT origin{0, 0};
    if (!GetClientRect(window, &client) || !ClientToScreen(window, &origin)) return capture;
    capture.width = client.right;
    capture.height = client.bottom;
    if (capture.width <= 0 || capture.height <= 0) return capture;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = PixelCanvas(memory, capture.width, capture.height, &bits);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, capture.width, capture.height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* source = static_cast<const uint32_t*>(bits);
    capture.pixels.assign(source, source + static_cast<size_t>(capture.width) * capture.height);
    for (uint32_t& pixel : capture.pixels) pixel &= 0xFFFFFF;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return capture;
}

namespace {

std::vector<uint32_t> Rows(const ClientPixels& pixels, int top, int bottom) {
    if (top < 0 || bottom > pixels.height || top >= bottom) return {};
    return std::vector<uint32_t>(pixels.pixels.begin() + static_cast<size_t>(top) * pixels.width,
                                 pixels.pixels.begin() + static_cast<size_t>(bottom) * pixels.width);
}

}  // namespace

std::vector<uint32_t> StripPixels(const RunningApp& app) {
    const WindowParts parts = PartsOf(app);
    return Rows(CaptureClient(app.window), parts.stripTop, parts.client.bottom);
}

std::vector<uint32_t> TextPixels(const RunningApp& app) {
    const WindowParts parts = PartsOf(app);
    return Rows(CaptureClient(app.window), parts.toolbarBottom, parts.stripTop);
}

bool WaitForChange(const RunningApp& app,
                   std::vector<uint32_t> (*region)(const RunningApp&),
                   const std::vector<uint32_t>& before) {
    return WaitFor([&] { return region(app) != before; });
}

bool SaveScreenshot(HWND window, const std::wstring& name) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) return false;
    // A maximized window's frame hangs outside the screen.
    const RECT screenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&rect, &rect, &screenRect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return false;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();

    const DWORD stride = ((width * 3 + 3) / 4) * 4;
    const DWORD imageSize = stride * height;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageSize;
    const std::wstring path = g_shotDir + L"\\" + name + L".bmp";
    FILE* out = _wfopen(path.c_str(), L"wb");
    bool written = false;
    if (out != nullptr) {
        written = fwrite(&file, sizeof(file), 1, out) == 1 &&
                  fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out) == 1 &&
                  fwrite(bits, imageSize, 1, out) == 1;
        fclose(out);
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return written;
}

void ClearSettings() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
}

void PutSettingBytes(const wchar_t* name, DWORD type, const std::vector<uint8_t>& bytes) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExW(key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

void PutSetting(const wchar_t* name, DWORD value) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(&value);
    PutSettingBytes(name, REG_DWORD, std::vector<uint8_t>(bytes, bytes + sizeof(value)));
}

void PutSettingString(const wchar_t* name, const std::wstring& text) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.c_str());
    PutSettingBytes(name, REG_SZ, std::vector<uint8_t>(bytes, bytes + (text.size() + 1) * 2));
}

bool ReadSetting(const wchar_t* name, DWORD* value) {
    DWORD size = sizeof(*value);
    return RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, value,
                        &size) == ERROR_SUCCESS;
}

DWORD StoredOr(const wchar_t* name, DWORD missing) {
    DWORD value = 0;
    return ReadSetting(name, &value) ? value : missing;
}

void PutGutter(DWORD pixels) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kPublisherKey, L"SurroundingGutter", REG_DWORD, &pixels,
                    sizeof(pixels));
}

void ClearGutter() {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kPublisherKey, L"SurroundingGutter");
}

KeptSettings::KeptSettings() {
    const auto keep = [](const wchar_t* keyName, const wchar_t* only, std::vector<Value>* into) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
        for (DWORD i = 0;; ++i) {
            wchar_t name[256];
            DWORD nameLength = 256;
            DWORD type = 0;
            DWORD size = 0;
            if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
            if (only != nullptr && _wcsicmp(name, only) != 0) continue;
            Value value{name, type, std::vector<uint8_t>(size)};
            if (RegQueryValueExW(key, name, nullptr, nullptr, value.data.data(), &size) == ERROR_SUCCESS) {
                value.data.resize(size);
                into->push_back(std::move(value));
            }
        }
        RegCloseKey(key);
    };
    keep(kSettingsKey, nullptr, &settings_);
    keep(kPublisherKey, L"SurroundingGutter", &gutter_);
}

KeptSettings::~KeptSettings() {
    ClearSettings();
    ClearGutter();
    for (const Value& value : settings_) PutSettingBytes(value.name.c_str(), value.type, value.data);
    for (const Value& value : gutter_) {
        RegSetKeyValueW(HKEY_CURRENT_USER, kPublisherKey, value.name.c_str(), value.type, value.data.data(),
                        static_cast<DWORD>(value.data.size()));
    }
}

namespace {

// The largest point size up to `points` at which the default face gives a
// line at most `lineHeight` pixels high.
DWORD FittingFontSize(DWORD points, int lineHeight) {
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    DWORD size = points;
    while (size > 1 &&
           DefaultFaceMetrics(FontHeightForPoints(static_cast<int32_t>(size), pixelsPerInch), FW_NORMAL, screen).tmHeight >
               lineHeight) {
        --size;
    }
    ReleaseDC(nullptr, screen);
    return size;
}

}  // namespace

void PutLargeFontInSmallWindow() {
    constexpr DWORD kWidth = 480;
    constexpr DWORD kHeight = 360;
    PutSetting(L"FontSize", FittingFontSize(28, kHeight / 8));
    PutSetting(L"Width", kWidth);
    PutSetting(L"Height", kHeight);
}

void PutLegibleFontSize() {
    constexpr int kLegibleLetters = 8;  // pixels: the cell less its internal leading
    HDC screen = GetDC(nullptr);
    const TEXTMETRICW metrics = DefaultFaceMetrics(0, FW_NORMAL, screen);  // 0: the mapper's default size
    ReleaseDC(nullptr, screen);
    if (metrics.tmHeight - metrics.tmInternalLeading < kLegibleLetters) PutSetting(L"FontSize", 12);
}

std::wstring WindowsPath(const wchar_t* path) {
    std::wstring result = path;
    if (!result.empty() && result[0] == L'/') result = L"Z:" + result;
    for (wchar_t& c : result) {
        if (c == L'/') c = L'\\';
    }
    return result;
}

AbsoluteDay Today() { return AbsoluteFromGregorian(TodayGregorian()); }
