#include "liveregion.h"

#include <QApplication>

#include <QAccessibleWidget>

namespace velkorn::ui {
namespace {

class LiveRegionAccessible : public QAccessibleWidget {
  public:
    explicit LiveRegionAccessible(QWidget* liveRegion)
        : QAccessibleWidget(liveRegion, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<QLabel*>(widget())->text()
                                         : QAccessibleWidget::text(kind);
    }

    // Not in any window's tree: a screen reader speaks a notification with
    // those of its ancestors that do not hold the focus, and where the
    // focus is on the window itself (Help, About) it read the whole window
    // before every announcement.
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(qApp);
    }
};

} // namespace

LiveRegion::LiveRegion(QWidget* window) : QLabel(window) {
    setObjectName(QStringLiteral("LiveRegion"));
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::transparent);
    setPalette(palette);
    hide();
}

void LiveRegion::showText(const QString& text) {
    setText(text);
    setVisible(!text.isEmpty());
}

QAccessibleInterface* liveRegionAccessible(LiveRegion* liveRegion) {
    return new LiveRegionAccessible(liveRegion);
}

} // namespace velkorn::ui
