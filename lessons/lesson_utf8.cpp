// Lesson text as UTF-8.
#include "lessons/lesson_utf8.h"

void AppendLatin1AsUtf8(std::string* out, const uint8_t* bytes, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const uint8_t b = bytes[i];
        if (b < 0x80) {
            *out += char(b);
        } else {
            *out += char(0xC0 | (b >> 6));
            *out += char(0x80 | (b & 0x3F));
        }
    }
}
