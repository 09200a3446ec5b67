#include "EngineLock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

namespace {

using namespace std::chrono_literals;

// The engine closes its locks at teardown while a loader thread may still
// hold one: the lock must stay until its holder lets go, or the holder's
// release reaches a closed lock.
TEST(EngineLock, ClosingWaitsForTheThreadHoldingIt) {
    EngineLock lock;
    ASSERT_TRUE(lock.Create(L"EngineLockTest"));
    std::promise<void> held;
    std::atomic<bool> closed{false};
    std::atomic<bool> openWhenLetGo{false};
    std::thread holder([&] {
        EngineLockGuard hold(lock);
        held.set_value();
        // Holds on until the closing thread waits for the lock as well.
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (PlayerEngineWaiters.load() < 2 && !closed && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::yield();
        }
        openWhenLetGo = !closed;
    });
    held.get_future().wait();
    std::thread closer([&] {
        lock.Close();
        closed = true;
    });
    holder.join();
    closer.join();
    EXPECT_TRUE(openWhenLetGo) << "the lock was closed under its holder";
    EXPECT_FALSE(lock.IsOpen());
    EXPECT_EQ(PlayerEngineWaiters, 0u);
}

}  // namespace
