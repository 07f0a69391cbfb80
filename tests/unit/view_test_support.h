// Lesson texts and views for the reading-pane tests.
#pragma once

#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/unit/recording_surface.h"
#include "view/text_view.h"

// Builds a lesson text paragraph by paragraph.
struct LessonText {
    std::string bytes;

    LessonText& Para(uint8_t style, uint8_t indent, const std::string& body) {
        bytes += static_cast<char>(style);
        bytes += static_cast<char>(indent);
        bytes += body;
        bytes += '\0';
        return *this;
    }
    // Offset the next paragraph's body will have.
    size_t NextBody() const { return bytes.size() + 2; }
    // A malloc'd copy with the end marker and the zeros the loader adds, as
    // the view expects to own it.
    char* Build() const {
        char* text = static_cast<char*>(malloc(bytes.size() + 4));
        memcpy(text, bytes.data(), bytes.size());
        memset(text + bytes.size(), 0, 4);
        return text;
    }
};

// A view on a recording surface, frame given as left, top, width, height.
struct ViewFixture {
    Recorder recorder;
    DrawingSurface surface = recorder.surface();
    FontSettings font{};
    TextView* view = nullptr;

    ViewFixture(int32_t left, int32_t top, int32_t width, int32_t height, int32_t capacity = 0) {
        const EdgeRect rect{left, top, left + width, top + height};
        view = CreateTextView(&surface, &rect, &font, capacity);
    }
    ~ViewFixture() { DestroyTextView(view, true); }
    ViewFixture(const ViewFixture&) = delete;
    ViewFixture& operator=(const ViewFixture&) = delete;

    int Lay(const LessonText& text) { return Lay(text.Build()); }
    // Lays out an owned text; a text the view refuses is released here.
    int Lay(char* text) {
        const int result = LayoutText(view, text, true);
        if (view->text != text) free(text);
        return result;
    }
    const TextLine& Line(int i) const { return view->lines[i]; }
};
