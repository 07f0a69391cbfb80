// The stored printer set-up read from the real registry into the global
// block Page Setup is handed: whole, with room for a whole record, or the
// fallback when it is missing or cannot be a printer set-up. Then what goes
// to and comes from Page Setup and the printer's device context, with both
// replaced: the printer's full name beside its set-up, a refused set-up
// given up for the defaults, and no job once the pane is gone.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "export/print_job_win32.h"
#include "export/print_settings.h"
#include "export/print_setup_win32.h"
#include "view/gdi_surface_win32.h"
#include "view/text_view.h"

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

// A printer on a server, its name longer than a set-up's device name holds,
// and that name as its set-up holds it.
const std::wstring kLongName = L"\\\\print-server\\Floor 3 colour laser";
const std::wstring kCutName = kLongName.substr(0, CCHDEVICENAME - 1);

// What the dialog was handed.
struct Handed {
    std::wstring setupName;  // the set-up's device name; empty: no set-up
    std::wstring names;      // the names' device; empty: no names
};

// How the dialog answers: a failure code, or (0) a cancel when no printer
// was chosen; else the set-up of `printer` with the names of `names` (none
// when empty).
struct Answer {
    DWORD error;
    std::wstring printer;
    std::wstring names;
};

// The replaced dialog and device context: the answers to give, in turn, and
// what came to them.
struct FakePrinting {
    std::vector<Answer> answers;
    std::function<void()> during;  // runs inside the dialog
    std::vector<Handed> handed;
    std::vector<std::wstring> devices;  // the device names of the DCs asked for
};
FakePrinting g_fake;

HGLOBAL SetupBlock(const std::wstring& printer) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEW));
    auto* setup = static_cast<DEVMODEW*>(GlobalLock(block));
    lstrcpynW(setup->dmDeviceName, printer.c_str(), CCHDEVICENAME);
    setup->dmSize = sizeof(DEVMODEW);
    GlobalUnlock(block);
    return block;
}

// Names as the system's dialog returns them: the driver, the device, the port.
HGLOBAL NamesBlock(const std::wstring& device) {
    const std::wstring driver = L"winspool";
    const std::wstring port = L"FILE:";
    const size_t units = 4 + driver.size() + 1 + device.size() + 1 + port.size() + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, units * sizeof(wchar_t));
    auto* names = static_cast<DEVNAMES*>(GlobalLock(block));
    auto* text = reinterpret_cast<wchar_t*>(names);
    names->wDriverOffset = 4;
    names->wDeviceOffset = static_cast<WORD>(names->wDriverOffset + driver.size() + 1);
    names->wOutputOffset = static_cast<WORD>(names->wDeviceOffset + device.size() + 1);
    lstrcpyW(text + names->wDriverOffset, driver.c_str());
    lstrcpyW(text + names->wDeviceOffset, device.c_str());
    lstrcpyW(text + names->wOutputOffset, port.c_str());
    GlobalUnlock(block);
    return block;
}

bool FakePageSetup(PAGESETUPDLGW* setup, DWORD* error) {
    Handed seen;
    if (setup->hDevMode != nullptr) {
        seen.setupName = static_cast<DEVMODEW*>(GlobalLock(setup->hDevMode))->dmDeviceName;
        GlobalUnlock(setup->hDevMode);
    }
    if (setup->hDevNames != nullptr) {
        auto* names = static_cast<DEVNAMES*>(GlobalLock(setup->hDevNames));
        seen.names = reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset;
        GlobalUnlock(setup->hDevNames);
    }
    g_fake.handed.push_back(seen);
    if (g_fake.during) g_fake.during();
    const size_t turn = g_fake.handed.size() - 1;
    const Answer answer = turn < g_fake.answers.size() ? g_fake.answers[turn] : Answer{};
    if (answer.printer.empty()) {
        *error = answer.error;
        return false;
    }
    // As the system's dialog may, it lets go of what it was handed and
    // returns blocks of its own.
    if (setup->hDevMode != nullptr) GlobalFree(setup->hDevMode);
    if (setup->hDevNames != nullptr) GlobalFree(setup->hDevNames);
    setup->hDevMode = SetupBlock(answer.printer);
    setup->hDevNames = answer.names.empty() ? nullptr : NamesBlock(answer.names);
    return true;
}

// A device context on which no document starts: the job then ends quietly
// after the DC was made.
HDC FakePrinterDc(const wchar_t* device, const DEVMODEW*) {
    g_fake.devices.push_back(device);
    return CreateCompatibleDC(nullptr);
}

