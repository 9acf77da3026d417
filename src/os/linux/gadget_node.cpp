#include "os/linux/gadget_node.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace os::linux_usb {

GadgetNode::~GadgetNode() { close(); }

bool GadgetNode::open(const std::filesystem::path& path) {
    close();
    m_fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    return m_fd >= 0;
}

void GadgetNode::close() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    m_pending.clear();
}

std::vector<std::uint8_t> GadgetNode::take(std::size_t most, bool& failed) {
    failed = false;
    std::vector<std::uint8_t> bytes(most);
    const ssize_t n = ::read(m_fd, bytes.data(), bytes.size());
    if (n < 0) {
        failed = errno != EAGAIN && errno != EINTR;
        return {};
    }
    bytes.resize(static_cast<std::size_t>(n));
    return bytes;
}

void GadgetNode::give(std::span<const std::uint8_t> bytes) {
    m_pending.insert(m_pending.end(), bytes.begin(), bytes.end());
    flush();
}

void GadgetNode::flush() {
    while (!m_pending.empty()) {
        const ssize_t n = ::write(m_fd, m_pending.data(), m_pending.size());
        if (n <= 0) return;
        m_pending.erase(m_pending.begin(), m_pending.begin() + n);
    }
}

void GadgetNode::waitForAny(std::span<GadgetNode* const> nodes, int timeoutMs) {
    std::vector<pollfd> fds;
    for (const GadgetNode* node : nodes) {
        if (!node->isOpen()) continue;
        const short events =
            static_cast<short>((node->m_listening ? POLLIN : 0) | (node->m_pending.empty() ? 0 : POLLOUT));
        if (events) fds.push_back({node->m_fd, events, 0});
    }
    ::poll(fds.data(), fds.size(), timeoutMs);
}

}  // namespace os::linux_usb
