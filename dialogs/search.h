// Searching the book for the reader's phrase: matching inside one lesson
// text, and the walk that Search and Search Again take from the place shown
// through every other lesson and back. Nothing here touches a window: the
// caller shows what was found.
#pragma once

#include <cstddef>
#include <cstdint>

#include "lessons/lesson_key.h"

// The reader's phrase as the search keeps it: at most 33 characters and a
// zero byte.
constexpr int kSearchStringSize = 34;

// The phrase searched for: 8-bit text, zero-terminated; with matchCase off
// the 26 ASCII letters match regardless of case.
struct SearchPhrase {
    const char* text;
    bool matchCase;
};

// The first occurrence of `needle` in the zero-terminated `haystack` where
// only the ASCII letters fold (bytes 0x80 and above, digits and punctuation
// match only themselves); null when there is none or the haystack is empty.
const char* FindCaseless(const char* haystack, const char* needle);

// Offset in the lesson `text` of the first match that starts at or after
// `startOffset`, or 0 for none (a match never starts at 0 or 1). Only the
// paragraph bodies are searched: a match never includes a style or indent
// byte and never runs on into the next paragraph.
uint32_t FindInLesson(const char* text, uint32_t startOffset, const SearchPhrase& phrase);

// Days 1..31 of lesson months 1..14: one turn of the walk.
constexpr int kWalkKeys = 14 * 31;

// The key after `key` in the walk: day 31 of a month is followed by day 1 of
// the next, and lesson month 14 by month 1.
LessonKey NextWalkKey(LessonKey key);

// A turn of the walk through the other lessons, from the one after the
// lesson shown around to the one before it. It takes at most one turn, so a
// key it never meets again (a damaged setting) still ends it.
struct LessonWalk {
    LessonKey shown;
    LessonKey key;  // the last key tried
    int visited;    // keys of the walk tried so far
};

LessonWalk StartLessonWalk(LessonKey shown);

// The next lesson of the walk that could be loaded: its key and its text,
// which the caller releases with free(). A lesson that cannot be loaded is
// passed over (a damaged one after the loader's message). False at the end
// of the turn.
bool NextWalkLesson(LessonWalk* walk, LessonKey* key, char** text);

// Every match in a lesson text, as Search Again meets them one after the
// other: how many, and the offset of the first (0 when there is none).
struct LessonMatches {
    uint32_t first;
    uint32_t count;
};
LessonMatches CountInLesson(const char* text, const SearchPhrase& phrase);

// Where the search starts: the lesson shown. Its key is the one of the
// text, which may be another day's entry (a match in 30 Adar I of a common
// year is shown on 1 Nisan), and Search Again goes on from that entry even
// when its match is no longer marked.
struct SearchPlace {
    const char* text;         // the text shown, or null
    uint16_t highlightStart;  // offset of the match shown; 0 = none
    LessonKey shownLesson;    // key of the text shown
    int32_t year;             // Hebrew year of the day shown
};

struct SearchHit {
    uint32_t offset;  // of the match in its text; 0 = nothing found
    char* text;       // null: the match is in the text shown; otherwise the
                      // text of the lesson found, which the caller releases
                      // with free()
    LessonKey key;    // of the lesson the match is in
    AbsoluteDay day;  // on which that lesson is shown (with text)
};

// The next match after the place shown: in the text shown after the first
// byte of the match shown; then in every other lesson in key order from the
// one after the lesson shown around to the one before it (the walk above,
// which also passes over a lesson whose day lies outside the calendar); then
// in the text shown from its start when a match was shown there. An empty
// phrase finds nothing.
SearchHit FindNextHit(const SearchPlace& place, const SearchPhrase& phrase);

// The phrase the reader typed, as the search keeps it: each UTF-16 unit
// reduced to its low byte, at most `size` - 1 of them, zero-terminated.
void NarrowTypedPhrase(const char16_t* typed, char* phrase, size_t size);
