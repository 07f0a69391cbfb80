// A range of the reading pane's text for UI Automation: its span is kept as
// offsets into the pane's plain text (app/pane_text.h) and put inside the
// lesson shown whenever it is used, so a range always reads that lesson.
#include "app/pane_text_range_win32.h"

#include <new>

#include "app/app_state.h"
#include "app/com_object_win32.h"
#include "app/reading_pane_win32.h"
#include "view/pane.h"

namespace {

// Identifies this program's own ranges when a client hands one back.
const GUID kPaneRangeId = {0x7a7b866c, 0x74c9, 0x4774, {0xba, 0x11, 0x87, 0x16, 0x0a, 0x53, 0x17, 0x9a}};

bool IsUnit(TextUnit unit) { return unit >= TextUnit_Character; }
PaneUnit ToPaneUnit(TextUnit unit) { return static_cast<PaneUnit>(unit); }

// Brings the pane's visual line `top` to the top, as a scroll would.
void ScrollPaneTo(HWND window, int32_t top) {
    if (g_app.pane == nullptr) return;
    ScrollBy(g_app.pane, top - g_app.pane->topLine, kRepaintIfMoved, false);
    UpdateScrollBar(window);
}

class PaneRange final : public ComObject<ITextRangeProvider> {
public:
    PaneRange(IRawElementProviderSimple* element, const HWND* window, TextSpan span)
        : element_(element), window_(window), span_(span) {
        element_->AddRef();
    }
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
        if (*window_ == nullptr) return kElementNotAvailable;
        span_ = ExpandToUnit(BuildPaneText(g_app.pane), span_, ToPaneUnit(unit));
        return S_OK;
    }
    // Only the read-only attribute has a value, the same for all the text.
    HRESULT STDMETHODCALLTYPE FindAttribute(TEXTATTRIBUTEID attribute, VARIANT value, BOOL,
                                            ITextRangeProvider** result) override {
        if (result == nullptr) return E_INVALIDARG;
        *result = nullptr;
        if (*window_ == nullptr) return kElementNotAvailable;
        const bool found = attribute == kIsReadOnlyAttributeId && value.vt == VT_BOOL && value.boolVal == VARIANT_TRUE;
        return found ? Give(result, ClampSpan(BuildPaneText(g_app.pane), span_)) : S_OK;
    }
    HRESULT STDMETHODCALLTYPE FindText(BSTR needle, BOOL backward, BOOL ignoreCase,
                                       ITextRangeProvider** result) override {
        if (result == nullptr || needle == nullptr) return E_INVALIDARG;
        *result = nullptr;
        if (*window_ == nullptr) return kElementNotAvailable;
        const std::u16string wanted(reinterpret_cast<const char16_t*>(needle), SysStringLen(needle));
        const TextSpan found = FindInSpan(BuildPaneText(g_app.pane), span_, wanted, backward != FALSE, ignoreCase != FALSE);
        return found.start >= 0 ? Give(result, found) : S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetAttributeValue(TEXTATTRIBUTEID attribute, VARIANT* result) override;
    HRESULT STDMETHODCALLTYPE GetBoundingRectangles(SAFEARRAY** result) override;
    HRESULT STDMETHODCALLTYPE GetEnclosingElement(IRawElementProviderSimple** result) override {
        if (result == nullptr) return E_INVALIDARG;
        *result = nullptr;
        if (*window_ == nullptr) return kElementNotAvailable;
        *result = element_;
        element_->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetText(int maxLength, BSTR* result) override {
        if (result == nullptr || maxLength < -1) return E_INVALIDARG;
        *result = nullptr;
        if (*window_ == nullptr) return kElementNotAvailable;
        const PaneText text = BuildPaneText(g_app.pane);
        const TextSpan span = ClampSpan(text, span_);
        const int32_t length = span.end - span.start;
        *result = ToBstr(text.text.substr(span.start, maxLength < 0 || maxLength > length ? length : maxLength));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Move(TextUnit unit, int count, int* result) override {
        if (result == nullptr || !IsUnit(unit)) return E_INVALIDARG;
        *result = 0;
        if (*window_ == nullptr) return kElementNotAvailable;
        *result = MoveSpan(BuildPaneText(g_app.pane), &span_, ToPaneUnit(unit), count);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE MoveEndpointByUnit(TextPatternRangeEndpoint endpoint, TextUnit unit, int count,
                                                 int* result) override {
        if (result == nullptr || !IsUnit(unit)) return E_INVALIDARG;
        *result = 0;
        if (*window_ == nullptr) return kElementNotAvailable;
        *result = MoveSpanEnd(BuildPaneText(g_app.pane), &span_, endpoint == TextPatternRangeEndpoint_End, ToPaneUnit(unit), count);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE MoveEndpointByRange(TextPatternRangeEndpoint endpoint, ITextRangeProvider* target,
                                                  TextPatternRangeEndpoint targetEndpoint) override;
    // The pane has no caret: its selection is the start of the line at its
    // top, so a range is selected by scrolling its line to the top.
    HRESULT STDMETHODCALLTYPE Select() override { return ShowLine(true); }
    HRESULT STDMETHODCALLTYPE AddToSelection() override {
        return *window_ != nullptr ? kInvalidOperation : kElementNotAvailable;
    }
    HRESULT STDMETHODCALLTYPE RemoveFromSelection() override { return AddToSelection(); }
    HRESULT STDMETHODCALLTYPE ScrollIntoView(BOOL alignToTop) override { return ShowLine(alignToTop != FALSE); }
    HRESULT STDMETHODCALLTYPE GetChildren(SAFEARRAY** result) override {
        if (result == nullptr) return E_INVALIDARG;
        *result = nullptr;
        if (*window_ == nullptr) return kElementNotAvailable;
        *result = SafeArrayCreateVector(VT_UNKNOWN, 0, 0);
        return *result != nullptr ? S_OK : E_OUTOFMEMORY;
    }

private:
    HRESULT Give(ITextRangeProvider** result, TextSpan span) {
        if (result == nullptr) return E_INVALIDARG;
        *result = nullptr;
        if (*window_ == nullptr) return kElementNotAvailable;
        *result = new (std::nothrow) PaneRange(element_, window_, span);
        return *result != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    // The range's first line at the top of the pane, or its last line as the
    // last one in view.
    HRESULT ShowLine(bool atTop) {
        if (*window_ == nullptr) return kElementNotAvailable;
        const PaneText text = BuildPaneText(g_app.pane);
        const TextSpan span = ClampSpan(text, span_);
        const int32_t line = LineAt(text, atTop || span.end == span.start ? span.start : span.end - 1);
        ScrollPaneTo(*window_, TopLineShowing(g_app.pane, text, line, atTop));
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

    IRawElementProviderSimple* element_;  // the document, kept alive by the range
    const HWND* window_;                  // its window; null once the window is gone
    TextSpan span_;
};

HRESULT PaneRange::Compare(ITextRangeProvider* range, BOOL* result) {
    if (result == nullptr) return E_INVALIDARG;
    *result = FALSE;
    if (*window_ == nullptr) return kElementNotAvailable;
    const PaneRange* other = Ours(range);
    if (other == nullptr) return S_OK;
    const PaneText text = BuildPaneText(g_app.pane);
    const TextSpan a = ClampSpan(text, span_);
    const TextSpan b = ClampSpan(text, other->span_);
    *result = a.start == b.start && a.end == b.end;
    return S_OK;
}

HRESULT PaneRange::CompareEndpoints(TextPatternRangeEndpoint endpoint, ITextRangeProvider* target,
                                    TextPatternRangeEndpoint targetEndpoint, int* result) {
    if (result == nullptr) return E_INVALIDARG;
    *result = 0;
    if (*window_ == nullptr) return kElementNotAvailable;
    const PaneRange* other = Ours(target);
    if (other == nullptr) return E_INVALIDARG;
    const PaneText text = BuildPaneText(g_app.pane);
    const int32_t difference = Endpoint(endpoint, text) - other->Endpoint(targetEndpoint, text);
    *result = (difference > 0) - (difference < 0);
    return S_OK;
}

HRESULT PaneRange::GetAttributeValue(TEXTATTRIBUTEID attribute, VARIANT* result) {
    if (result == nullptr) return E_INVALIDARG;
    VariantInit(result);
    if (*window_ == nullptr) return kElementNotAvailable;
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
    if (*window_ == nullptr) return kElementNotAvailable;
    const std::vector<ViewFrame> boxes = LineBoxes(g_app.pane, BuildPaneText(g_app.pane), span_);
    SAFEARRAY* array = SafeArrayCreateVector(VT_R8, 0, static_cast<ULONG>(4 * boxes.size()));
    if (array == nullptr) return E_OUTOFMEMORY;
    LONG index = 0;
    for (const ViewFrame& box : boxes) {
        POINT corner{box.left, box.top};
        ClientToScreen(*window_, &corner);
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
    if (*window_ == nullptr) return kElementNotAvailable;
    const PaneRange* other = Ours(target);
    if (other == nullptr) return E_INVALIDARG;
    const PaneText text = BuildPaneText(g_app.pane);
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

}  // namespace

ITextRangeProvider* NewPaneRange(IRawElementProviderSimple* element, const HWND* window, TextSpan span) {
    return new (std::nothrow) PaneRange(element, window, span);
}
