// The lesson compression: known decodings, damaged data, and round trips of
// the encoder through the decoder on the book and on texts made to use every
// kind of code.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "lessons/lesson_codec.h"
#include "lessons/lesson_encoder.h"
#include "tests/unit/book_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes B(std::initializer_list<int> values) {
    Bytes b;
    for (int v : values) b.push_back(uint8_t(v));
    return b;
}

Bytes S(const std::string& s) { return Bytes(s.begin(), s.end()); }

// Decodes into exactly `length` bytes; false when the decoder refuses.
bool Decode(const Bytes& in, size_t length, Bytes* out, size_t* consumed = nullptr) {
    out->assign(length + 1, 0xEE);
    size_t used = 0;
    const bool ok = DecodeLessonBytes(in.data(), in.size(), out->data(), length, &used);
    EXPECT_EQ(out->back(), 0xEE) << "wrote past the text";
    out->pop_back();
    if (consumed != nullptr) *consumed = used;
    return ok;
}

struct KnownDecoding {
    const char* what;
    Bytes in;
    Bytes text;
};

TEST(LessonDecoder, KnownDecodings) {
    const KnownDecoding cases[] = {
        {"plain bytes", B({'A', 0x00, 0x09, 0x7F}), B({'A', 0x00, 0x09, 0x7F})},
        {"literal run of high and low bytes", B({0x03, 0x85, 0x01, 0xFF}), B({0x85, 0x01, 0xFF})},
        {"space pair", B({'a', 0xC1, 0xFF}), B({'a', ' ', 'A', ' ', 0x7F})},
        // v = 0x8000 | distance 1 << 3 | length 10 - 3: the last byte ten times.
        {"distance shorter than length", B({'x', 0x80, 0x0F}), S("xxxxxxxxxxx")},
        {"distance 2, length 5", B({'a', 'b', 0x80, 0x12}), S("abababa")},
        {"longest distance", [] {
             Bytes in{0x01, '#'};
             for (int i = 0; i < 2046; ++i) in.push_back('.');
             in.push_back(0xBF);  // distance 2047 << 3 | 0: length 3
             in.push_back(0xF8);
             return in;
         }(),
         [] {
             Bytes t{'#'};
             t.insert(t.end(), 2046, '.');
             t.insert(t.end(), {'#', '.', '.'});
             return t;
         }()},
    };
    for (const KnownDecoding& c : cases) {
        Bytes out;
        EXPECT_TRUE(Decode(c.in, c.text.size(), &out)) << c.what;
        EXPECT_EQ(out, c.text) << c.what;
    }
}

TEST(LessonDecoder, StopsWritingWhenTheTextIsFull) {
    Bytes out;
    // A pair with one place left writes only the space.
    EXPECT_TRUE(Decode(B({'a', 0xC1}), 2, &out));
    EXPECT_EQ(out, S("a "));
    // A back reference and a literal run are cut short.
    EXPECT_TRUE(Decode(B({'x', 0x80, 0x0F}), 4, &out));
    EXPECT_EQ(out, S("xxxx"));
    size_t consumed = 0;
    EXPECT_TRUE(Decode(B({0x05, 'a', 'b', 'c', 'd', 'e'}), 2, &out, &consumed));
    EXPECT_EQ(out, S("ab"));
    // Surplus input after a full text is ignored.
    EXPECT_TRUE(Decode(B({'o', 'k', 'z', 'z', 0x08}), 2, &out, &consumed));
    EXPECT_EQ(out, S("ok"));
    EXPECT_EQ(consumed, 2u);
}

TEST(LessonDecoder, RefusesTruncatedOrDamagedData) {
    const struct {
        const char* what;
        Bytes in;
        size_t length;
    } cases[] = {
        {"input ends before the text is full", S("abc"), 4},
        {"empty input", Bytes(), 1},
        {"literal run past the end", B({0x04, 'a', 'b'}), 4},
        {"back reference without its second byte", B({'a', 'b', 'c', 0x80}), 6},
        {"distance reaching before the text", B({'a', 0x80, 0x10}), 4},
        {"distance 0", B({'a', 0x80, 0x00}), 4},
        {"distance of the whole window with no text", B({0xBF, 0xFF}), 10},
    };
    for (const auto& c : cases) {
        Bytes out;
        EXPECT_FALSE(Decode(c.in, c.length, &out)) << c.what;
    }
}

void ExpectRoundTrip(const Bytes& text, const std::string& what) {
    const Bytes best = CompressLesson(text.data(), text.size());
    const Bytes greedy = CompressLessonGreedy(text.data(), text.size());
    for (const Bytes* packed : {&best, &greedy}) {
        Bytes out;
        size_t consumed = 0;
        ASSERT_TRUE(Decode(*packed, text.size(), &out, &consumed)) << what;
        ASSERT_EQ(out, text) << what;
        EXPECT_EQ(consumed, packed->size()) << what << ": every compressed byte is used";
    }
    EXPECT_LE(best.size(), greedy.size()) << what;
}

