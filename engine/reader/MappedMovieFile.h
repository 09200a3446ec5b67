#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "BoxHandler.h"
#include "format/DataRecords.h"
#include "platform/ByteSource.h"
#include "platform/NamedMutex.h"

class LocalTimeZone;
struct ReaderView;

// The reader and record set of one recording. It maps the file read-only,
// walks its top-level boxes through small views, hands the box it looks for
// to a handler, and keeps the parsed records. After a parse the file is
// closed again: the records stand on their own.
//
// Every walk holds the shared "hMutexFind" lock, so no two walks run at once
// anywhere. The records themselves are guarded by the caller (the engine's
// file and cache locks).
class MappedMovieFile {
public:
    MappedMovieFile();
    ~MappedMovieFile();
    MappedMovieFile(const MappedMovieFile&) = delete;
    MappedMovieFile& operator=(const MappedMovieFile&) = delete;

    // Clears the reader and creates its handle of the shared walk lock.
    bool Init();
    // Releases the walk lock, the records, the file and the path.
    void Close();

    // Opens the file for mapping; closes whatever was open first.
    bool Open(const std::wstring& path);
    // Opens, parses the data section and closes the file again. On failure
    // the reader is left empty: no records, no path.
    bool OpenAndParse(const std::wstring& path);
    // Parses the open file's recorder record and entries into fresh records.
    bool ParseDataSection();

    void ClearRecords();
    void CloseHandles();
    // Moves the records and the path from source, which is left empty.
    // True when GPS records came over.
    bool TakeRecordsFrom(MappedMovieFile& source);

    // The three walks. Each succeeds without a handler call when the box is
    // not there, and fails on a malformed or cut box, a failed view, the
    // cancel flag or a handler's failure.
    bool WalkToUdat(const BoxHandler& handler);
    bool WalkToBox(const BoxHandler& main, const BoxHandler* secondary);
    bool WalkBoxPath(const BoxHandler& handler);

    const std::wstring& Path() const { return path_; }
    void SetPath(const std::wstring& path) { path_ = path; }
    bool IsOpen() const { return source_ != nullptr; }
    uint64_t FileSize() const { return fileSize_; }

    // Null until a parse made them.
    ClipRecords* Records() { return records_.get(); }
    const ClipRecords* Records() const { return records_.get(); }
    const CsRecord& Cs() const;

    float FrameDuration() const { return frameDuration_; }
    void SetFrameDuration(float value) { frameDuration_ = value; }
    uint64_t MediaDataSize() const { return mediaDataSize_; }
    void SetMediaDataSize(uint64_t size) { mediaDataSize_ = size; }

    // The path a background parse is working on; read by other threads.
    std::wstring PendingPath() const;
    void SetPendingPath(const std::wstring& path);

    // The time zone the fix times are read in; the system's unless a test
    // sets another.
    void SetTimeZone(const LocalTimeZone& zone) { zone_ = &zone; }
    const LocalTimeZone& TimeZone() const { return *zone_; }

    // Raised by another thread; the running walk fails at its next box step
    // and clears it.
    std::atomic<uint32_t> cancelFlag{0};
    std::atomic<uint32_t> parsedFlag{0};
    std::atomic<uint32_t> busyFlag{0};

private:
    enum class Step { Next, Enter, Succeeded, Failed };
    struct BoxHeader;
    using Visit = std::function<Step(const BoxHeader&)>;

    bool Walk(uint64_t baseOffset, const Visit& visit);
    Step CallHandler(const BoxHeader& box, const BoxHandler& handler, uint64_t viewLength, uint64_t dataOffset);

    std::wstring path_;
    uint64_t fileSize_ = 0;
    std::unique_ptr<ClipRecords> records_;
    std::unique_ptr<ByteSource> source_;
    std::unique_ptr<NamedMutex> findLock_;
    float frameDuration_ = 0.0f;
    uint64_t mediaDataSize_ = 0;
    const LocalTimeZone* zone_;
    mutable std::mutex pendingPathLock_;
    std::wstring pendingPath_;
};
