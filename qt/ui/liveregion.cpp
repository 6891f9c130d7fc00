#include "liveregion.h"

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
