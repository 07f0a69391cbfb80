// The pane's lesson as a screen reader reads it: the plain text, its units,
// how ranges move by them, and where the pane's lines in view fall in it.
#include <gtest/gtest.h>

#include "app/pane_text.h"
#include "lessons/clipboard_text.h"
#include "tests/unit/view_test_support.h"

namespace {

// Laid out 20 units of 8 pixels to a line, 16 pixels high. Plain text:
// "Day one\r\n\r\n" 0, "Morning\r\n" 11, 24 hyphens 20, the list item 46
// (wrapped before "long" at 64, its blank line at 85), "Body text here." 87,
// 106 units in all.
LessonText Sample() {
    return LessonText{}
        .Para(0xC2, 0, "Day one")
        .Para(0x01, 0, "Morning")
        .Para(0x47, 0xAC, "")
        .Para(0x81, 0x40, "\x95 first item runs long enough to wrap")
        .Para(0x81, 0, "Body text here.");
}

std::string Piece(const PaneText& text, TextSpan span) {
    std::string bytes;
    for (int32_t i = span.start; i < span.end; ++i) bytes += static_cast<char>(text.text[i]);
    return bytes;
}

struct SampleView : ViewFixture {
    PaneText text;
    SampleView() : ViewFixture(10, 20, 160, 64) {
        EXPECT_EQ(Lay(Sample()), kLayoutDone);
        text = BuildPaneText(view);
    }
};

TEST(PaneText, IsTheClipboardTextWithTheParagraphsAndLinesOfThePane) {
    const LessonText lessons[] = {
        Sample(),
        LessonText{}.Para(0x47, 0, "").Para(0x81, 0, "  lead").Para(0x81, 0, "").Para(0xC7, 0xD2, "").Para(0x01, 0, "x"),
    };
    for (const LessonText& lesson : lessons) {
        ViewFixture f(0, 0, 160, 64);
        ASSERT_EQ(f.Lay(lesson), kLayoutDone);
        const PaneText text = BuildPaneText(f.view);
        std::u16string copied(ClipboardTextSize(f.view->text) / 2, u'\0');
        ASSERT_EQ(LessonToClipboardText(f.view->text, &copied[0], copied.size() * 2), 0);
        EXPECT_EQ(text.text, copied.c_str());
        EXPECT_EQ(text.lines.size(), f.view->visualLines);
        EXPECT_EQ(text.lines[0].start, 0);
        for (size_t i = 1; i < text.lines.size(); ++i) EXPECT_GT(text.lines[i].start, text.lines[i - 1].start);
    }
    EXPECT_EQ(BuildPaneText(nullptr).text, u"");
}

TEST(PaneText, UnitsHoldTheExpectedPieces) {
    const SampleView s;
    const std::string rule = std::string(24, '-') + "\r\n";
    const struct {
        PaneUnit unit;
        int32_t at;
        std::string piece;
    } cases[] = {
        {PaneUnit::Character, 7, "\r\n"},           {PaneUnit::Character, 105, "\r\n"},
        {PaneUnit::Word, 2, "Day "},                {PaneUnit::Word, 5, "one\r\n"},
        {PaneUnit::Word, 10, "\r\n"},               {PaneUnit::Format, 47, "\x95 "},
        {PaneUnit::Word, 106, "\r\n"},              {PaneUnit::Line, 0, "Day one\r\n"},
        {PaneUnit::Line, 9, "\r\n"},                {PaneUnit::Line, 30, rule},
        {PaneUnit::Line, 50, "\x95 first item runs "}, {PaneUnit::Line, 64, "long enough to wrap\r\n"},
        {PaneUnit::Line, 90, "Body text here.\r\n\r\n"},
        {PaneUnit::Paragraph, 70, "\x95 first item runs long enough to wrap\r\n\r\n"},
        {PaneUnit::Paragraph, 20, rule},           {PaneUnit::Page, 33, Piece(s.text, {0, 106})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Piece(s.text, ExpandToUnit(s.text, {c.at, c.at}, c.unit)), c.piece)
            << "unit " << int(c.unit) << " at " << c.at;
    }
}

TEST(PaneText, RangesMoveByUnitsAsFarAsTheTextAllows) {
    const SampleView s;
    const struct {
        PaneUnit unit;
        TextSpan from;
        int32_t count;
        int32_t moved;
        TextSpan to;
    } moves[] = {
        {PaneUnit::Line, {0, 0}, 1, 1, {9, 9}},          {PaneUnit::Line, {46, 64}, 1, 1, {64, 85}},
        {PaneUnit::Line, {50, 52}, 100, 3, {87, 106}},   {PaneUnit::Line, {46, 64}, -100, -4, {0, 9}},
        {PaneUnit::Line, {87, 106}, 1, 0, {87, 106}},    {PaneUnit::Word, {50, 50}, -1, -1, {48, 48}},
        {PaneUnit::Word, {50, 52}, 2, 2, {59, 64}},      {PaneUnit::Paragraph, {106, 106}, -1, -1, {87, 87}},
        {PaneUnit::Paragraph, {0, 0}, 10, 5, {106, 106}}, {PaneUnit::Character, {7, 7}, 1, 1, {9, 9}},
        {PaneUnit::Document, {3, 5}, 1, 0, {3, 5}},      {PaneUnit::Line, {200, 300}, -1, -1, {87, 87}},
    };
    for (const auto& m : moves) {
        TextSpan span = m.from;
        EXPECT_EQ(MoveSpan(s.text, &span, m.unit, m.count), m.moved) << m.from.start << " by " << m.count;
        EXPECT_EQ(Piece(s.text, span), Piece(s.text, m.to)) << m.from.start << " by " << m.count;
        EXPECT_EQ(span.start, m.to.start) << m.from.start << " by " << m.count;
    }
    const struct {
        TextSpan from;
        bool atEnd;
        PaneUnit unit;
        int32_t count;
        int32_t moved;
        TextSpan to;
    } ends[] = {
        {{0, 9}, true, PaneUnit::Line, 2, 2, {0, 20}},
        {{46, 64}, false, PaneUnit::Word, 10, 10, {92, 92}},      // the start passes the end
        {{46, 64}, true, PaneUnit::Paragraph, -2, -2, {20, 20}},  // the end passes the start
        {{0, 3}, false, PaneUnit::Character, -1, 0, {0, 3}},
    };
    for (const auto& e : ends) {
        TextSpan span = e.from;
        EXPECT_EQ(MoveSpanEnd(s.text, &span, e.atEnd, e.unit, e.count), e.moved);
        EXPECT_EQ(span.start, e.to.start);
        EXPECT_EQ(span.end, e.to.end);
    }
}

TEST(PaneText, FindsTextInsideTheRange) {
    const SampleView s;
    const struct {
        std::u16string needle;
        TextSpan within;
        bool backward, ignoreCase;
        int32_t at;
    } cases[] = {
        {u"ITEM", {0, 106}, false, true, 54}, {u"ITEM", {0, 106}, false, false, -1},
        {u"e", {87, 106}, true, false, 100},  {u"e", {87, 106}, false, false, 93},
        {u"here", {87, 99}, false, false, -1}, {u"", {0, 106}, false, false, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(FindInSpan(s.text, c.within, c.needle, c.backward, c.ignoreCase).start, c.at);
}

// Four lines of 16 pixels fit the frame; the last screenful starts at line 4.
TEST(PaneText, TheLinesInViewFollowTheTopLine) {
    SampleView s;
    const struct {
        uint16_t topLine;
        TextSpan visible;
        int32_t caret;
    } cases[] = {{0, {0, 46}, 0}, {1, {9, 64}, 9}, {4, {46, 106}, 46}, {500, {46, 106}, 46}};
    for (const auto& c : cases) {
        s.view->topLine = c.topLine;
        EXPECT_EQ(VisibleSpan(s.view, s.text).start, c.visible.start) << c.topLine;
        EXPECT_EQ(VisibleSpan(s.view, s.text).end, c.visible.end) << c.topLine;
        EXPECT_EQ(TopLineCaret(s.view, s.text).start, c.caret) << c.topLine;
    }
    s.view->topLine = 4;
    const std::vector<ViewFrame> boxes = LineBoxes(s.view, s.text, {50, 70});
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ((std::vector<int32_t>{boxes[0].left, boxes[0].top, boxes[0].width, boxes[1].left, boxes[1].top}),
              (std::vector<int32_t>{10, 20, 8 + 15 * 8, 18, 36}));
    EXPECT_TRUE(LineBoxes(s.view, s.text, {50, 50}).empty());
    EXPECT_EQ(LineAtY(s.view, s.text, 37), 5);
    EXPECT_EQ(LineAtY(s.view, s.text, 0), 4);
    EXPECT_EQ(LineAtY(s.view, s.text, 1000), 7);
    EXPECT_EQ(TopLineShowing(s.view, s.text, 2, true), 2);
    EXPECT_EQ(TopLineShowing(s.view, s.text, 7, true), 4);
    EXPECT_EQ(TopLineShowing(s.view, s.text, 5, false), 2);
}

}  // namespace
