#include "StandardRecordings.h"

#include <stdexcept>

namespace {

RecordingRecipe Named(const std::string& name) {
    RecordingRecipe r;
    r.fileName = name;
    return r;
}

std::vector<RecordingRecipe> MakeStandardRecordings() {
    std::vector<RecordingRecipe> all;

    // A plain continuous recording: 8 s at 29.97 fps, one entry per 100 ms,
    // with a few events and manual marks.
    RecordingRecipe plain = Named("2401020304_A001.MOV");
    plain.g.xWave = 300;
    plain.triggers = {{12, "DXNNNN"}, {30, "NYANNN"}, {31, "NZBNND"}, {45, "NXNDNN"}, {60, "NXHNDN"}};
    plain.manualMarks = {50, 51};
    all.push_back(plain);

    // An impact recording at 30 fps heading south-west, so both signs and
    // the other frame delta are covered.
    RecordingRecipe impact = Named("2401020312_G002.MOV");
    impact.durationSeconds = 4.864;
    impact.frameDelta = 3000;
    impact.track.startLatitude = -33.868820;
    impact.track.startLongitude = -151.209296;
    impact.track.speedKmh = 62;
    impact.correction = "+05";
    impact.firmware = {2, 10, 31};
    impact.resolutionLetter = 'F';
    all.push_back(impact);

    RecordingRecipe hd = Named("2401020320_M003.MOV");
    hd.durationSeconds = 2.0;
    hd.width = 1280;
    hd.height = 720;
    hd.audio = false;
    hd.track.valid = false;
    all.push_back(hd);

    // Video only, 2 s at 30 fps: what the presenter's playback test shows.
    RecordingRecipe videoOnly = Named("video_only.MOV");
    videoOnly.durationSeconds = 2.0;
    videoOnly.frameDelta = 3000;
    videoOnly.audio = false;
    all.push_back(videoOnly);

    RecordingRecipe fullHd = Named("2401020330_P004.MOV");
    fullHd.durationSeconds = 1.0;
    fullHd.width = 1920;
    fullHd.height = 1080;
    fullHd.audio = false;
    fullHd.recordType = 'X';
    all.push_back(fullHd);

    // Layout variants.
    RecordingRecipe noTail = Named("tail_none.MOV");
    noTail.tail = RecordingTail::None;
    all.push_back(noTail);

    RecordingRecipe rawTail = Named("tail_raw.MOV");
    rawTail.tail = RecordingTail::RawBytes;
    all.push_back(rawTail);

    RecordingRecipe innerTail = Named("tail_in_udat.MOV");
    innerTail.tail = RecordingTail::InsideUdat;
    all.push_back(innerTail);

    RecordingRecipe wide = Named("wide_kept.MOV");
    wide.keepWide = true;
    all.push_back(wide);

    RecordingRecipe udatFirst = Named("udat_first.MOV");
    udatFirst.udatBeforeMdat = true;
    all.push_back(udatFirst);

    RecordingRecipe cut = Named("cut_in_mdat.MOV");
    cut.cutAt = 20000;
    all.push_back(cut);

    for (int count : {0, 15, 16}) {
        RecordingRecipe few = Named("entries_" + std::to_string(count) + ".MOV");
        few.entryCount = count;
        all.push_back(few);
    }

    // Larger than the biggest view, so the data section lies past the first
    // 8 MiB; the padding is a hole and takes no disk space.
    RecordingRecipe padded = Named("padded_40MiB.MOV");
    padded.mdatPadding = 40ull << 20;
    all.push_back(padded);

    RecordingRecipe csRun = Named("cs_run.MOV");
    csRun.csRunInEntry0 = true;
    all.push_back(csRun);

    // Consecutive recordings of one recorder for the joiner: one movie
    // format, video of different lengths, 600 and 601 entries. At these
    // lengths the audio's timing is one run, as a join needs.
    RecordingRecipe joinFirst = Named("2401021000_A010.MOV");
    joinFirst.entryCount = 600;
    joinFirst.startTime = "240102100000";
    all.push_back(joinFirst);

    RecordingRecipe joinSecond = Named("2401021010_A011.MOV");
    joinSecond.durationSeconds = 4.864;
    joinSecond.entryCount = 601;
    joinSecond.startTime = "240102101000";
    joinSecond.firmware = {3, 4, 5};
    joinSecond.track.startLatitude = 35.7;
    joinSecond.g.xWave = 500;
    all.push_back(joinSecond);

    RecordingRecipe joinThird = Named("2401021020_A012.MOV");
    joinThird.startTime = "240102102000";
    joinThird.triggers = {{3, "DXNNNN"}};
    all.push_back(joinThird);

    // Consecutive recordings that keep ffmpeg's own chunking: the audio's
    // samples-per-chunk table has many runs, and at 5 s its timing ends in
    // a shorter last sample, a second run.
    RecordingRecipe chunkedFirst = Named("2401021100_A020.MOV");
    chunkedFirst.keepEncoderChunks = true;
    chunkedFirst.startTime = "240102110000";
    all.push_back(chunkedFirst);

    RecordingRecipe chunkedSecond = Named("2401021110_A021.MOV");
    chunkedSecond.keepEncoderChunks = true;
    chunkedSecond.durationSeconds = 5.0;
    chunkedSecond.startTime = "240102111000";
    chunkedSecond.g.xWave = 200;
    all.push_back(chunkedSecond);

    // The second's movie with every video sample filled up to one size.
    RecordingRecipe uniform = Named("uniform_sizes.MOV");
    uniform.durationSeconds = 4.864;
    uniform.uniformVideoSamples = true;
    all.push_back(uniform);

    return all;
}

}  // namespace

const std::vector<RecordingRecipe>& StandardRecordings() {
    static const std::vector<RecordingRecipe> all = MakeStandardRecordings();
    return all;
}

const RecordingRecipe& StandardRecording(const std::string& fileName) {
    for (const RecordingRecipe& recipe : StandardRecordings()) {
        if (recipe.fileName == fileName) return recipe;
    }
    throw std::invalid_argument("no standard recording named " + fileName);
}
