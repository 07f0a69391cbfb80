// Splitting a lesson text into its paragraphs: style byte, indent byte, body,
// zero byte; a zero style byte ends the text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct LessonParagraph {
    uint8_t style;
    uint8_t indent;
    const uint8_t* body;
    size_t length;  // body bytes, without the terminating zero
};

constexpr uint8_t kRuleStyleBits = 0x07;

inline bool IsRuleParagraph(uint8_t style) { return (style & kRuleStyleBits) == kRuleStyleBits; }

// The paragraphs of the `size` bytes at `text` up to its end marker. Returns
// the offset just past the end marker, or 0 when the bytes end before one.
size_t SplitLessonText(const uint8_t* text, size_t size, std::vector<LessonParagraph>* paragraphs);

// Columns of the row of hyphens that stands for a rule of indent byte
// `width` in plain text: 0 none, 1..160 as is, 161..255 twice the percentage.
int RuleTextWidth(uint8_t width);
