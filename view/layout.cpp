// The line layout: word wrap, hanging list labels, alignment, rules, blank
// lines and the scroll limit, settled once per layout into the line table.
#include <cstdlib>
#include <cstring>

#include "view/display_scale.h"
#include "view/text_view.h"
#include "view/view_fonts.h"

namespace {

constexpr int32_t kMaxOffset = static_cast<int32_t>(kMaxLessonTextSize);
constexpr int32_t kMaxLines = 0xFFFF;
constexpr int32_t kSpareBytes = 64;

// True when the text, its end marker included, fits kMaxLessonTextSize.
bool FitsOffsets(const char* text) {
    int32_t p = 0;
    while (p < kMaxOffset && text[p] != 0) {
        p += 2;  // style and indent bytes
        while (p < kMaxOffset && text[p] != 0) ++p;
        ++p;
    }
    return p < kMaxOffset;
}

bool OnlySpacesFollow(const char* p) {
    while (*p == ' ') ++p;
    return *p == 0;
}

// Makes room for line `index`: 0, or the layout's failure code. (A text
// within 16-bit offsets, every line taking at least one byte, stays below
// 65,535 lines; the check keeps the 16-bit fields from wrapping regardless.)
int EnsureLine(TextView* view, int32_t index) {
    if (index < view->capacity) return kLayoutDone;
    if (index >= kMaxLines) return kLayoutTooManyLines;
    int32_t capacity = view->capacity + kDefaultLineCapacity;
    if (capacity > kMaxLines) capacity = kMaxLines;
    TextLine* lines = static_cast<TextLine*>(malloc((static_cast<size_t>(capacity) + 1) * sizeof(TextLine)));
    if (lines == nullptr) return kLayoutNoMemory;
    memcpy(lines, view->lines, view->capacity * sizeof(TextLine));
    free(view->lines);
    view->lines = lines;
    view->capacity = static_cast<uint16_t>(capacity);
    return kLayoutDone;
}

// x of a run `width` wide whose paragraph is indented by `indent` and whose
// label column is `hang` wide.
int32_t AlignedX(const ViewFrame& frame, uint8_t style, int32_t width, int32_t indent,
                 int32_t hang) {
    int32_t x;
    switch (style & kStyleAlignMask) {
    case kStyleAlignRight: x = frame.left + frame.width - width - (indent + hang); break;
    case kStyleAlignCentre: x = frame.left + indent + (frame.width - width - (indent + hang)) / 2; break;
    default: x = frame.left + indent + hang; break;
    }
    // Only a frame narrower than its line gets below 0; keep such a line at
    // the left edge instead of wrapping the 16-bit field.
    return x < 0 ? 0 : x;
}

// State of one layout run.
struct Layout {
    TextView* view;
    const char* text;
    int32_t line;         // index of the next line
    int32_t blankLines;   // blank lines after paragraphs
    uint16_t indent;      // b: the indent; after a label, the text column
    uint8_t fontKey;
    FontMetrics metrics;
};

void UseFont(Layout& layout, uint8_t style) {
    if (((layout.fontKey ^ style) & kStyleFontMask) == 0) return;
    SelectStyleFont(layout.view, style);
    layout.metrics = layout.view->dc->ops->metrics(layout.view->dc->handle);
    layout.fontKey = style;
}

TextLine& NewLine(Layout& layout, uint8_t style, int32_t start) {
    TextLine& line = layout.view->lines[layout.line++];
    line = {};
    line.start = static_cast<uint16_t>(start);
    line.height = static_cast<uint16_t>(layout.metrics.height);
    line.style = style;
    if (style & kStyleBlankAfter) ++layout.blankLines;
    return line;
}

// The left indent of an indent byte, in the surface's pixels.
int32_t IndentPixels(const Layout& layout, uint8_t indent) {
    return ScaleToDpi(indent & kIndentPixelsMask, layout.view->dc->dpi);
}

int AddRule(Layout& layout, uint8_t style, uint8_t indent, int32_t body) {
    if (indent == 0) return kLayoutDone;
    if (int result = EnsureLine(layout.view, layout.line)) return result;
    const ViewFrame& frame = layout.view->frame;
    int32_t width = RulePixelWidth(indent, frame.width);
    if (RuleWidthIsPixels(indent)) width = ScaleToDpi(width, layout.view->dc->dpi);
    if (width > frame.width) width = frame.width;
    if (width < 0) width = 0;
    TextLine& line = NewLine(layout, style, body);
    line.width = static_cast<uint16_t>(width);
    line.x = static_cast<uint16_t>(AlignedX(frame, style, width, 0, 0));
    return kLayoutDone;
}

// MeasureFit for the bytes of a line, without measuring the rest of a long
// paragraph each time: a slice a little longer than the pixels available is
// measured first (a glyph is rarely narrower than a pixel), and only when all
// of it fits is a longer one measured, so glyphs of no width fit as they
// would over the whole paragraph.
void FitLine(DrawingSurface* dc, const char* run, int32_t* extent, int32_t* count) {
    const int32_t limit = *extent;
    for (int64_t slice = int64_t{limit} + kSpareBytes; slice < *count; slice *= 2) {
        int32_t width = limit;
        int32_t fit = static_cast<int32_t>(slice);
        MeasureFit(dc, run, &width, &fit);
        if (fit < slice) {
            *extent = width;
            *count = fit;
            return;
        }
    }
    MeasureFit(dc, run, extent, count);
}

// Shortens a fit that ends inside a word to the last hyphen (kept) or space
// (left for the next line) after the first byte; false when there is none.
bool BreakAtWord(const char* run, int32_t* count) {
    for (int32_t k = *count - 1; k >= 1; --k) {
        if (run[k] == '-') {
            *count = k + 1;
            return true;
        }
        if (run[k] == ' ') {
            *count = k;
            return true;
        }
    }
    return false;
}

int AddTextLines(Layout& layout, uint8_t style, uint8_t level, int32_t body) {
    TextView* view = layout.view;
    const char* text = layout.text;
    const ViewFrame& frame = view->frame;
    UseFont(layout, style);
    int32_t left = static_cast<int32_t>(strlen(text + body));  // u
    int32_t hang = 0;                                          // t
    if (level != 0) hang = (level + 1) * layout.metrics.maxCharWidth / 2;
    if (layout.indent >= frame.width) layout.indent = 0;
    int32_t s = body;
    for (;;) {
        while (text[s] == ' ') {
            ++s;
            --left;
        }
        if (text[s] == 0) return kLayoutDone;
        if (int result = EnsureLine(view, layout.line)) return result;
        int32_t avail = frame.width - layout.indent;
        int32_t count = left;
        const int32_t lineStart = s;
        int32_t labelBytes = 0;
        if (hang != 0) {
            labelBytes = WordLength(text + s);
            while (text[s + labelBytes] == ' ') ++labelBytes;
            count -= labelBytes;
            avail -= hang;
            s += labelBytes;
        }
        if (avail < 0) avail = 0;
        FitLine(view->dc, text + s, &avail, &count);
        const char next = text[s + count];
        if (next != 0 && next != ' ') {
            if (BreakAtWord(text + s, &count)) {
                MeasureFit(view->dc, text + s, &avail, &count);
            } else if (count == 0 && hang == 0) {
                // Not one byte fits: take one anyway, so that the layout ends.
                int32_t unlimited = 0x7FFFFFFF;
                count = 1;
                MeasureFit(view->dc, text + s, &unlimited, &count);
                avail = unlimited;
            }
        }
        s = lineStart;
        TextLine& line = NewLine(layout, style, s);
        line.length = static_cast<uint16_t>(count);
        line.width = static_cast<uint16_t>(avail);
        line.hang = static_cast<uint16_t>(hang);
        line.x = static_cast<uint16_t>(AlignedX(frame, style, avail, layout.indent, hang));
        layout.indent = static_cast<uint16_t>(layout.indent + hang);
        count += labelBytes;
        hang = 0;
        // A body ending in spaces still ends on this line: its blank line stays.
        if (count != left && !OnlySpacesFollow(text + s + count)) {
            line.style = static_cast<uint8_t>(style & ~kStyleBlankAfter);
            if (style & kStyleBlankAfter) --layout.blankLines;
        }
        s += count;
        left -= count;
        if (text[s] == 0) return kLayoutDone;
    }
}

int LayParagraphs(Layout& layout) {
    const char* text = layout.text;
    int32_t p = 0;
    uint8_t previousIndent = 0;
    while (text[p] != 0) {
        uint8_t style = static_cast<uint8_t>(text[p]);
        // Style 0x80 would leave lines of style 0, the table's end mark;
        // 0x01 draws exactly as bits 0-6 all clear do.
        if ((style & ~kStyleBlankAfter) == 0) style |= 0x01;
        const uint8_t indent = static_cast<uint8_t>(text[p + 1]);
        const int32_t body = p + 2;
        uint8_t level = static_cast<uint8_t>(LabelLevel(indent));
        if (level != 0 && text[body] == ' ' && layout.line > 0) {
            // A continuation keeps the text column of the paragraph before,
            // moved by the change of indent.
            layout.indent = static_cast<uint16_t>(layout.indent + IndentPixels(layout, indent) -
                                                  IndentPixels(layout, previousIndent));
            level = 0;
        } else {
            // A rule keeps its whole indent byte here, as it always has: a
            // continuation after it moves from that.
            layout.indent = static_cast<uint16_t>(
                ScaleToDpi(IsRule(style) ? indent : indent & kIndentPixelsMask, layout.view->dc->dpi));
        }
        previousIndent = indent;
        const int result = IsRule(style) ? AddRule(layout, style, indent, body)
                                         : AddTextLines(layout, style, level, body);
        if (result != kLayoutDone) return result;
        p = static_cast<int32_t>(NextParagraph(text + p) - text);
    }
    return kLayoutDone;
}

void ComputeLastTopLine(TextView* view) {
    view->lastTopLine = 0;
    if (view->lines == nullptr || view->visualLines == 0 || view->lineCount == 0) return;
    // The frame height is taken as a signed 16-bit value, as every stored
    // position is 16-bit: a frame over 32,767 pixels counts as negative and
    // fits no line, so the last screenful starts at the last line.
    int32_t room = static_cast<int16_t>(view->frame.height);
    int32_t fitting = 0;
    for (int32_t i = view->lineCount - 1; i >= 0; --i) {
        const TextLine& line = view->lines[i];
        if (line.height > room) break;
        room -= line.height;
        ++fitting;
        if (line.style & kStyleBlankAfter) {
            room -= line.height;
            ++fitting;
        }
    }
    if (room < 0) --fitting;
    view->lastTopLine = static_cast<uint16_t>(view->visualLines - fitting);
}

// The table ends after the last complete line; a table laid out for a text
// the view did not adopt is emptied, so no line points into the wrong text.
int FailLayout(Layout& layout, SurfaceFont* previousFont, int result) {
    TextView* view = layout.view;
    if (view->lines != nullptr) {
        if (view->text != layout.text) {
            layout.line = 0;
            view->lineCount = 0;
            view->visualLines = 0;
        }
        view->lines[layout.line] = {};
    }
    RestoreFont(view->dc, previousFont);
    return result;
}

}  // namespace

