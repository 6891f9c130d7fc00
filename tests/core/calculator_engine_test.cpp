#include "engine_test_support.h"

#include "velkorn/utf8_text.h"

#include <gtest/gtest.h>

#include <string>

namespace velkorn {
namespace {

using test::engineWith;
using test::errorOf;
using test::Op;

struct Operation {
    Op op;
    std::string text1;
    std::string text2;
    std::string result; // the text of Text3, or the previous one on error
    std::optional<ErrorKind> error;
};

TEST(CalculatorEngine, OperationsAtTheSixteenBitEdges) {
    using enum Op;
    using enum ErrorKind;
    const Operation table[] = {
        {Add, "12", "3", "15", {}},
        {Add, "000000000000012", "3", "15", {}},
        {Add, "32766", "1", "32767", {}},
        {Add, "32767", "1", "previous", Overflow},
        {Add, "-32768", "-1", "previous", Overflow},
        {Add, "-32768", "32767", "-1", {}},
        {Add, " 5 ", "+5", "10", {}},
        {Subtract, "3", "8", "-5", {}},
        {Subtract, "0", "32767", "-32767", {}},
        {Subtract, "-1", "32767", "-32768", {}},
        {Subtract, "-32768", "1", "previous", Overflow},
        {Subtract, "0", "-32768", "previous", Overflow},
        {Multiply, "181", "181", "32761", {}},
        {Multiply, "-128", "256", "-32768", {}},
        {Multiply, "128", "256", "previous", Overflow},
        {Multiply, "200", "200", "previous", Overflow},
        {Multiply, "-32768", "-1", "previous", Overflow},
        {Multiply, "-32768", "0", "0", {}},
        {Divide, "7", "2", "4", {}},
        {Divide, "5", "2", "2", {}},
        {Divide, "1", "2", "0", {}},
        {Divide, "3", "2", "2", {}},
        {Divide, "2", "3", "1", {}},
        {Divide, "-7", "2", "-4", {}},
        {Divide, "-5", "2", "-2", {}},
        {Divide, "7", "-2", "-4", {}},
        {Divide, "-7", "-2", "4", {}},
        {Divide, "9", "3", "3", {}},
        {Divide, "0", "5", "0", {}},
        {Divide, "-32768", "1", "-32768", {}},
        {Divide, "32767", "-1", "-32767", {}},
        {Divide, "-32768", "-2", "16384", {}},
        {Divide, "-32768", "-1", "previous", Overflow},
        {Divide, "5", "0", "previous", DivisionByZero},
        {Divide, "-5", "0", "previous", DivisionByZero},
        {Divide, "0", "0", "previous", Overflow},
        {Divide, "0.4", "0", "previous", Overflow}, // rounds to 0 first
    };
    for (const auto& [op, text1, text2, result, error] : table) {
        SCOPED_TRACE("\"" + text1 + "\" op" + std::to_string(static_cast<int>(op)) + " \"" + text2 +
                     "\"");
        auto engine = engineWith(text1, text2, "previous");
        const Op operation = op; // clang 14 cannot capture a structured binding
        EXPECT_EQ(errorOf([&] { test::run(engine, operation); }), error);
        EXPECT_EQ(engine.text(BoxId::Text1), text1);
        EXPECT_EQ(engine.text(BoxId::Text2), text2);
        EXPECT_EQ(engine.text(BoxId::Text3), result);
    }
}

struct ErrorOrder {
    Op op;
    std::string text1;
    std::string text2;
    ErrorKind expected;
};

// Text1 is converted first, then Text2, then the computation runs.
TEST(CalculatorEngine, FirstFailingStepDecidesTheError) {
    using enum Op;
    using enum ErrorKind;
    const ErrorOrder table[] = {
        {Add, "", "99999", TypeMismatch},   {Add, "99999", "", Overflow},
        {Divide, "5", "", TypeMismatch},    {Divide, "", "0", TypeMismatch},
        {Divide, "32768", "0", Overflow},   {Subtract, " ", "1", TypeMismatch},
        {Multiply, "32768", "x", Overflow}, {Multiply, "2", "32768", Overflow},
    };
    for (const auto& [op, text1, text2, expected] : table) {
        SCOPED_TRACE("\"" + text1 + "\", \"" + text2 + "\"");
        auto engine = engineWith(text1, text2);
        const Op operation = op;
        EXPECT_EQ(errorOf([&] { test::run(engine, operation); }), expected);
    }
}

TEST(CalculatorEngine, EveryOperationFailsOnAFreshEngine) {
    for (Op op : {Op::Add, Op::Subtract, Op::Multiply, Op::Divide}) {
        CalculatorEngine engine;
        EXPECT_EQ(errorOf([&] { test::run(engine, op); }), ErrorKind::TypeMismatch);
        EXPECT_EQ(engine.text(BoxId::Text3), "");
    }
}

TEST(CalculatorEngine, RegistersKeepConvertedOperandsAndLastResults) {
    auto engine = engineWith("7", "2");
    engine.add();
    engine.subtract();
    engine.multiply();
    engine.divide();
    // A failed operation writes the operands it converted, never its result.
    engine.setText(BoxId::Text1, "30000");
    engine.setText(BoxId::Text2, "30000");
    EXPECT_EQ(errorOf([&] { engine.add(); }), ErrorKind::Overflow);
    engine.setText(BoxId::Text1, "-3");
    engine.setText(BoxId::Text2, "oops");
    EXPECT_EQ(errorOf([&] { engine.multiply(); }), ErrorKind::TypeMismatch);
    engine.clear();

    const auto& r = engine.registers();
    EXPECT_EQ(r.firstOperand, -3);
    EXPECT_EQ(r.secondOperand, 30000);
    EXPECT_EQ(r.sum, 9);
    EXPECT_EQ(r.difference, 5);
    EXPECT_EQ(r.product, 14);
    EXPECT_EQ(r.quotient, 4);
}

TEST(CalculatorEngine, OperandsStayAndRepeatedOperationsAgree) {
    auto engine = engineWith("40", "2");
    engine.add();
    EXPECT_EQ(engine.text(BoxId::Text3), "42");
    engine.add();
    EXPECT_EQ(engine.text(BoxId::Text3), "42");
    engine.setText(BoxId::Text2, "4");
    engine.subtract();
    EXPECT_EQ(engine.text(BoxId::Text3), "36");
    EXPECT_EQ(engine.text(BoxId::Text1), "40");
}

TEST(CalculatorEngine, ClearEmptiesEveryBoxAndKeepsTheRegisters) {
    auto engine = engineWith("6", "7");
    engine.multiply();
    engine.clear();
    for (BoxId box : {BoxId::Text1, BoxId::Text2, BoxId::Text3}) {
        EXPECT_EQ(engine.text(box), "");
    }
    EXPECT_EQ(engine.registers().product, 42);
    EXPECT_EQ(errorOf([&] { engine.add(); }), ErrorKind::TypeMismatch);
    engine.enterDigit(BoxId::Text1, 5);
    EXPECT_EQ(engine.text(BoxId::Text1), "5");
}

struct DigitEntry {
    std::string before;
    int digit;
    std::string after;
};

TEST(CalculatorEngine, DigitEntryAppendsOrReplacesTheBlankMarker) {
    const std::string fifteen = "123456789012345";
    const std::string fourteenWide = std::string(13, 'x') + "\xC3\xA9"; // 14 characters
    const std::string fifteenWide = "\xE4\xB8\xAD" + fourteenWide;      // 15 characters
    const DigitEntry table[] = {
        {" ", 3, "3"},
        {"", 3, "3"},
        {"3", 3, "33"},
        {"0", 3, "03"},
        {"-", 3, "-3"},
        {"  ", 3, "  3"},
        {" ", 0, "0"},
        {"0", 0, "00"},
        {"12", 3, "123"},
        {fifteen, 3, fifteen},
        {fourteenWide, 7, fourteenWide + "7"},
        {fifteenWide, 7, fifteenWide},
    };
    for (BoxId box : {BoxId::Text1, BoxId::Text2}) {
        for (const auto& [before, digit, after] : table) {
            SCOPED_TRACE("before: \"" + before + "\"");
            CalculatorEngine engine;
            engine.setText(box, before);
            engine.setText(BoxId::Text3, "r");
            engine.enterDigit(box, digit);
            EXPECT_EQ(engine.text(box), after);
            EXPECT_EQ(engine.text(BoxId::Text3), "r");
        }
    }
}

TEST(CalculatorEngine, DigitEntryIgnoresTheResultBoxAndNonDigits) {
    CalculatorEngine engine;
    engine.enterDigit(BoxId::Text3, 4);
    engine.enterDigit(BoxId::Text1, 10);
    engine.enterDigit(BoxId::Text1, -1);
    for (BoxId box : {BoxId::Text1, BoxId::Text2, BoxId::Text3}) {
        EXPECT_EQ(engine.text(box), "");
    }
}

struct StoredText {
    std::string given;
    std::string stored;
};

TEST(CalculatorEngine, SetTextKeepsFifteenCharactersOfValidUtf8) {
    const std::string han = "\xE4\xB8\xAD"; // U+4E2D
    std::string sixteenHan;
    for (int i = 0; i < 16; ++i) {
        sixteenHan += han;
    }
    const StoredText table[] = {
        {"12345678901234567890", "123456789012345"},
        {"", ""},
        {" ", " "},
        {"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},
        {sixteenHan, sixteenHan.substr(0, 45)},
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"}, // one character in four bytes
        {"a\xFF"
         "b",
         "a\xEF\xBF\xBD"
         "b"},                                                    // stray byte repaired
        {"\xE4\xB8", "\xEF\xBF\xBD\xEF\xBF\xBD"},                 // truncated sequence
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                 // overlong "/"
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}, // surrogate
        {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& [given, stored] : table) {
        SCOPED_TRACE("given: \"" + given + "\"");
        CalculatorEngine engine;
        engine.setText(BoxId::Text3, given);
        EXPECT_EQ(engine.text(BoxId::Text3), stored);
        EXPECT_TRUE(isValidUtf8(engine.text(BoxId::Text3)));
        EXPECT_LE(codePointCount(engine.text(BoxId::Text3)), kMaxBoxLength);
    }
}

} // namespace
} // namespace velkorn
