// The reading pane's MSAA object: the name, value, role and state are the
// pane's; every other call goes to the standard object of the window's
// client.
#include "app/pane_accessible_win32.h"

#include <new>

#include "app/app_state.h"
#include "app/com_object_win32.h"
#include "app/pane_text.h"
#include "app/reading_pane_win32.h"

namespace {

// What a call on the object of a window that is gone gets.
constexpr HRESULT kGone = CO_E_OBJNOTCONNECTED;

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

class PaneObject final : public ComObject<IAccessible> {
public:
    PaneObject(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}

    void Close() {
        window_ = nullptr;
        standard_->Release();
        standard_ = nullptr;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** result) override {
        if (result == nullptr) return E_POINTER;
        *result = nullptr;
        if (id != __uuidof(IUnknown) && id != __uuidof(IDispatch) && id != __uuidof(IAccessible)) {
            return E_NOINTERFACE;
        }
        *result = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }

    // Clients call the object's methods directly, not through IDispatch.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_INVALIDARG;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) return Alive() ? standard_->get_accName(child, name) : kGone;
        return Give(name, WidenText(g_app.caption, kCaptionFieldSize));
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!IsSelf(child)) return Alive() ? standard_->get_accValue(child, value) : kGone;
        return Give(value, BuildPaneText(g_app.pane).text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!Alive()) return kGone;
        if (!IsSelf(child)) return standard_->get_accRole(child, role);
        if (role == nullptr) return E_INVALIDARG;
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_DOCUMENT;
        return S_OK;
    }
    // The standard state (focused, invisible and so on) with what the pane adds.
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!Alive()) return kGone;
        const HRESULT result = standard_->get_accState(child, state);
        if (SUCCEEDED(result) && IsSelf(child) && state->vt == VT_I4) {
            state->lVal |= STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE;
        }
        return result;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return Alive() ? standard_->get_accParent(parent) : kGone;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return Alive() ? standard_->get_accChildCount(count) : kGone;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** result) override {
        return Alive() ? standard_->get_accChild(child, result) : kGone;
    }
    // The civil date of the day shown describes the pane.
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        if (!IsSelf(child)) return Alive() ? standard_->get_accDescription(child, text) : kGone;
        return Give(text, ShownCivilDateText());
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return Alive() ? standard_->get_accHelp(child, text) : kGone;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return Alive() ? standard_->get_accHelpTopic(file, child, topic) : kGone;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return Alive() ? standard_->get_accKeyboardShortcut(child, text) : kGone;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* result) override {
        return Alive() ? standard_->get_accFocus(result) : kGone;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* result) override {
        return Alive() ? standard_->get_accSelection(result) : kGone;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override {
        return Alive() ? standard_->get_accDefaultAction(child, text) : kGone;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return Alive() ? standard_->accSelect(flags, child) : kGone;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        return Alive() ? standard_->accLocation(left, top, width, height, child) : kGone;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* result) override {
        return Alive() ? standard_->accNavigate(direction, start, result) : kGone;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* result) override {
        return Alive() ? standard_->accHitTest(x, y, result) : kGone;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return Alive() ? standard_->accDoDefaultAction(child) : kGone;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return Alive() ? standard_->put_accName(child, name) : kGone;
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return Alive() ? E_ACCESSDENIED : kGone; }

private:
    bool Alive() const { return window_ != nullptr; }

    HRESULT Give(BSTR* result, const std::u16string& text) {
        if (result == nullptr) return E_INVALIDARG;
        *result = nullptr;
        if (!Alive()) return kGone;
        *result = ToBstr(text);
        return S_OK;
    }

    HWND window_;            // null once the window is gone
    IAccessible* standard_;  // the standard object of the window's client
};

PaneObject* g_object = nullptr;

}  // namespace

IAccessible* PaneAccessible(HWND window) {
    if (g_object == nullptr) {
        IAccessible* standard = nullptr;
        if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&standard)))) {
            return nullptr;
        }
        g_object = new (std::nothrow) PaneObject(window, standard);
        if (g_object == nullptr) {
            standard->Release();
            return nullptr;
        }
    }
    g_object->AddRef();
    return g_object;
}

void ClosePaneAccessible() {
    if (g_object == nullptr) return;
    g_object->Close();
    g_object->Release();
    g_object = nullptr;
}
