// A small HTTP server on 127.0.0.1 for the update tests: it serves the files a
// test publishes, answers 404 for everything else and logs every path asked
// for. It runs on its own thread from construction to destruction, and ends by
// itself after a long idle spell or a bounded number of requests.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zevtest {

class LoopbackHttpServer {
public:
    LoopbackHttpServer();
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // "http://127.0.0.1:<port>"
    std::string baseUrl() const;
    void publish(const std::string& path, std::string body);
    void withdraw(const std::string& path);

    // How the answer for one path goes wrong.
    enum class Fault {
        None,
        CutAfterHalf,    // the connection closes after half the body (the length header says the whole)
        StallAfterHalf,  // half the body, then silence until the client gives up (or the rest after 2 minutes)
        NoLength,        // the whole body, without a length header (the end is the connection's close)
        Drip,            // one byte every 100 ms: never a stall, yet a long time for a body of any size
    };
    void misbehave(const std::string& path, Fault fault);
    // Request paths in the order they arrived.
    std::vector<std::string> requests() const;
    void clearRequests();

private:
    void run();
    void answer(int client);
    void drip(int client, const std::string& body);

    int m_listener = -1;
    std::uint16_t m_port = 0;
    std::atomic<bool> m_stopping{false};
    mutable std::mutex m_mutex;
    std::map<std::string, std::string> m_files;
    std::map<std::string, Fault> m_faults;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

}  // namespace zevtest
