#include "browser/core/EngineRecorderProbe.h"

#include "browser/core/HostPath.h"

bool EngineRecorderProbe::EngineReady() const {
    return engine_.PlayerEngineReady.load() != 0 && table_.IsRecorderFile != nullptr;
}

bool EngineRecorderProbe::IsRecorderFile(UiStringView fullPath) const {
    if (table_.IsRecorderFile == nullptr) {
        return false;
    }
    const std::wstring path = HostWidePath(fullPath);
    return table_.IsRecorderFile(&engine_, path.c_str()) != 0;
}

const RecorderFileProbe& DefaultRecorderProbe() {
    static const PlayerEngineTable table = [] {
        PlayerEngineTable filled{};
        FillPlayerEngineTable(filled);
        return filled;
    }();
    static const EngineRecorderProbe probe(ThePlayerEngine(), table);
    return probe;
}
