#include <windows.h>
#include <mfapi.h>
#include <mferror.h>

#include <gtest/gtest.h>

#include <thread>

#include "CMFActivate.h"
#include "LiveObjects.h"
#include "PresentEngineHooks.h"
#include "support/PresenterTestSession.h"

namespace {

using Presenters = LiveObjects<EVRCustomPresenter>;

class CMFActivateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mediaFoundation_.Ready());
        CMFActivate* created = nullptr;
        ASSERT_EQ(CMFActivate::CreateInstance(&created), S_OK);
        activate_ = fw::ComPtr<CMFActivate>::Adopt(created);
    }
    fw::ComPtr<IMFVideoPresenter> Activate() {
        fw::ComPtr<IMFVideoPresenter> presenter;
        activate_->ActivateObject(__uuidof(IMFVideoPresenter), reinterpret_cast<void**>(presenter.Put()));
        return presenter;
    }

    MediaFoundationScope mediaFoundation_;
    fw::ComPtr<CMFActivate> activate_;
};

TEST_F(CMFActivateTest, HandsOutOnePresenterAndOnlyAsAPresenter) {
    fw::ComPtr<IUnknown> other;
    EXPECT_EQ(activate_->ActivateObject(__uuidof(IMFVideoDisplayControl), reinterpret_cast<void**>(other.Put())),
              MF_E_CANNOT_CREATE_SINK);
    EXPECT_EQ(Presenters::Count(), 0);
    EXPECT_EQ(activate_->ActivateObject(__uuidof(IMFVideoPresenter), nullptr), E_POINTER);
    EXPECT_EQ(activate_->Presenter(), nullptr);

    auto first = Activate();
    auto again = Activate();
    ASSERT_TRUE(first);
    EXPECT_EQ(first.Get(), again.Get());
    EXPECT_EQ(static_cast<IMFVideoPresenter*>(activate_->Presenter()), first.Get());
    EXPECT_EQ(Presenters::Count(), 1);

    ASSERT_EQ(activate_->DetachObject(), S_OK);
    EXPECT_EQ(activate_->Presenter(), nullptr);
    auto second = Activate();
    EXPECT_NE(second.Get(), first.Get());
    EXPECT_EQ(Presenters::Count(), 2) << "the detached one lives on for its holders";
    ASSERT_EQ(activate_->ShutdownObject(), S_OK);
    EXPECT_EQ(activate_->Presenter(), nullptr);
    Activate();
    first.Reset();
    again.Reset();
    second.Reset();
    activate_.Reset();
    EXPECT_EQ(PresenterObjectsAlive(), 0) << "the activation object took its presenter with it";
}

TEST_F(CMFActivateTest, ActivationsAtTheSameTimeShareOnePresenter) {
    fw::ComPtr<IMFVideoPresenter> fromThread;
    std::thread other([&] { fromThread = Activate(); });
    const auto fromHere = Activate();
    other.join();
    EXPECT_EQ(fromThread.Get(), fromHere.Get());
    EXPECT_EQ(Presenters::Count(), 1);
}

TEST_F(CMFActivateTest, ADirect3DThatCannotStartMakesNoPresenter) {
    ScopedHookReplacement failing(PresentEngineTestHooks().direct3DCreate9Ex,
                                  std::function<HRESULT()>([] { return D3DERR_NOTAVAILABLE; }));
    fw::ComPtr<IUnknown> presenter;
    EXPECT_EQ(activate_->ActivateObject(__uuidof(IMFVideoPresenter), reinterpret_cast<void**>(presenter.Put())),
              MF_E_CANNOT_CREATE_SINK);
    EXPECT_EQ(Presenters::Count(), 0);
}

}  // namespace
