// The reading pane's lesson as plain text: its units, ranges and the lines
// in view.
#include "app/pane_text.h"

#include <algorithm>

#include "lessons/clipboard_text.h"
#include "lessons/lesson_text.h"

namespace {

// The clipboard ends each paragraph's line with CR LF.
constexpr int32_t kLineEndUnits = 2;

// Where a lesson paragraph stands in the lesson and in the plain text.
struct ParagraphPlace {
    int32_t body;    // lesson offset of its body
    int32_t start;   // plain-text offset of its line
    int32_t length;  // units of that line before its line end
};

int32_t Size(const std::u16string& text) { return static_cast<int32_t>(text.size()); }

std::u16string ClipboardText(const char* lesson) {
    const size_t size = ClipboardTextSize(lesson);
    std::u16string text(size / sizeof(char16_t), u'\0');
    if (LessonToClipboardText(lesson, &text[0], size) != 0) return {};
    text.resize(std::char_traits<char16_t>::length(text.c_str()));
    return text;
}

std::vector<ParagraphPlace> PlaceParagraphs(const char* lesson) {
    std::vector<LessonParagraph> paragraphs;
    const auto* bytes = reinterpret_cast<const uint8_t*>(lesson);
    // The layout took the lesson, so its end marker lies within the limit.
    SplitLessonText(bytes, kMaxLessonTextSize, &paragraphs);
    std::vector<ParagraphPlace> places;
    int32_t start = 0;
    for (const LessonParagraph& p : paragraphs) {
        const int32_t length = ClipboardLineUnits(p.style, p.indent, p.length);
        places.push_back({static_cast<int32_t>(p.body - bytes), start, length});
        start += length + ClipboardLineEndUnits(p.style);
    }
    return places;
}

// Each entry of the line table, and the blank line after one with the bit,
// by where its first byte stands in the plain text.
std::vector<PaneLine> LaidOutLines(const TextView* view, const std::vector<ParagraphPlace>& places) {
    std::vector<PaneLine> lines;
    size_t p = 0;
    for (int32_t i = 0; i < view->lineCount; ++i) {
        const TextLine& line = view->lines[i];
        while (p + 1 < places.size() && places[p + 1].body <= line.start) ++p;
        const ParagraphPlace& place = places[p];
        lines.push_back({place.start + std::clamp(line.start - place.body, 0, place.length), i, false});
        if (line.style & kStyleBlankAfter) {
            lines.push_back({place.start + place.length + kLineEndUnits, i, true});
        }
    }
    return lines;
}

std::vector<PaneLine> PlainLines(const std::u16string& text) {
    std::vector<PaneLine> lines{{0, -1, false}};
    for (int32_t i = 1; i < Size(text); ++i) {
        if (text[i - 1] == u'\n') lines.push_back({i, -1, false});
    }
    return lines;
}

PaneUnit Normal(PaneUnit unit) {
    switch (unit) {
    case PaneUnit::Character:
    case PaneUnit::Word:
    case PaneUnit::Line:
    case PaneUnit::Paragraph: return unit;
    case PaneUnit::Format: return PaneUnit::Word;
    default: return unit < PaneUnit::Character ? PaneUnit::Character : PaneUnit::Document;
    }
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\r' || c == u'\n'; }

void AddStarts(std::vector<int32_t>* starts, const std::vector<int32_t>& candidates, int32_t size) {
    for (int32_t start : candidates) {
        if (start > starts->back() && start < size) starts->push_back(start);
    }
}

// The unit starts and, after them, the text's end.
std::vector<int32_t> Boundaries(const PaneText& text, PaneUnit unit) {
    std::vector<int32_t> bounds = UnitStarts(text, unit);
    if (Size(text.text) > bounds.back()) bounds.push_back(Size(text.text));
    return bounds;
}

// The unit holding `offset`: the last start at or before it.
int64_t UnitIndex(const std::vector<int32_t>& starts, int32_t offset) {
    return (std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin()) - 1;
}

int32_t UnitEnd(const PaneText& text, const std::vector<int32_t>& starts, int64_t index) {
    return index + 1 < static_cast<int64_t>(starts.size()) ? starts[index + 1] : Size(text.text);
}

// Moves `offset` across `count` boundaries (negative: backward), no further
// than the first or last; returns how many it crossed.
int32_t StepBoundaries(const std::vector<int32_t>& bounds, int32_t* offset, int32_t count) {
    const int64_t last = static_cast<int64_t>(bounds.size()) - 1;
    if (count > 0) {
        const int64_t next = std::upper_bound(bounds.begin(), bounds.end(), *offset) - bounds.begin();
        if (next > last) return 0;
        const int64_t target = std::min<int64_t>(next + count - 1, last);
        *offset = bounds[target];
        return static_cast<int32_t>(target - next + 1);
    }
    if (count < 0) {
        const int64_t previous = (std::lower_bound(bounds.begin(), bounds.end(), *offset) - bounds.begin()) - 1;
        if (previous < 0) return 0;
        const int64_t target = std::max<int64_t>(previous + count + 1, 0);
        *offset = bounds[target];
        return static_cast<int32_t>(target - previous - 1);
    }
    return 0;
}

char16_t Folded(char16_t c, bool ignoreCase) {
    return ignoreCase && c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool HasLayout(const TextView* view, const PaneText& text) {
    return view != nullptr && text.lines[0].tableIndex >= 0;
}

int32_t LineHeight(const TextView* view, const PaneLine& line) {
    return line.tableIndex < 0 ? 0 : view->lines[line.tableIndex].height;
}

int32_t LineStart(const PaneText& text, int32_t index) {
    return index < static_cast<int32_t>(text.lines.size()) ? text.lines[index].start : Size(text.text);
}

// The top line as painting takes it: one beyond the text becomes the last
// screenful's.
int32_t TopIndex(const TextView* view, const PaneText& text) {
    if (view == nullptr) return 0;
    const int32_t top = view->topLine > view->visualLines ? view->lastTopLine : view->topLine;
    return std::min(top, static_cast<int32_t>(text.lines.size()) - 1);
}

}  // namespace

PaneText BuildPaneText(const TextView* view) {
    PaneText result;
    if (view != nullptr && view->text != nullptr) {
        result.text = ClipboardText(view->text);
        const std::vector<ParagraphPlace> places = PlaceParagraphs(view->text);
        for (const ParagraphPlace& place : places) result.paragraphStarts.push_back(place.start);
        if (view->lines != nullptr && view->lineCount > 0) result.lines = LaidOutLines(view, places);
    }
    if (result.lines.empty()) result.lines = PlainLines(result.text);
    if (result.paragraphStarts.empty()) result.paragraphStarts.push_back(0);
    // The first line also holds whatever its first byte follows.
    result.lines[0].start = 0;
    for (size_t i = 1; i < result.lines.size(); ++i) {
        result.lines[i].start = std::clamp(result.lines[i].start, result.lines[i - 1].start, Size(result.text));
    }
    return result;
}

std::vector<int32_t> UnitStarts(const PaneText& text, PaneUnit unit) {
    const std::u16string& t = text.text;
    const int32_t size = Size(t);
    std::vector<int32_t> starts{0};
    switch (Normal(unit)) {
    case PaneUnit::Character:
        // CR LF is one character.
        for (int32_t i = 1; i < size; ++i) {
            if (t[i] != u'\n' || t[i - 1] != u'\r') starts.push_back(i);
        }
        break;
    case PaneUnit::Word:
        // A word runs to the next word or the end of its line, spaces and
        // line end included; an empty line is a word of its own.
        for (int32_t i = 1; i < size; ++i) {
            if (t[i - 1] == u'\n' || (IsBlank(t[i - 1]) && !IsBlank(t[i]))) starts.push_back(i);
        }
        break;
    case PaneUnit::Line: {
        std::vector<int32_t> lineStarts;
        for (const PaneLine& line : text.lines) lineStarts.push_back(line.start);
        AddStarts(&starts, lineStarts, size);
        break;
    }
    case PaneUnit::Paragraph: AddStarts(&starts, text.paragraphStarts, size); break;
    default: break;
    }
    return starts;
}

TextSpan ClampSpan(const PaneText& text, TextSpan span) {
    const int32_t size = Size(text.text);
    const int32_t start = std::clamp(span.start, 0, size);
    return {start, std::clamp(span.end, start, size)};
}

TextSpan ExpandToUnit(const PaneText& text, TextSpan span, PaneUnit unit) {
    const std::vector<int32_t> starts = UnitStarts(text, unit);
    const int64_t index = UnitIndex(starts, ClampSpan(text, span).start);
    return {starts[index], UnitEnd(text, starts, index)};
}

int32_t MoveSpan(const PaneText& text, TextSpan* span, PaneUnit unit, int32_t count) {
    TextSpan s = ClampSpan(text, *span);
    if (s.start == s.end) {
        const int32_t moved = StepBoundaries(Boundaries(text, unit), &s.start, count);
        *span = {s.start, s.start};
        return moved;
    }
    const std::vector<int32_t> starts = UnitStarts(text, unit);
    const int64_t from = UnitIndex(starts, s.start);
    const int64_t to = std::clamp<int64_t>(from + count, 0, static_cast<int64_t>(starts.size()) - 1);
    if (to == from) return 0;
    *span = {starts[to], UnitEnd(text, starts, to)};
    return static_cast<int32_t>(to - from);
}

int32_t MoveSpanEnd(const PaneText& text, TextSpan* span, bool atEnd, PaneUnit unit, int32_t count) {
    TextSpan s = ClampSpan(text, *span);
    int32_t offset = atEnd ? s.end : s.start;
    const int32_t moved = StepBoundaries(Boundaries(text, unit), &offset, count);
    if (atEnd) {
        s = {std::min(s.start, offset), offset};
    } else {
        s = {offset, std::max(s.end, offset)};
    }
    *span = s;
    return moved;
}

TextSpan FindInSpan(const PaneText& text, TextSpan within, const std::u16string& needle, bool backward,
                    bool ignoreCase) {
    const TextSpan s = ClampSpan(text, within);
    const int32_t length = Size(needle);
    if (length == 0 || length > s.end - s.start) return {-1, -1};
    const auto matchesAt = [&](int32_t at) {
        for (int32_t k = 0; k < length; ++k) {
            if (Folded(text.text[at + k], ignoreCase) != Folded(needle[k], ignoreCase)) return false;
        }
        return true;
    };
    const int32_t last = s.end - length;
    for (int32_t i = 0; i <= last - s.start; ++i) {
        const int32_t at = backward ? last - i : s.start + i;
        if (matchesAt(at)) return {at, at + length};
    }
    return {-1, -1};
}

LinesInView VisibleLines(const TextView* view, const PaneText& text) {
    const int32_t first = TopIndex(view, text);
    if (!HasLayout(view, text)) return {first, 0};
    int32_t room = view->frame.height;
    int32_t count = 0;
    for (size_t i = first; i < text.lines.size(); ++i) {
        const int32_t height = LineHeight(view, text.lines[i]);
        if (height > room) break;
        room -= height;
        ++count;
    }
    return {first, count};
}

TextSpan VisibleSpan(const TextView* view, const PaneText& text) {
    const LinesInView inView = VisibleLines(view, text);
    return {LineStart(text, inView.first), LineStart(text, inView.first + inView.count)};
}

TextSpan TopLineCaret(const TextView* view, const PaneText& text) {
    const int32_t start = LineStart(text, TopIndex(view, text));
    return {start, start};
}

std::vector<ViewFrame> LineBoxes(const TextView* view, const PaneText& text, TextSpan span) {
    std::vector<ViewFrame> boxes;
    const TextSpan s = ClampSpan(text, span);
    const LinesInView inView = VisibleLines(view, text);
    if (s.start == s.end || inView.count == 0) return boxes;
    int32_t y = view->frame.top;
    for (int32_t i = inView.first; i < inView.first + inView.count; ++i) {
        const PaneLine& line = text.lines[i];
        const TextLine& entry = view->lines[line.tableIndex];
        if (!line.blank && line.start < s.end && LineStart(text, i + 1) > s.start) {
            boxes.push_back({entry.x - entry.hang, y, entry.hang + entry.width, entry.height});
        }
        y += entry.height;
    }
    return boxes;
}

int32_t LineAt(const PaneText& text, int32_t offset) {
    const auto after = std::upper_bound(text.lines.begin(), text.lines.end(), offset,
                                        [](int32_t value, const PaneLine& line) { return value < line.start; });
    return static_cast<int32_t>(after - text.lines.begin()) - 1;
}

int32_t LineAtY(const TextView* view, const PaneText& text, int32_t y) {
    const LinesInView inView = VisibleLines(view, text);
    if (inView.count == 0) return inView.first;
    int32_t bottom = view->frame.top;
    for (int32_t i = inView.first; i < inView.first + inView.count; ++i) {
        bottom += LineHeight(view, text.lines[i]);
        if (y < bottom) return i;
    }
    return inView.first + inView.count - 1;
}

int32_t TopLineShowing(const TextView* view, const PaneText& text, int32_t index, bool atTop) {
    if (view == nullptr) return 0;
    int32_t top = std::clamp(index, 0, static_cast<int32_t>(text.lines.size()) - 1);
    if (!atTop && HasLayout(view, text)) {
        int32_t room = view->frame.height - LineHeight(view, text.lines[top]);
        while (top > 0 && LineHeight(view, text.lines[top - 1]) <= room) {
            room -= LineHeight(view, text.lines[top - 1]);
            --top;
        }
    }
    return std::min<int32_t>(top, view->lastTopLine);
}
