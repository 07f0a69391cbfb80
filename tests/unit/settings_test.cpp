// Settings: decoding stored integers, loading with defaults and odd stored
// values, and saving back what was loaded.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/app_state.h"
#include "app/settings.h"
#include "platform/settings_store_posix.h"
#include "view/text_view.h"

namespace {

StoredValue Utf16Value(uint32_t type, const std::u16string& text) {
    StoredValue value{type, {}};
    for (char16_t unit : text) {
        value.bytes.push_back(static_cast<uint8_t>(unit));
        value.bytes.push_back(static_cast<uint8_t>(unit >> 8));
    }
    return value;
}

StoredValue StringValue(const std::u16string& text) {
    return Utf16Value(kStoredString, text + u'\0');
}

StoredValue DwordValue(uint32_t number) {
    return {kStoredDword,
            {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
             static_cast<uint8_t>(number >> 16), static_cast<uint8_t>(number >> 24)}};
}

StoredValue BytesValue(const std::string& bytes) {
    return {kStoredBinary, std::vector<uint8_t>(bytes.begin(), bytes.end())};
}

void Put(const std::u16string& name, const StoredValue& value) {
    PutStoredValue(SettingsKey::Program, name, value);
}

int32_t Decode(const StoredValue& value) {
    int32_t number = 12345;
    EXPECT_TRUE(DecodeStoredInt(value.type, value.bytes.data(), value.bytes.size(), &number));
    return number;
}

class SettingsTest : public testing::Test {
protected:
    void SetUp() override {
        g_app = AppState{};
        ClearStoredValues();
    }
    void TearDown() override {
        g_app = AppState{};
        ClearStoredValues();
    }
};

}  // namespace

TEST(DecodeStoredInt, DwordIsTakenAsIs) {
    EXPECT_EQ(Decode(DwordValue(0xD1140040)), static_cast<int32_t>(0xD1140040));
    EXPECT_EQ(Decode(DwordValue(7)), 7);
    const StoredValue shortDword{kStoredDword, {1, 2, 3}};
    int32_t number = 99;
    EXPECT_FALSE(DecodeStoredInt(shortDword.type, shortDword.bytes.data(), shortDword.bytes.size(), &number));
    EXPECT_EQ(number, 99);
}

TEST(DecodeStoredInt, TextReadsLeadingDecimalDigits) {
    const struct {
        std::u16string text;
        int32_t expected;
    } cases[] = {
        {u"12", 12},           {u"-7", -7},           {u"12abc", 12},
        {u"3 4", 3},           {u" 12", 0},           {u"", 0},
        {u"abc", 0},           {u"-", 0},             {u"--5", 0},
        {u"+5", 0},            {u"2147483647", 2147483647},
        {u"4294967295", -1},   {u"4294967296", 0},    {u"-2147483648", INT32_MIN},
        {std::u16string(u"1\0" u"2", 3), 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Decode(StringValue(c.text)), c.expected) << std::string(c.text.begin(), c.text.end());
    }
}

TEST(DecodeStoredInt, OtherTypesAreReadAsTextToo) {
    EXPECT_EQ(Decode(Utf16Value(kStoredBinary, u"42")), 42);
    EXPECT_EQ(Decode(Utf16Value(2, u"9x")), 9);  // expandable string
    // An odd trailing byte is not half a digit.
    StoredValue odd = Utf16Value(kStoredString, u"15");
    odd.bytes.push_back('7');
    EXPECT_EQ(Decode(odd), 15);
}

TEST_F(SettingsTest, AnEmptyStoreGivesTheDefaults) {
    LoadSettings();
    EXPECT_EQ(g_app.font.FontName[0], 0);
    EXPECT_EQ(g_app.font.FontSize, 0);
    EXPECT_EQ(g_app.font.FontAsciiBase, kDefaultFontAsciiBase);
    EXPECT_EQ(g_app.SearchString[0], '\0');
    EXPECT_EQ(g_app.LastPosition, 0);
    EXPECT_EQ(g_app.Flags, kDefaultFlags);
    EXPECT_EQ(g_app.Day, 0);
    EXPECT_EQ(g_app.Lesson, 0);
    EXPECT_EQ(g_app.captionLength, 0);
}

