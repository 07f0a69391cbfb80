// Printing for real: Varidel.exe prints through Page Setup to the tests' PDF
// queue (scripts/print-tests.sh), and the PDF is read back with the host's
// tools: the pages, the header, the footer, the page numbers, the lesson's
// words and where the text begins; the margins and printer set-up kept in
// the settings; damaged settings; the pane as it was before.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "export/print_pages.h"
#include "export/print_settings.h"
#include "tests/print/print_driver.h"

namespace {

constexpr DWORD kDefaultFlags = 0xD1140040;
constexpr DWORD kDayChosen = 0x4;
const wchar_t* const kMarginNames[] = {L"PrintTop", L"PrintBottom", L"PrintLeft", L"PrintRight"};

// The stored printer set-up; empty when there is none.
std::vector<uint8_t> StoredSetup() {
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"DevMode", RRF_RT_REG_BINARY, nullptr, nullptr, &size) !=
        ERROR_SUCCESS) {
        return {};
    }
    std::vector<uint8_t> bytes(size);
    RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"DevMode", RRF_RT_REG_BINARY, nullptr, bytes.data(), &size);
    return bytes;
}

// The stored full name of the set-up's printer; empty when there is none.
std::wstring StoredPrinterName() {
    wchar_t name[256] = {};
    DWORD size = sizeof name;
    RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"PrinterName", RRF_RT_REG_SZ, nullptr, name, &size);
    return name;
}

// The printer and orientation of the stored set-up, once it is whole.
std::wstring StoredPrinter() {
    const std::vector<uint8_t> bytes = StoredSetup();
    if (!IsPrinterSetup(bytes.data(), bytes.size())) return L"";
    return reinterpret_cast<const DEVMODEW*>(bytes.data())->dmDeviceName;
}

short StoredOrientation() {
    const std::vector<uint8_t> bytes = StoredSetup();
    if (!IsPrinterSetup(bytes.data(), bytes.size())) return 0;
    return reinterpret_cast<const DEVMODEW*>(bytes.data())->dmOrientation;
}

double MarginInches(HWND dialog, int id) { return wcstod(DialogText(dialog, id).c_str(), nullptr); }

// Checks every page of a printed lesson: the header first, the footer and
// the page's own number last, lines of the lesson between; and the lesson's
// words, in order, over all pages. Returns the number of pages.
int CheckPrintedLesson(const std::string& pdf, const BookLesson& lesson) {
    const int pages = PdfPageCount(pdf);
    const std::vector<std::string> header = Words(kPageHeader);
    std::vector<std::string> printed;
    for (int page = 1; page <= pages; ++page) {
        std::vector<std::string> words = Words(PdfPageText(pdf, page));
        std::vector<std::string> footer = Words(kPageFooter);
        footer.insert(footer.end(), {"Page", std::to_string(page)});
        const size_t bands = header.size() + footer.size();
        if (words.size() <= bands) {
            ADD_FAILURE() << "page " << page << " has no lesson text";
            continue;
        }
        EXPECT_TRUE(std::equal(header.begin(), header.end(), words.begin())) << "page " << page;
        EXPECT_TRUE(std::equal(footer.begin(), footer.end(), words.end() - footer.size())) << "page " << page;
        printed.insert(printed.end(), words.begin() + header.size(), words.end() - footer.size());
    }
    EXPECT_EQ(printed, Words(lesson.text));
    return pages;
}

// Where the leftmost word of page 1 begins, in points from the paper's edge.
double TextLeftEdge(const std::string& pdf) {
    const std::string boxes = RunHostCommand("pdftotext -bbox -f 1 -l 1 '" + pdf + "' -");
    double left = 1e9;
    for (size_t at = boxes.find("xMin=\""); at != std::string::npos; at = boxes.find("xMin=\"", at + 1)) {
        left = std::min(left, atof(boxes.c_str() + at + 6));
    }
    return left;
}

// Where text with left margin `thousandths` begins on the queue's printer,
// in points from the paper's edge, by the printer's own measure.
double ExpectedLeftEdge(int thousandths) {
    HDC dc = CreateDCW(nullptr, L"VaridelPDF", nullptr, nullptr);
    const double dpi = GetDeviceCaps(dc, LOGPIXELSX);
    const double offset = GetDeviceCaps(dc, PHYSICALOFFSETX);
    DeleteDC(dc);
    return (offset + std::floor(dpi * thousandths / 1000)) * 72 / dpi;
}

void SavePagePictures(const std::string& pdf, const std::string& name) {
    RunHostCommand("pdftoppm -r 50 -png '" + pdf + "' '" + OutputPath(name) + "'");
}

std::wstring SpoolFolder() {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    return std::wstring(system) + L"\\spool\\printers";
}

