#include "map/webview/CWebView2Holder.h"

#include "map/core/AsciiFormat.h"
#include "map/webview/Callback.h"
#include "map/webview/EnvironmentOptions.h"

namespace {

constexpr wchar_t kTargetBrowserVersion[] = L"92.0.902.49";
constexpr wchar_t kHostObjectName[] = L"sample";
constexpr int kWebViewPageResource = 328;
constexpr wchar_t kLoaderLibrary[] = L"WebView2Loader.dll";
constexpr char kLoaderExport[] = "CreateCoreWebView2EnvironmentWithOptions";

using EnvironmentCompleted = Callback<ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler, HRESULT,
                                      ICoreWebView2Environment*>;
using ControllerCompleted =
    Callback<ICoreWebView2CreateCoreWebView2ControllerCompletedHandler, HRESULT, ICoreWebView2Controller*>;
using WebMessageReceived = Callback<ICoreWebView2WebMessageReceivedEventHandler, ICoreWebView2*,
                                    ICoreWebView2WebMessageReceivedEventArgs*>;
using NavigationStarting =
    Callback<ICoreWebView2NavigationStartingEventHandler, ICoreWebView2*, ICoreWebView2NavigationStartingEventArgs*>;
using ScriptCompleted = Callback<ICoreWebView2ExecuteScriptCompletedHandler, HRESULT, LPCWSTR>;

// The page as UTF-16 text with its terminating zero; false when the
// program holds no such page.
bool LoadPage(std::wstring& page) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(kWebViewPageResource), RT_HTML);
    const HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return false;
    }
    const DWORD size = SizeofResource(module, found);
    page.assign(static_cast<const wchar_t*>(bytes), size / sizeof(wchar_t));
    return true;
}

}  // namespace

HRESULT CWebView2Holder::CreateThroughLoader(PCWSTR browserFolder, PCWSTR userDataFolder,
                                             ICoreWebView2EnvironmentOptions* options,
                                             ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler* handler) {
    // The loader stays for the process's life: the runtime's objects run
    // its code.
    static const HMODULE loader = LoadLibraryW(kLoaderLibrary);
    const auto create = loader != nullptr ? reinterpret_cast<CreateCoreWebView2EnvironmentWithOptionsFunction>(
                                                reinterpret_cast<void*>(GetProcAddress(loader, kLoaderExport)))
                                          : nullptr;
    if (create == nullptr) {
        return E_FAIL;
    }
    return create(browserFolder, userDataFolder, options, handler);
}

CWebView2Holder::CWebView2Holder(EnvironmentCreator createEnvironment)
    : createEnvironment_(std::move(createEnvironment)) {}

CWebView2Holder::~CWebView2Holder() {
    // The runtime may keep the host object a while; it must not reach the
    // bridge then.
    if (hostObject_) {
        hostObject_->SetBridge(nullptr);
    }
}

HRESULT CWebView2Holder::Start(HWND owner, IHostWebViewFuncs* bridge) {
    if (started_) {
        return S_FALSE;
    }
    started_ = true;
    owner_ = owner;
    bridge_ = bridge;
    const fw::ComPtr<EnvironmentOptions> options = EnvironmentOptions::Create();
    options->put_TargetCompatibleBrowserVersion(kTargetBrowserVersion);
    options->put_AllowSingleSignOnUsingOSPrimaryAccount(FALSE);
    const auto completed = EnvironmentCompleted::Create(Bound<HRESULT, ICoreWebView2Environment*>(
        alive_, [this](HRESULT result, ICoreWebView2Environment* environment) {
            return OnEnvironmentCreated(result, environment);
        }));
    if (FAILED(createEnvironment_(nullptr, L"", options.Get(), completed.Get()))) {
        return E_FAIL;
    }
    return S_OK;
}

HRESULT CWebView2Holder::OnEnvironmentCreated(HRESULT result, ICoreWebView2Environment* environment) {
    if (FAILED(result) || environment == nullptr) {
        return E_FAIL;
    }
    const auto completed = ControllerCompleted::Create(Bound<HRESULT, ICoreWebView2Controller*>(
        alive_, [this](HRESULT r, ICoreWebView2Controller* controller) { return OnControllerCompleted(r, controller); }));
    if (FAILED(environment->CreateCoreWebView2Controller(owner_, completed.Get()))) {
        return E_FAIL;
    }
    return S_OK;
}

