#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/ReplaceableHook.h"

// DirectShow failures while a movie is set up reach the user in a box
// captioned "ERROR" that names the failure. Tests replace the reporter so
// that no box can block them, and record the texts.
using HResultReporter = std::function<void(const std::wstring& text)>;

// 1 for a success code; otherwise reports the failure's text and gives 0.
int32_t CheckHResult(int32_t hr);

// The text the box shows for a failure. codecText stands for an
// unsupported media type, when there is one.
std::wstring HResultText(int32_t hr, const wchar_t* codecText);

ReplaceableHook<HResultReporter>& HResultReporterHook();

class ScopedHResultReporter : public ScopedHookReplacement<HResultReporter> {
public:
    explicit ScopedHResultReporter(HResultReporter reporter)
        : ScopedHookReplacement(HResultReporterHook(), std::move(reporter)) {}
};

// The platform's own box, owned by the main window.
void ShowHResultBox(const std::wstring& text);
