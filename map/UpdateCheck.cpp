#include "map/UpdateCheck.h"

#include <array>

#include "framework/ComPtr.h"
#include "map/CInetConnectionAsync.h"
#include "map/CUpdateDialog.h"
#include "map/InternetRequest.h"
#include "map/core/UpdateCheckRules.h"

namespace {

constexpr DWORD kHttpOk = 200;
constexpr DWORD kVersionFileBytes = 1024;
// A read that fails is tried again this many times in all; a server that
// keeps failing ends the check.
constexpr int kReadTries = 3;

constexpr wchar_t kViewerVersion[] = L"" OSTRILEX_VIEWER_VERSION;

// Up to the file's first kVersionFileBytes; false when reading keeps
// failing or the check is being stopped.
bool ReadHead(const CInetConnectionAsync& owner, HINTERNET request, std::string& bytes) {
    std::array<char, kVersionFileBytes> buffer{};
    int failures = 0;
    while (bytes.size() < kVersionFileBytes) {
        DWORD read = 0;
        if (!InternetReadFile(request, buffer.data(), static_cast<DWORD>(kVersionFileBytes - bytes.size()), &read)) {
            if (++failures == kReadTries || owner.UpdateStopRequested()) {
                return false;
            }
            Sleep(0);
            continue;
        }
        if (read == 0) {
            break;
        }
        bytes.append(buffer.data(), read);
    }
    return true;
}

// The file's ANSI text up to its first zero byte.
std::wstring Widen(const std::string& bytes) {
    const int length = static_cast<int>(bytes.find('\0') == std::string::npos ? bytes.size() : bytes.find('\0'));
    if (length == 0) {
        return {};
    }
    std::wstring text(static_cast<size_t>(length), L'\0');
    text.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), length)));
    return text;
}

void RunDialog(const UpdateFinding& finding, const OnlineSettings& settings) {
    // The shell opens the download pages through COM.
    const fw::ComApartment com;
    const UpdatePages pages{settings.firmwarePage, settings.viewerPage};
    CUpdateDialog dialog(UpdateMessage(finding, pages), pages);
    if (!dialog.CreateModeless(GetDesktopWindow())) {
        return;
    }
    dialog.Show(SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(dialog.Handle(), &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    dialog.DestroyWindow();
}

}  // namespace

std::optional<std::wstring> FetchVersion(const CInetConnectionAsync& owner, const std::wstring& url) {
    const InternetHandle session = owner.OpenCheckedSession(url.c_str());
    if (!session || owner.UpdateStopRequested()) {
        return std::nullopt;
    }
    const OnlineSettings& settings = owner.Settings();
    const RequestLimits limits{settings.requestTimeoutMs, settings.requestTimeoutMs, settings.versionReceiveTimeoutMs};
    const InternetRequest request =
        InternetRequest::Send(session.Get(), url, kAcceptAnyHeaders, INTERNET_FLAG_NO_CACHE_WRITE, limits);
    if (request.StatusCode() != kHttpOk) {
        return std::nullopt;
    }
    std::string bytes;
    if (!ReadHead(owner, request.Handle(), bytes)) {
        return std::nullopt;
    }
    if (bytes.empty()) {
        return std::wstring();
    }
    return VersionInFile(Widen(bytes));
}

unsigned UpdateCheckThreadProc(CInetConnectionAsync& owner) {
    const OnlineSettings& settings = owner.Settings();
    const std::optional<std::wstring> firmware = FetchVersion(owner, settings.firmwareVersionUrl);
    if (!firmware || owner.UpdateStopRequested()) {
        return 0;
    }
    const std::optional<std::wstring> viewer = FetchVersion(owner, settings.viewerVersionUrl);
    if (!viewer || owner.UpdateStopRequested()) {
        return 0;
    }
    const std::optional<UpdateFinding> finding =
        CompareVersions(owner.FirmwareText(), *firmware, *viewer, kViewerVersion);
    if (finding && !owner.UpdateStopRequested()) {
        RunDialog(*finding, settings);
    }
    return 0;
}
