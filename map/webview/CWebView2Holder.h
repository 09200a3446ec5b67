#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/ComPtr.h"
#include "map/IHostWebViewFuncs.h"
#include "map/core/CJsonHolder.h"
#include "map/core/MapUpdateMessage.h"
#include "map/webview/HostWebViewObject.h"
#include "map/webview/WebView2Api.h"

// The web view of the web-view map window: creates the runtime's
// environment and controller on the window, loads map page 328 from the
// program's resources, gives the page the host object "sample" at every
// navigation, and posts it the update messages.
//
// Creation is asynchronous and runs on the window's thread; each step
// stops at its first failure with E_FAIL and the window stays blank.
// Until the web view exists nothing is posted and no script runs.
class CWebView2Holder {
public:
    // Creates an environment as the loader's export does (the tests hand
    // in fakes).
    using EnvironmentCreator = std::function<HRESULT(PCWSTR browserFolder, PCWSTR userDataFolder,
                                                     ICoreWebView2EnvironmentOptions* options,
                                                     ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler* handler)>;
    // The loader's export, looked up at run time in the loader library
    // beside the program; E_FAIL when either is missing.
    static HRESULT CreateThroughLoader(PCWSTR browserFolder, PCWSTR userDataFolder,
                                       ICoreWebView2EnvironmentOptions* options,
                                       ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler* handler);

    explicit CWebView2Holder(EnvironmentCreator createEnvironment = CreateThroughLoader);
    virtual ~CWebView2Holder();
    CWebView2Holder(const CWebView2Holder&) = delete;
    CWebView2Holder& operator=(const CWebView2Holder&) = delete;

    // Asks for the environment, once; the rest follows as the runtime
    // answers. The owner window hosts the web view and receives the host
    // object's deferred calls.
    HRESULT Start(HWND owner, IHostWebViewFuncs* bridge);
    bool Started() const { return started_; }

    HRESULT PostMapUpdate(const std::wstring& status, double latitude, double longitude);
    // Runs a statement in the page; its result is ignored.
    HRESULT RunScript(const std::wstring& statement);
    // Takes a received message (the runtime's text, freed here).
    void OnWebMessage(LPWSTR message);
    HRESULT RemoveHostHandlers();
    void ResizeToClient();

private:
    HRESULT OnEnvironmentCreated(HRESULT result, ICoreWebView2Environment* environment);
    HRESULT OnControllerCompleted(HRESULT result, ICoreWebView2Controller* controller);
    HRESULT OnControllerCreated();
    HRESULT MakeHostObject();

    EnvironmentCreator createEnvironment_;
    HWND owner_ = nullptr;
    IHostWebViewFuncs* bridge_ = nullptr;
    CJsonHolder json_;
    bool started_ = false;
    fw::ComPtr<ICoreWebView2Controller> controller_;
    fw::ComPtr<ICoreWebView2> webView_;
    fw::ComPtr<ICoreWebView2Settings> settings_;
    fw::ComPtr<HostWebViewObject> hostObject_;
    EventRegistrationToken navigationStartingToken_{};
    EventRegistrationToken webMessageToken_{};
    std::wstring mapLat_;
    std::wstring mapLng_;
    std::wstring mapStatus_;
    // The runtime's handlers answer only while the holder lives.
    std::shared_ptr<void> alive_ = std::make_shared<char>();
};
