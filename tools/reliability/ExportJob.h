#pragma once

#include <windows.h>

#include <string>

// Drives the viewer's CSV export from outside, the way a user does: the
// export button once the first clip's data are in, then OK in the folder
// chooser, which opens at the export folder the settings name.
class ExportJob {
public:
    // `folder` is that export folder.
    explicit ExportJob(std::wstring folder) : folder_(std::move(folder)) {}

    // Starts the export and waits until its worker writes into the folder
    // (the progress bar shows, the controls are off and the file is
    // there). False when it never got there.
    bool StartAndWaitRunning(DWORD process, HWND window) const;

    // The box the viewer shows when the export ended just as it closed.
    static bool IsFinishedBox(HWND box);

private:
    bool HasExport() const;
    // An earlier run's export would make this one ask whether to
    // overwrite it.
    void RemoveEarlierExports() const;

    std::wstring folder_;
};
