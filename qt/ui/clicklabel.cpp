#include "clicklabel.h"

#include "formbuilder.h"

#include <QFontMetricsF>
#include <QMetaMethod>
#include <QMouseEvent>

#include <algorithm>

namespace velkorn::ui {
namespace {

constexpr double kSmallestPointSize = 6.0;

} // namespace

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ClickLabel::setFittedText(const QString& text, double pointSize) {
    // The clock sets the same text on most ticks: nothing to measure or paint.
    if (text == this->text() && pointSize == fittedPointSize) {
        return;
    }
    fittedPointSize = pointSize;
    const QFont& font = sansSerifFont(pointSize);
    const double needed = QFontMetricsF(font).horizontalAdvance(text);
    if (needed > width()) {
        QFont smaller = font;
        smaller.setPointSizeF(std::max(pointSize * width() / needed, kSmallestPointSize));
        setFont(smaller);
    } else {
        setFont(font);
    }
    setText(text);
}

bool ClickLabel::isClickable() const {
    return isSignalConnected(QMetaMethod::fromSignal(&ClickLabel::clicked));
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
