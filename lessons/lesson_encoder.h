// Lesson compression for the book compiler: the reader itself only decodes
// (lessons/lesson_codec.h describes the code bytes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The smallest compressed form of `text` the scheme allows: a shortest-path
// parse over every code at every position.
std::vector<uint8_t> CompressLesson(const uint8_t* text, size_t length);

// The plain greedy parse (longest match first, then pairs, plain bytes and
// runs of bytes that need a literal run), kept to measure the parse above.
std::vector<uint8_t> CompressLessonGreedy(const uint8_t* text, size_t length);
