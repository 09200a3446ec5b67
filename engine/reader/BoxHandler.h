#pragma once

#include <cstdint>
#include <functional>

#include "format/ByteView.h"

class MappedMovieFile;

// What a walk does with the box it looks for. The callback gets the reader
// and the box's bytes (bounded by the box and the view); kHandlerFailed
// (-1) fails the walk. A handler without a callback fails the walk when its
// box is found.
using BoxCallback = std::function<int32_t(MappedMovieFile& reader, ByteView data)>;

struct BoxHandler {
    uint32_t tagLength = 4;  // 3 for "@CS"
    const char* tag = "";
    BoxCallback callback;
    uint64_t baseOffset = 0;
};

// The media-data size fields become the size of the "mdat" box (header
// included); data starts at the box.
int32_t MdatSizeHandler(MappedMovieFile& reader, ByteView boxStart);

// 90000 divided by the first sample delta of an "stts" body, as a whole
// number, stored in the reader's frame-duration field; a delta of 0 fails.
int32_t SttsFrameRateHandler(MappedMovieFile& reader, ByteView body);
