// The objects the two map pages call the program through: the web-view
// page's host object, invoked through the program's real type library, and
// the browser-control page's window.external.
#include <gtest/gtest.h>

#include <string>

#include "DispatchCall.h"
#include "RecordingBridge.h"
#include "map/browser/ExternalDispatch.h"
#include "map/webview/HostWebViewObject.h"

namespace {

struct PageCall {
    const wchar_t* name;
    std::vector<VARIANT> arguments;
    const wchar_t* reaches;  // the bridge call it makes
    VARTYPE answer;
};

class PageHostObjects : public ::testing::Test {
protected:
    fw::ComApartment com_;
    RecordingBridge bridge_;

    void ExpectCalls(IDispatch* page, const std::vector<PageCall>& calls) {
        for (const PageCall& call : calls) {
            VARIANT result;
            ASSERT_EQ(CallByName(page, call.name, call.arguments, &result), S_OK) << call.name;
            EXPECT_EQ(result.vt, call.answer) << call.name;
            EXPECT_EQ(bridge_.calls.back(), call.reaches) << call.name;
            VariantClear(&result);
        }
    }
};

TEST_F(PageHostObjects, WebViewPageCallsReachTheBridgeThroughTheTypeLibrary) {
    const auto host = HostWebViewObject::Create(nullptr);
    host->SetBridge(&bridge_);
    ExpectCalls(host.Get(), {
        {L"JS2C_ConnectTest", {}, L"ConnectTest()", VT_I4},
        {L"JS2C_GetGPSData", {}, L"GetGPSData()", VT_ARRAY | VT_VARIANT},
        {L"JS2C_GetGridData", {Int(0)}, L"GetGridData(0)", VT_ARRAY | VT_VARIANT},
        {L"JS2C_OnClickCrashPoint", {Int(1), Int(2), Int(3), Int(4), Real(35.5), Real(-139.25), Real(42), Real(270)},
         L"OnClickCrashPoint(1,2,3,4,35.5,-139.25,42,270)", VT_EMPTY},
        {L"JS2C_SetSend", {}, L"SetSend()", VT_EMPTY},
    });
    ITypeInfo* info = nullptr;
    EXPECT_EQ(host->GetTypeInfo(1, 0, &info), static_cast<HRESULT>(0x8002802B));
    EXPECT_EQ(host->CallCallbackAsynchronously(nullptr), static_cast<HRESULT>(0x80020004));
}

// The page must never read what happened to lie in an out parameter.
TEST_F(PageHostObjects, WithoutABridgeOutValuesAreSetAnyway) {
    const auto host = HostWebViewObject::Create(nullptr);
    BOOL online = 77;
    BSTR text = reinterpret_cast<BSTR>(0x1);
    VARIANT data = Int(77);
    EXPECT_EQ(host->JS2C_ConnectTest(&online), S_OK);
    EXPECT_EQ(online, FALSE);
    EXPECT_EQ(host->JS2C_GetRelJpgNum(&text), S_OK);
    EXPECT_EQ(text, nullptr);
    EXPECT_EQ(host->JS2C_GetGridData(Int(0), &data), S_OK);
    EXPECT_EQ(data.vt, VT_EMPTY);
    EXPECT_EQ(host->JS2C_OnInitHtml(), S_OK);
}

// A page callback (as script hands it over) that counts its calls and
// knows when it is let go.
class PageCallback final : public fw::ComObject<PageCallback, IDispatch> {
public:
    PageCallback(int& calls, bool& released) : calls_(calls), released_(released) {}
    ~PageCallback() override { released_ = true; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* p, VARIANT*, EXCEPINFO*, UINT*) override {
        calls_ += id == DISPID_VALUE && flags == DISPATCH_METHOD && p->cArgs == 0 ? 1 : 100;
        return S_OK;
    }

private:
    int& calls_;
    bool& released_;
};

TEST_F(PageHostObjects, DeferredCallbacksRunOnTheWindowsThreadAndAreLetGo) {
    const HWND window = CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    int calls = 0;
    bool released = false;
    {
        const auto host = HostWebViewObject::Create(PostDeferredCallsTo(window));
        EXPECT_EQ(host->CallCallbackAsynchronously(PageCallback::Create(calls, released).Get()), S_OK);
    }
    EXPECT_FALSE(released) << "the posted call holds the callback";
    MSG m;
    while (PeekMessageW(&m, window, WM_APP_DEFERRED_CALL, WM_APP_DEFERRED_CALL, PM_REMOVE)) RunDeferredCall(m.lParam);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(released);

    DestroyWindow(window);
    released = false;
    HostWebViewObject::Create(PostDeferredCallsTo(window))->CallCallbackAsynchronously(
        PageCallback::Create(calls, released).Get());
    EXPECT_TRUE(released) << "a call that cannot be posted is let go at once";
}

TEST_F(PageHostObjects, BrowserControlPageCallsByIdWithTheirArgumentsConverted) {
    const auto external = ExternalDispatch::Create();
    const wchar_t* names[] = {L"JS2C_ConnectTest", L"JS2C_OnInitHtml", L"JS2C_GetGPSData", L"JS2C_GetGridData",
                              L"JS2C_GetMarkName", L"JS2C_GetRcString", L"JS2C_GetRelJpgNum",
                              L"JS2C_OnClickCrashPoint", L"js2c_deblog", L"JS2C_GetMapURL"};
    for (DISPID expected = 1; expected <= 10; ++expected) {
        LPOLESTR name = const_cast<LPOLESTR>(names[expected - 1]);
        DISPID id = 0;
        EXPECT_EQ(external->GetIDsOfNames(IID_NULL, &name, 1, 0, &id) == S_OK ? id : 0, expected) << name;
    }

    VARIANT result;
    EXPECT_EQ(CallByName(external.Get(), L"JS2C_GetGridData", {Int(3)}, &result), S_OK);
    EXPECT_EQ(result.vt, VT_EMPTY) << "no bridge yet";

    external->SetBridge(&bridge_);
    ExpectCalls(external.Get(), {
        {L"JS2C_ConnectTest", {}, L"ConnectTest()", VT_BOOL},
        {L"JS2C_GetGridData", {Int(7)}, L"GetGridData(7)", VT_ARRAY | VT_VARIANT},
        {L"JS2C_GetMarkName", {Real(5.0)}, L"GetMarkName(5)", VT_BSTR},
        {L"JS2C_GetRcString", {Real(108.0)}, L"GetRcString(108)", VT_BSTR},
        {L"JS2C_OnClickCrashPoint", {Real(1), Int(2), Int(3), Int(1), Int(35), Real(139.5), Real(0.5), Int(90)},
         L"OnClickCrashPoint(1,2,3,1,35,139.5,0.5,90)", VT_EMPTY},
        {L"JS2C_DEBLOG", {Int(12)}, L"DEBLOG(12)", VT_EMPTY},
    });
    EXPECT_EQ(CallByName(external.Get(), L"JS2C_GetMarkName", {}, &result), DISP_E_BADPARAMCOUNT);
}

}  // namespace
