// The search through the book: caseless matching, matching in one lesson's
// paragraph bodies, and the walk through the lessons.
#include "dialogs/search.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "lessons/lesson_loader.h"
#include "lessons/lesson_text.h"

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

const char* FindPhrase(const char* haystack, const SearchPhrase& phrase) {
    return phrase.matchCase ? strstr(haystack, phrase.text) : FindCaseless(haystack, phrase.text);
}

bool InWalk(LessonKey key) {
    return LessonMonth(key) >= 1 && LessonMonth(key) <= kCommonYearAdar && LessonDay(key) >= 1 &&
           LessonDay(key) <= 31;
}

// The first match in another lesson on the walk from `shown`.
SearchHit WalkOtherLessons(LessonKey shown, int32_t year, const SearchPhrase& phrase) {
    LessonWalk walk = StartLessonWalk(shown);
    LessonKey key = 0;
    char* text = nullptr;
    while (NextWalkLesson(&walk, &key, &text)) {
        const uint32_t offset = FindInLesson(text, 0, phrase);
        const AbsoluteDay day = offset != 0 ? DayForLessonKey(key, year) : 0;
        if (IsSupportedDay(day)) return {offset, text, key, day};
        free(text);
    }
    return {};
}

// The first `c` in [from, end), or end.
const char* NextOf(const char* from, const char* end, char c) {
    const void* found = memchr(from, c, static_cast<size_t>(end - from));
    return found != nullptr ? static_cast<const char*>(found) : end;
}

// The caseless matches of a needle in the zero-terminated run [from, end),
// one after the other, each looked for from the byte after the one before.
// Candidates are the places of the needle's first byte in either case,
// which memchr finds fast (even where they stand a few bytes apart, as the
// letters of a common word do); only they are compared in full.
struct CaselessScan {
    const char* needle;
    const char* end;
    char lower, upper;
    const char* nextLower;  // the next candidate in each case, or end
    const char* nextUpper;
};

CaselessScan StartCaseless(const char* from, const char* end, const char* needle) {
    const char lower = FoldAscii(needle[0]);
    const char upper = (lower >= 'a' && lower <= 'z') ? static_cast<char>(lower - ('a' - 'A')) : lower;
    return {needle, end, lower, upper, NextOf(from, end, lower), upper != lower ? NextOf(from, end, upper) : end};
}

const char* NextCaseless(CaselessScan* scan) {
    while (scan->nextLower != scan->end || scan->nextUpper != scan->end) {
        const char* h = std::min(scan->nextLower, scan->nextUpper);
        if (h == scan->nextLower) {
            scan->nextLower = NextOf(h + 1, scan->end, scan->lower);
        } else {
            scan->nextUpper = NextOf(h + 1, scan->end, scan->upper);
        }
        // The run's zero ends the comparison.
        size_t i = 1;
        while (scan->needle[i] != '\0' && FoldAscii(h[i]) == FoldAscii(scan->needle[i])) ++i;
        if (scan->needle[i] == '\0') return h;
    }
    return nullptr;
}

void Tally(LessonMatches* matches, const char* text, const char* found) {
    if (matches->count++ == 0) matches->first = static_cast<uint32_t>(found - text);
}

// Adds the matches in one paragraph body [body, end) of `text`.
void CountInBody(const char* text, const char* body, const char* end, const SearchPhrase& phrase,
                 LessonMatches* matches) {
    if (phrase.matchCase) {
        for (const char* found = strstr(body, phrase.text); found != nullptr; found = strstr(found + 1, phrase.text)) {
            Tally(matches, text, found);
        }
        return;
    }
    CaselessScan scan = StartCaseless(body, end, phrase.text);
    for (const char* found = NextCaseless(&scan); found != nullptr; found = NextCaseless(&scan)) {
        Tally(matches, text, found);
    }
}

}  // namespace

const char* FindCaseless(const char* haystack, const char* needle) {
    CaselessScan scan = StartCaseless(haystack, haystack + strlen(haystack), needle);
    return NextCaseless(&scan);
}

uint32_t FindInLesson(const char* text, uint32_t startOffset, const SearchPhrase& phrase) {
    const char* limit = text + startOffset;
    for (const char* paragraph = text; *paragraph != '\0';) {
        const char* body = paragraph + 2;
        // The search starts at the limit when it lies inside this body; a
        // body wholly before it is passed over, its last byte included.
        const char* from = body;
        while (from < limit && *from != '\0') ++from;
        if (const char* found = FindPhrase(from, phrase)) return static_cast<uint32_t>(found - text);
        paragraph = NextParagraph(paragraph);
    }
    return 0;
}

LessonMatches CountInLesson(const char* text, const SearchPhrase& phrase) {
    // Search Again steps one byte past each match, so matches may overlap.
    LessonMatches matches{0, 0};
    for (const char* paragraph = text; *paragraph != '\0';) {
        const char* body = paragraph + 2;
        const char* end = body + strlen(body);
        CountInBody(text, body, end, phrase, &matches);
        paragraph = end + 1;
    }
    return matches;
}

LessonKey NextWalkKey(LessonKey key) {
    const LessonKey next = static_cast<LessonKey>(key + 1);
    if (LessonDay(next) <= 31) return next;
    const int month = LessonMonth(next);
    return MakeLessonKey(month > 13 ? 1 : month + 1, 1);
}

LessonWalk StartLessonWalk(LessonKey shown) { return {shown, shown, 0}; }

bool NextWalkLesson(LessonWalk* walk, LessonKey* key, char** text) {
    for (;;) {
        walk->key = NextWalkKey(walk->key);
        if (walk->key == walk->shown || walk->visited >= kWalkKeys) {
            walk->visited = kWalkKeys;  // the turn stays ended
            return false;
        }
        if (InWalk(walk->key)) ++walk->visited;
        *text = LoadLessonText(walk->key, nullptr);
        if (*text != nullptr) {
            *key = walk->key;
            return true;
        }
    }
}

SearchHit FindNextHit(const SearchPlace& place, const SearchPhrase& phrase) {
    if (phrase.text[0] == '\0') return {};
    const LessonKey shown = place.shownLesson;
    if (place.text != nullptr) {
        const uint32_t offset = FindInLesson(place.text, place.highlightStart + 1u, phrase);
        if (offset != 0) return {offset, nullptr, shown, 0};
    }
    const SearchHit other = WalkOtherLessons(shown, place.year, phrase);
    if (other.offset != 0 || place.highlightStart == 0 || place.text == nullptr) return other;
    // Back at the lesson shown: matches before the one shown.
    return {FindInLesson(place.text, 0, phrase), nullptr, shown, 0};
}

void NarrowTypedPhrase(const char16_t* typed, char* phrase, size_t size) {
    size_t i = 0;
    for (; i + 1 < size && typed[i] != 0; ++i) phrase[i] = static_cast<char>(typed[i] & 0xFF);
    if (size != 0) phrase[i] = '\0';
}
