#include "map/webview/HostWebViewObject.h"

#include <string>

namespace {

// Out values first, so a caller sees a defined value on every path.
template <class Value>
HRESULT Reset(Value* out, Value value) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = value;
    return S_OK;
}

HRESULT ResetVariant(VARIANT* out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    VariantInit(out);
    return S_OK;
}

std::wstring AsText(VARIANT& value) {
    VARIANT text;
    VariantInit(&text);
    std::wstring result;
    if (SUCCEEDED(VariantChangeType(&text, &value, 0, VT_BSTR)) && text.bstrVal != nullptr) {
        result.assign(text.bstrVal, SysStringLen(text.bstrVal));
    }
    VariantClear(&text);
    return result;
}

}  // namespace

HRESULT HostWebViewObject::CallCallbackAsynchronously(IDispatch* callbackParameter) {
    if (callbackParameter == nullptr) {
        return DISP_E_PARAMNOTFOUND;
    }
    if (dispatcher_) {
        dispatcher_(fw::ComPtr<IDispatch>(callbackParameter));
    }
    return S_OK;
}

HRESULT HostWebViewObject::TestMethod(BSTR stringParameter, int integerParameter, BSTR* stringResult) {
    if (FAILED(Reset<BSTR>(stringResult, nullptr))) {
        return E_POINTER;
    }
    const std::wstring text = L"TestMethod(" + std::wstring(stringParameter ? stringParameter : L"") + L", " +
                              std::to_wstring(integerParameter) + L") called.\n";
    *stringResult = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return S_OK;
}

HRESULT HostWebViewObject::JS2C_ConnectTest(BOOL* boolResult) {
    if (FAILED(Reset<BOOL>(boolResult, FALSE))) {
        return E_POINTER;
    }
    if (bridge_ != nullptr) {
        *boolResult = bridge_->ConnectTest();
    }
    return S_OK;
}

HRESULT HostWebViewObject::JS2C_GetMapURL(BSTR* stringResult) {
    if (FAILED(Reset<BSTR>(stringResult, nullptr))) {
        return E_POINTER;
    }
    if (bridge_ != nullptr) {
        *stringResult = bridge_->GetMapURL().Release();
    }
    return S_OK;
}

HRESULT HostWebViewObject::JS2C_GetGPSData(VARIANT* variantResult) {
    if (FAILED(ResetVariant(variantResult))) {
        return E_POINTER;
    }
    if (bridge_ != nullptr) {
        *variantResult = bridge_->GetGPSData().Release();
    }
    return S_OK;
}

HRESULT HostWebViewObject::JS2C_GetGridData(VARIANT variantParameter, VARIANT* variantResult) {
    if (FAILED(ResetVariant(variantResult))) {
        return E_POINTER;
    }
    if (bridge_ != nullptr) {
        *variantResult = bridge_->GetGridData(AsText(variantParameter)).Release();
    }
    return S_OK;
}

HRESULT HostWebViewObject::JS2C_GetRelJpgNum(BSTR* stringResult) {
    if (FAILED(Reset<BSTR>(stringResult, nullptr))) {
        return E_POINTER;
    }
    if (bridge_ != nullptr) {
        *stringResult = bridge_->GetRelJpgNum().Release();
    }
    return S_OK;
}

HRESULT HostWebViewObject::JS2C_OnClickCrashPoint(int ifile, int igrid, int ipos, int valid, double lat, double lng,
                                                  double speed, double direction) {
    if (bridge_ != nullptr) {
        bridge_->OnClickCrashPoint(ifile, igrid, ipos, valid, lat, lng, speed, direction);
    }
    return S_OK;
}

HRESULT HostWebViewObject::JS2C_OnInitHtml() {
    if (bridge_ != nullptr) {
        bridge_->OnInitHtml();
    }
    return S_OK;
}

HRESULT HostWebViewObject::JS2C_SetSend() {
    if (bridge_ != nullptr) {
        bridge_->SetSend();
    }
    return S_OK;
}

HRESULT HostWebViewObject::GetTypeInfoCount(UINT* count) { return Reset<UINT>(count, 1); }

HRESULT HostWebViewObject::GetTypeInfo(UINT index, LCID, ITypeInfo** typeInfo) {
    if (FAILED(Reset<ITypeInfo*>(typeInfo, nullptr))) {
        return E_POINTER;
    }
    if (index != 0) {
        return TYPE_E_ELEMENTNOTFOUND;
    }
    const HRESULT loaded = LoadTypeInfo();
    if (FAILED(loaded)) {
        return loaded;
    }
    typeInfo_->AddRef();
    *typeInfo = typeInfo_.Get();
    return S_OK;
}

HRESULT HostWebViewObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    const HRESULT loaded = LoadTypeInfo();
    if (FAILED(loaded)) {
        return loaded;
    }
    return typeInfo_->GetIDsOfNames(names, count, ids);
}

HRESULT HostWebViewObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                  EXCEPINFO* exception, UINT* argumentError) {
    const HRESULT loaded = LoadTypeInfo();
    if (FAILED(loaded)) {
        return loaded;
    }
    return typeInfo_->Invoke(static_cast<IHostWebViewObject*>(this), id, flags, parameters, result, exception,
                             argumentError);
}

// The library is resource TYPELIB 1 of the program's own file, loaded on
// first use and kept.
HRESULT HostWebViewObject::LoadTypeInfo() {
    if (typeInfo_) {
        return S_OK;
    }
    wchar_t path[MAX_PATH] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) {
        return HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER);
    }
    fw::ComPtr<ITypeLib> library;
    const HRESULT loaded = LoadTypeLib(path, library.Put());
    if (FAILED(loaded)) {
        return loaded;
    }
    return library->GetTypeInfoOfGuid(__uuidof(IHostWebViewObject), typeInfo_.Put());
}

HostWebViewObject::Dispatcher PostDeferredCallsTo(HWND window) {
    return [window](fw::ComPtr<IDispatch> callback) {
        IDispatch* call = callback.Detach();
        if (!PostMessageW(window, WM_APP_DEFERRED_CALL, 0, reinterpret_cast<LPARAM>(call))) {
            call->Release();
        }
    };
}

void RunDeferredCall(LPARAM call) {
    const auto callback = fw::ComPtr<IDispatch>::Adopt(reinterpret_cast<IDispatch*>(call));
    if (!callback) {
        return;
    }
    DISPPARAMS none{};
    callback->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
}

void DropDeferredCall(LPARAM call) { fw::ComPtr<IDispatch>::Adopt(reinterpret_cast<IDispatch*>(call)); }
