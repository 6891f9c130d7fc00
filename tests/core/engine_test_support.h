// Small helpers shared by the core tests.
#pragma once

#include "velkorn/calculator_engine.h"

#include <optional>
#include <string>

namespace velkorn::test {

enum class Op { Add, Subtract, Multiply, Divide };

inline void run(CalculatorEngine& engine, Op op) {
    switch (op) {
    case Op::Add:
        return engine.add();
    case Op::Subtract:
        return engine.subtract();
    case Op::Multiply:
        return engine.multiply();
    case Op::Divide:
        return engine.divide();
    }
}

// The error an action raised, or nothing when it succeeded.
template <typename Action> std::optional<ErrorKind> errorOf(Action action) {
    try {
        action();
    } catch (const CalculatorError& error) {
        return error.kind();
    }
    return std::nullopt;
}

inline CalculatorEngine engineWith(const std::string& text1, const std::string& text2,
                                   const std::string& text3 = "") {
    CalculatorEngine engine;
    engine.setText(BoxId::Text1, text1);
    engine.setText(BoxId::Text2, text2);
    engine.setText(BoxId::Text3, text3);
    return engine;
}

} // namespace velkorn::test
