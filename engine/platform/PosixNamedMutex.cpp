#include <map>
#include <mutex>
#include <string>

#include "NamedMutex.h"

// Names are shared within the process: every handle of one name locks the
// same recursive mutex, as the readers and the engine expect.
namespace {

class PosixNamedMutex final : public NamedMutex {
public:
    explicit PosixNamedMutex(std::shared_ptr<std::recursive_mutex> mutex) : mutex_(std::move(mutex)) {}
    void Lock() override { mutex_->lock(); }
    void Unlock() override { mutex_->unlock(); }

private:
    std::shared_ptr<std::recursive_mutex> mutex_;
};

std::shared_ptr<std::recursive_mutex> MutexNamed(const wchar_t* name) {
    static std::mutex registryLock;
    static std::map<std::wstring, std::weak_ptr<std::recursive_mutex>> registry;
    std::lock_guard<std::mutex> hold(registryLock);
    std::weak_ptr<std::recursive_mutex>& slot = registry[name ? name : L""];
    std::shared_ptr<std::recursive_mutex> mutex = slot.lock();
    if (!mutex) {
        mutex = std::make_shared<std::recursive_mutex>();
        slot = mutex;
    }
    return mutex;
}

}  // namespace

std::unique_ptr<NamedMutex> CreateSystemNamedMutex(const wchar_t* name) {
    return std::make_unique<PosixNamedMutex>(MutexNamed(name));
}
