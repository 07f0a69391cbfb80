// The pane's UI Automation element and MSAA object, their methods called in
// this process on a real window with a lesson from Varidel.exe (wine's client
// side cannot call a Text pattern): the document reads what Copy puts on
// the clipboard; ranges expand and move by line, word and paragraph; the
// visible range and the selection follow a scroll; a day change replaces
// the text and raises the events; after the window is gone every call fails
// cleanly.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/automation_api_win32.h"
#include "app/current_day.h"
#include "app/day_navigation_win32.h"
#include "app/main_window_win32.h"
#include "app/pane_accessible_win32.h"
#include "app/pane_automation_win32.h"
#include "app/reading_pane_win32.h"
#include "lessons/clipboard_text.h"
#include "lessons/lesson_platform_win32.h"
#include "tests/win/pane_window_test.h"

namespace {

std::vector<std::string> g_events;

HRESULT WINAPI RecordEvent(IRawElementProviderSimple*, EVENTID event) {
    g_events.push_back(std::to_string(event));
    return S_OK;
}

std::u16string FromBstr(BSTR text) {
    std::u16string result(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
    SysFreeString(text);
    return result;
}

HRESULT WINAPI RecordPropertyChange(IRawElementProviderSimple*, PROPERTYID property, VARIANT before, VARIANT after) {
    std::string text = std::to_string(property);
    for (const VARIANT& value : {before, after}) {
        text += " ";
        if (value.vt == VT_BSTR) {
            for (char16_t unit : std::u16string(reinterpret_cast<const char16_t*>(value.bstrVal))) text += char(unit);
        }
    }
    g_events.push_back(text);
    return S_OK;
}

std::u16string CopiedText(const char* lesson) {
    std::u16string text(ClipboardTextSize(lesson) / 2, u'\0');
    LessonToClipboardText(lesson, &text[0], text.size() * 2);
    return text.c_str();
}

std::u16string Text(ITextRangeProvider* range) {
    BSTR text = nullptr;
    EXPECT_EQ(range->GetText(-1, &text), S_OK);
    return FromBstr(text);
}

// The one range in a range array, which is destroyed.
ITextRangeProvider* OnlyRange(SAFEARRAY* array) {
    LONG index = 0;
    IUnknown* range = nullptr;
    EXPECT_EQ(array->rgsabound[0].cElements, 1u);
    SafeArrayGetElement(array, &index, &range);
    SafeArrayDestroy(array);
    ITextRangeProvider* result = static_cast<ITextRangeProvider*>(range);
    return result;
}

constexpr AbsoluteDay kDay = 739957;  // 7 December 2026: 27 Kislev, 5787

class PaneAutomationTest : public PaneWindowTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(PaneWindowTest::SetUp());
        SetCurrentDay(kDay, false);
        ASSERT_NO_FATAL_FAILURE(OpenWindow(300));
        ASSERT_EQ(OpenReadingPane(window_), 0);
        RefreshWindow(window_, kPaintEraseAndText);
        core_ = UiaCore();
        UiaCore().raiseAutomationEvent = RecordEvent;
        UiaCore().raisePropertyChangedEvent = RecordPropertyChange;
        g_events.clear();
        element_ = PaneAutomationElement(window_);
        ASSERT_NE(element_, nullptr);
        ASSERT_EQ(element_->QueryInterface(__uuidof(ITextProvider), reinterpret_cast<void**>(&text_)), S_OK);
    }
    void TearDown() override {
        if (text_ != nullptr) text_->Release();
        if (element_ != nullptr) element_->Release();
        if (window_ != nullptr) Close();
        DestroyTextView(g_app.pane, true);
        UiaCore() = core_;
        g_app = AppState{};
    }
    void Close() {
        ClosePaneAccessibility(window_);
        CloseReadingPane(window_);
        DestroyWindow(window_);
        window_ = nullptr;
    }
    ITextRangeProvider* Document() {
        ITextRangeProvider* range = nullptr;
        EXPECT_EQ(text_->get_DocumentRange(&range), S_OK);
        return range;
    }
    ITextRangeProvider* Selection() {
        SAFEARRAY* ranges = nullptr;
        EXPECT_EQ(text_->GetSelection(&ranges), S_OK);
        return OnlyRange(ranges);
    }
    // Puts `lesson` in the pane in place of the day's.
    void Show(const std::string& lesson) {
        char* text = static_cast<char*>(malloc(lesson.size() + 2));
        memcpy(text, lesson.data(), lesson.size());
        text[lesson.size()] = text[lesson.size() + 1] = 0;
        ASSERT_EQ(LayoutText(g_app.pane, text, true), kLayoutDone);
    }
    std::u16string Name() {
        VARIANT name{};
        EXPECT_EQ(element_->GetPropertyValue(UIA_NamePropertyId, &name), S_OK);
        return name.vt == VT_BSTR ? FromBstr(name.bstrVal) : u"";
    }

