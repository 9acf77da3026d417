// Parsing the answers of settings queries.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "printer/answer.h"
#include "printer/decimal_text.h"

namespace {

using printer::QueryKind;

std::vector<std::uint8_t> buffer(QueryKind kind, const std::string& content) {
    std::vector<std::uint8_t> b(printer::AnswerLayoutOf(kind).bufferSize, 0);
    for (std::size_t i = 0; i < content.size() && i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(content[i]);
    return b;
}

TEST(ParseDecimalInt32, FollowsTheStandardConversion) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"16384", 16384},
        {"  42", 42},
        {"\t\n+7", 7},
        {"-12", -12},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"- 5", 0},
        {"+-5", 0},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-99999999999999999999", -2147483647 - 1},
        {"0000000000000000000000012", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(printer::ParseDecimalInt32(c.text), c.value);
    }
}

TEST(ParseAnswer, WordAnswersKeepTheirLow16BitsAndNumberAnswersTheirSign) {
    struct Case {
        QueryKind kind;
        const char* buffer;
        std::int32_t value;
    };
    const Case cases[] = {
        {QueryKind::Word, "16384", 16384},
        {QueryKind::Word, "70000", 4464},
        {QueryKind::Word, "65536", 0},
        {QueryKind::Word, "-1", 65535},
        {QueryKind::Word, "", 0},
        // The first 12 characters exceed 32 bits: held at 2147483647, whose low 16 bits are 0xFFFF.
        {QueryKind::Word, "1234567890129", 0xFFFF},
        {QueryKind::Number, "1284", 1284},
        {QueryKind::Number, "-50", -50},
        {QueryKind::Number, "12345678901", 1234567890},  // the 11th character is not parsed
        {QueryKind::Number, "  595\r\n", 595},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.buffer);
        EXPECT_EQ(printer::ParseAnswer(c.kind, buffer(c.kind, c.buffer)), c.value);
    }
}

TEST(AnswerHoldsNumber, OnlyWhenDigitsFollowBlanksAndASign) {
    for (const auto& [text, holds] : {std::pair{"0", true},
                                      std::pair{" -50\r", true},
                                      std::pair{"", false},
                                      std::pair{"-", false},
                                      std::pair{"\xff\x1b?", false},
                                      std::pair{"x12", false}}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(printer::AnswerHoldsNumber(QueryKind::Number, buffer(QueryKind::Number, text)), holds);
    }
}

TEST(ParseAnswer, ReadsNothingBeyondAShortBuffer) {
    const std::vector<std::uint8_t> three = {'4', '2', '7'};
    EXPECT_EQ(printer::ParseAnswer(QueryKind::Word, three), 427);
    EXPECT_EQ(printer::ParseAnswer(QueryKind::Number, {}), 0);
}

}  // namespace
