// A range of the reading pane's text for UI Automation (the Text pattern's
// ranges), over the pane's plain text (app/pane_text.h).
#pragma once

#include <windows.h>

#include "app/automation_api_win32.h"
#include "app/pane_text.h"

// A new range over `span` of the document `element`, whose window `window`
// points at (null once the window is gone: the range then refuses every
// call). The range keeps a reference to the element. Null when out of memory.
ITextRangeProvider* NewPaneRange(IRawElementProviderSimple* element, const HWND* window, TextSpan span);
