#include "ByteSource.h"

#include <mutex>

namespace {

std::mutex g_openerLock;
ByteSourceOpener g_opener;

}  // namespace

std::unique_ptr<ByteSource> OpenByteSource(const std::filesystem::path& path) {
    ByteSourceOpener opener;
    {
        std::lock_guard<std::mutex> hold(g_openerLock);
        opener = g_opener;
    }
    return opener ? opener(path) : OpenFileByteSource(path);
}

ScopedByteSourceOpener::ScopedByteSourceOpener(ByteSourceOpener opener) {
    std::lock_guard<std::mutex> hold(g_openerLock);
    previous_ = std::move(g_opener);
    g_opener = std::move(opener);
}

ScopedByteSourceOpener::~ScopedByteSourceOpener() {
    std::lock_guard<std::mutex> hold(g_openerLock);
    g_opener = std::move(previous_);
}
