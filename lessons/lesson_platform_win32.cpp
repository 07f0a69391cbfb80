// The loader's containers in the program: RT_RCDATA resources of a module.
#include "lessons/lesson_platform_win32.h"

#include "lessons/lesson_loader.h"

namespace {

HMODULE g_module = nullptr;  // null: the executable the process started from

}  // namespace

void SetLessonResourceModule(HMODULE module) { g_module = module; }

int LessonContainerBytes(int id, const uint8_t** bytes, size_t* size) {
    HRSRC resource = FindResourceW(g_module, MAKEINTRESOURCEW(id), RT_RCDATA);
    if (resource == nullptr) return kLessonNoContainer;
    const DWORD length = SizeofResource(g_module, resource);
    HGLOBAL loaded = length == 0 ? nullptr : LoadResource(g_module, resource);
    // Resources stay mapped with the module: nothing to release.
    const void* data = loaded == nullptr ? nullptr : LockResource(loaded);
    if (data == nullptr) return kLessonUnloadable;
    *bytes = static_cast<const uint8_t*>(data);
    *size = length;
    return 0;
}
