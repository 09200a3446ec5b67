// The box walks of MappedMovieFile: each steps over top-level box headers,
// mapped 8 bytes at a time, and maps one larger view for the box it handles.

#include <cstring>

#include "MappedMovieFile.h"
#include "ReaderView.h"
#include "format/ByteOrder.h"
#include "format/DataSectionHandlers.h"
#include "format/RecordingLayout.h"

namespace R = RecordingLayout;

namespace {

constexpr uint64_t kSmallHandlerView = 0x100000;  // 1 MiB: "@CS", "stts"
constexpr uint64_t kLargeHandlerView = 0x800000;  // 8 MiB: "udat", "mdat"
constexpr uint64_t kBodyOffset = R::kBoxHeaderSize;
constexpr uint64_t kDataAreaOffset = R::kDataAreaOffsetInBox;

// The path to the first track's timing table.
constexpr const char* kSttsPath[] = {"moov", "trak", "mdia", "minf", "stbl", "stts"};
constexpr size_t kSttsPathLength = sizeof kSttsPath / sizeof kSttsPath[0];

}  // namespace

struct MappedMovieFile::BoxHeader {
    uint64_t position;  // from the walk's base
    uint32_t size;
    uint8_t type[4];

    bool TypeIs(const char* tag, size_t length = 4) const { return std::memcmp(type, tag, length) == 0; }
};

// Steps over box headers from the start of the file. A box must be at least
// a header long and end within the file; anything else ends the walk with
// failure, so a cut or corrupt file never loops or maps past its end.
bool MappedMovieFile::Walk(uint64_t baseOffset, const Visit& visit) {
    NamedMutexGuard hold(findLock_.get());
    if (!source_) return false;
    const uint64_t limit = fileSize_ > baseOffset ? fileSize_ - baseOffset : 0;
    if (limit < R::kBoxHeaderSize) return false;

    uint64_t p = 0;
    for (;;) {
        if (cancelFlag.exchange(0) != 0) return false;
        if (p == limit) return true;
        if (limit - p < R::kBoxHeaderSize) return false;

        const auto view = MapReaderView(*source_, baseOffset + p, R::kBoxHeaderSize, fileSize_);
        if (!view) return false;
        BoxHeader box{p, ReadU32BE(view->bytes.data()), {}};
        std::memcpy(box.type, view->bytes.data() + R::kBoxTypeOffset, R::kBoxTypeSize);
        if (box.size < R::kBoxHeaderSize || box.size > limit - p) return false;

        switch (visit(box)) {
            case Step::Next: p += box.size; break;
            case Step::Enter: p += R::kBoxHeaderSize; break;
            case Step::Succeeded: return true;
            case Step::Failed: return false;
        }
    }
}

// Maps the handled box and gives the callback its bytes from dataOffset on,
// cut at the end of the box and of the view.
MappedMovieFile::Step MappedMovieFile::CallHandler(const BoxHeader& box, const BoxHandler& handler,
                                                   uint64_t viewLength, uint64_t dataOffset) {
    if (!handler.callback || box.size < dataOffset) return Step::Failed;
    const auto view = MapReaderView(*source_, handler.baseOffset + box.position, viewLength, fileSize_);
    if (!view) return Step::Failed;
    const uint64_t inBox = std::min<uint64_t>(view->bytes.size(), box.size);
    if (inBox < dataOffset) return Step::Failed;
    const ByteView data(view->bytes.data() + dataOffset, static_cast<size_t>(inBox - dataOffset));
    return handler.callback(*this, data) == kHandlerFailed ? Step::Failed : Step::Succeeded;
}

bool MappedMovieFile::WalkToUdat(const BoxHandler& handler) {
    return Walk(handler.baseOffset, [&](const BoxHeader& box) {
        // The data section is handled whatever the handler's tag.
        if (!box.TypeIs(R::kDataSectionType)) return Step::Next;
        return CallHandler(box, handler, kSmallHandlerView, kDataAreaOffset);
    });
}

bool MappedMovieFile::WalkToBox(const BoxHandler& main, const BoxHandler* secondary) {
    bool secondarySeen = secondary == nullptr;
    return Walk(main.baseOffset, [&](const BoxHeader& box) {
        if (!secondarySeen) {
            if (!box.TypeIs(secondary->tag)) return Step::Next;
            if (CallHandler(box, *secondary, kLargeHandlerView, 0) == Step::Failed) return Step::Failed;
            secondarySeen = true;
        }
        if (!box.TypeIs(main.tag)) return Step::Next;
        return CallHandler(box, main, kLargeHandlerView, kDataAreaOffset);
    });
}

bool MappedMovieFile::WalkBoxPath(const BoxHandler& handler) {
    size_t element = 0;
    return Walk(handler.baseOffset, [&](const BoxHeader& box) {
        if (!box.TypeIs(kSttsPath[element])) return Step::Next;
        if (element + 1 < kSttsPathLength) {
            ++element;
            return Step::Enter;
        }
        return CallHandler(box, handler, kSmallHandlerView, kBodyOffset);
    });
}

int32_t MdatSizeHandler(MappedMovieFile& reader, ByteView boxStart) {
    if (!boxStart.Contains(0, 4)) return kHandlerFailed;
    reader.SetMediaDataSize(ReadU32BE(boxStart.data()));
    return kHandlerDone;
}

int32_t SttsFrameRateHandler(MappedMovieFile& reader, ByteView body) {
    constexpr size_t kFirstDelta = 12;
    if (!body.Contains(kFirstDelta, 4)) return kHandlerFailed;
    const uint32_t delta = ReadU32BE(body.data() + kFirstDelta);
    if (delta == 0) return kHandlerFailed;
    reader.SetFrameDuration(static_cast<float>(R::kTimeScale / delta));
    return kHandlerDone;
}
