// Walking lesson containers and decoding their records.
#include "lessons/lesson_container.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "lessons/lesson_codec.h"

int RecordsInLessonMonth(int lessonMonth) {
    switch (lessonMonth) {
    case 2: case 4: case 6: case 10: case 13: case 14:
        return 29;
    default:
        return 30;
    }
}

uint16_t ReadBigEndian16(const uint8_t* p) { return uint16_t((p[0] << 8) | p[1]); }

int FindLessonRecord(const uint8_t* bytes, size_t size, int index, LessonRecord* record) {
    if (index < 0 || size < kContainerHeaderSize) return kLessonNoRecord;
    const size_t bodyLength = ReadBigEndian16(bytes);
    if (bodyLength < 5) return kLessonNoRecord;
    // A header that claims more than the container holds is believed only as
    // far as the bytes go.
    size_t remaining = std::min(bodyLength, size - kContainerHeaderSize);
    const uint8_t* p = bytes + kContainerHeaderSize;
    while (remaining > kRecordHeadSize) {
        const uint16_t compressed = ReadBigEndian16(p);
        if (compressed == 0) return kLessonNoRecord;
        if (index == 0) {
            // The body length only bounds the walk: the chosen record may use
            // every byte the container holds.
            record->data = p + kRecordHeadSize;
            record->available = std::min<size_t>(compressed, size_t(bytes + size - record->data));
            record->compressedLength = compressed;
            record->textLength = ReadBigEndian16(p + 2);
            return 0;
        }
        --index;
        const size_t step = size_t(compressed) + kRecordHeadSize;
        if (step >= remaining) return kLessonNoRecord;
        p += step;
        remaining -= step;
    }
    return kLessonNoRecord;
}

int DecodeLessonRecord(const LessonRecord& record, char** text) {
    if (record.textLength == 0) return kLessonNoText;
    uint8_t* buffer = static_cast<uint8_t*>(std::malloc(size_t(record.textLength) + kLessonTextZeros));
    if (buffer == nullptr) return kLessonUnloadable;
    if (!DecodeLessonBytes(record.data, record.available, buffer, record.textLength, nullptr)) {
        std::free(buffer);
        return kLessonDamaged;
    }
    std::memset(buffer + record.textLength, 0, kLessonTextZeros);
    *text = reinterpret_cast<char*>(buffer);
    return 0;
}
