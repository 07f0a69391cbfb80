// What the pane's COM objects share: one reference count, which starts with
// the reference its maker holds and deletes the object at its last Release,
// and the strings they hand out.
#pragma once

#include <windows.h>

#include <string>

template <typename... Interfaces>
class ComObject : public Interfaces... {
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return left;
    }

protected:
    virtual ~ComObject() = default;

private:
    LONG refs_ = 1;
};

// A new string of the COM allocator holding `text`; the caller (or the
// client it is handed to) frees it.
inline BSTR ToBstr(const std::u16string& text) {
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
}
