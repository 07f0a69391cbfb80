// The compression of lesson texts: an LZ77 scheme over 8-bit text whose code
// bytes are literal runs, plain bytes, space+byte pairs and short back
// references. One record decompresses on its own.
//
// Code byte b:
//   0x01..0x08        the next b input bytes, copied unchanged
//   0x00, 0x09..0x7F  the byte itself
//   0x80..0xBF        back reference with the next byte b2: v = b * 256 + b2,
//                     distance (v >> 3) & 0x7FF, length (v & 7) + 3; copied a
//                     byte at a time, so a short distance repeats bytes
//   0xC0..0xFF        a space followed by b ^ 0x80
#pragma once

#include <cstddef>
#include <cstdint>

constexpr size_t kMinMatchLength = 3;
constexpr size_t kMaxMatchLength = 10;
constexpr size_t kMaxMatchDistance = 2047;
constexpr size_t kMaxLiteralRun = 8;

// Decompresses the `inLength` bytes at `in` into exactly `textLength` bytes at
// `out`. Returns true when all `textLength` bytes were produced (surplus input
// is left unread; `*consumed`, when given, gets the number of bytes read).
// Returns false when the input runs out first, or when the data is damaged: a
// literal run or a back reference's second byte lying past `inLength`, or a
// back reference reaching before the first output byte. Never reads or
// writes outside the two buffers.
bool DecodeLessonBytes(const uint8_t* in, size_t inLength, uint8_t* out, size_t textLength,
                       size_t* consumed);
