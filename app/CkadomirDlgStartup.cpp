// Construction and start-up of the main window.

#include <vector>

#include "KnownBoxTypes.h"
#include "app/CkadomirDlg.h"
#include "app/MainWindowIds.h"
#include "app/core/SettingValues.h"
#include "browser/platform/HostFileSystem.h"
#include "framework/Format.h"
#include "framework/UserPrompts.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/IniFile.h"
#include "ui/shared/UiFonts.h"

namespace {

constexpr int kSlotOpenFailed = 99;
constexpr wchar_t kDefaultInfoCheck[] = L"31";
constexpr wchar_t kDefaultAspect[] = L"on";
constexpr wchar_t kDefaultVolume[] = L"65535";

// The system's own words for an error code.
std::wstring SystemErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length > 0 ? std::wstring(buffer, length) : fw::Format(L"Error %lu", error);
    LocalFree(buffer);
    return text;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

CkadomirDlg::CkadomirDlg(MainWindowSeams seams)
    : fw::Dialog(kMainDialogTemplate),
      seams_(std::move(seams)),
      engine_(ThePlayerEngine()),
      icon_(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kMainIconId))),
      mapBridge_(seams_.online),
      recorderProbe_(engine_, engineTable_),
      filePanel_(recorderProbe_, HostFileSystem(), engine_) {
    if (!seams_.timers) {
        seams_.timers = std::make_shared<WindowTimers>();
    }
}

BOOL CkadomirDlg::OnInitDialog() {
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    if (!CreateLocks()) {
        return TRUE;
    }
    InitUiFontsAndFolder(Handle());
    SetText(kProductName);
    savedWindowRect_ = WindowRect();
    skinImages_.LoadImages(Handle());
    CreateChildWindows();
    WriteSettingDefaults();
    SetUpEngine();
    ReadDisplaySettings();
    CreateOwnedWindows();

    lapTimeArea_.UseBuffer(&offScreen_, g_fontNormal);
    SetBkMode(offScreen_.GetDC(), TRANSPARENT);
    SetTextColor(offScreen_.GetDC(), RGB(255, 255, 255));

    LayoutSmall();
    ShowFrameData(0);
    SetVolume(volume_);
    SetPlayButtonState(FALSE);
    PrepareProgressBar();
    ResetZoom();
    OpenInitialSource();
    UpdateControlStates();
    StartTimer(kTimerIdle, kIdleMs);
    RecordPanelSizes();
    return TRUE;
}

bool CkadomirDlg::CreateLocks() {
    clipListLock_.Reset(CreateMutexW(nullptr, FALSE, kClipListLockName));
    if (clipListLock_.Valid()) {
        eventMarkerLock_.Reset(CreateMutexW(nullptr, FALSE, kEventMarkerLockName));
    }
    if (clipListLock_.Valid() && eventMarkerLock_.Valid()) {
        return true;
    }
    // Without its locks the window cannot work safely beside the loader
    // threads. Say why and end, rather than leave a window without controls
    // that only Alt+F4 could close.
    ShowError(SystemErrorText(GetLastError()));
    clipListLock_.Reset();
    fw::Dialog::OnCancel();
    return false;
}

void CkadomirDlg::WriteSettingDefaults() const {
    if (FileExists(IniFilePath())) {
        return;
    }
    WriteIniString(kDisplaySection, kInfoCheckKey, kDefaultInfoCheck);
    WriteIniString(kDisplaySection, kAspectKey, kDefaultAspect);
    WriteIniString(kDisplaySection, kVolumeKey, kDefaultVolume);
}

void CkadomirDlg::SetUpEngine() {
    seams_.fillEngineTable(engineTable_);
    PlayerEngine::Reset(&engine_);
    // Handed over after the reset, which would clear it.
    engine_.codecHintText = UiText(kSlotCodecMissing);
    if (engineTable_.Init(&engine_, videoSurface_.Handle(), UiText(kSlotFontFace)) == 1) {
        engine_.PlayerEngineReady = 1;
    } else {
        // The window still lists and manages recordings; it cannot play them.
        ShowError(UiText(kSlotOpenFailed));
    }
    engine_.clipDataLoaded = 0;
    if (EngineReady()) {
        engineTable_.SetHardwareDecoding(&engine_, IsSwitchOn(ReadIniString(kDecodeSection, kHardwareKey)) ? 1 : 0);
    }
    BuildKnownBoxTypes();
}

void CkadomirDlg::ReadDisplaySettings() {
    keepAspect_ = IsSwitchOn(ReadIniString(kDisplaySection, kAspectKey)) ? 1 : 0;
    volume_ = VolumeFromSetting(ReadIniString(kDisplaySection, kVolumeKey));
}

// The settings dialog and the gauge window are popups owned by the main
// window, hidden until their commands show them.
void CkadomirDlg::CreateOwnedWindows() {
    settingsDialog_ = seams_.settingsDialog();
    obdWindow_ = std::make_unique<CObdDlg>(engine_);
    obdWindow_->SetSkin(&skinImages_);
    for (fw::Dialog* window : std::initializer_list<fw::Dialog*>{settingsDialog_.get(), obdWindow_.get()}) {
        if (window != nullptr) {
            window->CreateModeless(Handle());
        }
    }
}

// The last removable drive, else the folder, else the file the settings
// name. Only a card with recordings gives the CSV export a source.
void CkadomirDlg::OpenInitialSource() {
    if (!filePanel_.OpenInitialSource(VideoRect(), sizeMode_)) {
        return;
    }
    SetPlayButtonState(FALSE);
    if (filePanel_.GetSourceKind() == kSourceSdCard) {
        noSource_ = 0;
    }
}

void CkadomirDlg::PrepareProgressBar() {
    if (progressBar_.Handle() == nullptr) {
        return;
    }
    progressBar_.PlaceAtBottom(Handle(), videoSurface_.Handle());
    progressBar_.minimum = 0;
    progressBar_.maximum = 100;
    progressBar_.position = 0;
    progressBar_.SetPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    progressBar_.Redraw();
    progressBar_.Show(SW_HIDE);
}

void CkadomirDlg::RecordPanelSizes() {
    if (infoPanel_ == nullptr || infoPanel_->Handle() == nullptr) {
        return;
    }
    const RECT info = infoPanel_->WindowRect();
    const RECT graph = graph_ != nullptr && graph_->Handle() != nullptr ? graph_->WindowRect() : RECT{};
    infoPanelWidth_ = info.right - info.left;
    infoPanelAndGraphHeight_ = (info.bottom - info.top) + (graph.bottom - graph.top);
}

void CkadomirDlg::ShowError(const std::wstring& text) const {
    fw::Prompts().ShowMessage(Handle(), text, kErrorCaption, MB_OK | MB_ICONERROR);
}
