#include "CheckHResult.h"

#include <cstdio>

#include "PlayerEngine.h"

namespace {

struct NamedFailure {
    uint32_t hr;
    const wchar_t* name;
};

constexpr NamedFailure kNamedFailures[] = {
    {0x80004002u, L"E_NOINTERFACE"},       {0x80004001u, L"E_NOTIMPL"},
    {0x80004003u, L"E_POINTER"},           {0x8007000Eu, L"E_OUTOFMEMORY"},
    {0x80070057u, L"E_INVALIDARG"},        {0x80040209u, L"VFW_E_NOT_CONNECTED"},
    {0x80040227u, L"VFW_E_WRONG_STATE"},
};
constexpr uint32_t kInvalidMediaType = 0x80040200u;
constexpr size_t kMaxTextLength = 259;

std::wstring UnknownText(uint32_t hr) {
    wchar_t text[kMaxTextLength + 1];
    std::swprintf(text, kMaxTextLength + 1, L"Unknown 0x%x", hr);
    return text;
}

}  // namespace

std::wstring HResultText(int32_t hr, const wchar_t* codecText) {
    const uint32_t code = static_cast<uint32_t>(hr);
    for (const NamedFailure& failure : kNamedFailures) {
        if (failure.hr == code) return failure.name;
    }
    if (code == kInvalidMediaType && codecText != nullptr && *codecText != L'\0') {
        return std::wstring(codecText).substr(0, kMaxTextLength);
    }
    return UnknownText(code);
}

ReplaceableHook<HResultReporter>& HResultReporterHook() {
    static ReplaceableHook<HResultReporter> hook;
    return hook;
}

int32_t CheckHResult(int32_t hr) {
    if (hr >= 0) return 1;
    const std::wstring text = HResultText(hr, ThePlayerEngine().codecHintText);
    const HResultReporter reporter = HResultReporterHook().Current();
    if (reporter) {
        reporter(text);
    } else {
        ShowHResultBox(text);
    }
    return 0;
}
