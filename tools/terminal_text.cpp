// A lesson text for a terminal.
#include "tools/terminal_text.h"

#include <algorithm>
#include <vector>

#include "lessons/lesson_text.h"
#include "lessons/lesson_utf8.h"

namespace {

constexpr int kPixelsPerColumn = 8;

// Splits a body into words at spaces (runs of spaces count as one break).
std::vector<std::string> Words(const uint8_t* body, size_t length) {
    std::vector<std::string> words;
    std::string word;
    for (size_t i = 0; i <= length; ++i) {
        if (i == length || body[i] == ' ') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            AppendLatin1AsUtf8(&word, body + i, 1);
        }
    }
    return words;
}

size_t Columns(const std::string& utf8) {
    return size_t(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (uint8_t(c) & 0xC0) != 0x80; }));
}

void PutLine(std::string* out, const std::string& line, size_t margin, uint8_t style, int columns) {
    size_t pad = margin;
    const size_t width = Columns(line) + margin;
    if (size_t(columns) > width) {
        if ((style & kStyleAlignMask) == kStyleAlignCentre) pad += (size_t(columns) - width) / 2;
        if ((style & kStyleAlignMask) == kStyleAlignRight) pad += size_t(columns) - width;
    }
    *out += std::string(pad, ' ') + line + "\n";
}

void PutParagraph(std::string* out, const LessonParagraph& p, int columns) {
    const size_t indent = (p.indent & kIndentPixelsMask) / kPixelsPerColumn;
    std::vector<std::string> words = Words(p.body, p.length);
    const int level = LabelLevel(p.indent);
    std::string label;
    size_t hang = indent;
    if (level > 0 && !words.empty() && p.body[0] != ' ') {
        label = words.front();
        words.erase(words.begin());
        hang = indent + std::max(Columns(label) + 1, size_t(level) + 2);
    } else if (level > 0) {
        hang = indent + size_t(level) + 2;
    }
    std::string line = label.empty() ? "" : label + std::string(hang - indent - Columns(label), ' ');
    size_t margin = indent;
    for (const std::string& word : words) {
        const size_t used = margin + Columns(line);
        if (Columns(line) > 0 && used + 1 + Columns(word) > size_t(columns) && used > hang) {
            PutLine(out, line, margin, p.style, columns);
            line.clear();
            margin = hang;
        }
        if (!line.empty() && line.back() != ' ') line += ' ';
        line += word;
    }
    if (!line.empty()) PutLine(out, line, margin, p.style, columns);
}

}  // namespace

std::string LessonTerminalText(const uint8_t* text, size_t size, int columns) {
    std::vector<LessonParagraph> paragraphs;
    SplitLessonText(text, size, &paragraphs);
    std::string out;
    for (const LessonParagraph& p : paragraphs) {
        if (IsRule(p.style)) {
            if (p.indent == 0) continue;
            const int width = p.indent <= 160 ? p.indent / kPixelsPerColumn
                                              : RulePixelWidth(p.indent, columns);
            PutLine(&out, std::string(size_t(std::clamp(width, 1, columns)), '-'), 0, p.style, columns);
        } else {
            if (p.length == 0) continue;
            PutParagraph(&out, p, columns);
        }
        if (p.style & kStyleBlankAfter) out += "\n";
    }
    return out;
}
