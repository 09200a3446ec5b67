#pragma once

#include <array>
#include <cstdint>

#include "VideoZoom.h"

// The arithmetic of playback, apart from any back-end: frame numbers and
// media times, the speed steps, volume levels, and where the video and its
// text overlay go in the video window.

// 100-ns units per millisecond of media time.
constexpr double kUnitsPerMillisecond = 10000.0;

// The media time (100-ns units) at which a frame starts.
int64_t PositionOfFrame(int64_t frame, float frameDurationMs);
// The frame a media time falls in, truncated; 0 without a frame duration.
int64_t FrameAtPosition(int64_t position, float frameDurationMs);

// A speed index resolved against the movie: the index to store and the
// rate to play at. Without reverse play the backward steps play forward
// slowly, and -1 toggles between normal and half speed.
struct SpeedStep {
    int32_t index;
    float rate;
};
SpeedStep ResolveSpeed(int32_t requested, int32_t current, bool reversePlayable);
// Rates above double speed drop frames rather than fall behind.
bool ThinsAtRate(float rate);

// The volume as sound plays it: only at normal speed.
uint32_t AudibleVolume(uint32_t volume, int32_t speedIndex);
// 0..65535 as a player's level 0..1.
float VolumeLevel(uint32_t volume);
// 0..65535 as a DirectShow attenuation in hundredths of a decibel (0 loudest,
// -10000 silent).
int32_t VolumeAttenuation(uint32_t volume);

// Shrinks rect to the video's aspect ratio, centred in it. The client size
// decides which side is kept. False, rect unchanged, when any size is 0.
bool FitVideoRect(ZoomRect& rect, int32_t clientWidth, int32_t clientHeight, int32_t videoWidth, int32_t videoHeight);

// The four black bands of the client area around the placed video: above,
// below, left and right of it.
std::array<ZoomRect, 4> BandsAround(const ZoomRect& client, const ZoomRect& video);

// The text overlay: a 300 x 120 bitmap shown in the bottom-right corner at
// the video's scale in the window.
constexpr int32_t kOverlayWidth = 300;
constexpr int32_t kOverlayHeight = 120;
struct OverlaySize {
    int32_t width;
    int32_t height;
};
// False when any size is 0 (no picture yet, a minimised window).
bool ScaleOverlay(int32_t clientWidth, int32_t clientHeight, int32_t videoWidth, int32_t videoHeight, bool keepAspect,
                  OverlaySize& size);

// A rectangle in coordinates normalised to the window (0..1).
struct OverlayPlace {
    float left, top, right, bottom;
};
OverlayPlace OverlayDestination(const OverlaySize& size, int32_t clientWidth, int32_t clientHeight);
