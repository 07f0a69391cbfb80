// The main window's commands: every menu item, accelerator and toolbar
// button arrives here as a WM_COMMAND id.
#pragma once

#include <windows.h>

// 0 when the command was handled, 1 when no command has that id.
int DispatchCommand(HWND window, unsigned command);

// The calendar: the day picked, when it is another day, is shown.
void OpenCalendar(HWND window);

// One zoom step of the reading size: +1 larger, -1 smaller, through the font
// chooser's sizes.
void ZoomByStep(HWND window, int step);

// The About box, owned by `window`; nothing while one is open.
void ShowAboutBox(HWND window);
