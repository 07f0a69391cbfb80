// Painting against the recording surface: what is drawn where, in which
// colours, and the fields painting leaves behind.
#include <gtest/gtest.h>

#include "tests/unit/view_test_support.h"
#include "view/paint.h"

namespace {

const std::string kListItem = "\x95 alpha beta gamma delta";

std::vector<std::string> Texts(const Recorder& r) {
    std::vector<std::string> texts;
    for (const DrawCall& call : r.texts()) texts.push_back(call.text);
    return texts;
}

LessonText TenParagraphs() {
    LessonText text;
    for (int i = 0; i < 10; ++i) text.Para(0x81, 0, std::string("line") + static_cast<char>('0' + i));
    return text;  // 10 lines and 9 blank lines, 19 visual lines
}

TEST(Paint, WorkedExampleDrawsTheLabelInItsColumn) {
    ViewFixture f(10, 5, 100, 200);
    ASSERT_EQ(f.Lay(LessonText{}.Para(0x81, 0x40, kListItem).Para(0x01, 0, "end")), kLayoutDone);
    ASSERT_EQ(PaintText(f.view, true), 0);
    const std::vector<DrawCall>& calls = f.recorder.calls;
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].kind, DrawKind::Fill);
    EXPECT_EQ(calls[0].brush, kWhiteBrush);
    EXPECT_EQ((std::vector<int32_t>{calls[0].x, calls[0].y, calls[0].w, calls[0].h}),
              (std::vector<int32_t>{10, 5, 100, 200}));
    const std::vector<DrawCall> texts = f.recorder.texts();
    EXPECT_EQ(Texts(f.recorder), (std::vector<std::string>{"\x95", "alpha beta", "gamma delta", "end"}));
    EXPECT_EQ(texts[0].x, 10);
    EXPECT_EQ(texts[0].w, 8);
    EXPECT_EQ(texts[1].x, 18);
    EXPECT_EQ(texts[1].y, 5);
    EXPECT_EQ(texts[2].x, 18);
    EXPECT_EQ(texts[2].y, 21);
    EXPECT_EQ(texts[3].y, 53);  // after the blank line
    EXPECT_EQ(f.view->linesDrawn, 4);
    EXPECT_EQ(f.view->pageEnd, &f.view->lines[3]);
}

TEST(Paint, OnlyWholeLinesAndBlankLinesCount) {
    ViewFixture f(0, 0, 400, 70);  // room for four lines and part of a fifth
    ASSERT_EQ(f.Lay(TenParagraphs()), kLayoutDone);
    ASSERT_EQ(PaintText(f.view, false), 0);
    EXPECT_EQ(Texts(f.recorder), (std::vector<std::string>{"line0", "line1"}));
    // line0, blank, line1, blank: the blank after line1 runs past the frame.
    EXPECT_EQ(f.view->linesDrawn, 4);
    EXPECT_EQ(f.view->pageEnd, &f.view->lines[2]);
}

TEST(Paint, TopLineOnABlankLineLeavesTheTopSlotEmpty) {
    ViewFixture f(0, 10, 400, 64);
    ASSERT_EQ(f.Lay(TenParagraphs()), kLayoutDone);
    f.view->topLine = 3;  // the blank line after line1
    ASSERT_EQ(PaintText(f.view, false), 0);
    const std::vector<DrawCall> texts = f.recorder.texts();
    ASSERT_EQ(Texts(f.recorder), (std::vector<std::string>{"line2", "line3"}));
    EXPECT_EQ(texts[0].y, 26);
    EXPECT_EQ(f.view->linesDrawn, 4);  // line2, blank, line3, blank; not the empty slot above
}

TEST(Paint, StaleTopLineIsClampedToTheLastScreen) {
    ViewFixture f(0, 0, 400, 64);
    ASSERT_EQ(f.Lay(TenParagraphs()), kLayoutDone);
    f.view->topLine = 20;  // beyond the 19 visual lines
    ASSERT_EQ(PaintText(f.view, false), 0);
    EXPECT_EQ(f.view->topLine, f.view->lastTopLine);
    EXPECT_EQ(Texts(f.recorder), (std::vector<std::string>{"line8", "line9"}));
    f.view->topLine = 19;  // the end itself is no stale position
    PaintText(f.view, false);
    EXPECT_EQ(f.view->topLine, 19);
    EXPECT_EQ(f.view->linesDrawn, 0);
}

