#pragma once

#include <windows.h>

#include <ole2.h>
#include <mfidl.h>

#include "framework/ComPtr.h"

// The program's own video presenter, reached through its activation object,
// which the video renderer's activation carries.

// Hangs a new presenter activation on the renderer's activation and hands
// it to the caller, who releases the one it held before.
HRESULT AttachPresenterActivation(IMFActivate* rendererActivate, fw::ComPtr<IMFActivate>& presenterActivation);

class EVRCustomPresenter;

// The presenter the activation object has made, or null; no reference is
// added, so it is used only while the activation object is held.
EVRCustomPresenter* ActivePresenter(IMFActivate* presenterActivation);

// Opens or closes the presenter's output: closed, it lets no new frame out
// while the player seeks. Nothing when no presenter is active.
void SetPresenterOutputGate(IMFActivate* presenterActivation, bool open);

// The presenter side's live COM objects, for leak checks.
long PresenterObjectsLive();
