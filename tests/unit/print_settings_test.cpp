// What printing keeps in the settings: the margins with their defaults and
// as fitted to the paper, the stored printer set-up read only when it can be
// one, the printer's full name beside it, the printer's names as Page Setup
// exchanges them, and the page set-up's failure texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "export/print_settings.h"
#include "platform/settings_store_posix.h"

namespace {

class PrintSettings : public testing::Test {
protected:
    void SetUp() override { ClearStoredValues(); }
    void TearDown() override { ClearStoredValues(); }
};

void Put16(std::vector<uint8_t>* bytes, size_t offset, uint16_t value) {
    (*bytes)[offset] = static_cast<uint8_t>(value);
    (*bytes)[offset + 1] = static_cast<uint8_t>(value >> 8);
}

// A printer set-up of `size` bytes naming `name`, with its own dmSize and
// dmDriverExtra.
std::vector<uint8_t> SetupBytes(size_t size, const std::u16string& name, uint16_t ownSize, uint16_t extra) {
    std::vector<uint8_t> bytes(size, 0);
    for (size_t i = 0; i < name.size() && 2 * i + 1 < size; ++i) Put16(&bytes, 2 * i, name[i]);
    if (size >= kSetupHeaderSize) {
        Put16(&bytes, kSetupSizeOffset, ownSize);
        Put16(&bytes, kSetupExtraOffset, extra);
    }
    return bytes;
}

TEST_F(PrintSettings, MarginsDefaultToAnInchAndReadBackAsStored) {
    const PrintMargins none = LoadPrintMargins();
    EXPECT_EQ((std::vector<int32_t>{none.left, none.top, none.right, none.bottom}),
              (std::vector<int32_t>{1000, 1000, 1000, 1000}));
    SavePrintMargins({500, 750, 1250, -1});
    PutStoredValue(SettingsKey::Program, u"PrintLeft", {kStoredDword, {1, 2}});  // unusable: an inch
    const PrintMargins read = LoadPrintMargins();
    EXPECT_EQ((std::vector<int32_t>{read.left, read.top, read.right, read.bottom}),
              (std::vector<int32_t>{1000, 750, 1250, -1}));
    EXPECT_EQ(FindStoredValue(SettingsKey::Program, u"PrintTop")->type, kStoredDword);
}

TEST_F(PrintSettings, MarginsAreStoredAsFittedToThePaper) {
    constexpr PrintableArea kPage{300, 300, 2400, 3300};
    struct Case {
        PrintMargins accepted;
        PrintMargins stored;
    } const cases[] = {
        {{1500, 2000, 500, 0}, {1500, 2000, 500, 0}},
        {{12345, 12345, 12345, 12345}, {1000, 1000, 1000, 1000}},
        {{0x7FFFFFFF, 250, -1, 0x7FFFFFFF}, {1000, 250, 0, 1000}},
    };
    for (const Case& c : cases) {
        ClearStoredValues();
        const PrintMargins returned = SaveUsableMargins(kPage, c.accepted);
        const PrintMargins read = LoadPrintMargins();
        const std::vector<int32_t> expected{c.stored.left, c.stored.top, c.stored.right, c.stored.bottom};
        EXPECT_EQ((std::vector<int32_t>{returned.left, returned.top, returned.right, returned.bottom}), expected);
        EXPECT_EQ((std::vector<int32_t>{read.left, read.top, read.right, read.bottom}), expected);
    }
}

TEST_F(PrintSettings, StoredPrinterSetupIsUsedOnlyWhenItCanBeOne) {
    const std::u16string name = u"VaridelPDF";
    const std::u16string fullName(kSetupNameUnits - 1, u'P');
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        bool usable;
    } const cases[] = {
        {"whole", SetupBytes(228, name, 220, 8), true},
        {"longer than its sizes", SetupBytes(400, name, 220, 8), true},
        {"just its header", SetupBytes(kSetupHeaderSize, name, kSetupHeaderSize, 0), true},
        {"name filling its field", SetupBytes(228, fullName, 220, 8), true},
        {"shorter than its sizes", SetupBytes(227, name, 220, 8), false},
        {"driver data beyond the bytes", SetupBytes(228, name, 220, 0xFFFF), false},
        {"shorter than the header", SetupBytes(kSetupHeaderSize - 1, name, 0, 0), false},
        {"its size below the header", SetupBytes(228, name, kSetupHeaderSize - 1, 0), false},
        {"name without an end", SetupBytes(228, fullName + u"P", 220, 8), false},
        {"empty", {}, false},
        {"garbage", std::vector<uint8_t>(228, 0xA5), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsPrinterSetup(c.bytes.data(), c.bytes.size()), c.usable) << c.what;
        ClearStoredValues();
        StorePrinterSetup(c.bytes.data(), c.bytes.size());
        size_t size = 0;
        uint8_t* read = ReadStoredPrinterSetupBytes(&size);
        ASSERT_EQ(read != nullptr, c.usable) << c.what;
        if (read != nullptr) {
            EXPECT_EQ(std::vector<uint8_t>(read, read + size), c.bytes) << c.what;
        }
        free(read);
    }
    ClearStoredValues();
    size_t size = 0;
    EXPECT_EQ(ReadStoredPrinterSetupBytes(&size), nullptr);
}

