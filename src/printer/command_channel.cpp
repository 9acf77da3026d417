#include "printer/command_channel.h"

#include <cstring>
#include <vector>

#include "os/clock.h"

namespace printer {

namespace {

std::span<const std::uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

void writeFrame(os::DeviceHandle& device, FrameKind kind, std::string_view command) {
    for (const std::string& write : FrameWrites(kind, command)) device.write(bytesOf(write));
}

}  // namespace

std::optional<std::int32_t> SendQuery(const std::string& devicePath, std::string_view command, QueryKind kind) {
    const auto result = SendQueryWithWait(devicePath, command, kind, os::Sleep);
    if (!result) return std::nullopt;
    return result->value;
}

std::optional<QueryResult> SendQueryWithWait(const std::string& devicePath, std::string_view command, QueryKind kind,
                                             const std::function<void(unsigned ms)>& wait) {
    const auto device = os::deviceBus().open(devicePath, os::OpenMode::ExclusiveReadWrite);
    if (!device) return std::nullopt;
    writeFrame(*device, FrameKind::Query, command);
    wait(kQueryAnswerWaitMs);

    const AnswerLayout layout = AnswerLayoutOf(kind);
    std::vector<std::uint8_t> buffer(layout.bufferSize, 0);
    const std::span<std::uint8_t> readArea = std::span(buffer).first(layout.readSize);
    for (std::size_t reads = 0; reads < kMaxAnswerReads; ++reads) {
        if (device->read(readArea) == 0) break;
    }
    return QueryResult{ParseAnswer(kind, buffer), AnswerHoldsNumber(kind, buffer)};
}

void SendCommand(os::DeviceHandle& device, FrameKind kind, std::string_view command) {
    writeFrame(device, kind, command);
}

bool WriteSettings(const std::string& devicePath, std::span<const std::string> commands) {
    const auto device = os::deviceBus().open(devicePath, os::OpenMode::ExclusiveReadWrite);
    if (!device) return false;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (i > 0) os::Sleep(kSettingsWriteGapMs);
        writeFrame(*device, FrameKind::Setting, commands[i]);
    }
    return true;
}

}  // namespace printer
