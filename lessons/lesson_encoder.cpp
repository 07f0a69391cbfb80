// Lesson compression, the book compiler's side of the codec. It finds, at
// every position, the longest earlier match (hash chains over three-byte
// prefixes), then picks the cheapest way through the text by dynamic
// programming from its end.
#include "lessons/lesson_encoder.h"

#include <algorithm>
#include <cstring>

#include "lessons/lesson_codec.h"

namespace {

bool IsPlainByte(uint8_t b) { return b == 0x00 || (b >= 0x09 && b <= 0x7F); }

bool IsPairAt(const uint8_t* text, size_t length, size_t i) {
    return text[i] == ' ' && i + 1 < length && text[i + 1] >= 0x40 && text[i + 1] <= 0x7F;
}

// Longest match (capped at kMaxMatchLength) of each position against the
// kMaxMatchDistance bytes before it; length 0 when shorter than three.
struct Matches {
    std::vector<uint8_t> length;
    std::vector<uint16_t> distance;
};

constexpr int kHashBits = 14;

uint32_t HashAt(const uint8_t* p) {
    const uint32_t v = (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
    return (v * 2654435761u) >> (32 - kHashBits);
}

Matches FindMatches(const uint8_t* text, size_t length) {
    Matches m;
    m.length.assign(length, 0);
    m.distance.assign(length, 0);
    if (length < kMinMatchLength) return m;
    std::vector<int32_t> head(size_t(1) << kHashBits, -1);
    std::vector<int32_t> previous(length, -1);
    for (size_t i = 0; i + kMinMatchLength <= length; ++i) {
        const uint32_t h = HashAt(text + i);
        const size_t cap = std::min(kMaxMatchLength, length - i);
        size_t best = 0;
        for (int32_t j = head[h]; j >= 0 && i - size_t(j) <= kMaxMatchDistance; j = previous[j]) {
            size_t n = 0;
            while (n < cap && text[size_t(j) + n] == text[i + n]) ++n;
            if (n > best) {
                best = n;
                m.distance[i] = uint16_t(i - size_t(j));
                if (best == cap) break;
            }
        }
        if (best >= kMinMatchLength) m.length[i] = uint8_t(best);
        previous[i] = head[h];
        head[h] = int32_t(i);
    }
    return m;
}

enum class Code : uint8_t { Plain, Pair, Literal, Match };

struct Step {
    Code code;
    uint8_t length;  // bytes of text the code produces
};

void EmitStep(const uint8_t* text, size_t i, Step step, uint16_t distance,
              std::vector<uint8_t>* out) {
    switch (step.code) {
    case Code::Plain:
        out->push_back(text[i]);
        break;
    case Code::Pair:
        out->push_back(text[i + 1] ^ 0x80);
        break;
    case Code::Literal:
        out->push_back(step.length);
        out->insert(out->end(), text + i, text + i + step.length);
        break;
    case Code::Match: {
        const uint16_t v = uint16_t(0x8000 | (distance << 3) | (step.length - kMinMatchLength));
        out->push_back(uint8_t(v >> 8));
        out->push_back(uint8_t(v & 0xFF));
        break;
    }
    }
}

}  // namespace

std::vector<uint8_t> CompressLesson(const uint8_t* text, size_t length) {
    const Matches matches = FindMatches(text, length);
    // cost[i]: fewest compressed bytes that produce text[i..length).
    std::vector<uint32_t> cost(length + 1, 0);
    std::vector<Step> step(length);
    for (size_t i = length; i-- > 0;) {
        uint32_t best = UINT32_MAX;
        auto consider = [&](Code code, size_t n, uint32_t bytes) {
            if (bytes + cost[i + n] < best) {
                best = bytes + cost[i + n];
                step[i] = {code, uint8_t(n)};
            }
        };
        if (IsPlainByte(text[i])) consider(Code::Plain, 1, 1);
        if (IsPairAt(text, length, i)) consider(Code::Pair, 2, 1);
        for (size_t n = matches.length[i]; n >= kMinMatchLength; --n) consider(Code::Match, n, 2);
        for (size_t n = 1; n <= kMaxLiteralRun && i + n <= length; ++n)
            consider(Code::Literal, n, uint32_t(n + 1));
        cost[i] = best;
    }
    std::vector<uint8_t> out;
    out.reserve(length == 0 ? 0 : cost[0]);
    for (size_t i = 0; i < length; i += step[i].length)
        EmitStep(text, i, step[i], matches.distance[i], &out);
    return out;
}

std::vector<uint8_t> CompressLessonGreedy(const uint8_t* text, size_t length) {
    const Matches matches = FindMatches(text, length);
    std::vector<uint8_t> out;
    size_t i = 0;
    while (i < length) {
        Step step;
        if (matches.length[i] >= kMinMatchLength) {
            step = {Code::Match, matches.length[i]};
        } else if (IsPairAt(text, length, i)) {
            step = {Code::Pair, 2};
        } else if (IsPlainByte(text[i])) {
            step = {Code::Plain, 1};
        } else {
            size_t n = 1;
            while (n < kMaxLiteralRun && i + n < length && !IsPlainByte(text[i + n])) ++n;
            step = {Code::Literal, uint8_t(n)};
        }
        EmitStep(text, i, step, matches.distance[i], &out);
        i += step.length;
    }
    return out;
}