// A printer on a server, its name longer than a set-up's device name holds.
const std::u16string kLongName = u"\\\\print-server\\Floor 3 colour laser";
const std::u16string kCutName = kLongName.substr(0, kSetupNameUnits - 1);

TEST(PrinterName, IsTheSetUpsPrinterOnlyWhenItCutsToItsDeviceName) {
    ASSERT_GT(kLongName.size(), kSetupNameUnits - 1);
    const std::u16string longest(kMaxPrinterNameUnits, u'P');
    struct Case {
        const char* what;
        std::u16string fullName, setupName;
        bool fits;
    } const cases[] = {
        {"long, cut in the set-up", kLongName, kCutName, true},
        {"short, whole in the set-up", u"VaridelPDF", u"VaridelPDF", true},
        {"as long as the field holds", kCutName, kCutName, true},
        {"the longest taken", longest, longest.substr(0, kSetupNameUnits - 1), true},
        {"longer than that", longest + u"P", longest.substr(0, kSetupNameUnits - 1), false},
        {"another printer", u"Other", u"VaridelPDF", false},
        {"cut elsewhere", kLongName.substr(0, 35), kLongName.substr(0, 30), false},
        {"longer than a short set-up name", u"VaridelPDF2", u"VaridelPDF", false},
        {"shorter than the set-up name", u"Varidel", u"VaridelPDF", false},
        {"empty", u"", u"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsFullPrinterName(c.fullName.c_str(), c.setupName.c_str()), c.fits) << c.what;
    }
    EXPECT_FALSE(IsFullPrinterName(nullptr, u"VaridelPDF"));
}

TEST_F(PrintSettings, StoredPrinterNameComesBackOnlyForItsSetUp) {
    EXPECT_EQ(ReadStoredPrinterName(kCutName.c_str()), nullptr);  // none stored
    StorePrinterName(kLongName.c_str());
    EXPECT_EQ(FindStoredValue(SettingsKey::Program, u"PrinterName")->type, kStoredString);
    char16_t* name = ReadStoredPrinterName(kCutName.c_str());
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(std::u16string(name), kLongName);
    free(name);
    // Stored by a copy of the program that kept another set-up since.
    EXPECT_EQ(ReadStoredPrinterName(u"VaridelPDF"), nullptr);
    std::vector<uint8_t> unended(2 * kLongName.size());
    memcpy(unended.data(), kLongName.data(), unended.size());
    struct Case {
        const char* what;
        StoredValue value;
        bool read;
    } const cases[] = {
        {"without its end", {kStoredString, unended}, true},
        {"not text", {kStoredBinary, {0xFF, 0xFE, 0x41}}, false},
        {"empty", {kStoredString, {}}, false},
    };
    for (const Case& c : cases) {
        PutStoredValue(SettingsKey::Program, u"PrinterName", c.value);
        char16_t* read = ReadStoredPrinterName(kCutName.c_str());
        EXPECT_EQ(read != nullptr, c.read) << c.what;
        if (read != nullptr) {
            EXPECT_EQ(std::u16string(read), kLongName) << c.what;
        }
        free(read);
    }
}

TEST(PrinterNames, BlockNamesTheDeviceAndDamagedOnesNone) {
    for (const std::u16string& device : {kLongName, std::u16string(u"VaridelPDF")}) {
        std::vector<uint8_t> block(PrinterNamesSize(device.c_str()));
        WritePrinterNames(device.c_str(), block.data());
        const char16_t* read = NamesDevice(block.data(), block.size());
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(std::u16string(read), device);
        // The driver and the output name end inside the block too.
        for (size_t word : {0, 2}) {
            const size_t at = 2 * (block[2 * word] | block[2 * word + 1] << 8);
            ASSERT_LT(at + 1, block.size());
            EXPECT_NE(std::find(block.begin() + at, block.end(), 0), block.end());
        }
    }
    std::vector<uint8_t> whole(PrinterNamesSize(u"VaridelPDF"));
    WritePrinterNames(u"VaridelPDF", whole.data());
    const auto withDeviceAt = [&](uint16_t unit) {
        std::vector<uint8_t> bytes = whole;
        bytes[2] = static_cast<uint8_t>(unit);
        bytes[3] = static_cast<uint8_t>(unit >> 8);
        return bytes;
    };
    std::vector<uint8_t> unended = whole;
    unended.resize(unended.size() - 2);
    std::vector<uint8_t> endless(kNamesHeaderSize + 2 * (kMaxPrinterNameUnits + 1), 'P');
    endless[2] = 4;
    endless[3] = 0;
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    } const cases[] = {
        {"shorter than its header", std::vector<uint8_t>(whole.begin(), whole.begin() + kNamesHeaderSize - 1)},
        {"the name inside the header", withDeviceAt(3)},
        {"the name beyond the block", withDeviceAt(0xFFFF)},
        {"the name without an end", unended},
        {"a name too long to be a printer's", endless},
    };
    for (const Case& c : cases) EXPECT_EQ(NamesDevice(c.bytes.data(), c.bytes.size()), nullptr) << c.what;
    EXPECT_EQ(NamesDevice(nullptr, 100), nullptr);
}

