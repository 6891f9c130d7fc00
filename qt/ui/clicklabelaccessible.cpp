#include "clicklabelaccessible.h"

#include "clicklabel.h"

#include <QAccessibleWidget>

namespace velkorn::ui {
namespace {

// Made when the label is created, before its window connects its click:
// whether it is a button is asked each time.
class ClickLabelAccessible : public QAccessibleWidget {
  public:
    explicit ClickLabelAccessible(ClickLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override {
        if (label()->isClickable()) {
            return QAccessible::Button;
        }
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QString text(QAccessible::Text kind) const override {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            text = label()->text(); // the clock, the captions without a tool tip
        }
        return text;
    }

    QStringList actionNames() const override {
        return label()->isClickable() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction() && label()->isClickable()) {
            emit label()->clicked();
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = false;
        return state;
    }

  private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
};

QAccessibleInterface* clickLabelFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("velkorn::ui::ClickLabel")) {
        return nullptr;
    }
    return new ClickLabelAccessible(static_cast<ClickLabel*>(object));
}

} // namespace

void installClickLabelAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&clickLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace velkorn::ui
