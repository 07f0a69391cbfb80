// Every lesson of the shipped book, decoded from its container, laid out and
// painted at several frame sizes: the line table must hold together and every
// visible byte of every paragraph must land on exactly one line.
#include <gtest/gtest.h>

#include "lessons/book_compiler.h"
#include "tests/unit/book_fixture.h"
#include "tests/unit/view_test_support.h"
#include "view/paint.h"
#include "view/pane.h"

namespace {

struct Size {
    int32_t width, height;
};
const Size kSizes[] = {{3, 40}, {60, 100}, {240, 300}, {480, 600}, {1400, 2000}};

bool IsRule(uint8_t style) { return (style & 7) == 7; }

// Checks the table of one layout; returns the first problem or "".
std::string TableProblem(const TextView* view, size_t textSize) {
    int blankLines = 0;
    for (int i = 0; i < view->lineCount; ++i) {
        const TextLine& line = view->lines[i];
        if (line.style == 0) return "a zero style inside the table";
        if (line.start + line.length >= textSize) return "a line past the text";
        if (line.height == 0) return "a line without height";
        if (line.style & 0x80) ++blankLines;
        if (!IsRule(line.style) && line.hang == 0 && line.length == 0) return "an empty text line";
    }
    if (view->lines[view->lineCount].style != 0) return "no terminator";
    if (view->lineCount > 0 && (view->lines[view->lineCount - 1].style & 0x80)) return "blank line at the end";
    if (view->visualLines != view->lineCount + blankLines) return "visual lines miscounted";
    if (view->lastTopLine > view->visualLines) return "lastTopLine beyond the text";
    return "";
}

// How many lines show each byte of the text.
std::vector<int> Coverage(const TextView* view, size_t textSize) {
    std::vector<int> shown(textSize, 0);
    const char* text = view->text;
    for (int i = 0; i < view->lineCount; ++i) {
        const TextLine& line = view->lines[i];
        if (IsRule(line.style)) continue;
        size_t p = line.start;
        if (line.hang != 0) {
            while (text[p] != 0 && text[p] != ' ') ++shown[p++];
            while (text[p] == ' ') ++p;
        }
        for (size_t k = 0; k < line.length; ++k) ++shown[p + k];
    }
    return shown;
}

// The offsets of every non-space body byte of the text paragraphs.
std::vector<size_t> VisibleBytes(const std::vector<uint8_t>& text) {
    std::vector<size_t> visible;
    size_t p = 0;
    while (text[p] != 0) {
        const bool rule = IsRule(text[p]);
        p += 2;
        for (; text[p] != 0; ++p) {
            if (!rule && text[p] != ' ') visible.push_back(p);
        }
        ++p;
    }
    return visible;
}

TEST(BookLayout, EveryLessonAtSeveralWidths) {
    BookTexts texts;
    std::vector<std::string> problems;
    ASSERT_TRUE(DecodeContainerSet(ShippedContainers(), &texts, &problems));
    int lessons = 0;
    for (const Size& size : kSizes) {
        ViewFixture f(10, 37, size.width, size.height, 100);
        for (size_t month = 0; month < texts.size(); ++month) {
            for (size_t day = 0; day < texts[month].size(); ++day) {
                const std::vector<uint8_t>& bytes = texts[month][day];
                SCOPED_TRACE(testing::Message() << "month " << month + 1 << " day " << day + 1 << " width "
                                                << size.width);
                char* text = static_cast<char*>(malloc(bytes.size()));
                memcpy(text, bytes.data(), bytes.size());
                ASSERT_EQ(f.Lay(text), kLayoutDone);
                ++lessons;
                ASSERT_EQ(TableProblem(f.view, bytes.size()), "");
                const std::vector<int> shown = Coverage(f.view, bytes.size());
                for (size_t offset : VisibleBytes(bytes)) ASSERT_EQ(shown[offset], 1) << "offset " << offset;
                // Painted from the top, page by page to the end, and from a
                // position past the end.
                f.recorder.calls.clear();
                f.view->topLine = 0;
                ASSERT_EQ(PaintText(f.view, true), 0);
                for (int pages = 0; pages < 70000; ++pages) {
                    const int result = ScrollBy(f.view, KeyPageStep(0, f.view->linesDrawn), kRepaintIfMoved, true);
                    if (result == kScrollUnchanged) break;
                    ASSERT_EQ(result, 0);
                }
                f.view->topLine = 0xFFFF;
                ASSERT_EQ(PaintText(f.view, false), 0);
                EXPECT_EQ(f.view->topLine, f.view->lastTopLine);
                if (size.width >= 240) {
                    // Wide frames: every text run stays inside the frame.
                    for (const DrawCall& call : f.recorder.texts()) {
                        ASSERT_GE(call.x, 10);
                        ASSERT_LE(call.x + call.w, 10 + size.width) << call.text;
                    }
                }
            }
        }
    }
    EXPECT_GE(lessons, 5 * 380);
}

}  // namespace
