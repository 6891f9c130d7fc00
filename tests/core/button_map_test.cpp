#include "engine_test_support.h"

#include "velkorn/button_map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velkorn {
namespace {

using enum ButtonAction;
using enum BoxId;

struct Row {
    std::string control;
    ControlEvent event;
    MappedAction expected;
};

TEST(ButtonMap, EveryControlMapsToItsAction) {
    std::vector<Row> table;
    // Keypads: 1 2 / 3 4 / 5 6 / 7 8 / 9 0, the first for Text1, the second for Text2.
    const int faces[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
    for (int i = 0; i < 10; ++i) {
        table.push_back(
            {"Image" + std::to_string(i + 1), ControlEvent::Click, {EnterDigit, Text1, faces[i]}});
        table.push_back(
            {"Image" + std::to_string(i + 11), ControlEvent::Click, {EnterDigit, Text2, faces[i]}});
    }
    const std::pair<const char*, ButtonAction> others[] = {
        {"Image21", Add},      {"Image22", Subtract},   {"Image23", Multiply},
        {"Image24", Divide},   {"Image25", Clear},      {"Image26", ShowAbout},
        {"Image27", ShowHelp}, {"Label2", ExitProgram}, {"Label12", ShowTime},
    };
    for (const auto& [control, action] : others) {
        table.push_back({control, ControlEvent::Click, {action, Text1, 0}});
    }
    table.push_back({"Form1", ControlEvent::MouseDown, {DragWindow, Text1, 0}});

    for (const auto& [control, event, expected] : table) {
        SCOPED_TRACE(control);
        const auto mapped = actionFor(control, event);
        ASSERT_TRUE(mapped.has_value());
        EXPECT_EQ(mapped->action, expected.action);
        if (expected.action == EnterDigit) {
            EXPECT_EQ(mapped->box, expected.box);
            EXPECT_EQ(mapped->digit, expected.digit);
        }
    }
    EXPECT_EQ(buttonMap().size(), table.size());
}

TEST(ButtonMap, PairsWithoutARowHaveNoAction) {
    const std::pair<std::string, ControlEvent> table[] = {
        {"Image1", ControlEvent::MouseDown}, {"Form1", ControlEvent::Click},
        {"Label2", ControlEvent::MouseDown}, {"Text1", ControlEvent::Click},
        {"Text3", ControlEvent::Click},      {"Label1", ControlEvent::Click},
        {"Label3", ControlEvent::Click},     {"Label8", ControlEvent::Click},
        {"Label10", ControlEvent::Click},    {"Label11", ControlEvent::Click},
        {"Timer1", ControlEvent::Click},     {"Image0", ControlEvent::Click},
        {"Image28", ControlEvent::Click},    {"image1", ControlEvent::Click},
        {"Image1 ", ControlEvent::Click},    {"", ControlEvent::Click},
    };
    for (const auto& [control, event] : table) {
        SCOPED_TRACE("\"" + control + "\"");
        EXPECT_FALSE(actionFor(control, event).has_value());
    }
}

TEST(ButtonMap, OnlyEngineActionsArePerformedOnTheEngine) {
    for (const ButtonMapping& row : buttonMap()) {
        SCOPED_TRACE(std::string(row.control));
        auto engine = test::engineWith("8", "2", "r");
        const bool isEngineAction = row.mapped.action <= Clear;
        EXPECT_EQ(performEngineAction(engine, row.mapped), isEngineAction);
        if (!isEngineAction) {
            EXPECT_EQ(engine.text(Text1), "8");
            EXPECT_EQ(engine.text(Text2), "2");
            EXPECT_EQ(engine.text(Text3), "r");
        }
    }
}

// Clicks on the main window, by control name, and what the boxes show after
// them; a step may instead raise an error that leaves the boxes as they were.
struct Replay {
    std::string name;
    std::vector<std::string> clicks;
    std::string text1;
    std::string text2;
    std::string text3;
    std::optional<ErrorKind> lastError;
};

TEST(ButtonMap, ReplayedClicksGiveWhatTheCalculatorShows) {
    using enum ErrorKind;
    const Replay table[] = {
        {"typical calculation", {"Image1", "Image2", "Image13", "Image21"}, "12", "3", "15", {}},
        {"then clear", {"Image1", "Image2", "Image13", "Image21", "Image25"}, "", "", "", {}},
        {"123 in Text1", {"Image1", "Image2", "Image3"}, "123", "", "", {}},
        {"zeros", {"Image10", "Image10", "Image20"}, "00", "0", "", {}},
        {"minus below zero", {"Image3", "Image18", "Image22"}, "3", "8", "-5", {}},
        {"times", {"Image3", "Image4", "Image11", "Image12", "Image23"}, "34", "12", "408", {}},
        {"divide rounds", {"Image7", "Image12", "Image24"}, "7", "2", "4", {}},
        {"divide by zero", {"Image5", "Image20", "Image24"}, "5", "0", "", DivisionByZero},
        {"plus on empty boxes", {"Image21"}, "", "", "", TypeMismatch},
        {"overflowing product",
         {"Image2", "Image10", "Image10", "Image12", "Image20", "Image20", "Image23"},
         "200",
         "200",
         "",
         Overflow},
        {"error keeps old result",
         {"Image9", "Image19", "Image21", "Image10", "Image10", "Image10", "Image10", "Image21"},
         "90000",
         "9",
         "18",
         Overflow},
        {"window actions touch nothing",
         {"Image1", "Image26", "Image27", "Label12", "Label2"},
         "1",
         "",
         "",
         {}},
    };
    for (const auto& [name, clicks, text1, text2, text3, lastError] : table) {
        SCOPED_TRACE(name);
        CalculatorEngine engine;
        std::optional<ErrorKind> error;
        for (const std::string& control : clicks) {
            const auto mapped = actionFor(control, ControlEvent::Click);
            ASSERT_TRUE(mapped.has_value()) << control;
            error = test::errorOf([&] { performEngineAction(engine, *mapped); });
        }
        EXPECT_EQ(error, lastError);
        EXPECT_EQ(engine.text(Text1), text1);
        EXPECT_EQ(engine.text(Text2), text2);
        EXPECT_EQ(engine.text(Text3), text3);
    }
}

} // namespace
} // namespace velkorn
