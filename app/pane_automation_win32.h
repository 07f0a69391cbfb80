// The reading pane for screen readers. The main window is the pane: through
// UI Automation it is a read-only Document named by the date caption whose
// Text pattern reads the lesson's plain text (app/pane_text.h), and through
// MSAA (app/pane_accessible_win32.h) an object with that name and the text
// as its value. Day changes and moves of the pane raise the events readers
// listen for.
#pragma once

#include <windows.h>
#include <uiautomationcore.h>

// WM_GETOBJECT: the UI Automation element for UiaRootObjectId, the MSAA
// object for OBJID_CLIENT, otherwise the default procedure's answer.
LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam);

// The window's UI Automation element, made on first use; the caller
// releases it. Null when out of memory.
IRawElementProviderSimple* PaneAutomationElement(HWND window);

// After a new day's lesson is shown: the name and the text changed (UI
// Automation and MSAA) and the selection moved (UI Automation).
void AnnounceNewDay();

// After the pane may have moved: when the line at its top now starts
// elsewhere in the text, the selection moved. The element listens for the
// pane's moves from when a client first asks for it.
void AnnouncePanePosition();

// WM_DESTROY: UI Automation and MSAA let go of the window, and every
// element, range and object handed out refuses further calls ("element not
// available").
void ClosePaneAccessibility(HWND window);