// Answers every message box of printing, keeping their texts.
class MessageBoxes {
public:
    MessageBoxes()
        : thread_([this] {
              while (!stop_) {
                  for (const wchar_t* caption : {L"Error Printing", L"Error"}) {
                      HWND box = FindWindowW(L"#32770", caption);
                      if (box == nullptr || !IsWindowVisible(box)) continue;
                      wchar_t text[128] = {};
                      GetDlgItemTextW(box, 0xFFFF, text, 128);
                      {
                          const std::lock_guard<std::mutex> lock(mutex_);
                          texts_.push_back(text);
                      }
                      PostMessageW(box, WM_COMMAND, IDOK, 0);
                      while (IsWindow(box)) Sleep(1);
                  }
                  Sleep(10);
              }
          }) {}
    ~MessageBoxes() {
        stop_ = true;
        thread_.join();
    }
    MessageBoxes(const MessageBoxes&) = delete;
    MessageBoxes& operator=(const MessageBoxes&) = delete;
    // Those shown so far; a box that has been answered is in.
    std::vector<std::wstring> Texts() {
        const std::lock_guard<std::mutex> lock(mutex_);
        return texts_;
    }

private:
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::wstring> texts_;
    std::thread thread_;
};

class PageSetupCalls : public testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        g_fake = FakePrinting{};
        SetPageSetupCall(FakePageSetup);
        SetPrinterDcCall(FakePrinterDc);
    }
    void TearDown() override {
        SetPageSetupCall(nullptr);
        SetPrinterDcCall(nullptr);
        g_fake = FakePrinting{};
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    }
    // A fresh store holding the set-up of `printer` and, unless empty, the
    // full name `name`; the fake starts over with `answers`.
    static void Start(const std::wstring& printer, const std::wstring& name, std::vector<Answer> answers) {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        DEVMODEW setup{};
        lstrcpynW(setup.dmDeviceName, printer.c_str(), CCHDEVICENAME);
        setup.dmSize = sizeof setup;
        RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"DevMode", REG_BINARY, &setup, sizeof setup);
        if (!name.empty()) StoreName(REG_SZ, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
        g_fake = FakePrinting{};
        g_fake.answers = std::move(answers);
    }
    static void StoreName(DWORD type, const void* data, size_t size) {
        RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"PrinterName", type, data, static_cast<DWORD>(size));
    }
    static std::wstring StoredName() {
        wchar_t name[256] = {};
        DWORD size = sizeof name;
        RegGetValueW(HKEY_CURRENT_USER, kKey, L"PrinterName", RRF_RT_REG_SZ, nullptr, name, &size);
        return name;
    }
    static std::wstring StoredSetupName() {
        DEVMODEW setup{};
        DWORD size = sizeof setup;
        RegGetValueW(HKEY_CURRENT_USER, kKey, L"DevMode", RRF_RT_REG_BINARY, nullptr, &setup, &size);
        return setup.dmDeviceName;
    }
    static HDC Open() {
        TextView* const pane = reinterpret_cast<TextView*>(&g_fake);  // there, never read
        PrintMargins margins{};
        return OpenPrintJob(nullptr, L"Varidel", &pane, &margins);
    }

    MessageBoxes boxes_;
};

TEST_F(PageSetupCalls, PrinterIsReachedByItsFullNameWhichIsStoredAndHandedBackNextTime) {
    const struct {
        const char* what;
        Answer accepted;
        std::wstring name;  // for the device context and in the settings
    } cases[] = {
        {"a long name", {0, kLongName, kLongName}, kLongName},
        {"a short name", {0, L"VaridelPDF", L"VaridelPDF"}, L"VaridelPDF"},
        {"no names returned", {0, kLongName, L""}, kCutName},
        {"names of another printer", {0, L"VaridelPDF", L"Other printer"}, L"VaridelPDF"},
    };
    for (const auto& c : cases) {
        Start(L"Earlier printer", L"", {c.accepted});
        EXPECT_EQ(Open(), nullptr) << c.what;  // the fake's DC takes no document
        EXPECT_EQ(g_fake.devices, std::vector<std::wstring>{c.name}) << c.what;
        EXPECT_EQ(StoredSetupName(), c.accepted.printer.substr(0, CCHDEVICENAME - 1)) << c.what;
        EXPECT_EQ(StoredName(), c.name) << c.what;
        // The next Page Setup opens on that printer, by its full name.
        g_fake = FakePrinting{};
        EXPECT_EQ(Open(), nullptr) << c.what;
        ASSERT_EQ(g_fake.handed.size(), 1u) << c.what;
        EXPECT_EQ(g_fake.handed[0].setupName, c.accepted.printer.substr(0, CCHDEVICENAME - 1)) << c.what;
        EXPECT_EQ(g_fake.handed[0].names, c.name) << c.what;
    }
    EXPECT_TRUE(boxes_.Texts().empty());
}

