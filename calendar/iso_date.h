// Civil dates written as YYYY-MM-DD, as the book tool reads and prints them.
#pragma once

#include <string>

#include "calendar/decimal_text.h"
#include "calendar/hebrew_calendar.h"

// Parses exactly four digits, '-', two digits, '-', two digits, naming a
// real date in years 1..9999. Returns false for anything else.
bool ParseIsoDate(const char* text, GregorianDate* date);

// Room for the text of any date: three numbers and two dashes.
constexpr int kMaxIsoDateLength = 3 * kMaxDecimalLength + 2;

// Writes YYYY-MM-DD (more digits for a longer year) without a terminator and
// returns the position after it.
char* WriteIsoDate(GregorianDate date, char* out);

std::string FormatIsoDate(GregorianDate date);
