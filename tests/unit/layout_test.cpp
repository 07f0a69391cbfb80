// Line layout against the fixed-pitch surface: 8 pixels a byte, lines 16
// pixels high unless a test says otherwise.
#include <gtest/gtest.h>

#include "tests/unit/view_test_support.h"
#include "view/text_view.h"
#include "view/view_fonts.h"

namespace {

struct Expected {
    uint16_t start, length, x, hang, width, height;
    uint8_t style;
};

void ExpectLine(const TextLine& line, const Expected& e, int index) {
    SCOPED_TRACE(testing::Message() << "line " << index);
    EXPECT_EQ(line.start, e.start);
    EXPECT_EQ(line.length, e.length);
    EXPECT_EQ(line.x, e.x);
    EXPECT_EQ(line.hang, e.hang);
    EXPECT_EQ(line.width, e.width);
    EXPECT_EQ(line.height, e.height);
    EXPECT_EQ(line.style, e.style);
}

const std::string kListItem = "\x95 alpha beta gamma delta";  // 24 bytes, label and 4 words

TEST(Layout, WorkedExampleFieldByField) {
    ViewFixture f(10, 0, 100, 200);
    LessonText text;
    text.Para(0x81, 0x40, kListItem).Para(0x01, 0x00, "end");
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    ExpectLine(f.Line(0), {2, 10, 18, 8, 80, 16, 0x01}, 0);
    ExpectLine(f.Line(1), {15, 11, 18, 0, 88, 16, 0x81}, 1);
    ExpectLine(f.Line(2), {29, 3, 10, 0, 24, 16, 0x01}, 2);
    EXPECT_EQ(f.view->lineCount, 3);
    EXPECT_EQ(f.view->visualLines, 4);
    TextLine terminator{};
    EXPECT_EQ(memcmp(&f.Line(3), &terminator, sizeof terminator), 0);
}

TEST(Layout, WrapsAtSpacesAndHyphensAndSplitsLongWords) {
    ViewFixture f(0, 0, 80, 400);  // ten bytes to a line
    LessonText text;
    text.Para(0x01, 0, "abc   defghij")   // breaks before the run of spaces
        .Para(0x01, 0, "well-knowing")  // breaks after the hyphen
        .Para(0x01, 0, "abcdefghijklmnopqrstuvwxy")  // no break: split where it stops fitting
        .Para(0x01, 0, "-abcdefghijkl");  // a hyphen in the first position is no break
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    const char* t = f.view->text;
    std::vector<std::string> lines;
    for (int i = 0; i < f.view->lineCount; ++i) lines.emplace_back(t + f.Line(i).start, f.Line(i).length);
    // The break goes before the last space that fits; the spaces before it
    // stay on the line.
    const std::vector<std::string> expected = {"abc  ", "defghij", "well-", "knowing", "abcdefghij",
                                               "klmnopqrst", "uvwxy", "-abcdefghi", "jkl"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(f.Line(0).width, 40);
    EXPECT_EQ(f.Line(2).width, 40);
}

TEST(Layout, RunsOfSpacesInsideALineAreKept) {
    ViewFixture f(0, 0, 800, 400);
    LessonText text;
    text.Para(0x01, 0, "   a  b");
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    EXPECT_EQ(std::string(f.view->text + f.Line(0).start, f.Line(0).length), "a  b");
    EXPECT_EQ(f.Line(0).width, 32);
}

TEST(Layout, BytesOfNoWidthAllFitBeforeTheWordBreak) {
    ViewFixture f(0, 0, 24, 400);  // three bytes of width to a line
    f.recorder.unitWidths[u'\x01'] = 0;
    LessonText text;
    text.Para(0x01, 0, std::string(100, '\x01') + "ab cd");
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    ASSERT_EQ(f.view->lineCount, 2);
    ExpectLine(f.Line(0), {2, 102, 0, 0, 16, 16, 0x01}, 0);
    ExpectLine(f.Line(1), {105, 2, 0, 0, 16, 16, 0x01}, 1);
}

TEST(Layout, LabelColumnThatLeavesNoRoomPutsTheTextOnTheNextLine) {
    ViewFixture f(0, 0, 20, 400);  // label column 12 (level 2), 8 pixels left: one byte
    LessonText text;
    text.Para(0x81, 0x80, "\x95 ab");
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    ExpectLine(f.Line(0), {2, 1, 12, 12, 8, 16, 0x01}, 0);
    ExpectLine(f.Line(1), {5, 1, 12, 0, 8, 16, 0x01}, 1);

    ViewFixture narrow(0, 0, 14, 400);  // column 16 (level 3) is wider than the frame
    LessonText label;
    label.Para(0x81, 0xC0, "\x95 ab");
    ASSERT_EQ(narrow.Lay(label), kLayoutDone);
    EXPECT_EQ(narrow.Line(0).length, 0);
    EXPECT_EQ(narrow.Line(0).hang, 16);
    EXPECT_EQ(narrow.Line(0).start, 2);
    EXPECT_EQ(narrow.view->lineCount, 3);  // label, then "a" and "b" one by one
}

TEST(Layout, ContinuationParagraphKeepsTheTextColumnMovedByTheIndent) {
    ViewFixture f(0, 0, 400, 400);
    LessonText text;
    text.Para(0x81, 0x4C, "\x95 first item")  // indent 12, column 8: text at 20
        .Para(0x81, 0x4C, " more of it")     // continuation: text at 20 again
        .Para(0x81, 0x58, " deeper")         // indent 24: moved by 12, to 32
        .Para(0x81, 0x40, "\x8D next");      // a new item starts over at its indent
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    EXPECT_EQ(f.Line(0).x, 20);
    EXPECT_EQ(f.Line(0).hang, 8);
    EXPECT_EQ(f.Line(1).x, 20);
    EXPECT_EQ(f.Line(1).hang, 0);
    EXPECT_EQ(f.Line(2).x, 32);
    EXPECT_EQ(f.Line(3).x, 8);
    EXPECT_EQ(f.Line(3).hang, 8);
}

TEST(Layout, LabelledFirstParagraphStartingWithASpaceIsNoContinuation) {
    ViewFixture f(0, 0, 400, 400);
    LessonText text;
    text.Para(0x81, 0x40, " x y");
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    EXPECT_EQ(f.Line(0).hang, 8);
    EXPECT_EQ(f.Line(0).start, 3);  // the label is "x" after the skipped space
}

TEST(Layout, IndentWiderThanTheFrameFallsBackToZero) {
    ViewFixture f(5, 0, 30, 400);
    LessonText text;
    text.Para(0x01, 40, "ab");
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    EXPECT_EQ(f.Line(0).x, 5);
}

TEST(Layout, AlignmentOfTextLines) {
    ViewFixture f(10, 0, 100, 400);
    LessonText text;
    text.Para(0x21, 4, "abc").Para(0x41, 4, "abc").Para(0x61, 4, "abc");
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    EXPECT_EQ(f.Line(0).x, 10 + 100 - 24 - 4);       // right
    EXPECT_EQ(f.Line(1).x, 10 + 4 + (100 - 24 - 4) / 2);  // centred
    EXPECT_EQ(f.Line(2).x, 14);                      // 0x60 is left
}

TEST(Layout, RuleWidthsAlignmentsAndHeights) {
    ViewFixture f(10, 0, 200, 400);
    f.recorder.cellHeightByRequest[-27] = 33;  // the large font (20 points at 96 dpi)
    LessonText text;
    text.Para(0x07, 0, "")       // no rule at all
        .Para(0x07, 160, "")     // 160 pixels, left, regular height
        .Para(0x27, 161, "")     // 2 percent of 200, right
        .Para(0x47, 0xAC, "")    // 24 percent, centred
        .Para(0xC4, 0, "big")    // large text before the next rules
        .Para(0x47, 0xD2, "")    // 100 percent
        .Para(0x07, 0xFF, "skipped body")  // 190 percent, cut to the frame
        .Para(0x87, 50, "");     // the last line: its blank line is dropped
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    ExpectLine(f.Line(0), {5, 0, 10, 0, 160, 16, 0x07}, 0);
    ExpectLine(f.Line(1), {8, 0, 10 + 200 - 4, 0, 4, 16, 0x27}, 1);
    ExpectLine(f.Line(2), {11, 0, 10 + (200 - 48) / 2, 0, 48, 16, 0x47}, 2);
    EXPECT_EQ(f.Line(3).height, 33);  // "big"
    ExpectLine(f.Line(4), {20, 0, 10, 0, 200, 33, 0x47}, 4);
    ExpectLine(f.Line(5), {23, 0, 10, 0, 200, 33, 0x07}, 5);
    ExpectLine(f.Line(6), {38, 0, 10, 0, 50, 33, 0x07}, 6);
    EXPECT_EQ(f.view->lineCount, 7);
    EXPECT_EQ(f.view->visualLines, 8);  // only "big" keeps a blank line
}

TEST(Layout, BlankLines) {
    ViewFixture f(0, 0, 400, 400);
    LessonText text;
    text.Para(0xC2, 0, "heading")
        .Para(0x81, 0, "")          // an empty body later on: no line, no blank line
        .Para(0x01, 0, "schedule")
        .Para(0x81, 0, "body ends in spaces   ")
        .Para(0x81, 0, "last");     // bit 7 on the last line is dropped
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    EXPECT_EQ(f.view->lineCount, 4);
    EXPECT_EQ(f.Line(0).style, 0xC2);
    EXPECT_EQ(f.Line(1).style, 0x01);
    EXPECT_EQ(f.Line(2).style, 0x81);
    EXPECT_EQ(f.Line(3).style, 0x01);
    EXPECT_EQ(f.view->visualLines, 6);
}

TEST(Layout, StyleWithOnlyTheBlankLineBitDoesNotEndTheTable) {
    ViewFixture f(0, 0, 40, 400);
    LessonText text;
    text.Para(0x80, 0, "abcde fghij").Para(0x80, 0, "klm");
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    ASSERT_EQ(f.view->lineCount, 3);
    EXPECT_EQ(f.Line(0).style, 0x01);
    EXPECT_EQ(f.Line(1).style, 0x81);
    EXPECT_EQ(f.Line(2).style, 0x01);
    EXPECT_EQ(f.view->visualLines, 4);
}

TEST(Layout, BodyEndingInSpacesThatDoNotFitKeepsItsBlankLine) {
    ViewFixture f(0, 0, 40, 400);  // five bytes to a line
    LessonText text;
    text.Para(0x81, 0, "abcde     ").Para(0x01, 0, "x");
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    EXPECT_EQ(f.view->lineCount, 2);
    EXPECT_EQ(f.Line(0).style, 0x81);
    EXPECT_EQ(f.view->visualLines, 3);
}

TEST(Layout, RefusedTexts) {
    ViewFixture f(0, 0, 400, 400);
    EXPECT_EQ(LayoutText(nullptr, nullptr, false), kLayoutNoView);
    EXPECT_EQ(f.Lay(LessonText{}), kLayoutEmptyText);
    EXPECT_EQ(f.Lay(LessonText{}.Para(0x81, 0, "").Para(0x01, 0, "x")), kLayoutEmptyText);
    ASSERT_EQ(f.Lay(LessonText{}.Para(0x47, 0xAC, "")), kLayoutDone);  // a rule alone is fine

    ASSERT_EQ(f.Lay(LessonText{}.Para(0x01, 0, "kept")), kLayoutDone);
    char* kept = f.view->text;
    f.view->highlightStart = 2;
    f.view->highlightEnd = 3;
    EXPECT_EQ(f.Lay(LessonText{}), kLayoutEmptyText);
    EXPECT_EQ(f.view->text, kept);
    EXPECT_EQ(f.view->highlightEnd, 0);
    EXPECT_EQ(LayoutText(f.view, nullptr, false), kLayoutNoText);
    EXPECT_EQ(f.view->text, kept);
    EXPECT_EQ(LayoutText(f.view, nullptr, true), kLayoutNoText);
    EXPECT_EQ(f.view->text, nullptr);
}

TEST(Layout, TextsPastSixteenBitOffsetsAreRefused) {
    ViewFixture f(0, 0, 400, 400);
    ASSERT_EQ(f.Lay(LessonText{}.Para(0x01, 0, "old")), kLayoutDone);
    char* old = f.view->text;
    LessonText longest;
    longest.Para(0x01, 0, std::string(65531, 'a'));  // end marker at 65,534: 65,535 bytes
    LessonText tooLong;
    tooLong.Para(0x01, 0, std::string(65532, 'a'));  // end marker at 65,535
    EXPECT_EQ(f.Lay(tooLong), kLayoutTextTooLong);
    EXPECT_EQ(f.view->text, old);
    EXPECT_EQ(f.Lay(longest), kLayoutDone);
}

TEST(Layout, DensestTextStaysWithinSixteenBitLineCounts) {
    // Every byte its own line in a frame narrower than a byte; every paragraph
    // with a blank line. The counts must come out exact, not wrapped.
    ViewFixture f(0, 0, 3, 400);
    LessonText text;
    text.Para(0x81, 0, std::string(40000, 'a'));
    while (text.bytes.size() < 65500) text.Para(0x81, 0, "b");
    const int paragraphs = 1 + static_cast<int>((text.bytes.size() - 40003) / 4);
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    EXPECT_EQ(f.view->lineCount, 40000 + paragraphs - 1);
    EXPECT_EQ(f.view->visualLines, f.view->lineCount + paragraphs - 1);
    EXPECT_EQ(f.Line(0).length, 1);
    EXPECT_GE(f.view->capacity, f.view->lineCount);
}

TEST(Layout, FrameNarrowerThanAByteStillEnds) {
    for (int32_t width : {0, 1, 7}) {
        SCOPED_TRACE(width);
        ViewFixture f(0, 0, width, 400);
        LessonText text;
        text.Para(0x41, 0, "ab cd").Para(0x81, 0x40, "\x95 xy");
        ASSERT_EQ(f.Lay(text), kLayoutDone);
        // "a", "b", "c", "d", the label alone, "x", "y".
        ASSERT_EQ(f.view->lineCount, 7);
        EXPECT_EQ(f.Line(0).length, 1);
        EXPECT_EQ(f.Line(0).width, 8);
        EXPECT_EQ(f.Line(4).length, 0);
        EXPECT_EQ(f.Line(6).length, 1);
    }
}

TEST(Layout, TableGrowsBy128Lines) {
    ViewFixture f(0, 0, 8, 400, 100);
    EXPECT_EQ(f.view->capacity, 100);
    ASSERT_EQ(f.Lay(LessonText{}.Para(0x01, 0, std::string(300, 'z'))), kLayoutDone);
    EXPECT_EQ(f.view->lineCount, 300);
    EXPECT_EQ(f.view->capacity, 356);

    ViewFixture lazy(0, 0, 8, 400);  // no table until the first layout
    EXPECT_EQ(lazy.view->lines, nullptr);
    ASSERT_EQ(lazy.Lay(LessonText{}.Para(0x01, 0, "ab")), kLayoutDone);
    EXPECT_EQ(lazy.view->capacity, 128);
}

LessonText TwentyLines() {
    LessonText text;
    for (int i = 0; i < 10; ++i) text.Para(0x81, 0, "line");  // 10 lines, 9 blank lines
    return text;
}

TEST(Layout, LastTopLine) {
    struct Case {
        int32_t height;
        uint16_t lastTopLine;
    } cases[] = {
        {400, 0},  // everything fits
        {304, 0},  // exactly 19 visual lines
        {303, 1},  // the first line no longer fits
        {48, 16},  // line, blank, line: three visual lines from the end
        {40, 17},  // a blank line cut short still counts as shown
        {15, 19},  // too low for a single line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        ViewFixture f(0, 0, 400, c.height);
        ASSERT_EQ(f.Lay(TwentyLines()), kLayoutDone);
        EXPECT_EQ(f.view->visualLines, 19);
        EXPECT_EQ(f.view->lastTopLine, c.lastTopLine);
    }
}

TEST(Layout, ResizeLaysOutAgainAndRefusesEmptyFrames) {
    ViewFixture f(10, 20, 400, 400);
    ASSERT_EQ(f.Lay(LessonText{}.Para(0x01, 0, "abcdef ghijkl")), kLayoutDone);
    EXPECT_EQ(f.view->lineCount, 1);
    f.view->topLine = 7;
    EXPECT_EQ(ResizeTextView(f.view, 0, 100), kLayoutBadSize);
    EXPECT_EQ(ResizeTextView(f.view, 100, -1), kLayoutBadSize);
    EXPECT_EQ(f.view->frame.width, 400);
    EXPECT_EQ(ResizeTextView(f.view, 60, 100), kLayoutDone);
    EXPECT_EQ(f.view->lineCount, 2);
    EXPECT_EQ(f.view->frame.left, 10);
    EXPECT_EQ(f.view->frame.top, 20);
    EXPECT_EQ(f.view->topLine, 7);  // the layout never moves the scroll position
    EXPECT_EQ(ResizeTextView(nullptr, 1, 1), kLayoutNoView);
}

// Lines wrap by the width alone: a new height for the width the text is laid
// out for measures nothing again, and leaves the view as a whole layout would.
TEST(Layout, ResizeMeasuresAgainOnlyWhenTheLinesMayChange) {
    enum class Before { Nothing, FontsRebuilt, TextRefused };
    struct Case {
        const char* what;
        Before before;
        int32_t width;
        bool measures;
    } cases[] = {
        {"taller, as wide", Before::Nothing, 400, false},
        {"narrower", Before::Nothing, 36, true},
        {"as wide, with the fonts rebuilt", Before::FontsRebuilt, 400, true},
        {"as wide, after a refused text", Before::TextRefused, 400, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ViewFixture f(0, 0, 400, 64);
        ASSERT_EQ(f.Lay(TwentyLines().Para(0x01, 0, "a line that wraps")), kLayoutDone);
        if (c.before == Before::FontsRebuilt) SetViewFont(f.view, &f.font);
        if (c.before == Before::TextRefused) {
            ASSERT_EQ(f.Lay(LessonText{}), kLayoutEmptyText);
        }
        f.view->highlightStart = 3;
        f.view->highlightEnd = 5;
        f.recorder.extentCalls = 0;
        EXPECT_EQ(ResizeTextView(f.view, c.width, 200), kLayoutDone);
        EXPECT_EQ(f.recorder.extentCalls > 0, c.measures);

        ViewFixture whole(0, 0, c.width, 200);
        ASSERT_EQ(whole.Lay(TwentyLines().Para(0x01, 0, "a line that wraps")), kLayoutDone);
        EXPECT_EQ(f.view->lineCount, whole.view->lineCount);
        EXPECT_EQ(f.view->visualLines, whole.view->visualLines);
        EXPECT_EQ(f.view->lastTopLine, whole.view->lastTopLine);
        EXPECT_EQ(f.view->highlightStart, 0);
        EXPECT_EQ(f.view->highlightEnd, 0);
    }
}

TEST(Layout, ScrollToTextOffset) {
    ViewFixture f(0, 0, 400, 64);  // four lines to a screen
    LessonText text = TwentyLines();
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    // From 15 the top slot is the blank line before the last two lines.
    ASSERT_EQ(f.view->lastTopLine, 15);
    EXPECT_EQ(ScrollToTextOffset(f.view, 7 * 2 + 3), 1);  // third paragraph
    EXPECT_EQ(f.view->topLine, 4);
    EXPECT_EQ(ScrollToTextOffset(f.view, 7 * 8 + 3), 1);  // ninth: past the last screen's top
    EXPECT_EQ(f.view->topLine, 15);
    EXPECT_EQ(ScrollToTextOffset(f.view, 500), 0);
    EXPECT_EQ(f.view->topLine, 15);
}

TEST(Layout, CreateAndDestroy) {
    Recorder recorder;
    DrawingSurface surface = recorder.surface();
    EXPECT_EQ(CreateTextView(nullptr, nullptr, nullptr, 0), nullptr);
    TextView* view = CreateTextView(&surface, nullptr, nullptr, 0);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->frame.width, 0);
    EXPECT_EQ(view->lines, nullptr);
    DestroyTextView(view, true);
    DestroyTextView(nullptr, true);
}

TEST(Layout, WidenTextKeepsByteValues) {
    const char bytes[] = "\x95\xE9\x8D" "a";
    const char16_t* wide = WidenText(bytes, 10);
    EXPECT_EQ(wide[0], 0x95);
    EXPECT_EQ(wide[1], 0xE9);
    EXPECT_EQ(wide[2], 0x8D);
    EXPECT_EQ(wide[3], u'a');
    EXPECT_EQ(wide[4], 0);
    EXPECT_EQ(WidenText(bytes, 2)[2], 0);
}

}  // namespace
