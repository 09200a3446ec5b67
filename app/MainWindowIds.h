#pragma once

#include <windows.h>

// Templates, resources, child ids and timers of the main window.
constexpr int kMainDialogTemplate = 102;
constexpr int kMainIconId = 128;
constexpr wchar_t kProductName[] = L"Ostrilex";

constexpr int kVideoSurfaceId = 1000;
constexpr int kSeekSliderId = 38100;
constexpr int kVolumeSliderId = 38101;

// Window buttons.
constexpr UINT kCommandClose = 14;
constexpr UINT kCommandMinimize = 15;
constexpr UINT kCommandSizeMode = 16;

// Commands of the main buttons and the video context menu.
constexpr UINT kCommandStop = 38000;
constexpr UINT kCommandPrevious = 38001;
constexpr UINT kCommandPlayPause = 38002;
constexpr UINT kCommandSlower = 38003;
constexpr UINT kCommandFaster = 38004;
constexpr UINT kCommandNext = 38005;
constexpr UINT kCommandSnapshot = 38006;
constexpr UINT kCommandJoin = 38007;
constexpr UINT kCommandZoom = 38008;
constexpr UINT kCommandOpenSource = 38009;
constexpr UINT kCommandDelete = 38010;
constexpr UINT kCommandSettings = 38011;
constexpr UINT kCommandCsv = 38012;
constexpr UINT kCommandVehicleInfo = 38013;
constexpr UINT kCommandAspect = 38200;
// The kind filter buttons; the range has one id more than buttons.
constexpr UINT kCommandKindFilterFirst = 38700;
constexpr UINT kCommandKindFilterLast = 38705;

// Panels and windows made from templates.
constexpr int kSettingsTemplate = 175;
// The G-sensor graph's scale fills its left 50 pixels.
constexpr int kGraphLeftMargin = 50;

// Timers of the main window.
constexpr UINT_PTR kTimerPlaybackTick = 100;
constexpr UINT kPlaybackTickMs = 30;
constexpr UINT_PTR kTimerOpenClip = 101;
constexpr UINT kOpenClipDelayMs = 500;
constexpr UINT_PTR kTimerOpenWatchdog = 102;
constexpr UINT kOpenWatchdogMs = 30000;
constexpr UINT_PTR kTimerIdle = 103;
constexpr UINT kIdleMs = 1000;

// Named locks of the main window, shared with any other running copy.
constexpr wchar_t kClipListLockName[] = L"hMutexCache";
constexpr wchar_t kEventMarkerLockName[] = L"hMutexCpSet";

// Settings file keys read or written by the main window.
constexpr wchar_t kDisplaySection[] = L"DISPLAY";
constexpr wchar_t kInfoCheckKey[] = L"INFOCHECK";
constexpr wchar_t kAspectKey[] = L"ASPECT";
constexpr wchar_t kVolumeKey[] = L"VOLUME";
constexpr wchar_t kDecodeSection[] = L"DECODE";
constexpr wchar_t kHardwareKey[] = L"HW";
// The folders last used by the jobs.
constexpr wchar_t kFolderPathSection[] = L"FOLDERPATH";
constexpr wchar_t kCsvFolderKey[] = L"CSV_FOLDER";
constexpr wchar_t kJoinFolderKey[] = L"CONNECT_FOLDER";
constexpr wchar_t kSnapshotFolderKey[] = L"SNAPSHOT_FOLDER";

// Play states handed to the map page.
constexpr int kMapStatusPlaying = 0;
constexpr int kMapStatusPaused = 1;
constexpr int kMapStatusStopped = 2;

// Caption of the boxes that report failures.
constexpr wchar_t kErrorCaption[] = L"ERROR";
