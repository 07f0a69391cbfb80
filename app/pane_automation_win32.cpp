// The reading pane's UI Automation element: a thin COM shell over the pane's
// plain text (app/pane_text.h), rebuilt from the pane at every call, with
// the events readers listen for. Its text ranges are in
// app/pane_text_range_win32.h.
#include "app/pane_automation_win32.h"

#include <cmath>
#include <new>
#include <string>

#include "app/app_state.h"
#include "app/automation_api_win32.h"
#include "app/com_object_win32.h"
#include "app/pane_accessible_win32.h"
#include "app/pane_text.h"
#include "app/pane_text_range_win32.h"
#include "app/reading_pane_win32.h"

namespace {

PaneText CurrentText() { return BuildPaneText(g_app.pane); }

std::u16string CaptionText() { return WidenText(g_app.caption, kCaptionFieldSize); }

// A one-element array of a new range over `span`; null when out of memory.
SAFEARRAY* RangeArray(IRawElementProviderSimple* element, const HWND* window, TextSpan span) {
    ITextRangeProvider* range = NewPaneRange(element, window, span);
    SAFEARRAY* array = range != nullptr ? SafeArrayCreateVector(VT_UNKNOWN, 0, 1) : nullptr;
    if (array != nullptr) {
        LONG index = 0;
        SafeArrayPutElement(array, &index, range);
    }
    if (range != nullptr) range->Release();
    return array;
}

class PaneElement final : public ComObject<IRawElementProviderSimple, ITextProvider, IValueProvider> {
public:
    explicit PaneElement(HWND window)
        : window(window), announcedName(CaptionText()), announcedCaret(TopLineCaret(g_app.pane, CurrentText()).start) {}

    HWND window;                   // null once the window is gone
    std::u16string announcedName;  // the name readers were last told of
    int32_t announcedCaret;        // where the selection was last said to be

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** result) override {
        if (result == nullptr) return E_POINTER;
        *result = nullptr;
        if (id == __uuidof(IUnknown) || id == __uuidof(IRawElementProviderSimple)) {
            *result = static_cast<IRawElementProviderSimple*>(this);
        } else if (id == __uuidof(ITextProvider)) {
            *result = static_cast<ITextProvider*>(this);
        } else if (id == __uuidof(IValueProvider)) {
            *result = static_cast<IValueProvider*>(this);
        } else {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }

    // The calls come on the window's thread through COM, as the window's
    // procedure does.
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* result) override {
        if (result == nullptr) return E_INVALIDARG;
        *result = static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
        return window != nullptr ? S_OK : kElementNotAvailable;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID pattern, IUnknown** result) override {
        if (result == nullptr) return E_INVALIDARG;
        *result = nullptr;
        if (window == nullptr) return kElementNotAvailable;
        if (pattern == UIA_TextPatternId) *result = static_cast<ITextProvider*>(this);
        if (pattern == UIA_ValuePatternId) *result = static_cast<IValueProvider*>(this);
        if (*result != nullptr) AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* result) override;
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** result) override {
        if (result == nullptr) return E_INVALIDARG;
        *result = nullptr;
        if (window == nullptr) return kElementNotAvailable;
        auto host = UiaCore().hostProviderFromHwnd;
        return host != nullptr ? host(window, result) : S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetSelection(SAFEARRAY** result) override {
        return Ranges(result, TopLineCaret(g_app.pane, CurrentText()));
    }
    HRESULT STDMETHODCALLTYPE GetVisibleRanges(SAFEARRAY** result) override {
        return Ranges(result, VisibleSpan(g_app.pane, CurrentText()));
    }
    // The document has no elements inside it.
    HRESULT STDMETHODCALLTYPE RangeFromChild(IRawElementProviderSimple*, ITextRangeProvider** result) override {
        if (result != nullptr) *result = nullptr;
        return window != nullptr ? E_INVALIDARG : kElementNotAvailable;
    }
    HRESULT STDMETHODCALLTYPE RangeFromPoint(UiaPoint point, ITextRangeProvider** result) override;
    HRESULT STDMETHODCALLTYPE get_DocumentRange(ITextRangeProvider** result) override {
        if (result == nullptr) return E_INVALIDARG;
        *result = nullptr;
        if (window == nullptr) return kElementNotAvailable;
        const PaneText text = CurrentText();
        *result = NewPaneRange(this, &window, {0, static_cast<int32_t>(text.text.size())});
        return *result != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_SupportedTextSelection(SupportedTextSelection* result) override {
        if (result == nullptr) return E_INVALIDARG;
        *result = SupportedTextSelection_Single;
        return window != nullptr ? S_OK : kElementNotAvailable;
    }

    HRESULT STDMETHODCALLTYPE SetValue(LPCWSTR) override {
        return window != nullptr ? kInvalidOperation : kElementNotAvailable;
    }
    HRESULT STDMETHODCALLTYPE get_Value(BSTR* result) override {
        if (result == nullptr) return E_INVALIDARG;
        *result = nullptr;
        if (window == nullptr) return kElementNotAvailable;
        *result = ToBstr(CurrentText().text);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL* result) override {
        if (result == nullptr) return E_INVALIDARG;
        *result = TRUE;
        return window != nullptr ? S_OK : kElementNotAvailable;
    }

private:
    HRESULT Ranges(SAFEARRAY** result, TextSpan span) {
        if (result == nullptr) return E_INVALIDARG;
        *result = nullptr;
        if (window == nullptr) return kElementNotAvailable;
        *result = RangeArray(this, &window, span);
        return *result != nullptr ? S_OK : E_OUTOFMEMORY;
    }

};

HRESULT PaneElement::GetPropertyValue(PROPERTYID property, VARIANT* result) {
    if (result == nullptr) return E_INVALIDARG;
    VariantInit(result);
    if (window == nullptr) return kElementNotAvailable;
    switch (property) {
    case UIA_ControlTypePropertyId:
        result->vt = VT_I4;
        result->lVal = kDocumentControlTypeId;
        break;
    case UIA_NamePropertyId:
        result->vt = VT_BSTR;
        result->bstrVal = ToBstr(CaptionText());
        break;
    case UIA_HelpTextPropertyId:
        result->vt = VT_BSTR;
        result->bstrVal = ToBstr(ShownCivilDateText());
        break;
    case UIA_AutomationIdPropertyId:
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocString(L"ReadingPane");
        break;
    case UIA_IsKeyboardFocusablePropertyId:
    case UIA_HasKeyboardFocusPropertyId:
        result->vt = VT_BOOL;
        result->boolVal = property == UIA_IsKeyboardFocusablePropertyId || GetFocus() == window ? VARIANT_TRUE
                                                                                               : VARIANT_FALSE;
        break;
    }
    return S_OK;
}

HRESULT PaneElement::RangeFromPoint(UiaPoint point, ITextRangeProvider** result) {
    if (result == nullptr) return E_INVALIDARG;
    *result = nullptr;
    if (window == nullptr) return kElementNotAvailable;
    POINT at{std::lround(point.x), std::lround(point.y)};
    ScreenToClient(window, &at);
    const PaneText text = CurrentText();
    const int32_t start = text.lines[LineAtY(g_app.pane, text, at.y)].start;
    *result = NewPaneRange(this, &window, {start, start});
    return *result != nullptr ? S_OK : E_OUTOFMEMORY;
}

// The main window's element, once a client has asked for it.
PaneElement* g_element = nullptr;

void RaiseEvent(EVENTID event) {
    auto raise = UiaCore().raiseAutomationEvent;
    if (raise != nullptr) raise(g_element, event);
}

void RaiseNameChange(const std::u16string& name) {
    auto raise = UiaCore().raisePropertyChangedEvent;
    if (raise == nullptr) return;
    VARIANT before{};
    VARIANT after{};
    before.vt = VT_BSTR;
    before.bstrVal = ToBstr(g_element->announcedName);
    after.vt = VT_BSTR;
    after.bstrVal = ToBstr(name);
    raise(g_element, UIA_NamePropertyId, before, after);
    VariantClear(&before);
    VariantClear(&after);
}

}  // namespace

