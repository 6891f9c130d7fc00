#include "highcontrast.h"

#include "velkorn/desktopcontrast.h"

#include <QGuiApplication>
#include <QPalette>
#include <QSettings>
#include <QStandardPaths>

#ifdef VELKORN_HAVE_QTDBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#endif

#include <functional>
#include <utility>

namespace velkorn::ui {
namespace {

Rgb rgb(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

// The portal's answers, as they arrive.
DesktopContrast& portalSaid() {
    static DesktopContrast said;
    return said;
}

// Read anew each time: a window made later meets the desktop as it is.
DesktopContrast desktop() {
    DesktopContrast now = portalSaid();
    now.gtkTheme = qEnvironmentVariable("GTK_THEME").toStdString();
    const QString kde =
        QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("kdeglobals"));
    if (!kde.isEmpty()) {
        // QSettings reads an INI file's [General] as its keys without a group.
        now.kdeColorScheme = QSettings(kde, QSettings::IniFormat)
                                 .value(QStringLiteral("ColorScheme"))
                                 .toString()
                                 .toStdString();
    }
    return now;
}

#ifdef VELKORN_HAVE_QTDBUS
const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kGnomeA11y = QStringLiteral("org.gnome.desktop.a11y.interface");

// Older portals wrap the value in a second variant.
QVariant unwrapped(QVariant value) {
    while (value.canConvert<QDBusVariant>()) {
        value = qvariant_cast<QDBusVariant>(value).variant();
    }
    return value;
}

// What a setting says; false for one the portal does not have.
bool takeSetting(const QString& space, const QString& key, const QVariant& value) {
    if (space == kAppearance && key == QLatin1String("contrast")) {
        portalSaid().portalHighContrast = unwrapped(value).toUInt() == 1;
    } else if (space == kGnomeA11y && key == QLatin1String("high-contrast")) {
        portalSaid().gnomeHighContrast = unwrapped(value).toBool();
    } else {
        return false;
    }
    return true;
}
#endif

} // namespace

std::optional<HighContrast> highContrast() {
    if (!wantsHighContrast(desktop())) {
        return std::nullopt;
    }
    const QPalette palette = QGuiApplication::palette();
    return HighContrast{rgb(palette.color(QPalette::WindowText)),
                        rgb(palette.color(QPalette::Window))};
}

ContrastWatch& ContrastWatch::instance() {
    static ContrastWatch* watch = [] {
        auto* made = new ContrastWatch;
        made->setParent(qApp);
        return made;
    }();
    return *watch;
}

void ContrastWatch::askDesktop() {
#ifdef VELKORN_HAVE_QTDBUS
    if (std::exchange(asked, true)) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    for (const auto& [space, key] : {std::pair{kAppearance, QStringLiteral("contrast")},
                                     std::pair{kGnomeA11y, QStringLiteral("high-contrast")}}) {
        QDBusMessage read =
            QDBusMessage::createMethodCall(kPortal, kPortalPath, kSettings, QStringLiteral("Read"));
        read << space << key;
        auto* reply = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
        connect(reply, &QDBusPendingCallWatcher::finished, this,
                [this, space = space, key = key](QDBusPendingCallWatcher* call) {
                    const QDBusPendingReply<QDBusVariant> answer = *call;
                    if (answer.isValid() && takeSetting(space, key, answer.value().variant())) {
                        emit changed();
                    }
                    call->deleteLater();
                });
    }
    bus.connect(kPortal, kPortalPath, kSettings, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QDBusMessage)));
#endif
}

#ifdef VELKORN_HAVE_QTDBUS
void ContrastWatch::settingChanged(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (arguments.size() == 3 &&
        takeSetting(arguments[0].toString(), arguments[1].toString(), arguments[2])) {
        emit changed();
    }
}
#endif

} // namespace velkorn::ui
