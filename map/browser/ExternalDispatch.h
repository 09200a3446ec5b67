#pragma once

#include <windows.h>
#include <oaidl.h>

#include "framework/ComObject.h"
#include "map/IHostWebViewFuncs.h"

// `window.external` of the browser-control page: ten methods under fixed
// dispatch ids, each forwarded to the map bridge. Arguments arrive as the
// page's script passes them (numbers as integers or doubles alike) and are
// converted to what each method takes. Before the bridge is set the page
// gets FALSE, empty arrays and null texts, and nothing else happens.
class ExternalDispatch final : public fw::ComObject<ExternalDispatch, IDispatch> {
public:
    enum Id : DISPID {
        kConnectTest = 1,
        kOnInitHtml,
        kGetGPSData,
        kGetGridData,
        kGetMarkName,
        kGetRcString,
        kGetRelJpgNum,
        kOnClickCrashPoint,
        kDebugLog,
        kGetMapURL,
    };

    void SetBridge(IHostWebViewFuncs* bridge) { bridge_ = bridge; }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** typeInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                     EXCEPINFO*, UINT* argumentError) override;

private:
    void Call(DISPID id, const VARIANT* arguments, VARIANT& result);

    IHostWebViewFuncs* bridge_ = nullptr;
};