IRawElementProviderSimple* PaneAutomationElement(HWND window) {
    if (g_element == nullptr) {
        g_element = new (std::nothrow) PaneElement(window);
        if (g_element != nullptr) SetPaneMovedListener(AnnouncePanePosition);
    }
    if (g_element != nullptr) g_element->AddRef();
    return g_element;
}

LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam) {
    const LONG object = static_cast<LONG>(static_cast<DWORD>(lParam));
    auto answer = UiaCore().returnRawElementProvider;
    if (object == kUiaRootObjectId && answer != nullptr) {
        if (IRawElementProviderSimple* element = PaneAutomationElement(window)) {
            const LRESULT result = answer(window, wParam, lParam, element);
            element->Release();
            return result;
        }
    }
    if (object == OBJID_CLIENT) {
        if (IAccessible* accessible = PaneAccessible(window)) {
            const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, accessible);
            accessible->Release();
            return result;
        }
    }
    return DefWindowProcW(window, WM_GETOBJECT, wParam, lParam);
}

void AnnounceNewDay() {
    HWND window = g_app.mainWindow;
    if (window == nullptr) return;
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
    if (g_element == nullptr || g_element->window == nullptr) return;
    const std::u16string name = CaptionText();
    RaiseNameChange(name);
    g_element->announcedName = name;
    RaiseEvent(kTextChangedEventId);
    g_element->announcedCaret = TopLineCaret(g_app.pane, CurrentText()).start;
    RaiseEvent(kTextSelectionChangedEventId);
}

void AnnouncePanePosition() {
    if (g_element == nullptr || g_element->window == nullptr) return;
    const int32_t caret = TopLineCaret(g_app.pane, CurrentText()).start;
    if (caret == g_element->announcedCaret) return;
    g_element->announcedCaret = caret;
    RaiseEvent(kTextSelectionChangedEventId);
}

void ClosePaneAccessibility(HWND window) {
    UiaCoreFunctions& core = UiaCore();
    // The documented way to tell UI Automation that the window is going.
    if (core.returnRawElementProvider != nullptr) core.returnRawElementProvider(window, 0, 0, nullptr);
    if (g_element != nullptr) {
        SetPaneMovedListener(nullptr);
        g_element->window = nullptr;
        if (core.disconnectProvider != nullptr) core.disconnectProvider(g_element);
        g_element->Release();
        g_element = nullptr;
    }
    ClosePaneAccessible();
}
