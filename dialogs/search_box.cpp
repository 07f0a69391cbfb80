// The search's context box.
#include "dialogs/search_box.h"

#include <algorithm>
#include <cstring>

#include "view/display_scale.h"
#include "view/paint.h"
#include "view/view_fonts.h"

namespace {

// The box's rings from the outside in, each a line wide (a pixel at 96
// pixels per inch); the marked inside (light: yellow) starts five lines in.
constexpr ColourRole kRings[] = {ColourRole::BoxOuter, ColourRole::BoxOuter, ColourRole::Page,
                                 ColourRole::BoxInner, ColourRole::BoxInner};
constexpr int32_t kRingCount = sizeof kRings / sizeof kRings[0];
// Room around the text at 96 pixels per inch: the rings, and a line's height
// plus eight pixels across; the rings, and two more pixels below them, down
// the side.
constexpr int32_t kExtraWidth = 8;
constexpr int32_t kExtraHeight = 12;
constexpr int32_t kBottomGap = 2;

// One line of the box: the bytes that fit the frame and their width.
struct BoxLine {
    const char* text;
    int32_t count;
    int32_t width;
};

// The body of `paragraph` when it has `style`, else null.
const char* BodyWithStyle(const char* paragraph, uint8_t style) {
    return static_cast<uint8_t>(paragraph[0]) == style ? paragraph + 2 : nullptr;
}

BoxLine Measure(DrawingSurface* dc, const char* body, int32_t frameWidth) {
    BoxLine line{body, static_cast<int32_t>(strlen(body)), frameWidth};
    MeasureFit(dc, body, &line.width, &line.count);
    return line;
}

// Nested fills from the outside in leave each ring `thickness` pixels wide.
void DrawRings(DrawingSurface* dc, ViewFrame box, int32_t thickness) {
    for (const ColourRole ring : kRings) {
        if (box.width > 0 && box.height > 0) {
            dc->ops->fillColour(dc->handle, box.left, box.top, box.width, box.height, RoleColour(dc, ring));
        }
        box = {box.left + thickness, box.top + thickness, box.width - 2 * thickness,
               box.height - 2 * thickness};
    }
    if (box.width > 0 && box.height > 0) {
        dc->ops->fillColour(dc->handle, box.left, box.top, box.width, box.height,
                            RoleColour(dc, ColourRole::Mark));
    }
}

}  // namespace

LessonTitles FindLessonTitles(const char* text) {
    if (text[0] == '\0') return {nullptr, nullptr};
    const char* title = BodyWithStyle(text, kStyleTitle);
    return {title, BodyWithStyle(title != nullptr ? NextParagraph(text) : text, kStyleHeading)};
}

void DrawSearchContextBox(TextView* view) {
    if (view == nullptr || view->text == nullptr) return;
    const auto [title, subtitle] = FindLessonTitles(view->text);
    if (title == nullptr && subtitle == nullptr) return;

    DrawingSurface* dc = view->dc;
    SurfaceFont* previous = SelectStyleFont(view, kStyleSmall | kRequestColour);
    const int32_t h = dc->ops->metrics(dc->handle).height;
    BoxLine lines[2];
    int32_t count = 0;
    for (const char* body : {title, subtitle}) {
        if (body != nullptr) lines[count++] = Measure(dc, body, view->frame.width);
    }
    int32_t widest = 0;
    for (int32_t i = 0; i < count; ++i) widest = std::max(widest, lines[i].width);

    const ViewFrame& frame = view->frame;
    const int32_t ring = LineWidthForDpi(dc->dpi);
    const int32_t width = std::min(widest + 2 * h + ScaleToDpi(kExtraWidth, dc->dpi), frame.width);
    const int32_t top = frame.top + frame.height - count * h - ScaleToDpi(kExtraHeight, dc->dpi);
    const ViewFrame box{frame.left + (frame.width - width) / 2, top, width,
                        frame.top + frame.height - ScaleToDpi(kBottomGap, dc->dpi) - top};
    DrawRings(dc, box, ring);

    const int32_t rings = kRingCount * ring;
    const ViewFrame inner{box.left + rings, box.top + rings, box.width - 2 * rings, box.height - 2 * rings};
    for (int32_t i = 0; i < count; ++i) {
        DrawColouredRun(dc, lines[i].text, lines[i].count, inner.left + (inner.width - lines[i].width) / 2,
                        inner.top + i * h, lines[i].width, h, RoleColour(dc, ColourRole::BoxInk),
                        RoleColour(dc, ColourRole::Mark));
    }
    RestoreFont(dc, previous);
}
