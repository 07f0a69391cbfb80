// Messages of the portable code, through the platform's hook.
#include "lessons/core_message.h"

namespace {

CoreMessageHook g_hook = nullptr;
std::string g_kept;

}  // namespace

void SetCoreMessageHook(CoreMessageHook hook) { g_hook = hook; }

void ShowCoreMessage(const char* text, MessageOwner owner) {
    if (g_hook != nullptr) {
        g_hook(text, owner);
        return;
    }
    g_kept += text;
    g_kept += '\n';
}

std::string TakeCoreMessages() {
    std::string messages;
    messages.swap(g_kept);
    return messages;
}
