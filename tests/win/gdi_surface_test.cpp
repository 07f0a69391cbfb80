// The GDI drawing surface on a memory device context: real fonts measure and
// draw a lesson, and the pixels show what a reader would see. The face is
// whatever wine maps the default to on this machine, so every size and
// position expected here comes from the fonts' measured metrics or from the
// view's own line table.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

#include "app/app_state.h"
#include "app/reading_pane_win32.h"
#include "tests/pixel_canvas_win32.h"
#include "view/gdi_surface_win32.h"
#include "view/paint.h"
#include "view/text_view.h"
#include "view/view_fonts.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 900;

std::string Para(uint8_t style, uint8_t indent, const std::string& body) {
    return std::string(1, static_cast<char>(style)) + static_cast<char>(indent) + body + '\0';
}

// A lesson shaped like the book's: title, date heading, schedule, rule, a
// heading and numbered verses that wrap.
const wchar_t kVerse[] =
    L"Fret not thyself because of evildoers, neither be thou envious against the workers of iniquity.";

char* SampleLesson() {
    std::string text = Para(0xCC, 0, "Chanukah, Day 4") + Para(0xC2, 0, "28 Kislev") +
                       Para(0x01, 0, "Psalms of the month: 135-139") + Para(0x01, 0, "Reading: Psalm 37") +
                       Para(0x47, 0xAC, "") + Para(0xC1, 0, "Psalm 37");
    const std::string verseText(kVerse, kVerse + wcslen(kVerse));
    for (int verse = 1; verse <= 12; ++verse) text += Para(0x01, 0x40, std::to_string(verse) + " " + verseText);
    text += std::string(4, '\0');
    char* bytes = static_cast<char*>(malloc(text.size()));
    memcpy(bytes, text.data(), text.size());
    return bytes;
}

class GdiSurfaceTest : public ::testing::Test {
protected:
    // Names the face this machine maps the default font to, which every
    // size below follows from, for whoever reads a failure.
    static void SetUpTestSuite() {
        HDC dc = CreateCompatibleDC(nullptr);
        LOGFONTW logFont{};
        HFONT font = CreateFontIndirectW(&logFont);
        HGDIOBJ previous = SelectObject(dc, font);
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc, LF_FACESIZE, face);
        std::printf("The default font is drawn in \"%ls\" here.\n", face);
        SelectObject(dc, previous);
        DeleteObject(font);
        DeleteDC(dc);
    }
    void SetUp() override {
        dc_ = CreateCompatibleDC(nullptr);
        surface_ = GdiSurface(dc_);
        ASSERT_TRUE(UseCanvas(kHeight));
        FontSettings font{};
        font.FontSize = 12;
        const EdgeRect frame{kLeft, kTop, kLeft + kFrameWidth, kTop + kFrameHeight};
        view_ = CreateTextView(&surface_, &frame, &font, 100);
        ASSERT_NE(view_, nullptr);
    }
    void TearDown() override {
        DestroyTextView(view_, true);
        SelectObject(dc_, previousBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    // A white canvas kWidth wide and `height` high takes the place of the
    // one the context had.
    bool UseCanvas(int height) {
        uint32_t* pixels = nullptr;
        HBITMAP bitmap = PixelCanvas(dc_, kWidth, height, reinterpret_cast<void**>(&pixels));
        if (bitmap == nullptr) return false;
        HGDIOBJ previous = SelectObject(dc_, bitmap);
        if (bitmap_ == nullptr) {
            previousBitmap_ = previous;
        } else {
            DeleteObject(bitmap_);
        }
        bitmap_ = bitmap;
        pixels_ = pixels;
        height_ = height;
        surface_.ops->fillRect(surface_.handle, 0, 0, kWidth, height, kWhiteBrush);
        return true;
    }
    // The pixel as 0x00RRGGBB.
    uint32_t Pixel(int x, int y) const { return pixels_[y * kWidth + x] & 0xFFFFFF; }
    int Count(uint32_t colour, int left, int top, int right, int bottom) const {
        int n = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) n += Pixel(x, y) == colour ? 1 : 0;
        }
        return n;
    }
    // Pixels that are not white.
    int Ink(int left, int top, int right, int bottom) const {
        return (right - left) * (bottom - top) - Count(0xFFFFFF, left, top, right, bottom);
    }
    // Where line `index` is drawn when painting starts at the first line.
    int LineTop(int index) const {
        int top = kTop;
        for (int i = 0; i < index; ++i) top += VisualHeight(view_->lines[i]);
        return top;
    }
    static int VisualHeight(const TextLine& line) { return line.height * ((line.style & 0x80) ? 2 : 1); }
    // The width of `text` in the font of style `style`.
    int TextWidth(uint8_t style, const wchar_t* text) {
        SelectStyleFont(view_, style);
        SIZE size{};
        GetTextExtentPoint32W(dc_, text, static_cast<int>(wcslen(text)), &size);
        return size.cx;
    }

    static constexpr int kLeft = 10;
    static constexpr int kTop = 30;
    static constexpr int kFrameWidth = 420;
    static constexpr int kFrameHeight = 800;

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    uint32_t* pixels_ = nullptr;
    int height_ = 0;
    DrawingSurface surface_{};
    TextView* view_ = nullptr;
};

