// Fetching lessons by key from container files, as the program fetches them
// from its resources: the record walk, the failure codes and the message.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>

#include "lessons/book_files.h"
#include "lessons/core_message.h"
#include "lessons/lesson_loader.h"
#include "lessons/lesson_platform_posix.h"
#include "tests/unit/book_fixture.h"
#include "tests/unit/view_test_support.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct FreeText {
    void operator()(char* p) const { std::free(p); }
};
using Text = std::unique_ptr<char, FreeText>;

const Bytes& SourceText(int month, int day) { return ShippedBook().months[size_t(month - 1)].days[size_t(day - 1)].text; }

class LessonLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetLessonContainerFolder(ShippedContainerFolder());
        TakeCoreMessages();
    }

    // Loads `key`; the code is -1 when none was stored.
    Text Load(LessonKey key, int* code) {
        *code = -1;
        return Text(LoadLessonText(key, code));
    }

    void ExpectText(LessonKey key, const Bytes& expected) {
        int code = 0;
        Text text = Load(key, &code);
        ASSERT_NE(text, nullptr) << std::hex << key << " failed with " << code;
        EXPECT_EQ(code, -1) << "a success leaves the code alone";
        EXPECT_EQ(Bytes(text.get(), text.get() + expected.size()), expected) << std::hex << key;
        EXPECT_EQ(text.get()[expected.size()], 0) << "zero byte after the text";
    }
};

TEST_F(LessonLoaderTest, FindsTheRecordOfEachKey) {
    ExpectText(0x0101, SourceText(1, 1));
    ExpectText(0x081E, SourceText(8, 30));
    ExpectText(0x0D1D, SourceText(13, 29));
    ExpectText(0x0C1E, SourceText(12, 30));
}

TEST_F(LessonLoaderTest, CommonYearAdarJoinsBothAdars) {
    Bytes day5(SourceText(12, 5).begin(), SourceText(12, 5).end() - 3);
    day5.insert(day5.end(), {0xC7, 0xD2, 0x00});
    day5.insert(day5.end(), SourceText(13, 5).begin(), SourceText(13, 5).end());
    ExpectText(0x0E05, day5);

    Bytes day29;
    for (const Bytes* part : {&SourceText(12, 29), &SourceText(12, 30)}) {
        day29.insert(day29.end(), part->begin(), part->end() - 3);
        day29.insert(day29.end(), {0xC7, 0xD2, 0x00});
    }
    day29.insert(day29.end(), SourceText(13, 29).begin(), SourceText(13, 29).end());
    ExpectText(0x0E1D, day29);
}

TEST_F(LessonLoaderTest, EveryDayOfTheBookLoads) {
    for (int month = 1; month <= 14; ++month) {
        for (int day = 1; day <= 31; ++day) {
            int code = 0;
            Text text = Load(MakeLessonKey(month, day), &code);
            if (day <= RecordsInLessonMonth(month)) {
                EXPECT_NE(text, nullptr) << month << "/" << day;
                if (month <= 13 && text != nullptr) {
                    EXPECT_EQ(std::memcmp(text.get(), SourceText(month, day).data(), SourceText(month, day).size()), 0);
                }
            } else {
                EXPECT_EQ(text, nullptr) << month << "/" << day;
                EXPECT_EQ(code, kLessonNoRecord) << month << "/" << day;
            }
        }
    }
    EXPECT_EQ(TakeCoreMessages(), "");
}

TEST_F(LessonLoaderTest, FailureCodes) {
    int code = 0;
    EXPECT_EQ(Load(0x021E, &code), nullptr);
    EXPECT_EQ(code, kLessonNoRecord) << "Iyyar has 29 records";
    EXPECT_EQ(Load(0x0F01, &code), nullptr);
    EXPECT_EQ(code, kLessonNoContainer) << "there is no container 1015";
    EXPECT_EQ(Load(0x0100, &code), nullptr);
    EXPECT_EQ(code, kLessonNoContainer) << "day 0 walks back into container 1000";
    EXPECT_EQ(Load(0, &code), nullptr);
    EXPECT_EQ(code, -1) << "key 0 is no key: no code";
    EXPECT_NE(Text(LoadLessonText(0x0101, nullptr)), nullptr);
    EXPECT_EQ(LoadLessonText(0x0F01, nullptr), nullptr) << "the code is optional";
}

// A folder with container 1001 replaced by `bytes`.
std::string FolderWithNisan(const Bytes& bytes) {
    const std::string folder = MakeScratchFolder();
    std::ofstream(folder + "/1001.bin", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                                std::streamsize(bytes.size()));
    return folder;
}

void PutBigEndian16(Bytes* out, size_t value) {
    out->push_back(uint8_t(value >> 8));
    out->push_back(uint8_t(value & 0xFF));
}

