#include "browser/core/RecordLists.h"

#include <algorithm>
#include <numeric>
#include <unordered_set>

namespace {

// Sorts records by name through an index, so each 1 KiB record moves once.
template <class Less>
void SortRecordsBy(MovieFileRecordList& records, Less less) {
    std::vector<size_t> order(records.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return less(records[a], records[b]); });
    MovieFileRecordList sorted;
    sorted.reserve(records.size());
    for (const size_t index : order) {
        sorted.push_back(records[index]);
    }
    records.swap(sorted);
}

struct UiStringViewHash {
    size_t operator()(UiStringView text) const { return std::hash<UiStringView>()(text); }
};

}  // namespace

void SortMovieFileRecords(MovieFileRecordList& records) {
    SortRecordsBy(records, [](const MovieFileRecord& a, const MovieFileRecord& b) {
        const bool firstA = ClassifyRecordName(a.FileName());
        const bool firstB = ClassifyRecordName(b.FileName());
        if (firstA != firstB) {
            return firstA;
        }
        return CompareRecordNames(a.FileName(), b.FileName());
    });
}

void SortRecordsByName(MovieFileRecordList& records) {
    SortRecordsBy(records, [](const MovieFileRecord& a, const MovieFileRecord& b) {
        return CompareRecordNames(a.FileName(), b.FileName());
    });
}

void SortFindDataByName(FolderListing& entries) {
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return CompareRecordNames(a.name, b.name); });
}

void SortFindDataGroups(FolderListing& entries) {
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        if (a.directory != b.directory) {
            return a.directory;
        }
        return CompareRecordNames(a.name, b.name);
    });
}

size_t AppendRecords(MovieFileRecordList& destination, const MovieFileRecordList& source) {
    destination.insert(destination.end(), source.begin(), source.end());
    return source.size();
}

void RemoveRecordsByName(MovieFileRecordList& a, const MovieFileRecordList& b) {
    std::unordered_set<UiStringView, UiStringViewHash> names;
    for (const MovieFileRecord& record : b) {
        names.insert(record.FileName());
    }
    MovieFileRecordList kept;
    kept.reserve(a.size());
    for (const MovieFileRecord& record : a) {
        if (names.count(record.FileName()) == 0) {
            kept.push_back(record);
        }
    }
    a.swap(kept);
}

MovieFileRecordList FilterRecordsByKind(const MovieFileRecordList& all, const KindShowFlags& show) {
    MovieFileRecordList shown;
    shown.reserve(all.size());
    for (const MovieFileRecord& record : all) {
        const int k = KindFilterIndex(RecordKindLetter(record.FileName()));
        if (k < 0 || show[static_cast<size_t>(k)] != 0) {
            shown.push_back(record);
        }
    }
    return shown;
}
