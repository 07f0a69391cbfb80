// The resolution a window is shown at, and system metrics for it.
#pragma once

#include <windows.h>

#include <cstdint>

// Pixels per inch of `window`: GetDpiForWindow where the system has it, else
// the vertical resolution of the window's device context.
int32_t WindowDpi(HWND window);

// GetSystemMetrics(`index`) at `dpi`, where the system can tell it per
// resolution; else the system's own value.
int SystemMetricForDpi(int index, int32_t dpi);
