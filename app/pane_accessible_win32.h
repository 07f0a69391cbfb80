// The reading pane's MSAA object, for older assistive tools and test tools:
// the window's client as a read-only, focusable document named by the date
// caption, with the lesson's plain text as its value. Its place, parent and
// everything else come from the system's standard object for the client.
#pragma once

#include <windows.h>
#include <oleacc.h>

// The object, made on first use; the caller releases it. Null when the
// system's standard object cannot be made or memory runs out.
IAccessible* PaneAccessible(HWND window);

// The window is gone: the object refuses every further call.
void ClosePaneAccessible();
