// The About box (resource IDD_ABOUT): the program's name, picture and
// version, the publisher's notice and a link to the publisher's web site.
#pragma once

#include <windows.h>

// Modal, owned by the main window; Esc and the close box close it.
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
