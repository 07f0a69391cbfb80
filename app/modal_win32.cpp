// Modal dialogs and message boxes.
#include "app/modal_win32.h"

#include <string>

#include "app/app_state.h"
#include "platform/wide_text_win32.h"

INT_PTR RunDialog(HWND owner, int id, DLGPROC procedure, LPARAM parameter) {
    return DialogBoxParamW(g_app.instance, MAKEINTRESOURCEW(id), owner, procedure, parameter);
}

int ShowMessage(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style) {
    return MessageBoxW(owner, text, caption, style);
}

void ShowCoreMessageBox(const char* text, MessageOwner owner) {
    std::u16string wide;
    for (const char* p = text; *p != '\0'; ++p) wide += static_cast<char16_t>(static_cast<unsigned char>(*p));
    ShowMessage(owner == MessageOwner::MainWindow ? g_app.mainWindow : nullptr, Wide(wide.c_str()), nullptr, MB_OK);
}
