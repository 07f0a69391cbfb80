// The clipboard text of a lesson: line ends, blank lines, rules as hyphens,
// bytes widened unit by unit, the buffer size and its bound.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "lessons/clipboard_text.h"
#include "lessons/core_message.h"
#include "lessons/lesson_text.h"
#include "tests/unit/book_fixture.h"
#include "tests/unit/view_test_support.h"

namespace {

// The clipboard text of `text` in a buffer of ClipboardTextSize bytes.
std::u16string Convert(const LessonText& text) {
    const std::string bytes = text.bytes + std::string(4, '\0');
    std::vector<char16_t> buffer(ClipboardTextSize(bytes.c_str()) / 2, u'#');
    EXPECT_EQ(LessonToClipboardText(bytes.c_str(), buffer.data(), buffer.size() * 2), 0);
    return std::u16string(buffer.data());
}

TEST(ClipboardText, ParagraphsRulesAndBytes) {
    struct Case {
        const char* what;
        LessonText text;
        std::u16string expected;
    };
    const Case cases[] = {
        {"blank line after the second of three",
         LessonText{}.Para(0x01, 0, "one").Para(0x81, 0x4C, "two").Para(0x01, 0, "three"),
         u"one\r\ntwo\r\n\r\nthree\r\n"},
        {"rules of 24, 74 and 100 percent and of 48 pixels",
         LessonText{}.Para(0xC7, 0xAC, "").Para(0x47, 0xC5, "").Para(0x47, 0xD2, "").Para(0x47, 0x30, ""),
         std::u16string(24, u'-') + u"\r\n\r\n" + std::u16string(74, u'-') + u"\r\n" + std::u16string(100, u'-') + u"\r\n" +
             std::u16string(48, u'-') + u"\r\n"},
        {"a rule of width 0 is an empty line", LessonText{}.Para(0x47, 0, "").Para(0x01, 0, "a"),
         u"\r\na\r\n"},
        {"bytes from 0x80 up", LessonText{}.Para(0x01, 0, "\x80\x95\xE9\xFF"), u"\u0080\u0095\u00E9\u00FF\r\n"},
        {"no paragraph at all", LessonText{}, u""},
    };
    for (const Case& c : cases) EXPECT_EQ(Convert(c.text), c.expected) << c.what;
}

TEST(ClipboardText, SizeCountsTheFormula) {
    // L = 9 + 5, P = 2, B = 1, D = 24, S = 0x0C: N = 14 + 7 + 6 + 24 + 12 = 63.
    const LessonText text = LessonText{}.Para(0x81, 0x4C, "abcdef").Para(0x47, 0xAC, "xy");
    EXPECT_EQ(ClipboardTextSize((text.bytes + std::string(4, '\0')).c_str()), 2u * 63 + 2);
}

TEST(ClipboardText, EveryLessonFitsAndKeepsItsBodies) {
    for (const auto& month : ShippedBook().months) {
        for (const BookEntry& entry : month.days) {
            const char* text = reinterpret_cast<const char*>(entry.text.data());
            std::vector<char16_t> buffer(ClipboardTextSize(text) / 2);
            ASSERT_EQ(LessonToClipboardText(text, buffer.data(), buffer.size() * 2), 0);
            std::vector<LessonParagraph> paragraphs;
            SplitLessonText(entry.text.data(), entry.text.size(), &paragraphs);
            std::u16string out(buffer.data());
            size_t at = 0;
            for (const LessonParagraph& p : paragraphs) {
                if (IsRule(p.style)) continue;
                const std::u16string body(p.body, p.body + p.length);
                at = out.find(body + u"\r\n", at);
                ASSERT_NE(at, std::u16string::npos) << month.file << " line " << entry.line;
                at += body.size();
            }
        }
    }
}

TEST(ClipboardText, ATextTooLongForItsBufferWritesNothingPastIt) {
    const std::string text = LessonText{}.Para(0x01, 0, "abcdefgh").bytes + std::string(4, '\0');
    TakeCoreMessages();
    // Room for "abcd" only; the unit after the bound must stay untouched.
    std::vector<char16_t> buffer(5, u'#');
    EXPECT_EQ(LessonToClipboardText(text.c_str(), buffer.data(), 4 * 2 + 1), 1);
    EXPECT_EQ(std::u16string(buffer.data(), 4), u"abcd");
    EXPECT_EQ(buffer[4], u'#');
    EXPECT_EQ(TakeCoreMessages(), "(obuf > (start + size))\n");
}

// Each buffer is allocated to its exact size, so that AddressSanitizer
// reports any unit written past it.
TEST(ClipboardText, EveryBufferTooSmallIsRefusedInsideItsBounds) {
    const std::string text = LessonText{}.Para(0x81, 0, "ab").Para(0x47, 0xA2, "").bytes + std::string(4, '\0');
    const std::u16string whole = u"ab\r\n\r\n----\r\n";
    const size_t needed = (whole.size() + 1) * 2;
    TakeCoreMessages();
    for (size_t size = 0; size <= needed; ++size) {
        auto* buffer = static_cast<char16_t*>(malloc(size != 0 ? size : 1));
        const int result = LessonToClipboardText(text.c_str(), buffer, size);
        EXPECT_EQ(result, size < needed ? 1 : 0) << size << " bytes";
        EXPECT_EQ(TakeCoreMessages(), size < needed ? "(obuf > (start + size))\n" : "") << size << " bytes";
        if (result == 0) {
            EXPECT_EQ(std::u16string(buffer), whole);
        }
        free(buffer);
    }
}

}  // namespace
