// Walking, decoding and writing lesson containers, and the joined records of
// the common-year Adar.
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

namespace {

void PutBigEndian16(std::vector<uint8_t>* out, size_t value) {
    out->push_back(uint8_t(value >> 8));
    out->push_back(uint8_t(value & 0xFF));
}

}  // namespace

int BuildLessonContainer(const std::vector<std::vector<uint8_t>>& texts,
                         std::vector<uint8_t>* container, size_t* failedIndex) {
    std::vector<uint8_t> body;
    for (size_t i = 0; i < texts.size(); ++i) {
        *failedIndex = i;
        const std::vector<uint8_t>& text = texts[i];
        if (text.empty()) return kContainerTextEmpty;
        if (text.size() > 0xFFFF) return kContainerTextTooLong;
        const std::vector<uint8_t> compressed = CompressLesson(text.data(), text.size());
        if (compressed.size() > 0xFFFF) return kContainerRecordTooLong;
        PutBigEndian16(&body, compressed.size());
        PutBigEndian16(&body, text.size());
        body.insert(body.end(), compressed.begin(), compressed.end());
        if (body.size() + kRecordHeadSize > 0xFFFF) return kContainerBodyTooLong;
    }
    body.insert(body.end(), kRecordHeadSize, 0);
    container->clear();
    PutBigEndian16(container, body.size());
    PutBigEndian16(container, kContainerFormatMark);
    PutBigEndian16(container, texts.size());
    container->insert(container->end(), body.begin(), body.end());
    if (container->size() % 2 != 0) container->push_back(0);
    return 0;
}

std::vector<uint8_t> JoinLessonTexts(const std::vector<const std::vector<uint8_t>*>& texts) {
    static const uint8_t kJoint[3] = {0xC7, 0xD2, 0x00};
    std::vector<uint8_t> joined;
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::vector<uint8_t>& text = *texts[i];
        if (i + 1 == texts.size()) {
            joined.insert(joined.end(), text.begin(), text.end());
        } else {
            joined.insert(joined.end(), text.begin(), text.end() - std::min<size_t>(3, text.size()));
            joined.insert(joined.end(), kJoint, kJoint + 3);
        }
    }
    return joined;
}

std::vector<LessonKey> CommonAdarParts(int day) {
    if (day == 29) return {MakeLessonKey(12, 29), MakeLessonKey(12, 30), MakeLessonKey(13, 29)};
    return {MakeLessonKey(12, day), MakeLessonKey(13, day)};
}
