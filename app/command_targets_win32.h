// The operations of other subsystems that the main window's commands call:
// printing.
#pragma once

#include <windows.h>

struct TextView;

// Printing: prints the pane's lesson.
void PrintLesson(TextView* pane);
