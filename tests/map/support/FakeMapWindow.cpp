#include "FakeMapWindow.h"

namespace {

std::vector<std::wstring> WithPrefix(const std::vector<std::wstring>& events, const std::wstring& prefix) {
    std::vector<std::wstring> found;
    for (const std::wstring& e : events) {
        if (e.compare(0, prefix.size(), prefix) == 0) {
            found.push_back(e.substr(prefix.size()));
        }
    }
    return found;
}

}  // namespace

std::vector<std::wstring> MapWindowLog::Scripts() const { return WithPrefix(events, L"script:"); }
std::vector<std::wstring> MapWindowLog::Posts() const { return WithPrefix(events, L"post:"); }
int MapWindowLog::Pushes() const { return static_cast<int>(WithPrefix(events, L"push:").size()); }

FakeMapWindow::~FakeMapWindow() {
    if (onDelete_) {
        onDelete_();
    }
    log_->deleted = true;
}

void FakeMapWindow::RunScript(const std::wstring& statement) { log_->events.push_back(L"script:" + statement); }

void FakeMapWindow::SetPosition(double latitude, double longitude) {
    latitude_ = latitude;
    longitude_ = longitude;
}

void FakeMapWindow::SetStatusText(const std::wstring& status) {
    status_ = status;
    log_->events.push_back(L"status:" + status);
}

void FakeMapWindow::PushFields() { log_->events.push_back(L"push:" + status_); }

void FakeMapWindow::ShowMapWindow(int command) {
    visible_ = command != SW_HIDE;
    log_->events.push_back(L"show:" + std::to_wstring(command));
}

HRESULT FakeMapWindow::PostMapUpdate(const MapUpdateMessage& message) {
    if (!webViewReady_) {
        return E_FAIL;
    }
    log_->events.push_back(L"post:" + message.ToJson());
    return S_OK;
}
