// The book as Varidel.exe carries it: every key loaded through the
// program's own resources, compared with the containers the build embedded.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "lessons/lesson_loader.h"
#include "lessons/lesson_platform_win32.h"
#include "tests/win/program_resources.h"

namespace {

std::vector<uint8_t> ReadFile(const std::wstring& path) {
    std::vector<uint8_t> bytes;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (file == nullptr) return bytes;
    uint8_t buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(file);
    return bytes;
}

class BookResourcesTest : public ProgramResourcesTest {
protected:
    static void SetUpTestSuite() {
        ProgramResourcesTest::SetUpTestSuite();
        SetLessonResourceModule(module_);
    }
    static void TearDownTestSuite() {
        SetLessonResourceModule(nullptr);
        ProgramResourcesTest::TearDownTestSuite();
    }
};

TEST_F(BookResourcesTest, EveryKeyLoadsFromTheProgramsResources) {
    int records = 0;
    for (int month = 1; month <= kContainerCount; ++month) {
        const int id = kFirstContainerId + month - 1;
        const std::vector<uint8_t> file = ReadFile(TestFolder() + L"book\\" + std::to_wstring(id) + L".bin");
        ASSERT_FALSE(file.empty()) << id;
        const uint8_t* bytes = nullptr;
        size_t size = 0;
        ASSERT_EQ(LessonContainerBytes(id, &bytes, &size), 0) << id;
        EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + size), file) << "resource " << id << " is the built container";
        for (int day = 1; day <= 31; ++day) {
            int code = -1;
            char* text = LoadLessonText(MakeLessonKey(month, day), &code);
            int fileCode = -1;
            char* expected = LoadLessonFromContainer(file.data(), file.size(), day - 1, &fileCode);
            if (day <= RecordsInLessonMonth(month)) {
                ASSERT_NE(text, nullptr) << std::hex << MakeLessonKey(month, day) << " code " << code;
                ASSERT_NE(expected, nullptr);
                LessonRecord record;
                ASSERT_EQ(FindLessonRecord(file.data(), file.size(), day - 1, &record), 0);
                EXPECT_GE(record.textLength, 400);
                EXPECT_EQ(std::memcmp(text, expected, size_t(record.textLength) + 1), 0)
                    << std::hex << MakeLessonKey(month, day);
                ++records;
            } else {
                EXPECT_EQ(text, nullptr);
                EXPECT_EQ(code, kLessonNoRecord) << std::hex << MakeLessonKey(month, day);
            }
            std::free(text);
            std::free(expected);
        }
    }
    EXPECT_EQ(records, 414);
}

TEST_F(BookResourcesTest, CommonAdarDay29JoinsThreeEntries) {
    char* text = LoadLessonText(0x0E1D, nullptr);
    ASSERT_NE(text, nullptr);
    LessonRecord record;
    const uint8_t* bytes = nullptr;
    size_t size = 0;
    ASSERT_EQ(LessonContainerBytes(1014, &bytes, &size), 0);
    ASSERT_EQ(FindLessonRecord(bytes, size, 28, &record), 0);
    int joints = 0;
    for (size_t i = 0; i + 3 <= record.textLength; ++i) {
        const auto* p = reinterpret_cast<const uint8_t*>(text) + i;
        if (p[0] == 0 && p[1] == 0xC7 && p[2] == 0xD2 && p[3] == 0) ++joints;
    }
    EXPECT_EQ(joints, 2);
    std::free(text);
}

TEST_F(BookResourcesTest, MissingContainerAndKeyZero) {
    int code = -1;
    EXPECT_EQ(LoadLessonText(0x0F01, &code), nullptr);
    EXPECT_EQ(code, kLessonNoContainer);
    code = -1;
    EXPECT_EQ(LoadLessonText(0, &code), nullptr);
    EXPECT_EQ(code, -1);
}

}  // namespace
