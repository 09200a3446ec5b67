#pragma once

#include <objbase.h>

#include <atomic>
#include <tuple>
#include <utility>

#include "framework/ComPtr.h"

namespace fw {

// The reference counting and QueryInterface of the program's own COM
// objects. An object starts with one reference, which Create hands to a
// ComPtr, and deletes itself when the last one goes. QueryInterface answers
// IUnknown and each listed interface (which __uuidof must know).
template <class Derived, class... Interfaces>
class ComObject : public Interfaces... {
public:
    template <class... Arguments>
    static ComPtr<Derived> Create(Arguments&&... arguments) {
        return ComPtr<Derived>::Adopt(new Derived(std::forward<Arguments>(arguments)...));
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        if (iid == IID_IUnknown) {
            *out = static_cast<IUnknown*>(static_cast<First*>(this));
        } else {
            ((iid == __uuidof(Interfaces) ? (*out = static_cast<Interfaces*>(this), true) : false) || ...);
        }
        if (*out == nullptr) {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete static_cast<Derived*>(this);
        }
        return left;
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;

private:
    using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;
    std::atomic<ULONG> references_{1};
};

}  // namespace fw
