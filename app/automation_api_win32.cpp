// The UI Automation core library's functions, looked up at run time.
#include "app/automation_api_win32.h"

namespace {

template <typename Function>
void Load(HMODULE module, const char* name, Function* function) {
    // Through the one function type that stands for every other.
    *function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

UiaCoreFunctions LoadUiaCore() {
    UiaCoreFunctions core{};
    // From the system's own folder only: a library of that name beside the
    // program or in the current folder is never taken for it.
    wchar_t path[MAX_PATH];
    const UINT folder = GetSystemDirectoryW(path, MAX_PATH);
    const wchar_t name[] = L"\\uiautomationcore.dll";
    if (folder == 0 || folder + sizeof name / sizeof name[0] > MAX_PATH) return core;
    lstrcpyW(path + folder, name);
    HMODULE module = LoadLibraryW(path);
    if (module == nullptr) return core;
    Load(module, "UiaReturnRawElementProvider", &core.returnRawElementProvider);
    Load(module, "UiaHostProviderFromHwnd", &core.hostProviderFromHwnd);
    Load(module, "UiaRaiseAutomationEvent", &core.raiseAutomationEvent);
    Load(module, "UiaRaiseAutomationPropertyChangedEvent", &core.raisePropertyChangedEvent);
    Load(module, "UiaDisconnectProvider", &core.disconnectProvider);
    Load(module, "UiaGetReservedNotSupportedValue", &core.reservedNotSupportedValue);
    return core;
}

}  // namespace

UiaCoreFunctions& UiaCore() {
    static UiaCoreFunctions core = LoadUiaCore();
    return core;
}
