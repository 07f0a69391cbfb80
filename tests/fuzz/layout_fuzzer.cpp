// Fuzz target: arbitrary lesson texts through the layout, painting,
// scrolling and the highlight, on the fixed-pitch test surface. The first
// four input bytes choose the frame, the topLine and the highlight; the rest
// is the text, followed by the three zero bytes a loaded lesson always ends
// with. The line table's invariants must hold after every layout.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "tests/unit/recording_surface.h"
#include "view/paint.h"
#include "view/pane.h"
#include "view/text_view.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckTable(const TextView* view, size_t textSize) {
    int blankLines = 0;
    for (int i = 0; i < view->lineCount; ++i) {
        const TextLine& line = view->lines[i];
        Check(line.style != 0);
        Check(size_t(line.start) + line.length < textSize);
        if (line.style & 0x80) ++blankLines;
    }
    Check(view->lines[view->lineCount].style == 0);
    Check(view->visualLines == view->lineCount + blankLines);
    Check(view->lastTopLine <= view->visualLines);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4 || size > 0x10000) return 0;
    const size_t textSize = size - 4 + 3;
    char* text = static_cast<char*>(std::malloc(textSize));
    std::memcpy(text, data + 4, size - 4);
    std::memset(text + size - 4, 0, 3);

    Recorder recorder;
    DrawingSurface surface = recorder.surface();
    const EdgeRect frame{3, 5, 3 + data[0] * 3, 5 + data[1] * 4};
    TextView* view = CreateTextView(&surface, &frame, nullptr, data[2] % 3 == 0 ? 0 : 100);
    if (LayoutText(view, text, true) != kLayoutDone) {
        std::free(text);
        DestroyTextView(view, true);
        return 0;
    }
    CheckTable(view, textSize);
    view->topLine = static_cast<uint16_t>(data[2] * 3);
    Check(PaintText(view, true) == 0);
    Check(view->topLine <= view->visualLines);
    ScrollBy(view, KeyPageStep(0, view->linesDrawn), kRepaintIfMoved, true);
    ScrollToTextOffset(view, data[3] * 7);
    Check(ResizeTextView(view, 1 + data[1], 1 + data[0]) == kLayoutDone);
    CheckTable(view, textSize);
    view->highlightStart = static_cast<uint16_t>(data[3] % textSize);
    view->highlightEnd = static_cast<uint16_t>(view->highlightStart + data[2] % 40);
    if (view->highlightEnd >= textSize) view->highlightEnd = static_cast<uint16_t>(textSize - 1);
    Check(PaintText(view, false) == 0);
    DestroyTextView(view, true);
    return 0;
}
