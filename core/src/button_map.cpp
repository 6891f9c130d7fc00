#include "velkorn/button_map.h"

#include <array>

namespace velkorn {
namespace {

constexpr MappedAction digit(BoxId box, int value) {
    return {ButtonAction::EnterDigit, box, value};
}

constexpr MappedAction plain(ButtonAction action) {
    return {action, BoxId::Text1, 0};
}

constexpr ButtonMapping click(std::string_view control, MappedAction mapped) {
    return {control, ControlEvent::Click, mapped};
}

using enum ButtonAction;
using enum BoxId;

// Each keypad is two columns of five rows: 1 2 / 3 4 / 5 6 / 7 8 / 9 0.
constexpr std::array kMap{
    click("Image1", digit(Text1, 1)),
    click("Image2", digit(Text1, 2)),
    click("Image3", digit(Text1, 3)),
    click("Image4", digit(Text1, 4)),
    click("Image5", digit(Text1, 5)),
    click("Image6", digit(Text1, 6)),
    click("Image7", digit(Text1, 7)),
    click("Image8", digit(Text1, 8)),
    click("Image9", digit(Text1, 9)),
    click("Image10", digit(Text1, 0)),
    click("Image11", digit(Text2, 1)),
    click("Image12", digit(Text2, 2)),
    click("Image13", digit(Text2, 3)),
    click("Image14", digit(Text2, 4)),
    click("Image15", digit(Text2, 5)),
    click("Image16", digit(Text2, 6)),
    click("Image17", digit(Text2, 7)),
    click("Image18", digit(Text2, 8)),
    click("Image19", digit(Text2, 9)),
    click("Image20", digit(Text2, 0)),
    click("Image21", plain(Add)),
    click("Image22", plain(Subtract)),
    click("Image23", plain(Multiply)),
    click("Image24", plain(Divide)),
    click("Image25", plain(Clear)),
    click("Image26", plain(ShowAbout)),
    click("Image27", plain(ShowHelp)),
    click("Label2", plain(ExitProgram)),
    click("Label12", plain(ShowTime)),
    ButtonMapping{"Form1", ControlEvent::MouseDown, plain(DragWindow)},
};

} // namespace

std::span<const ButtonMapping> buttonMap() {
    return kMap;
}

std::optional<MappedAction> actionFor(std::string_view control, ControlEvent event) {
    for (const ButtonMapping& row : kMap) {
        if (row.control == control && row.event == event) {
            return row.mapped;
        }
    }
    return std::nullopt;
}

bool performEngineAction(CalculatorEngine& engine, const MappedAction& mapped) {
    switch (mapped.action) {
    case EnterDigit:
        engine.enterDigit(mapped.box, mapped.digit);
        return true;
    case Add:
        engine.add();
        return true;
    case Subtract:
        engine.subtract();
        return true;
    case Multiply:
        engine.multiply();
        return true;
    case Divide:
        engine.divide();
        return true;
    case Clear:
        engine.clear();
        return true;
    case ShowAbout:
    case ShowHelp:
    case ShowTime:
    case ExitProgram:
    case DragWindow:
        return false;
    }
    return false;
}

} // namespace velkorn