    UiaCoreFunctions core_{};
    IRawElementProviderSimple* element_ = nullptr;
    ITextProvider* text_ = nullptr;
};

TEST_F(PaneAutomationTest, TheDocumentReadsTheLessonAsCopyPutsItOnTheClipboard) {
    EXPECT_EQ(Name(), u"27 Kislev, 5787");
    VARIANT type{};
    ASSERT_EQ(element_->GetPropertyValue(UIA_ControlTypePropertyId, &type), S_OK);
    EXPECT_EQ(type.lVal, kDocumentControlTypeId);

    ITextRangeProvider* document = Document();
    const std::u16string copied = CopiedText(g_app.pane->text);
    ASSERT_GT(copied.size(), 100u);
    EXPECT_EQ(Text(document), copied);
    BSTR start = nullptr;
    ASSERT_EQ(document->GetText(10, &start), S_OK);
    EXPECT_EQ(FromBstr(start), copied.substr(0, 10));
    document->Release();

    IUnknown* pattern = nullptr;
    ASSERT_EQ(element_->GetPatternProvider(UIA_ValuePatternId, &pattern), S_OK);
    auto* value = static_cast<IValueProvider*>(pattern);
    BOOL readOnly = FALSE;
    BSTR whole = nullptr;
    EXPECT_EQ(value->get_IsReadOnly(&readOnly), S_OK);
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(value->get_Value(&whole), S_OK);
    EXPECT_EQ(FromBstr(whole), copied);
    EXPECT_EQ(value->SetValue(L"changed"), kInvalidOperation);
    value->Release();
}

// Short paragraphs, so that each is one line of the pane in any face.
TEST_F(PaneAutomationTest, RangesExpandAndMoveByLineWordAndParagraph) {
    Show(std::string("\xCC\0Title\0", 8) + std::string("\x81\x40\x95 alpha beta\0", 15) +
         std::string("\x47\xAC\0", 3) + std::string("\x01\0last words\0", 13));
    ASSERT_EQ(g_app.pane->lineCount, 4) << "a paragraph wrapped";
    const std::u16string rule = std::u16string(24, u'-') + u"\r\n";
    const struct {
        const char* step;
        TextUnit unit;
        int count;
        int moved;
        std::u16string text;
    } steps[] = {
        {"expand", TextUnit_Line, 0, 0, u"Title\r\n"},
        {"move", TextUnit_Line, 2, 2, u"\x95 alpha beta\r\n"},
        {"expand", TextUnit_Word, 0, 0, u"\x95 "},
        {"move", TextUnit_Word, 2, 2, u"beta\r\n"},
        {"move", TextUnit_Paragraph, 1, 1, rule},
        {"move", TextUnit_Paragraph, 5, 1, u"last words\r\n"},
        {"move", TextUnit_Line, -2, -2, u"\r\n"},
        {"end", TextUnit_Word, 2, 2, u"\r\n" + rule + u"last "},
        {"expand", TextUnit_Document, 0, 0, CopiedText(g_app.pane->text)},
    };
    ITextRangeProvider* range = Document();
    for (const auto& s : steps) {
        int moved = 0;
        const std::string step = s.step;
        const HRESULT result = step == "expand" ? range->ExpandToEnclosingUnit(s.unit)
                               : step == "move" ? range->Move(s.unit, s.count, &moved)
                                                : range->MoveEndpointByUnit(TextPatternRangeEndpoint_End, s.unit,
                                                                            s.count, &moved);
        EXPECT_EQ(result, S_OK) << s.step << " " << s.unit;
        EXPECT_EQ(moved, s.moved) << s.step << " " << s.unit;
        EXPECT_EQ(Text(range), s.text) << s.step << " " << s.unit;
    }
    range->Release();
}

