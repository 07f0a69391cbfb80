// Paragraph walk over lesson texts.
#include "lessons/lesson_paragraphs.h"

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

int RuleTextWidth(uint8_t width) { return width <= 160 ? width : (width - 160) * 2; }
