// The "Choose Font" dialog (resource IDD_FONT): every face of the main
// window's device context, the sizes, and a sample in the chosen face and
// size. Not the system's common font dialog.
#pragma once

#include <windows.h>

// Run with the address of the reader's FontSettings. Ends with 1 after OK,
// the face and size chosen written into them, and with 2 after Cancel, Esc or
// the close box, nothing changed but a sample base of 0, which became the
// default when the dialog opened; and at once with -1, nothing changed,
// when there is no memory for it.
INT_PTR CALLBACK FontDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