TEST(LessonEncoder, RoundTripsTheWholeBook) {
    const BookTexts texts = [] {
        BookTexts t;
        std::vector<std::string> problems;
        EXPECT_TRUE(DecodeContainerSet(ShippedContainers(), &t, &problems));
        return t;
    }();
    size_t records = 0;
    for (const auto& month : texts)
        for (const Bytes& text : month) {
            ExpectRoundTrip(text, "book record " + std::to_string(++records));
        }
    EXPECT_EQ(records, 414u);
}

TEST(LessonEncoder, RoundTripsTextsThatUseEveryCode) {
    std::mt19937 random(20261208);
    std::map<std::string, Bytes> texts;
    Bytes all;
    for (int b = 0; b < 256; ++b) all.push_back(uint8_t(b));
    texts["every byte value"] = all;
    Bytes escapes;
    for (int i = 0; i < 3000; ++i) escapes.push_back(uint8_t(i % 3 == 0 ? 1 + random() % 8 : 0x80 + random() % 128));
    texts["bytes 0x01-0x08 and 0x80-0xFF"] = escapes;
    texts["long run"] = Bytes(20000, 'a');
    texts["long run of zeros"] = Bytes(5000, 0);
    Bytes pairs;
    for (int i = 0; i < 4000; ++i) {
        pairs.push_back(' ');
        pairs.push_back(uint8_t(0x20 + random() % 0xE0));
    }
    texts["spaces before bytes 0x20-0xFF"] = pairs;
    Bytes far;
    for (int i = 0; i < 6000; ++i) far.push_back(uint8_t('a' + (i % 2047) % 26 + (i / 2047) % 3));
    texts["matches at the window's edge"] = far;
    Bytes noise;
    for (int i = 0; i < 10000; ++i) noise.push_back(uint8_t(random()));
    texts["random bytes"] = noise;
    Bytes words;
    const char* vocabulary[] = {"the ", "LORD ", "Selah. ", "\xB7 ", "praise ", "O ", "\xE9t\xE9 "};
    for (int i = 0; i < 3000; ++i) {
        const std::string w = vocabulary[random() % 7];
        words.insert(words.end(), w.begin(), w.end());
    }
    texts["words"] = words;
    texts["one byte"] = B({0x85});
    texts["empty"] = Bytes();
    for (const auto& [what, text] : texts) ExpectRoundTrip(text, what);
}

// Fewest bytes any parse can take, by exhaustive search over every code and
// every match distance (not only the longest match).
size_t ExhaustiveCost(const Bytes& t, size_t i, std::map<size_t, size_t>* memo) {
    if (i == t.size()) return 0;
    if (auto it = memo->find(i); it != memo->end()) return it->second;
    size_t best = SIZE_MAX;
    auto take = [&](size_t n, size_t bytes) { best = std::min(best, bytes + ExhaustiveCost(t, i + n, memo)); };
    if (t[i] == 0 || (t[i] >= 9 && t[i] < 0x80)) take(1, 1);
    if (t[i] == ' ' && i + 1 < t.size() && t[i + 1] >= 0x40 && t[i + 1] < 0x80) take(2, 1);
    for (size_t n = 1; n <= 8 && i + n <= t.size(); ++n) take(n, n + 1);
    for (size_t d = 1; d <= i && d <= 2047; ++d)
        for (size_t n = 3; n <= 10 && i + n <= t.size(); ++n) {
            bool same = true;
            for (size_t k = 0; k < n && same; ++k) same = t[i + k - d] == t[i + k];
            if (same) take(n, 2);
        }
    (*memo)[i] = best;
    return best;
}

TEST(LessonEncoder, FindsTheSmallestParse) {
    std::mt19937 random(7);
    const uint8_t alphabet[] = {'a', 'b', ' ', 'A', 0x85, 0x03};
    for (int round = 0; round < 300; ++round) {
        Bytes text;
        const size_t length = 1 + random() % 40;
        for (size_t i = 0; i < length; ++i) text.push_back(alphabet[random() % (round % 2 ? 3 : 6)]);
        std::map<size_t, size_t> memo;
        EXPECT_EQ(CompressLesson(text.data(), text.size()).size(), ExhaustiveCost(text, 0, &memo))
            << "round " << round;
    }
}

TEST(LessonEncoder, BeatsTheGreedyParseOnTheBook) {
    size_t best = 0, greedy = 0;
    for (const BookMonth& month : ShippedBook().months)
        for (const BookEntry& e : month.days) {
            best += CompressLesson(e.text.data(), e.text.size()).size();
            greedy += CompressLessonGreedy(e.text.data(), e.text.size()).size();
        }
    EXPECT_LT(best, greedy);
}

}  // namespace
