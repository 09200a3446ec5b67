#include "FakePlaybackBackend.h"

#include <sstream>

FakePlaybackBackend::~FakePlaybackBackend() {
    if (destroyed != nullptr) *destroyed = true;
}

bool FakePlaybackBackend::Log(const std::string& call, bool result) {
    calls.push_back(call);
    return result;
}

bool FakePlaybackBackend::ReadReversePlayable(uint32_t& reverse) {
    reverse = 0;
    return true;
}

bool FakePlaybackBackend::ReadDuration(int64_t& value) {
    value = duration;
    return duration >= 0;
}

bool FakePlaybackBackend::ReadPosition(int64_t& value) {
    const size_t at = static_cast<size_t>(positionReads++);
    if (positions.empty()) return false;
    value = positions[std::min(at, positions.size() - 1)];
    return true;
}

bool FakePlaybackBackend::ReadNativeVideoSize(int32_t& width, int32_t& height) {
    width = videoWidth;
    height = videoHeight;
    return true;
}

bool FakePlaybackBackend::ReadClientRect(ZoomRect& rect) {
    rect = client;
    return true;
}

bool FakePlaybackBackend::SetRate(float rate, bool thin) {
    std::ostringstream text;
    text << "Rate " << rate << (thin ? " thin" : "");
    return Log(text.str(), rateAccepted);
}

bool FakePlaybackBackend::SetVideoDestination(const ZoomRect& rect) {
    std::ostringstream text;
    text << "Place " << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
    return Log(text.str(), true);
}

bool FakePlaybackBackend::ShowOverlayText(const wchar_t*, HFONT__*, const OverlaySize& size, int32_t, int32_t) {
    return Log("Overlay " + std::to_string(size.width) + "x" + std::to_string(size.height), true);
}

ScopedFakeBackends::ScopedFakeBackends(std::function<void(FakePlaybackBackend&)> setUp)
    : setUp_(std::move(setUp)), factory_([this](HWND__*) -> std::unique_ptr<PlaybackBackend> {
          auto backend = std::make_unique<FakePlaybackBackend>();
          if (setUp_) setUp_(*backend);
          latest_ = backend.get();
          ++made_;
          return backend;
      }) {}

bool FakePlaybackBackend::TakeGraphEvent(int32_t& code) {
    if (graphEvents.empty()) return false;
    code = graphEvents.front();
    graphEvents.erase(graphEvents.begin());
    return true;
}
