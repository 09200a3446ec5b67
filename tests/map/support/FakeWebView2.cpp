#include "FakeWebView2.h"

#include "framework/ComObject.h"

namespace {

std::wstring Text(LPCWSTR text) { return text != nullptr ? text : L"(null)"; }

class FakeRuntime final : public fw::ComObject<FakeRuntime, ICoreWebView2Environment, ICoreWebView2Controller,
                                               ICoreWebView2, ICoreWebView2Settings> {
public:
    explicit FakeRuntime(std::shared_ptr<WebViewLog> log) : log_(std::move(log)) {}

    HRESULT STDMETHODCALLTYPE CreateCoreWebView2Controller(
        HWND parent, ICoreWebView2CreateCoreWebView2ControllerCompletedHandler* handler) override {
        if (FAILED(log_->Note(parent != nullptr ? L"CreateCoreWebView2Controller" : L"no parent"))) return E_FAIL;
        log_->controllerResult = handler->Invoke(S_OK, log_->nullController ? nullptr : this);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_Bounds(RECT r) override {
        return log_->Note(L"put_Bounds " + std::to_wstring(r.right - r.left) + L"x" + std::to_wstring(r.bottom - r.top));
    }
    HRESULT STDMETHODCALLTYPE get_CoreWebView2(ICoreWebView2** webView) override {
        return Hand(webView, L"get_CoreWebView2");
    }
    HRESULT STDMETHODCALLTYPE get_Settings(ICoreWebView2Settings** settings) override {
        return Hand(settings, L"get_Settings");
    }
    HRESULT STDMETHODCALLTYPE put_IsScriptEnabled(BOOL on) override { return log_->Note(L"script " + std::to_wstring(on)); }
    HRESULT STDMETHODCALLTYPE put_IsWebMessageEnabled(BOOL on) override { return log_->Note(L"messages " + std::to_wstring(on)); }
    HRESULT STDMETHODCALLTYPE put_AreDefaultScriptDialogsEnabled(BOOL on) override {
        return log_->Note(L"dialogs " + std::to_wstring(on));
    }
    HRESULT STDMETHODCALLTYPE NavigateToString(LPCWSTR html) override {
        log_->page = Text(html);
        return log_->Note(L"NavigateToString");
    }
    HRESULT STDMETHODCALLTYPE add_NavigationStarting(ICoreWebView2NavigationStartingEventHandler* handler,
                                                     EventRegistrationToken* token) override {
        log_->navigationStarting = handler;
        token->value = 7;
        return log_->Note(L"add_NavigationStarting");
    }
    HRESULT STDMETHODCALLTYPE add_WebMessageReceived(ICoreWebView2WebMessageReceivedEventHandler*,
                                                     EventRegistrationToken* token) override {
        token->value = 9;
        return log_->Note(L"add_WebMessageReceived");
    }
    HRESULT STDMETHODCALLTYPE remove_NavigationStarting(EventRegistrationToken token) override {
        return log_->Note(L"remove_NavigationStarting " + std::to_wstring(token.value));
    }
    HRESULT STDMETHODCALLTYPE remove_WebMessageReceived(EventRegistrationToken token) override {
        return log_->Note(L"remove_WebMessageReceived " + std::to_wstring(token.value));
    }
    HRESULT STDMETHODCALLTYPE ExecuteScript(LPCWSTR script, ICoreWebView2ExecuteScriptCompletedHandler* done) override {
        done->Invoke(S_OK, L"null");
        return log_->Note(L"ExecuteScript " + Text(script));
    }
    HRESULT STDMETHODCALLTYPE PostWebMessageAsJson(LPCWSTR json) override {
        log_->posted = Text(json);
        return log_->Note(L"PostWebMessageAsJson");
    }
    HRESULT STDMETHODCALLTYPE AddHostObjectToScript(LPCWSTR name, VARIANT* object) override {
        log_->hostObject = object->vt == VT_DISPATCH ? object->pdispVal : nullptr;
        return log_->Note(L"AddHostObjectToScript " + Text(name));
    }
    HRESULT STDMETHODCALLTYPE RemoveHostObjectFromScript(LPCWSTR name) override {
        return log_->Note(L"RemoveHostObjectFromScript " + Text(name));
    }

private:
    template <class Interface>
    HRESULT Hand(Interface** out, const wchar_t* call) {
        AddRef();
        *out = this;
        return log_->Note(call);
    }

    std::shared_ptr<WebViewLog> log_;
};

}  // namespace

HRESULT WebViewLog::Note(const std::wstring& call) {
    calls.push_back(call);
    return !failing.empty() && call.compare(0, failing.size(), failing) == 0 ? E_FAIL : S_OK;
}

CWebView2Holder::EnvironmentCreator FakeWebViewRuntime(std::shared_ptr<WebViewLog> log) {
    return [log](PCWSTR folder, PCWSTR userData, ICoreWebView2EnvironmentOptions* options,
                 ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler* handler) {
        LPWSTR version = nullptr;
        BOOL singleSignOn = TRUE;
        options->get_TargetCompatibleBrowserVersion(&version);
        options->get_AllowSingleSignOnUsingOSPrimaryAccount(&singleSignOn);
        const HRESULT created = log->Note(L"Create " + Text(folder) + L" '" + Text(userData) + L"' " + Text(version) +
                                          L" sso " + std::to_wstring(singleSignOn));
        CoTaskMemFree(version);
        return FAILED(created) ? E_FAIL : handler->Invoke(S_OK, FakeRuntime::Create(log).Get());
    };
}
