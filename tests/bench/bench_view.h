// A text view the size of a typical reading pane, on the fixed-pitch test
// surface, for the layout and day-change benchmarks.
#pragma once

#include <cstdint>

#include "tests/unit/recording_surface.h"
#include "view/text_view.h"

constexpr int32_t kBenchPaneWidth = 600;  // a 640-pixel client less the gutters
constexpr int32_t kBenchPaneHeight = 420;

struct BenchView {
    Recorder recorder;
    DrawingSurface surface = recorder.surface();
    TextView* view;
    BenchView() {
        const EdgeRect frame{10, 37, 10 + kBenchPaneWidth, 37 + kBenchPaneHeight};
        FontSettings font{};
        view = CreateTextView(&surface, &frame, &font, 100);
    }
    ~BenchView() { DestroyTextView(view, true); }
};
