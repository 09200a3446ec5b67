#pragma once

#include <windows.h>

#include <cwchar>
#include <string>
#include <vector>

#include "map/IHostWebViewFuncs.h"

// A map bridge that writes down every page call, "Name(arguments)", and
// answers with fixed values: online, a one-element track, "42" as the
// position and "text" for the other texts.
class RecordingBridge : public IHostWebViewFuncs {
public:
    std::vector<std::wstring> calls;

    BOOL ConnectTest() override { return Record(L"ConnectTest()"), TRUE; }
    void OnInitHtml() override { Record(L"OnInitHtml()"); }
    OleVariant GetGPSData() override { return Record(L"GetGPSData()"), Track(); }
    OleVariant GetGridData(const std::wstring& grid) override { return Record(L"GetGridData(" + grid + L")"), Track(); }
    OleString GetMarkName(int32_t kind) override { return Record(L"GetMarkName(" + std::to_wstring(kind) + L")"), Text(); }
    OleString GetRcString(int32_t slot) override { return Record(L"GetRcString(" + std::to_wstring(slot) + L")"), Text(); }
    OleString GetRelJpgNum() override { return Record(L"GetRelJpgNum()"), OleString(L"42"); }
    void DEBLOG(const std::wstring& line) override { Record(L"DEBLOG(" + line + L")"); }
    void OnClickCrashPoint(int32_t ifile, int32_t igrid, int32_t ipos, int32_t valid, double lat, double lng,
                           double speed, double direction) override {
        wchar_t text[160];
        swprintf(text, 160, L"OnClickCrashPoint(%d,%d,%d,%d,%g,%g,%g,%g)", ifile, igrid, ipos, valid, lat, lng, speed,
                 direction);
        Record(text);
    }
    OleString GetMapURL() override { return Record(L"GetMapURL()"), Text(); }
    HRESULT SetSend() override { return Record(L"SetSend()"), S_OK; }

private:
    void Record(const std::wstring& call) { calls.push_back(call); }
    static OleString Text() { return OleString(L"text"); }
    static OleVariant Track() { return OleVariant::AdoptArray(SafeArrayCreateVector(VT_VARIANT, 0, 1)); }
};
