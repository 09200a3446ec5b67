#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "format/ByteView.h"

class MovieBoxIndex;

// One box of a recording's tree, as MovieBoxIndex found it and as the joiner
// will write it. Small data boxes carry a copy of their body; the media data
// ("mdat") and the data section ("udat") are only ever copied from their file
// when the tree is written. A container holds its children in file order and
// may end in bytes that are not boxes (a type the system does not know),
// which are written back as they stand.
struct BoxNode {
    int32_t depth = 0;              // 0 for the root, one more per level
    std::vector<uint8_t> body;      // the body copy of a data box
    std::vector<BoxNode> children;  // in file order
    uint32_t leaf = 0;              // 1 when the body, or its rest after the children, is data
    char type[5] = {};              // empty for the root
    const std::wstring* sourcePath = nullptr;  // the file the body comes from
    MovieBoxIndex* index = nullptr;            // the index that maps that file

    uint64_t writtenSize = 0;    // body size as it will be written
    uint64_t writtenOffset = 0;  // the body's file offset when found
    uint64_t copiedLength = 0;   // bytes held in the body copy
    uint64_t sourceSize = 0;     // body size in the source file
    uint64_t sourceOffset = 0;   // file offset of the body in the source file
    bool bodyCopied = false;     // the body is written from the copy
    uint64_t parsedLength = 0;   // body bytes its children cover (containers)

    // Data sections only.
    uint64_t entryBytes = 0;       // 124 x entryCount
    uint64_t sectionLength = 0;    // "CSMDAT" to "CSMEND"; grows as recordings join
    uint64_t entryCount = 0;       // read from the box, cut to the entries it holds
    uint64_t totalEntryCount = 0;  // 0 until the joiner adds recordings

    // Nodes of later recordings whose data is written after this node's.
    BoxNode* chainHead = nullptr;
    BoxNode* chainNext = nullptr;
    BoxNode* chainTail = nullptr;

    // A box of the index's file whose body (bodySize bytes at bodyOffset)
    // lies within that file. With copyBody the box is data and its body is
    // copied; without, it is a container. "mdat" is data that is never
    // copied. False when the body cannot be read or copied.
    bool Init(const uint8_t* boxType, uint64_t bodySize, uint64_t bodyOffset, MovieBoxIndex& owner, bool copyBody);
    // A data section announcing count entries, of which it keeps those its
    // body holds whole; false when the body cannot hold the section's
    // fixed part.
    bool InitDataSection(uint64_t bodySize, uint64_t bodyOffset, MovieBoxIndex& owner, uint64_t count);

    // Header included; the root's is counted too (8 + the whole file).
    uint64_t GetTotalSize() const;
    void FreeTree();

    bool TypeIs(const char* tag) const;
    bool IsMediaData() const;
    bool IsDataSection() const;
    // Body bytes after the children that were not parsed as boxes.
    uint64_t UnparsedLength() const { return sourceSize - parsedLength; }
    // The copied body, or an empty view when there is none.
    ByteView Body() const { return ByteView(body.data(), body.size()); }

    // Appends a later recording's node to this node's chain.
    void Chain(BoxNode& later);

private:
    void SetPlace(const uint8_t* boxType, uint64_t bodySize, uint64_t bodyOffset, MovieBoxIndex& owner);
};
