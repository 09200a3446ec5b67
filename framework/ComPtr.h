#pragma once

#include <objbase.h>
#include <ole2.h>

#include <utility>

namespace fw {

// Holds one reference to a COM interface.
template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(Interface* pointer) : pointer_(pointer) {  // takes a new reference
        if (pointer_ != nullptr) {
            pointer_->AddRef();
        }
    }
    ComPtr(const ComPtr& other) : ComPtr(other.pointer_) {}
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ~ComPtr() { Reset(); }
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(pointer_, other.pointer_);
        return *this;
    }

    // Adopts a reference the caller already owns (a creation result).
    static ComPtr Adopt(Interface* pointer) {
        ComPtr result;
        result.pointer_ = pointer;
        return result;
    }

    Interface* Get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    // For an out parameter: releases what is held and hands the slot out.
    Interface** Put() {
        Reset();
        return &pointer_;
    }
    // Hands the reference to the caller, who releases it.
    Interface* Detach() { return std::exchange(pointer_, nullptr); }
    void Reset() {
        if (pointer_ != nullptr) {
            std::exchange(pointer_, nullptr)->Release();
        }
    }

    template <class Other>
    HRESULT As(ComPtr<Other>& out) const {
        return pointer_ ? pointer_->QueryInterface(__uuidof(Other), reinterpret_cast<void**>(out.Put())) : E_POINTER;
    }

private:
    Interface* pointer_ = nullptr;
};

// COM on the calling thread for the scope: apartment-threaded, with OLE
// when asked (the UI thread). A thread already in another apartment keeps
// it, and nothing is undone for it.
class ComApartment {
public:
    enum class Kind { Com, Ole };
    explicit ComApartment(Kind kind = Kind::Com)
        : kind_(kind), result_(kind == Kind::Ole ? OleInitialize(nullptr) : CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) {
            kind_ == Kind::Ole ? OleUninitialize() : CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    bool Ready() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

private:
    Kind kind_;
    HRESULT result_;
};

}  // namespace fw
