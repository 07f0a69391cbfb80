// The lesson text format: rules, words and the paragraph walk.
#include "lessons/lesson_text.h"

#include <cstring>

int32_t RulePixelWidth(uint8_t width, int32_t frameWidth) {
    return RuleWidthIsPixels(width) ? width : (width - 160) * frameWidth * 2 / 100;
}

int RuleTextWidth(uint8_t width) { return RuleWidthIsPixels(width) ? width : (width - 160) * 2; }

int32_t WordLength(const char* p) {
    int32_t n = 0;
    while (p[n] != 0 && p[n] != ' ') ++n;
    return n;
}

const char* NextParagraph(const char* paragraph) {
    const char* body = paragraph + 2;
    return body + strlen(body) + 1;
}

size_t SplitLessonText(const uint8_t* text, size_t size, std::vector<LessonParagraph>* paragraphs) {
    paragraphs->clear();
    size_t i = 0;
    while (i < size) {
        if (text[i] == 0) return i + 1;
        if (i + 1 >= size) return 0;
        LessonParagraph p{text[i], text[i + 1], text + i + 2, 0};
        size_t end = i + 2;
        while (end < size && text[end] != 0) ++end;
        if (end >= size) return 0;
        p.length = end - (i + 2);
        paragraphs->push_back(p);
        i = end + 1;
    }
    return 0;
}

