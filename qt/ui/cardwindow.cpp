#include "cardwindow.h"

#include "accessibility.h"
#include "cardfont.h"
#include "clicklabel.h"
#include "formbuilder.h"
#include "highcontrast.h"
#include "keychordevent.h"
#include "keycues.h"
#include "liveregion.h"

#include "velkorn/focusorder.h"
#include "velkorn/picturescale.h"
#include "velkorn/twips.h"

#ifdef VELKORN_HAVE_X11_MOVE
#include "x11windowmove.h"
#endif

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
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

// The middle of the card's pixel under the pointer, in the twips the
// presenter lays the card out in.
QPoint twipsAt(QPointF position) {
    const QPoint pixel = position.toPoint();
    return {pixelToTwips(pixel.x()), pixelToTwips(pixel.y())};
}

} // namespace

CardWindow::CardWindow(const FormDescription& description, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), description(description) {
    installAccessibility();
    // At the scale the presenter will most likely ask for (usePictures).
    prefetchPictures(description, drawingScale(devicePixelRatioF()));
    controls = buildForm(this, description);
    cues = new KeyCues(this);
    // The picture covers the whole window: nothing needs filling under it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CardWindow::present() {
    presenting = true;
    CardPresenter& card = presenter();
    for (const ControlDescription& entry : description.controls) {
        // The boxes' keys meet the shortcuts first, and their focus is
        // the presenter's to know.
        if (entry.kind == ControlKind::TextBox) {
            control(entry.name)->installEventFilter(this);
        }
    }
    const std::vector<std::string_view> order = focusOrder(description);
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(control(order[i - 1]), control(order[i]));
    }
    card.contrastChanged(highContrast());
    connect(&ContrastWatch::instance(), &ContrastWatch::changed, this,
            [this] { presenter().contrastChanged(highContrast()); });
    card.load(devicePixelRatioF());
    focusControl(card.focusedControl());
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

void CardWindow::setCaption(std::string_view name, const std::u16string& text, double pointSize) {
    label(name)->setCaption(QString::fromStdU16String(text), pointSize);
}

double CardWindow::captionWidth(const std::u16string& text, double pointSize) const {
    return QFontMetricsF(sansSerifFont(pointSize))
        .horizontalAdvance(QString::fromStdU16String(text));
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

// As a checked button tells of it: screen readers hear the new choice
// without the focus moving to it. The state is the presenter's.
void CardWindow::setControlChecked(std::string_view name, bool) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(control(name), changed);
    QAccessible::updateAccessibility(&event);
}

void CardWindow::layOut(const CardLayout& layout) {
    laidOutScale = layout.scale;
    background = loadPicture(layout.background, devicePixelRatioF());
    placeControls(this, controls, layout);
    cues->setCues(layout.cues);
    update();
}

void CardWindow::showKeyCues(bool shown) {
    cues->setVisible(shown);
    cues->raise();
}

void CardWindow::addDecorations() {
    ContrastWatch::instance().askDesktop();
    // Once the frame being painted is on the screen.
    QTimer::singleShot(0, this, [this] { setWindowIcon(ui::windowIcon(description)); });
}

void CardWindow::focusControl(std::string_view name) {
    QWidget* target = name.empty() ? this : control(name);
    target->setFocus(Qt::OtherFocusReason);
}

