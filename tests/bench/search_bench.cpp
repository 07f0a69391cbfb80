// Speed of Search Again and Find All through the whole book, as the reader
// runs them: every lesson loaded through the loader from the shipped
// containers. Two walks, each set beside the time to decode the whole book
// once (its "per_decode" counter, in processor time): a phrase found nowhere,
// which walks every lesson, and a phrase found only in the last lesson of the
// walk. Find All, the rows of a word in every lesson and of a phrase found
// nowhere, each with its own "per_decode" and beside a decode of the book
// as its baseline. The target is a whole walk or Find All within 1.5
// decodes of the book.
#include <benchmark/benchmark.h>

#include <ctime>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/search.h"
#include "dialogs/search_results.h"
#include "lessons/book_files.h"
#include "lessons/lesson_loader.h"
#include "lessons/lesson_platform_posix.h"
#include "tests/bench/bench_book.h"

namespace {

constexpr LessonKey kShown = 0x0102;  // the walk ends with 0x0101
constexpr int32_t kYear = 5787;

// The shipped containers, compiled once into a scratch folder the loader
// reads (and then keeps in memory, as the program keeps its resources).
void UseShippedBook() {
    static const bool ready = [] {
        std::string folder = (std::filesystem::temp_directory_path() / "varidel-bench-XXXXXX").string();
        std::string error;
        if (mkdtemp(folder.data()) == nullptr || !WriteContainerSet(folder, TheBook().containers, &error)) {
            std::abort();
        }
        SetLessonContainerFolder(folder);
        return true;
    }();
    (void)ready;
}

// Loads every lesson once, in the walk's order, keeping none.
void DecodeBookOnce() {
    LessonKey key = MakeLessonKey(1, 1);
    for (int i = 0; i < kWalkKeys; ++i, key = NextWalkKey(key)) std::free(LoadLessonText(key, nullptr));
}

// Processor time of one decode of the whole book, the mean of many: the
// ratios compare processor time, which other work on the machine disturbs
// less than the time on the clock.
double DecodeSeconds() {
    static const double seconds = [] {
        UseShippedBook();
        DecodeBookOnce();
        constexpr int kRuns = 100;
        const std::clock_t start = std::clock();
        for (int i = 0; i < kRuns; ++i) DecodeBookOnce();
        return double(std::clock() - start) / CLOCKS_PER_SEC / kRuns;
    }();
    return seconds;
}

void DecodeWholeBook(benchmark::State& state) {
    UseShippedBook();
    for (auto _ : state) DecodeBookOnce();
}
BENCHMARK(DecodeWholeBook)->Unit(benchmark::kMillisecond);

// Search Again from the top of lesson kShown for `phrase`, which the walk
// must find in `expected` (0: nowhere).
void Walk(benchmark::State& state, const char* phrase, LessonKey expected) {
    UseShippedBook();
    char* shown = LoadLessonText(kShown, nullptr);
    const SearchPlace place{shown, 0, kShown, kYear};
    const double decode = DecodeSeconds();
    const std::clock_t start = std::clock();
    for (auto _ : state) {
        const SearchHit hit = FindNextHit(place, {phrase, false});
        if ((hit.offset != 0 ? hit.key : 0) != expected) std::abort();
        std::free(hit.text);
    }
    const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
    state.counters["per_decode"] = seconds / double(state.iterations()) / decode;
    std::free(shown);
}

void WalkFindingNothing(benchmark::State& state) { Walk(state, "xyzzy", 0); }
BENCHMARK(WalkFindingNothing)->Unit(benchmark::kMillisecond);

void WalkFindingTheLastLesson(benchmark::State& state) { Walk(state, "Where is their God?", 0x0101); }
BENCHMARK(WalkFindingTheLastLesson)->Unit(benchmark::kMillisecond);

BENCHMARK(DecodeWholeBook)->Name("FindAll/baseline")->Unit(benchmark::kMillisecond);

// Find All from the top of lesson kShown for `phrase`, which must give
// `rows` rows. Each run is followed by a decode of the whole book, outside
// the benchmark's time, so that "per_decode" sets the two side by side in
// the same moments of the machine.
void FindAll(benchmark::State& state, const char* phrase, size_t rows) {
    UseShippedBook();
    char* shown = LoadLessonText(kShown, nullptr);
    const ResultsPlace place{shown, kShown, DayForLessonKey(kShown, kYear)};
    std::clock_t findAll = 0;
    std::clock_t decode = 0;
    for (auto _ : state) {
        std::clock_t start = std::clock();
        {
            const SearchResults results = FindAllMatches(place, {phrase, false});
            if (results.rows.size() != rows) std::abort();
        }
        findAll += std::clock() - start;
        state.PauseTiming();
        start = std::clock();
        DecodeBookOnce();
        decode += std::clock() - start;
        state.ResumeTiming();
    }
    state.counters["per_decode"] = double(findAll) / double(decode);
    std::free(shown);
}

// Every entry of the book has "the".
void FindAllOfACommonWord(benchmark::State& state) {
    size_t entries = 0;
    for (const auto& month : TheBook().texts) entries += month.size();
    FindAll(state, "the", entries);
}
BENCHMARK(FindAllOfACommonWord)->Name("FindAll/common_word")->Unit(benchmark::kMillisecond);

void FindAllFindingNothing(benchmark::State& state) { FindAll(state, "xyzzy", 0); }
BENCHMARK(FindAllFindingNothing)->Name("FindAll/nowhere")->Unit(benchmark::kMillisecond);

}  // namespace
