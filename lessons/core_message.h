// Messages of the portable code that the reader must see, such as a damaged
// record's "UnCompress() buffer error!". They carry no caption of their own.
// The program sets a hook that shows them in a message box; until a hook is
// set they are kept, one per line, for TakeCoreMessages (the native tests and
// tools read them there).
#pragma once

#include <string>

// Whether the message box belongs to the main window or to no window.
enum class MessageOwner { None, MainWindow };

using CoreMessageHook = void (*)(const char* text, MessageOwner owner);

// Null restores the default, which keeps the messages.
void SetCoreMessageHook(CoreMessageHook hook);

void ShowCoreMessage(const char* text, MessageOwner owner);

// The messages kept so far, each followed by a line feed; and their end.
// (Kept in a plain buffer: the program, which keeps none, carries no string
// class for them.)
const char* KeptCoreMessages();
void ClearKeptCoreMessages();

// The messages kept since the last call, each followed by a line feed; the
// kept messages are cleared.
inline std::string TakeCoreMessages() {
    std::string messages = KeptCoreMessages();
    ClearKeptCoreMessages();
    return messages;
}
