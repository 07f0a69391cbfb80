// Opening web addresses through the shell, and the update check.
#include "dialogs/update_check_win32.h"

#include <shellapi.h>

#include "dialogs/update_check.h"

bool OpenUrl(HWND owner, const wchar_t* address) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"Open";
    info.lpFile = address;
    // A zero show command would ask the browser to start hidden.
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

void CheckForUpdates(HWND owner) {
    char16_t address[kUpdateAddressUnits];
    BuildUpdateAddress(address);
    OpenUrl(owner, reinterpret_cast<const wchar_t*>(address));
}
