#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "framework/ComPtr.h"
#include "framework/FileFilter.h"
#include "framework/UserPrompts.h"

namespace fw {

namespace {

constexpr size_t kPathChars = MAX_PATH;

// Opens the browser at the start folder once it is up.
int CALLBACK BrowseForFolderCallback(HWND dialog, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED) {
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
    }
    return 0;
}

class PlatformPromptsImpl final : public UserPrompts {
public:
    int ShowMessage(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) override {
        return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
    }

    FolderChoice ChooseFolder(HWND owner, const std::wstring& title, const std::wstring& startFolder) override {
        // The new-style browser needs an apartment-threaded COM on this
        // thread, which may be a worker.
        ComApartment com;
        std::vector<wchar_t> buffer(kPathChars, L'\0');
        startFolder.copy(buffer.data(), kPathChars - 1);
        BROWSEINFOW info{};
        info.hwndOwner = owner;
        info.pszDisplayName = buffer.data();
        info.lpszTitle = title.c_str();
        info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
        info.lpfn = &BrowseForFolderCallback;
        info.lParam = reinterpret_cast<LPARAM>(buffer.data());
        PIDLIST_ABSOLUTE list = SHBrowseForFolderW(&info);
        if (list == nullptr) {
            return {FolderChoice::Outcome::Cancelled, {}};
        }
        const BOOL converted = SHGetPathFromIDListW(list, buffer.data());
        CoTaskMemFree(list);
        if (!converted) {
            return {FolderChoice::Outcome::NoPath, {}};
        }
        return {FolderChoice::Outcome::Chosen, buffer.data()};
    }

    std::optional<std::wstring> ChooseFile(HWND owner, const FileRequest& request) override {
        std::vector<wchar_t> name(kPathChars, L'\0');
        request.initialName.copy(name.data(), kPathChars - 1);
        const std::wstring filter = ToNulSeparatedFilter<wchar_t>(request.filter);
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof(dialog);
        dialog.hwndOwner = owner;
        dialog.lpstrFilter = filter.c_str();
        dialog.lpstrFile = name.data();
        dialog.nMaxFile = static_cast<DWORD>(name.size());
        dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
        dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | request.flags;
        const BOOL chosen = request.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
        if (!chosen) {
            return std::nullopt;
        }
        return std::wstring(name.data());
    }

    BOOL TrackMenu(HMENU menu, UINT flags, POINT screen, HWND owner) override {
        return TrackPopupMenu(menu, flags, screen.x, screen.y, 0, owner, nullptr);
    }
};

}  // namespace

UserPrompts& PlatformPrompts() {
    static PlatformPromptsImpl prompts;
    return prompts;
}

}  // namespace fw
