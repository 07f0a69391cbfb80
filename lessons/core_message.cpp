// Messages of the portable code, through the platform's hook.
#include "lessons/core_message.h"

#include <cstdlib>
#include <cstring>

namespace {

CoreMessageHook g_hook = nullptr;
char* g_kept = nullptr;  // zero-terminated; null: none kept
size_t g_keptLength = 0;

// Appends the message and a line feed; a message memory cannot be had for
// is not kept.
void Keep(const char* text) {
    const size_t length = strlen(text);
    char* kept = static_cast<char*>(realloc(g_kept, g_keptLength + length + 2));
    if (kept == nullptr) return;
    memcpy(kept + g_keptLength, text, length);
    g_keptLength += length;
    kept[g_keptLength++] = '\n';
    kept[g_keptLength] = '\0';
    g_kept = kept;
}

}  // namespace

void SetCoreMessageHook(CoreMessageHook hook) { g_hook = hook; }

void ShowCoreMessage(const char* text, MessageOwner owner) {
    if (g_hook != nullptr) {
        g_hook(text, owner);
        return;
    }
    Keep(text);
}

const char* KeptCoreMessages() { return g_kept != nullptr ? g_kept : ""; }

void ClearKeptCoreMessages() {
    free(g_kept);
    g_kept = nullptr;
    g_keptLength = 0;
}