// The pane scrolls by the keys, as the reader scrolls it.
TEST_F(PaneAutomationTest, TheVisibleRangeAndTheSelectionFollowAScroll) {
    ASSERT_GT(g_app.pane->lastTopLine, 3) << "the lesson fits the window";
    RefreshWindow(window_, kPaintEraseAndText);
    EXPECT_TRUE(g_events.empty()) << "a paint that moves nothing is not a move";
    ITextRangeProvider* top = Selection();
    EXPECT_EQ(Text(top), u"");
    ITextRangeProvider* line = Document();
    int moved = 0;
    ASSERT_EQ(line->Move(TextUnit_Line, 3, &moved), S_OK);
    for (int i = 0; i < 3; ++i) MainWindowProc(window_, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(g_events, (std::vector<std::string>(3, std::to_string(kTextSelectionChangedEventId))));

    ITextRangeProvider* selection = Selection();
    SAFEARRAY* ranges = nullptr;
    ASSERT_EQ(text_->GetVisibleRanges(&ranges), S_OK);
    ITextRangeProvider* visible = OnlyRange(ranges);
    int order[3] = {};
    selection->CompareEndpoints(TextPatternRangeEndpoint_Start, line, TextPatternRangeEndpoint_Start, &order[0]);
    visible->CompareEndpoints(TextPatternRangeEndpoint_Start, line, TextPatternRangeEndpoint_Start, &order[1]);
    top->CompareEndpoints(TextPatternRangeEndpoint_Start, selection, TextPatternRangeEndpoint_Start, &order[2]);
    EXPECT_EQ((std::vector<int>(order, order + 3)), (std::vector<int>{0, 0, -1}));
    EXPECT_EQ(Text(selection), u"");

    // The boxes of the lines in view, from the top of the pane's frame down.
    SAFEARRAY* boxes = nullptr;
    ASSERT_EQ(visible->GetBoundingRectangles(&boxes), S_OK);
    const ULONG numbers = boxes->rgsabound[0].cElements;
    ASSERT_GE(numbers, 8u);
    double first[4] = {};
    for (LONG i = 0; i < 4; ++i) SafeArrayGetElement(boxes, &i, &first[i]);
    SafeArrayDestroy(boxes);
    POINT frameTop{g_app.pane->frame.left, g_app.pane->frame.top};
    ClientToScreen(window_, &frameTop);
    EXPECT_GE(first[1], frameTop.y);
    EXPECT_GT(first[3], 0);
    EXPECT_LE(first[1] + first[3], frameTop.y + g_app.pane->frame.height);

    // Selecting a range brings its line to the top.
    g_events.clear();
    ASSERT_EQ(line->Move(TextUnit_Line, -2, &moved), S_OK);
    ASSERT_EQ(line->Select(), S_OK);
    EXPECT_EQ(g_app.pane->topLine, 1);
    EXPECT_EQ(g_events, (std::vector<std::string>{std::to_string(kTextSelectionChangedEventId)}));
    for (ITextRangeProvider* range : {top, line, selection, visible}) range->Release();
}

TEST_F(PaneAutomationTest, ADayChangeReplacesTheTextAndRaisesTheEvents) {
    ITextRangeProvider* before = Document();
    const std::u16string oldText = Text(before);
    MainWindowProc(window_, WM_KEYDOWN, VK_DOWN, 0);
    g_events.clear();
    GoToNeighbourDay(window_, 1);
    const std::string name = std::to_string(UIA_NamePropertyId);
    EXPECT_EQ(g_events, (std::vector<std::string>{name + " 27 Kislev, 5787 28 Kislev, 5787",
                                                  std::to_string(kTextChangedEventId),
                                                  std::to_string(kTextSelectionChangedEventId)}));
    EXPECT_EQ(Name(), u"28 Kislev, 5787");
    ITextRangeProvider* after = Document();
    EXPECT_EQ(Text(after), CopiedText(g_app.pane->text));
    EXPECT_NE(Text(after), oldText);
    ITextRangeProvider* selection = Selection();
    int order = 1;
    selection->CompareEndpoints(TextPatternRangeEndpoint_Start, after, TextPatternRangeEndpoint_Start, &order);
    EXPECT_EQ(order, 0) << "a new day is shown from its top";
    for (ITextRangeProvider* range : {before, after, selection}) range->Release();
}

TEST_F(PaneAutomationTest, AfterTheWindowIsGoneEveryCallFailsCleanly) {
    ITextRangeProvider* range = Document();
    IAccessible* accessible = PaneAccessible(window_);
    ASSERT_NE(accessible, nullptr);
    Close();
    int moved = 0;
    BSTR text = nullptr;
    VARIANT value{};
    SAFEARRAY* ranges = nullptr;
    ITextRangeProvider* other = nullptr;
    const HRESULT results[] = {
        element_->GetPropertyValue(UIA_NamePropertyId, &value),
        text_->GetSelection(&ranges),
        text_->get_DocumentRange(&other),
        range->GetText(-1, &text),
        range->Move(TextUnit_Word, 1, &moved),
        range->ExpandToEnclosingUnit(TextUnit_Line),
        range->Select(),
        range->Clone(&other),
    };
    for (HRESULT result : results) EXPECT_EQ(result, kElementNotAvailable);
    EXPECT_EQ((std::vector<void*>{text, ranges, other}), (std::vector<void*>{nullptr, nullptr, nullptr}));
    VARIANT self{};
    self.vt = VT_I4;
    BSTR name = nullptr;
    EXPECT_EQ(accessible->get_accName(self, &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(name, nullptr);
    range->Release();
    accessible->Release();
}

}  // namespace
