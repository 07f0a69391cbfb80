// Printing where there is no printer at all (scripts/print-tests.sh
// --no-printer): the reader is told so, and nothing is stored.
#include "tests/print/print_driver.h"

#include <gtest/gtest.h>
#include <winspool.h>

namespace {

DWORD InstalledPrinters() {
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    if (needed == 0) return 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, buffer.data(), needed, &needed, &count);
    return count;
}

TEST(NoPrinter, PrintSaysThereIsNoDefaultPrinterAndStoresNothing) {
    EndLeftoverApps();
    ClearSettings();
    if (InstalledPrinters() != 0) GTEST_SKIP() << "this machine gives wine a printer of its own";
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    ASSERT_TRUE(PressKey(app, 'P', {VK_CONTROL}));
    // Wine's Page Setup says so first, in a box of its own.
    HWND box = nullptr;
    WaitFor([&] {
        if (HWND wineBox = FindWindowW(L"#32770", L"Error")) PostMessageW(wineBox, WM_COMMAND, IDOK, 0);
        box = FindWindowW(L"#32770", L"Error Printing");
        return box != nullptr && IsWindowVisible(box);
    });
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), L"No Default Printer");
    SaveScreenshot(box, L"no-printer");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    for (const wchar_t* name : {L"PrintTop", L"PrintBottom", L"PrintLeft", L"PrintRight", L"DevMode"}) {
        EXPECT_NE(RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_ANY, nullptr, nullptr, nullptr),
                  ERROR_SUCCESS)
            << name;
    }
    EXPECT_EQ(CloseApp(app), 0u);
}

}  // namespace
