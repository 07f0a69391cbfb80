// The reader's settings on Windows: the end of the program with its save,
// also when memory runs out, and the main window's placement.
#pragma once

#include <windows.h>

// The program's handler for memory that ran out (platform/alloc_or_quit.h):
// "There is not enough memory, aborting", then SaveSettingsAndQuit.
void QuitForLackOfMemory();

// The end of the program: writes the settings (once the main window exists;
// before that they are only partly read), releases the reading pane (after
// which g_app.pane is null) and posts the quit message.
void SaveSettingsAndQuit();

// Stores the main window's position, restored size and show state.
void SaveWindowPlacement(HWND window);

// Moves the new main window to the stored rectangle, when there is one that
// lies on a monitor, and shows it in the stored state (the launcher's
// `showCommand` when none was stored).
void RestoreWindowPlacement(HWND window, int showCommand);
