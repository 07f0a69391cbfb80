#include "tests/bench/bench_book.h"

#include <cstdlib>
#include <cstring>
#include <string>

const BenchBook& TheBook() {
    static const BenchBook book = [] {
        BenchBook b;
        std::vector<std::string> problems;
        if (!LoadContainersFrom(std::string(VARIDEL_SOURCE_DIR) + "/resources/book", &b.containers, &problems) ||
            !DecodeContainerSet(b.containers, &b.texts, &problems)) {
            std::abort();
        }
        for (const auto& month : b.texts)
            for (const auto& text : month) b.textBytes += text.size();
        return b;
    }();
    return book;
}

const std::vector<uint8_t>& LongestLessonText() {
    const BookTexts& texts = TheBook().texts;
    const std::vector<uint8_t>* longest = &texts[0][0];
    for (const auto& month : texts)
        for (const auto& text : month)
            if (text.size() > longest->size()) longest = &text;
    return *longest;
}

char* CopyOfText(const std::vector<uint8_t>& text) {
    char* bytes = static_cast<char*>(std::malloc(text.size()));
    std::memcpy(bytes, text.data(), text.size());
    return bytes;
}
