// Speed of the lesson codec on the real book: decoding all 414 records (as
// a search through every lesson does) and compressing the whole book.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "lessons/lesson_codec.h"
#include "lessons/lesson_container.h"
#include "lessons/lesson_encoder.h"
#include "tests/bench/bench_book.h"

namespace {

void DecodeAllRecords(benchmark::State& state) {
    const BenchBook& book = TheBook();
    for (auto _ : state) {
        size_t records = 0;
        for (const auto& container : book.containers) {
            for (int index = 0;; ++index) {
                LessonRecord record;
                if (FindLessonRecord(container.data(), container.size(), index, &record) != 0) break;
                char* text = nullptr;
                if (DecodeLessonRecord(record, &text) != 0) std::abort();
                benchmark::DoNotOptimize(text);
                std::free(text);
                ++records;
            }
        }
        if (records != 414) std::abort();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(book.textBytes));
    state.counters["records"] = 414;
}
BENCHMARK(DecodeAllRecords)->Unit(benchmark::kMillisecond);

template <std::vector<uint8_t> (*Compress)(const uint8_t*, size_t)>
void EncodeWholeBook(benchmark::State& state) {
    const BenchBook& book = TheBook();
    size_t compressed = 0;
    for (auto _ : state) {
        compressed = 0;
        for (const auto& month : book.texts)
            for (const auto& text : month) compressed += Compress(text.data(), text.size()).size();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(book.textBytes));
    state.counters["compressed"] = double(compressed);
    state.counters["text"] = double(book.textBytes);
}
BENCHMARK_TEMPLATE(EncodeWholeBook, CompressLesson)->Name("EncodeWholeBook/best")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(EncodeWholeBook, CompressLessonGreedy)->Name("EncodeWholeBook/greedy")->Unit(benchmark::kMillisecond);

}  // namespace
