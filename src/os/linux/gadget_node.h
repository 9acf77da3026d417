// The device side of a printer gadget: /dev/g_printerN, where the frames the
// host writes arrive and the answers go back. Non-blocking: one program serves
// several printers and its stop signals.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace os::linux_usb {

class GadgetNode {
public:
    GadgetNode() = default;
    ~GadgetNode();
    GadgetNode(const GadgetNode&) = delete;
    GadgetNode& operator=(const GadgetNode&) = delete;

    bool open(const std::filesystem::path& path);
    void close();
    bool isOpen() const { return m_fd >= 0; }

    // Bytes the host has written, as many as fit; empty when none are waiting.
    // `failed` is set when the node stopped working (the host went away).
    std::vector<std::uint8_t> take(std::size_t most, bool& failed);
    // Queues bytes for the host; they go out as the host reads.
    void give(std::span<const std::uint8_t> bytes);
    // Sends what the host can take now of the queued bytes.
    void flush();

    // A node that does not listen leaves the host's bytes where they are.
    void setListening(bool listening) { m_listening = listening; }

    // Waits at most `timeoutMs` until one of `nodes` has bytes from the host
    // for a listening node, or room for queued bytes, or a signal comes.
    static void waitForAny(std::span<GadgetNode* const> nodes, int timeoutMs);

private:
    int m_fd = -1;
    bool m_listening = true;
    std::vector<std::uint8_t> m_pending;
};

}  // namespace os::linux_usb
