#pragma once

#include <windows.h>
#include <oleauto.h>

#include <utility>

// Owns one VARIANT and clears it, with whatever array or text it holds.
class OleVariant {
public:
    OleVariant() { VariantInit(&value_); }
    ~OleVariant() { VariantClear(&value_); }
    OleVariant(OleVariant&& other) noexcept : OleVariant() { std::swap(value_, other.value_); }
    OleVariant& operator=(OleVariant&& other) noexcept {
        if (this != &other) {
            VariantClear(&value_);
            std::swap(value_, other.value_);
        }
        return *this;
    }
    OleVariant(const OleVariant&) = delete;
    OleVariant& operator=(const OleVariant&) = delete;

    // Takes over an array of VARIANT (VT_ARRAY | VT_VARIANT).
    static OleVariant AdoptArray(SAFEARRAY* array) {
        OleVariant result;
        if (array != nullptr) {
            result.value_.vt = VT_ARRAY | VT_VARIANT;
            result.value_.parray = array;
        }
        return result;
    }

    const VARIANT& Get() const { return value_; }
    VARTYPE Type() const { return value_.vt; }
    // Hands the value to the caller, who clears it; this one is left empty.
    VARIANT Release() {
        VARIANT out = value_;
        VariantInit(&value_);
        return out;
    }

private:
    VARIANT value_;
};
