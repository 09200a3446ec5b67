#include "map/CGoogleMapDlg2.h"

namespace {

constexpr int kWebViewMapTemplate = 326;

}  // namespace

CGoogleMapDlg2::CGoogleMapDlg2(IHostWebViewFuncs* bridge, CWebView2Holder::EnvironmentCreator createEnvironment)
    : fw::Dialog(kWebViewMapTemplate), bridge_(bridge), holder_(std::move(createEnvironment)) {}

CGoogleMapDlg2::~CGoogleMapDlg2() { holder_.RemoveHostHandlers(); }

const fw::MessageMap& CGoogleMapDlg2::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Dialog::GetMessageMap(), {
        fw::OnMessage(WM_ERASEBKGND, &CGoogleMapDlg2::OnEraseBkgnd),
        fw::OnMessage(WM_SIZE, &CGoogleMapDlg2::OnSize),
        fw::OnMessage(WM_APP_DEFERRED_CALL, &CGoogleMapDlg2::OnDeferredCall),
        fw::OnMessage(WM_DESTROY, &CGoogleMapDlg2::OnDestroy),
    });
    return map;
}

void CGoogleMapDlg2::SetPosition(double latitude, double longitude) {
    latitude_ = latitude;
    longitude_ = longitude;
}

HRESULT CGoogleMapDlg2::PostMapUpdate(const MapUpdateMessage& message) {
    return holder_.PostMapUpdate(message.status, message.latitude, message.longitude);
}

LRESULT CGoogleMapDlg2::OnEraseBkgnd(const fw::Message& m) {
    if (!holder_.Started()) {
        holder_.Start(Handle(), bridge_);
    }
    return Default(m);
}

LRESULT CGoogleMapDlg2::OnSize(const fw::Message& m) {
    Default(m);
    holder_.ResizeToClient();
    return 0;
}

LRESULT CGoogleMapDlg2::OnDeferredCall(const fw::Message& m) {
    RunDeferredCall(m.lParam);
    return 0;
}

// Callbacks still on their way are let go with the window.
LRESULT CGoogleMapDlg2::OnDestroy(const fw::Message& m) {
    MSG pending;
    while (PeekMessageW(&pending, Handle(), WM_APP_DEFERRED_CALL, WM_APP_DEFERRED_CALL, PM_REMOVE)) {
        DropDeferredCall(pending.lParam);
    }
    return Default(m);
}
