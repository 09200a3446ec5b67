#pragma once

#include <optional>

#include "ui/core/UiChar.h"

// What the update check decides from the two version files it fetched:
// the recorder firmware's and this viewer's. Portable, so the rules are
// tested on every host.

// The longest version text a file may carry; a longer one is no version.
constexpr size_t kMaxVersionLength = 259;

// The version in a version file's text: everything after the first
// "VER:", line breaks included. None without the marker or when what
// follows is longer than a version can be.
std::optional<UiString> VersionInFile(UiStringView fileText);

// The text up to, not including, its third '.'; a text with fewer dots
// comes back whole. Firmware versions differ only in their first three
// parts.
UiString TruncateVersion(const UiString& version);

// The two download pages the dialog links to, and nothing else it opens.
struct UpdatePages {
    UiString firmware;
    UiString viewer;
};

// What the user is told: which versions differ, old and new.
struct UpdateFinding {
    bool firmwareDiffers = false;
    bool viewerDiffers = false;
    UiString currentFirmware;  // truncated
    UiString newFirmware;      // truncated
    UiString currentViewer;
    UiString newViewer;        // whole
};

// The firmware is compared only when the recordings told its version
// (recorderFirmware not empty); the viewer's version is compared whole.
// None when neither differs.
std::optional<UpdateFinding> CompareVersions(const UiString& recorderFirmware, const UiString& fetchedFirmware,
                                             const UiString& fetchedViewer, const UiString& viewerVersion);

// The dialog's text: the introduction, then a block per differing
// version (the firmware's first), each with its download page as a link.
// The versions come from a server: the characters that could close the
// link markup or open another link are dropped from them.
UiString UpdateMessage(const UpdateFinding& finding, const UpdatePages& pages);
