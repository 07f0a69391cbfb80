// The operations of other subsystems that the main window's commands call:
// the font chooser, the clipboard export, printing, and the About box with
// the update check.
#pragma once

#include <windows.h>

struct TextView;

// Font chooser: the procedure of dialog IDD_FONT, run with the address of
// the reader's FontSettings; ends with 1 after OK.
INT_PTR CALLBACK FontDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Clipboard export: Copy, or Append to ClipBoard with `append`.
void CopyLessonToClipboard(TextView* pane, bool append);

// Printing: prints the pane's lesson.
void PrintLesson(TextView* pane);

// About box (dialog IDD_ABOUT) and the update check.
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void CheckForUpdates(HWND owner);
