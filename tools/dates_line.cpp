// The lines of `varidel-book dates`, written without the C library's
// formatted output: a long range prints millions of them.
#include "tools/dates_line.h"

#include "calendar/date_caption.h"
#include "calendar/decimal_text.h"
#include "calendar/iso_date.h"
#include "lessons/lesson_key.h"

namespace {

char* WriteKey(LessonKey key, char* out) {
    static const char kHexDigits[] = "0123456789ABCDEF";
    *out++ = '0';
    *out++ = 'x';
    for (int shift = 12; shift >= 0; shift -= 4) *out++ = kHexDigits[(key >> shift) & 0xF];
    return out;
}

}  // namespace

size_t FormatDatesLine(AbsoluteDay day, char* line) {
    static_assert(kMaxDatesLineLength >= kMaxIsoDateLength + 4 * kMaxDecimalLength + 6 + kCaptionFieldSize + 7,
                  "the four numbers, the key, the caption and the separators fit");
    const HebrewDate hebrew = HebrewFromAbsolute(day);
    char* out = WriteIsoDate(GregorianFromAbsolute(day), line);
    *out++ = '\t';
    out = WriteDecimal(day, 1, out);
    *out++ = '\t';
    out = WriteDecimal(hebrew.month, 1, out);
    *out++ = '/';
    out = WriteDecimal(hebrew.day, 1, out);
    *out++ = '/';
    out = WriteDecimal(hebrew.year, 1, out);
    *out++ = '\t';
    out = WriteKey(LessonKeyForDate(hebrew), out);
    *out++ = '\t';
    out += FormatHebrewDateCaption(hebrew, out);
    *out++ = '\n';
    return static_cast<size_t>(out - line);
}
