#include "velkorn/calculator_engine.h"

#include "velkorn/utf8_text.h"

#include <cstdlib>
#include <limits>

namespace velkorn {
namespace {

std::int16_t checkedResult(std::int32_t exact) {
    if (exact < std::numeric_limits<std::int16_t>::min() ||
        exact > std::numeric_limits<std::int16_t>::max()) {
        throw CalculatorError(ErrorKind::Overflow);
    }
    return static_cast<std::int16_t>(exact);
}

// Quotient rounded to nearest, ties to even, in integers: the same answers
// as dividing in double precision and reading the status flags, without
// depending on how the compiler treats those flags.
std::int16_t roundedQuotient(std::int32_t dividend, std::int32_t divisor) {
    if (divisor == 0) {
        throw CalculatorError(dividend == 0 ? ErrorKind::Overflow : ErrorKind::DivisionByZero);
    }
    std::int32_t quotient = dividend / divisor;
    const std::int32_t twiceRemainder = 2 * std::abs(dividend % divisor);
    const std::int32_t absDivisor = std::abs(divisor);
    const bool roundAway =
        twiceRemainder > absDivisor || (twiceRemainder == absDivisor && quotient % 2 != 0);
    if (roundAway) {
        quotient += (dividend < 0) == (divisor < 0) ? 1 : -1;
    }
    return checkedResult(quotient);
}

} // namespace

const char* errorMessage(ErrorKind kind) noexcept {
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return "Type mismatch";
    case ErrorKind::Overflow:
        return "Overflow";
    case ErrorKind::DivisionByZero:
        return "Division by zero";
    }
    return "Unknown error";
}

void CalculatorEngine::setText(BoxId box, std::string_view value) {
    texts_[index(box)] = limitUtf8(value, kMaxBoxLength);
}

void CalculatorEngine::enterDigit(BoxId box, int digit) {
    if (box == BoxId::Text3 || digit < 0 || digit > 9) {
        return;
    }
    std::string& text = texts_[index(box)];
    const char character = static_cast<char>('0' + digit);
    if (text == kBlankMarker) {
        text.assign(1, character);
    } else if (codePointCount(text) < kMaxBoxLength) {
        text.push_back(character);
    }
}

void CalculatorEngine::clear() {
    for (std::string& text : texts_) {
        text.clear();
    }
}

template <typename Compute>
void CalculatorEngine::runOperation(std::int16_t Registers::*resultField, Compute compute) {
    registers_.firstOperand = parseOperand(texts_[index(BoxId::Text1)]);
    registers_.secondOperand = parseOperand(texts_[index(BoxId::Text2)]);
    const std::int16_t result = compute(registers_.firstOperand, registers_.secondOperand);
    registers_.*resultField = result;
    texts_[index(BoxId::Text3)] = formatResult(result);
}

void CalculatorEngine::add() {
    runOperation(&Registers::sum,
                 [](std::int32_t a, std::int32_t b) { return checkedResult(a + b); });
}

void CalculatorEngine::subtract() {
    runOperation(&Registers::difference,
                 [](std::int32_t a, std::int32_t b) { return checkedResult(a - b); });
}

void CalculatorEngine::multiply() {
    runOperation(&Registers::product,
                 [](std::int32_t a, std::int32_t b) { return checkedResult(a * b); });
}

void CalculatorEngine::divide() {
    runOperation(&Registers::quotient, roundedQuotient);
}

} // namespace velkorn
