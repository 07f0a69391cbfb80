// Lesson containers: one per lesson month, a big-endian header (body length,
// format mark 1, record count) followed by one compressed record per day in
// day order and an end marker of four zero bytes; an odd-sized container gets
// one zero byte of padding. A record is its compressed length C, its text
// length U (both 16-bit) and C bytes of compressed text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "lessons/lesson_key.h"

// Failure codes of the lesson loader.
constexpr int kLessonNoContainer = 1;   // no container for the key's month
constexpr int kLessonUnloadable = 2;    // container empty or unloadable, or out of memory
constexpr int kLessonNoRecord = 3;      // no record for the key's day
constexpr int kLessonNoText = 4;        // the record declares an empty text
constexpr int kLessonDamaged = 5;       // the compressed data does not make the text

constexpr int kFirstContainerId = 1001;
constexpr int kContainerCount = 14;
constexpr size_t kContainerHeaderSize = 6;
constexpr size_t kRecordHeadSize = 4;
constexpr uint16_t kContainerFormatMark = 1;

// Records in the container of a lesson month (1..14): 29 or 30.
int RecordsInLessonMonth(int lessonMonth);

uint16_t ReadBigEndian16(const uint8_t* p);

// One record found in a container. `available` is how many of its C
// compressed bytes the container really holds (fewer only when damaged).
struct LessonRecord {
    const uint8_t* data;
    size_t available;
    uint16_t compressedLength;
    uint16_t textLength;
};

// Walks the records of the container at `bytes` (`size` bytes) to record
// `index` (day - 1). Returns 0 and fills `record`, or kLessonNoRecord for a
// negative index, a body shorter than five bytes, or an index at or past the
// end marker. The walk never leaves the `size` bytes, whatever the header says.
int FindLessonRecord(const uint8_t* bytes, size_t size, int index, LessonRecord* record);

// Zero bytes after a loaded text: its terminator and two more, so that a
// damaged text ending in a lone style byte still leaves every paragraph walk
// a terminator and an end marker inside the buffer.
constexpr size_t kLessonTextZeros = 3;

// Decompresses `record` into a new buffer of U + kLessonTextZeros bytes that
// the caller releases with free(). Returns 0 and sets `*text`, or
// kLessonNoText, kLessonUnloadable (no memory) or kLessonDamaged; shows no
// message.
int DecodeLessonRecord(const LessonRecord& record, char** text);
