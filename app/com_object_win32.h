// The reference count the pane's COM objects share: each starts with the
// one reference its maker holds and deletes itself at its last Release.
#pragma once

#include <windows.h>

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
