#include "ByteSource.h"

ReplaceableHook<ByteSourceOpener>& ByteSourceOpenerHook() {
    static ReplaceableHook<ByteSourceOpener> hook;
    return hook;
}

std::unique_ptr<ByteSource> OpenByteSource(const std::filesystem::path& path) {
    const ByteSourceOpener opener = ByteSourceOpenerHook().Current();
    return opener ? opener(path) : OpenFileByteSource(path);
}
