// One copy of the reader per session: the copy that claims the session's
// instance mutex runs; a later copy hands over to it and ends.
#pragma once

#include <windows.h>

// Named for the session, so copies on other sessions run apart.
constexpr wchar_t kInstanceMutexName[] = L"Local\\Varidel-English";

// True when this copy is to run. Otherwise it has handed over to the running
// copy (moved it to today when it is in front, else brought it forward) or
// found no window to hand over to within a few seconds, and is to end.
//
// A copy that finds the mutex held waits for whichever comes first: the
// running copy's shown window, or the mutex itself, which is released only
// when the running copy's process ends, after it wrote its settings; so a
// start just after the window closed opens the reader on what it left.
bool ClaimSingleInstance();
