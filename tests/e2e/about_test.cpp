// The About box as a person meets it (F1 and the menu, the link, Esc and the
// close box) and the addresses handed to the browser: the handler of web
// addresses is a recorder that keeps what it was given. The hand cursor over
// the link is pinned by the Windows-side test: under wine each process has
// its own handles of the system's cursors, so this driver cannot name the
// program's.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "resources/publisher.h"
#include "tests/e2e/app_driver.h"

namespace {

// The handler of web addresses, which the shell starts with the address.
const wchar_t kWebCommandKey[] = L"https\\shell\\open\\command";

std::wstring BesideDriver(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    const std::wstring driver(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return driver.substr(0, driver.find_last_of(L"\\/") + 1) + name;
}

// Makes record_address.exe, beside this driver, the handler of web
// addresses, so that it keeps the address the shell was handed in a file;
// the handler the prefix had comes back afterwards.
class RecordingBrowser {
public:
    RecordingBrowser() : file_(g_shotDir + L"\\received_address.txt") {
        DeleteFileW(file_.c_str());
        DWORD size = 0;
        if (RegGetValueW(HKEY_CLASSES_ROOT, kWebCommandKey, nullptr, RRF_RT_ANY | RRF_NOEXPAND, &type_, nullptr,
                         &size) == ERROR_SUCCESS) {
            old_.resize(size);
            had_ = RegGetValueW(HKEY_CLASSES_ROOT, kWebCommandKey, nullptr, RRF_RT_ANY | RRF_NOEXPAND, &type_,
                                old_.data(), &size) == ERROR_SUCCESS;
        }
        const std::wstring command =
            L"\"" + BesideDriver(L"record_address.exe") + L"\" \"" + file_ + L"\" \"%1\"";
        RegSetKeyValueW(HKEY_CLASSES_ROOT, kWebCommandKey, nullptr, REG_SZ, command.c_str(),
                        static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    }
    ~RecordingBrowser() {
        if (had_) {
            RegSetKeyValueW(HKEY_CLASSES_ROOT, kWebCommandKey, nullptr, type_, old_.data(),
                            static_cast<DWORD>(old_.size()));
        } else {
            RegDeleteKeyValueW(HKEY_CLASSES_ROOT, kWebCommandKey, nullptr);
        }
    }
    RecordingBrowser(const RecordingBrowser&) = delete;
    RecordingBrowser& operator=(const RecordingBrowser&) = delete;

    // The address the browser was given since the last call; empty when none
    // came.
    std::string TakeAddress() {
        std::string address;
        WaitFor([&] {
            std::ifstream in(file_.c_str(), std::ios::binary);
            if (!in) return false;
            std::ostringstream text;
            text << in.rdbuf();
            address = text.str();
            return true;
        });
        DeleteFileW(file_.c_str());
        return address;
    }

private:
    std::wstring file_;
    bool had_ = false;
    DWORD type_ = 0;
    std::vector<uint8_t> old_;
};

class AboutAndUpdates : public testing::Test {
protected:
    void SetUp() override {
        EndLeftoverApps();
        ClearSettings();
    }
    void TearDown() override { EndLeftoverApps(); }
};

POINT CentreOf(HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    return POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

}  // namespace

TEST_F(AboutAndUpdates, TheAboutBoxLinksToThePublisher) {
    RecordingBrowser browser;
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    ASSERT_TRUE(PressKey(app, VK_F1));
    HWND about = WaitForDialog(app, L"Varidel");
    ASSERT_NE(about, nullptr) << "F1 opened no About box";
    EXPECT_TRUE(SaveScreenshot(about, L"about_box"));
    HWND link = GetDlgItem(about, IDC_ABOUT_LINK);
    wchar_t text[100] = {};
    GetWindowTextW(link, text, 100);
    EXPECT_STREQ(text, L"" VARIDEL_PUBLISHER_HOST);

    ASSERT_TRUE(ClickScreen(app, CentreOf(link)));
    EXPECT_EQ(browser.TakeAddress(), VARIDEL_PUBLISHER_ADDRESS);
    EXPECT_TRUE(IsWindowVisible(about)) << "the box closed when its link was followed";
    ASSERT_TRUE(PressKeyIn(app, about, VK_ESCAPE));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); })) << "Esc left the box open";

    SendCommand(app, CMD_ABOUT);
    about = WaitForDialog(app, L"Varidel");
    ASSERT_NE(about, nullptr) << "File > About opened no box";
    PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);  // as the close box
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); })) << "the close box left the box open";
    EXPECT_EQ(CloseApp(app), 0u);
}

TEST_F(AboutAndUpdates, CheckForUpdatesOpensTheUpdatePage) {
    RecordingBrowser browser;
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    SendCommand(app, CMD_CHECK_UPDATES);
    EXPECT_EQ(browser.TakeAddress(),
              "https://www.quorrin.example/cgi-bin/upgrade?p=windows/Quorrin/Varidel%2DEnglish&v=1.84a");
    EXPECT_EQ(CloseApp(app), 0u);
}
