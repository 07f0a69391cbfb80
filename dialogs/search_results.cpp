// Find All's rows.
#include "dialogs/search_results.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "calendar/decimal_text.h"
#include "dialogs/search_box.h"
#include "lessons/lesson_text.h"

namespace {

constexpr char kCut[] = "...";
constexpr char16_t kMatchOpens = u'\u00AB';
constexpr char16_t kMatchCloses = u'\u00BB';

// Appends 8-bit text, each byte widened to the unit of its value.
void AppendBytes(std::u16string* out, const char* from, const char* to) {
    for (; from < to && *from != '\0'; ++from) *out += static_cast<char16_t>(static_cast<unsigned char>(*from));
}

void AppendBytes(std::u16string* out, const char* text) { AppendBytes(out, text, text + strlen(text)); }

void AppendNumber(std::u16string* out, uint32_t number) {
    char digits[kMaxDecimalLength];
    AppendBytes(out, digits, WriteDecimal(static_cast<int32_t>(number), 1, digits));
}

struct Span {
    const char* begin;
    const char* end;
};

// The body of the paragraph that holds `at`.
Span BodyAround(const char* text, const char* at) {
    for (const char* paragraph = text; *paragraph != '\0'; paragraph = NextParagraph(paragraph)) {
        const char* body = paragraph + 2;
        const char* end = body + strlen(body);
        if (at >= body && at < end) return {body, end};
    }
    return {at, at};
}

// Where the words before the match begin when the paragraph is cut at
// `cut`: after the word the cut falls in, unless that word runs on into the
// match.
const char* WordsFrom(Span body, const char* cut, const char* match) {
    const char* from = cut;
    if (from != body.begin && from[-1] != ' ') {
        while (from < match && *from != ' ') ++from;
        if (from == match) return cut;
    }
    while (from < match && *from == ' ') ++from;
    return from;
}

// Where the words after the match end when the paragraph is cut at `cut`.
const char* WordsTo(Span body, const char* cut, const char* matchEnd) {
    const char* to = cut;
    if (to != body.end && *to != ' ') {
        while (to > matchEnd && to[-1] != ' ') --to;
        if (to == matchEnd) return cut;
    }
    while (to > matchEnd && to[-1] == ' ') --to;
    return to;
}

// Adds the row of the lesson `text` when it holds the phrase and `day` is
// one the calendar has.
void AddLesson(SearchResults* results, LessonKey key, AbsoluteDay day, const char* text,
               const SearchPhrase& phrase) {
    const LessonMatches matches = CountInLesson(text, phrase);
    if (matches.count == 0 || !IsSupportedDay(day)) return;
    SearchResult row{key, day, {}, matches.first, matches.count, ResultTitle(text),
                     MatchContext(text, matches.first, strlen(phrase.text))};
    FormatHebrewDateCaption(HebrewFromAbsolute(day), row.caption);
    results->rows.push_back(std::move(row));
    results->matches += matches.count;
}

}  // namespace

SearchResults FindAllMatches(const ResultsPlace& place, const SearchPhrase& phrase) {
    SearchResults results{{}, 0};
    if (phrase.text[0] == '\0') return results;
    LessonWalk walk = StartLessonWalk(place.shownLesson);
    LessonKey key = 0;
    char* text = nullptr;
    while (NextWalkLesson(&walk, &key, &text)) {
        AddLesson(&results, key, DayOnward(key, place.day), text, phrase);
        free(text);
    }
    if (place.text != nullptr) AddLesson(&results, place.shownLesson, place.day, place.text, phrase);
    return results;
}

AbsoluteDay DayOnward(LessonKey key, AbsoluteDay shown) {
    const int32_t year = HebrewFromAbsolute(shown).year;
    const AbsoluteDay inYear = DayForLessonKey(key, year);
    if (inYear >= shown) return IsSupportedDay(inYear) ? inYear : 0;
    const AbsoluteDay yearOn = DayForLessonKey(key, year + 1);
    if (IsSupportedDay(yearOn)) return yearOn;
    return IsSupportedDay(inYear) ? inYear : 0;
}

std::u16string MatchContext(const char* text, uint32_t offset, size_t length) {
    const char* match = text + offset;
    const char* matchEnd = match + length;
    const Span body = BodyAround(text, match);
    // What one side cannot use goes to the other.
    const size_t room = length < kContextSize ? kContextSize - length : 0;
    const size_t before = static_cast<size_t>(match - body.begin);
    const size_t after = static_cast<size_t>(body.end - matchEnd);
    const size_t takeBefore = std::min(before, std::max(room / 2, room > after ? room - after : 0));
    const size_t takeAfter = std::min(after, room - takeBefore);
    const char* from = WordsFrom(body, match - takeBefore, match);
    const char* to = WordsTo(body, matchEnd + takeAfter, matchEnd);

    std::u16string context;
    if (from != body.begin) AppendBytes(&context, kCut);
    AppendBytes(&context, from, match);
    context += kMatchOpens;
    AppendBytes(&context, match, matchEnd);
    context += kMatchCloses;
    AppendBytes(&context, matchEnd, to);
    if (to != body.end) AppendBytes(&context, kCut);
    return context;
}

std::u16string ResultTitle(const char* text) {
    const auto [title, subtitle] = FindLessonTitles(text);
    std::u16string joined;
    if (title != nullptr) AppendBytes(&joined, title);
    if (title != nullptr && subtitle != nullptr) AppendBytes(&joined, ": ");
    if (subtitle != nullptr) AppendBytes(&joined, subtitle);
    return joined;
}

std::u16string ResultsCountLine(const SearchResults& results) {
    const uint32_t lessons = static_cast<uint32_t>(results.rows.size());
    std::u16string line;
    AppendNumber(&line, results.matches);
    AppendBytes(&line, results.matches == 1 ? " match in " : " matches in ");
    AppendNumber(&line, lessons);
    AppendBytes(&line, lessons == 1 ? " lesson" : " lessons");
    return line;
}
