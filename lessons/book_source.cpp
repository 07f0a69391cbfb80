// Reading and writing the book's source text.
#include "lessons/book_source.h"

#include <cstdio>
#include <cstring>

#include "lessons/lesson_container.h"
#include "lessons/lesson_key.h"
#include "lessons/lesson_text.h"
#include "lessons/lesson_utf8.h"

namespace {

// A paragraph kind with a name in the source.
struct ParagraphKind {
    const char* name;
    uint8_t style;
    uint8_t indent;
};

const std::vector<ParagraphKind> kKinds = {
    {"date", 0xC2, 0x00},      {"title", kStyleTitle, 0x00}, {"heading", kStyleHeading, 0x00},
    {"line", 0x01, 0x00},      {"para", 0x81, 0x00},       {"para+12", 0x81, 0x0C},
    {"para+24", 0x81, 0x18},   {"item", 0x81, 0x40},       {"item+12", 0x81, 0x4C},
    {"item+24", 0x81, 0x58},   {"rule", 0x47, 0xAC},       {"rule24", 0xC7, 0xAC},
    {"rule74", 0xC7, 0xC5},    {"rule100", 0xC7, 0xD2},    {"verse", 0x01, 0xC0},
    {"last-verse", 0x81, 0xC0},
};

constexpr uint8_t kEntryTail[3] = {0, 0, 0};  // end marker and two more zeros

int HexDigit(uint32_t c) {
    if (c >= '0' && c <= '9') return int(c - '0');
    if (c >= 'a' && c <= 'f') return int(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return int(c - 'A' + 10);
    return -1;
}

// Decodes UTF-8 into code points; false at the first malformed sequence.
bool DecodeUtf8(const std::string& s, std::vector<uint32_t>* out) {
    out->clear();
    for (size_t i = 0; i < s.size();) {
        const uint8_t b = uint8_t(s[i]);
        const int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0) return false;
        uint32_t c = extra == 0 ? b : b & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            if (i + size_t(k) >= s.size() || (uint8_t(s[i + k]) & 0xC0) != 0x80) return false;
            c = (c << 6) | (uint8_t(s[i + k]) & 0x3F);
        }
        static const uint32_t kSmallest[4] = {0, 0x80, 0x800, 0x10000};
        if (c < kSmallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        out->push_back(c);
        i += size_t(extra) + 1;
    }
    return true;
}

// Converts a paragraph body (code points) into bytes, resolving escapes.
bool BodyBytes(const std::vector<uint32_t>& chars, size_t from, std::vector<uint8_t>* bytes,
               std::string* error) {
    char message[80];
    for (size_t i = from; i < chars.size(); ++i) {
        uint32_t c = chars[i];
        if (c == '\\') {
            if (i + 1 < chars.size() && chars[i + 1] == '\\') {
                ++i;
            } else if (i + 3 < chars.size() && chars[i + 1] == 'x' && HexDigit(chars[i + 2]) >= 0 &&
                       HexDigit(chars[i + 3]) >= 0) {
                c = uint32_t(HexDigit(chars[i + 2]) * 16 + HexDigit(chars[i + 3]));
                i += 3;
            } else {
                *error = "a backslash must begin \\\\ or \\xHH";
                return false;
            }
        } else if (c > 0xFF) {
            std::snprintf(message, sizeof message, "character U+%04X is outside Latin-1", unsigned(c));
            *error = message;
            return false;
        }
        if (c == 0) {
            *error = "a paragraph cannot hold a zero byte";
            return false;
        }
        bytes->push_back(uint8_t(c));
    }
    return true;
}

bool ParseKind(const std::string& word, uint8_t* style, uint8_t* indent) {
    for (const ParagraphKind& kind : kKinds) {
        if (word == kind.name) {
            *style = kind.style;
            *indent = kind.indent;
            return true;
        }
    }
    if (word.size() != 5 || word[2] != '/') return false;
    const int digits[4] = {HexDigit(uint8_t(word[0])), HexDigit(uint8_t(word[1])),
                           HexDigit(uint8_t(word[3])), HexDigit(uint8_t(word[4]))};
    for (int d : digits)
        if (d < 0) return false;
    *style = uint8_t(digits[0] * 16 + digits[1]);
    *indent = uint8_t(digits[2] * 16 + digits[3]);
    return true;
}

// Parses "@word N"; false when the line is not that form.
bool ParseDirective(const std::string& line, const char* word, int* number) {
    const size_t n = std::strlen(word);
    if (line.compare(0, n, word) != 0 || line.size() <= n || line[n] != ' ') return false;
    size_t i = n + 1;
    int value = 0;
    size_t digits = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9' && digits < 6) {
        value = value * 10 + (line[i] - '0');
        ++i;
        ++digits;
    }
    if (digits == 0 || (i < line.size() && line[i] != ' ')) return false;
    *number = value;
    return true;
}

