#include "ReaderView.h"

#include "platform/MappingErrorReporter.h"

std::optional<ReaderView> MapReaderView(ByteSource& source, uint64_t offset, uint64_t length, uint64_t limit,
                                        ViewFailure failure, ViewUse use) {
    const uint64_t granularity = source.AllocationGranularity();
    const uint64_t remainder = offset % granularity;
    if (offset >= limit) return std::nullopt;
    if (length > limit - offset) length = limit - offset;
    if (length == 0 || remainder + length > SIZE_MAX) return std::nullopt;

    uint32_t error = 0;
    const size_t mapped = static_cast<size_t>(remainder + length);
    std::unique_ptr<MappedBytes> mapping = source.Map(offset - remainder, mapped, use, error);
    if (!mapping) {
        if (failure == ViewFailure::kReport) ReportMappingError(error);
        return std::nullopt;
    }
    const ByteView bytes(mapping->data() + remainder, static_cast<size_t>(length));
    return ReaderView{std::move(mapping), bytes};
}
