// Find All: every lesson of the book that holds the reader's phrase, one row
// each, in the order Search Again meets them from the lesson shown, with the
// day each row goes to, the lesson's title, its matches and the words around
// its first match. Nothing here touches a window: the search dialog lists
// the rows and the shell shows the one picked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "calendar/date_caption.h"
#include "dialogs/search.h"

// Where Find All starts: the lesson shown and the day it is shown on.
struct ResultsPlace {
    const char* text;       // the text shown, or null
    LessonKey shownLesson;  // key of the text shown
    AbsoluteDay day;        // the day shown
};

struct SearchResult {
    LessonKey key;
    AbsoluteDay day;                   // the day the row goes to
    char caption[kCaptionFieldSize];   // its Hebrew date, "28 Kislev, 5787"
    uint32_t firstMatch;               // offset of the first match in the lesson's text
    uint32_t matches;                  // in the lesson, as Search Again steps through them
    std::u16string title;              // each byte widened; empty when the lesson has none
    std::u16string context;            // each byte widened: the words around the first match
};

struct SearchResults {
    std::vector<SearchResult> rows;
    uint32_t matches;  // of every row together
};

// The rows for `phrase`: the lessons after the one shown around to the one
// before it, then the lesson shown (its own text, on the day shown). A
// lesson that cannot be loaded, or whose day lies outside the calendar, has
// no row; an empty phrase gives none.
SearchResults FindAllMatches(const ResultsPlace& place, const SearchPhrase& phrase);

// The day a lesson found from the day `shown` goes to: its day in the Hebrew
// year shown (an Adar II in the next leap year, the Adar of a common year in
// the next common year) when that is not before the day shown, else its day
// a year on, so that the rows run forward from the day shown; its day in the
// year shown when a year on lies beyond the calendar; 0 when the calendar
// has neither.
AbsoluteDay DayOnward(LessonKey key, AbsoluteDay shown);

// About this many characters of a lesson stand in a row around its match.
constexpr size_t kContextSize = 60;

// The words around the match of `length` bytes at `offset` in the lesson
// `text`, from its paragraph only: about kContextSize characters with the
// match between the angle quotes 0xAB and 0xBB, whole words where the
// paragraph goes on beyond them, and "..." on a side where it does.
std::u16string MatchContext(const char* text, uint32_t offset, size_t length);

// A row's title: the lesson's title, then its subtitle after ": ", or the
// subtitle alone; empty when it has neither.
std::u16string ResultTitle(const char* text);

// The line above the rows: "12 matches in 5 lessons", "1 match in 1 lesson".
std::u16string ResultsCountLine(const SearchResults& results);
