// Varidel.exe, built beside the Windows-side tests, and the program opened
// for its resources (the lessons, the dialogs, the manifest) only.
#pragma once

#include <windows.h>

#include <string>

inline std::wstring ProgramBesideTest() {
    wchar_t path[MAX_PATH];
    const std::wstring test(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return test.substr(0, test.find_last_of(L"\\/") + 1) + L"Varidel.exe";
}

inline HMODULE OpenProgramResources() {
    return LoadLibraryExW(ProgramBesideTest().c_str(), nullptr,
                          LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}
