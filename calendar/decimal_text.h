// Numbers written as text into a caller's buffer, without the C library's
// formatted output: the date captions and the calendar tool's lines are
// formed often enough for its cost to show.
#pragma once

#include <cstdint>

// Room for any int32_t in decimal: a sign and ten digits.
constexpr int kMaxDecimalLength = 11;

// Writes `value` in decimal, with a leading '-' when negative and at least
// `minDigits` (at most 10) digits, zeros in front; no terminator. Returns the
// position after the last character written.
char* WriteDecimal(int32_t value, int minDigits, char* out);

// Copies `text` without its terminator; returns the position after it.
char* WriteText(const char* text, char* out);
