#include "app/core/JobRules.h"

#include <cstdio>

namespace {

constexpr int kWhole = 100;
constexpr double kMergeShare = 0.99;
constexpr UiChar kSeparator = UI_TEXT('\\');

}  // namespace

int WorkerPercent(uint32_t done, int32_t total) {
    if (total <= 0) {
        return kWhole;
    }
    const uint64_t percent = static_cast<uint64_t>(done) * kWhole / static_cast<uint64_t>(total);
    return percent > kWhole ? kWhole : static_cast<int>(percent);
}

int32_t JoinMergeProgress(int32_t merged) { return static_cast<int32_t>(merged * kMergeShare); }

bool JoinFitsFreeSpace(uint64_t totalBytes, std::optional<uint64_t> freeBytes) {
    return freeBytes.has_value() && totalBytes < *freeBytes;
}

UiString SnapshotFilePath(UiStringView folder, UiStringView recordingName, uint32_t group, uint32_t sequence,
                          int32_t frame) {
    const bool endsInSeparator = !folder.empty() && folder.back() == kSeparator;
    const UiStringView trimmed = endsInSeparator ? folder.substr(0, folder.size() - 1) : folder;
    const size_t slash = trimmed.find_last_of(kSeparator);
    // A drive root ("E:\") has no folder name: its letter stands for it.
    const UiStringView folderName =
        slash == UiStringView::npos ? trimmed.substr(0, trimmed.empty() ? 0 : 1) : trimmed.substr(slash + 1);
    const size_t dot = recordingName.find(UI_TEXT('.'));
    const UiStringView stem = dot == UiStringView::npos ? UiStringView() : recordingName.substr(0, dot);

    UiString path(folder);
    if (!endsInSeparator) {
        path += kSeparator;
    }
    path.append(folderName).append(UI_TEXT("-")).append(stem);
    char numbers[48];
    std::snprintf(numbers, sizeof numbers, "-%03u_%03u_%06d.jpg", group, sequence, frame);
    for (const char* c = numbers; *c != '\0'; ++c) {
        path += static_cast<UiChar>(*c);
    }
    return path;
}