TEST(Paint, PageStartIgnoresTopLineAndSetsPageEnd) {
    ViewFixture f(0, 0, 400, 48);
    ASSERT_EQ(f.Lay(TenParagraphs()), kLayoutDone);
    f.view->topLine = 5;
    f.view->pageStart = &f.view->lines[6];
    ASSERT_EQ(PaintText(f.view, false), 0);
    EXPECT_EQ(Texts(f.recorder), (std::vector<std::string>{"line6", "line7"}));
    EXPECT_EQ(f.view->pageEnd, &f.view->lines[8]);
    EXPECT_EQ(f.view->topLine, 5);

    f.recorder.calls.clear();
    f.view->pageStart = &f.view->lines[f.view->lineCount];
    ASSERT_EQ(PaintText(f.view, false), 0);
    EXPECT_TRUE(f.recorder.texts().empty());
    EXPECT_EQ(f.view->linesDrawn, 0);
    EXPECT_EQ(f.view->pageEnd, f.view->pageStart);
}

TEST(Paint, RuleIsOnePixelAtTheLineMiddle) {
    ViewFixture f(0, 0, 400, 400);
    f.recorder.cellHeight = 17;
    ASSERT_EQ(f.Lay(LessonText{}.Para(0x01, 0, "x").Para(0x47, 100, "")), kLayoutDone);
    ASSERT_EQ(PaintText(f.view, false), 0);
    const DrawCall& rule = f.recorder.calls.back();
    EXPECT_EQ(rule.kind, DrawKind::Rule);
    EXPECT_EQ(rule.x, 150);
    EXPECT_EQ(rule.y, 17 + 8);
    EXPECT_EQ(rule.w, 100);
    EXPECT_EQ(rule.h, 1);
}

TEST(Paint, TitlesAreBlueAndTheColourIsRestored) {
    ViewFixture f(0, 0, 400, 400);
    f.recorder.textColour = Rgb(1, 2, 3);
    ASSERT_EQ(f.Lay(LessonText{}.Para(0xCC, 0, "Title").Para(0x08, 0, "bold").Para(0x04, 0, "large")),
              kLayoutDone);
    const int selectedBefore = f.recorder.selected;
    ASSERT_EQ(PaintText(f.view, false), 0);
    const std::vector<DrawCall> texts = f.recorder.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].textColour, kColourBlue);
    EXPECT_EQ(texts[1].textColour, kColourBlack);
    EXPECT_EQ(texts[2].textColour, kColourBlack);
    EXPECT_NE(texts[0].font, texts[1].font);
    EXPECT_EQ(f.recorder.textColour, Rgb(1, 2, 3));
    EXPECT_EQ(f.recorder.selected, selectedBefore);
}

// High contrast: the page, the text (titles too), the rule and the highlight
// take the system's colours, and the context's colours come back after.
TEST(Paint, InTheSystemsColoursEachPartTakesTheColourOfItsRole) {
    const SystemColours& system = kTestSystemColours;
    ViewFixture f(0, 0, 400, 400);
    f.surface.palette = &kTestSystemPalette;
    f.recorder.textColour = Rgb(1, 2, 3);
    ASSERT_EQ(f.Lay(LessonText{}.Para(0xCC, 0, "Title").Para(0x47, 100, "").Para(0x01, 0, "body text")), kLayoutDone);
    f.view->highlightStart = 13;  // "body"
    f.view->highlightEnd = 17;
    ASSERT_EQ(PaintText(f.view, true), 0);
    EXPECT_EQ(ColoursDrawn(f.recorder.calls),
              (std::set<uint32_t>{system.window, system.windowText, system.highlight, system.highlightText}));
    const DrawCall& mark = f.recorder.calls.back();
    EXPECT_EQ((std::vector<uint32_t>{mark.textColour, mark.backColour}),
              (std::vector<uint32_t>{system.highlightText, system.highlight}));
    EXPECT_EQ(mark.text, "body");
    EXPECT_EQ((std::vector<uint32_t>{f.recorder.textColour, f.recorder.backColour}),
              (std::vector<uint32_t>{Rgb(1, 2, 3), 0xFFFFFF}));
}

TEST(Paint, LabelWiderThanItsColumnIsCut) {
    ViewFixture f(0, 0, 400, 400);
    ASSERT_EQ(f.Lay(LessonText{}.Para(0x81, 0x40, "12. text")), kLayoutDone);  // column 8: one byte
    ASSERT_EQ(PaintText(f.view, false), 0);
    EXPECT_EQ(Texts(f.recorder), (std::vector<std::string>{"1", "text"}));
}