uint32_t RunStart(const char* text, const TextLine& line) {
    uint32_t p = line.start;
    if (line.hang == 0) return p;
    p += WordLength(text + p);
    while (text[p] == ' ') ++p;
    return p;
}

uint32_t RunEnd(const char* text, const TextLine& line) { return RunStart(text, line) + line.length; }

TextView* CreateTextView(DrawingSurface* dc, const EdgeRect* rect, const FontSettings* font,
                         int32_t capacity) {
    if (dc == nullptr) return nullptr;
    TextView* view = static_cast<TextView*>(calloc(1, sizeof(TextView)));
    if (view == nullptr) return nullptr;
    view->dc = dc;
    if (font != nullptr) view->font = *font;
    if (rect != nullptr) {
        view->frame = {rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top};
    }
    if (capacity > kMaxLines) capacity = kMaxLines;
    if (capacity > 0) {
        view->lines = static_cast<TextLine*>(malloc((static_cast<size_t>(capacity) + 1) * sizeof(TextLine)));
        if (view->lines != nullptr) {
            view->lines[0] = {};
            view->capacity = static_cast<uint16_t>(capacity);
        }
    }
    return view;
}

int LayoutText(TextView* view, char* text, bool replaceText) {
    if (view == nullptr) return kLayoutNoView;
    view->highlightStart = 0;
    view->highlightEnd = 0;
    view->visualLines = 0;
    view->lastTopLine = 0;
    view->layoutWidth = 0;
    if (text == nullptr) {
        if (replaceText) {
            free(view->text);
            view->text = nullptr;
        }
        return kLayoutNoText;
    }
    if (text[0] == 0 || (text[2] == 0 && !IsRule(static_cast<uint8_t>(text[0])))) return kLayoutEmptyText;
    if (!FitsOffsets(text)) return kLayoutTextTooLong;
    if (replaceText && view->text != text) {
        free(view->text);
        view->text = nullptr;
    }
    if (view->lines == nullptr || view->capacity == 0) {
        free(view->lines);
        view->capacity = 0;
        view->lines = static_cast<TextLine*>(malloc((kDefaultLineCapacity + 1) * sizeof(TextLine)));
        if (view->lines == nullptr) return kLayoutNoMemory;
        view->capacity = kDefaultLineCapacity;
    }
    SurfaceFont* previousFont = SelectStyleFont(view, kRegularKey);
    Layout layout{view, text, 0, 0, 0, kRegularKey, view->dc->ops->metrics(view->dc->handle)};
    if (int result = LayParagraphs(layout)) return FailLayout(layout, previousFont, result);

    int32_t lines = layout.line;
    int32_t blankLines = layout.blankLines;
    if (lines > 0 && (view->lines[lines - 1].style & kStyleBlankAfter)) {
        view->lines[lines - 1].style &= static_cast<uint8_t>(~kStyleBlankAfter);
        --blankLines;
    }
    if (lines + blankLines > kMaxLines) return FailLayout(layout, previousFont, kLayoutTooManyLines);
    view->lines[lines] = {};
    view->lineCount = static_cast<uint16_t>(lines);
    view->visualLines = static_cast<uint16_t>(lines + blankLines);
    view->text = text;
    view->layoutWidth = view->frame.width;
    ComputeLastTopLine(view);
    RestoreFont(view->dc, previousFont);
    return kLayoutDone;
}

