// The UI Automation core library's functions, looked up at run time.
#include "app/automation_api_win32.h"

#include "platform/system_library_win32.h"

namespace {

UiaCoreFunctions LoadUiaCore() {
    UiaCoreFunctions core{};
    HMODULE module = LoadSystemLibrary(L"uiautomationcore.dll");
    FindSystemFunction(module, "UiaReturnRawElementProvider", &core.returnRawElementProvider);
    FindSystemFunction(module, "UiaHostProviderFromHwnd", &core.hostProviderFromHwnd);
    FindSystemFunction(module, "UiaRaiseAutomationEvent", &core.raiseAutomationEvent);
    FindSystemFunction(module, "UiaRaiseAutomationPropertyChangedEvent", &core.raisePropertyChangedEvent);
    FindSystemFunction(module, "UiaDisconnectProvider", &core.disconnectProvider);
    FindSystemFunction(module, "UiaGetReservedNotSupportedValue", &core.reservedNotSupportedValue);
    return core;
}

}  // namespace

UiaCoreFunctions& UiaCore() {
    static UiaCoreFunctions core = LoadUiaCore();
    return core;
}
