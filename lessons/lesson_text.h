// The lesson text format: a run of paragraphs, each a style byte, an indent
// byte, a body and a zero byte, ended by a zero where the next style byte
// would stand. Every reader of lesson texts (the layout, painting, the
// clipboard text, the book's sources and tool) takes its facts from here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Style byte.
constexpr uint8_t kStyleSizeMask = 0x07;  // all three set: a rule paragraph
constexpr uint8_t kStyleLarge = 0x04;
constexpr uint8_t kStyleSmall = 0x02;
constexpr uint8_t kStyleBold = 0x08;
constexpr uint8_t kStyleAlignMask = 0x60;
constexpr uint8_t kStyleAlignRight = 0x20;
constexpr uint8_t kStyleAlignCentre = 0x40;
constexpr uint8_t kStyleBlankAfter = 0x80;
constexpr uint8_t kStyleFontMask = 0x1F;
// Whole style bytes with a meaning of their own: a lesson's title (large,
// bold, centred) and a heading (centred), which may stand under the title as
// its subtitle; both with a blank line after.
constexpr uint8_t kStyleTitle = 0xCC;
constexpr uint8_t kStyleHeading = 0xC1;

// Indent byte of a text paragraph: the left indent in pixels, and the label
// level (0 = none; 1..3 = the first word is a label in a hanging column).
constexpr uint8_t kIndentPixelsMask = 0x3F;
constexpr int LabelLevel(uint8_t indent) { return indent >> 6; }

// The largest lesson text, its end marker included: every offset into it
// fits 16 bits.
constexpr size_t kMaxLessonTextSize = 0xFFFF;

constexpr bool IsRule(uint8_t style) { return (style & kStyleSizeMask) == kStyleSizeMask; }

// Width of a rule of indent byte `width` in a frame `frameWidth` pixels wide:
// 0 none, 1..160 pixels, 161..255 twice (width - 160) percent of the frame.
// Not cut to the frame.
int32_t RulePixelWidth(uint8_t width, int32_t frameWidth);
// True when the rule's indent byte gives its width in pixels rather than as
// a share of the frame.
constexpr bool RuleWidthIsPixels(uint8_t width) { return width <= 160; }

// Hyphens of the row that stands for a rule of indent byte `width` in plain
// text: 0 none, 1..160 as is, 161..255 twice (width - 160).
int RuleTextWidth(uint8_t width);

// Bytes from `p` up to the first space or zero byte: a word, or a label.
int32_t WordLength(const char* p);

// The paragraph after the one at `paragraph` (its style byte): past the
// style and indent bytes, the body and its zero byte.
const char* NextParagraph(const char* paragraph);

struct LessonParagraph {
    uint8_t style;
    uint8_t indent;
    const uint8_t* body;
    size_t length;  // body bytes, without the terminating zero
};

// The paragraphs of the `size` bytes at `text` up to its end marker. Returns
// the offset just past the end marker, or 0 when the bytes end before one.
size_t SplitLessonText(const uint8_t* text, size_t size, std::vector<LessonParagraph>* paragraphs);
