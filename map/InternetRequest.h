#pragma once

#include <windows.h>

#include <string>

#include "map/InternetHandle.h"

// The request headers of every probe and fetch.
inline constexpr wchar_t kAcceptAnyHeaders[] = L"Accept: */*\r\n\r\n";

// How long a request may wait for each stage; a wait that runs out fails
// the request.
struct RequestLimits {
    DWORD connectMs;
    DWORD sendMs;
    DWORD receiveMs;  // for the answer, and for each read of its body

    static RequestLimits All(DWORD ms) { return {ms, ms, ms}; }
};

// One GET request of an http or https URL through an internet session,
// sent with a connect, send and receive limit on the request itself (the
// limits of the session do not reach every platform's requests), so a
// server that never answers holds the caller only that long.
class InternetRequest {
public:
    static InternetRequest Send(HINTERNET session, const std::wstring& url, const wchar_t* headers, DWORD flags,
                                const RequestLimits& limits);

    // A response came back: any status, as a reachable server answers.
    bool Answered() const { return statusCode_ != 0; }
    DWORD StatusCode() const { return statusCode_; }
    HINTERNET Handle() const { return request_.Get(); }

private:
    InternetHandle connection_;
    InternetHandle request_;  // closed before its connection
    DWORD statusCode_ = 0;
};
