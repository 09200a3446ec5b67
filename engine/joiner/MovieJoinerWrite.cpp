// Writing a (merged) box tree: table bodies from their copies, media data
// and entries straight from the source files.

#include <algorithm>
#include <cstring>

#include "MovieJoiner.h"
#include "format/ByteOrder.h"
#include "format/RecordingLayout.h"
#include "reader/ReaderView.h"

namespace R = RecordingLayout;

namespace {

// The largest view a copy maps at once.
constexpr uint64_t kCopyWindow = 0x2000000;

bool Stopped(const StopRequested& stop) { return stop && stop(); }

bool WriteBytes(OutputSink& out, const uint8_t* data, size_t size) { return size == 0 || out.Write(data, size); }

bool WriteMark(OutputSink& out, const char* mark) {
    return out.Write(reinterpret_cast<const uint8_t*>(mark), R::kMarkSize);
}

// Copies length bytes of a node's file from offset, one view at a time,
// each view aligned and no larger than the copy window.
bool CopyFromSource(const BoxNode& node, uint64_t offset, uint64_t length, OutputSink& out,
                    const StopRequested& stop) {
    ByteSource& source = node.index->Source();
    const uint64_t granularity = source.AllocationGranularity();
    while (length > 0) {
        if (Stopped(stop)) return false;
        const uint64_t window = std::min(length, kCopyWindow - offset % granularity);
        const auto view =
            MapReaderView(source, offset, window, source.Size(), ViewFailure::kQuiet, ViewUse::kReadThrough);
        if (!view || view->bytes.size() != window) return false;
        if (!out.Write(view->bytes.data(), view->bytes.size())) return false;
        offset += window;
        length -= window;
    }
    return true;
}

bool WriteHeader(const BoxNode& node, OutputSink& out) {
    const uint64_t size = node.GetTotalSize();
    if (size > R::kLargestFileSize) return false;  // a 32-bit size cannot say it
    uint8_t header[R::kBoxHeaderSize];
    WriteU32BE(header, static_cast<uint32_t>(size));
    std::memcpy(header + R::kBoxTypeOffset, node.type, R::kBoxTypeSize);
    return out.Write(header, sizeof header);
}

bool WriteMediaData(const BoxNode& node, OutputSink& out, const StopRequested& stop) {
    if (!CopyFromSource(node, node.sourceOffset, node.sourceSize, out, stop)) return false;
    for (const BoxNode* later = node.chainHead; later != nullptr; later = later->chainNext) {
        if (!MovieJoiner::CopyChainedData(*later, out, stop)) return false;
    }
    return true;
}

bool CopyEntries(const BoxNode& section, OutputSink& out, const StopRequested& stop) {
    return CopyFromSource(section, section.sourceOffset + R::kFirstEntryOffsetInBody, section.entryBytes, out, stop);
}

// The head with every recording's entries, "CSMEND", and then whatever
// followed the first recording's section inside its box.
bool WriteDataSection(const BoxNode& node, OutputSink& out, const StopRequested& stop) {
    if (!MovieJoiner::WriteDataSectionHead(node, out, stop)) return false;
    for (const BoxNode* later = node.chainHead; later != nullptr; later = later->chainNext) {
        if (!CopyEntries(*later, out, stop)) return false;
    }
    if (!WriteMark(out, R::kSectionEndMark)) return false;
    const uint64_t ownSection = R::DataSectionBodySize(node.entryCount);
    return CopyFromSource(node, node.sourceOffset + ownSection, node.sourceSize - ownSection, out, stop);
}

}  // namespace

bool MovieJoiner::WriteDataSectionHead(const BoxNode& node, OutputSink& out, const StopRequested& stop) {
    // A single recording has no total: its own count is the total.
    const uint64_t total = node.totalEntryCount != 0 ? node.totalEntryCount : node.entryCount;
    if (total > R::kLargestEntryCount) return false;
    uint8_t count[R::kEntryCountSize];
    WriteU16BE(count, static_cast<uint16_t>(total));
    return WriteMark(out, R::kSectionStartMark) &&
           CopyFromSource(node, node.sourceOffset + R::kRecorderRecordOffsetInBody, R::kRecorderRecordSize, out,
                          stop) &&
           out.Write(count, sizeof count) && CopyEntries(node, out, stop);
}

bool MovieJoiner::CopyChainedData(const BoxNode& node, OutputSink& out, const StopRequested& stop) {
    if (node.sourceSize < R::kUnusedMediaBytes) return false;
    const uint64_t from = node.sourceOffset + R::kUnusedMediaBytes;
    return CopyFromSource(node, from, node.sourceSize - R::kUnusedMediaBytes, out, stop);
}

bool MovieJoiner::WriteBox(const BoxNode& node, OutputSink& out, const StopRequested& stop) {
    if (Stopped(stop)) return false;
    if (node.depth > 0 && !WriteHeader(node, out)) return false;
    if (node.IsMediaData()) return WriteMediaData(node, out, stop);
    if (node.IsDataSection()) return WriteDataSection(node, out, stop);
    if (node.bodyCopied) return WriteBytes(out, node.body.data(), node.body.size());
    for (const BoxNode& child : node.children) {
        if (!WriteBox(child, out, stop)) return false;
    }
    // What follows a type the system does not know is kept as it stands.
    return CopyFromSource(node, node.sourceOffset + node.parsedLength, node.UnparsedLength(), out, stop);
}
