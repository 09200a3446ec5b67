#include "RecordingRecipe.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "format/ByteOrder.h"
#include "format/CalendarTime.h"
#include "format/DataSectionWriter.h"

namespace {

constexpr char kDefaultTriggerLetters[] = "NXNNNN";
constexpr uint8_t kObdFlagBytes[4] = {0x01, 0x02, 0x03, 0x04};
constexpr uint8_t kRecordSpareBytes[2] = {0x11, 0x22};
constexpr size_t kTailSize = 12;

void Put(EntryBytes& e, size_t offset, const std::string& text) {
    std::memcpy(e.data() + offset, text.data(), text.size());
}

std::string ZeroPadded(int value, int width) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

// Degrees as the recorder's ddmm.mmmm text, with the given width of the
// whole-degree part.
std::string DegreesMinutesText(double degrees, int degreeDigits) {
    double whole = std::floor(std::fabs(degrees));
    double minutes = std::round((std::fabs(degrees) - whole) * 60.0 * 10000.0) / 10000.0;
    if (minutes >= 60.0) {
        whole += 1.0;
        minutes -= 60.0;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*d%07.4f", degreeDigits, static_cast<int>(whole), minutes);
    return buffer;
}

double DecodedDegrees(double degrees, int degreeDigits) {
    const std::string text = DegreesMinutesText(degrees, degreeDigits);
    const double value = std::stod(text.substr(0, degreeDigits)) + std::stod(text.substr(degreeDigits)) / 60.0;
    return degrees < 0 ? -value : value;
}

double Latitude(const RecordingRecipe& r, int i) { return r.track.startLatitude + i * r.track.latitudeStep; }
double Longitude(const RecordingRecipe& r, int i) { return r.track.startLongitude + i * r.track.longitudeStep; }

int GxOf(const RecordingRecipe& r, int i) { return r.g.x + r.g.xWave * ((i % 20) - 10) / 10; }

// YYMMDDhhmmss plus (or minus) whole seconds, carried within the day.
std::string AddSeconds(const std::string& digits, int seconds) {
    if (digits.size() != 12) throw std::invalid_argument("start time needs 12 digits");
    const int t = std::stoi(digits.substr(6, 2)) * 3600 + std::stoi(digits.substr(8, 2)) * 60 +
                  std::stoi(digits.substr(10, 2)) + seconds;
    if (t < 0 || t >= 86400) throw std::invalid_argument("recipe times must stay within their day");
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%s%02d%02d%02d", digits.substr(0, 6).c_str(), t / 3600, t / 60 % 60,
                  t % 60);
    return buffer;
}

std::string SignedThousandths(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%+05d", value);
    return buffer;
}

std::array<uint8_t, kTailSize> TailBytes(RecordingTail tail) {
    std::array<uint8_t, kTailSize> bytes{};
    if (tail == RecordingTail::RawBytes) {
        bytes.fill(0xA5);
        return bytes;
    }
    WriteU32BE(bytes.data(), kTailSize);
    std::memcpy(bytes.data() + 4, "free", 4);
    return bytes;
}

RecordBytes RecordFrom(const std::string& numbers, char type, const std::array<int, 3>& firmware, char resolution) {
    RecordBytes record{};
    std::memcpy(record.data(), numbers.data(), 16);
    record[16] = static_cast<uint8_t>(type);
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02d%02d%02d", firmware[0] % 100, firmware[1] % 100, firmware[2] % 100);
    std::memcpy(record.data() + 17, digits, 6);
    record[23] = static_cast<uint8_t>(resolution);
    record[24] = kRecordSpareBytes[0];
    record[25] = kRecordSpareBytes[1];
    return record;
}

}  // namespace

int RecordingRecipe::EntryCount() const {
    return entryCount >= 0 ? entryCount : static_cast<int>(std::lround(durationSeconds * 10.0));
}

std::array<uint16_t, kRecipeObdWords> RecordingRecipe::DefaultObdWords() {
    std::array<uint16_t, kRecipeObdWords> words;
    words.fill(0x2020);
    words[0] = 130;   // coolant: 90 degrees
    words[1] = 121;   // manifold pressure
    words[2] = 2500;  // engine speed
    words[3] = 40;    // speed
    words[7] = 250;   // throttle: 25 %
    return words;
}

RecordBytes MakeRecorderRecord(const RecordingRecipe& recipe) {
    if (recipe.recorderNumbers.size() != 16) throw std::invalid_argument("recorder numbers need 16 digits");
    return RecordFrom(recipe.recorderNumbers, recipe.recordType, recipe.firmware, recipe.resolutionLetter);
}

RecordBytes MakeRunRecorderRecord() { return RecordFrom("0005000600070008", 'D', {9, 8, 7}, 'F'); }

