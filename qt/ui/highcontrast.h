// Whether the desktop asks for high contrast, with the colours it asks
// for, and word when that changes. Qt 6.4 has no setting of its own for
// it: what each desktop says is gathered here and the model decides
// (velkorn/desktopcontrast.h). GTK_THEME and KDE's colour scheme are read
// at once; the desktop portal's answers (its contrast preference, GNOME's
// switch) are asked for once the first frame is up and arrive later, as
// do its word of a change. The application palette gives the colours (a
// card hears of a new one as every widget does).
#pragma once

#include "velkorn/captioncolours.h"

#include <QObject>
#ifdef VELKORN_HAVE_QTDBUS
#include <QDBusMessage>
#endif

#include <optional>

namespace velkorn::ui {

std::optional<HighContrast> highContrast();

class ContrastWatch : public QObject {
    Q_OBJECT

  public:
    static ContrastWatch& instance();
    // Asks the desktop portal, and listens to it from then on.
    void askDesktop();

  signals:
    void changed();

  private slots:
#ifdef VELKORN_HAVE_QTDBUS
    void settingChanged(const QDBusMessage& message);
#endif

  private:
    ContrastWatch() = default;
    bool asked = false;
};

} // namespace velkorn::ui
