// Helpers of the printing tests: the Page Setup dialog worked from outside,
// the PDF that the tests' print queue writes, read with the host's PDF tools,
// and the book's lessons as the program carries them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "lessons/lesson_key.h"
#include "tests/e2e/app_driver.h"

// Control ids of the system's Page Setup dialog: the margins' edit boxes and
// the orientation's buttons.
constexpr int kLeftMarginEdit = 0x483;
constexpr int kTopMarginEdit = 0x484;
constexpr int kRightMarginEdit = 0x485;
constexpr int kBottomMarginEdit = 0x486;
constexpr int kLandscapeButton = 0x421;

// Presses Ctrl+P and waits for Page Setup to be shown; null when it was not.
HWND OpenPageSetup(RunningApp& app);
std::wstring DialogText(HWND dialog, int id);
// OK or Cancel, then waits until the program has printed (or not).
void ClosePageSetup(RunningApp& app, HWND dialog, int button);

// The text of a message box.
std::wstring MessageText(HWND box);

// The host system's path of a file under the output folder.
std::string OutputPath(const std::string& name);
// Waits for the PDF of the job just printed, moves it to `name`.pdf in the
// output folder and returns its host path; "" when none came.
std::string TakePrintedPdf(const std::string& name);
// Removes what the queue may still hold of an earlier job.
void ForgetPrintedPdf();
// Runs a command line of the host's shell and returns what it wrote.
std::string RunHostCommand(const std::string& command);
int PdfPageCount(const std::string& pdf);
// The text of one page (from 1), laid out as on the page.
std::string PdfPageText(const std::string& pdf, int page);

// The words of a text as runs of ASCII letters and digits: what can be
// compared between a lesson and the text taken back from a PDF, whatever
// characters the PDF's fonts map punctuation to.
std::vector<std::string> Words(const std::string& text);
// Whether `words` appear in `text`, in order, one after another.
bool HasPhrase(const std::string& text, const std::string& phrase);

struct BookLesson {
    LessonKey key;
    std::string text;  // the lesson as the clipboard gets it, UTF-8
};
// The shortest and the longest lesson that Varidel.exe carries.
BookLesson ShortestLesson();
BookLesson LongestLesson();
// A day that shows lesson `key`.
AbsoluteDay DayOfLesson(LessonKey key);
