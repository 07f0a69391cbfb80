// Libraries of the system loaded at run time, from its own folder only: a
// library of that name beside the program or in the current folder is
// never taken for it.
#pragma once

#include <windows.h>

// The library `name` (a file name, such as L"dwmapi.dll") of the system's
// folder, or null. It stays loaded until the process ends.
HMODULE LoadSystemLibrary(const wchar_t* name);

// The function `name` of `module` as the type `Function`, or null.
template <typename Function>
void FindSystemFunction(HMODULE module, const char* name, Function* function) {
    // Through the one function type that stands for every other.
    *function = module == nullptr
                    ? nullptr
                    : reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
