#include "velkorn/calculator_engine.h"

#include <gtest/gtest.h>

#include <string>

namespace velkorn {
namespace {

struct Accepted {
    std::string text;
    std::int16_t value;
};

TEST(ParseOperand, AcceptsSignedDecimalsAndRoundsTiesToEven) {
    const Accepted table[] = {
        {"0", 0},
        {"007", 7},
        {"000000000000012", 12},
        {"  42  ", 42},
        {"+5", 5},
        {"-5", -5},
        {"-0", 0},
        {"32767", 32767},
        {"-32768", -32768},
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"0.5", 0},
        {".5", 0},
        {"1.5", 2},
        {"7.", 7},
        {"-.6", -1},
        {"2.4999999999999", 2},
        {"2.5000000000001", 3},
        {"2.50000", 2},
        {"-32768.5", -32768},
        {"32766.5", 32766},
        {"32767.49", 32767},
        {"-32768.4999", -32768},
        {"00000000000000000000032767", 32767},
    };
    for (const auto& [text, value] : table) {
        SCOPED_TRACE("text: \"" + text + "\"");
        EXPECT_EQ(parseOperand(text), value);
    }
}

struct Rejected {
    std::string text;
    ErrorKind kind;
};

TEST(ParseOperand, RejectsWithTheRightKind) {
    using enum ErrorKind;
    const Rejected table[] = {
        {"", TypeMismatch},
        {" ", TypeMismatch},
        {"   ", TypeMismatch},
        {"+", TypeMismatch},
        {"-", TypeMismatch},
        {".", TypeMismatch},
        {"-.", TypeMismatch},
        {"abc", TypeMismatch},
        {"1 2", TypeMismatch},
        {"--1", TypeMismatch},
        {"+-1", TypeMismatch},
        {"- 1", TypeMismatch},
        {"1.2.3", TypeMismatch},
        {"1,000", TypeMismatch},
        {"1,5", TypeMismatch},
        {"5-", TypeMismatch},
        {"(5)", TypeMismatch},
        {"$5", TypeMismatch},
        {"1e3", TypeMismatch},
        {"0x10", TypeMismatch},
        {"&H10", TypeMismatch},
        {"\t5", TypeMismatch},
        {"5\n", TypeMismatch},
        {"\xEF\xBC\x95", TypeMismatch}, // fullwidth digit five
        {std::string("5\0", 2), TypeMismatch},
        {"32768", Overflow},
        {"-32769", Overflow},
        {"99999", Overflow},
        {"32767.5", Overflow},
        {"-32768.6", Overflow},
        {"123456789012345678901234567890", Overflow},
        {"999999999999999.9", Overflow},
    };
    for (const auto& [text, kind] : table) {
        SCOPED_TRACE("text: \"" + text + "\"");
        try {
            parseOperand(text);
            ADD_FAILURE() << "no error raised";
        } catch (const CalculatorError& error) {
            EXPECT_EQ(error.kind(), kind);
        }
    }
}

TEST(ParseOperand, HandlesVeryLongTexts) {
    EXPECT_EQ(parseOperand(std::string(100000, '0') + "1"), 1);
    EXPECT_EQ(parseOperand("1." + std::string(100000, '4')), 1);
    EXPECT_EQ(parseOperand("0." + std::string(100000, '0') + "1"), 0);
    EXPECT_EQ(parseOperand("0.5" + std::string(100000, '0') + "1"), 1);
}

TEST(FormatResult, WritesPlainDecimal) {
    const Accepted table[] = {
        {"0", 0}, {"42", 42}, {"-5", -5}, {"32767", 32767}, {"-32768", -32768},
    };
    for (const auto& [text, value] : table) {
        EXPECT_EQ(formatResult(value), text);
        EXPECT_EQ(parseOperand(formatResult(value)), value);
    }
}

TEST(CalculatorError, NamesTheErrorInWords) {
    EXPECT_STREQ(CalculatorError(ErrorKind::TypeMismatch).what(), "Type mismatch");
    EXPECT_STREQ(CalculatorError(ErrorKind::Overflow).what(), "Overflow");
    EXPECT_STREQ(CalculatorError(ErrorKind::DivisionByZero).what(), "Division by zero");
}

} // namespace
} // namespace velkorn
