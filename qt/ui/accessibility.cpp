#include "accessibility.h"

#include "announcer.h"
#include "cardaccessible.h"
#include "clicklabel.h"
#include "clicklabelaccessible.h"
#include "picturecard.h"
#include "textbox.h"
#include "textboxaccessible.h"

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
    if (className == QLatin1String("velkorn::ui::PictureCard")) {
        return cardAccessible(static_cast<PictureCard*>(object));
    }
    if (className == QLatin1String("velkorn::ui::ClickLabel")) {
        return clickLabelAccessible(static_cast<ClickLabel*>(object));
    }
    if (className == QLatin1String("velkorn::ui::TextBox")) {
        return textBoxAccessible(static_cast<TextBox*>(object));
    }
    if (className == QLatin1String("velkorn::ui::Announcer")) {
        return announcerAccessible(static_cast<Announcer*>(object));
    }
    return nullptr;
}

// A state Qt's AT-SPI bridge does not send, sent as it sends the others: on
// its own connection to the accessibility bus (which it names "a11y"), so
// that the event comes from the object screen readers know.
void sendAtspiState(QObject* object, const QString& state, bool on) {
#ifdef VELKORN_HAVE_QTDBUS
    const QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    if (!bus.isConnected() || !QAccessible::isActive() || interface == nullptr) {
        return;
    }
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/%1")
                             .arg(QAccessible::uniqueId(interface));
    QDBusArgument application;
    application.beginStructure();
    application << bus.baseService()
                << QDBusObjectPath(QStringLiteral("/org/a11y/atspi/accessible/root"));
    application.endStructure();
    QDBusMessage signal = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    signal << state << (on ? 1 : 0) << 0 << QVariant::fromValue(QDBusVariant(0))
           << QVariant::fromValue(application);
    bus.send(signal);
#else
    Q_UNUSED(object);
    Q_UNUSED(state);
    Q_UNUSED(on);
#endif
}

QAccessible::UpdateHandler underneath = nullptr;
void mend(QAccessibleEvent* event);

// Qt hands an event to the platform's bridge only while no handler is
// installed: this one steps aside for the event it passes on.
void passOn(QAccessibleEvent* event) {
    QAccessible::installUpdateHandler(underneath);
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
    passOn(event);
    if (event->type() == QAccessible::StateChanged &&
        static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().invisible) {
        auto* widget = qobject_cast<QWidget*>(event->object());
        if (widget != nullptr) {
            sendAtspiState(widget, QStringLiteral("visible"), widget->isVisible());
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
    QAccessibleEvent described(control->window(), QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

} // namespace velkorn::ui
