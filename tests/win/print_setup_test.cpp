// The stored printer set-up read from the real registry into the global
// block Page Setup is handed: whole, with room for a whole record, or the
// fallback when it is missing or cannot be a printer set-up.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "export/print_setup_win32.h"

namespace {

const wchar_t kKey[] = L"Quorrin\\Varidel-English";

class StoredPrinterSetup : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        GlobalFree(fallback_);
    }
    void Store(const std::vector<uint8_t>& bytes) {
        RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"DevMode", REG_BINARY, bytes.data(),
                        static_cast<DWORD>(bytes.size()));
    }
    HGLOBAL fallback_ = GlobalAlloc(GMEM_MOVEABLE, 16);
};

std::vector<uint8_t> SetupBytes(WORD ownSize, WORD extra, size_t size) {
    DEVMODEW setup{};
    lstrcpyW(setup.dmDeviceName, L"Printer");
    setup.dmSize = ownSize;
    setup.dmDriverExtra = extra;
    std::vector<uint8_t> bytes(size, 0x5A);
    memcpy(bytes.data(), &setup, std::min(size, sizeof setup));
    return bytes;
}

TEST_F(StoredPrinterSetup, WholeSetUpComesInABlockWithRoomForAWholeRecord) {
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"a whole record and driver data", SetupBytes(sizeof(DEVMODEW), 8, sizeof(DEVMODEW) + 8)},
        {"an older, shorter record", SetupBytes(156, 0, 156)},
    };
    for (const auto& c : cases) {
        Store(c.bytes);
        HGLOBAL block = ReadStoredPrinterSetup(fallback_);
        ASSERT_NE(block, fallback_) << c.what;
        ASSERT_GE(GlobalSize(block), std::max(c.bytes.size(), sizeof(DEVMODEW))) << c.what;
        const auto* bytes = static_cast<const uint8_t*>(GlobalLock(block));
        EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + c.bytes.size()), c.bytes) << c.what;
        for (size_t i = c.bytes.size(); i < sizeof(DEVMODEW); ++i) ASSERT_EQ(bytes[i], 0) << c.what << " " << i;
        GlobalUnlock(block);
        GlobalFree(block);
    }
}

TEST_F(StoredPrinterSetup, MissingOrDamagedSetUpGivesTheFallback) {
    EXPECT_EQ(ReadStoredPrinterSetup(fallback_), fallback_);
    EXPECT_EQ(ReadStoredPrinterSetup(nullptr), nullptr);
    for (const std::vector<uint8_t>& damaged : {SetupBytes(sizeof(DEVMODEW), 8, sizeof(DEVMODEW)), SetupBytes(10, 0, 60),
                                                std::vector<uint8_t>(300, 0xFF)}) {
        Store(damaged);
        EXPECT_EQ(ReadStoredPrinterSetup(fallback_), fallback_) << damaged.size();
    }
}

}  // namespace
