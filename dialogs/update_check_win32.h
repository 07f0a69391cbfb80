// Opening web addresses in the reader's browser: the About box's link and
// Check For Updates.
#pragma once

#include <windows.h>

// Hands `address` to the shell to open, shown normally, without the shell's
// own error messages. True when the shell took it; no caller needs to know.
bool OpenUrl(HWND owner, const wchar_t* address);

// Opens the update-check page in the browser.
void CheckForUpdates(HWND owner);
