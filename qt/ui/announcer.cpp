#include "announcer.h"

#include <QAccessibleWidget>

namespace velkorn::ui {
namespace {

class AnnouncerAccessible : public QAccessibleWidget {
  public:
    explicit AnnouncerAccessible(QWidget* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<QLabel*>(widget())->text()
                                         : QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* announcerFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("velkorn::ui::Announcer")) {
        return nullptr;
    }
    return new AnnouncerAccessible(static_cast<QWidget*>(object));
}

} // namespace

Announcer::Announcer(QWidget* window) : QLabel(window) {
    static const bool installed = [] {
        QAccessible::installFactory(&announcerFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("Announcer"));
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::transparent);
    setPalette(palette);
    hide();
}

void Announcer::announce(const QString& text) {
    // Shown again, so that the same result twice is heard twice.
    hide();
    setText(text);
    show();
}

} // namespace velkorn::ui
