#include "map/webview/EnvironmentOptions.h"

namespace {

HRESULT CopyOut(const std::wstring& text, LPWSTR* out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    *out = static_cast<LPWSTR>(CoTaskMemAlloc(bytes));
    if (*out == nullptr) {
        return E_OUTOFMEMORY;
    }
    CopyMemory(*out, text.c_str(), bytes);
    return S_OK;
}

HRESULT CopyIn(LPCWSTR value, std::wstring& text) {
    text = value != nullptr ? value : L"";
    return S_OK;
}

}  // namespace

HRESULT EnvironmentOptions::get_AdditionalBrowserArguments(LPWSTR* value) { return CopyOut(arguments_, value); }
HRESULT EnvironmentOptions::put_AdditionalBrowserArguments(LPCWSTR value) { return CopyIn(value, arguments_); }
HRESULT EnvironmentOptions::get_Language(LPWSTR* value) { return CopyOut(language_, value); }
HRESULT EnvironmentOptions::put_Language(LPCWSTR value) { return CopyIn(value, language_); }
HRESULT EnvironmentOptions::get_TargetCompatibleBrowserVersion(LPWSTR* value) { return CopyOut(version_, value); }
HRESULT EnvironmentOptions::put_TargetCompatibleBrowserVersion(LPCWSTR value) { return CopyIn(value, version_); }

HRESULT EnvironmentOptions::get_AllowSingleSignOnUsingOSPrimaryAccount(BOOL* allow) {
    if (allow == nullptr) {
        return E_POINTER;
    }
    *allow = singleSignOn_;
    return S_OK;
}

HRESULT EnvironmentOptions::put_AllowSingleSignOnUsingOSPrimaryAccount(BOOL allow) {
    singleSignOn_ = allow;
    return S_OK;
}
