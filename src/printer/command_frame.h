// The byte layout in which a printer-language command is written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace printer {

inline constexpr std::string_view kOpener = "\x1b%P";     // 3 bytes
inline constexpr std::string_view kUel = "\x1b%-12345X";  // 9 bytes
inline constexpr std::string_view kQueryTrailer =
    "udw.quit;\x1b"
    "E"
    "\x1b%-12345X";  // 20 bytes

enum class FrameKind {
    Query,            // opener + command + query trailer
    Setting,          // opener + command text with its numbers + query trailer
    Reset,            // opener + command + query trailer
    ButtonOneWrite,   // opener + command + UEL, one write
    ButtonTwoWrites,  // opener + command, then the UEL in a second write
};

// Text buffer a frame kind is built into; the frame holds at most one byte
// less (the buffer is a terminated text) and is cut there.
std::size_t FrameBufferSize(FrameKind kind);

// The writes of one frame, in order. A command is taken up to its first zero
// byte, so no frame ever carries one.
std::vector<std::string> FrameWrites(FrameKind kind, std::string_view command);

}  // namespace printer
