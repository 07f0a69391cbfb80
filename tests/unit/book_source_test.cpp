// The book's source format: what it compiles to, what it refuses (with the
// file and line), and dumps that compile back to the same containers.
#include <gtest/gtest.h>

#include <random>

#include "lessons/book_compiler.h"
#include "lessons/book_source.h"
#include "lessons/lesson_container.h"
#include "lessons/lesson_text.h"
#include "tests/unit/book_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A complete, valid source of every month, with one line per entry.
std::string MinimalMonth(int month, const std::string& firstDayBody = "date 1 x") {
    std::string s = "@month " + std::to_string(month) + "\n";
    for (int day = 1; day <= RecordsInLessonMonth(month); ++day)
        s += "@day " + std::to_string(day) + "\n" + (day == 1 ? firstDayBody : "line d") + "\n";
    return s;
}

std::vector<std::string> Problems(const std::string& nisan) {
    Book book;
    std::vector<std::string> problems;
    ParseBookSource("nisan.txt", nisan, &book, &problems);
    for (int month = 2; month <= 13; ++month) ParseBookSource("other.txt", MinimalMonth(month), &book, &problems);
    CheckBookComplete(book, &problems);
    if (problems.empty()) {
        ContainerSet set;
        CompileBook(book, &set, &problems);
    }
    return problems;
}

TEST(BookSource, ParagraphsBecomeStyleIndentBodyAndZero) {
    Book book;
    std::vector<std::string> problems;
    ParseBookSource("a.txt",
                    "\xEF\xBB\xBF# comment after a byte-order mark\r\n@month 1 Nisan\r\n\r\n@day 1\r\n"
                    "title Passover\n"
                    "rule\n"
                    "verse 1 In the beginning\n"
                    "item+24 \xC2\xBB sub\n"
                    "item  continued\n"
                    "0B/7F tab\\x09and \\\\ backslash\\x20\n"
                    "C7/30\n",
                    &book, &problems);
    EXPECT_TRUE(problems.empty());
    const Bytes expected = {0xCC, 0x00, 'P', 'a', 's', 's', 'o', 'v', 'e', 'r', 0,
                            0x47, 0xAC, 0,
                            0x01, 0xC0, '1', ' ', 'I', 'n', ' ', 't', 'h', 'e', ' ', 'b', 'e', 'g', 'i', 'n', 'n', 'i', 'n', 'g', 0,
                            0x81, 0x58, 0xBB, ' ', 's', 'u', 'b', 0,
                            0x81, 0x40, ' ', 'c', 'o', 'n', 't', 'i', 'n', 'u', 'e', 'd', 0,
                            0x0B, 0x7F, 't', 'a', 'b', 0x09, 'a', 'n', 'd', ' ', '\\', ' ', 'b', 'a', 'c', 'k', 's', 'l',
                            'a', 's', 'h', ' ', 0,
                            0xC7, 0x30, 0,
                            0, 0, 0};
    EXPECT_EQ(book.months[0].days[0].text, expected);
    EXPECT_EQ(book.months[0].days[0].line, 4);
}

TEST(BookSource, RefusesBadSourcesNamingFileAndLine) {
    const std::string big(70000, 'w');
    const struct {
        const char* what;
        std::string source;
        const char* expected;
    } cases[] = {
        {"a character outside Latin-1", MinimalMonth(1, "para 5 \xE2\x82\xAC"), "nisan.txt:3: character U+20AC is outside Latin-1"},
        {"malformed UTF-8", MinimalMonth(1, "para \xC3("), "nisan.txt:3: the line is not valid UTF-8"},
        {"an unknown kind", MinimalMonth(1, "paragraf text"), "nisan.txt:3: unknown paragraph kind \"paragraf\""},
        {"a zero style byte", MinimalMonth(1, "00/00 x"), "nisan.txt:3: a style byte of 00"},
        {"a zero byte by escape", MinimalMonth(1, "para a\\x00b"), "nisan.txt:3: a paragraph cannot hold a zero byte"},
        {"a bad escape", MinimalMonth(1, "para a\\qb"), "nisan.txt:3: a backslash"},
        {"an empty first paragraph", MinimalMonth(1, "para"), "nisan.txt:3: an entry must begin"},
        {"a missing day", "@month 1\n@day 1\nline a\n", "nisan.txt:1: Nisan has no day 2"},
        {"a duplicate day", MinimalMonth(1) + "@day 7\nline again\n", "nisan.txt:62: day 7 appears again (first at line 14)"},
        {"an extra day", MinimalMonth(1) + "@day 31\nline x\n", "nisan.txt:62: day 31 is not a day of Nisan (1..30)"},
        {"an entry with no paragraph", "@month 1\n@day 1\n" + MinimalMonth(1).substr(MinimalMonth(1).find("@day 2")), "nisan.txt:2: day 1 has no paragraph"},
        {"an entry over 65,535 bytes", MinimalMonth(1, "para " + big), "nisan.txt:2: day 1 is 70006 bytes long, over 65,535"},
        {"a paragraph before any day", "@month 1\nline x\n" + MinimalMonth(1).substr(9), "nisan.txt:2: a paragraph outside any @day"},
        {"a bad directive", "@mont 1\n", "nisan.txt:1: expected \"@month N [name]\" or \"@day N\""},
        {"a month out of range", "@month 14\n", "nisan.txt:1: lesson month 14 is not 1..13"},
        {"a missing month", "# nothing\n", "lesson month 1 (Nisan) has no source"},
        {"a month twice", MinimalMonth(1) + MinimalMonth(1), "nisan.txt:62: lesson month 1 appears again"},
        {"a line starting with a space", MinimalMonth(1) + " para x\n", "nisan.txt:62: a paragraph line must begin with its kind"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> problems = Problems(c.source);
        std::string all;
        for (const std::string& p : problems) all += p + "\n";
        EXPECT_NE(all.find(c.expected), std::string::npos) << c.what << ":\n" << all;
    }
}

TEST(BookSource, RefusesAContainerBodyOver65535Bytes) {
    std::mt19937 random(5);
    std::string nisan = "@month 1\n";
    for (int day = 1; day <= 30; ++day) {
        nisan += "@day " + std::to_string(day) + "\npara ";
        for (int i = 0; i < 2300; ++i) {
            const unsigned c = 0xA0 + random() % 0x60;
            nisan += char(0xC0 | (c >> 6));
            nisan += char(0x80 | (c & 0x3F));
        }
        nisan += "\n";
    }
    const std::vector<std::string> problems = Problems(nisan);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("nisan.txt:1: the container of Nisan is over 65,535 bytes"), std::string::npos)
        << problems[0];
}

