// Helpers shared by the window tests.
#pragma once

#include "errorreporter.h"
#include "picturecard.h"

#include "velkorn/calculator_engine.h"

#include <QLineEdit>
#include <QTest>

#include <optional>
#include <vector>

namespace velkorn::test {

// Counts reports instead of showing a message box.
class CountingReporter : public ui::ErrorReporter {
  public:
    void report(const std::exception& error, QWidget* origin) override {
        const auto* calculatorError = dynamic_cast<const CalculatorError*>(&error);
        kinds.push_back(calculatorError ? std::optional(calculatorError->kind()) : std::nullopt);
        origins.push_back(origin);
    }
    std::vector<std::optional<ErrorKind>> kinds;
    std::vector<QWidget*> origins;
};

inline QWidget* child(const ui::PictureCard& card, const char* name) {
    QWidget* found = card.control(name);
    if (found == nullptr) {
        qFatal("no control named %s", name);
    }
    return found;
}

inline QString boxText(const ui::PictureCard& card, const char* name) {
    return static_cast<QLineEdit*>(child(card, name))->text();
}

inline void click(const ui::PictureCard& card, const char* name,
                  Qt::MouseButton button = Qt::LeftButton) {
    QWidget* control = child(card, name);
    QTest::mouseClick(control, button, Qt::NoModifier, control->rect().center());
}

} // namespace velkorn::test
