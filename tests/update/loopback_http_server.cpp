#include "update/loopback_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace zevtest {

namespace {

// Bounds that keep a forgotten or misbehaving test from running forever.
constexpr int kPollSliceMs = 50;
constexpr int kIdleLimitMs = 120000;
constexpr int kMaxRequests = 10000;
constexpr int kRequestReadMs = 5000;
constexpr std::size_t kMaxRequestBytes = 16 * 1024;
constexpr int kDripIntervalMs = 100;

class Socket {
public:
    explicit Socket(int fd) : m_fd(fd) {}
    ~Socket() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

bool readable(int fd, int timeoutMs) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) > 0;
}

// The request line and headers, up to the blank line.
std::string readHead(int fd) {
    std::string head;
    char chunk[1024];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < kMaxRequestBytes) {
        if (!readable(fd, kRequestReadMs)) break;
        const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
        if (got <= 0) break;
        head.append(chunk, static_cast<std::size_t>(got));
    }
    return head;
}

// "GET /zev/update/brmod_a.txt HTTP/1.1" -> "/zev/update/brmod_a.txt"
std::string pathOf(const std::string& head) {
    const std::size_t start = head.find(' ');
    const std::size_t end = start == std::string::npos ? start : head.find(' ', start + 1);
    return end == std::string::npos ? std::string() : head.substr(start + 1, end - start - 1);
}

void sendAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer() {
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    if (m_listener < 0) throw std::runtime_error("no socket for the test server");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(m_listener, 16) != 0 ||
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(m_listener);
        throw std::runtime_error("the test server cannot listen on 127.0.0.1");
    }
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { run(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    m_stopping = true;
    m_thread.join();
    ::close(m_listener);
}

std::string LoopbackHttpServer::baseUrl() const { return "http://127.0.0.1:" + std::to_string(m_port); }

void LoopbackHttpServer::publish(const std::string& path, std::string body) {
    std::lock_guard lock(m_mutex);
    m_files[path] = std::move(body);
}

void LoopbackHttpServer::misbehave(const std::string& path, Fault fault) {
    std::lock_guard lock(m_mutex);
    m_faults[path] = fault;
}

void LoopbackHttpServer::withdraw(const std::string& path) {
    std::lock_guard lock(m_mutex);
    m_files.erase(path);
}

std::vector<std::string> LoopbackHttpServer::requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

void LoopbackHttpServer::clearRequests() {
    std::lock_guard lock(m_mutex);
    m_requests.clear();
}

void LoopbackHttpServer::run() {
    int idleMs = 0;
    int served = 0;
    while (!m_stopping && idleMs < kIdleLimitMs && served < kMaxRequests) {
        if (!readable(m_listener, kPollSliceMs)) {
            idleMs += kPollSliceMs;
            continue;
        }
        idleMs = 0;
        const Socket client(::accept(m_listener, nullptr, nullptr));
        if (client.get() < 0) continue;
        answer(client.get());
        ++served;
    }
}

void LoopbackHttpServer::answer(int client) {
    const std::string path = pathOf(readHead(client));
    std::unique_lock lock(m_mutex);
    m_requests.push_back(path);
    const auto it = m_files.find(path);
    const bool found = it != m_files.end();
    const std::string body = found ? it->second : std::string();
    const auto fault = m_faults.find(path);
    const Fault how = fault == m_faults.end() ? Fault::None : fault->second;
    lock.unlock();
    const std::string status = found ? "200 OK" : "404 Not Found";
    const std::string length = how == Fault::NoLength ? "" : "Content-Length: " + std::to_string(body.size()) + "\r\n";
    sendAll(
        client,
        "HTTP/1.1 " + status + "\r\nContent-Type: application/octet-stream\r\n" + length + "Connection: close\r\n\r\n");
    if (how == Fault::Drip) {
        drip(client, body);
        return;
    }
    const bool half = how == Fault::CutAfterHalf || how == Fault::StallAfterHalf;
    sendAll(client, half ? body.substr(0, body.size() / 2) : body);
    if (how != Fault::StallAfterHalf) return;
    // Silent until the client hangs up (its stall limit) or the server stops. A
    // client still waiting then gets the rest: one without a stall limit ends up
    // with the whole body, which the tests see.
    char ignored[256];
    for (int waited = 0; !m_stopping && waited < kIdleLimitMs; waited += kPollSliceMs) {
        if (readable(client, kPollSliceMs) && ::recv(client, ignored, sizeof ignored, 0) <= 0) return;
    }
    if (!m_stopping) sendAll(client, body.substr(body.size() / 2));
}

void LoopbackHttpServer::drip(int client, const std::string& body) {
    char ignored[256];
    for (const char byte : body) {
        if (m_stopping) return;
        if (readable(client, kDripIntervalMs) && ::recv(client, ignored, sizeof ignored, 0) <= 0) return;
        sendAll(client, std::string(1, byte));
    }
}

}  // namespace zevtest
