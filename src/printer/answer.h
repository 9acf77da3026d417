// The answer to a settings query: its buffer, read size and parsing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace printer {

enum class QueryKind {
    Word,    // "ds2.get": 14-byte buffer, 13 bytes a read, 12 parsed, low 16 bits kept
    Number,  // "fm.push_value": 12-byte buffer, 11 bytes a read, 10 parsed, signed 32-bit
};

struct AnswerLayout {
    std::size_t bufferSize;
    std::size_t readSize;
    std::size_t parsedChars;
};
AnswerLayout AnswerLayoutOf(QueryKind kind);

// The value of an answer buffer as the read loop left it: its first characters
// (up to the first zero byte, at most parsedChars) in decimal. A word query
// yields 0..65535, a number query any signed 32-bit value.
std::int32_t ParseAnswer(QueryKind kind, std::span<const std::uint8_t> buffer);
// Whether those characters hold a number at all: an empty or garbled answer
// parses as 0 too.
bool AnswerHoldsNumber(QueryKind kind, std::span<const std::uint8_t> buffer);

}  // namespace printer
