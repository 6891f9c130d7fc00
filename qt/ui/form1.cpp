#include "form1.h"

#include "clicklabel.h"
#include "formbuilder.h"
#include "velkorn/form1description.h"

#include <QLineEdit>
#include <QTimer>

namespace velkorn::ui {
namespace {

constexpr int kClockIntervalMs = 500;

} // namespace

Form1::Form1(ErrorReporter& reporter, Clock clock, QWidget* parent)
    : PictureCard(form1Description(), parent), reporter(reporter), clock(std::move(clock)),
      timer(new QTimer(this)), dateLabel(label("Label11")), timeLabel(label("Label12")),
      clockPointSize(form1Description().control("Label12").pointSize) {
    connectControls();
    connectBoxes();
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(kClockIntervalMs);
    connect(timer, &QTimer::timeout, this, &Form1::updateClock);
    timer->start();
}

void Form1::connectControls() {
    for (const ButtonMapping& row : buttonMap()) {
        if (row.event != ControlEvent::Click) {
            continue;
        }
        ClickLabel* control = label(row.control);
        Q_ASSERT(control != nullptr);
        const std::string_view name = row.control;
        connect(control, &ClickLabel::clicked, this,
                [this, name] { handle(name, ControlEvent::Click); });
    }
}

void Form1::connectBoxes() {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto id = static_cast<BoxId>(i);
        boxes[i] = qobject_cast<QLineEdit*>(control(boxName(id)));
        // User edits only (typing, deleting, cutting, pasting, undo): the
        // engine holds the one copy of what the boxes show.
        connect(boxes[i], &QLineEdit::textEdited, this,
                [this, id](const QString& text) { takeEdit(id, text); });
    }
    setTabOrder(boxes[0], boxes[1]);
    setTabOrder(boxes[1], boxes[2]);
    boxes[0]->setFocus();
}

void Form1::takeEdit(BoxId id, const QString& edited) {
    // The box keeps itself to 15 characters, as the engine does.
    calculator.setText(id, edited.toStdString());
}

void Form1::backgroundPressed(QMouseEvent* event) {
    handle(objectName().toStdString(), ControlEvent::MouseDown, event);
}

void Form1::handle(std::string_view control, ControlEvent event, const QMouseEvent* press) {
    const auto mapped = actionFor(control, event);
    if (!mapped) {
        return;
    }
    try {
        if (performEngineAction(calculator, *mapped)) {
            showBoxes();
            return;
        }
    } catch (const CalculatorError& error) {
        // The boxes keep what they showed before the click.
        reporter.report(error, this);
        return;
    }
    carryOutWindowAction(mapped->action, press);
}

void Form1::carryOutWindowAction(ButtonAction action, const QMouseEvent* press) {
    switch (action) {
    case ButtonAction::ShowAbout:
        emit windowRequested(WindowId::About);
        break;
    case ButtonAction::ShowHelp:
        emit windowRequested(WindowId::Help);
        break;
    case ButtonAction::ShowTime:
        showTime();
        break;
    case ButtonAction::ExitProgram:
        emit exitRequested();
        break;
    case ButtonAction::DragWindow:
        if (press != nullptr) {
            beginDrag(press);
        }
        break;
    default:
        break;
    }
}

void Form1::showBoxes() {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QString text = QString::fromStdString(calculator.text(static_cast<BoxId>(i)));
        if (boxes[i]->text() != text) {
            boxes[i]->setText(text);
        }
    }
}

void Form1::showTime() {
    timeLabel->setFittedText(clockFormat.time(clock().time()), clockPointSize);
}

void Form1::updateClock() {
    // Two readings of the clock, the time first.
    showTime();
    dateLabel->setFittedText(clockFormat.date(clock().date()), clockPointSize);
}

} // namespace velkorn::ui
