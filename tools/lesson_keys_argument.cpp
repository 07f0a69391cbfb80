// Lesson keys given on the command line.
#include "tools/lesson_keys_argument.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Digits only: strtoul alone would also take leading blanks, a sign and a
// second "0x".
bool ParseNumber(const char* text, int base, unsigned long* value) {
    if (*text == '\0') return false;
    for (const char* c = text; *c != '\0'; ++c)
        if (base == 16 ? !std::isxdigit(uint8_t(*c)) : !std::isdigit(uint8_t(*c))) return false;
    *value = std::strtoul(text, nullptr, base);
    return true;
}

}  // namespace

bool ParseLessonKeyArgument(const char* command, const char* text, LessonKey* key) {
    unsigned long value = 0, day = 0;
    const char* slash = std::strchr(text, '/');
    bool ok;
    if (slash != nullptr) {
        const std::string month(text, slash);
        ok = ParseNumber(month.c_str(), 10, &value) && ParseNumber(slash + 1, 10, &day) && value <= 0xFF &&
             day <= 0xFF;
        value = value * 256 + day;
    } else if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        ok = ParseNumber(text + 2, 16, &value);
    } else {
        ok = ParseNumber(text, 10, &value);
    }
    if (!ok || value > 0xFFFF) {
        std::fprintf(stderr, "varidel-book %s: '%s' is not a lesson key (0x0E1D, 3613 or 14/29)\n", command, text);
        return false;
    }
    *key = LessonKey(value);
    return true;
}
