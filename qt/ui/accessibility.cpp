#include "accessibility.h"

#include "liveregion.h"
#include "cardaccessible.h"
#include "clicklabel.h"
#include "cardwindow.h"
#include "textbox.h"

#include "velkorn/textchange.h"

#include <QAccessible>
#include <QWidget>

#ifdef VELKORN_HAVE_QTDBUS
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#endif

namespace velkorn::ui {
namespace {

// Asked for each class of an object, most derived first.
QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("velkorn::ui::CardWindow")) {
        return cardAccessible(static_cast<CardWindow*>(object));
    }
    if (className == QLatin1String("velkorn::ui::ClickLabel")) {
        return clickLabelAccessible(static_cast<ClickLabel*>(object));
    }
    if (className == QLatin1String("velkorn::ui::TextBox")) {
        return textBoxAccessible(static_cast<TextBox*>(object));
    }
    if (className == QLatin1String("velkorn::ui::LiveRegion")) {
        return liveRegionAccessible(static_cast<LiveRegion*>(object));
    }
    return nullptr;
}

// The accessibility bus as Qt's AT-SPI bridge is connected to it (it names
// the connection "a11y"): what is sent there comes from the objects screen
// readers know. Not connected while no screen reader listens.
#ifdef VELKORN_HAVE_QTDBUS
QDBusConnection atspiBus() {
    return QDBusConnection(QStringLiteral("a11y"));
}

bool atspiListening() {
    return QAccessible::isActive() && atspiBus().isConnected();
}

// An object event as the bridge sends it: from the object's path, with the
// application's root as the last argument.
void sendAtspiEvent(QObject* object, const QString& member, const QString& kind, int detail,
                    const QVariant& data) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    const QDBusConnection bus = atspiBus();
    if (interface == nullptr) {
        return;
    }
    const QString path =
        QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(interface));
    QDBusArgument application;
    application.beginStructure();
    application << bus.baseService()
                << QDBusObjectPath(QStringLiteral("/org/a11y/atspi/accessible/root"));
    application.endStructure();
    QDBusMessage signal =
        QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"), member);
    signal << kind << detail << 0 << QVariant::fromValue(QDBusVariant(data))
           << QVariant::fromValue(application);
    bus.send(signal);
}
#else
bool atspiListening() {
    return false;
}

void sendAtspiEvent(QObject*, const QString&, const QString&, int, const QVariant&) {}
#endif

QAccessible::UpdateHandler underneath = nullptr;
void mend(QAccessibleEvent* event);

// To the handler underneath, or to the platform's bridge, which Qt hands
// an event only while no handler is installed: this one steps aside.
void passOn(QAccessibleEvent* event) {
    if (underneath != nullptr) {
        underneath(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&mend);
}

// QLineEdit::setText reports the whole text replaced, from the start.
void passOnTextChange(QAccessibleTextUpdateEvent* replaced) {
    const TextChange change = textChange(replaced->textRemoved().toStdU32String(),
                                         replaced->textInserted().toStdU32String());
    const auto position = static_cast<int>(change.position);
    const QString removed = QString::fromStdU32String(change.removed);
    const QString inserted = QString::fromStdU32String(change.inserted);
    const auto cursor = static_cast<int>(
        replaced->textInserted().left(replaced->cursorPosition()).toStdU32String().size());
    QObject* box = replaced->object();
    if (removed.isEmpty() && inserted.isEmpty()) {
        return;
    }
    if (removed.isEmpty()) {
        QAccessibleTextInsertEvent insertion(box, position, inserted);
        insertion.setCursorPosition(cursor);
        passOn(&insertion);
    } else if (inserted.isEmpty()) {
        QAccessibleTextRemoveEvent removal(box, position, removed);
        removal.setCursorPosition(cursor);
        passOn(&removal);
    } else {
        QAccessibleTextUpdateEvent update(box, position, removed, inserted);
        update.setCursorPosition(cursor);
        passOn(&update);
    }
}

void mend(QAccessibleEvent* event) {
    if (event->type() == QAccessible::TextUpdated && qobject_cast<TextBox*>(event->object())) {
        auto* replaced = static_cast<QAccessibleTextUpdateEvent*>(event);
        if (replaced->changePosition() == 0) {
            passOnTextChange(replaced);
            return;
        }
    }
    // The bridge sends a new description as a reference to the object, where
    // screen readers take the text itself: they speak it, and cache it.
    if (event->type() == QAccessible::DescriptionChanged && event->object() != nullptr &&
        atspiListening()) {
        QAccessibleInterface* interface = event->accessibleInterface();
        if (interface != nullptr) {
            sendAtspiEvent(event->object(), QStringLiteral("PropertyChange"),
                           QStringLiteral("accessible-description"), 0,
                           interface->text(QAccessible::Description));
        }
        return;
    }
    passOn(event);
    if (event->type() == QAccessible::StateChanged &&
        static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().invisible &&
        atspiListening()) {
        auto* widget = qobject_cast<QWidget*>(event->object());
        if (widget != nullptr) {
            sendAtspiEvent(widget, QStringLiteral("StateChanged"), QStringLiteral("visible"),
                           widget->isVisible() ? 1 : 0, 0);
        }
    }
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&factory);
        return true;
    }();
    Q_UNUSED(installed);
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&mend);
    if (previous != &mend) {
        underneath = previous;
    }
}

void notifyVisibilityChanged(QWidget* control) {
    QAccessible::State changed;
    changed.invisible = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace velkorn::ui
