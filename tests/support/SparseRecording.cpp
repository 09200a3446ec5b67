#include "SparseRecording.h"

#include <string>

#include "BoxBytes.h"
#include "RecordingRecipe.h"
#include "SparseFile.h"

bool MakeRecordingBehindHoles(const std::filesystem::path& path, uint32_t mediaBoxSize, int entries) {
    RecordingRecipe recipe;
    recipe.entryCount = entries;
    const Bytes fileType = Box("ftyp", {'q', 't', ' ', ' ', 0, 0, 0, 0});
    const Bytes head = Concat({fileType, BoxWithSize(mediaBoxSize, "mdat", {})});
    const Bytes tail = Concat({MakeDataSectionBox(recipe), MakeRecordingTail(RecordingTail::FreeBox)});
    const uint64_t sectionAt = fileType.size() + uint64_t{mediaBoxSize};
    return MakeSparseFile(path, sectionAt + tail.size(),
                          {{0, std::string(head.begin(), head.end())},
                           {sectionAt, std::string(tail.begin(), tail.end())}});
}
