#include "framework/Dialog.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "framework/Application.h"
#include "framework/UserPrompts.h"
#include "framework/WorkerThread.h"
#include "support/DialogDriver.h"
#include "support/HostWindow.h"
#include "support/MessagePump.h"
#include "support/ScriptedPrompts.h"

namespace {

using testing_support::PressButton;
using testing_support::WaitForDialog;

constexpr int kTemplateWithOk = 177;
constexpr int kTemplateWithChecks = 178;
constexpr UINT WM_APP_FINISH = WM_APP + 5;

// A dialog whose OK may first ask the user through the prompts.
class ProbeDialog : public fw::Dialog {
public:
    explicit ProbeDialog(int templateId = kTemplateWithOk) : fw::Dialog(templateId) {}

    bool askBeforeOk = false;
    std::atomic<DWORD> initThread{0};

protected:
    BOOL OnInitDialog() override {
        initThread = GetCurrentThreadId();
        SetText(L"Probe");
        return TRUE;
    }
    void OnOK() override {
        if (askBeforeOk && fw::Prompts().ShowMessage(Handle(), L"続行しますか？", L"確認", MB_OKCANCEL) != IDOK) {
            return;
        }
        EndDialog(IDOK);
    }
    const fw::MessageMap& GetMessageMap() const override {
        static const fw::MessageMap map(&fw::Dialog::GetMessageMap(), {
            fw::OnMessage(WM_APP_FINISH, &ProbeDialog::OnFinish),
        });
        return map;
    }

private:
    LRESULT OnFinish(const fw::Message& m) {
        EndDialog(m.lParam);
        return 0;
    }
};

// Runs `drive` on its own thread while the test thread sits in a modal loop.
class Driver {
public:
    explicit Driver(std::function<void(DWORD)> drive)
        : thread_([drive, id = GetCurrentThreadId()] { drive(id); }) {}
    ~Driver() { thread_.join(); }

private:
    std::thread thread_;
};

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override { fw::RegisterCommonControls(); }
};

TEST_F(Dialogs, AModalDialogEndsWithTheButtonPressed) {
    for (const int button : {IDOK, IDCANCEL}) {
        ProbeDialog dialog;
        Driver driver([button](DWORD thread) { PressButton(WaitForDialog(thread, L"Probe"), button); });
        EXPECT_EQ(dialog.DoModal(nullptr), button);
        EXPECT_EQ(dialog.initThread.load(), GetCurrentThreadId());
        EXPECT_EQ(dialog.Handle(), nullptr);
    }
}

TEST_F(Dialogs, AHandlerOfTheDialogsTableCanEndIt) {
    ProbeDialog dialog;
    Driver driver([](DWORD thread) { PostMessageW(WaitForDialog(thread, L"Probe"), WM_APP_FINISH, 0, 1234); });
    EXPECT_EQ(dialog.DoModal(nullptr), 1234);
}

TEST_F(Dialogs, AConfirmationGoesThroughThePromptsAndCanKeepTheDialogOpen) {
    testing_support::ScriptedPrompts prompts;
    fw::ScopedPrompts scoped(prompts);
    prompts.QueueMessageAnswer(IDCANCEL);
    prompts.QueueMessageAnswer(IDOK);
    ProbeDialog dialog;
    dialog.askBeforeOk = true;
    std::atomic<bool> openAfterFirstOk{false};
    Driver driver([&](DWORD thread) {
        const HWND window = WaitForDialog(thread, L"Probe");
        PressButton(window, IDOK);
        testing_support::WaitUntilClosed(window, 300);
        openAfterFirstOk = IsWindow(window) != FALSE;
        PressButton(window, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    EXPECT_TRUE(openAfterFirstOk.load());
    const auto messages = prompts.Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].caption, L"確認");
    EXPECT_EQ(messages[0].type, static_cast<UINT>(MB_OKCANCEL));
}

TEST_F(Dialogs, AModalDialogRunsOnAWorkerWhileItsOwnerLivesOnThisThread) {
    testing_support::HostWindow owner;
    ProbeDialog dialog;
    fw::WorkerThread worker([&] { return static_cast<unsigned>(dialog.DoModal(owner.Handle())); });
    ASSERT_TRUE(worker.Resume());

    // This thread keeps handling messages: the dialog disables its owner
    // across threads.
    HWND window = nullptr;
    ASSERT_TRUE(testing_support::PumpUntil([&] { return (window = WaitForDialog(worker.ThreadId(), L"Probe", 0)); }));
    EXPECT_FALSE(owner.IsEnabled());
    EXPECT_EQ(GetWindow(window, GW_OWNER), owner.Handle());
    PressButton(window, IDOK);
    ASSERT_TRUE(testing_support::WaitPumping(worker.Handle()));

    EXPECT_EQ(worker.ExitCode(), static_cast<unsigned>(IDOK));
    EXPECT_EQ(dialog.initThread.load(), worker.ThreadId());
    EXPECT_TRUE(owner.IsEnabled());
}

TEST_F(Dialogs, AModelessDialogHidesOnCloseAndGoesWithItsObject) {
    testing_support::HostWindow parent;
    HWND window = nullptr;
    {
        ProbeDialog dialog;
        ASSERT_TRUE(dialog.CreateModeless(parent.Handle()));
        window = dialog.Handle();
        dialog.Show(SW_SHOW);
        EXPECT_TRUE(dialog.IsVisible());
        PressButton(window, IDCANCEL);
        testing_support::PumpPending();
        EXPECT_TRUE(IsWindow(window));
        EXPECT_FALSE(dialog.IsVisible());
    }
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(Dialogs, AMissingTemplateFailsInsteadOfBlocking) {
    ProbeDialog dialog(9999);
    EXPECT_EQ(dialog.DoModal(nullptr), -1);
    EXPECT_FALSE(dialog.CreateModeless(nullptr));
}

}  // namespace
