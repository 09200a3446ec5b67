#include "map/InternetRequest.h"

#include <utility>

namespace {

struct UrlParts {
    bool secure = false;
    std::wstring host;
    INTERNET_PORT port = 0;
    std::wstring object;  // path and query
};

bool Split(const std::wstring& url, UrlParts& parts) {
    URL_COMPONENTSW c{};
    c.dwStructSize = sizeof c;
    c.dwHostNameLength = static_cast<DWORD>(-1);
    c.dwUrlPathLength = static_cast<DWORD>(-1);
    c.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!InternetCrackUrlW(url.c_str(), static_cast<DWORD>(url.size()), 0, &c)) {
        return false;
    }
    if (c.nScheme != INTERNET_SCHEME_HTTP && c.nScheme != INTERNET_SCHEME_HTTPS) {
        return false;
    }
    parts.secure = c.nScheme == INTERNET_SCHEME_HTTPS;
    parts.host.assign(c.lpszHostName, c.dwHostNameLength);
    parts.port = c.nPort;
    parts.object.assign(c.lpszUrlPath, c.dwUrlPathLength);
    parts.object.append(c.lpszExtraInfo, c.dwExtraInfoLength);
    if (parts.object.empty()) {
        parts.object = L"/";
    }
    return !parts.host.empty();
}

}  // namespace

InternetRequest InternetRequest::Send(HINTERNET session, const std::wstring& url, const wchar_t* headers, DWORD flags,
                                      const RequestLimits& limits) {
    InternetRequest result;
    UrlParts parts;
    if (session == nullptr || !Split(url, parts)) {
        return result;
    }
    result.connection_.Reset(InternetConnectW(session, parts.host.c_str(), parts.port, nullptr, nullptr,
                                              INTERNET_SERVICE_HTTP, 0, 0));
    if (!result.connection_) {
        return result;
    }
    result.request_.Reset(HttpOpenRequestW(result.connection_.Get(), L"GET", parts.object.c_str(), nullptr, nullptr,
                                           nullptr, flags | (parts.secure ? INTERNET_FLAG_SECURE : 0), 0));
    if (!result.request_) {
        return result;
    }
    const std::pair<DWORD, DWORD> options[] = {{INTERNET_OPTION_CONNECT_TIMEOUT, limits.connectMs},
                                               {INTERNET_OPTION_SEND_TIMEOUT, limits.sendMs},
                                               {INTERNET_OPTION_RECEIVE_TIMEOUT, limits.receiveMs}};
    for (auto [option, ms] : options) {
        InternetSetOptionW(result.request_.Get(), option, &ms, sizeof ms);
    }
    const DWORD headerLength = headers != nullptr ? static_cast<DWORD>(lstrlenW(headers)) : 0;
    if (!HttpSendRequestW(result.request_.Get(), headers, headerLength, nullptr, 0)) {
        return result;
    }
    DWORD status = 0;
    DWORD size = sizeof status;
    if (HttpQueryInfoW(result.request_.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                       nullptr)) {
        result.statusCode_ = status;
    }
    return result;
}