int ResizeTextView(TextView* view, int32_t width, int32_t height) {
    if (view == nullptr) return kLayoutNoView;
    if (width <= 0 || height <= 0) return kLayoutBadSize;
    view->frame.width = width;
    view->frame.height = height;
    if (width != view->layoutWidth) return LayoutText(view, view->text, false);
    view->highlightStart = 0;
    view->highlightEnd = 0;
    ComputeLastTopLine(view);
    return kLayoutDone;
}

int ScrollToTextOffset(TextView* view, uint32_t offset) {
    if (view == nullptr || view->lines == nullptr) return 0;
    uint32_t visual = 0;
    for (const TextLine* line = view->lines; line->style != 0; ++line) {
        if (line->start <= offset && offset <= RunEnd(view->text, *line)) {
            view->topLine = static_cast<uint16_t>(visual > view->lastTopLine ? view->lastTopLine : visual);
            return 1;
        }
        visual += VisualLinesOf(*line);
    }
    return 0;
}

void DestroyTextView(TextView* view, bool releaseRecord) {
    if (view == nullptr) return;
    free(view->text);
    view->text = nullptr;
    free(view->lines);
    view->lines = nullptr;
    view->capacity = 0;
    view->lineCount = 0;
    view->visualLines = 0;
    SetViewFont(view, nullptr);
    while (FontCacheEntry* entry = view->fontCache) {
        view->fontCache = entry->next;
        free(entry);
    }
    if (releaseRecord) free(view);
}
