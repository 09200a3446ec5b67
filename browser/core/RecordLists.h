#pragma once

#include <array>

#include "browser/core/BrowserFileSystem.h"
#include "browser/core/MovieFileRecord.h"
#include "browser/core/RecordNames.h"

// Orders and set operations on record lists and folder listings.

// Two-group name order, in place: records whose name passes
// ClassifyRecordName first, then the others, each group by name.
void SortMovieFileRecords(MovieFileRecordList& records);

// Plain name order, in place (the version search's folder order).
void SortRecordsByName(MovieFileRecordList& records);

// Folder listing by name (CompareFindData order), in place.
void SortFindDataByName(FolderListing& entries);

// Folders first, then files, each by name, in place.
void SortFindDataGroups(FolderListing& entries);

// Copies every record of source to the end of destination, in order;
// returns how many.
size_t AppendRecords(MovieFileRecordList& destination, const MovieFileRecordList& source);

// a keeps, in order, only the records whose file name equals the file name
// of no record of b (exact, ordinal).
void RemoveRecordsByName(MovieFileRecordList& a, const MovieFileRecordList& b);

// The shown records of the recording list: every record, in order, except
// those of a kind whose show flag (filter order A, G, M, P, S) is off.
// Records of names without the kind pattern are always shown.
using KindShowFlags = std::array<uint32_t, kKindCount>;
MovieFileRecordList FilterRecordsByKind(const MovieFileRecordList& all, const KindShowFlags& show);