TEST_F(GdiSurfaceTest, MeasureFitAgreesWithTheTextExtent) {
    SelectStyleFont(view_, 1);
    const char text[] = "Blessed is the man that walketh not";
    int32_t count = static_cast<int32_t>(strlen(text));
    int32_t extent = 100000;
    MeasureFit(dc_, text, &extent, &count);
    EXPECT_EQ(count, static_cast<int32_t>(strlen(text)));
    SIZE size{};
    GetTextExtentPoint32W(dc_, L"Blessed is the man that walketh not", count, &size);
    EXPECT_EQ(extent, size.cx);

    const int32_t limit = size.cx / 2;
    int32_t half = static_cast<int32_t>(strlen(text));
    int32_t halfExtent = limit;
    MeasureFit(dc_, text, &halfExtent, &half);
    EXPECT_GT(half, 0);
    EXPECT_LT(half, count);
    EXPECT_LE(halfExtent, limit);
    int32_t more = half + 1;
    int32_t moreExtent = 100000;
    MeasureFit(dc_, text, &moreExtent, &more);
    EXPECT_GT(moreExtent, limit);  // one byte more would not have fitted
}

// The selected font's requested height, and its cell metrics.
LOGFONTW SelectedFont(HDC dc, TEXTMETRICW* metrics) {
    LOGFONTW logFont{};
    GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof logFont, &logFont);
    GetTextMetricsW(dc, metrics);
    return logFont;
}

TEST_F(GdiSurfaceTest, StyleFontsFollowTheResolution) {
    const int dpi = GetDeviceCaps(dc_, LOGPIXELSY);
    TEXTMETRICW regular{}, large{}, small{}, bold{};
    SelectStyleFont(view_, 0x01);
    EXPECT_EQ(SelectedFont(dc_, &regular).lfHeight, -MulDiv(12, dpi, 72));
    SelectStyleFont(view_, 0x04);
    EXPECT_EQ(SelectedFont(dc_, &large).lfHeight, -MulDiv(15, dpi, 72));
    SelectStyleFont(view_, 0x02);
    EXPECT_EQ(SelectedFont(dc_, &small).lfHeight, -MulDiv(9, dpi, 72));
    SelectStyleFont(view_, 0x0C);
    const LOGFONTW boldFont = SelectedFont(dc_, &bold);
    EXPECT_EQ(boldFont.lfWeight, 700);
    EXPECT_EQ(boldFont.lfCharSet, ANSI_CHARSET);
    EXPECT_GT(large.tmHeight, regular.tmHeight);
    EXPECT_GT(regular.tmHeight, small.tmHeight);
    EXPECT_GT(bold.tmWeight, regular.tmWeight);
}

TEST_F(GdiSurfaceTest, LaysOutAndPaintsALesson) {
    ASSERT_EQ(LayoutText(view_, SampleLesson(), true), kLayoutDone);
    int labelled = 0;
    for (int i = 0; i < view_->lineCount; ++i) {
        const TextLine& line = view_->lines[i];
        EXPECT_GE(line.x, kLeft);
        EXPECT_LE(line.x + line.width, kLeft + kFrameWidth);
        if (line.hang != 0) {
            ++labelled;
            EXPECT_EQ(line.x, view_->lines[i + 1].x);  // the verse's next line hangs under its text
        }
    }
    EXPECT_EQ(labelled, 12);
    // A verse takes at least as many lines as its measured width fills frames.
    const int verseWidth = TextWidth(0x01, kVerse);
    EXPECT_GE(view_->lineCount, 6 + 12 * ((verseWidth + kFrameWidth - 1) / kFrameWidth));

    // A frame that ends with the last line's bottom shows every line.
    const TextLine& last = view_->lines[view_->lineCount - 1];
    const int bottom = LineTop(view_->lineCount - 1) + last.height;
    ASSERT_TRUE(UseCanvas(bottom + kTop));
    ASSERT_EQ(ResizeTextView(view_, kFrameWidth, bottom - kTop), kLayoutDone);
    ASSERT_EQ(PaintText(view_, true), 0);
    EXPECT_EQ(view_->linesDrawn, view_->visualLines);
    EXPECT_EQ(Ink(0, 0, kWidth, kTop), 0);  // nothing outside the frame
    EXPECT_EQ(Ink(0, bottom, kWidth, height_), 0);
    EXPECT_EQ(Ink(kLeft + kFrameWidth, 0, kWidth, height_), 0);
    EXPECT_EQ(Ink(0, 0, kLeft, height_), 0);

    // The title is blue, the heading below it is not.
    EXPECT_GT(Count(0x0000FF, kLeft, kTop, kLeft + kFrameWidth, kTop + view_->lines[0].height), 0);
    EXPECT_EQ(Count(0x0000FF, kLeft, LineTop(1), kLeft + kFrameWidth, LineTop(1) + view_->lines[1].height), 0);
    for (int i = 0; i < view_->lineCount; ++i) {
        const TextLine& line = view_->lines[i];
        if ((line.style & 7) != 7) continue;
        // A one-pixel black rule through the middle of its line.
        const int middle = LineTop(i) + line.height / 2;
        EXPECT_EQ(Count(0x000000, line.x, middle, line.x + line.width, middle + 1), line.width);
        EXPECT_EQ(Ink(line.x, middle - 1, line.x + line.width, middle), 0);
        EXPECT_EQ(Ink(line.x, middle + 1, line.x + line.width, middle + 2), 0);
    }

    // Verse numbers stand in the label column, left of the text column.
    const TextLine& verse = view_->lines[6];
    ASSERT_NE(verse.hang, 0);
    EXPECT_GT(Ink(verse.x - verse.hang, LineTop(6), verse.x, LineTop(6) + verse.height), 0);
}

