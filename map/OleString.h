#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>

// Owns one BSTR and frees it. The page bridge hands its texts out in these;
// the windows pass them on to the page with Release().
class OleString {
public:
    OleString() = default;
    explicit OleString(const std::wstring& text)
        : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~OleString() { SysFreeString(text_); }
    OleString(OleString&& other) noexcept : text_(other.Release()) {}
    OleString& operator=(OleString&& other) noexcept {
        if (this != &other) {
            SysFreeString(std::exchange(text_, other.Release()));
        }
        return *this;
    }
    OleString(const OleString&) = delete;
    OleString& operator=(const OleString&) = delete;

    BSTR Get() const { return text_; }
    BSTR Release() { return std::exchange(text_, nullptr); }
    std::wstring Text() const { return text_ ? std::wstring(text_, SysStringLen(text_)) : std::wstring(); }

private:
    BSTR text_ = nullptr;
};
