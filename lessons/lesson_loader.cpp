// Fetching one lesson: container, record walk, decompression.
#include "lessons/lesson_loader.h"

#include "lessons/core_message.h"

const char kUnCompressMessage[] = "UnCompress() buffer error!";

namespace {

char* Fail(int code, int* errorOut) {
    if (errorOut != nullptr) *errorOut = code;
    return nullptr;
}

}  // namespace

char* LoadLessonFromContainer(const uint8_t* bytes, size_t size, int index, int* errorOut) {
    LessonRecord record;
    int code = FindLessonRecord(bytes, size, index, &record);
    if (code != 0) return Fail(code, errorOut);
    char* text = nullptr;
    code = DecodeLessonRecord(record, &text);
    if (code == kLessonDamaged) ShowCoreMessage(kUnCompressMessage, MessageOwner::None);
    if (code != 0) return Fail(code, errorOut);
    return text;
}

char* LoadLessonText(LessonKey key, int* errorOut) {
    const int k = int(key) - 1;
    if (k < 0) return nullptr;
    const int id = 1000 + ((k >> 8) & 0xFF);
    const uint8_t* bytes = nullptr;
    size_t size = 0;
    const int code = LessonContainerBytes(id, &bytes, &size);
    if (code != 0) return Fail(code, errorOut);
    return LoadLessonFromContainer(bytes, size, k & 0xFF, errorOut);
}
