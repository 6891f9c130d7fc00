#include "clicklabel.h"

#include "cardfont.h"

#include <QAccessible>

namespace velkorn::ui {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ClickLabel::setCaption(const QString& text, double pointSize) {
    // The clock's caption keeps its size second after second: its font is
    // not resolved again.
    if (pointSize != captionSize) {
        captionSize = pointSize;
        setFont(sansSerifFont(pointSize));
    }
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

} // namespace velkorn::ui
