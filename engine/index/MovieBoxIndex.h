#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "BoxNode.h"
#include "format/CalendarTime.h"
#include "platform/ByteSource.h"

class BoxTypeTrie;
class LocalTimeZone;

// The eleven kinds of box the index lists, in list order.
enum class BoxList : size_t { kMdat, kUdat, kStsz, kStco, kMdhd, kStss, kStts, kMvhd, kTkhd, kElst, kStsd };
constexpr size_t kBoxListCount = 11;

// The whole box tree of one recording, with lists of the boxes the export
// and the joiner work on. The file stays mapped read-only while the index
// lives: the joiner copies media data and entries from it when it writes.
//
// Every size and count read from the file is checked against the box that
// holds it before it is used: a box that does not fit its parent, a size
// below a header's, or a data section whose entries overrun it fails the
// whole index. A type the system does not know ends its parent's list of
// children; the rest of that parent is kept as plain bytes.
class MovieBoxIndex {
    // Only Open makes an index.
    struct Key {
        explicit Key() = default;
    };

public:
    // A recording holds a few dozen boxes, none with more than a handful of
    // children. A file past these numbers is refused before its boxes cost
    // a view and a node each.
    static constexpr size_t kMostChildrenPerBox = 4096;
    static constexpr size_t kMostBoxesPerFile = 65536;

    // Null when the file cannot be opened or mapped (or is 4 GiB or more),
    // when its tree is malformed or holds more boxes than the numbers above,
    // when memory runs out, or while the set of known box types is not built.
    static std::unique_ptr<MovieBoxIndex> Open(const std::wstring& path);
    explicit MovieBoxIndex(Key) {}
    ~MovieBoxIndex();
    MovieBoxIndex(const MovieBoxIndex&) = delete;
    MovieBoxIndex& operator=(const MovieBoxIndex&) = delete;

    BoxNode& Root() { return root_; }
    const BoxNode& Root() const { return root_; }
    const std::vector<BoxNode*>& List(BoxList kind) const { return lists_[static_cast<size_t>(kind)]; }
    BoxNode* First(BoxList kind) const;

    const std::wstring& Path() const { return path_; }
    uint64_t FileSize() const { return fileSize_; }
    ByteSource& Source() const { return *source_; }

    // The readers of the export. Width in the low half, height in the high
    // half; kNoFrameSize when there is no "stsd" or it is too short.
    static constexpr uint64_t kNoFrameSize = ~uint64_t{0};
    uint64_t GetFrameSize() const;
    // The first "stts" entry's sample count; -1 when there is none.
    int64_t GetFrameCount() const;
    // 90000 divided by the first "stts" delta; -1 when there is none.
    float GetFrameRate() const;
    // The local time of the first entry of the (last) data section; all zero
    // when the section holds no entries. False when no data section opens
    // with "CSMDAT" within its first 5 MiB.
    bool FindRecordingStartTime(SystemTime& out) const;
    bool FindRecordingStartTime(SystemTime& out, const LocalTimeZone& zone) const;

    // The node whose children hold node; null for the root or a stranger.
    const BoxNode* ParentOf(const BoxNode& node) const;
    BoxNode* ParentOf(const BoxNode& node) { return const_cast<BoxNode*>(std::as_const(*this).ParentOf(node)); }

    void ClearBoxLists();
    void FreeBoxLists();
    // Appends node and every node below it whose type is tag, in file order.
    static void CollectBoxes(std::vector<BoxNode*>& list, BoxNode& node, const char* tag);

private:
    bool MapFile(const std::wstring& path);
    bool ParseChildren(BoxNode& parent, const BoxTypeTrie& knownTypes, int32_t depth);
    bool ParseTree(const BoxTypeTrie& knownTypes);
    bool InitChild(BoxNode& child, ByteView header, uint32_t size, uint64_t at, const BoxTypeTrie& knownTypes);

    std::unique_ptr<ByteSource> source_;
    size_t boxCount_ = 0;
    std::wstring path_;
    uint64_t fileSize_ = 0;
    BoxNode root_;
    std::array<std::vector<BoxNode*>, kBoxListCount> lists_;
};