TEST_F(SettingsTest, StringsAreAcceptedForEveryIntegerSetting) {
    Put(u"FontSize", StringValue(u"12"));
    Put(u"FontAsciiBase", StringValue(u"65"));
    Put(u"LastPosition", StringValue(u"30"));
    Put(u"Flags", StringValue(u"64"));
    LoadSettings();
    EXPECT_EQ(g_app.font.FontSize, 12);
    EXPECT_EQ(g_app.font.FontAsciiBase, 65);
    EXPECT_EQ(g_app.LastPosition, 30);
    EXPECT_EQ(g_app.Flags, 64u);
}

TEST_F(SettingsTest, LongNamesAndPhrasesAreCut) {
    Put(u"FontName", StringValue(u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghij"));
    Put(u"SearchString", BytesValue(std::string(40, 'q')));  // no zero byte at all
    LoadSettings();
    EXPECT_EQ(std::u16string(g_app.font.FontName), u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcde");
    EXPECT_EQ(std::string(g_app.SearchString), std::string(33, 'q'));
}

TEST_F(SettingsTest, ShortPhraseStopsAtItsZeroByte) {
    Put(u"SearchString", BytesValue(std::string("light\0dark", 10)));
    Put(u"FontName", StringValue(u""));
    LoadSettings();
    EXPECT_STREQ(g_app.SearchString, "light");
    EXPECT_EQ(g_app.font.FontName[0], 0);
}

TEST_F(SettingsTest, SixteenBitValuesKeepTheirLowBits) {
    Put(u"LastPosition", DwordValue(0x10005));
    Put(u"Lesson", DwordValue(0x20E1D));
    LoadSettings();
    EXPECT_EQ(g_app.LastPosition, 5);
    EXPECT_EQ(g_app.Lesson, 0x0E1D);
}

TEST_F(SettingsTest, AStoredDayBringsItsDateCaptionAndKey) {
    // 29 Adar 5767 (a common year) is 19 March 2007.
    const AbsoluteDay day = AbsoluteFromGregorian({3, 19, 2007});
    Put(u"Day", DwordValue(day));
    Put(u"Lesson", DwordValue(0x0101));  // hand-edited: not the day's key
    Put(u"Flags", DwordValue(kDefaultFlags | kFlagDayChosen));
    LoadSettings();
    EXPECT_EQ(g_app.Day, day);
    EXPECT_EQ(g_app.hebrewDate.month, 12);
    EXPECT_EQ(g_app.hebrewDate.day, 29);
    EXPECT_STREQ(g_app.caption, "29 Adar, 5767");
    EXPECT_EQ(g_app.captionLength, 13);
    EXPECT_EQ(g_app.Lesson, 0x0E1D);
    EXPECT_NE(g_app.Flags & kFlagDayChosen, 0u);
}

TEST_F(SettingsTest, ADayTheCalendarCannotShowMeansNoChosenDay) {
    for (uint32_t stored : {0xFFFFFFFFu, 0x80000000u, 3652060u, 0x7FFFFFFFu}) {
        g_app = AppState{};
        Put(u"Day", DwordValue(stored));
        Put(u"Flags", DwordValue(kDefaultFlags | kFlagDayChosen));
        LoadSettings();
        EXPECT_EQ(g_app.Day, 0) << stored;
        EXPECT_EQ(g_app.Flags, kDefaultFlags) << stored;
        EXPECT_EQ(g_app.captionLength, 0) << stored;
    }
    g_app = AppState{};
    Put(u"Day", DwordValue(3652059));
    LoadSettings();
    EXPECT_EQ(g_app.Day, 3652059);
    EXPECT_GT(g_app.captionLength, 0);
}

TEST_F(SettingsTest, FontValuesOutsideTheirRangeGiveTheDefaults) {
    Put(u"FontSize", StringValue(u"-12"));
    Put(u"FontAsciiBase", DwordValue(0x80000000));
    LoadSettings();
    EXPECT_EQ(g_app.font.FontSize, 0);
    EXPECT_EQ(g_app.font.FontAsciiBase, kDefaultFontAsciiBase);
}

TEST_F(SettingsTest, SavingWritesWhatLoadingReads) {
    TextView pane{};
    pane.topLine = 17;
    g_app.pane = &pane;
    const char16_t face[] = u"Serif Face";
    memcpy(g_app.font.FontName, face, sizeof(face));
    g_app.font.FontSize = 14;
    g_app.font.FontAsciiBase = 65;
    strcpy(g_app.SearchString, "mercy");
    g_app.Flags = kDefaultFlags | kFlagDayChosen;
    g_app.Day = AbsoluteFromGregorian({3, 20, 2027});
    g_app.Lesson = LessonKeyForDate(HebrewFromAbsolute(g_app.Day));
    const AppState saved = g_app;
    SaveSettings();

    EXPECT_EQ(FindStoredValue(SettingsKey::Program, u"SearchString")->bytes.size(), 6u);
    EXPECT_EQ(FindStoredValue(SettingsKey::Program, u"FontName")->type, kStoredString);
    g_app = AppState{};
    LoadSettings();
    EXPECT_EQ(std::u16string(g_app.font.FontName), u"Serif Face");
    EXPECT_EQ(g_app.font.FontSize, 14);
    EXPECT_EQ(g_app.font.FontAsciiBase, 65);
    EXPECT_STREQ(g_app.SearchString, "mercy");
    EXPECT_EQ(g_app.LastPosition, 17);
    EXPECT_EQ(g_app.Flags, saved.Flags);
    EXPECT_EQ(g_app.Day, saved.Day);
    EXPECT_EQ(g_app.Lesson, saved.Lesson);
}

TEST_F(SettingsTest, EmptyOrUnsetValuesLeaveTheStoredOnesAlone) {
    Put(u"FontName", StringValue(u"Kept Face"));
    Put(u"SearchString", BytesValue(std::string("kept\0", 5)));
    Put(u"FontSize", DwordValue(20));
    Put(u"LastPosition", DwordValue(9));
    Put(u"Lesson", DwordValue(0x0701));
    SaveSettings();  // nothing set, no pane
    EXPECT_EQ(FindStoredValue(SettingsKey::Program, u"FontName")->bytes, StringValue(u"Kept Face").bytes);
    EXPECT_EQ(FindStoredValue(SettingsKey::Program, u"SearchString")->bytes.size(), 5u);
    EXPECT_EQ(FindStoredValue(SettingsKey::Program, u"FontSize")->bytes, DwordValue(20).bytes);
    EXPECT_EQ(FindStoredValue(SettingsKey::Program, u"LastPosition")->bytes, DwordValue(9).bytes);
    EXPECT_EQ(FindStoredValue(SettingsKey::Program, u"Lesson")->bytes, DwordValue(0x0701).bytes);
    // Flags and Day are always written.
    EXPECT_EQ(FindStoredValue(SettingsKey::Program, u"Flags")->bytes, DwordValue(0).bytes);
    EXPECT_EQ(FindStoredValue(SettingsKey::Program, u"Day")->bytes, DwordValue(0).bytes);
}

TEST_F(SettingsTest, TheGutterComesFromThePublisherKey) {
    EXPECT_EQ(LoadSurroundingGutter(), kDefaultGutter);
    Put(u"SurroundingGutter", DwordValue(3));  // the program key does not count
    EXPECT_EQ(LoadSurroundingGutter(), kDefaultGutter);
    const struct {
        StoredValue stored;
        int32_t expected;
    } cases[] = {
        {DwordValue(0), 0},          {DwordValue(25), 25},
        {StringValue(u"5px"), 5},    {DwordValue(0xFFFFFFFF), kDefaultGutter},
        {DwordValue(40000), kDefaultGutter}, {StringValue(u"junk"), 0},
    };
    for (const auto& c : cases) {
        PutStoredValue(SettingsKey::Publisher, u"SurroundingGutter", c.stored);
        EXPECT_EQ(LoadSurroundingGutter(), c.expected);
    }
}
