#include "map/core/UpdateCheckRules.h"

#include <algorithm>

#include "ui/core/UiTextTable.h"

namespace {

constexpr UiStringView kVersionMarker = UI_TEXT("VER:");
constexpr size_t kVersionParts = 3;

enum UpdateTextSlot : int {
    kSlotIntroduction = 107,
    kSlotCurrentVersion = 109,
    kSlotRecorderTitle = 110,
    kSlotNewVersion = 111,
    kSlotViewerTitle = 112,
};

UiString WithoutMarkup(UiString text) {
    text.erase(std::remove_if(text.begin(), text.end(),
                              [](UiChar c) { return c == UI_TEXT('<') || c == UI_TEXT('>') || c == UI_TEXT('"'); }),
               text.end());
    return text;
}

UiString Block(int titleSlot, const UiString& current, const UiString& next, const UiString& page) {
    return UiString(UiText(titleSlot)) + UI_TEXT(":\r\n") + UiText(kSlotCurrentVersion) + WithoutMarkup(current) +
           UI_TEXT("   \u2192   ") + UiText(kSlotNewVersion) + WithoutMarkup(next) + UI_TEXT("\r\n\r\nURL : <a href=\"") +
           page + UI_TEXT("\">") + page + UI_TEXT("</a>");
}

}  // namespace

std::optional<UiString> VersionInFile(UiStringView fileText) {
    const size_t marker = fileText.find(kVersionMarker);
    if (marker == UiStringView::npos) {
        return std::nullopt;
    }
    const UiStringView version = fileText.substr(marker + kVersionMarker.size());
    if (version.size() > kMaxVersionLength) {
        return std::nullopt;
    }
    return UiString(version);
}

UiString TruncateVersion(const UiString& version) {
    size_t dots = 0;
    for (size_t i = 0; i < version.size(); ++i) {
        if (version[i] == UI_TEXT('.') && ++dots == kVersionParts) {
            return version.substr(0, i);
        }
    }
    return version;
}

std::optional<UpdateFinding> CompareVersions(const UiString& recorderFirmware, const UiString& fetchedFirmware,
                                             const UiString& fetchedViewer, const UiString& viewerVersion) {
    UpdateFinding finding;
    finding.newFirmware = TruncateVersion(fetchedFirmware);
    if (!recorderFirmware.empty()) {
        finding.currentFirmware = TruncateVersion(recorderFirmware);
        finding.firmwareDiffers = finding.currentFirmware != finding.newFirmware;
    }
    finding.currentViewer = viewerVersion;
    finding.newViewer = fetchedViewer;
    finding.viewerDiffers = fetchedViewer != viewerVersion;
    if (!finding.firmwareDiffers && !finding.viewerDiffers) {
        return std::nullopt;
    }
    return finding;
}

UiString UpdateMessage(const UpdateFinding& finding, const UpdatePages& pages) {
    UiString message = UiString(UiText(kSlotIntroduction)) + UI_TEXT("\r\n\r\n");
    if (finding.firmwareDiffers) {
        message += Block(kSlotRecorderTitle, finding.currentFirmware, finding.newFirmware, pages.firmware);
    }
    if (finding.firmwareDiffers && finding.viewerDiffers) {
        message += UI_TEXT("\r\n\r\n\r\n") +
                   Block(kSlotViewerTitle, finding.currentViewer, finding.newViewer, pages.viewer) + UI_TEXT("\r\n");
    } else if (finding.viewerDiffers) {
        message += Block(kSlotViewerTitle, finding.currentViewer, finding.newViewer, pages.viewer);
    }
    return message;
}
