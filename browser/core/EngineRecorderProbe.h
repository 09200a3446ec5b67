#pragma once

#include "PlayerEngine.h"
#include "browser/core/BrowserFileSystem.h"

// The walks' probe on the engine: accepted only while the engine's ready
// flag is set, through the table's recorder-file test (slot 2).
class EngineRecorderProbe final : public RecorderFileProbe {
public:
    EngineRecorderProbe(PlayerEngine& engine, const PlayerEngineTable& table) : engine_(engine), table_(table) {}

    bool EngineReady() const override;
    bool IsRecorderFile(UiStringView fullPath) const override;

private:
    PlayerEngine& engine_;
    const PlayerEngineTable& table_;
};

// The program's probe: ThePlayerEngine() through a table filled by
// FillPlayerEngineTable.
const RecorderFileProbe& DefaultRecorderProbe();
