// Operand conversion and result formatting, done on the decimal text itself
// so that rounding is exact whatever the number of digits.
#include "velkorn/calculator_engine.h"

#include <limits>

namespace velkorn {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int16_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int16_t>::max();
// Anything with more significant integer digits than this is out of range
// before rounding, whatever follows.
constexpr std::size_t kMaxIntegerDigits = 5;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool allDigits(std::string_view text) {
    for (char c : text) {
        if (!isDigit(c)) {
            return false;
        }
    }
    return true;
}

[[noreturn]] void raise(ErrorKind kind) {
    throw CalculatorError(kind);
}

struct DecimalText {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
};

DecimalText splitNumber(std::string_view text) {
    DecimalText number;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto point = text.find('.');
    number.integerDigits = text.substr(0, point);
    if (point != std::string_view::npos) {
        number.fractionDigits = text.substr(point + 1);
    }
    if (!allDigits(number.integerDigits) || !allDigits(number.fractionDigits) ||
        number.integerDigits.size() + number.fractionDigits.size() == 0) {
        raise(ErrorKind::TypeMismatch);
    }
    return number;
}

// Whether the fraction rounds the magnitude up: above one half always, at
// exactly one half only when that makes the result even.
bool roundsUp(std::string_view fraction, std::int32_t magnitude) {
    if (fraction.empty() || fraction.front() < '5') {
        return false;
    }
    if (fraction.front() > '5') {
        return true;
    }
    if (fraction.substr(1).find_first_not_of('0') != std::string_view::npos) {
        return true;
    }
    return magnitude % 2 != 0;
}

} // namespace

std::int16_t parseOperand(std::string_view text) {
    const DecimalText number = splitNumber(trimSpaces(text));
    std::string_view digits = number.integerDigits;
    const auto significant = digits.find_first_not_of('0');
    digits =
        significant == std::string_view::npos ? std::string_view{} : digits.substr(significant);
    if (digits.size() > kMaxIntegerDigits) {
        raise(ErrorKind::Overflow);
    }
    std::int32_t magnitude = 0;
    for (char c : digits) {
        magnitude = magnitude * 10 + (c - '0');
    }
    if (roundsUp(number.fractionDigits, magnitude)) {
        ++magnitude;
    }
    const std::int32_t value = number.negative ? -magnitude : magnitude;
    if (value < kMin || value > kMax) {
        raise(ErrorKind::Overflow);
    }
    return static_cast<std::int16_t>(value);
}

std::string formatResult(std::int16_t value) {
    return std::to_string(value);
}

} // namespace velkorn
