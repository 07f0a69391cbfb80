// Varidel.exe, built beside the Windows-side tests, opened for its
// resources (the lessons) only.
#pragma once

#include <windows.h>

#include <string>

inline HMODULE OpenProgramResources() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    const std::wstring program = folder.substr(0, folder.find_last_of(L"\\/") + 1) + L"Varidel.exe";
    return LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}
