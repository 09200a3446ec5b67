// Feeds arbitrary bytes as a whole file to the box index and the readers of
// the export. Every view is a separate exact-size heap block, so a read past
// a view is caught. An index that opens must describe the file exactly: its
// tree adds up to the file's size, every box lies inside its parent, and
// every listed box is of its list's type.

#include "FuzzFiles.h"
#include "KnownBoxTypes.h"
#include "index/MovieBoxIndex.h"

namespace {

using fuzz::Check;

constexpr wchar_t kPath[] = L"fuzz.MOV";
constexpr char kListTags[kBoxListCount][5] = {"mdat", "udat", "stsz", "stco", "mdhd", "stss",
                                              "stts", "mvhd", "tkhd", "elst", "stsd"};

void CheckNode(const BoxNode& node, int32_t depth) {
    Check(node.depth == depth);
    Check(node.parsedLength <= node.sourceSize);
    Check(!node.bodyCopied || node.body.size() == node.sourceSize);
    uint64_t at = node.sourceOffset;
    for (const BoxNode& child : node.children) {
        Check(child.sourceOffset == at + 8);
        at = child.sourceOffset + child.sourceSize;
        CheckNode(child, depth + 1);
    }
    if (!node.children.empty()) Check(at == node.sourceOffset + node.parsedLength);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::ServeFilesFromMemory();
    static const bool built = BuildKnownBoxTypes();
    static const FixedOffsetTimeZone zone(9 * 60);
    Check(built);
    fuzz::SetFile(kPath, data, size);

    const auto index = MovieBoxIndex::Open(kPath);
    if (!index) return 0;
    Check(index->Root().GetTotalSize() - 8 == size);
    CheckNode(index->Root(), 0);
    for (size_t i = 0; i < kBoxListCount; ++i) {
        for (const BoxNode* node : index->List(static_cast<BoxList>(i))) {
            Check(node->TypeIs(kListTags[i]));
            Check(node->sourceOffset + node->sourceSize <= size);
        }
    }
    for (const BoxNode* section : index->List(BoxList::kUdat)) {
        Check(section->sectionLength <= section->sourceSize);
    }

    const uint64_t frameSize = index->GetFrameSize();
    Check(frameSize == MovieBoxIndex::kNoFrameSize || frameSize >> 48 == 0);
    const int64_t frames = index->GetFrameCount();
    const float rate = index->GetFrameRate();
    Check(frames >= -1 && (rate > 0.0f || rate == -1.0f));
    SystemTime start;
    index->FindRecordingStartTime(start, zone);
    return 0;
}
