// Lesson decompression, the reader's side of the codec.
#include "lessons/lesson_codec.h"

#include <algorithm>
#include <cstring>

bool DecodeLessonBytes(const uint8_t* in, size_t inLength, uint8_t* out, size_t textLength,
                       size_t* consumed) {
    size_t i = 0;
    size_t o = 0;
    bool damaged = false;
    while (o < textLength && i < inLength) {
        const uint8_t b = in[i++];
        if (b >= 0x01 && b <= 0x08) {
            const size_t n = std::min<size_t>(b, textLength - o);
            if (n > inLength - i) {
                damaged = true;
                break;
            }
            std::memcpy(out + o, in + i, n);
            i += n;
            o += n;
        } else if (b < 0x80) {
            out[o++] = b;
        } else if (b < 0xC0) {
            if (i >= inLength) {
                damaged = true;
                break;
            }
            const unsigned v = (unsigned(b) << 8) | in[i++];
            const size_t distance = (v >> 3) & 0x7FF;
            const size_t n = std::min<size_t>((v & 7) + 3, textLength - o);
            if (distance == 0 || distance > o) {
                damaged = true;
                break;
            }
            for (size_t k = 0; k < n; ++k, ++o) out[o] = out[o - distance];
        } else {
            out[o++] = ' ';
            if (o < textLength) out[o++] = b ^ 0x80;
        }
    }
    if (consumed != nullptr) *consumed = i;
    return !damaged && o == textLength;
}