HRESULT CWebView2Holder::OnControllerCompleted(HRESULT, ICoreWebView2Controller* controller) {
    if (controller == nullptr) {
        return E_FAIL;
    }
    controller_ = controller;
    if (FAILED(controller_->get_CoreWebView2(webView_.Put())) || !webView_) {
        webView_.Reset();
        return E_FAIL;
    }
    return FAILED(OnControllerCreated()) ? E_FAIL : S_OK;
}

HRESULT CWebView2Holder::OnControllerCreated() {
    if (FAILED(webView_->get_Settings(settings_.Put())) || !settings_) {
        return E_FAIL;
    }
    settings_->put_IsScriptEnabled(TRUE);
    settings_->put_AreDefaultScriptDialogsEnabled(TRUE);
    settings_->put_IsWebMessageEnabled(TRUE);
    ResizeToClient();
    std::wstring page;
    if (!LoadPage(page) || FAILED(webView_->NavigateToString(page.c_str()))) {
        return E_FAIL;
    }
    const auto received = WebMessageReceived::Create(Bound<ICoreWebView2*, ICoreWebView2WebMessageReceivedEventArgs*>(
        alive_, [this](ICoreWebView2*, ICoreWebView2WebMessageReceivedEventArgs* args) {
            LPWSTR json = nullptr;
            if (args != nullptr && SUCCEEDED(args->get_WebMessageAsJson(&json))) {
                OnWebMessage(json);
            }
            return S_OK;
        }));
    if (FAILED(webView_->add_WebMessageReceived(received.Get(), &webMessageToken_))) {
        return E_FAIL;
    }
    return FAILED(MakeHostObject()) ? E_FAIL : S_OK;
}

// The page finds "sample" from every navigation's start on.
HRESULT CWebView2Holder::MakeHostObject() {
    hostObject_ = HostWebViewObject::Create(PostDeferredCallsTo(owner_));
    hostObject_->SetBridge(bridge_);
    const auto starting = NavigationStarting::Create(Bound<ICoreWebView2*, ICoreWebView2NavigationStartingEventArgs*>(
        alive_, [this](ICoreWebView2*, ICoreWebView2NavigationStartingEventArgs*) {
            VARIANT object;
            VariantInit(&object);
            object.vt = VT_DISPATCH;
            object.pdispVal = static_cast<IDispatch*>(hostObject_.Get());
            return webView_->AddHostObjectToScript(kHostObjectName, &object);
        }));
    if (FAILED(webView_->add_NavigationStarting(starting.Get(), &navigationStartingToken_))) {
        return E_FAIL;
    }
    return S_OK;
}

HRESULT CWebView2Holder::RemoveHostHandlers() {
    if (!webView_) {
        return S_FALSE;
    }
    if (FAILED(webView_->RemoveHostObjectFromScript(kHostObjectName)) ||
        FAILED(webView_->remove_NavigationStarting(navigationStartingToken_)) ||
        FAILED(webView_->remove_WebMessageReceived(webMessageToken_))) {
        return E_FAIL;
    }
    return S_OK;
}

void CWebView2Holder::ResizeToClient() {
    if (!controller_) {
        return;
    }
    RECT client{};
    GetClientRect(owner_, &client);
    controller_->put_Bounds(client);
}

HRESULT CWebView2Holder::PostMapUpdate(const std::wstring& status, double latitude, double longitude) {
    if (!webView_) {
        return E_FAIL;
    }
    mapLat_ = FormatAscii("%f", latitude);
    mapLng_ = FormatAscii("%f", longitude);
    mapStatus_ = status;
    json_.Clear();
    MapUpdateMessage{latitude, longitude, status}.WriteTo(json_);
    return webView_->PostWebMessageAsJson(json_.Serialize().c_str());
}

HRESULT CWebView2Holder::RunScript(const std::wstring& statement) {
    if (!webView_) {
        return E_FAIL;
    }
    const auto ignored = ScriptCompleted::Create([](HRESULT, LPCWSTR) { return S_OK; });
    return webView_->ExecuteScript(statement.c_str(), ignored.Get());
}

void CWebView2Holder::OnWebMessage(LPWSTR message) {
    const std::wstring text = message != nullptr ? message : L"";
    CoTaskMemFree(message);
    json_.Parse(text);
    mapLat_ = json_.Value(L"map_lat");
    mapLng_ = json_.Value(L"map_lng");
    mapStatus_ = json_.Value(L"map_status");
}
