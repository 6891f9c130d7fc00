#include "cardwindow.h"

#include "accessibility.h"
#include "clicklabel.h"
#include "formbuilder.h"
#include "keychordevent.h"

#include "velkorn/picturescale.h"
#include "velkorn/twips.h"

#ifdef VELKORN_HAVE_X11_MOVE
#include "x11windowmove.h"
#endif

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <optional>

namespace velkorn::ui {
namespace {

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

std::optional<MouseButton> mouseButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

Qt::MouseButton qtButton(MouseButton button) {
    switch (button) {
    case MouseButton::Left:
        return Qt::LeftButton;
    case MouseButton::Right:
        return Qt::RightButton;
    case MouseButton::Middle:
        return Qt::MiddleButton;
    }
    return Qt::NoButton;
}

Point globalPoint(const QMouseEvent* event) {
    const QPoint point = event->globalPosition().toPoint();
    return {point.x(), point.y()};
}

} // namespace

CardWindow::CardWindow(const FormDescription& description, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), description(description) {
    installAccessibility();
    // At the scale the presenter will most likely ask for (usePictures).
    prefetchPictures(description, drawingScale(devicePixelRatioF()));
    controls = buildForm(this, description);
    // The picture covers the whole window: nothing needs filling under it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CardWindow::present() {
    CardPresenter& card = presenter();
    for (const ControlDescription& entry : description.controls) {
        // The boxes' keys meet the shortcuts first; the presses on labels
        // and pictures go to the presenter's click rule.
        if (entry.kind != ControlKind::PictureText) {
            control(entry.name)->installEventFilter(this);
        }
        if (entry.clicks) {
            label(entry.name)
                ->setShortcutText(QString::fromStdString(card.shortcutText(entry.name)));
            const std::string_view name = entry.name;
            connect(label(name), &ClickLabel::clicked, this, [&card, name] { card.click(name); });
        }
    }
    card.load(devicePixelRatioF());
}

DragSettings CardWindow::dragSettings() {
    const int distance = QApplication::startDragDistance();
    return {.distance = {distance, distance}, .systemMoveOnPress = onWayland()};
}

QWidget* CardWindow::control(std::string_view name) const {
    const auto found = controls.find(name);
    return found == controls.end() ? nullptr : found->second;
}

ClickLabel* CardWindow::label(std::string_view name) const {
    return qobject_cast<ClickLabel*>(control(name));
}

void CardWindow::centreOnScreen() {
    const QRect available = screen()->availableGeometry();
    move(available.x() + (available.width() - width()) / 2,
         available.y() + (available.height() - height()) / 2);
}

void CardWindow::setCaption(std::string_view name, const std::u16string& text, double pointSize) {
    label(name)->setCaption(QString::fromStdU16String(text), pointSize);
}

double CardWindow::captionWidth(const std::u16string& text, double pointSize) const {
    return captionMetrics.width(QString::fromStdU16String(text), pointSize);
}

double CardWindow::controlWidth(std::string_view name) const {
    return control(name)->width();
}

void CardWindow::setControlVisible(std::string_view name, bool visible) {
    QWidget* widget = control(name);
    const bool wasVisible = widget->isVisible();
    widget->setVisible(visible);
    if (widget->isVisible() != wasVisible) {
        notifyVisibilityChanged(widget);
    }
}

void CardWindow::setControlChecked(std::string_view name, bool checked) {
    label(name)->setChecked(checked);
}

void CardWindow::usePictures(int drawingScale) {
    const qreal ratio = devicePixelRatioF();
    if (drawingScale == drawing && ratio == picturesRatio) {
        return;
    }
    drawing = drawingScale;
    picturesRatio = ratio;
    background = loadPicture(description.background, ratio, drawing);
    for (const ControlDescription& entry : description.controls) {
        if (entry.picture != nullptr) {
            label(entry.name)->setPixmap(loadPicture(entry.picture, ratio, drawing));
        }
    }
    update();
}

// The tool tips are set as the controls are made: a Qt tool tip costs
// nothing until it is shown.
void CardWindow::addDecorations() {
    // Until now each caption was measured once, whole; from here on a
    // caption changes a few characters at a time (the clock's), and pairs
    // of characters pay off.
    captionMetrics.learnPairs();
    // Once the frame being painted is on the screen.
    QTimer::singleShot(0, this, [this] { setWindowIcon(ui::windowIcon(description)); });
}

void CardWindow::beep() {
    QApplication::beep();
}

Point CardWindow::windowPosition() const {
    return {pos().x(), pos().y()};
}

void CardWindow::moveWindowTo(Point topLeft) {
    move(topLeft.x, topLeft.y);
}

bool CardWindow::startSystemMove(MouseButton, Point pointer) {
    if (onWayland()) {
        // The compositor knows the button and needs the press to move.
        QWindow* handle = windowHandle();
        return handle != nullptr && handle->startSystemMove();
    }
#ifdef VELKORN_HAVE_X11_MOVE
    return startX11WindowMove(this, QPoint(pointer.x, pointer.y));
#else
    Q_UNUSED(pointer);
    return false;
#endif
}

void CardWindow::cancelSystemMove() {
#ifdef VELKORN_HAVE_X11_MOVE
    if (!onWayland()) {
        cancelX11WindowMove(this);
    }
#endif
}

// The presenter picks the drawing; the pictures are made again for the
// new ratio even when the drawing stays.
void CardWindow::followScale() {
    presenter().scaleChanged(devicePixelRatioF());
    usePictures(presenter().pictureDrawing());
}

bool CardWindow::event(QEvent* event) {
    // Sent when the window moves to another screen, and by newer Qt when
    // the scale of its screen changes.
    if (event->type() == QEvent::ScreenChangeInternal
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        || event->type() == QEvent::DevicePixelRatioChange
#endif
    ) {
        followScale();
    }
    return QWidget::event(event);
}

void CardWindow::paintEvent(QPaintEvent*) {
    // A change of scale that came without an event of its own.
    if (devicePixelRatioF() != picturesRatio) {
        followScale();
    }
    // Drawn whole: the painter is clipped to the area asked for, and any
    // other source rectangle would fall between pixels at fractional scales.
    QPainter painter(this);
    painter.drawPixmap(0, 0, background);
    presenter().framePainted();
}

void CardWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (const auto button = mouseButton(event->button())) {
        presenter().backgroundPressed(*button, globalPoint(event));
    }
}

