// Libraries of the system's own folder.
#include "platform/system_library_win32.h"

HMODULE LoadSystemLibrary(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    const UINT folder = GetSystemDirectoryW(path, MAX_PATH);
    const size_t length = wcslen(name);
    if (folder == 0 || folder + 1 + length + 1 > MAX_PATH) return nullptr;
    path[folder] = L'\\';
    wcscpy(path + folder + 1, name);
    return LoadLibraryW(path);
}