struct ParseState {
    const std::string* file;
    Book* book;
    std::vector<std::string>* problems;
    int month = 0;           // lesson month being read; 0 = none yet
    BookEntry* entry = nullptr;
    int entryDay = 0;
};

void Problem(ParseState* s, int line, const std::string& message) {
    s->problems->push_back(SourcePlace(*s->file, line) + message);
}

// Ends the entry being read: the tail, the size limit, the first paragraph.
void FinishEntry(ParseState* s) {
    BookEntry* e = s->entry;
    if (e == nullptr) return;
    s->entry = nullptr;
    if (e->text.empty()) {
        Problem(s, e->line, "day " + std::to_string(s->entryDay) + " has no paragraph");
        return;
    }
    e->text.insert(e->text.end(), kEntryTail, kEntryTail + 3);
    if (e->text.size() > kMaxLessonTextSize) {
        Problem(s, e->line, "day " + std::to_string(s->entryDay) + " is " + std::to_string(e->text.size()) +
                                " bytes long, over 65,535");
    }
}

void StartMonth(ParseState* s, int lineNumber, int month) {
    FinishEntry(s);
    s->month = 0;
    if (month < 1 || month > kLessonMonths) {
        Problem(s, lineNumber, "lesson month " + std::to_string(month) + " is not 1..13");
        return;
    }
    BookMonth& m = s->book->months[size_t(month - 1)];
    if (m.line != 0) {
        Problem(s, lineNumber, "lesson month " + std::to_string(month) + " appears again (first at " +
                                   m.file + ":" + std::to_string(m.line) + ")");
        return;
    }
    m.file = *s->file;
    m.line = lineNumber;
    m.days.assign(size_t(RecordsInLessonMonth(month)), BookEntry());
    s->month = month;
}

void StartDay(ParseState* s, int lineNumber, int day) {
    FinishEntry(s);
    if (s->month == 0) {
        Problem(s, lineNumber, "@day before any @month");
        return;
    }
    BookMonth& m = s->book->months[size_t(s->month - 1)];
    if (day < 1 || size_t(day) > m.days.size()) {
        Problem(s, lineNumber, "day " + std::to_string(day) + " is not a day of " +
                                   LessonMonthName(s->month) + " (1.." + std::to_string(m.days.size()) + ")");
        return;
    }
    BookEntry& e = m.days[size_t(day - 1)];
    if (e.line != 0) {
        Problem(s, lineNumber, "day " + std::to_string(day) + " appears again (first at line " +
                                   std::to_string(e.line) + ")");
        return;
    }
    e.line = lineNumber;
    s->entry = &e;
    s->entryDay = day;
}

void AddParagraph(ParseState* s, int lineNumber, const std::string& line) {
    const size_t space = line.find(' ');
    const std::string word = line.substr(0, space);
    uint8_t style = 0, indent = 0;
    if (!ParseKind(word, &style, &indent)) {
        Problem(s, lineNumber, "unknown paragraph kind \"" + word + "\"");
        return;
    }
    if (style == 0) {
        Problem(s, lineNumber, "a style byte of 00 would end the lesson");
        return;
    }
    std::vector<uint32_t> chars;
    if (!DecodeUtf8(line, &chars)) {
        Problem(s, lineNumber, "the line is not valid UTF-8");
        return;
    }
    std::vector<uint8_t> body;
    std::string error;
    if (!BodyBytes(chars, space == std::string::npos ? chars.size() : word.size() + 1, &body, &error)) {
        Problem(s, lineNumber, error);
        return;
    }
    if (s->entry == nullptr) {
        Problem(s, lineNumber, "a paragraph outside any @day");
        return;
    }
    std::vector<uint8_t>& text = s->entry->text;
    if (text.empty() && body.empty() && !IsRule(style)) {
        Problem(s, lineNumber, "an entry must begin with a rule or a paragraph with text");
        return;
    }
    text.push_back(style);
    text.push_back(indent);
    text.insert(text.end(), body.begin(), body.end());
    text.push_back(0);
}

