// libFuzzer target: arbitrary bytes go to parseOperand and drive sequences of
// setText, enterDigit and the operations. Every outcome must be a value or one
// of the three calculator errors, and no box may ever hold more than 15
// characters or invalid UTF-8.
#include "velkorn/button_map.h"
#include "velkorn/calculator_engine.h"
#include "velkorn/utf8_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace velkorn;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkKind(const CalculatorError& error) {
    const auto kind = error.kind();
    require(kind == ErrorKind::TypeMismatch || kind == ErrorKind::Overflow ||
            kind == ErrorKind::DivisionByZero);
}

void checkParse(std::string_view text) {
    try {
        const std::int16_t value = parseOperand(text);
        require(parseOperand(formatResult(value)) == value);
    } catch (const CalculatorError& error) {
        checkKind(error);
    }
}

void checkBoxes(const CalculatorEngine& engine) {
    for (BoxId box : {BoxId::Text1, BoxId::Text2, BoxId::Text3}) {
        const std::string& text = engine.text(box);
        require(isValidUtf8(text));
        require(codePointCount(text) <= kMaxBoxLength);
    }
}

// Runs one operation; on success Text3 must hold what the operands give.
void checkOperation(CalculatorEngine& engine, int which) {
    const std::string before[] = {engine.text(BoxId::Text1), engine.text(BoxId::Text2),
                                  engine.text(BoxId::Text3)};
    constexpr ButtonAction kOperations[] = {ButtonAction::Add, ButtonAction::Subtract,
                                            ButtonAction::Multiply, ButtonAction::Divide};
    try {
        performEngineAction(engine, {kOperations[which], BoxId::Text1, 0});
        const std::int32_t a = parseOperand(before[0]);
        const std::int32_t b = parseOperand(before[1]);
        const std::int32_t result = parseOperand(engine.text(BoxId::Text3));
        switch (which) {
        case 0:
            require(result == a + b);
            break;
        case 1:
            require(result == a - b);
            break;
        case 2:
            require(result == a * b);
            break;
        default:
            require(b != 0 && std::abs(2 * (a - result * b)) <= std::abs(b));
            break;
        }
    } catch (const CalculatorError& error) {
        checkKind(error);
        require(engine.text(BoxId::Text3) == before[2]);
    }
    require(engine.text(BoxId::Text1) == before[0] && engine.text(BoxId::Text2) == before[1]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkParse(input);

    // The same bytes as a program: each command byte picks an action; setText
    // takes a length byte and that many bytes of text.
    CalculatorEngine engine;
    for (std::size_t pos = 0; pos < input.size();) {
        const auto command = static_cast<unsigned char>(input[pos++]);
        const auto box = static_cast<BoxId>(command % 3);
        switch ((command / 3) % 4) {
        case 0: {
            const std::size_t length =
                pos < input.size() ? static_cast<unsigned char>(input[pos++]) : 0;
            const std::string_view text = input.substr(pos, length);
            pos += text.size();
            engine.setText(box, text);
            checkParse(text);
            break;
        }
        case 1:
            engine.enterDigit(box, command / 12 % 11); // 10 is ignored
            break;
        case 2:
            checkOperation(engine, command / 12 % 4);
            break;
        default:
            if (command / 12 % 8 == 0) {
                engine.clear();
            } else {
                checkOperation(engine, command / 12 % 4);
            }
            break;
        }
        checkBoxes(engine);
    }
    return 0;
}
