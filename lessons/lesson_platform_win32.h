// The loader's containers in the program: RT_RCDATA resources of a module.
#pragma once

#include <windows.h>

// The module whose resources hold the containers; until it is set (and for
// null) the program's own executable.
void SetLessonResourceModule(HMODULE module);
