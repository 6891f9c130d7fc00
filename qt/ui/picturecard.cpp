#include "picturecard.h"

#include "clicklabel.h"
#include "clicklabelaccessible.h"
#include "formbuilder.h"

#include <QCloseEvent>
#include <QPainter>
#include <QScreen>

namespace velkorn::ui {

PictureCard::PictureCard(const FormDescription& description, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), description(description) {
    installClickLabelAccessibility();
    buildForm(this, description);
    loadPictures();
    // The picture covers the whole window: nothing needs filling under it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QWidget* PictureCard::control(std::string_view name) const {
    return findChild<QWidget*>(latin1(name), Qt::FindDirectChildrenOnly);
}

ClickLabel* PictureCard::label(std::string_view name) const {
    return qobject_cast<ClickLabel*>(control(name));
}

void PictureCard::centreOnScreen() {
    const QRect available = screen()->availableGeometry();
    move(available.x() + (available.width() - width()) / 2,
         available.y() + (available.height() - height()) / 2);
}

void PictureCard::makeCloseLabel(std::string_view name) {
    connect(label(name), &ClickLabel::clicked, this, &PictureCard::closeRequested);
}

void PictureCard::backgroundPressed(QMouseEvent* event) {
    beginDrag(event);
}

void PictureCard::loadPictures() {
    const qreal ratio = devicePixelRatioF();
    if (ratio == picturesRatio) {
        return;
    }
    picturesRatio = ratio;
    background = loadPicture(description.background, ratio);
    for (const ControlDescription& entry : description.controls) {
        if (entry.picture != nullptr) {
            label(entry.name)->setPixmap(loadPicture(entry.picture, ratio));
        }
    }
    update();
}

bool PictureCard::event(QEvent* event) {
    // Sent when the window moves to another screen, and by newer Qt when
    // the scale of its screen changes.
    if (event->type() == QEvent::ScreenChangeInternal
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        || event->type() == QEvent::DevicePixelRatioChange
#endif
    ) {
        loadPictures();
    }
    return QWidget::event(event);
}

void PictureCard::paintEvent(QPaintEvent*) {
    // A change of scale that came without an event of its own.
    loadPictures();
    // Drawn whole: the painter is clipped to the area asked for, and any
    // other source rectangle would fall between pixels at fractional scales.
    QPainter painter(this);
    painter.drawPixmap(0, 0, background);
}

void PictureCard::mousePressEvent(QMouseEvent* event) {
    event->accept();
    backgroundPressed(event);
}

void PictureCard::mouseMoveEvent(QMouseEvent* event) {
    dragger.move(event);
}

void PictureCard::mouseReleaseEvent(QMouseEvent* event) {
    dragger.release(event);
}

void PictureCard::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click on the background drags too.
    mousePressEvent(event);
}

void PictureCard::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeRequested();
}

} // namespace velkorn::ui
