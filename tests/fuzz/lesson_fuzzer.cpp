// Fuzz target: damaged containers through the record walk, the decoder and
// the container checks. The first input byte picks the record; the rest is
// the container.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "lessons/book_compiler.h"
#include "lessons/core_message.h"
#include "lessons/lesson_loader.h"
#include "lessons/lesson_platform_posix.h"
#include "lessons/lesson_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const int index = data[0] % 32;
    const uint8_t* container = data + 1;
    const size_t length = size - 1;
    int code = 0;
    char* text = LoadLessonFromContainer(container, length, index, &code);
    if (text != nullptr) {
        LessonRecord record;
        if (FindLessonRecord(container, length, index, &record) != 0 || text[record.textLength] != 0) std::abort();
        std::vector<LessonParagraph> paragraphs;
        SplitLessonText(reinterpret_cast<const uint8_t*>(text), size_t(record.textLength) + 1, &paragraphs);
        std::free(text);
    } else if (code < kLessonNoContainer || code > kLessonDamaged) {
        std::abort();
    }
    TakeCoreMessages();
    ContainerSet set;
    set[static_cast<size_t>(data[0]) % set.size()].assign(container, container + length);
    std::vector<std::string> problems;
    VerifyContainerSet(set, &problems);
    return 0;
}
