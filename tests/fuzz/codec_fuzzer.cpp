// Fuzz target: any bytes compress (best and greedy parse) to data that
// decompresses back exactly, and any bytes read as book source give problems
// or entries, never a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "lessons/book_source.h"
#include "lessons/lesson_codec.h"
#include "lessons/lesson_encoder.h"

namespace {

void RoundTrip(const std::vector<uint8_t>& packed, const uint8_t* data, size_t size) {
    std::vector<uint8_t> out(size + 1, 0xA5);
    size_t consumed = 0;
    if (!DecodeLessonBytes(packed.data(), packed.size(), out.data(), size, &consumed) || consumed != packed.size() ||
        out[size] != 0xA5 || (size > 0 && std::memcmp(out.data(), data, size) != 0))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> best = CompressLesson(data, size);
    const std::vector<uint8_t> greedy = CompressLessonGreedy(data, size);
    if (best.size() > greedy.size()) std::abort();
    RoundTrip(best, data, size);
    RoundTrip(greedy, data, size);
    Book book;
    std::vector<std::string> problems;
    ParseBookSource("fuzz.txt", std::string(reinterpret_cast<const char*>(data), size), &book, &problems);
    return 0;
}
