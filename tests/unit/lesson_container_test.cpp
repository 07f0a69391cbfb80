// Writing containers: the header, the records, the end marker and padding,
// the limits, and the joins of the common-year Adar.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "lessons/book_compiler.h"
#include "lessons/lesson_container.h"
#include "tests/unit/book_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Entry(const std::string& words) {
    Bytes t(words.size() + 6, 0);  // style, indent, words, zero, end marker, two zeros
    t[0] = 0x81;
    std::copy(words.begin(), words.end(), t.begin() + 2);
    return t;
}

TEST(LessonContainer, LayoutOfHeaderRecordsAndEndMarker) {
    const std::vector<Bytes> texts = {Entry("one"), Entry("two two two two"), Entry("three")};
    Bytes c;
    size_t failed = 0;
    ASSERT_EQ(BuildLessonContainer(texts, &c, &failed), 0);
    const size_t body = ReadBigEndian16(c.data());
    EXPECT_EQ(ReadBigEndian16(c.data() + 2), 1) << "format mark";
    EXPECT_EQ(ReadBigEndian16(c.data() + 4), 3) << "record count";
    EXPECT_EQ(c.size() % 2, 0u) << "even size";
    EXPECT_EQ(c.size(), 6 + body + (body % 2));
    EXPECT_EQ(Bytes(c.begin() + 6 + long(body) - 4, c.begin() + 6 + long(body)), Bytes(4, 0)) << "end marker";
    for (int i = 0; i < 3; ++i) {
        LessonRecord r;
        ASSERT_EQ(FindLessonRecord(c.data(), c.size(), i, &r), 0);
        EXPECT_EQ(r.textLength, texts[size_t(i)].size());
        char* text = nullptr;
        ASSERT_EQ(DecodeLessonRecord(r, &text), 0);
        EXPECT_EQ(Bytes(text, text + r.textLength), texts[size_t(i)]);
        EXPECT_EQ(text[r.textLength], 0);
        std::free(text);
    }
    LessonRecord r;
    EXPECT_EQ(FindLessonRecord(c.data(), c.size(), 3, &r), kLessonNoRecord);
    EXPECT_EQ(FindLessonRecord(c.data(), c.size(), -1, &r), kLessonNoRecord);
}

TEST(LessonContainer, PadsOddSizesWithOneZero) {
    for (size_t extra = 0; extra < 4; ++extra) {
        Bytes c;
        size_t failed = 0;
        ASSERT_EQ(BuildLessonContainer({Entry(std::string(extra + 1, '\xB7'))}, &c, &failed), 0);
        const size_t end = 6 + ReadBigEndian16(c.data());
        EXPECT_EQ(c.size(), end + end % 2);
        if (end % 2 != 0) {
            EXPECT_EQ(c.back(), 0);
        }
    }
}

TEST(LessonContainer, RefusesWhatDoesNotFitSixteenBits) {
    Bytes c{1, 2, 3};
    size_t failed = 0;
    EXPECT_EQ(BuildLessonContainer({Entry("a"), Bytes(65536, 'a')}, &c, &failed), kContainerTextTooLong);
    EXPECT_EQ(failed, 1u);
    EXPECT_EQ(BuildLessonContainer({Entry("a"), Bytes()}, &c, &failed), kContainerTextEmpty);
    std::mt19937 random(3);
    Bytes incompressible;
    for (int i = 0; i < 65535; ++i) incompressible.push_back(uint8_t(0x80 + random() % 0x80));
    EXPECT_EQ(BuildLessonContainer({incompressible}, &c, &failed), kContainerRecordTooLong);
    std::vector<Bytes> noisy;
    for (int day = 0; day < 30; ++day) {
        Bytes t;
        for (int i = 0; i < 2300; ++i) t.push_back(uint8_t(0xA0 + random() % 0x60));
        noisy.push_back(t);
    }
    EXPECT_EQ(BuildLessonContainer(noisy, &c, &failed), kContainerBodyTooLong);
    EXPECT_EQ(c, (Bytes{1, 2, 3})) << "nothing written on failure";
}

