// Which map window the program can use: the web-view runtime's
// registration, looked for in the user's and the machine's registry.
#include "app/WebViewRuntime.h"

#include <gtest/gtest.h>

namespace {

// The runtime's registration key, present for the test's scope.
class RegisteredRuntime {
public:
    RegisteredRuntime(HKEY root, REGSAM view) : root_(root), view_(view) {
        HKEY key = nullptr;
        created_ = RegCreateKeyExW(root_, kWebViewClientKey, 0, nullptr, 0, KEY_WRITE | view_, nullptr, &key,
                                   nullptr) == ERROR_SUCCESS;
        if (created_) {
            RegCloseKey(key);
        }
    }
    ~RegisteredRuntime() {
        if (created_) {
            RegDeleteKeyExW(root_, kWebViewClientKey, view_, 0);
        }
    }
    RegisteredRuntime(const RegisteredRuntime&) = delete;
    RegisteredRuntime& operator=(const RegisteredRuntime&) = delete;

    bool Created() const { return created_; }

private:
    HKEY root_;
    REGSAM view_;
    bool created_ = false;
};

TEST(WebViewRuntime, NotInstalledWithoutARegistration) { EXPECT_FALSE(IsWebViewRuntimeInstalled()); }

TEST(WebViewRuntime, InstalledForTheUser) {
    const RegisteredRuntime runtime(HKEY_CURRENT_USER, 0);
    ASSERT_TRUE(runtime.Created());
    EXPECT_TRUE(IsWebViewRuntimeInstalled());
}

TEST(WebViewRuntime, InstalledForTheMachineInTheProgramsOwnView) {
    const RegisteredRuntime runtime(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY);
    ASSERT_TRUE(runtime.Created());
    EXPECT_TRUE(IsWebViewRuntimeInstalled());
}

// Where a machine-wide runtime really registers itself.
TEST(WebViewRuntime, InstalledForTheMachineInThe32BitView) {
    const RegisteredRuntime runtime(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY);
    ASSERT_TRUE(runtime.Created());
    EXPECT_TRUE(IsWebViewRuntimeInstalled());
}

TEST(WebViewRuntime, ARegistrationThatIsGoneCountsNoMore) {
    {
        const RegisteredRuntime runtime(HKEY_CURRENT_USER, 0);
        ASSERT_TRUE(IsWebViewRuntimeInstalled());
    }
    EXPECT_FALSE(IsWebViewRuntimeInstalled());
}

}  // namespace
