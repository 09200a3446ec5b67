#include "app/core/SourceLoss.h"

UiStringView DrivePart(UiStringView path) {
    const size_t slash = path.find(UI_TEXT('\\'));
    return slash == UiStringView::npos ? UiStringView() : path.substr(0, slash);
}

bool IsOnProgramDrive(UiStringView programPath, UiStringView lostPath) {
    const UiStringView drive = DrivePart(programPath);
    return !drive.empty() && drive == DrivePart(lostPath);
}