TEST(LessonContainer, JoinsReplaceTheLastThreeBytesWithAFullWidthRule) {
    const Bytes a = Entry("a"), b = Entry("b"), c = Entry("c");
    EXPECT_EQ(JoinLessonTexts({&a, &b}),
              (Bytes{0x81, 0, 'a', 0, 0xC7, 0xD2, 0, 0x81, 0, 'b', 0, 0, 0, 0}));
    EXPECT_EQ(JoinLessonTexts({&a, &b, &c}),
              (Bytes{0x81, 0, 'a', 0, 0xC7, 0xD2, 0, 0x81, 0, 'b', 0, 0xC7, 0xD2, 0, 0x81, 0, 'c', 0, 0, 0, 0}));
    EXPECT_EQ(JoinLessonTexts({&a}), a);
}

TEST(LessonContainer, CommonAdarReadsBothAdars) {
    EXPECT_EQ(CommonAdarParts(1), (std::vector<LessonKey>{0x0C01, 0x0D01}));
    EXPECT_EQ(CommonAdarParts(28), (std::vector<LessonKey>{0x0C1C, 0x0D1C}));
    EXPECT_EQ(CommonAdarParts(29), (std::vector<LessonKey>{0x0C1D, 0x0C1E, 0x0D1D}));
    // Every Adar I and Adar II entry is read exactly once in a common year.
    std::vector<LessonKey> all;
    for (int day = 1; day <= RecordsInLessonMonth(14); ++day)
        for (LessonKey key : CommonAdarParts(day)) all.push_back(key);
    EXPECT_EQ(all.size(), size_t(RecordsInLessonMonth(12) + RecordsInLessonMonth(13)));
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
}

TEST(LessonContainer, ShippedSetPassesVerification) {
    std::vector<std::string> problems;
    EXPECT_TRUE(VerifyContainerSet(ShippedContainers(), &problems));
    for (const std::string& p : problems) ADD_FAILURE() << p;
    for (int month = 1; month <= 14; ++month)
        EXPECT_EQ(ReadBigEndian16(ShippedContainers()[size_t(month - 1)].data() + 4), RecordsInLessonMonth(month));
}

TEST(LessonContainer, VerificationFindsDamage) {
    const struct {
        const char* what;
        size_t container;
        size_t offset;   // from the end when `fromEnd`
        bool fromEnd;
        int value;       // -1: cut the file there
        const char* expected;
    } cases[] = {
        {"format mark", 0, 3, false, 2, "format mark is 2"},
        {"record count", 1, 5, false, 30, "record count is 30"},
        {"text length", 2, 9, false, 0xFF, "record 1"},
        {"end marker", 3, 2, true, 7, "end marker"},
        {"truncated", 4, 100, true, -1, "does not match body length"},
        {"a changed joined record", 13, 40, false, 'Q', "1014.bin: record 1"},
    };
    for (const auto& c : cases) {
        ContainerSet set = ShippedContainers();
        Bytes& bytes = set[c.container];
        const size_t at = c.fromEnd ? bytes.size() - c.offset : c.offset;
        if (c.value < 0) {
            bytes.resize(at);
        } else {
            bytes[at] = uint8_t(c.value);
        }
        std::vector<std::string> problems;
        EXPECT_FALSE(VerifyContainerSet(set, &problems)) << c.what;
        std::string all;
        for (const std::string& p : problems) all += p + "\n";
        EXPECT_NE(all.find(c.expected), std::string::npos) << c.what << ":\n" << all;
    }
}

// A text the reader cannot show (it rejects an empty first paragraph) is a
// problem; a rule first is fine.
TEST(LessonContainer, VerificationWantsAShowableFirstParagraph) {
    const auto problemsWithFirst = [](Bytes first) {
        std::vector<Bytes> texts;
        for (const BookEntry& e : ShippedBook().months[0].days) texts.push_back(e.text);
        first.insert(first.end(), texts[0].begin(), texts[0].end());
        texts[0] = first;
        ContainerSet set = ShippedContainers();
        size_t failed = 0;
        EXPECT_EQ(BuildLessonContainer(texts, &set[0], &failed), 0);
        std::vector<std::string> problems;
        VerifyContainerSet(set, &problems);
        return problems;
    };
    EXPECT_EQ(problemsWithFirst({0x81, 0x00, 0x00}),
              std::vector<std::string>{"1001.bin: record 1: text begins with an empty paragraph"});
    EXPECT_TRUE(problemsWithFirst({0x47, 0xAC, 0x00}).empty());
}

}  // namespace
