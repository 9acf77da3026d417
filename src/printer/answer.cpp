#include "printer/answer.h"

#include <algorithm>
#include <string>

#include "printer/decimal_text.h"

namespace printer {

AnswerLayout AnswerLayoutOf(QueryKind kind) {
    return kind == QueryKind::Word ? AnswerLayout{14, 13, 12} : AnswerLayout{12, 11, 10};
}

std::int32_t ParseAnswer(QueryKind kind, std::span<const std::uint8_t> buffer) {
    const std::span<const std::uint8_t> head = buffer.first(std::min(buffer.size(), AnswerLayoutOf(kind).parsedChars));
    const auto end = std::find(head.begin(), head.end(), std::uint8_t{0});
    const std::int32_t value = ParseDecimalInt32(std::string(head.begin(), end));
    if (kind == QueryKind::Word) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) & 0xFFFFu);
    return value;
}

}  // namespace printer
