#include "map/browser/ExternalDispatch.h"

#include <array>
#include <string>
#include <vector>

namespace {

constexpr size_t kMostParameters = 8;

struct Method {
    const wchar_t* name;
    std::vector<VARTYPE> parameters;
};

// By dispatch id, from 1.
const std::array<Method, 10>& Methods() {
    static const std::array<Method, 10> methods{{
        {L"JS2C_ConnectTest", {}},
        {L"JS2C_OnInitHtml", {}},
        {L"JS2C_GetGPSData", {}},
        {L"JS2C_GetGridData", {VT_BSTR}},
        {L"JS2C_GetMarkName", {VT_I4}},
        {L"JS2C_GetRcString", {VT_I4}},
        {L"JS2C_GetRelJpgNum", {}},
        {L"JS2C_OnClickCrashPoint", {VT_I4, VT_I4, VT_I4, VT_I4, VT_R8, VT_R8, VT_R8, VT_R8}},
        {L"JS2C_DEBLOG", {VT_BSTR}},
        {L"JS2C_GetMapURL", {}},
    }};
    return methods;
}

std::wstring Text(const VARIANT& value) {
    return value.bstrVal != nullptr ? std::wstring(value.bstrVal, SysStringLen(value.bstrVal)) : std::wstring();
}

// The converted arguments of one call, cleared with it.
class Arguments {
public:
    ~Arguments() {
        for (VARIANT& value : values_) {
            VariantClear(&value);
        }
    }
    Arguments() {
        for (VARIANT& value : values_) {
            VariantInit(&value);
        }
    }
    Arguments(const Arguments&) = delete;
    Arguments& operator=(const Arguments&) = delete;

    VARIANT* Data() { return values_.data(); }

private:
    std::array<VARIANT, kMostParameters> values_;
};

void SetText(VARIANT& result, OleString text) {
    result.vt = VT_BSTR;
    result.bstrVal = text.Release();
}

}  // namespace

HRESULT ExternalDispatch::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT ExternalDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** typeInfo) {
    if (typeInfo != nullptr) {
        *typeInfo = nullptr;
    }
    return E_NOTIMPL;
}

// Names compare without regard to case, as automation names do.
HRESULT ExternalDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (names == nullptr || ids == nullptr || count == 0) {
        return E_INVALIDARG;
    }
    for (UINT i = 0; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
    }
    const auto& methods = Methods();
    for (size_t i = 0; i < methods.size(); ++i) {
        if (names[0] != nullptr && _wcsicmp(names[0], methods[i].name) == 0) {
            ids[0] = static_cast<DISPID>(i + 1);
            return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
        }
    }
    return DISP_E_UNKNOWNNAME;
}

HRESULT ExternalDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                 EXCEPINFO*, UINT* argumentError) {
    if (id < kConnectTest || id > kGetMapURL) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if ((flags & DISPATCH_METHOD) == 0) {
        return DISP_E_MEMBERNOTFOUND;
    }
    const Method& method = Methods()[static_cast<size_t>(id - 1)];
    const UINT given = parameters != nullptr ? parameters->cArgs : 0;
    const UINT named = parameters != nullptr ? parameters->cNamedArgs : 0;
    if (given - named != method.parameters.size()) {
        return DISP_E_BADPARAMCOUNT;
    }
    // Positional arguments stand last to first, after any named ones
    // (which these methods ignore).
    Arguments arguments;
    for (UINT i = 0; i < method.parameters.size(); ++i) {
        const UINT place = given - 1 - i;
        if (FAILED(VariantChangeType(&arguments.Data()[i], &parameters->rgvarg[place], 0, method.parameters[i]))) {
            if (argumentError != nullptr) {
                *argumentError = place;
            }
            return DISP_E_TYPEMISMATCH;
        }
    }
    VARIANT answer;
    VariantInit(&answer);
    Call(id, arguments.Data(), answer);
    if (result != nullptr) {
        *result = answer;
    } else {
        VariantClear(&answer);
    }
    return S_OK;
}

void ExternalDispatch::Call(DISPID id, const VARIANT* a, VARIANT& result) {
    IHostWebViewFuncs* const bridge = bridge_;
    switch (id) {
    case kConnectTest:
        result.vt = VT_BOOL;
        result.boolVal = bridge != nullptr && bridge->ConnectTest() ? VARIANT_TRUE : VARIANT_FALSE;
        return;
    case kGetMarkName:
        return SetText(result, bridge != nullptr ? bridge->GetMarkName(a[0].lVal) : OleString());
    case kGetRcString:
        return SetText(result, bridge != nullptr ? bridge->GetRcString(a[0].lVal) : OleString());
    case kGetRelJpgNum:
        return SetText(result, bridge != nullptr ? bridge->GetRelJpgNum() : OleString());
    case kGetMapURL:
        return SetText(result, bridge != nullptr ? bridge->GetMapURL() : OleString());
    }
    if (bridge == nullptr) {
        return;
    }
    switch (id) {
    case kOnInitHtml:
        bridge->OnInitHtml();
        return;
    case kGetGPSData:
        result = bridge->GetGPSData().Release();
        return;
    case kGetGridData:
        result = bridge->GetGridData(Text(a[0])).Release();
        return;
    case kOnClickCrashPoint:
        bridge->OnClickCrashPoint(a[0].lVal, a[1].lVal, a[2].lVal, a[3].lVal, a[4].dblVal, a[5].dblVal, a[6].dblVal,
                                  a[7].dblVal);
        return;
    case kDebugLog:
        bridge->DEBLOG(Text(a[0]));
        return;
    }
}
