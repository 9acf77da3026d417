// Query answers as the read loop leaves them in their buffer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

#include "printer/answer.h"
#include "printer/decimal_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    for (const printer::QueryKind kind : {printer::QueryKind::Word, printer::QueryKind::Number}) {
        // Replay the read loop over the input as the printer's answer.
        const printer::AnswerLayout layout = printer::AnswerLayoutOf(kind);
        std::vector<std::uint8_t> buffer(layout.bufferSize, 0);
        for (std::size_t at = 0; at < input.size(); at += layout.readSize) {
            const auto chunk = input.subspan(at, std::min(layout.readSize, input.size() - at));
            std::copy(chunk.begin(), chunk.end(), buffer.begin());
        }
        if (buffer.back() != 0) std::abort();
        const std::int32_t value = printer::ParseAnswer(kind, buffer);
        if (kind == printer::QueryKind::Word && (value < 0 || value > 0xFFFF)) std::abort();
        (void)printer::ParseAnswer(kind, input);
    }
    (void)printer::ParseDecimalInt32(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
