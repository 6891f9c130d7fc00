#include "clicklabel.h"

#include "cardfont.h"

#include <QAccessible>
#include <QMouseEvent>

namespace velkorn::ui {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ClickLabel::setCaption(const QString& text, double pointSize) {
    setFont(sansSerifFont(pointSize));
    setText(text);
}

void ClickLabel::setChecked(bool isChecked) {
    checkable = true;
    if (isChecked == checked) {
        return;
    }
    checked = isChecked;
    // As a checked button tells of it: screen readers hear the new choice
    // without the focus moving to it.
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const Qt::MouseButton button = event->button();
    pressedButton = (button == Qt::LeftButton || button == Qt::RightButton) ? button : Qt::NoButton;
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool isClick = event->button() == pressedButton && pressedButton != Qt::NoButton &&
                         rect().contains(event->position().toPoint());
    pressedButton = Qt::NoButton;
    if (isClick) {
        emit clicked();
    }
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    // QLabel would treat this as another press; it is no click at all.
    event->accept();
    pressedButton = Qt::NoButton;
}

} // namespace velkorn::ui