void CardWindow::postTask(std::function<void()> task) {
    QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

PixelRect CardWindow::workArea() const {
    const QRect available = screen()->availableGeometry();
    return {available.x(), available.y(), available.width(), available.height()};
}

Point CardWindow::windowSize() const {
    return {width(), height()};
}

void CardWindow::showLiveText(const std::u16string& text) {
    if (liveRegion == nullptr) {
        liveRegion = new LiveRegion(this);
    }
    liveRegion->showText(QString::fromStdU16String(text));
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

void CardWindow::followScale() {
    presenter().scaleChanged(devicePixelRatioF());
}

bool CardWindow::event(QEvent* event) {
    if (presented() == nullptr) {
        return QWidget::event(event);
    }
    switch (event->type()) {
    // Sent when the window moves to another screen, and by newer Qt when
    // the scale of its screen changes.
    case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    case QEvent::DevicePixelRatioChange:
#endif
        followScale();
        break;
    case QEvent::WindowActivate:
        presenter().activated();
        break;
    case QEvent::ApplicationPaletteChange:
        presenter().contrastChanged(highContrast());
        break;
    case QEvent::WindowDeactivate:
        presenter().deactivated();
        break;
    case QEvent::Hide:
        presenter().pointerLost();
        break;
    case QEvent::ToolTip:
        showToolTip(static_cast<QHelpEvent*>(event));
        return true;
    default:
        break;
    }
    return QWidget::event(event);
}

void CardWindow::paintEvent(QPaintEvent*) {
    // A change of scale that came without an event of its own.
    if (devicePixelRatioF() != laidOutScale) {
        followScale();
    }
    // Drawn whole: the painter is clipped to the area asked for, and any
    // other source rectangle would fall between pixels at fractional scales.
    QPainter painter(this);
    painter.drawPixmap(0, 0, background);
    presenter().framePainted();
}

// Every press on the card reaches it here, the labels' and pictures' too
// (they let the pointer through): one route into the click rule.
void CardWindow::pointerPressed(QMouseEvent* event, bool secondOfDouble) {
    event->accept();
    if (const auto button = mouseButton(event->button())) {
        const QPoint at = twipsAt(event->position());
        presenter().pointerPressed(at.x(), at.y(), *button, secondOfDouble, globalPoint(event));
    }
}

void CardWindow::mousePressEvent(QMouseEvent* event) {
    pointerPressed(event, false);
}

void CardWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    pointerPressed(event, true);
}

void CardWindow::mouseMoveEvent(QMouseEvent* event) {
    const bool held = event->buttons() & qtButton(presenter().windowDrag().button());
    presenter().pointerMoved(globalPoint(event), held);
}

void CardWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (const auto button = mouseButton(event->button())) {
        const QPoint at = twipsAt(event->position());
        presenter().pointerReleased(*button, at.x(), at.y());
    }
}

void CardWindow::showToolTip(const QHelpEvent* event) {
    const QPoint at = twipsAt(event->pos());
    const auto name = presenter().controlAt(at.x(), at.y());
    const char* tip = name ? description.control(*name).toolTip : nullptr;
    if (tip == nullptr) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(event->globalPos(), QString::fromUtf8(tip), this,
                       control(*name)->geometry());
}

void CardWindow::keyReleaseEvent(QKeyEvent* event) {
    presenter().keyReleased(keyPress(*event));
    QWidget::keyReleaseEvent(event);
}

void CardWindow::keyPressEvent(QKeyEvent* event) {
    if (presenter().keyPressed(keyPress(*event)) == CardPresenter::KeyRoute::Shortcut) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The window's shortcuts come before the box that has the focus, and a
// chord that is none never reaches it as text.
bool CardWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (presenter().keyPressed(keyPress(*key))) {
        case CardPresenter::KeyRoute::Shortcut:
            return true;
        case CardPresenter::KeyRoute::ControlWithoutText: {
            QKeyEvent textless(key->type(), key->key(), key->modifiers(), key->nativeScanCode(),
                               key->nativeVirtualKey(), key->nativeModifiers(), QString(),
                               key->isAutoRepeat(), key->count());
            QCoreApplication::sendEvent(watched, &textless);
            return true;
        }
        case CardPresenter::KeyRoute::Control:
            break;
        }
    }
    if (event->type() == QEvent::KeyRelease) {
        presenter().keyReleased(keyPress(*static_cast<QKeyEvent*>(event)));
    }
    if (event->type() == QEvent::FocusIn) {
        presenter().focusMoved(watched->objectName().toStdString());
    }
    return QWidget::eventFilter(watched, event);
}

void CardWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    presenter().closeCommand();
}

} // namespace velkorn::ui
