#pragma once

#include <winsock2.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A small HTTP server on 127.0.0.1 for one test: a stand-in for the map
// provider, or for the user's proxy (it records the request line, which a
// proxy receives with the absolute URL). It serves one connection at a
// time on its own thread and stops with the object; every wait in it is
// bounded, so a test cannot hang on it.
class LoopbackHttpServer {
public:
    enum class Reply {
        Ok,      // "200 OK" with a short body, then close
        Silent,  // read the request and never answer, keeping the connection
        Hangup,  // read the request and close without a word
    };

    // An answer of the test's own: the whole response, sent after a delay.
    struct Response {
        std::string raw;
        int delayMs = 0;
    };
    // Makes the response to a request from its head (request line first).
    using Responder = std::function<Response(const std::string& head)>;
    static std::string HttpResponse(const std::string& status, const std::string& body);

    // Listens on the given port, or on a free one for 0.
    explicit LoopbackHttpServer(Reply reply, uint16_t port = 0);
    explicit LoopbackHttpServer(Responder responder);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    bool Listening() const { return listener_ != INVALID_SOCKET; }
    uint16_t Port() const { return port_; }
    std::wstring Url(const wchar_t* path = L"/") const;
    int Connections() const { return connections_.load(); }
    // The head of every request, up to its blank line.
    std::vector<std::string> Requests() const;

    // A port on 127.0.0.1 where nothing listens (just given back).
    static uint16_t ClosedPort();

private:
    LoopbackHttpServer(Reply reply, uint16_t port, Responder responder);
    void Serve();
    void Answer(SOCKET client);

    Reply reply_;
    Responder responder_;
    SOCKET listener_ = INVALID_SOCKET;
    uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> connections_{0};
    mutable std::mutex lock_;
    std::vector<std::string> requests_;
    std::vector<SOCKET> held_;
    std::thread thread_;
};
