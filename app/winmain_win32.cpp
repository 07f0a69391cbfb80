// The program's entry point: the platform check, the gutter setting,
// start-up and the one message loop.
#include <windows.h>
#include <objbase.h>

#include "app/app_state.h"
#include "app/modal_win32.h"
#include "app/settings.h"
#include "app/settings_win32.h"
#include "app/startup_win32.h"
#include "lessons/lesson_platform_win32.h"
#include "platform/alloc_or_quit.h"
#include "resource_ids.h"
#include "resources/publisher.h"

namespace {

// Versions before the NT line report a platform id below VER_PLATFORM_WIN32_NT.
bool RunsOnOldConsumerWindows() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    GetVersionExA(&version);
    return version.dwPlatformId < VER_PLATFORM_WIN32_NT;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    g_app = AppState{};
    g_app.instance = instance;
    SetLessonResourceModule(instance);
    SetCoreMessageHook(ShowCoreMessageBox);
    SetOutOfMemoryHandler(QuitForLackOfMemory);
    if (RunsOnOldConsumerWindows()) {
        // The 8-bit call: the wide one does nothing on those systems.
        MessageBoxA(nullptr,
                    "This Application does NOT run on:\n\n\tWINDOWS 95\n\tWINDOWS 98\n\tWINDOWS ME\n",
                    VARIDEL_PUBLISHER_HOST, MB_ICONERROR);
        return -1;
    }
    g_app.SurroundingGutter = LoadSurroundingGutter();
    // A single-threaded apartment: screen readers' calls into the pane's
    // objects arrive through this thread's message loop.
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    if (InitInstance(showCommand) == nullptr) {
        if (com) CoUninitialize();
        return 0;
    }

    // Loaded once the window is shown; modal dialogs run their own loops,
    // where these are inactive.
    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDA_ACCELERATORS));
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorW(message.hwnd, accelerators, &message) == 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (com) CoUninitialize();
    return static_cast<int>(message.wParam);
}
