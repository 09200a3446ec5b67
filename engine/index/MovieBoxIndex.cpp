#include "MovieBoxIndex.h"

#include <algorithm>
#include <new>

#include "KnownBoxTypes.h"
#include "format/ByteOrder.h"
#include "format/RecordingLayout.h"
#include "reader/ReaderView.h"

namespace R = RecordingLayout;

namespace {

constexpr char kListTags[kBoxListCount][5] = {"mdat", "udat", "stsz", "stco", "mdhd", "stss",
                                              "stts", "mvhd", "tkhd", "elst", "stsd"};

// A box header and, for a data section, everything up to its entry count.
constexpr uint64_t kHeaderViewLength = R::kBoxHeaderSize + R::kEntryCountOffsetInBody + R::kEntryCountSize;

// Movies nest a handful of levels. A deeper tree is malformed, and is
// refused before it can exhaust the stack.
constexpr int32_t kDeepestBox = 32;

constexpr uint8_t kRootType[R::kBoxTypeSize] = {};

const BoxNode* FindParent(const BoxNode& from, const BoxNode& node) {
    for (const BoxNode& child : from.children) {
        if (&child == &node) return &from;
        if (const BoxNode* found = FindParent(child, node)) return found;
    }
    return nullptr;
}

}  // namespace

MovieBoxIndex::~MovieBoxIndex() = default;

std::unique_ptr<MovieBoxIndex> MovieBoxIndex::Open(const std::wstring& path) {
    // Held for the parse, so a teardown meanwhile cannot free the set under it.
    const std::shared_ptr<const BoxTypeTrie> knownTypes = KnownBoxTypes();
    if (!knownTypes) return nullptr;
    try {
        auto index = std::make_unique<MovieBoxIndex>(Key());
        if (!index->MapFile(path) || !index->ParseTree(*knownTypes)) return nullptr;
        return index;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

bool MovieBoxIndex::MapFile(const std::wstring& path) {
    source_ = OpenByteSource(std::filesystem::path(path));
    if (!source_) return false;
    fileSize_ = source_->Size();
    path_ = path;
    return true;
}

bool MovieBoxIndex::ParseTree(const BoxTypeTrie& knownTypes) {
    // The root is never copied: a file that does not open with a known box
    // is data as a whole, kept in place.
    if (!root_.Init(kRootType, fileSize_, 0, *this, false)) return false;
    if (!ParseChildren(root_, knownTypes, 0)) return false;
    ClearBoxLists();
    for (size_t i = 0; i < kBoxListCount; ++i) CollectBoxes(lists_[i], root_, kListTags[i]);
    return true;
}

bool MovieBoxIndex::ParseChildren(BoxNode& parent, const BoxTypeTrie& knownTypes, int32_t depth) {
    parent.depth = depth;
    if (depth > kDeepestBox) return false;
    uint64_t consumed = 0;
    while (consumed < parent.sourceSize) {
        const uint64_t at = parent.sourceOffset + consumed;
        const uint64_t room = parent.sourceSize - consumed;
        if (room < R::kBoxHeaderSize) return false;
        const auto view =
            MapReaderView(*source_, at, std::min(room, kHeaderViewLength), fileSize_, ViewFailure::kQuiet);
        if (!view) return false;
        const uint8_t* header = view->bytes.data();
        const uint8_t* type = header + R::kBoxTypeOffset;
        if (!BytesEqual(type, R::kDataSectionType, R::kBoxTypeSize) && !knownTypes.Contains(type)) {
            parent.leaf = 1;  // the rest of the parent is data
            break;
        }
        const uint32_t size = ReadU32BE(header);
        if (size < R::kBoxHeaderSize || size > room) return false;
        if (parent.children.size() >= kMostChildrenPerBox || boxCount_ >= kMostBoxesPerFile) return false;
        ++boxCount_;

        BoxNode child;
        if (!InitChild(child, view->bytes, size, at, knownTypes)) return false;
        child.depth = depth + 1;
        if (!child.leaf && !ParseChildren(child, knownTypes, depth + 1)) return false;
        parent.children.push_back(std::move(child));
        consumed += size;
    }
    parent.parsedLength = consumed;
    return true;
}

// header holds the box's first bytes (up to kHeaderViewLength, within its
// parent); size has been checked against the parent.
bool MovieBoxIndex::InitChild(BoxNode& child, ByteView header, uint32_t size, uint64_t at,
                              const BoxTypeTrie& knownTypes) {
    const uint64_t bodySize = size - R::kBoxHeaderSize;
    const uint64_t bodyOffset = at + R::kBoxHeaderSize;
    const uint8_t* type = header.data() + R::kBoxTypeOffset;
    if (BytesEqual(type, R::kDataSectionType, R::kBoxTypeSize)) {
        if (size < kHeaderViewLength) return false;  // too short to hold its entry count
        const uint16_t count = ReadU16BE(header.data() + R::kBoxHeaderSize + R::kEntryCountOffsetInBody);
        return child.InitDataSection(bodySize, bodyOffset, *this, count);
    }
    // A body that opens with a known box type holds boxes.
    const size_t firstChildType = R::kBoxHeaderSize + R::kBoxTypeOffset;
    const bool container = bodySize >= R::kBoxHeaderSize && knownTypes.Contains(header.data() + firstChildType);
    return child.Init(type, bodySize, bodyOffset, *this, !container);
}

BoxNode* MovieBoxIndex::First(BoxList kind) const {
    const std::vector<BoxNode*>& list = List(kind);
    return list.empty() ? nullptr : list.front();
}

const BoxNode* MovieBoxIndex::ParentOf(const BoxNode& node) const { return FindParent(root_, node); }

void MovieBoxIndex::ClearBoxLists() {
    for (std::vector<BoxNode*>& list : lists_) list.clear();
}

void MovieBoxIndex::FreeBoxLists() {
    for (std::vector<BoxNode*>& list : lists_) std::vector<BoxNode*>().swap(list);
}

void MovieBoxIndex::CollectBoxes(std::vector<BoxNode*>& list, BoxNode& node, const char* tag) {
    if (node.TypeIs(tag)) list.push_back(&node);
    for (BoxNode& child : node.children) CollectBoxes(list, child, tag);
}
