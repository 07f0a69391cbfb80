// Speed of the line layout on the real book, at a typical pane width: the
// longest lesson (what every window resize costs) and every lesson in turn
// (what a search through the book or a paging print run costs). Measured on
// the fixed-pitch test surface, so the figures are the layout's own cost
// without the platform's text measurement.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/bench/bench_book.h"
#include "tests/bench/bench_view.h"

namespace {

void LayoutLongestLesson(benchmark::State& state) {
    BenchView bench;
    const std::vector<uint8_t>& longest = LongestLessonText();
    if (LayoutText(bench.view, CopyOfText(longest), true) != kLayoutDone) std::abort();
    for (auto _ : state) {
        // As a resize does: the same text again.
        if (LayoutText(bench.view, bench.view->text, false) != kLayoutDone) std::abort();
        benchmark::DoNotOptimize(bench.view->lastTopLine);
    }
    state.counters["bytes"] = static_cast<double>(longest.size());
    state.counters["lines"] = bench.view->lineCount;
}
BENCHMARK(LayoutLongestLesson)->Unit(benchmark::kMicrosecond);

void LayoutWholeBook(benchmark::State& state) {
    BenchView bench;
    std::vector<char*> texts;
    for (const auto& month : TheBook().texts)
        for (const auto& text : month) texts.push_back(CopyOfText(text));
    int64_t lines = 0;
    for (auto _ : state) {
        lines = 0;
        for (char* text : texts) {
            if (LayoutText(bench.view, text, false) != kLayoutDone) std::abort();
            lines += bench.view->lineCount;
        }
    }
    bench.view->text = nullptr;  // the texts are freed below, not by the view
    for (char* text : texts) std::free(text);
    state.counters["lessons"] = static_cast<double>(texts.size());
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(LayoutWholeBook)->Unit(benchmark::kMillisecond);

}  // namespace
