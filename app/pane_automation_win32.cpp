// The reading pane's UI Automation element and its text ranges: thin COM
// shells over the pane's plain text (app/pane_text.h), rebuilt from the pane
// at every call so that a range always reads the lesson shown.
#include "app/pane_automation_win32.h"

#include <cmath>
#include <new>

#include "app/app_state.h"
#include "app/automation_api_win32.h"
#include "app/com_object_win32.h"
#include "app/pane_accessible_win32.h"
#include "app/pane_text.h"
#include "app/reading_pane_win32.h"
#include "view/pane.h"

namespace {

// Identifies this program's own ranges when a client hands one back.
const GUID kPaneRangeId = {0x7a7b866c, 0x74c9, 0x4774, {0xba, 0x11, 0x87, 0x16, 0x0a, 0x53, 0x17, 0x9a}};

PaneText CurrentText() { return BuildPaneText(g_app.pane); }

std::u16string CaptionText() { return WidenText(g_app.caption, kCaptionFieldSize); }

BSTR ToBstr(const std::u16string& text) {
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
}

bool IsUnit(TextUnit unit) { return unit >= TextUnit_Character; }
PaneUnit ToPaneUnit(TextUnit unit) { return static_cast<PaneUnit>(unit); }

// Brings the pane's visual line `top` to the top, as a scroll would.
void ScrollPaneTo(HWND window, int32_t top) {
    if (g_app.pane == nullptr) return;
    ScrollBy(g_app.pane, top - g_app.pane->topLine, kRepaintIfMoved, false);
    UpdateScrollBar(window);
}

class PaneElement;
ITextRangeProvider* NewRange(PaneElement* element, TextSpan span);

// A one-element array of a new range over `span`; null when out of memory.
SAFEARRAY* RangeArray(PaneElement* element, TextSpan span) {
    ITextRangeProvider* range = NewRange(element, span);
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
        *result = NewRange(this, {0, static_cast<int32_t>(text.text.size())});
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
        *result = RangeArray(this, span);
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
    *result = NewRange(this, {start, start});
    return *result != nullptr ? S_OK : E_OUTOFMEMORY;
}

// A range of the pane's text. Its span is kept as offsets and put inside
// the lesson shown whenever it is used.
class PaneRange final : public ComObject<ITextRangeProvider> {
public:
    PaneRange(PaneElement* element, TextSpan span) : element_(element), span_(span) { element_->AddRef(); }
    ~PaneRange() { element_->Release(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** result) override {
        if (result == nullptr) return E_POINTER;
        *result = nullptr;
        if (id != __uuidof(IUnknown) && id != __uuidof(ITextRangeProvider) && id != kPaneRangeId) {
            return E_NOINTERFACE;
        }
        *result = static_cast<ITextRangeProvider*>(this);
        AddRef();
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Clone(ITextRangeProvider** result) override { return Give(result, span_); }
    HRESULT STDMETHODCALLTYPE Compare(ITextRangeProvider* range, BOOL* result) override;
    HRESULT STDMETHODCALLTYPE CompareEndpoints(TextPatternRangeEndpoint endpoint, ITextRangeProvider* target,
                                               TextPatternRangeEndpoint targetEndpoint, int* result) override;
    HRESULT STDMETHODCALLTYPE ExpandToEnclosingUnit(TextUnit unit) override {
        if (!IsUnit(unit)) return E_INVALIDARG;
        if (element_->window == nullptr) return kElementNotAvailable;
        span_ = ExpandToUnit(CurrentText(), span_, ToPaneUnit(unit));
        return S_OK;
    }
    // Only the read-only attribute has a value, the same for all the text.
    HRESULT STDMETHODCALLTYPE FindAttribute(TEXTATTRIBUTEID attribute, VARIANT value, BOOL,
                                            ITextRangeProvider** result) override {
        if (result == nullptr) return E_INVALIDARG;
        *result = nullptr;
        if (element_->window == nullptr) return kElementNotAvailable;
        const bool found = attribute == kIsReadOnlyAttributeId && value.vt == VT_BOOL && value.boolVal == VARIANT_TRUE;
        return found ? Give(result, ClampSpan(CurrentText(), span_)) : S_OK;
    }
    HRESULT STDMETHODCALLTYPE FindText(BSTR needle, BOOL backward, BOOL ignoreCase,
                                       ITextRangeProvider** result) override {
        if (result == nullptr || needle == nullptr) return E_INVALIDARG;
        *result = nullptr;
        if (element_->window == nullptr) return kElementNotAvailable;
        const std::u16string wanted(reinterpret_cast<const char16_t*>(needle), SysStringLen(needle));
        const TextSpan found = FindInSpan(CurrentText(), span_, wanted, backward != FALSE, ignoreCase != FALSE);
        return found.start >= 0 ? Give(result, found) : S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetAttributeValue(TEXTATTRIBUTEID attribute, VARIANT* result) override;
    HRESULT STDMETHODCALLTYPE GetBoundingRectangles(SAFEARRAY** result) override;
    HRESULT STDMETHODCALLTYPE GetEnclosingElement(IRawElementProviderSimple** result) override {
        if (result == nullptr) return E_INVALIDARG;
        *result = nullptr;
        if (element_->window == nullptr) return kElementNotAvailable;
        *result = element_;
        element_->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetText(int maxLength, BSTR* result) override {
        if (result == nullptr || maxLength < -1) return E_INVALIDARG;
        *result = nullptr;
        if (element_->window == nullptr) return kElementNotAvailable;
        const PaneText text = CurrentText();
        const TextSpan span = ClampSpan(text, span_);
        const int32_t length = span.end - span.start;
        *result = ToBstr(text.text.substr(span.start, maxLength < 0 || maxLength > length ? length : maxLength));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Move(TextUnit unit, int count, int* result) override {
        if (result == nullptr || !IsUnit(unit)) return E_INVALIDARG;
        *result = 0;
        if (element_->window == nullptr) return kElementNotAvailable;
        *result = MoveSpan(CurrentText(), &span_, ToPaneUnit(unit), count);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE MoveEndpointByUnit(TextPatternRangeEndpoint endpoint, TextUnit unit, int count,
                                                 int* result) override {
        if (result == nullptr || !IsUnit(unit)) return E_INVALIDARG;
        *result = 0;
        if (element_->window == nullptr) return kElementNotAvailable;
        *result = MoveSpanEnd(CurrentText(), &span_, endpoint == TextPatternRangeEndpoint_End, ToPaneUnit(unit), count);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE MoveEndpointByRange(TextPatternRangeEndpoint endpoint, ITextRangeProvider* target,
                                                  TextPatternRangeEndpoint targetEndpoint) override;
    // The pane has no caret: its selection is the start of the line at its
    // top, so a range is selected by scrolling its line to the top.
    HRESULT STDMETHODCALLTYPE Select() override { return ShowLine(true); }
    HRESULT STDMETHODCALLTYPE AddToSelection() override {
        return element_->window != nullptr ? kInvalidOperation : kElementNotAvailable;
    }
    HRESULT STDMETHODCALLTYPE RemoveFromSelection() override { return AddToSelection(); }
    HRESULT STDMETHODCALLTYPE ScrollIntoView(BOOL alignToTop) override { return ShowLine(alignToTop != FALSE); }
    HRESULT STDMETHODCALLTYPE GetChildren(SAFEARRAY** result) override {
        if (result == nullptr) return E_INVALIDARG;
        *result = nullptr;
        if (element_->window == nullptr) return kElementNotAvailable;
        *result = SafeArrayCreateVector(VT_UNKNOWN, 0, 0);
        return *result != nullptr ? S_OK : E_OUTOFMEMORY;
    }

private:
    HRESULT Give(ITextRangeProvider** result, TextSpan span) {
        if (result == nullptr) return E_INVALIDARG;
        *result = nullptr;
        if (element_->window == nullptr) return kElementNotAvailable;
        *result = NewRange(element_, span);
        return *result != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    // The range's first line at the top of the pane, or its last line as the
    // last one in view.
    HRESULT ShowLine(bool atTop) {
        if (element_->window == nullptr) return kElementNotAvailable;
        const PaneText text = CurrentText();
        const TextSpan span = ClampSpan(text, span_);
        const int32_t line = LineAt(text, atTop || span.end == span.start ? span.start : span.end - 1);
        ScrollPaneTo(element_->window, TopLineShowing(g_app.pane, text, line, atTop));
        return S_OK;
    }
    int32_t Endpoint(TextPatternRangeEndpoint endpoint, const PaneText& text) const {
        const TextSpan span = ClampSpan(text, span_);
        return endpoint == TextPatternRangeEndpoint_End ? span.end : span.start;
    }
    // A range of this element's text, or null.
    PaneRange* Ours(ITextRangeProvider* range) const {
        void* ours = nullptr;
        if (range == nullptr || FAILED(range->QueryInterface(kPaneRangeId, &ours))) return nullptr;
        PaneRange* result = static_cast<PaneRange*>(static_cast<ITextRangeProvider*>(ours));
        result->Release();
        return result->element_ == element_ ? result : nullptr;
    }

    PaneElement* element_;
    TextSpan span_;
};

HRESULT PaneRange::Compare(ITextRangeProvider* range, BOOL* result) {
    if (result == nullptr) return E_INVALIDARG;
    *result = FALSE;
    if (element_->window == nullptr) return kElementNotAvailable;
    const PaneRange* other = Ours(range);
    if (other == nullptr) return S_OK;
    const PaneText text = CurrentText();
    const TextSpan a = ClampSpan(text, span_);
    const TextSpan b = ClampSpan(text, other->span_);
    *result = a.start == b.start && a.end == b.end;
    return S_OK;
}

HRESULT PaneRange::CompareEndpoints(TextPatternRangeEndpoint endpoint, ITextRangeProvider* target,
                                    TextPatternRangeEndpoint targetEndpoint, int* result) {
    if (result == nullptr) return E_INVALIDARG;
    *result = 0;
    if (element_->window == nullptr) return kElementNotAvailable;
    const PaneRange* other = Ours(target);
    if (other == nullptr) return E_INVALIDARG;
    const PaneText text = CurrentText();
    const int32_t difference = Endpoint(endpoint, text) - other->Endpoint(targetEndpoint, text);
    *result = (difference > 0) - (difference < 0);
    return S_OK;
}

HRESULT PaneRange::GetAttributeValue(TEXTATTRIBUTEID attribute, VARIANT* result) {
    if (result == nullptr) return E_INVALIDARG;
    VariantInit(result);
    if (element_->window == nullptr) return kElementNotAvailable;
    if (attribute == kIsReadOnlyAttributeId) {
        result->vt = VT_BOOL;
        result->boolVal = VARIANT_TRUE;
        return S_OK;
    }
    auto notSupported = UiaCore().reservedNotSupportedValue;
    if (notSupported != nullptr && SUCCEEDED(notSupported(&result->punkVal))) result->vt = VT_UNKNOWN;
    return S_OK;
}

// Four numbers a box: left and top on the screen, width and height.
HRESULT PaneRange::GetBoundingRectangles(SAFEARRAY** result) {
    if (result == nullptr) return E_INVALIDARG;
    *result = nullptr;
    if (element_->window == nullptr) return kElementNotAvailable;
    const std::vector<ViewFrame> boxes = LineBoxes(g_app.pane, CurrentText(), span_);
    SAFEARRAY* array = SafeArrayCreateVector(VT_R8, 0, static_cast<ULONG>(4 * boxes.size()));
    if (array == nullptr) return E_OUTOFMEMORY;
    LONG index = 0;
    for (const ViewFrame& box : boxes) {
        POINT corner{box.left, box.top};
        ClientToScreen(element_->window, &corner);
        for (double value : {double(corner.x), double(corner.y), double(box.width), double(box.height)}) {
            SafeArrayPutElement(array, &index, &value);
            ++index;
        }
    }
    *result = array;
    return S_OK;
}

HRESULT PaneRange::MoveEndpointByRange(TextPatternRangeEndpoint endpoint, ITextRangeProvider* target,
                                       TextPatternRangeEndpoint targetEndpoint) {
    if (element_->window == nullptr) return kElementNotAvailable;
    const PaneRange* other = Ours(target);
    if (other == nullptr) return E_INVALIDARG;
    const PaneText text = CurrentText();
    const int32_t offset = other->Endpoint(targetEndpoint, text);
    TextSpan span = ClampSpan(text, span_);
    if (endpoint == TextPatternRangeEndpoint_End) {
        span = {span.start < offset ? span.start : offset, offset};
    } else {
        span = {offset, span.end > offset ? span.end : offset};
    }
    span_ = span;
    return S_OK;
}

ITextRangeProvider* NewRange(PaneElement* element, TextSpan span) {
    return new (std::nothrow) PaneRange(element, span);
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

template <typename Function>
void Load(HMODULE module, const char* name, Function* function) {
    // Through the one function type that stands for every other.
    *function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

UiaCoreFunctions LoadUiaCore() {
    UiaCoreFunctions core{};
    HMODULE module = LoadLibraryW(L"uiautomationcore.dll");
    if (module == nullptr) return core;
    Load(module, "UiaReturnRawElementProvider", &core.returnRawElementProvider);
    Load(module, "UiaHostProviderFromHwnd", &core.hostProviderFromHwnd);
    Load(module, "UiaRaiseAutomationEvent", &core.raiseAutomationEvent);
    Load(module, "UiaRaiseAutomationPropertyChangedEvent", &core.raisePropertyChangedEvent);
    Load(module, "UiaDisconnectProvider", &core.disconnectProvider);
    Load(module, "UiaGetReservedNotSupportedValue", &core.reservedNotSupportedValue);
    return core;
}

}  // namespace

UiaCoreFunctions& UiaCore() {
    static UiaCoreFunctions core = LoadUiaCore();
    return core;
}

IRawElementProviderSimple* PaneAutomationElement(HWND window) {
    if (g_element == nullptr) g_element = new (std::nothrow) PaneElement(window);
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
        g_element->window = nullptr;
        if (core.disconnectProvider != nullptr) core.disconnectProvider(g_element);
        g_element->Release();
        g_element = nullptr;
    }
    ClosePaneAccessible();
}
