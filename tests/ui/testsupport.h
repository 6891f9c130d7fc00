// Helpers shared by the window tests.
#pragma once

#include "cardwindow.h"

#include "velkorn/calculator_engine.h"
#include "velkorn/clockformat.h"
#include "velkorn/formhost.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QToolTip>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velkorn::test {

// Stands in for the application: records what the windows ask, and counts
// error reports instead of showing a message box.
class RecordingHost : public FormHost {
  public:
    void showWindow(WindowId id) override { shown.push_back(id); }
    void hideWindow(WindowId id) override { hidden.push_back(id); }
    void endProgram() override { ++ended; }
    void reportError(WindowId origin, std::string_view message,
                     std::function<void()> dismissed) override {
        std::optional<ErrorKind> kind;
        for (ErrorKind candidate :
             {ErrorKind::TypeMismatch, ErrorKind::Overflow, ErrorKind::DivisionByZero}) {
            if (message == errorMessage(candidate)) {
                kind = candidate;
            }
        }
        kinds.push_back(kind);
        origins.push_back(origin);
        dismissed();
    }

    std::vector<WindowId> shown;
    std::vector<WindowId> hidden;
    int ended = 0;
    std::vector<std::optional<ErrorKind>> kinds;
    std::vector<WindowId> origins;
};

inline QWidget* child(const ui::CardWindow& card, const char* name) {
    QWidget* found = card.control(name);
    if (found == nullptr) {
        qFatal("no control named %s", name);
    }
    return found;
}

inline QString boxText(const ui::CardWindow& card, const char* name) {
    return static_cast<QLineEdit*>(child(card, name))->text();
}

// A click at the control's middle, through the card's window as a
// person's click comes.
inline void click(const ui::CardWindow& card, const char* name,
                  Qt::MouseButton button = Qt::LeftButton) {
    QWidget* control = child(card, name);
    QTest::mouseClick(card.windowHandle(), button, Qt::NoModifier, control->geometry().center());
}

// What a screen reader reads of a control.
inline QString accessibleText(QWidget* control, QAccessible::Text kind = QAccessible::Name) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible != nullptr ? accessible->text(kind) : QString();
}

// The tool tip the card shows with the pointer resting on the control's
// middle.
inline QString toolTipOver(ui::CardWindow& card, const char* name) {
    const QPoint middle = child(card, name)->geometry().center();
    QHelpEvent rest(QEvent::ToolTip, middle, card.mapToGlobal(middle));
    QCoreApplication::sendEvent(&card, &rest);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// What Qt itself writes with a locale's patterns, the time zone left out:
// what the clock is held to.
struct QtClock {
    explicit QtClock(const QLocale& regional = QLocale())
        : locale(regional), timePattern(QString::fromStdU16String(withoutTimeZone(
                                regional.timeFormat(QLocale::LongFormat).toStdU16String()))) {}
    QString time(QTime time) const { return locale.toString(time, timePattern); }
    QString date(QDate date) const {
        return locale.toString(date, locale.dateFormat(QLocale::ShortFormat));
    }
    QLocale locale;
    QString timePattern;
};

} // namespace velkorn::test