TEST_F(GdiSurfaceTest, HighlightIsBlueOnYellow) {
    ASSERT_EQ(LayoutText(view_, SampleLesson(), true), kLayoutDone);
    // Painting starts at the first verse, wherever the face puts it.
    const TextLine& verse = view_->lines[6];
    ASSERT_NE(verse.hang, 0);
    view_->topLine = 0;
    for (int i = 0; i < 6; ++i) view_->topLine += (view_->lines[i].style & 0x80) ? 2 : 1;
    ASSERT_EQ(PaintText(view_, true), 0);
    EXPECT_EQ(Count(0xFFFF00, 0, 0, kWidth, kHeight), 0);

    view_->highlightStart = static_cast<uint16_t>(verse.start + 2);  // "Fret"
    view_->highlightEnd = static_cast<uint16_t>(verse.start + 6);
    ASSERT_EQ(PaintText(view_, false), 0);
    // Yellow fills the word's box but for its blue letters, and nothing else.
    const int right = verse.x + TextWidth(verse.style, L"Fret");
    const int bottom = kTop + verse.height;
    const int yellow = Count(0xFFFF00, verse.x, kTop, right, bottom);
    EXPECT_GT(2 * yellow, (right - verse.x) * verse.height);
    EXPECT_EQ(Count(0xFFFF00, 0, 0, kWidth, kHeight), yellow);
    EXPECT_GT(Count(0x0000FF, verse.x, kTop, right, bottom), 0);
}

TEST_F(GdiSurfaceTest, BoxesAndTheDialogFace) {
    struct Case {
        bool inverse;
        uint32_t outline, inside;
    } const cases[] = {{false, 0x000000, 0xFFFFFF}, {true, 0xFFFFFF, 0x000000}};
    for (const Case& c : cases) {
        surface_.ops->fillRect(surface_.handle, 0, 0, 60, 60, kLightGreyBrush);
        surface_.ops->drawBox(surface_.handle, 10, 10, 30, 20, c.inverse);
        EXPECT_EQ(Pixel(10, 10), c.outline) << c.inverse;
        EXPECT_EQ(Pixel(29, 19), c.outline) << c.inverse;
        EXPECT_EQ(Pixel(11, 11), c.inside) << c.inverse;
        EXPECT_EQ(Pixel(28, 18), c.inside) << c.inverse;
        EXPECT_EQ(Pixel(30, 15), 0xC0C0C0u) << c.inverse;  // right and bottom are outside
        EXPECT_EQ(Pixel(15, 20), 0xC0C0C0u) << c.inverse;
    }
    surface_.ops->fillRect(surface_.handle, 40, 40, 5, 5, kDialogFaceBrush);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(Pixel(44, 44), static_cast<uint32_t>(GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face)));
    EXPECT_EQ(Pixel(45, 45), 0xC0C0C0u);
}

// The caption font asks for a character cell 14 units high; what the mapper
// gives for that depends on the face (the strip is sized from its metrics).
TEST_F(GdiSurfaceTest, CaptionFontAsksForACellFourteenUnitsHigh) {
    CreateCaptionFont();
    ASSERT_NE(g_app.captionFont, nullptr);
    LOGFONTW logFont{};
    ASSERT_NE(GetObjectW(g_app.captionFont, sizeof logFont, &logFont), 0);
    EXPECT_EQ(logFont.lfHeight, 14);
    EXPECT_EQ(logFont.lfWeight, FW_NORMAL);
    HFONT first = g_app.captionFont;
    CreateCaptionFont();  // the old one is deleted, a new one made
    EXPECT_NE(g_app.captionFont, nullptr);
    EXPECT_EQ(GetObjectType(first), 0u);
    DeleteObject(g_app.captionFont);
    g_app.captionFont = nullptr;
}

}  // namespace
