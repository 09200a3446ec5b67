#include "RecorderFile.h"

#include <cstdint>

#include "ByteOrder.h"
#include "RecordingLayout.h"
#include "platform/ReadOnlyFile.h"

namespace R = RecordingLayout;

bool IsRecorderFileImage(ByteView head, ByteView tail, uint64_t fileSize) {
    if (fileSize == 0 || fileSize > R::kLargestFileSize) return false;
    if (fileSize < R::kRecorderFileHeadSize || head.size() < R::kRecorderFileHeadSize) return false;
    if (tail.size() < R::kMarkSize) return false;
    if (!BytesEqual(tail.data(), R::kSectionEndMark, R::kMarkSize)) return false;
    return BytesEqual(head.data() + R::kBoxTypeOffset, R::kFileTypeBox, R::kBoxTypeSize);
}

bool IsRecorderFile(const std::filesystem::path& path) {
    const auto file = OpenReadOnlyFile(path);
    if (!file) return false;
    const uint64_t size = file->Size();
    if (size < R::kRecorderFileHeadSize || size > R::kLargestFileSize) return false;
    uint8_t head[R::kRecorderFileHeadSize];
    uint8_t tail[R::kRecorderFileTailSize];
    if (!file->ReadAt(size - R::kRecorderFileTailSize, tail, sizeof tail)) return false;
    if (!file->ReadAt(0, head, sizeof head)) return false;
    return IsRecorderFileImage(ByteView(head, sizeof head), ByteView(tail, sizeof tail), size);
}
