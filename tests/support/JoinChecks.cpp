#include "JoinChecks.h"

#include <gtest/gtest.h>

#include "MovieSamples.h"
#include "TestRecordings.h"
#include "format/ByteOrder.h"
#include "format/RecorderFile.h"

namespace {

constexpr size_t kRecordSize = 26;
constexpr size_t kEntrySize = 124;
constexpr size_t kCountAt = 26;
constexpr size_t kFirstEntryAt = 28;

uint16_t EntryCount(ByteView area) { return ReadU16BE(area.data() + kCountAt); }

Bytes Entries(ByteView area) {
    const uint8_t* first = area.data() + kFirstEntryAt;
    return Bytes(first, first + size_t{EntryCount(area)} * kEntrySize);
}

// The bytes after the first data section's box.
Bytes AfterDataSection(const Bytes& file, ByteView area) {
    const size_t box = static_cast<size_t>(area.data() - file.data()) - 14;
    const size_t end = box + ReadU32BE(file.data() + box);
    return Bytes(file.begin() + static_cast<std::ptrdiff_t>(end), file.end());
}

// Every sample's duration, from the timing runs.
std::vector<uint32_t> Durations(const TrackSamples& track) {
    std::vector<uint32_t> durations;
    for (const auto& [samples, delta] : track.timing) durations.insert(durations.end(), samples, delta);
    return durations;
}

void ExpectSamples(const std::vector<Bytes>& sources, const std::vector<MovieSamples>& movies, const Bytes& joined,
                   const MovieSamples& out) {
    ASSERT_EQ(out.tracks.size(), movies[0].tracks.size());
    uint32_t movieDuration = 0;
    for (const MovieSamples& m : movies) movieDuration += m.movieDuration;
    EXPECT_EQ(out.movieDuration, movieDuration);
    for (size_t t = 0; t < out.tracks.size(); ++t) {
        const TrackSamples& track = out.tracks[t];
        size_t k = 0;
        uint32_t media = 0, trackDuration = 0, edit = 0;
        std::vector<uint32_t> sync;
        std::vector<uint32_t> durations;
        bool oneRunEach = true;
        for (size_t s = 0; s < sources.size(); ++s) {
            const TrackSamples& from = movies[s].tracks[t];
            const std::vector<uint32_t> more = Durations(from);
            durations.insert(durations.end(), more.begin(), more.end());
            oneRunEach = oneRunEach && from.timing.size() == 1 &&
                         from.timing[0].second == movies[0].tracks[t].timing[0].second;
            for (uint32_t n : from.syncSamples) sync.push_back(n + static_cast<uint32_t>(k));
            for (size_t i = 0; i < from.sizes.size(); ++i, ++k) {
                ASSERT_LT(k, track.sizes.size()) << "track " << t;
                ASSERT_EQ(SampleAt(joined, track, k), SampleAt(sources[s], from, i))
                    << "track " << t << ", source " << s << ", sample " << i;
            }
            media += from.mediaDuration;
            trackDuration += from.trackDuration;
            edit += from.editDuration;
        }
        EXPECT_EQ(k, track.sizes.size()) << "track " << t;
        EXPECT_EQ(track.syncSamples, sync) << "track " << t;
        EXPECT_EQ(Durations(track), durations) << "track " << t;
        if (oneRunEach) {
            EXPECT_EQ(track.timing.size(), 1u) << "one run of one rate stays one run";
        }
        EXPECT_EQ(track.mediaDuration, media);
        EXPECT_EQ(track.trackDuration, trackDuration);
        EXPECT_EQ(track.editDuration, edit);
    }
}

void ExpectDataSection(const std::vector<Bytes>& sources, const Bytes& joined) {
    const ByteView area = FindDataArea(joined);
    ASSERT_FALSE(area.empty());
    const ByteView first = FindDataArea(sources[0]);
    EXPECT_EQ(Bytes(area.data(), area.data() + kRecordSize), Bytes(first.data(), first.data() + kRecordSize));
    Bytes entries;
    for (const Bytes& source : sources) {
        const Bytes more = Entries(FindDataArea(source));
        entries.insert(entries.end(), more.begin(), more.end());
    }
    ASSERT_EQ(size_t{EntryCount(area)} * kEntrySize, entries.size());
    EXPECT_TRUE(Entries(area) == entries) << "every recording's entries, in order";
    const uint8_t* end = area.data() + kFirstEntryAt + entries.size();
    EXPECT_EQ(std::string(end, end + 6), "CSMEND");
    EXPECT_EQ(AfterDataSection(joined, area), AfterDataSection(sources[0], first)) << "the first recording's tail";
}

bool PassesRecorderFileTest(const Bytes& file) {
    if (file.size() < 260) return false;
    return IsRecorderFileImage(ByteView(file.data(), 260), ByteView(file.data() + file.size() - 18, 18), file.size());
}

}  // namespace

void ExpectJoinOf(const std::vector<Bytes>& sources, const Bytes& joined) {
    ASSERT_FALSE(sources.empty());
    std::vector<MovieSamples> movies;
    for (const Bytes& source : sources) {
        movies.push_back(ReadMovieSamples(source));
        ASSERT_TRUE(movies.back().ok);
    }
    const MovieSamples out = ReadMovieSamples(joined);
    ASSERT_TRUE(out.ok) << "the joined tables can be read";
    ExpectSamples(sources, movies, joined, out);
    ExpectDataSection(sources, joined);
    EXPECT_EQ(PassesRecorderFileTest(joined), PassesRecorderFileTest(sources[0]));
}
