// What printing keeps in the settings: the margins with their defaults, the
// stored printer set-up read only when it can be one, and the page set-up's
// failure texts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/settings_store_posix.h"
#include "export/print_settings.h"

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

TEST(PageSetupFailure, EveryCodeHasItsTextAndOthersAreUnknown) {
    const std::pair<uint32_t, std::u16string> texts[] = {
        {0x0001, u"Struct Size"},
        {0x0002, u"Initialization"},
        {0x0003, u"No Template"},
        {0x0004, u"No hInstance"},
        {0x0005, u"Load String Failure"},
        {0x0006, u"Find Resource Failure"},
        {0x0007, u"Load Resource Failure"},
        {0x0008, u"Lock Resource Failure"},
        {0x0009, u"Memory Allocation Failure"},
        {0x000A, u"Memory Lock Failure"},
        {0x000B, u"No Hook"},
        {0x000C, u"RegisterWindowMessage Fail"},
        {0x1001, u"Setup Failure"},
        {0x1002, u"Parse Failure"},
        {0x1003, u"Return Default Failure"},
        {0x1004, u"Load Driver Failure"},
        {0x1005, u"GetDevMode Fail"},
        {0x1006, u"Init Failure"},
        {0x1007, u"No Printer Drivers Were Found"},
        {0x1008, u"No Default Printer"},
        {0x1009, u"DevMode and DevNames Are For Different Printers"},
        {0x100A, u"Create Information Context  Failure"},
        {0x100B, u"Printer Not Found"},
        {0x100C, u"Default Different"},
        {0xFFFF, u"Dialog Failure"},
        {0x000D, u"Unknown Error"},
        {0x100D, u"Unknown Error"},
        {0x3001, u"Unknown Error"},
        {0xFFFFFFFF, u"Unknown Error"},
    };
    for (const auto& [code, text] : texts) EXPECT_EQ(PageSetupFailureText(code), text) << std::hex << code;
}

}  // namespace
