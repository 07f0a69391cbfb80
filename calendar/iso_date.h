// Civil dates written as YYYY-MM-DD, as the book tool reads and prints them.
#pragma once

#include <string>

#include "calendar/hebrew_calendar.h"

// Parses exactly four digits, '-', two digits, '-', two digits, naming a
// real date in years 1..9999. Returns false for anything else.
bool ParseIsoDate(const char* text, GregorianDate* date);

std::string FormatIsoDate(GregorianDate date);
