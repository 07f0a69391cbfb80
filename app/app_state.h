// AppState: the one global record of the running reader. It is zero-filled
// at start-up; each group of fields is kept by the subsystem that owns it.
// Window-system handles are declared as the opaque pointer types that
// windows.h uses, so this header stays free of windows.h.
#pragma once

#include <cstdint>

#include "calendar/date_caption.h"
#include "calendar/hebrew_calendar.h"
#include "dialogs/search.h"
#include "lessons/lesson_key.h"
#include "view/font_settings.h"
#include "view/palette.h"

struct HINSTANCE__;
struct HFONT__;
struct HWND__;
struct TextView;

// Bits of Flags.
constexpr uint32_t kFlagDayChosen = 0x00000004;       // the reader chose the day shown
constexpr uint32_t kFlagMatchCase = 0x00000020;       // search matches case
constexpr uint32_t kFlagScrollBar = 0x00000040;       // vertical scroll bar on the right
constexpr uint32_t kFlagScrollBarLeft = 0x00000080;   // vertical scroll bar on the left
// Bits 20-22 and 24-31 shape paging: view/pane.h.
constexpr uint32_t kDefaultFlags = 0xD1140040;

struct Rect32 {
    int32_t left, top, width, height;
};

struct AppState {
    HINSTANCE__* instance;
    FontSettings font;
    uint16_t LastPosition;             // top line of the pane to restore at start
    uint32_t Flags;
    LessonKey Lesson;                  // key of the lesson shown
    AbsoluteDay Day;                   // day shown; 0 = not yet chosen
    HebrewDate hebrewDate;             // Hebrew date of Day
    HFONT__* captionFont;
    char caption[kCaptionFieldSize];   // date caption of Day, zero-terminated
    Rect32 captionStrip;
    int32_t captionLength;             // characters in caption; 0 = none
    char SearchString[kSearchStringSize];
    LessonKey shownLesson;             // key of the text the pane shows: Lesson, or after a
                                       // search another day's entry
    TextView* pane;                    // the reading pane; null until it exists
    int32_t SurroundingGutter;         // pixels kept free around the text, at 96 pixels per inch
    int32_t dpi;                       // the main window's pixels per inch; 0 = not known, as 96
    HWND__* toolbar;
    HWND__* mainWindow;
    Theme theme;                       // the reader's choice of colours (stored as Theme)
    bool fontSizeReset;                // the reader went back to the default size: FontSize
                                       // is written as 0
};

extern AppState g_app;
