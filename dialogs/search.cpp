// The search through the book: caseless matching, matching in one lesson's
// paragraph bodies, and the walk through the lessons.
#include "dialogs/search.h"

#include <cstdint>
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

constexpr uint64_t kEveryByte = 0x0101010101010101u;
constexpr uint64_t kTopBits = 0x8080808080808080u;
constexpr uint64_t kCaseBits = 0x2020202020202020u;

// Eight bytes from `p`, the first in the low bits on every machine.
uint64_t EightBytes(const char* p) {
    uint64_t word;
    memcpy(&word, p, sizeof word);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    word = __builtin_bswap64(word);
#endif
    return word;
}

// The top bit of every zero byte of `word`, and perhaps of bytes above one.
uint64_t ZeroBytes(uint64_t word) { return (word - kEveryByte) & ~word & kTopBits; }

// The caseless matches of a needle in the zero-terminated run [from, end),
// one after the other, each looked for from the byte after the one before.
// Candidates are the places where the needle's first three bytes (or all,
// when it has fewer) stand with their 0x20 bits set, which covers both
// cases of a letter; eight places are tried at once, and only candidates
// are compared in full. The program's own scan serves every C library the
// same: a common word's many candidates cost no call each.
struct CaselessScan {
    const char* needle;
    const char* next;  // where the next candidate may stand
    const char* end;
    uint64_t first;    // the needle's first byte with its 0x20 bit, in every byte
    uint64_t second;   // and its second and third, or 0 past the needle's end
    uint64_t third;
};

CaselessScan StartCaseless(const char* from, const char* end, const char* needle) {
    const auto spread = [](char c) { return kEveryByte * static_cast<unsigned char>(c | 0x20); };
    // An empty needle is found nowhere.
    if (needle[0] == '\0') return {needle, end, end, 0, 0, 0};
    const bool two = needle[1] != '\0';
    return {needle, from, end, spread(needle[0]), two ? spread(needle[1]) : 0,
            two && needle[2] != '\0' ? spread(needle[2]) : 0};
}

bool MatchesAt(const char* h, const char* needle) {
    // The run's zero ends the comparison.
    size_t i = 0;
    while (needle[i] != '\0' && FoldAscii(h[i]) == FoldAscii(needle[i])) ++i;
    return needle[i] == '\0';
}

// The candidates among the eight places from `h`, a top bit for each.
uint64_t Candidates(const CaselessScan& scan, const char* h) {
    uint64_t hits = ZeroBytes((EightBytes(h) | kCaseBits) ^ scan.first);
    if (scan.second != 0) hits &= ZeroBytes((EightBytes(h + 1) | kCaseBits) ^ scan.second);
    if (scan.third != 0) hits &= ZeroBytes((EightBytes(h + 2) | kCaseBits) ^ scan.third);
    return hits;
}

// The place of the lowest top bit of `hits`, counted in bytes: the bits
// below it, one in each byte, summed.
int LowestByte(uint64_t hits) {
    const uint64_t below = ((hits & (0 - hits)) - 1) & kEveryByte;
    return static_cast<int>((below * kEveryByte) >> 56) - 1;
}

const char* NextCaseless(CaselessScan* scan) {
    const char* h = scan->next;
    // Eight places at a time while the bytes read stay within the run and its zero.
    for (; h + 9 <= scan->end; h += 8) {
        for (uint64_t hits = Candidates(*scan, h); hits != 0; hits &= hits - 1) {
            const char* candidate = h + LowestByte(hits);
            if (MatchesAt(candidate, scan->needle)) {
                scan->next = candidate + 1;
                return candidate;
            }
        }
    }
    for (; h < scan->end; ++h) {
        if ((*h | 0x20) == static_cast<char>(scan->first) && MatchesAt(h, scan->needle)) {
            scan->next = h + 1;
            return h;
        }
    }
    scan->next = scan->end;
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