// Puts back the spooler's folder that SpoolerRefusingJobs moved away (also
// after a run that ended while it was away).
void RestoreSpooler() {
    const std::wstring away = SpoolFolder() + L".away";
    if (GetFileAttributesW(away.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    DeleteFileW(SpoolFolder().c_str());
    MoveFileW(away.c_str(), SpoolFolder().c_str());
}

// While it lives, the spooler cannot take a job: its folder is a file.
class SpoolerRefusingJobs {
public:
    SpoolerRefusingJobs() {
        if (!MoveFileW(SpoolFolder().c_str(), (SpoolFolder() + L".away").c_str())) return;
        CloseHandle(CreateFileW(SpoolFolder().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    }
    ~SpoolerRefusingJobs() { RestoreSpooler(); }
    SpoolerRefusingJobs(const SpoolerRefusingJobs&) = delete;
    SpoolerRefusingJobs& operator=(const SpoolerRefusingJobs&) = delete;
};

class Printing : public testing::Test {
protected:
    void SetUp() override {
        EndLeftoverApps();
        RestoreSpooler();
        ClearSettings();
        ForgetPrintedPdf();
        PutSetting(L"Left", 40);
        PutSetting(L"Top", 40);
        PutSetting(L"Width", 640);
        PutSetting(L"Height", 480);
    }
    void TearDown() override { EndLeftoverApps(); }

    static void ShowLesson(const BookLesson& lesson) {
        ASSERT_NE(lesson.key, 0) << "the book has no lessons";
        PutSetting(L"Flags", kDefaultFlags | kDayChosen);
        PutSetting(L"Day", static_cast<DWORD>(DayOfLesson(lesson.key)));
    }
};

TEST_F(Printing, ShortLessonPrintsOnePageWithInchMarginsThatAreThenKept) {
    const BookLesson lesson = ShortestLesson();
    ShowLesson(lesson);
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    HWND dialog = OpenPageSetup(app);
    ASSERT_NE(dialog, nullptr);
    for (int id : {kLeftMarginEdit, kTopMarginEdit, kRightMarginEdit, kBottomMarginEdit}) {
        EXPECT_EQ(MarginInches(dialog, id), 1.0) << id;
    }
    ClosePageSetup(app, dialog, IDOK);
    const std::string pdf = TakePrintedPdf("short-lesson");
    ASSERT_FALSE(pdf.empty());
    SavePagePictures(pdf, "short-lesson");
    EXPECT_EQ(CheckPrintedLesson(pdf, lesson), 1);
    EXPECT_NEAR(TextLeftEdge(pdf), ExpectedLeftEdge(1000), 1.0);
    for (const wchar_t* name : kMarginNames) EXPECT_EQ(StoredOr(name, 0), 1000u) << name;
    EXPECT_EQ(StoredPrinter(), L"VaridelPDF");
    // Beside it the name the dialog returned with it.
    EXPECT_EQ(StoredPrinterName(), L"VaridelPDF");
    EXPECT_EQ(CloseApp(app), 0u);
}

TEST_F(Printing, ChangedMarginsAreOfferedAgainAfterThePrintAndAfterARestart) {
    ShowLesson(ShortestLesson());
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    HWND dialog = OpenPageSetup(app);
    ASSERT_NE(dialog, nullptr);
    SetDlgItemTextW(dialog, kLeftMarginEdit, L"2");
    SetDlgItemTextW(dialog, kTopMarginEdit, L"1.5");
    ClosePageSetup(app, dialog, IDOK);
    const std::string pdf = TakePrintedPdf("wide-margins");
    ASSERT_FALSE(pdf.empty());
    SavePagePictures(pdf, "wide-margins");
    EXPECT_NEAR(TextLeftEdge(pdf), ExpectedLeftEdge(2000), 1.0);
    EXPECT_EQ(StoredOr(L"PrintLeft", 0), 2000u);
    EXPECT_EQ(StoredOr(L"PrintTop", 0), 1500u);
    EXPECT_EQ(StoredOr(L"PrintRight", 0), 1000u);
    for (const char* when : {"after the print", "after a restart"}) {
        if (std::string(when) == "after a restart") {
            EXPECT_EQ(CloseApp(app), 0u);
            app = StartApp();
            ASSERT_NE(app.window, nullptr);
        }
        dialog = OpenPageSetup(app);
        ASSERT_NE(dialog, nullptr) << when;
        EXPECT_EQ(MarginInches(dialog, kLeftMarginEdit), 2.0) << when;
        EXPECT_EQ(MarginInches(dialog, kTopMarginEdit), 1.5) << when;
        EXPECT_EQ(MarginInches(dialog, kRightMarginEdit), 1.0) << when;
        ClosePageSetup(app, dialog, IDCANCEL);
    }
    EXPECT_EQ(StoredOr(L"PrintLeft", 0), 2000u);
    EXPECT_EQ(CloseApp(app), 0u);
}

TEST_F(Printing, RefusedStartKeepsTheOldMarginsButTheNewPrinterSetUp) {
    PutSetting(L"PrintLeft", 1500);
    ShowLesson(ShortestLesson());
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    {
        const SpoolerRefusingJobs refusing;
        HWND dialog = OpenPageSetup(app);
        ASSERT_NE(dialog, nullptr);
        SetDlgItemTextW(dialog, kTopMarginEdit, L"2");
        SendMessageW(GetDlgItem(dialog, kLandscapeButton), BM_CLICK, 0, 0);
        ClosePageSetup(app, dialog, IDOK);
    }
    // Refused without a word, and nothing printed.
    EXPECT_EQ(FindWindowW(L"#32770", L"Error"), nullptr);
    EXPECT_EQ(FindWindowW(L"#32770", L"Error Printing"), nullptr);
    EXPECT_EQ(GetFileAttributesW((g_shotDir + L"\\job.pdf").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(StoredOr(L"PrintLeft", 0), 1500u);
    for (const wchar_t* name : {L"PrintTop", L"PrintBottom", L"PrintRight"}) {
        EXPECT_EQ(StoredOr(name, 0), 0u) << name;
    }
    EXPECT_EQ(StoredPrinter(), L"VaridelPDF");
    EXPECT_EQ(StoredOrientation(), DMORIENT_LANDSCAPE);

    // The next print offers the old margins. (Wine's Page Setup, given no
    // printer names, shows the default printer's set-up whatever set-up it is
    // handed, so the stored one is checked in the settings above.)
    HWND dialog = OpenPageSetup(app);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(MarginInches(dialog, kLeftMarginEdit), 1.5);
    EXPECT_EQ(MarginInches(dialog, kTopMarginEdit), 1.0);
    ClosePageSetup(app, dialog, IDCANCEL);
    EXPECT_EQ(CloseApp(app), 0u);
}

TEST_F(Printing, DamagedStoredPrinterSetUpStillOffersTheDefaultPrinter) {
    DEVMODEW whole{};
    lstrcpyW(whole.dmDeviceName, L"VaridelPDF");
    whole.dmSize = sizeof whole;
    const auto bytes = [](const DEVMODEW& setup) {
        const auto* first = reinterpret_cast<const uint8_t*>(&setup);
        return std::vector<uint8_t>(first, first + sizeof setup);
    };
    DEVMODEW longDriverData = whole;
    longDriverData.dmDriverExtra = 4000;
    DEVMODEW endlessName = whole;
    for (WCHAR& unit : endlessName.dmDeviceName) unit = L'P';
    std::vector<uint8_t> tooShort = bytes(whole);
    tooShort.resize(40);
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"too short", tooShort},
        {"driver data beyond its bytes", bytes(longDriverData)},
        {"a name without an end", bytes(endlessName)},
        {"garbage", std::vector<uint8_t>(300, 0xA5)},
    };
    ShowLesson(ShortestLesson());
    for (const auto& c : cases) {
        PutSettingBytes(L"DevMode", REG_BINARY, c.bytes);
        RunningApp app = StartApp();
        ASSERT_NE(app.window, nullptr) << c.what;
        HWND dialog = OpenPageSetup(app);
        ASSERT_NE(dialog, nullptr) << c.what;
        ClosePageSetup(app, dialog, IDOK);
        EXPECT_FALSE(TakePrintedPdf("damaged-setup").empty()) << c.what;
        EXPECT_EQ(StoredPrinter(), L"VaridelPDF") << c.what;
        EXPECT_EQ(CloseApp(app), 0u) << c.what;
    }
}

TEST_F(Printing, LongLessonInALargerFontPrintsNumberedPagesAndLeavesThePaneAsItWas) {
    const BookLesson lesson = LongestLesson();
    ShowLesson(lesson);
    PutSetting(L"FontSize", 24);
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    // A page down, so that the pane's scroll position shows in its pixels.
    const std::vector<uint32_t> top = TextPixels(app);
    ASSERT_TRUE(PressKey(app, VK_NEXT));
    ASSERT_TRUE(WaitForChange(app, TextPixels, top));
    const ClientPixels before = CaptureClient(app.window);
    SaveScreenshot(app.window, L"before-print");

    HWND dialog = OpenPageSetup(app);
    ASSERT_NE(dialog, nullptr);
    ClosePageSetup(app, dialog, IDOK);
    const std::string pdf = TakePrintedPdf("long-lesson");
    ASSERT_FALSE(pdf.empty());
    SavePagePictures(pdf, "long-lesson");
    EXPECT_GE(CheckPrintedLesson(pdf, lesson), 2);

    EXPECT_TRUE(WaitFor([&] { return CaptureClient(app.window).pixels == before.pixels; }));
    SaveScreenshot(app.window, L"after-print");
    EXPECT_EQ(CloseApp(app), 0u);
}

}  // namespace
