// The settings store's Win32 side: the allocation that ends the program when
// memory runs out, the save at exit, and the main window's placement.
#pragma once

#include <windows.h>

#include <cstddef>

// A new block of `byteCount` bytes, released by the caller with free(). When
// memory runs out: "There is not enough memory, aborting", the settings are
// written, the pane is released, the quit message is posted and the result
// is null; the caller abandons its operation.
void* AllocOrQuit(size_t byteCount);

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
