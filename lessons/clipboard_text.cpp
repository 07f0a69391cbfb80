// The clipboard text of a lesson.
#include "lessons/clipboard_text.h"

#include <cstdint>
#include <cstring>

#include "lessons/core_message.h"
#include "lessons/lesson_text.h"

namespace {

const char kTooLongMessage[] = "(obuf > (start + size))";

// Writes units while they fit before `end`; after the first that does not,
// `overflow` is set and nothing more is written.
struct UnitWriter {
    char16_t* out;
    char16_t* end;
    bool overflow;

    void Put(char16_t unit) {
        if (out >= end) {
            overflow = true;
            return;
        }
        *out++ = unit;
    }
    void PutLineEnd() {
        Put(u'\r');
        Put(u'\n');
    }
};

}  // namespace

int32_t ClipboardLineUnits(uint8_t style, uint8_t indent, size_t bodyLength) {
    return IsRule(style) ? RuleTextWidth(indent) : static_cast<int32_t>(bodyLength);
}

int32_t ClipboardLineEndUnits(uint8_t style) { return (style & kStyleBlankAfter) ? 4 : 2; }

size_t ClipboardTextSize(const char* text) {
    size_t paragraphs = 0, blankLines = 0, rules = 0, indents = 0;
    const char* p = text;
    while (*p != 0) {
        const uint8_t style = static_cast<uint8_t>(p[0]);
        const uint8_t indent = static_cast<uint8_t>(p[1]);
        ++paragraphs;
        if (style & kStyleBlankAfter) ++blankLines;
        if (IsRule(style)) {
            rules += static_cast<size_t>(RuleTextWidth(indent));
        } else {
            indents += indent & kIndentPixelsMask;
        }
        p = NextParagraph(p);
    }
    const size_t length = static_cast<size_t>(p - text);
    const size_t units = length + length / 2 + 2 * (paragraphs + blankLines) + rules + indents;
    return 2 * units + 2;
}

int LessonToClipboardText(const char* text, char16_t* buffer, size_t size) {
    UnitWriter w{buffer, buffer + size / 2, false};
    for (const char* p = text; *p != 0 && !w.overflow;) {
        const uint8_t style = static_cast<uint8_t>(p[0]);
        const uint8_t indent = static_cast<uint8_t>(p[1]);
        const char* body = p + 2;
        const size_t length = strlen(body);
        const int32_t units = ClipboardLineUnits(style, indent, length);
        for (int32_t i = 0; i < units; ++i) w.Put(IsRule(style) ? u'-' : static_cast<unsigned char>(body[i]));
        for (int32_t i = 0; i < ClipboardLineEndUnits(style); i += 2) w.PutLineEnd();
        p = body + length + 1;
    }
    w.Put(0);
    if (!w.overflow) return 0;
    ShowCoreMessage(kTooLongMessage, MessageOwner::MainWindow);
    return 1;
}
