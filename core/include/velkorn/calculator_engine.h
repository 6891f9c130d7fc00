// The calculator's model: the texts of the three boxes and the four
// operations on 16-bit signed integers. Plain C++ with no windowing; the main
// window shows text(box) in its boxes, hands the user's edits to setText and
// carries out clicks through the button map (button_map.h). Failures are
// thrown as CalculatorError and leave every box text as it was.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace velkorn {

enum class BoxId { Text1, Text2, Text3 };

inline constexpr std::array<std::string_view, 3> kBoxNames{"Text1", "Text2", "Text3"};

// The name of a box's control on the main window.
constexpr std::string_view boxName(BoxId box) {
    return kBoxNames[static_cast<std::size_t>(box)];
}

enum class ErrorKind { TypeMismatch, Overflow, DivisionByZero };

// The words a user reads for each error ("Type mismatch", ...).
const char* errorMessage(ErrorKind kind) noexcept;

class CalculatorError : public std::exception {
  public:
    explicit CalculatorError(ErrorKind kind) noexcept : kind_(kind) {}
    ErrorKind kind() const noexcept { return kind_; }
    const char* what() const noexcept override { return errorMessage(kind_); }

  private:
    ErrorKind kind_;
};

// Longest text a box holds, in characters (code points).
inline constexpr std::size_t kMaxBoxLength = 15;

// The blank marker: a box holding exactly one space is replaced, not
// extended, by the next digit.
inline constexpr std::string_view kBlankMarker = " ";

// Converts an operand text: ASCII spaces around it are ignored; what remains
// is an optional sign, decimal digits with at most one ".", and at least one
// digit. Fractions round to the nearest whole number, ties to even, exactly
// on the decimal digits. Throws TypeMismatch for anything else and Overflow
// for a value outside the 16-bit range.
std::int16_t parseOperand(std::string_view text);

// Plain decimal digits, "-" in front of a negative value.
std::string formatResult(std::int16_t value);

class CalculatorEngine {
  public:
    // The values last converted and computed. Only the operations write
    // them; they are exposed read-only so that they can be inspected.
    struct Registers {
        std::int16_t firstOperand = 0;
        std::int16_t secondOperand = 0;
        std::int16_t sum = 0;
        std::int16_t difference = 0;
        std::int16_t product = 0;
        std::int16_t quotient = 0;
    };

    const std::string& text(BoxId box) const { return texts_[index(box)]; }

    // Stores any text, repaired to valid UTF-8 and cut to 15 characters.
    void setText(BoxId box, std::string_view value);

    // Appends the digit to Text1 or Text2, or replaces the blank marker with
    // it. A box that is already full stays as it was. Other boxes and digits
    // outside 0..9 are ignored.
    void enterDigit(BoxId box, int digit);

    void clear();
    void add();
    void subtract();
    void multiply();
    void divide();

    const Registers& registers() const { return registers_; }

  private:
    static std::size_t index(BoxId box) { return static_cast<std::size_t>(box); }
    template <typename Compute>
    void runOperation(std::int16_t Registers::*resultField, Compute compute);

    std::array<std::string, 3> texts_;
    Registers registers_;
};

} // namespace velkorn
