// LoadLessonText: the day's lesson text from the program's own containers.
#pragma once

#include <cstddef>
#include <cstdint>

#include "lessons/lesson_container.h"
#include "lessons/lesson_key.h"

// The text of the lesson named by `key`: a new buffer of the text and
// kLessonTextZeros zero bytes that the caller releases with free(), or null.
// On failure the code (kLessonNoContainer .. kLessonDamaged) is stored in
// `*errorOut` when it is given; on success `*errorOut` is left alone. Key 0
// gives null and no code. Damaged compressed data also shows
// "UnCompress() buffer error!".
char* LoadLessonText(LessonKey key, int* errorOut);

// The same for record `index` of a container already in memory.
char* LoadLessonFromContainer(const uint8_t* bytes, size_t size, int index, int* errorOut);

// The platform service of the loader (lesson_platform_win32.cpp in the
// program, lesson_platform_posix.cpp in the native build).

// The bytes of container `id` (1001..1014): 0 with `*bytes` and `*size` set,
// kLessonNoContainer when there is none, kLessonUnloadable when it is empty
// or cannot be loaded. The bytes stay valid for the life of the process.
int LessonContainerBytes(int id, const uint8_t** bytes, size_t* size);

extern const char kUnCompressMessage[];