void AppendEscaped(std::string* out, const LessonParagraph& p) {
    char escape[8];
    for (size_t i = 0; i < p.length; ++i) {
        const uint8_t b = p.body[i];
        const bool last = i + 1 == p.length;
        if (b == '\\') {
            *out += "\\\\";
        } else if (b < 0x20 || b == 0x7F || (b >= 0x80 && b <= 0x9F) || (b == ' ' && last)) {
            std::snprintf(escape, sizeof escape, "\\x%02X", b);
            *out += escape;
        } else {
            AppendLatin1AsUtf8(out, &b, 1);
        }
    }
}

std::string KindName(uint8_t style, uint8_t indent) {
    for (const ParagraphKind& kind : kKinds)
        if (kind.style == style && kind.indent == indent) return kind.name;
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X/%02X", style, indent);
    return hex;
}

}  // namespace

std::string SourcePlace(const std::string& file, int line) { return file + ":" + std::to_string(line) + ": "; }

void ParseBookSource(const std::string& file, const std::string& content, Book* book,
                     std::vector<std::string>* problems) {
    ParseState s;
    s.file = &file;
    s.book = book;
    s.problems = problems;
    int lineNumber = 0;
    // Editors on Windows often start a UTF-8 file with a byte-order mark.
    const size_t first = content.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    for (size_t start = first; start < content.size();) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(' ') == std::string::npos || line[0] == '#') continue;
        int number = 0;
        if (line[0] == '@') {
            if (ParseDirective(line, "@month", &number)) {
                StartMonth(&s, lineNumber, number);
            } else if (ParseDirective(line, "@day", &number) && line.find(' ', 5) == std::string::npos) {
                StartDay(&s, lineNumber, number);
            } else {
                Problem(&s, lineNumber, "expected \"@month N [name]\" or \"@day N\"");
            }
        } else if (line[0] == ' ') {
            Problem(&s, lineNumber, "a paragraph line must begin with its kind");
        } else {
            AddParagraph(&s, lineNumber, line);
        }
    }
    FinishEntry(&s);
}

void CheckBookComplete(const Book& book, std::vector<std::string>* problems) {
    for (int month = 1; month <= kLessonMonths; ++month) {
        const BookMonth& m = book.months[size_t(month - 1)];
        if (m.line == 0) {
            problems->push_back("lesson month " + std::to_string(month) + " (" + LessonMonthName(month) +
                                ") has no source: no file has \"@month " + std::to_string(month) + "\"");
            continue;
        }
        for (size_t d = 0; d < m.days.size(); ++d) {
            if (m.days[d].line == 0)
                problems->push_back(SourcePlace(m.file, m.line) + LessonMonthName(month) + " has no day " +
                                    std::to_string(d + 1));
        }
    }
}

bool WriteBookEntry(int lessonMonth, int day, const std::vector<uint8_t>& text, std::string* source,
                    std::string* error) {
    std::vector<LessonParagraph> paragraphs;
    const size_t end = SplitLessonText(text.data(), text.size(), &paragraphs);
    if (end == 0 || paragraphs.empty() || end + 2 != text.size() || text[end] != 0 || text[end + 1] != 0) {
        *error = std::string(LessonMonthName(lessonMonth)) + " day " + std::to_string(day) +
                 " does not end in its end marker and two zero bytes";
        return false;
    }
    *source += "\n@day " + std::to_string(day) + "\n";
    for (const LessonParagraph& p : paragraphs) {
        *source += KindName(p.style, p.indent);
        if (p.length > 0) {
            *source += ' ';
            AppendEscaped(source, p);
        }
        *source += '\n';
    }
    return true;
}

bool WriteBookSource(int lessonMonth, const std::vector<std::vector<uint8_t>>& texts,
                     std::string* source, std::string* error) {
    *source += "@month " + std::to_string(lessonMonth) + " " + LessonMonthName(lessonMonth) + "\n";
    for (size_t d = 0; d < texts.size(); ++d)
        if (!WriteBookEntry(lessonMonth, int(d) + 1, texts[d], source, error)) return false;
    return true;
}
