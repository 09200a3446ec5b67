#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/ComPtr.h"
#include "map/webview/CWebView2Holder.h"

// What the fake web-view runtime was asked, in order ("Name argument"),
// and what the program handed it.
struct WebViewLog {
    std::vector<std::wstring> calls;
    std::wstring failing;  // the call that fails (E_FAIL), if any
    bool nullController = false;
    HRESULT controllerResult = S_OK;  // what the program's completion handler answered
    std::wstring page;
    std::wstring posted;
    fw::ComPtr<ICoreWebView2NavigationStartingEventHandler> navigationStarting;
    fw::ComPtr<IDispatch> hostObject;

    HRESULT Note(const std::wstring& call);
};

// The loader's export, answering with one fake object that is environment,
// controller, web view and settings at once, built from the program's own
// declarations. It answers at once (the real runtime later, on the same
// thread).
CWebView2Holder::EnvironmentCreator FakeWebViewRuntime(std::shared_ptr<WebViewLog> log);
