#include "map/CGoogleMapDlg.h"

#include <mshtml.h>
#include <mshtmdid.h>
#include <ocidl.h>

#include "map/OleString.h"

namespace {

constexpr int kBrowserMapTemplate = 134;
constexpr int kBrowserMapPage = 103;
constexpr int kFullZoomPercent = 100;

// The page in the program's own resources; its icons lie beside it.
std::wstring PageUrl() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return L"res://" + std::wstring(path) + L"/" + std::to_wstring(kBrowserMapPage);
}

void PutValue(IHTMLDocument3* document, const wchar_t* id, VARIANT value) {
    fw::ComPtr<IHTMLElement> element;
    const OleString name{std::wstring(id)};
    if (FAILED(document->getElementById(name.Get(), element.Put())) || !element) {
        return;
    }
    DISPPARAMS parameters{};
    DISPID named = DISPID_PROPERTYPUT;
    parameters.rgvarg = &value;
    parameters.cArgs = 1;
    parameters.rgdispidNamedArgs = &named;
    parameters.cNamedArgs = 1;
    element->Invoke(DISPID_A_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters, nullptr, nullptr,
                    nullptr);
}

VARIANT Real(double value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_R8;
    v.dblVal = value;
    return v;
}

}  // namespace

CGoogleMapDlg::CGoogleMapDlg(IHostWebViewFuncs* bridge)
    : fw::Dialog(kBrowserMapTemplate), bridge_(bridge), external_(ExternalDispatch::Create()) {
    external_->SetBridge(bridge);
}

CGoogleMapDlg::~CGoogleMapDlg() { CloseBrowser(); }

void CGoogleMapDlg::SetBridge(IHostWebViewFuncs* bridge) {
    bridge_ = bridge;
    external_->SetBridge(bridge);
}

const fw::MessageMap& CGoogleMapDlg::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Dialog::GetMessageMap(), {
        fw::OnMessage(WM_SIZE, &CGoogleMapDlg::OnSize),
        fw::OnMessage(WM_DESTROY, &CGoogleMapDlg::OnDestroy),
    });
    return map;
}

// Without a browser control the window stays blank; the program runs on.
BOOL CGoogleMapDlg::OnInitDialog() {
    if (FAILED(CreateBrowser())) {
        CloseBrowser();
    }
    return TRUE;
}

HRESULT CGoogleMapDlg::CreateBrowser() {
    HRESULT hr = CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                  reinterpret_cast<void**>(control_.Put()));
    if (FAILED(hr)) {
        return hr;
    }
    site_ = WebBrowserSite::Create(Handle(), static_cast<IDispatch*>(external_.Get()), [this] { OnDocumentComplete(); });
    RECT client = ClientRect();
    if (FAILED(hr = control_->SetClientSite(site_.Get())) ||
        FAILED(hr = control_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.Get(), 0, Handle(), &client)) ||
        FAILED(hr = control_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(browser_.Put())))) {
        return hr;
    }
    browser_->put_RegisterAsDropTarget(VARIANT_FALSE);
    fw::ComPtr<IConnectionPointContainer> container;
    fw::ComPtr<IConnectionPoint> events;
    if (SUCCEEDED(browser_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container.Put()))) &&
        SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, events.Put()))) {
        events->Advise(static_cast<IOleClientSite*>(site_.Get()), &eventsCookie_);
    }
    const OleString url(PageUrl());
    return browser_->Navigate(url.Get(), nullptr, nullptr, nullptr, nullptr);
}

// The page is shown at 100 % whatever zoom the system asks for.
void CGoogleMapDlg::OnDocumentComplete() {
    if (!browser_) {
        return;
    }
    VARIANT zoom;
    VariantInit(&zoom);
    zoom.vt = VT_I4;
    zoom.lVal = kFullZoomPercent;
    browser_->ExecWB(OLECMDID_OPTICAL_ZOOM, OLECMDEXECOPT_DODEFAULT, &zoom, nullptr);
}

void CGoogleMapDlg::CloseBrowser() {
    if (site_) {
        site_->Disconnect();
    }
    if (browser_ && eventsCookie_ != 0) {
        fw::ComPtr<IConnectionPointContainer> container;
        fw::ComPtr<IConnectionPoint> events;
        if (SUCCEEDED(browser_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container.Put()))) &&
            SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, events.Put()))) {
            events->Unadvise(eventsCookie_);
        }
        eventsCookie_ = 0;
    }
    if (control_) {
        control_->Close(OLECLOSE_NOSAVE);
        control_->SetClientSite(nullptr);
    }
    browser_.Reset();
    control_.Reset();
    site_.Reset();
}

fw::ComPtr<IDispatch> CGoogleMapDlg::Document() const {
    fw::ComPtr<IDispatch> document;
    if (browser_) {
        browser_->get_Document(document.Put());
    }
    return document;
}

void CGoogleMapDlg::RunScript(const std::wstring& statement) {
    fw::ComPtr<IHTMLDocument2> document;
    fw::ComPtr<IHTMLWindow2> window;
    const fw::ComPtr<IDispatch> page = Document();
    if (!page || FAILED(page->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(document.Put()))) ||
        FAILED(document->get_parentWindow(window.Put())) || !window) {
        return;
    }
    const OleString code(statement);
    const OleString language(L"javascript");
    VARIANT result;
    VariantInit(&result);
    window->execScript(code.Get(), language.Get(), &result);
    VariantClear(&result);
}

void CGoogleMapDlg::SetPosition(double latitude, double longitude) {
    map_lat = latitude;
    map_lng = longitude;
}

void CGoogleMapDlg::PushFields() {
    fw::ComPtr<IHTMLDocument3> document;
    const fw::ComPtr<IDispatch> page = Document();
    if (!page || FAILED(page->QueryInterface(IID_IHTMLDocument3, reinterpret_cast<void**>(document.Put())))) {
        return;
    }
    OleString status(map_status);
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = status.Get();
    PutValue(document.Get(), L"map_status", text);
    PutValue(document.Get(), L"map_lng", Real(map_lng));
    PutValue(document.Get(), L"map_lat", Real(map_lat));
}

LRESULT CGoogleMapDlg::OnSize(const fw::Message& m) {
    fw::ComPtr<IOleInPlaceObject> inPlace;
    if (control_ && SUCCEEDED(control_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(inPlace.Put())))) {
        const RECT client = ClientRect();
        inPlace->SetObjectRects(&client, &client);
    }
    return Default(m);
}

LRESULT CGoogleMapDlg::OnDestroy(const fw::Message& m) {
    CloseBrowser();
    return Default(m);
}
