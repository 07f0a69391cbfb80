// The end of the program.
#include "app/settings_win32.h"

#include "app/app_state.h"
#include "app/modal_win32.h"
#include "app/settings.h"
#include "view/text_view.h"

void QuitForLackOfMemory() {
    ShowMessage(nullptr, L"There is not enough memory, aborting", L"Error", MB_ICONERROR);
    SaveSettingsAndQuit();
}

void SaveSettingsAndQuit() {
    if (g_app.mainWindow != nullptr) SaveSettings();
    // Messages may still arrive before the loop ends; they find no pane.
    TextView* pane = g_app.pane;
    g_app.pane = nullptr;
    DestroyTextView(pane, true);
    PostQuitMessage(0);
}
