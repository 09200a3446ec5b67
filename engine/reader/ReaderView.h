#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "format/ByteView.h"
#include "platform/ByteSource.h"

// One mapped window of a reader's file: the mapping itself, which starts at
// an allocation-granularity boundary, and the bytes asked for inside it.
struct ReaderView {
    std::unique_ptr<MappedBytes> mapping;
    ByteView bytes;
};

// What becomes of a view the system refuses. The playback reader shows it
// to the user; the box index and the joiner only fail, and their callers
// say what went wrong in their own words.
enum class ViewFailure { kReport, kQuiet };

// Maps length bytes at offset, cut so they do not pass limit. Nothing to map
// gives no view and no message; a mapping the system refuses gives no view
// and, with ViewFailure::kReport, is shown to the user (ReportMappingError).
std::optional<ReaderView> MapReaderView(ByteSource& source, uint64_t offset, uint64_t length, uint64_t limit,
                                        ViewFailure failure = ViewFailure::kReport, ViewUse use = ViewUse::kPeek);
