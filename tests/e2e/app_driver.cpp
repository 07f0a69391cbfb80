// Helpers of the end-to-end driver.
#include "tests/e2e/app_driver.h"

#include <cstdio>
#include <vector>

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

RunningApp StartApp() {
    RunningApp app;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + g_exePath + L"\"";
    if (!CreateProcessW(g_exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &app.process)) {
        return app;
    }
    WaitFor([&] {
        app.window = FindMainWindow();
        return app.window != nullptr && IsWindowVisible(app.window);
    });
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
    }
    return code;
}

DWORD CloseApp(RunningApp& app) {
    if (app.window != nullptr) PostMessageW(app.window, WM_CLOSE, 0, 0);
    return WaitForExit(app);
}

bool SaveScreenshot(HWND window, const std::wstring& name) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) return false;
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
