#pragma once

#include <windows.h>

#include <functional>

#include "framework/ComObject.h"
#include "map/IHostWebViewFuncs.h"
// Made by the build from HostWebViewObject.idl.
#include "HostWebViewObject_h.h"

// The host object "sample" of the web-view page. Each page call arrives
// through IDispatch, which the object's type information turns into a call
// of its IHostWebViewObject method, and goes on to the map bridge. Out
// values are always set, also while no bridge is set, so the page never
// reads garbage.
class HostWebViewObject final : public fw::ComObject<HostWebViewObject, IHostWebViewObject, IDispatch> {
public:
    // Takes a page callback to run later and sends it to the UI thread.
    using Dispatcher = std::function<void(fw::ComPtr<IDispatch> callback)>;

    explicit HostWebViewObject(Dispatcher dispatcher) : dispatcher_(std::move(dispatcher)) {}
    void SetBridge(IHostWebViewFuncs* bridge) { bridge_ = bridge; }

    // IHostWebViewObject
    HRESULT STDMETHODCALLTYPE CallCallbackAsynchronously(IDispatch* callbackParameter) override;
    HRESULT STDMETHODCALLTYPE TestMethod(BSTR stringParameter, int integerParameter, BSTR* stringResult) override;
    HRESULT STDMETHODCALLTYPE JS2C_ConnectTest(BOOL* boolResult) override;
    HRESULT STDMETHODCALLTYPE JS2C_GetMapURL(BSTR* stringResult) override;
    HRESULT STDMETHODCALLTYPE JS2C_GetGPSData(VARIANT* variantResult) override;
    HRESULT STDMETHODCALLTYPE JS2C_GetGridData(VARIANT variantParameter, VARIANT* variantResult) override;
    HRESULT STDMETHODCALLTYPE JS2C_GetRelJpgNum(BSTR* stringResult) override;
    HRESULT STDMETHODCALLTYPE JS2C_OnClickCrashPoint(int ifile, int igrid, int ipos, int valid, double lat, double lng,
                                                     double speed, double direction) override;
    HRESULT STDMETHODCALLTYPE JS2C_OnInitHtml() override;
    HRESULT STDMETHODCALLTYPE JS2C_SetSend() override;

    // IDispatch, answered by the type library in the program's own file.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** typeInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

private:
    HRESULT LoadTypeInfo();

    Dispatcher dispatcher_;
    IHostWebViewFuncs* bridge_ = nullptr;
    fw::ComPtr<ITypeInfo> typeInfo_;
};

// The deferred calls of a map window's host object travel to the window
// as this message (lParam the callback, with a reference of its own).
constexpr UINT WM_APP_DEFERRED_CALL = WM_APP;

// A dispatcher that posts each callback to the window; should the post
// fail, the callback is let go at once.
HostWebViewObject::Dispatcher PostDeferredCallsTo(HWND window);
// The window's side: runs the posted callback (a method call without
// arguments) and lets it go.
void RunDeferredCall(LPARAM call);
// Lets a posted callback go without running it (the window is closing).
void DropDeferredCall(LPARAM call);
