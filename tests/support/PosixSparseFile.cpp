#include <fcntl.h>
#include <unistd.h>

#include "SparseFile.h"

bool MakeSparseFile(const std::filesystem::path& path, uint64_t size,
                    const std::vector<std::pair<uint64_t, std::string>>& writes) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = ftruncate(fd, static_cast<off_t>(size)) == 0;
    for (const auto& [offset, bytes] : writes) {
        ok = ok && pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset)) ==
                       static_cast<ssize_t>(bytes.size());
    }
    return close(fd) == 0 && ok;
}
