#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "PlayerEngine.h"
#include "framework/Handles.h"

namespace testing_support {

// The engine's entry table for window tests: every command is logged as a
// line ("Init", "SetVolume 65535", "OpenMovie X.MOV" ...) and answers from
// a script; the play state is kept in the engine block the window reads.
// Loading a clip's data is the engine's real pre-load take-over and parse.
// Entries are plain functions, so the fake is one object for the whole test
// program; Reset() before each test.
class FakeEngine {
public:
    static FakeEngine& Instance();
    static void Fill(PlayerEngineTable& table);

    void Reset();
    // Also for other threads of a test that want their steps in the log.
    void Log(const std::string& line);
    std::vector<std::string> Calls() const;
    // The calls from the first one that starts with `prefix` on.
    std::vector<std::string> CallsFrom(const std::string& prefix) const;
    bool Called(const std::string& prefix) const;
    // The lines that start with `prefix`, in order.
    std::vector<std::string> Lines(const std::string& prefix) const;

    int32_t initResult = 1;
    HWND__* initWindow = nullptr;
    std::wstring initFace;
    // Opening: its result, and whether the ready report follows it.
    int32_t openResult = 1;
    bool postReady = true;
    // The open clip, as the engine would measure it: 10 s at 29.97 frames
    // a second unless a test says otherwise.
    int64_t frameCount = 300;
    int32_t currentFrame = 0;
    float frameDuration = 33.3667f;
    int32_t videoWidth = 0;
    int32_t videoHeight = 0;
    // The snapshot: its answer, and whether it leaves a file.
    int32_t snapshotResult = 0;
    bool snapshotWritesFile = false;

    // The open movie's file, held without leave to delete it, as a player
    // holds it.
    fw::UniqueHandle openFile;

private:
    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
};

}  // namespace testing_support
