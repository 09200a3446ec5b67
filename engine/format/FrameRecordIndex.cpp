#include "FrameRecordIndex.h"

#include <cmath>
#include <new>

namespace {

// A G value is shown with the GPS and OBD values of the entry four places
// before its own (entry 0 for the first ones). The GPS cursor below runs one
// record ahead of the G record, hence five.
constexpr size_t kLinkLag = 5;

// The frame a time in ms falls on, in single precision and truncated toward
// zero, saturating instead of overflowing.
int32_t FrameOfTime(int32_t timeMs, float frameDurationMs) {
    const float frame = static_cast<float>(timeMs) / frameDurationMs;
    if (frame >= 2147483648.0f) return INT32_MAX;
    if (frame <= -2147483648.0f) return INT32_MIN;
    return static_cast<int32_t>(frame);
}

void MapFrames(ClipRecords& records) {
    const size_t n = records.gsensor.size();
    size_t j = 0;
    for (size_t f = 0; f < records.frameIndex.size(); ++f) {
        if (records.gsensor[j].time <= static_cast<int64_t>(f) && j + 1 < n) ++j;
        records.frameIndex[f] = &records.gsensor[j == 0 ? 0 : j - 1];
    }
}

// A number text may read as infinity or NaN: such a value is out of range
// and does not count towards the clip's largest value.
double Magnitude(double g) { return std::isfinite(g) ? std::fabs(g) : 0.0; }

void LinkRecords(ClipRecords& records) {
    const size_t n = records.gsensor.size();
    double maxX = 0.0, maxY = 0.0, maxZ = 0.0;
    size_t p = 0;
    for (size_t i = 0; i < n; ++i) {
        GSensorRecord& g = records.gsensor[i];
        maxX = std::fmax(maxX, Magnitude(g.x));
        maxY = std::fmax(maxY, Magnitude(g.y));
        maxZ = std::fmax(maxZ, Magnitude(g.z));
        if (records.gps[p].time <= g.time) {
            records.gps[p].gsensor = &g;
            records.gps[p].obd = &records.obd[i];
            if (p + 1 < n) ++p;
        }
        const size_t linked = p >= kLinkLag ? p - kLinkLag : 0;
        g.gps = &records.gps[linked];
        g.obd = &records.obd[linked];
    }
    records.largestAbsG = std::fmax(maxX, std::fmax(maxY, maxZ));
}

}  // namespace

bool BuildFrameRecordIndex(ClipRecords& records, int64_t frameCount, float frameDurationMs) {
    if (frameCount < 1) return false;
    records.frameIndex.clear();
    const size_t n = records.gsensor.size();
    if (n == 0 || records.gps.size() != n || records.obd.size() != n) return false;
    if (frameDurationMs == 0.0f || std::isnan(frameDurationMs)) return false;
    try {
        records.frameIndex.assign(static_cast<size_t>(frameCount), nullptr);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (GSensorRecord& g : records.gsensor) g.time = FrameOfTime(g.time, frameDurationMs);
    for (GpsRecord& gps : records.gps) gps.time = FrameOfTime(gps.time, frameDurationMs);
    MapFrames(records);
    LinkRecords(records);
    return true;
}
