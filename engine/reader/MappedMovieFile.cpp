#include "MappedMovieFile.h"

#include "format/DataSectionHandlers.h"
#include "platform/LocalTimeZone.h"

namespace {

constexpr wchar_t kFindLockName[] = L"hMutexFind";

}  // namespace

MappedMovieFile::MappedMovieFile() : zone_(&SystemLocalTimeZone()) {}

MappedMovieFile::~MappedMovieFile() { Close(); }

bool MappedMovieFile::Init() {
    Close();
    frameDuration_ = 0.0f;
    mediaDataSize_ = 0;
    cancelFlag = 0;
    busyFlag = 0;
    SetPendingPath(L"");
    findLock_ = CreateNamedMutex(kFindLockName);
    return findLock_ != nullptr;
}

void MappedMovieFile::Close() {
    if (findLock_) {
        // A walk still running elsewhere holds the lock; let it finish first.
        findLock_->Lock();
        findLock_->Unlock();
        findLock_.reset();
    }
    parsedFlag = 0;
    ClearRecords();
    CloseHandles();
    path_.clear();
}

bool MappedMovieFile::Open(const std::wstring& path) {
    CloseHandles();
    source_ = OpenByteSource(std::filesystem::path(path));
    if (!source_) return false;
    fileSize_ = source_->Size();
    path_ = path;
    return true;
}

bool MappedMovieFile::OpenAndParse(const std::wstring& path) {
    parsedFlag = 0;
    if (Open(path) && ParseDataSection()) {
        CloseHandles();
        parsedFlag = 1;
        return true;
    }
    parsedFlag = 0;
    ClearRecords();
    CloseHandles();
    path_.clear();
    return false;
}

bool MappedMovieFile::ParseDataSection() {
    records_ = std::make_unique<ClipRecords>();
    ClipRecords& records = *records_;
    const LocalTimeZone& zone = *zone_;

    const BoxHandler recorderRecord{3, "@CS", [&records](MappedMovieFile&, ByteView area) {
                                        return CsRecordHandler(area, records.cs);
                                    }};
    if (!WalkToUdat(recorderRecord)) return false;

    const BoxHandler entries{4, "udat", [&records, &zone](MappedMovieFile&, ByteView area) {
                                 return UdatRecordsHandler(area, records, zone);
                             }};
    const BoxHandler mediaData{4, "mdat", MdatSizeHandler};
    return WalkToBox(entries, &mediaData);
}

void MappedMovieFile::ClearRecords() { records_.reset(); }

void MappedMovieFile::CloseHandles() {
    source_.reset();
    fileSize_ = 0;
}

bool MappedMovieFile::TakeRecordsFrom(MappedMovieFile& source) {
    ClearRecords();
    records_ = std::move(source.records_);
    path_ = std::move(source.path_);
    source.path_.clear();
    return records_ && !records_->gps.empty();
}

const CsRecord& MappedMovieFile::Cs() const {
    static const CsRecord kNone;
    return records_ ? records_->cs : kNone;
}

std::wstring MappedMovieFile::PendingPath() const {
    std::lock_guard<std::mutex> hold(pendingPathLock_);
    return pendingPath_;
}

void MappedMovieFile::SetPendingPath(const std::wstring& path) {
    std::lock_guard<std::mutex> hold(pendingPathLock_);
    pendingPath_ = path;
}