// A container of records given as (compressed bytes, text length).
Bytes Container(std::initializer_list<std::pair<Bytes, uint16_t>> records) {
    Bytes body;
    for (const auto& [data, length] : records) {
        PutBigEndian16(&body, data.size());
        PutBigEndian16(&body, length);
        for (uint8_t b : data) body.push_back(b);
    }
    for (int i = 0; i < 4; ++i) body.push_back(0);
    Bytes c;
    PutBigEndian16(&c, body.size());
    PutBigEndian16(&c, 1);
    PutBigEndian16(&c, records.size());
    for (uint8_t b : body) c.push_back(b);
    return c;
}

TEST_F(LessonLoaderTest, DamagedDataFailsWithTheMessage) {
    const struct {
        const char* what;
        Bytes container;
        int day;
        int code;
        bool message;
    } cases[] = {
        {"compressed bytes end early", Container({{{'a', 'b', 0x00}, 6}}), 1, kLessonDamaged, true},
        {"literal run past the record", Container({{{0x05, 'a'}, 5}, {{'z', 0x00}, 2}}), 1, kLessonDamaged, true},
        {"distance before the text", Container({{{'a', 0x80, 0x18}, 5}}), 1, kLessonDamaged, true},
        {"header claims more than the file holds",
         [] {
             Bytes c = Container({{{'h', 'e', 'l', 'l', 'o', 0x00}, 6}});
             c.resize(c.size() - 6);
             return c;
         }(),
         1, kLessonDamaged, true},
        {"text length 0", Container({{{'a'}, 0}}), 1, kLessonNoText, false},
        {"body shorter than five bytes", Bytes{0, 4, 0, 1, 0, 0, 0, 0, 0, 0}, 1, kLessonNoRecord, false},
        {"empty container", Bytes(), 1, kLessonUnloadable, false},
        {"only a header", Bytes{0, 40, 0, 1, 0, 1}, 1, kLessonNoRecord, false},
        {"index at the end marker", Container({{{'a', 0x00}, 2}}), 2, kLessonNoRecord, false},
    };
    for (const auto& c : cases) {
        SetLessonContainerFolder(FolderWithNisan(c.container));
        int code = 0;
        EXPECT_EQ(Load(MakeLessonKey(1, c.day), &code), nullptr) << c.what;
        EXPECT_EQ(code, c.code) << c.what;
        EXPECT_EQ(TakeCoreMessages(), c.message ? "UnCompress() buffer error!\n" : "") << c.what;
    }
}

// A record that decodes cleanly to a text ending in a lone style byte: the
// paragraph walk steps over that byte and its indent and must still find its
// terminator inside the loaded buffer (AddressSanitizer watches the reads).
TEST_F(LessonLoaderTest, TextEndingInAStyleByteLaysOutInsideItsBuffer) {
    const Bytes compressed = {0x01, 0x05, 0x00, 'a', 0x00, 0x01, 0x05};
    SetLessonContainerFolder(FolderWithNisan(Container({{compressed, 5}})));
    int code = 0;
    Text text = Load(0x0101, &code);
    ASSERT_NE(text, nullptr) << code;
    EXPECT_EQ(Bytes(text.get(), text.get() + 8), (Bytes{0x05, 0x00, 'a', 0x00, 0x05, 0, 0, 0}));

    ViewFixture pane(0, 0, 200, 100);
    ASSERT_EQ(pane.Lay(text.release()), kLayoutDone);
    EXPECT_EQ(pane.view->lineCount, 1) << "the lone style byte starts an empty paragraph";
    EXPECT_EQ(pane.Line(0).length, 1);
}

TEST_F(LessonLoaderTest, SurplusCompressedBytesAreIgnored) {
    SetLessonContainerFolder(FolderWithNisan(Container({{{'o', 'k', 0x00, 'x', 'y'}, 3}, {{'n', 0x00}, 2}})));
    int code = 0;
    Text first = Load(0x0101, &code);
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first.get(), "ok");
    Text second = Load(0x0102, &code);
    ASSERT_NE(second, nullptr);
    EXPECT_STREQ(second.get(), "n");
    EXPECT_EQ(TakeCoreMessages(), "");
}

// The body length bounds the walk to a record, not the bytes the record then
// reads: a header that claims too little still gives its first record.
TEST_F(LessonLoaderTest, ShortBodyLengthBoundsOnlyTheWalk) {
    Bytes c = Container({{{'o', 'k', 0x00}, 3}, {{'n', 0x00}, 2}});
    c[0] = 0;
    c[1] = 5;
    SetLessonContainerFolder(FolderWithNisan(c));
    int code = 0;
    Text first = Load(0x0101, &code);
    ASSERT_NE(first, nullptr) << code;
    EXPECT_STREQ(first.get(), "ok");
    EXPECT_EQ(Load(0x0102, &code), nullptr);
    EXPECT_EQ(code, kLessonNoRecord) << "the second record lies past the body";
    EXPECT_EQ(TakeCoreMessages(), "");
}

}  // namespace
