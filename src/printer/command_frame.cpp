#include "printer/command_frame.h"

namespace printer {

namespace {

constexpr std::size_t kShortFrameBuffer = 100;
constexpr std::size_t kSettingFrameBuffer = 280;

std::string_view upToZeroByte(std::string_view text) { return text.substr(0, text.find('\0')); }

std::string bounded(std::string frame, std::size_t bufferSize) {
    if (frame.size() >= bufferSize) frame.resize(bufferSize - 1);
    return frame;
}

std::string joined(std::string_view a, std::string_view b, std::string_view c = {}) {
    std::string s;
    s.reserve(a.size() + b.size() + c.size());
    return s.append(a).append(b).append(c);
}

}  // namespace

std::size_t FrameBufferSize(FrameKind kind) {
    return kind == FrameKind::Setting ? kSettingFrameBuffer : kShortFrameBuffer;
}

std::vector<std::string> FrameWrites(FrameKind kind, std::string_view command) {
    const std::string_view text = upToZeroByte(command);
    const std::size_t limit = FrameBufferSize(kind);
    switch (kind) {
        case FrameKind::Query:
        case FrameKind::Setting:
        case FrameKind::Reset: return {bounded(joined(kOpener, text, kQueryTrailer), limit)};
        case FrameKind::ButtonOneWrite: return {bounded(joined(kOpener, text, kUel), limit)};
        case FrameKind::ButtonTwoWrites: return {bounded(joined(kOpener, text), limit), std::string(kUel)};
    }
    return {};
}

}  // namespace printer
