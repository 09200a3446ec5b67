#include "PlaybackFixture.h"

#include "player/CheckHResult.h"
#include "support/MessagePump.h"
#include "PlayerMessages.h"
#include "TestRecordings.h"

namespace {

constexpr wchar_t kClassName[] = L"OstrilexTestVideo";
constexpr DWORD kSettleMs = 3000;

void RegisterClassOnce(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClassName;
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        return RegisterClassW(&windowClass) != 0;
    }();
    (void)registered;
}

// The recordings' folder as the engine is given it.
std::wstring RecordingPath(const std::string& name) { return TestRecordingPath(name).wstring(); }

}  // namespace

PlaybackWindow::PlaybackWindow(int width, int height) {
    RegisterClassOnce(&PlaybackWindow::Procedure);
    window_ = CreateWindowExW(0, kClassName, L"video", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
}

PlaybackWindow::~PlaybackWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
}

int PlaybackWindow::Count(UINT message) const {
    const auto it = counts_.find(message);
    return it == counts_.end() ? 0 : it->second;
}

LRESULT CALLBACK PlaybackWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<PlaybackWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr && message >= WM_APP) {
        ++self->counts_[message];
        if (message == WM_APP_GRAPH_EVENT && self->onGraphEvent) self->onGraphEvent();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void PlaybackTest::SetUp() {
    ASSERT_TRUE(apartment_.Ready());
    HResultReporterHook().Exchange([this](const std::wstring& text) { reports_.push_back(text); });
    window_ = std::make_unique<PlaybackWindow>(windowWidth_, windowHeight_);
    ASSERT_NE(window_->Handle(), nullptr);
    FillPlayerEngineTable(table_);
    ASSERT_EQ(table_.Init(&engine_, window_->Handle(), L"メイリオ"), 1);
    engine_.PlayerEngineReady = 1;
}

void PlaybackTest::TearDown() {
    EXPECT_LT(CloseTimed(), kHangMs) << "closing must not hang";
    engine_.PlayerEngineReady = 0;
    table_.Uninit(&engine_);
    window_.reset();
    HResultReporterHook().Exchange(nullptr);
    EXPECT_TRUE(reports_.empty()) << "a failure box would have shown: " << (reports_.empty() ? "" : std::string(
                                         reports_[0].begin(), reports_[0].end()));
}

DWORD PlaybackTest::CloseTimed() {
    const ULONGLONG start = GetTickCount64();
    table_.CloseMovie(&engine_);
    return static_cast<DWORD>(GetTickCount64() - start);
}

void PlaybackTest::OpenReady(const std::string& recording) {
    ASSERT_EQ(table_.OpenMovie(&engine_, RecordingPath(recording).c_str()), 1) << recording;
    ASSERT_TRUE(WaitUntil([this] { return window_->Count(WM_PLAYER_READY) > 0; }, kReadyWaitMs)) << recording;
}

bool PlaybackTest::WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    return testing_support::PumpUntil(done, timeoutMs);
}

void PlaybackTest::PumpFor(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    testing_support::PumpUntil([end] { return GetTickCount64() >= end; }, milliseconds + 1000);
}

int32_t PlaybackTest::SettledFrame() {
    int32_t last = Frame();
    int32_t settled = last;
    WaitUntil(
        [&] {
            PumpFor(100);
            const int32_t now = Frame();
            const bool still = now == last;
            last = now;
            settled = now;
            return still;
        },
        kSettleMs);
    return settled;
}

void PlaybackTest::PlaceLikeTheMainWindow() {
    ASSERT_EQ(table_.SetVideoZoom(&engine_, windowWidth_ / 2, windowHeight_ / 2, 0, 0, 1.0f, 1), 1);
}