TEST(PageSetupFailure, EveryCodeHasItsTextAndOthersAreUnknown) {
    // Spot checks, among them the text with two spaces, kept as the reader
    // has always shown it.
    EXPECT_EQ(std::u16string(PageSetupFailureText(0x0001)), u"Struct Size");
    EXPECT_EQ(std::u16string(PageSetupFailureText(0x1008)), u"No Default Printer");
    EXPECT_EQ(std::u16string(PageSetupFailureText(0x100A)), u"Create Information Context  Failure");
    EXPECT_EQ(std::u16string(PageSetupFailureText(0xFFFF)), u"Dialog Failure");
    const std::u16string unknown = u"Unknown Error";
    // Every code the dialog can report has a text of its own, and no two
    // codes share one.
    std::set<std::u16string> seen;
    std::vector<uint32_t> codes{0xFFFF};
    for (uint32_t code = 0x0001; code <= 0x000C; ++code) codes.push_back(code);
    for (uint32_t code = 0x1001; code <= 0x100C; ++code) codes.push_back(code);
    for (uint32_t code : codes) {
        const std::u16string text = PageSetupFailureText(code);
        EXPECT_NE(text, unknown) << std::hex << code;
        EXPECT_TRUE(seen.insert(text).second) << std::hex << code;
    }
    for (uint32_t code : {0x0000u, 0x000Du, 0x100Du, 0x3001u, 0xFFFFFFFFu})
        EXPECT_EQ(PageSetupFailureText(code), unknown) << std::hex << code;
}

}  // namespace
