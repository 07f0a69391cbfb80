// Lesson text as UTF-8, as the book's sources and the book tool write it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Appends lesson bytes as UTF-8: byte b is the character U+00bb.
void AppendLatin1AsUtf8(std::string* out, const uint8_t* bytes, size_t count);
