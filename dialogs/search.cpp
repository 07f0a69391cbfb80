// The search through the book: caseless matching, matching in one lesson's
// paragraph bodies, and the walk through the lessons.
#include "dialogs/search.h"

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

}  // namespace

const char* FindCaseless(const char* haystack, const char* needle) {
    // Candidates are the places of the needle's first byte in either case
    // (strcspn finds them fast); only they are compared in full.
    const char lower = FoldAscii(needle[0]);
    const char upper = (lower >= 'a' && lower <= 'z') ? static_cast<char>(lower - ('a' - 'A')) : lower;
    const char firsts[] = {lower, upper, '\0'};
    for (const char* h = haystack + strcspn(haystack, firsts); *h != '\0'; h += 1 + strcspn(h + 1, firsts)) {
        size_t i = 1;
        while (needle[i] != '\0' && FoldAscii(h[i]) == FoldAscii(needle[i])) ++i;
        if (needle[i] == '\0') return h;
    }
    return nullptr;
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
