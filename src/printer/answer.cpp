#include "printer/answer.h"

#include <algorithm>
#include <string>

#include "printer/decimal_text.h"

namespace printer {

AnswerLayout AnswerLayoutOf(QueryKind kind) {
    return kind == QueryKind::Word ? AnswerLayout{14, 13, 12} : AnswerLayout{12, 11, 10};
}

namespace {

// The characters parsed: up to the first zero byte, at most parsedChars.
std::string parsedText(QueryKind kind, std::span<const std::uint8_t> buffer) {
    const std::span<const std::uint8_t> head = buffer.first(std::min(buffer.size(), AnswerLayoutOf(kind).parsedChars));
    return std::string(head.begin(), std::find(head.begin(), head.end(), std::uint8_t{0}));
}

}  // namespace

bool AnswerHoldsNumber(QueryKind kind, std::span<const std::uint8_t> buffer) {
    return HoldsDecimalNumber(parsedText(kind, buffer));
}

std::int32_t ParseAnswer(QueryKind kind, std::span<const std::uint8_t> buffer) {
    const std::int32_t value = ParseDecimalInt32(parsedText(kind, buffer));
    if (kind == QueryKind::Word) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) & 0xFFFFu);
    return value;
}

}  // namespace printer
