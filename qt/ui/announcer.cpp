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

} // namespace

Announcer::Announcer(QWidget* window) : QLabel(window) {
    setObjectName(QStringLiteral("Announcer"));
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::transparent);
    setPalette(palette);
    hide();
}

void Announcer::showText(const QString& text) {
    setText(text);
    setVisible(!text.isEmpty());
}

QAccessibleInterface* announcerAccessible(Announcer* announcer) {
    return new AnnouncerAccessible(announcer);
}

} // namespace velkorn::ui
