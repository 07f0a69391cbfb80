// The reading pane's share of a day change, on the fixed-pitch test surface:
// the day's layout and paint when the new lesson brings the scroll bar, which
// narrows the pane and lays the lesson out again; and a new height for the
// pane. Each beside the work it replaced, as its baseline: a paint before the
// scroll bar came, painted over at once; a whole layout for a new height,
// which only moves the scroll limit.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/bench/bench_book.h"
#include "tests/bench/bench_view.h"
#include "view/paint.h"

namespace {

constexpr int32_t kWideWidth = kBenchPaneWidth;
constexpr int32_t kNarrowWidth = kWideWidth - 17;  // beside a scroll bar
constexpr int32_t kHeight = kBenchPaneHeight;

// The longest lesson laid out in the pane.
struct Pane : BenchView {
    Pane() {
        if (LayoutText(view, CopyOfText(LongestLessonText()), true) != kLayoutDone) std::abort();
    }
    void Paint() {
        recorder.calls.clear();
        PaintText(view, true);
    }
    // The new lesson laid out in the pane without a scroll bar.
    void LayOutNewDay() {
        view->frame.width = kWideWidth;
        if (LayoutText(view, view->text, false) != kLayoutDone) std::abort();
        view->topLine = 0;
    }
};

// Before: the new lesson painted, the scroll bar comes, and the lesson is laid
// out and painted again for the narrower pane.
void DayChangeBaseline(benchmark::State& state) {
    Pane pane;
    for (auto _ : state) {
        pane.LayOutNewDay();
        pane.Paint();
        ResizeTextView(pane.view, kNarrowWidth, kHeight);
        pane.Paint();
    }
}
BENCHMARK(DayChangeBaseline)->Name("DayChange/baseline")->Unit(benchmark::kMicrosecond);

// Now: the paint waits for the layout that the scroll bar brings.
void DayChangeNow(benchmark::State& state) {
    Pane pane;
    for (auto _ : state) {
        pane.LayOutNewDay();
        ResizeTextView(pane.view, kNarrowWidth, kHeight);
        pane.Paint();
    }
}
BENCHMARK(DayChangeNow)->Name("DayChange/now")->Unit(benchmark::kMicrosecond);

// A window made taller or lower: before, the lesson was laid out again.
void NewHeightBaseline(benchmark::State& state) {
    Pane pane;
    for (auto _ : state) {
        pane.view->frame.height = pane.view->frame.height == kHeight ? kHeight - 50 : kHeight;
        LayoutText(pane.view, pane.view->text, false);
    }
}
BENCHMARK(NewHeightBaseline)->Name("NewHeight/baseline")->Unit(benchmark::kMicrosecond);

// Now only the scroll limit follows the height.
void NewHeightNow(benchmark::State& state) {
    Pane pane;
    for (auto _ : state) {
        ResizeTextView(pane.view, kWideWidth, pane.view->frame.height == kHeight ? kHeight - 50 : kHeight);
    }
}
BENCHMARK(NewHeightNow)->Name("NewHeight/now")->Unit(benchmark::kMicrosecond);

}  // namespace
