// The "Go to Date" dialog (IDD_GOTO_DATE): the system's date picker on a
// civil date, with the Hebrew date of the day picked under it, so that it
// also serves to convert a civil date.
#pragma once

#include <windows.h>

#include "calendar/hebrew_calendar.h"

// The procedure of IDD_GOTO_DATE. Its creation parameter points at the day
// to open on, which OK replaces with the day picked (the picker keeps to the
// days it and the reader can both show); Cancel and Esc leave it alone.
INT_PTR CALLBACK GoToDateDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
