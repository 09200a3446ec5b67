#include "BoxNode.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "MovieBoxIndex.h"
#include "format/RecordingLayout.h"
#include "reader/ReaderView.h"

namespace R = RecordingLayout;

namespace {

constexpr char kMediaDataType[] = "mdat";

}  // namespace

void BoxNode::SetPlace(const uint8_t* boxType, uint64_t bodySize, uint64_t bodyOffset, MovieBoxIndex& owner) {
    std::memcpy(type, boxType, R::kBoxTypeSize);
    type[R::kBoxTypeSize] = '\0';
    index = &owner;
    sourcePath = &owner.Path();
    writtenSize = sourceSize = bodySize;
    writtenOffset = sourceOffset = bodyOffset;
}

bool BoxNode::Init(const uint8_t* boxType, uint64_t bodySize, uint64_t bodyOffset, MovieBoxIndex& owner,
                   bool copyBody) {
    SetPlace(boxType, bodySize, bodyOffset, owner);
    if (IsMediaData()) {
        leaf = 1;
        return true;
    }
    if (!copyBody) return true;

    leaf = 1;
    bodyCopied = true;
    if (bodySize == 0) return true;
    const auto view = MapReaderView(owner.Source(), bodyOffset, bodySize, owner.FileSize(), ViewFailure::kQuiet);
    if (!view || view->bytes.size() != bodySize) return false;
    try {
        body.assign(view->bytes.data(), view->bytes.data() + view->bytes.size());
    } catch (const std::bad_alloc&) {
        return false;
    }
    copiedLength = body.size();
    return true;
}

bool BoxNode::InitDataSection(uint64_t bodySize, uint64_t bodyOffset, MovieBoxIndex& owner, uint64_t count) {
    SetPlace(reinterpret_cast<const uint8_t*>(R::kDataSectionType), bodySize, bodyOffset, owner);
    leaf = 1;
    if (bodySize < R::kSectionFixedBodySize) return false;
    // A count that runs past the box (a recording cut short) keeps the
    // entries the box holds whole, as the reader does; the rest of the
    // recording stays readable, and a join finds no end mark after them.
    entryCount = std::min<uint64_t>(count, (bodySize - R::kSectionFixedBodySize) / R::kUdatEntrySize);
    entryBytes = R::kUdatEntrySize * entryCount;
    sectionLength = R::DataSectionBodySize(entryCount);
    totalEntryCount = 0;
    return true;
}

uint64_t BoxNode::GetTotalSize() const {
    if (IsMediaData() || IsDataSection() || bodyCopied) return R::kBoxHeaderSize + writtenSize;
    uint64_t total = R::kBoxHeaderSize + UnparsedLength();
    for (const BoxNode& child : children) total += child.GetTotalSize();
    return total;
}

void BoxNode::FreeTree() {
    for (BoxNode& child : children) child.FreeTree();
    std::vector<BoxNode>().swap(children);
    std::vector<uint8_t>().swap(body);
}

bool BoxNode::TypeIs(const char* tag) const { return std::memcmp(type, tag, R::kBoxTypeSize) == 0; }

bool BoxNode::IsMediaData() const { return TypeIs(kMediaDataType); }

bool BoxNode::IsDataSection() const { return TypeIs(R::kDataSectionType); }

void BoxNode::Chain(BoxNode& later) {
    if (chainHead == nullptr) {
        chainHead = &later;
    } else {
        chainTail->chainNext = &later;
    }
    chainTail = &later;
}
