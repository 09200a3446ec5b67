#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/ComObject.h"
#include "map/webview/CWebView2Holder.h"
#include "map/webview/WebView2Api.h"

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

// The loader's export, answering with a fake environment, controller, web
// view and settings built from the program's own declarations. The
// runtime answers at once here (the real one answers later, on the same
// thread).
CWebView2Holder::EnvironmentCreator FakeWebViewRuntime(std::shared_ptr<WebViewLog> log);
