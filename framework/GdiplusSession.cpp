#include "framework/GdiplusSession.h"

#include <objidl.h>
#include <gdiplus.h>

#include <atomic>

namespace fw {

namespace {

std::atomic<int> g_running{0};

}  // namespace

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) {
        token_ = 0;
        return;
    }
    ++g_running;
}

GdiplusSession::~GdiplusSession() {
    if (token_ != 0) {
        Gdiplus::GdiplusShutdown(token_);
        --g_running;
    }
}

int GdiplusSession::Running() { return g_running.load(); }

}  // namespace fw
