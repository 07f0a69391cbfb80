// The loader's platform services in the program: containers are RT_RCDATA
// resources of the program's own module.
#include <windows.h>

#include "app/app_state.h"
#include "lessons/lesson_loader.h"

int LessonContainerBytes(int id, const uint8_t** bytes, size_t* size) {
    HMODULE module = g_app.instance != nullptr ? g_app.instance : GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
    if (resource == nullptr) return kLessonNoContainer;
    const DWORD length = SizeofResource(module, resource);
    HGLOBAL loaded = length == 0 ? nullptr : LoadResource(module, resource);
    // Resources stay mapped with the module: nothing to release.
    const void* data = loaded == nullptr ? nullptr : LockResource(loaded);
    if (data == nullptr) return kLessonUnloadable;
    *bytes = static_cast<const uint8_t*>(data);
    *size = length;
    return 0;
}

void ShowLessonDataMessage(const char* text) {
    wchar_t wide[64];
    size_t i = 0;
    for (; text[i] != '\0' && i + 1 < sizeof wide / sizeof wide[0]; ++i)
        wide[i] = static_cast<unsigned char>(text[i]);
    wide[i] = L'\0';
    MessageBoxW(nullptr, wide, nullptr, MB_OK);
}