TEST_F(PageSetupCalls, StoredNameThatIsNotTheSetUpsPrintersGivesWayToTheSetUpsOwn) {
    const std::wstring unended = kLongName;  // stored without its zero
    const uint8_t garbage[] = {0xFF, 0xFE, 0x41};
    const struct {
        const char* what;
        DWORD type;
        const void* data;
        size_t size;
        std::wstring handed;
    } cases[] = {
        {"without its end", REG_SZ, unended.data(), unended.size() * sizeof(wchar_t), kLongName},
        {"none", REG_NONE, nullptr, 0, kCutName},
        {"another printer's", REG_SZ, L"Other printer", sizeof L"Other printer", kCutName},
        {"empty", REG_SZ, L"", sizeof L"", kCutName},
        {"not text", REG_BINARY, garbage, sizeof garbage, kCutName},
    };
    for (const auto& c : cases) {
        Start(kLongName, L"", {});
        if (c.data != nullptr) StoreName(c.type, c.data, c.size);
        EXPECT_EQ(Open(), nullptr) << c.what;
        ASSERT_EQ(g_fake.handed.size(), 1u) << c.what;
        EXPECT_EQ(g_fake.handed[0].setupName, kCutName) << c.what;
        EXPECT_EQ(g_fake.handed[0].names, c.handed) << c.what;
    }
    EXPECT_TRUE(boxes_.Texts().empty());
}

TEST_F(PageSetupCalls, RefusedSetUpIsDroppedForOneMoreTryOnTheDefaults) {
    const Answer defaults{0, L"Default printer", L"Default printer"};
    const struct {
        const char* what;
        std::vector<Answer> answers;
        size_t tries;
        std::vector<std::wstring> devices;
        std::vector<std::wstring> boxes;
    } cases[] = {
        {"printer gone", {{0x100B, L"", L""}, defaults}, 2, {L"Default printer"}, {}},
        {"set-up and names disagree", {{0x1009, L"", L""}, defaults}, 2, {L"Default printer"}, {}},
        {"printer unreachable", {{0x100A, L"", L""}, defaults}, 2, {L"Default printer"}, {}},
        {"driver gone", {{0x1004, L"", L""}, defaults}, 2, {L"Default printer"}, {}},
        {"cancelled", {{0, L"", L""}, defaults}, 1, {}, {}},
        {"no printer at all", {{0x1008, L"", L""}, defaults}, 1, {}, {L"No Default Printer"}},
        {"out of memory", {{0x0009, L"", L""}, defaults}, 1, {}, {L"Memory Allocation Failure"}},
        {"dialog failed", {{0xFFFF, L"", L""}, defaults}, 1, {}, {L"Dialog Failure"}},
        {"the defaults fail too", {{0x100B, L"", L""}, {0x1008, L"", L""}}, 2, {}, {L"No Default Printer"}},
        {"the defaults cancelled", {{0x100B, L"", L""}, {0, L"", L""}}, 2, {}, {}},
    };
    for (const auto& c : cases) {
        Start(kLongName, kLongName, c.answers);
        const size_t shown = boxes_.Texts().size();
        EXPECT_EQ(Open(), nullptr) << c.what;
        ASSERT_EQ(g_fake.handed.size(), c.tries) << c.what;
        EXPECT_EQ(g_fake.handed[0].names, kLongName) << c.what;
        if (c.tries == 2) {
            EXPECT_EQ(g_fake.handed[1].setupName, L"") << c.what;
            EXPECT_EQ(g_fake.handed[1].names, L"") << c.what;
        }
        EXPECT_EQ(g_fake.devices, c.devices) << c.what;
        EXPECT_EQ(StoredName(), c.devices.empty() ? kLongName : c.devices[0]) << c.what;
        const std::vector<std::wstring> texts = boxes_.Texts();
        EXPECT_EQ(std::vector<std::wstring>(texts.begin() + shown, texts.end()), c.boxes) << c.what;
    }
}

// The program ends when memory runs out while Page Setup is being primed: it
// saves the settings, releases the pane and clears its place. The print then
// goes no further than the dialog.
TEST_F(PageSetupCalls, PrintOpensNoJobOnceThePaneIsGone) {
    HDC memory = CreateCompatibleDC(nullptr);
    DrawingSurface surface = GdiSurface(memory);
    for (const bool released : {false, true}) {
        FontSettings font{};
        TextView* pane = CreateTextView(&surface, nullptr, &font, 0);
        ASSERT_NE(pane, nullptr);
        Start(L"VaridelPDF", L"VaridelPDF", {{0, L"VaridelPDF", L"VaridelPDF"}});
        if (released) {
            g_fake.during = [&pane] {
                TextView* gone = pane;
                pane = nullptr;
                DestroyTextView(gone, true);
            };
        }
        PrintLesson(nullptr, &pane);
        EXPECT_EQ(g_fake.handed.size(), 1u) << released;
        EXPECT_EQ(g_fake.devices.size(), released ? 0u : 1u) << released;
        EXPECT_EQ(pane == nullptr, released);
        DestroyTextView(pane, true);
    }
    DeleteDC(memory);
    EXPECT_TRUE(boxes_.Texts().empty());
}

}  // namespace
