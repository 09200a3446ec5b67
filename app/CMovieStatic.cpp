#include "app/CMovieStatic.h"

#include "app/MainWindowIds.h"

bool CMovieStatic::Create(CkadomirDlg* owner, HWND parent, const RECT& rect) {
    owner_ = owner;
    fw::WindowArgs args;
    args.parent = parent;
    args.id = kVideoSurfaceId;
    args.rect = rect;
    args.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_NOTIFY | SS_SIMPLE;
    args.exStyle = WS_EX_CLIENTEDGE;
    return CreateControl(L"STATIC", args);
}