EntryBytes MakeUdatEntry(const RecordingRecipe& recipe, int index) {
    const ExpectedEntry x = ExpectEntry(recipe, index);
    EntryBytes e;
    e.fill(' ');
    e[5] = recipe.track.valid ? 'A' : 'V';
    Put(e, 6, DegreesMinutesText(Latitude(recipe, index), 2));
    e[15] = Latitude(recipe, index) >= 0 ? 'N' : 0;
    Put(e, 16, DegreesMinutesText(Longitude(recipe, index), 3));
    e[26] = Longitude(recipe, index) >= 0 ? 'E' : 0;
    Put(e, 27, ZeroPadded(x.speedKmh, 4));
    Put(e, 31, x.fixTimeDigits);
    Put(e, 44, recipe.correction.substr(0, 3));
    Put(e, 57, SignedThousandths(x.gx));
    Put(e, 62, SignedThousandths(x.gy));
    Put(e, 67, SignedThousandths(x.gz));
    Put(e, 72, x.triggerLetters);
    std::memcpy(e.data() + 78, kObdFlagBytes, sizeof kObdFlagBytes);
    for (int w = 0; w < kRecipeObdWords; ++w) {
        e[82 + 2 * w] = static_cast<uint8_t>(x.obd[w]);
        e[83 + 2 * w] = static_cast<uint8_t>(x.obd[w] >> 8);
    }
    e[122] = x.manualMark ? 'M' : ' ';
    if (recipe.csRunInEntry0 && index == 0) {
        Put(e, 2, "@CSA");
        const RecordBytes run = MakeRunRecorderRecord();
        std::memcpy(e.data() + 6, run.data(), run.size());
    }
    for (const EntryPatch& patch : recipe.patches) {
        if (patch.entry != index) continue;
        if (patch.offset + patch.bytes.size() > e.size()) throw std::invalid_argument("patch runs past the entry");
        Put(e, patch.offset, patch.bytes);
    }
    return e;
}

ExpectedEntry ExpectEntry(const RecordingRecipe& recipe, int index) {
    ExpectedEntry x;
    x.latitude = DecodedDegrees(Latitude(recipe, index), 2);
    x.longitude = DecodedDegrees(Longitude(recipe, index), 3);
    x.speedKmh = recipe.track.speedKmh;
    x.gx = GxOf(recipe, index);
    x.gy = recipe.g.y;
    x.gz = recipe.g.z;
    x.fixTimeDigits = AddSeconds(recipe.startTime, index / 10);
    const auto trigger = recipe.triggers.find(index);
    x.triggerLetters = trigger != recipe.triggers.end() ? trigger->second : kDefaultTriggerLetters;
    if (x.triggerLetters.size() != 6) throw std::invalid_argument("trigger letters are six bytes");
    x.manualMark = recipe.manualMarks.count(index) != 0;
    x.obd = recipe.obd;
    return x;
}

std::vector<uint8_t> MakeDataSectionBox(const RecordingRecipe& recipe) {
    const int count = recipe.EntryCount();
    if (count < 0 || count > 0xFFFF) throw std::invalid_argument("entry count must fit 16 bits");
    const bool tailInside = recipe.tail == RecordingTail::InsideUdat;
    const uint32_t boxSize = 48 + 124 * static_cast<uint32_t>(count) + (tailInside ? kTailSize : 0);

    std::vector<uint8_t> box(8);
    WriteU32BE(box.data(), boxSize);
    std::memcpy(box.data() + 4, "udat", 4);
    const auto head = MakeDataSectionHead(MakeRecorderRecord(recipe), static_cast<uint16_t>(count));
    box.insert(box.end(), head.begin(), head.end());
    for (int i = 0; i < count; ++i) {
        const EntryBytes entry = MakeUdatEntry(recipe, i);
        box.insert(box.end(), entry.begin(), entry.end());
    }
    box.insert(box.end(), {'C', 'S', 'M', 'E', 'N', 'D'});
    if (tailInside) {
        const auto tail = TailBytes(RecordingTail::InsideUdat);
        box.insert(box.end(), tail.begin(), tail.end());
    }
    return box;
}

std::vector<uint8_t> MakeRecordingTail(RecordingTail tail) {
    if (tail == RecordingTail::None || tail == RecordingTail::InsideUdat) return {};
    const auto bytes = TailBytes(tail);
    return {bytes.begin(), bytes.end()};
}

SystemTime SystemTimeFromDigits(const std::string& digits) {
    if (digits.size() != 12) throw std::invalid_argument("time digits are YYMMDDhhmmss");
    auto two = [&](size_t at) { return static_cast<uint16_t>(std::stoi(digits.substr(at, 2))); };
    SystemTime t;
    t.wYear = static_cast<uint16_t>(2000 + two(0));
    t.wMonth = two(2);
    t.wDay = two(4);
    t.wHour = two(6);
    t.wMinute = two(8);
    t.wSecond = two(10);
    FileTimeTicks ticks = 0;
    if (!SystemTimeToTicks(t, ticks) || !TicksToSystemTime(ticks, t)) throw std::invalid_argument("bad time digits");
    return t;
}

SystemTime ExpectedFixTime(const RecordingRecipe& recipe, int index) {
    const bool corrected = !recipe.correction.empty() && recipe.correction[0] != '*';
    const int correction = corrected ? std::stoi(recipe.correction) : 0;
    return SystemTimeFromDigits(AddSeconds(recipe.startTime, index / 10 + correction));
}

std::string FirmwareText(const RecordingRecipe& recipe) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d.%d.%d", recipe.firmware[0], recipe.firmware[1], recipe.firmware[2]);
    return buffer;
}

int ExpectedFrameCount(const RecordingRecipe& recipe) {
    const double frames = recipe.durationSeconds * 90000.0 / recipe.frameDelta;
    return static_cast<int>(std::ceil(frames - 1e-9));
}
