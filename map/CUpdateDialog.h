#pragma once

#include <functional>
#include <string>

#include "framework/Dialog.h"
#include "framework/Handles.h"
#include "map/core/UpdateCheckRules.h"

// Tells the user that a newer recorder firmware or viewer is published:
// the message with its links on a white ground, OK and close along the
// bottom. Modeless, on the update thread; either button hides it.
class CUpdateDialog : public fw::Dialog {
public:
    // Opens a download page the user clicked (the shell's "open" verb).
    using PageOpener = std::function<void(HWND owner, const std::wstring& url)>;

    CUpdateDialog(std::wstring message, UpdatePages pages);
    void SetPageOpener(PageOpener opener) { openPage_ = std::move(opener); }

protected:
    BOOL OnInitDialog() override;
    const fw::MessageMap& GetMessageMap() const override;

private:
    LRESULT OnClickLink(const fw::Message& m);
    LRESULT OnCtlColor(const fw::Message& m);
    LRESULT OnEraseBkgnd(const fw::Message& m);

    std::wstring message_;
    UpdatePages pages_;
    PageOpener openPage_;
    // Lives as long as the object, so no colour message after a close can
    // be handed a deleted brush.
    fw::Brush white_;
};
