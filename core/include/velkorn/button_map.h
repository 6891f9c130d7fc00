// The fixed map from the main window's clickable controls to what a click (or
// a press on the background) does. Engine actions are carried out here by
// performEngineAction, so the window only handles the window actions
// (showing another window, the time, exit, drag).
#pragma once

#include "velkorn/calculator_engine.h"

#include <optional>
#include <span>
#include <string_view>

namespace velkorn {

enum class ButtonAction {
    EnterDigit,
    Add,
    Subtract,
    Multiply,
    Divide,
    Clear,
    ShowAbout,
    ShowHelp,
    ShowTime,
    ExitProgram,
    DragWindow
};

enum class ControlEvent { Click, MouseDown };

// box and digit matter only for EnterDigit.
struct MappedAction {
    ButtonAction action;
    BoxId box;
    int digit;

    friend bool operator==(const MappedAction&, const MappedAction&) = default;
};

struct ButtonMapping {
    std::string_view control;
    ControlEvent event;
    MappedAction mapped;
};

// Every row of the map, one per control (and the window's own background).
std::span<const ButtonMapping> buttonMap();

// The action for a control of the main window and an event, or none.
std::optional<MappedAction> actionFor(std::string_view control, ControlEvent event);

// Runs an engine action on the engine and returns true; returns false, and
// does nothing, for a window action. Engine errors propagate as
// CalculatorError.
bool performEngineAction(CalculatorEngine& engine, const MappedAction& mapped);

} // namespace velkorn
