#include "map/CGoogleMapDlg2.h"

#include <gtest/gtest.h>

#include <memory>

#include "DispatchCall.h"
#include "FakeWebView2.h"
#include "RecordingBridge.h"

namespace {

// The web-view map window over a fake runtime, in a shown parent, as the
// main window holds it.
class WebViewMapWindow : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr,
                                  nullptr, nullptr);
        window_ = std::make_unique<CGoogleMapDlg2>(&bridge_, FakeWebViewRuntime(log_));
        ASSERT_TRUE(window_->CreateModeless(parent_));
        window_->Move({0, 0, 300, 200});
    }
    void TearDown() override {
        window_.reset();
        DestroyWindow(parent_);
    }
    // The first erase of its background starts the web view.
    void ShowMap() {
        window_->Show(SW_SHOW);
        window_->Redraw();
    }

    fw::ComApartment com_;
    RecordingBridge bridge_;
    std::shared_ptr<WebViewLog> log_ = std::make_shared<WebViewLog>();
    HWND parent_ = nullptr;
    std::unique_ptr<CGoogleMapDlg2> window_;
};

TEST_F(WebViewMapWindow, ShownItLoadsThePageAndGivesItTheHostObject) {
    EXPECT_TRUE(log_->calls.empty()) << "nothing before the window is shown";
    ShowMap();
    EXPECT_EQ(log_->calls, (std::vector<std::wstring>{
        L"Create (null) '' 92.0.902.49 sso 0", L"CreateCoreWebView2Controller", L"get_CoreWebView2", L"get_Settings",
        L"script 1", L"dialogs 1", L"messages 1", L"put_Bounds 300x200", L"NavigateToString",
        L"add_WebMessageReceived", L"add_NavigationStarting"}));
    EXPECT_EQ(log_->controllerResult, S_OK);
    EXPECT_EQ(log_->page.rfind(L"<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(log_->page.find(L"hostObjects.sync.sample"), std::wstring::npos);

    // Each navigation hands the page "sample", which answers through its type library.
    ASSERT_TRUE(log_->navigationStarting);
    log_->navigationStarting->Invoke(nullptr, nullptr);
    EXPECT_EQ(log_->calls.back(), L"AddHostObjectToScript sample");
    ASSERT_TRUE(log_->hostObject);
    VARIANT result;
    ASSERT_EQ(CallByName(log_->hostObject.Get(), L"JS2C_GetRelJpgNum", {}, &result), S_OK);
    EXPECT_EQ(std::wstring(result.bstrVal), L"42");
    VariantClear(&result);

    MapUpdateMessage update{35.5, 139.7, L"pause"};
    EXPECT_EQ(window_->PostMapUpdate(update), S_OK);
    EXPECT_EQ(log_->posted, L"{\"map_lat\":\"35.500000\",\"map_lng\":\"139.700000\",\"map_status\":\"pause\","
                            L"\"val_command\":\"update\",\"val_end\":\"\"}");
    window_->Move({0, 0, 320, 240});
    EXPECT_EQ(log_->calls.back(), L"put_Bounds 320x240");
    window_->RunScript(L"orbitgrplist.MoveMarker()");
    EXPECT_EQ(log_->calls.back(), L"ExecuteScript orbitgrplist.MoveMarker()");

    window_.reset();
    const std::vector<std::wstring> last(log_->calls.end() - 3, log_->calls.end());
    EXPECT_EQ(last, (std::vector<std::wstring>{L"RemoveHostObjectFromScript sample", L"remove_NavigationStarting 7",
                                               L"remove_WebMessageReceived 9"}));
}

struct FailingStep {
    const wchar_t* failing;
    bool nullController;
    const wchar_t* lastCall;
    bool controllerFails;  // the controller's completion answers E_FAIL
    bool noWebView;
};

class WebViewMapWindowFailing : public WebViewMapWindow, public ::testing::WithParamInterface<FailingStep> {};

// Each step stops the chain at once; the window stays blank, and without a
// web view nothing is posted.
TEST_P(WebViewMapWindowFailing, StopsAtTheFirstFailure) {
    const FailingStep& f = GetParam();
    log_->failing = f.failing;
    log_->nullController = f.nullController;
    ShowMap();
    EXPECT_EQ(log_->calls.back().rfind(f.lastCall, 0), 0u) << "nothing after the failing step";
    EXPECT_EQ(log_->controllerResult, f.controllerFails ? E_FAIL : S_OK);
    if (f.noWebView) {
        EXPECT_EQ(window_->PostMapUpdate({}), E_FAIL);
        EXPECT_TRUE(log_->posted.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, WebViewMapWindowFailing, ::testing::Values(
    FailingStep{L"Create", false, L"Create", false, true},
    FailingStep{L"CreateCoreWebView2Controller", false, L"CreateCoreWebView2Controller", false, true},
    FailingStep{L"", true, L"CreateCoreWebView2Controller", true, true},
    FailingStep{L"get_CoreWebView2", false, L"get_CoreWebView2", true, true},
    FailingStep{L"NavigateToString", false, L"NavigateToString", true, false},
    FailingStep{L"add_NavigationStarting", false, L"add_NavigationStarting", true, false}));

}  // namespace
