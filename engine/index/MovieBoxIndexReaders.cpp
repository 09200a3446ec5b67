// The facts the recording list export reads from an index: frame size,
// frame count, frame rate and start time.

#include <algorithm>
#include <optional>

#include "MovieBoxIndex.h"
#include "format/ByteOrder.h"
#include "format/RecordingLayout.h"
#include "format/RecordingStartTime.h"
#include "format/StandardBoxLayout.h"
#include "format/UdatEntry.h"
#include "platform/LocalTimeZone.h"
#include "reader/ReaderView.h"

namespace R = RecordingLayout;
namespace L = StandardBoxLayout;

namespace {

// How far into a data section its "CSMDAT" is looked for.
constexpr uint64_t kStartMarkSearchLength = 0x500000;

struct SttsRun {
    uint32_t sampleCount;
    uint32_t delta;
};

// The first run of an "stts" body, when the table has one.
std::optional<SttsRun> FirstSttsRun(const BoxNode* stts) {
    if (stts == nullptr) return std::nullopt;
    const ByteView body = stts->Body();
    if (!body.Contains(L::kSttsFirstDelta, L::kTableEntrySize)) return std::nullopt;
    if (ReadU32BE(body.data() + L::kSttsEntryCount) == 0) return std::nullopt;
    return SttsRun{ReadU32BE(body.data() + L::kSttsFirstSampleCount), ReadU32BE(body.data() + L::kSttsFirstDelta)};
}

// Where "CSMDAT" first stands in the bytes, or nothing.
std::optional<size_t> FindStartMark(ByteView bytes) {
    const uint8_t* end = bytes.data() + bytes.size();
    const uint8_t* found = std::search(bytes.data(), end, R::kSectionStartMark, R::kSectionStartMark + R::kMarkSize);
    if (found == end) return std::nullopt;
    return static_cast<size_t>(found - bytes.data());
}

}  // namespace

uint64_t MovieBoxIndex::GetFrameSize() const {
    const BoxNode* stsd = First(BoxList::kStsd);
    if (stsd == nullptr || !stsd->Body().Contains(L::kStsdHeight, sizeof(uint16_t))) return kNoFrameSize;
    const uint8_t* body = stsd->body.data();
    return uint64_t{ReadU16BE(body + L::kStsdWidth)} | (uint64_t{ReadU16BE(body + L::kStsdHeight)} << 32);
}

int64_t MovieBoxIndex::GetFrameCount() const {
    const auto run = FirstSttsRun(First(BoxList::kStts));
    return run ? int64_t{run->sampleCount} : -1;
}

float MovieBoxIndex::GetFrameRate() const {
    const auto run = FirstSttsRun(First(BoxList::kStts));
    if (!run || run->delta == 0) return -1.0f;
    return static_cast<float>(R::kTimeScale) / static_cast<float>(run->delta);
}

bool MovieBoxIndex::FindRecordingStartTime(SystemTime& out) const {
    return FindRecordingStartTime(out, SystemLocalTimeZone());
}

// The search and every read after it stay inside the data section's box: a
// mark whose count or first entry would lie beyond it is not taken.
bool MovieBoxIndex::FindRecordingStartTime(SystemTime& out, const LocalTimeZone& zone) const {
    bool found = false;
    for (const BoxNode* section : List(BoxList::kUdat)) {
        const uint64_t length = std::min(section->sourceSize, kStartMarkSearchLength);
        const auto view = MapReaderView(*source_, section->sourceOffset, length, fileSize_, ViewFailure::kQuiet);
        if (!view) continue;
        const auto mark = FindStartMark(view->bytes);
        if (!mark) continue;
        const ByteView fromMark = view->bytes.From(*mark);
        if (!fromMark.Contains(R::kEntryCountOffsetInBody, R::kEntryCountSize)) continue;
        if (ReadU16BE(fromMark.data() + R::kEntryCountOffsetInBody) == 0) {
            out = SystemTime{};
            found = true;
            continue;
        }
        const auto first = UdatEntry::At(fromMark.From(R::kMarkSize), 0);
        if (!first) continue;
        ParseRecordingStartTime(*first, out, zone);
        found = true;
    }
    return found;
}
