#include "map/browser/WebBrowserSite.h"

#include <exdispid.h>

namespace {

template <class Pointer>
HRESULT NoObject(Pointer** out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    return E_NOTIMPL;
}

}  // namespace

WebBrowserSite::WebBrowserSite(HWND window, IDispatch* external, std::function<void()> documentComplete)
    : window_(window), external_(external), documentComplete_(std::move(documentComplete)) {}

void WebBrowserSite::Disconnect() {
    documentComplete_ = nullptr;
    external_.Reset();
}

// The browser hands its events to whatever answers for its events
// interface; the site's IDispatch does.
HRESULT WebBrowserSite::QueryInterface(REFIID iid, void** out) {
    if (iid == DIID_DWebBrowserEvents2) {
        return ComObject::QueryInterface(IID_IDispatch, out);
    }
    if (iid == IID_IOleWindow) {
        return ComObject::QueryInterface(IID_IOleInPlaceSite, out);
    }
    return ComObject::QueryInterface(iid, out);
}

HRESULT WebBrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) { return NoObject(moniker); }

HRESULT WebBrowserSite::GetContainer(IOleContainer** container) {
    NoObject(container);
    return E_NOINTERFACE;
}

HRESULT WebBrowserSite::GetWindow(HWND* window) {
    if (window == nullptr) {
        return E_POINTER;
    }
    *window = window_;
    return S_OK;
}

HRESULT WebBrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                         LPRECT clip, LPOLEINPLACEFRAMEINFO frameInfo) {
    if (frame == nullptr || document == nullptr || position == nullptr || clip == nullptr || frameInfo == nullptr) {
        return E_POINTER;
    }
    AddRef();
    *frame = this;
    *document = nullptr;
    GetClientRect(window_, position);
    *clip = *position;
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = window_;
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}

// No border, no scroll bars of its own: the page fills the window.
HRESULT WebBrowserSite::GetHostInfo(DOCHOSTUIINFO* info) {
    if (info == nullptr) {
        return E_POINTER;
    }
    info->cbSize = sizeof *info;
    info->dwFlags = DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO;
    info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    return S_OK;
}

HRESULT WebBrowserSite::GetOptionKeyPath(LPOLESTR* key, DWORD) { return NoObject(key); }
HRESULT WebBrowserSite::GetDropTarget(IDropTarget*, IDropTarget** target) { return NoObject(target); }
HRESULT WebBrowserSite::TranslateUrl(DWORD, LPWSTR, LPWSTR* out) {
    NoObject(out);
    return S_FALSE;
}
HRESULT WebBrowserSite::FilterDataObject(IDataObject*, IDataObject** out) {
    NoObject(out);
    return S_FALSE;
}

// The page may always use window.external.
HRESULT WebBrowserSite::GetExternal(IDispatch** external) {
    if (external == nullptr) {
        return E_POINTER;
    }
    *external = external_.Get();
    if (*external == nullptr) {
        return E_NOINTERFACE;
    }
    (*external)->AddRef();
    return S_OK;
}

HRESULT WebBrowserSite::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT WebBrowserSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    if (id != DISPID_DOCUMENTCOMPLETE) {
        return DISP_E_MEMBERNOTFOUND;
    }
    if (documentComplete_) {
        documentComplete_();
    }
    return S_OK;
}