void CardWindow::mouseMoveEvent(QMouseEvent* event) {
    const bool held = event->buttons() & qtButton(presenter().windowDrag().button());
    presenter().pointerMoved(globalPoint(event), held);
}

void CardWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (const auto button = mouseButton(event->button())) {
        presenter().buttonReleased(*button);
    }
}

void CardWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click on the background drags too.
    mousePressEvent(event);
}

void CardWindow::keyPressEvent(QKeyEvent* event) {
    if (presenter().keyPressed(keyChord(*event))) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The window's shortcuts come before the box that has the focus: a box
// would otherwise take Alt and a letter as text.
bool CardWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        presenter().keyPressed(keyChord(*static_cast<QKeyEvent*>(event)))) {
        return true;
    }
    if (qobject_cast<ClickLabel*>(watched) != nullptr && labelPressed(watched, event)) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// A press or release on a label, handed to the presenter at its place on
// the card: the label keeps it, so that it never reaches the card as a
// drag.
bool CardWindow::labelPressed(QObject* label, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const auto button = mouseButton(mouse->button());
    if (!button) {
        return true;
    }
    const QPoint at = static_cast<QWidget*>(label)->mapTo(this, mouse->position().toPoint());
    const int x = pixelToTwips(at.x());
    const int y = pixelToTwips(at.y());
    if (type == QEvent::MouseButtonRelease) {
        presenter().pointerReleased(*button, x, y);
    } else {
        presenter().pointerPressed(x, y, *button, type == QEvent::MouseButtonDblClick,
                                   globalPoint(mouse));
    }
    return true;
}

void CardWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    presenter().closeCommand();
}

} // namespace velkorn::ui
