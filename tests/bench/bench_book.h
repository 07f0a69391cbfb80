// The book as the benchmarks use it: the shipped containers, read from the
// source tree and decoded once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "lessons/book_files.h"

struct BenchBook {
    ContainerSet containers;
    BookTexts texts;
    size_t textBytes = 0;
};

const BenchBook& TheBook();

// The longest lesson's text.
const std::vector<uint8_t>& LongestLessonText();

// A copy of a lesson's text in a malloc'ed block, as a pane takes it.
char* CopyOfText(const std::vector<uint8_t>& text);