TEST(Paint, HighlightAcrossALineBreak) {
    ViewFixture f(10, 0, 100, 200);
    ASSERT_EQ(f.Lay(LessonText{}.Para(0x81, 0x40, kListItem)), kLayoutDone);
    // "beta gamma": offsets 10..19; "beta" ends line 0, "gamma" starts line 1.
    f.view->highlightStart = 10;
    f.view->highlightEnd = 20;
    f.view->pageEnd = nullptr;
    ASSERT_EQ(PaintText(f.view, false), 0);
    std::vector<DrawCall> marks;
    for (const DrawCall& call : f.recorder.texts()) {
        if (call.backColour == kColourYellow) marks.push_back(call);
    }
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].text, "beta");
    EXPECT_EQ(marks[0].x, 18 + 6 * 8);
    EXPECT_EQ(marks[0].w, 32);
    EXPECT_EQ(marks[0].textColour, kColourBlue);
    EXPECT_EQ(marks[1].text, "gamma");
    EXPECT_EQ(marks[1].x, 18);
    EXPECT_EQ(marks[1].y, 16);
    EXPECT_EQ(f.view->pageEnd, nullptr);  // a highlight leaves pageEnd alone
    EXPECT_EQ(f.recorder.backColour, 0xFFFFFFu);
}

TEST(Paint, HighlightInsideALabel) {
    ViewFixture f(0, 0, 400, 200);
    ASSERT_EQ(f.Lay(LessonText{}.Para(0x81, 0xC0, "12 item")), kLayoutDone);  // column 16
    f.view->highlightStart = 3;  // the label's "2"
    f.view->highlightEnd = 4;
    ASSERT_EQ(PaintText(f.view, false), 0);
    const DrawCall& mark = f.recorder.calls.back();
    EXPECT_EQ(mark.backColour, kColourYellow);
    EXPECT_EQ(mark.text, "2");
    EXPECT_EQ(mark.x, 8);  // label at x - hang = 0, one byte in
}

// A labelled first line draws its run after the label and its spaces, so the
// run ends past start + length: a match in its last bytes is still on it.
TEST(Paint, MatchAtTheEndOfALabelledFirstLineIsScrolledToAndHighlighted) {
    ViewFixture f(10, 0, 100, 32);  // two lines to a screen
    LessonText text;
    for (int verse = 0; verse < 4; ++verse) text.Para(0x81, 0x40, kListItem);
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    // The third verse: "\x95 alpha beta" on its first line, whose label and
    // space take two bytes; "beta" ends the run.
    const TextLine& first = f.Line(4);
    ASSERT_EQ(first.hang, 8);
    ASSERT_EQ(RunEnd(f.view->text, first), first.start + 2u + first.length);
    const uint32_t lastByte = RunEnd(f.view->text, first) - 1;  // beta's "a"
    ASSERT_GT(lastByte, static_cast<uint32_t>(first.start + first.length));

    f.view->topLine = 0;
    ASSERT_EQ(ScrollToTextOffset(f.view, lastByte), 1);
    EXPECT_EQ(f.view->topLine, 6);  // two verses of two lines and a blank line
    f.view->highlightStart = static_cast<uint16_t>(lastByte);
    f.view->highlightEnd = static_cast<uint16_t>(lastByte + 1);
    ASSERT_EQ(PaintText(f.view, false), 0);
    const DrawCall& mark = f.recorder.calls.back();
    EXPECT_EQ(mark.backColour, kColourYellow);
    EXPECT_EQ(mark.text, "a");
    EXPECT_EQ(mark.y, 0);
    EXPECT_EQ(mark.x, 18 + 9 * 8);
}

TEST(Paint, NothingToPaint) {
    ViewFixture f(0, 0, 100, 100);
    EXPECT_EQ(PaintText(f.view, true), -1);  // no text yet
    EXPECT_EQ(PaintText(nullptr, true), -1);
    EXPECT_EQ(PaintHighlight(nullptr), -1);
    EXPECT_TRUE(f.recorder.calls.empty());
}

TEST(Paint, ColouredRunRestoresColours) {
    Recorder r;
    DrawingSurface surface = r.surface();
    r.textColour = Rgb(9, 9, 9);
    r.backColour = Rgb(7, 7, 7);
    EXPECT_EQ(DrawColouredRun(&surface, "abc", 2, 1, 2, 16, 16, kColourBlue, kColourYellow), 16);
    ASSERT_EQ(r.calls.size(), 1u);
    EXPECT_EQ(r.calls[0].text, "ab");
    EXPECT_EQ(r.calls[0].textColour, kColourBlue);
    EXPECT_EQ(r.calls[0].backColour, kColourYellow);
    EXPECT_EQ(r.textColour, Rgb(9, 9, 9));
    EXPECT_EQ(r.backColour, Rgb(7, 7, 7));
}

TEST(Paint, MeasureFitGivesTheFittingBytesAndTheirWidth) {
    Recorder r;
    DrawingSurface surface = r.surface();
    int32_t extent = 30;
    int32_t count = 10;
    MeasureFit(&surface, "abcdefghij", &extent, &count);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(extent, 24);
    extent = 100;
    count = 10;
    MeasureFit(&surface, "ab", &extent, &count);  // stops at the zero byte
    EXPECT_EQ(count, 2);
    EXPECT_EQ(extent, 16);
}

}  // namespace
