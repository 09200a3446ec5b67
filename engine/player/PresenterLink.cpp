#include "PresenterLink.h"

// Until the program's own presenter is built, the renderer keeps its
// standard one: nothing is attached and there is no gate to set.

HRESULT AttachPresenterActivation(IMFActivate*, fw::ComPtr<IMFActivate>& presenterActivation) {
    presenterActivation.Reset();
    return S_OK;
}

void SetPresenterOutputGate(IMFActivate*, bool) {}

long PresenterObjectsLive() { return 0; }
