// What a screen reader in another process gets from the running program:
// through MSAA the date caption as the name and the lesson's plain text as
// the value, with an event when Next day changes them; through UI
// Automation a document node named by the caption, holding the keyboard
// focus from the start and again after a dialog. (Wine's client side of the
// Text pattern is stubs: the provider's text is tested in this process's
// neighbour, win_tests.)
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>
#include <oleacc.h>
#include <uiautomationclient.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "calendar/civil_date_win32.h"
#include "calendar/date_caption.h"
#include "lessons/clipboard_text.h"
#include "lessons/lesson_key.h"
#include "lessons/lesson_loader.h"
#include "lessons/lesson_platform_win32.h"
#include "resource_ids.h"
#include "tests/e2e/app_driver.h"

namespace {

constexpr long kDocumentControlType = 50030;

std::u16string FromBstr(BSTR text) {
    std::u16string result(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
    SysFreeString(text);
    return result;
}

std::u16string Caption(AbsoluteDay day) {
    char field[kCaptionFieldSize] = {};
    FormatHebrewDateCaption(HebrewFromAbsolute(day), field);
    return std::u16string(field, field + strlen(field));
}

// The day's lesson as Copy puts it on the clipboard, read from the program's
// own resources.
std::u16string LessonText(AbsoluteDay day) {
    HMODULE program = LoadLibraryExW(g_exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    SetLessonResourceModule(program);
    char* lesson = LoadLessonText(LessonKeyForDate(HebrewFromAbsolute(day)), nullptr);
    std::u16string text;
    if (lesson != nullptr) {
        text.resize(ClipboardTextSize(lesson) / 2);
        LessonToClipboardText(lesson, &text[0], text.size() * 2);
        text.resize(std::char_traits<char16_t>::length(text.c_str()));
        free(lesson);
    }
    SetLessonResourceModule(nullptr);
    FreeLibrary(program);
    return text;
}

VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

std::u16string Name(IAccessible* object) {
    BSTR name = nullptr;
    return SUCCEEDED(object->get_accName(Self(), &name)) && name != nullptr ? FromBstr(name) : u"";
}

std::u16string Description(IAccessible* object) {
    BSTR text = nullptr;
    return SUCCEEDED(object->get_accDescription(Self(), &text)) && text != nullptr ? FromBstr(text) : u"";
}

// The civil date of `day` as this machine's locale writes it long.
std::u16string LongCivilDate(AbsoluteDay day) {
    wchar_t text[80];
    const int length = FormatCivilDate(day, nullptr, text, 80);
    return std::u16string(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(length));
}

std::u16string Value(IAccessible* object) {
    BSTR value = nullptr;
    return SUCCEEDED(object->get_accValue(Self(), &value)) && value != nullptr ? FromBstr(value) : u"";
}

long State(IAccessible* object) {
    VARIANT state{};
    return SUCCEEDED(object->get_accState(Self(), &state)) && state.vt == VT_I4 ? state.lVal : 0;
}

// The events seen for the program's window by the out-of-context hook.
HWND g_watched = nullptr;
std::vector<DWORD> g_events;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (window == g_watched && object == OBJID_CLIENT && child == CHILDID_SELF) g_events.push_back(event);
}

// Waits for `ready`, handing this thread's messages (the hook's events)
// over while it waits.
bool PumpUntil(const std::function<bool()>& ready) {
    return WaitFor([&] {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        return ready();
    });
}

// The UI Automation client functions that wine does implement, from the
// system's library.
struct UiaClient {
    HMODULE module = LoadLibraryW(L"uiautomationcore.dll");
    HRESULT(WINAPI* nodeFromHandle)(HWND, void**) = nullptr;
    HRESULT(WINAPI* getPropertyValue)(void*, PROPERTYID, VARIANT*) = nullptr;
    BOOL(WINAPI* nodeRelease)(void*) = nullptr;

    UiaClient() {
        Find("UiaNodeFromHandle", &nodeFromHandle);
        Find("UiaGetPropertyValue", &getPropertyValue);
        Find("UiaNodeRelease", &nodeRelease);
    }
    template <typename Function>
    void Find(const char* name, Function* function) {
        *function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
    }
    VARIANT Property(void* node, PROPERTYID property) {
        VARIANT value{};
        EXPECT_EQ(getPropertyValue(node, property, &value), S_OK) << property;
        return value;
    }
};

class Accessibility : public testing::Test {
protected:
    void SetUp() override {
        EndLeftoverApps();
        ClearSettings();
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    }
    void TearDown() override {
        EndLeftoverApps();
        CoUninitialize();
    }
};

TEST_F(Accessibility, ThroughMsaaTheCaptionIsTheNameTheLessonTheValueAndNextDayIsHeard) {
    const AbsoluteDay today = Today();
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    IAccessible* pane = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(app.window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&pane)),
              S_OK);
    EXPECT_EQ(Name(pane), Caption(today));
    const std::u16string lesson = LessonText(today);
    ASSERT_GT(lesson.size(), 100u);
    EXPECT_EQ(Value(pane), lesson);
    ASSERT_FALSE(LongCivilDate(today).empty());
    EXPECT_EQ(Description(pane), LongCivilDate(today)) << "the civil date describes the pane";
    VARIANT role{};
    ASSERT_EQ(pane->get_accRole(Self(), &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_DOCUMENT);
    EXPECT_EQ(State(pane) & (STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE),
              STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE);

    g_watched = app.window;
    g_events.clear();
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, OnWinEvent,
                                         app.process.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    SendCommand(app, CMD_NEXT_DAY);
    const auto seen = [](DWORD event) { return std::find(g_events.begin(), g_events.end(), event) != g_events.end(); };
    EXPECT_TRUE(PumpUntil([&] { return seen(EVENT_OBJECT_VALUECHANGE) && seen(EVENT_OBJECT_NAMECHANGE); }));
    UnhookWinEvent(hook);
    EXPECT_EQ(Name(pane), Caption(today + 1));
    EXPECT_EQ(Value(pane), LessonText(today + 1));
    EXPECT_EQ(Description(pane), LongCivilDate(today + 1));
    pane->Release();
    EXPECT_EQ(CloseApp(app), 0u);
}

TEST_F(Accessibility, TheUiaNodeIsADocumentNamedByTheCaptionWithTheFocus) {
    const AbsoluteDay today = Today();
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    UiaClient uia;
    ASSERT_NE(uia.nodeFromHandle, nullptr);
    void* node = nullptr;
    ASSERT_EQ(uia.nodeFromHandle(app.window, &node), S_OK);
    ASSERT_NE(node, nullptr);
    EXPECT_TRUE(WaitFor([&] { return uia.Property(node, UIA_HasKeyboardFocusPropertyId).boolVal == VARIANT_TRUE; }))
        << "the pane takes the focus when the window is activated";
    EXPECT_EQ(uia.Property(node, UIA_ControlTypePropertyId).lVal, kDocumentControlType);
    VARIANT name = uia.Property(node, UIA_NamePropertyId);
    ASSERT_EQ(name.vt, VT_BSTR);
    EXPECT_EQ(FromBstr(name.bstrVal), Caption(today));
    VARIANT help = uia.Property(node, UIA_HelpTextPropertyId);
    ASSERT_EQ(help.vt, VT_BSTR);
    EXPECT_EQ(FromBstr(help.bstrVal), LongCivilDate(today)) << "the civil date as the help text";

    // Back from a dialog, the focus is the pane's again.
    ASSERT_TRUE(PressKey(app, 'F', {VK_CONTROL}));
    HWND dialog = WaitForDialog(app, L"Choose Font");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(uia.Property(node, UIA_HasKeyboardFocusPropertyId).boolVal, VARIANT_FALSE);
    ASSERT_TRUE(PressKeyIn(app, dialog, VK_ESCAPE));
    EXPECT_TRUE(WaitFor([&] { return uia.Property(node, UIA_HasKeyboardFocusPropertyId).boolVal == VARIANT_TRUE; }));

    SendCommand(app, CMD_PREVIOUS_DAY);
    name = uia.Property(node, UIA_NamePropertyId);
    ASSERT_EQ(name.vt, VT_BSTR);
    EXPECT_EQ(FromBstr(name.bstrVal), Caption(today - 1));
    uia.nodeRelease(node);
    EXPECT_EQ(CloseApp(app), 0u);
}

}  // namespace
