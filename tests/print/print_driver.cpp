// Helpers of the printing tests.
#include "tests/print/print_driver.h"

#include <cctype>
#include <fstream>
#include <sstream>

#include "lessons/clipboard_text.h"
#include "lessons/lesson_loader.h"
#include "lessons/lesson_platform_win32.h"

namespace {

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::string ReadFile(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The queue's file in the output folder, where every job lands.
std::wstring QueueFile() { return g_shotDir + L"\\job.pdf"; }

// A job goes through the spooler, the daemon and the PDF converter, and a
// host tool starts through wine: slower than a window shown.
constexpr DWORD kHostLimitMs = 60000;

// A finished PDF ends with its end-of-file marker, before any trailer the
// printer language adds.
bool IsWholePdf(const std::string& bytes) {
    const size_t tail = bytes.size() > 512 ? bytes.size() - 512 : 0;
    return bytes.find("%PDF") != std::string::npos && bytes.find("%%EOF", tail) != std::string::npos;
}

std::string Utf8(const std::u16string& text) {
    const auto* wide = reinterpret_cast<const wchar_t*>(text.c_str());
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, wide, -1, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

// Every lesson the program carries, read from its own resources.
const std::vector<BookLesson>& Book() {
    static std::vector<BookLesson> book;
    if (!book.empty()) return book;
    HMODULE exe = LoadLibraryExW(g_exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    SetLessonResourceModule(exe);
    for (int month = 1; month <= kCommonYearAdar; ++month) {
        for (int day = 1; day <= 30; ++day) {
            char* text = LoadLessonText(MakeLessonKey(month, day), nullptr);
            if (text == nullptr) continue;
            std::u16string clipboard(ClipboardTextSize(text) / 2, u'\0');
            if (LessonToClipboardText(text, clipboard.data(), clipboard.size() * 2) == 0) {
                clipboard.resize(clipboard.find(u'\0'));
                book.push_back({MakeLessonKey(month, day), Utf8(clipboard)});
            }
            free(text);
        }
    }
    return book;
}

}  // namespace

HWND OpenPageSetup(RunningApp& app) {
    if (!PressKey(app, 'P', {VK_CONTROL})) return nullptr;
    HWND dialog = nullptr;
    WaitFor([&] {
        dialog = FindWindowW(L"#32770", L"Setup Page");
        return dialog != nullptr && IsWindowVisible(dialog);
    });
    return dialog;
}

std::wstring DialogText(HWND dialog, int id) {
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

void ClosePageSetup(RunningApp& app, HWND dialog, int button) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    WaitFor([&] { return !IsWindow(dialog); });
    WaitUntilIdle(app);
}

std::wstring MessageText(HWND box) {
    // The text of a message box is its static control 0xFFFF.
    return DialogText(box, 0xFFFF);
}

std::string OutputPath(const std::string& name) {
    std::string path(g_shotDir.begin(), g_shotDir.end());
    if (path.rfind("Z:", 0) == 0) path.erase(0, 2);
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path + "/" + name;
}

std::string TakePrintedPdf(const std::string& name) {
    if (!WaitFor([] { return IsWholePdf(ReadFile(QueueFile())); }, kHostLimitMs)) return "";
    const std::wstring target = g_shotDir + L"\\" + Widen(name) + L".pdf";
    if (!MoveFileExW(QueueFile().c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) return "";
    return OutputPath(name + ".pdf");
}

void ForgetPrintedPdf() { DeleteFileW(QueueFile().c_str()); }

std::string RunHostCommand(const std::string& command) {
    // Wine starts a host program from a Windows process but gives no handle
    // to wait on: the command writes into a file that is renamed when it is
    // complete.
    static int runs = 0;
    const std::string output = OutputPath("host-command-" + std::to_string(++runs));
    const std::wstring outputFile = Widen(output);
    DeleteFileW(outputFile.c_str());
    std::wstring line = Widen("/bin/sh -c \"" + command + " >'" + output + ".part' 2>&1; mv '" + output + ".part' '" +
                              output + "'\"");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return "";
    }
    if (process.hProcess != nullptr) CloseHandle(process.hProcess);
    if (process.hThread != nullptr) CloseHandle(process.hThread);
    if (!WaitFor([&] { return GetFileAttributesW(outputFile.c_str()) != INVALID_FILE_ATTRIBUTES; }, kHostLimitMs)) {
        return "";
    }
    std::string text = ReadFile(outputFile);
    DeleteFileW(outputFile.c_str());
    return text;
}

int PdfPageCount(const std::string& pdf) {
    const std::string info = RunHostCommand("pdfinfo '" + pdf + "'");
    const size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : atoi(info.c_str() + at + 6);
}

std::string PdfPageText(const std::string& pdf, int page) {
    const std::string number = std::to_string(page);
    return RunHostCommand("pdftotext -layout -f " + number + " -l " + number + " '" + pdf + "' -");
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text + " ") {
        if (isascii(static_cast<unsigned char>(c)) && isalnum(static_cast<unsigned char>(c))) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

bool HasPhrase(const std::string& text, const std::string& phrase) {
    const std::vector<std::string> words = Words(text);
    const std::vector<std::string> wanted = Words(phrase);
    for (size_t start = 0; start + wanted.size() <= words.size(); ++start) {
        if (std::equal(wanted.begin(), wanted.end(), words.begin() + start)) return true;
    }
    return false;
}

BookLesson ShortestLesson() {
    BookLesson shortest{};
    for (const BookLesson& lesson : Book()) {
        if (shortest.key == 0 || lesson.text.size() < shortest.text.size()) shortest = lesson;
    }
    return shortest;
}

BookLesson LongestLesson() {
    BookLesson longest{};
    for (const BookLesson& lesson : Book()) {
        if (lesson.text.size() > longest.text.size()) longest = lesson;
    }
    return longest;
}

AbsoluteDay DayOfLesson(LessonKey key) {
    return DayForLessonKey(key, HebrewFromAbsolute(Today()).year);
}
