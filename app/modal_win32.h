// Modal dialogs and message boxes: every one the reader opens goes through
// here, so they all open one way.
#pragma once

#include <windows.h>

#include "lessons/core_message.h"

// Runs dialog resource `id` of the program modally with `procedure` and the
// creation `parameter`; returns the dialog's result (-1 when it could not be
// made).
INT_PTR RunDialog(HWND owner, int id, DLGPROC procedure, LPARAM parameter);

// A message box owned by `owner` (none: null); `caption` null gives the
// system's default caption. Returns the button pressed.
int ShowMessage(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style);

// The program's hook for the messages of the portable code: the 8-bit text
// widened unit by unit, no caption of its own, an OK button.
void ShowCoreMessageBox(const char* text, MessageOwner owner);