TEST(BookSource, AJoinedAdarOverTheLimitIsRefused) {
    Book book;
    std::vector<std::string> problems;
    for (int month = 1; month <= 13; ++month) {
        const std::string body = month >= 12 ? "para " + std::string(40000, 'k') : "date x";
        ParseBookSource(month >= 12 ? "adar.txt" : "other.txt", MinimalMonth(month, body), &book, &problems);
    }
    ASSERT_TRUE(problems.empty());
    ContainerSet set;
    EXPECT_FALSE(CompileBook(book, &set, &problems));
    ASSERT_FALSE(problems.empty());
    EXPECT_NE(problems[0].find("adar.txt:2: Adar day 1 (joined from Adar I and Adar II) is 80012 bytes long"),
              std::string::npos) << problems[0];
}

TEST(BookSource, DumpedBookCompilesToTheSameContainers) {
    BookTexts texts;
    std::vector<std::string> problems;
    ASSERT_TRUE(DecodeContainerSet(ShippedContainers(), &texts, &problems));
    std::string source, error;
    for (int month = 1; month <= 13; ++month) ASSERT_TRUE(WriteBookSource(month, texts[size_t(month - 1)], &source, &error));
    Book book;
    ParseBookSource("dump.txt", source, &book, &problems);
    CheckBookComplete(book, &problems);
    ASSERT_TRUE(problems.empty()) << problems[0];
    ContainerSet again;
    ASSERT_TRUE(CompileBook(book, &again, &problems));
    EXPECT_TRUE(again == ShippedContainers());
}

TEST(BookSource, DumpWritesEveryByteSoItReadsBack) {
    Bytes text{0x81, 0x00};
    for (int b = 1; b < 256; ++b) text.push_back(uint8_t(b));
    text.insert(text.end(), {' ', 0, 0x81, 0x40, ' ', ' ', 'x', ' ', 0, 0x7F, 0xFF, 0, 0, 0, 0});
    std::string source, error;
    ASSERT_TRUE(WriteBookEntry(1, 1, text, &source, &error));
    Book book;
    std::vector<std::string> problems;
    ParseBookSource("one.txt", "@month 1\n" + source, &book, &problems);
    ASSERT_TRUE(problems.empty()) << problems[0];
    EXPECT_EQ(book.months[0].days[0].text, text);
    EXPECT_FALSE(WriteBookEntry(1, 2, Bytes{0x81, 0, 'a', 0, 0}, &source, &error)) << "no end marker and two zeros";
}

TEST(BookSource, ShippedBookIsBalancedAndDisplayable) {
    const Book& book = ShippedBook();
    size_t entries = 0;
    for (const BookMonth& month : book.months)
        for (const BookEntry& entry : month.days) {
            ++entries;
            EXPECT_GE(entry.text.size(), 400u) << month.file << ":" << entry.line;
            EXPECT_LE(entry.text.size(), 3000u) << month.file << ":" << entry.line;
            std::vector<LessonParagraph> paragraphs;
            EXPECT_EQ(SplitLessonText(entry.text.data(), entry.text.size(), &paragraphs) + 2, entry.text.size());
            for (const LessonParagraph& p : paragraphs)
                for (size_t i = 0; i < p.length; ++i)
                    EXPECT_FALSE(p.body[i] >= 0x80 && p.body[i] <= 0x9F)
                        << month.file << ":" << entry.line << ": byte " << int(p.body[i]);
        }
    EXPECT_EQ(entries, 385u);
}

}  // namespace
