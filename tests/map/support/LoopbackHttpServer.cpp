#include "LoopbackHttpServer.h"

#include <ws2tcpip.h>

#include <chrono>

namespace {

constexpr long kPollMicroseconds = 20 * 1000;
constexpr auto kRequestReadLimit = std::chrono::seconds(2);

class WinsockUse {
public:
    WinsockUse() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockUse() { WSACleanup(); }
};

WinsockUse& Winsock() {
    static WinsockUse use;
    return use;
}

bool Readable(SOCKET s) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval wait{0, kPollMicroseconds};
    return select(0, &set, nullptr, nullptr, &wait) == 1;
}

SOCKET Listen(uint16_t port) {
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return s;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s, 8) != 0) {
        closesocket(s);
        return INVALID_SOCKET;
    }
    return s;
}

uint16_t PortOf(SOCKET s) {
    sockaddr_in address{};
    int size = sizeof address;
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
    return ntohs(address.sin_port);
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer(Reply reply, uint16_t port) : LoopbackHttpServer(reply, port, nullptr) {}

LoopbackHttpServer::LoopbackHttpServer(Responder responder) : LoopbackHttpServer(Reply::Ok, 0, std::move(responder)) {}

LoopbackHttpServer::LoopbackHttpServer(Reply reply, uint16_t port, Responder responder)
    : reply_(reply), responder_(std::move(responder)) {
    Winsock();
    listener_ = Listen(port);
    if (listener_ == INVALID_SOCKET) return;
    port_ = PortOf(listener_);
    thread_ = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (listener_ != INVALID_SOCKET) closesocket(listener_);
    for (SOCKET s : held_) closesocket(s);
}

std::string LoopbackHttpServer::HttpResponse(const std::string& status, const std::string& body) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

std::wstring LoopbackHttpServer::Url(const wchar_t* path) const {
    return L"http://127.0.0.1:" + std::to_wstring(port_) + path;
}

std::vector<std::string> LoopbackHttpServer::Requests() const {
    std::lock_guard<std::mutex> hold(lock_);
    return requests_;
}

uint16_t LoopbackHttpServer::ClosedPort() {
    Winsock();
    SOCKET s = Listen(0);
    const uint16_t port = PortOf(s);
    closesocket(s);
    return port;
}

void LoopbackHttpServer::Serve() {
    while (!stop_) {
        if (!Readable(listener_)) continue;
        SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) continue;
        ++connections_;
        Answer(client);
    }
}

void LoopbackHttpServer::Answer(SOCKET client) {
    std::string head;
    const auto deadline = std::chrono::steady_clock::now() + kRequestReadLimit;
    while (!stop_ && head.find("\r\n\r\n") == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        if (!Readable(client)) continue;
        char buffer[1024];
        const int got = recv(client, buffer, sizeof buffer, 0);
        if (got <= 0) break;  // a bare connect, as a connection check makes
        head.append(buffer, static_cast<size_t>(got));
    }
    if (!head.empty()) {
        std::lock_guard<std::mutex> hold(lock_);
        requests_.push_back(head.substr(0, head.find("\r\n\r\n")));
    }
    if (responder_ && !head.empty()) {
        const Response response = responder_(head);
        const auto due = std::chrono::steady_clock::now() + std::chrono::milliseconds(response.delayMs);
        while (!stop_ && std::chrono::steady_clock::now() < due) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        send(client, response.raw.data(), static_cast<int>(response.raw.size()), 0);
        shutdown(client, SD_SEND);
        closesocket(client);
        return;
    }
    switch (reply_) {
    case Reply::Ok: {
        static const char kAnswer[] =
            "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok";
        send(client, kAnswer, sizeof kAnswer - 1, 0);
        shutdown(client, SD_SEND);
        closesocket(client);
        break;
    }
    case Reply::Silent: {
        std::lock_guard<std::mutex> hold(lock_);
        held_.push_back(client);
        break;
    }
    case Reply::Hangup:
        closesocket(client);
        break;
    }
}
