#include "cardaccessible.h"

#include "cardwindow.h"
#include "formbuilder.h"

#include "velkorn/twips.h"

#include <QAccessibleWidget>

namespace velkorn::ui {
namespace {

// The card as the presenter's accessible tree has it: a window or a
// dialog, described by what it shows, with its controls in reading order.
class CardAccessible : public QAccessibleWidget {
  public:
    explicit CardAccessible(CardWindow* card) : QAccessibleWidget(card, QAccessible::Window) {}

    QAccessible::Role role() const override {
        const CardPresenter* presenter = card()->presented();
        return presenter != nullptr && presenter->accessibleWindow().role == AccessibleRole::Dialog
                   ? QAccessible::Dialog
                   : QAccessible::Window;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description) {
            const CardPresenter* presenter = card()->presented();
            return presenter != nullptr ? QString::fromStdString(presenter->accessibleDescription())
                                        : QString();
        }
        return QAccessibleWidget::text(kind);
    }

    // Nothing until the window has its presenter.
    int childCount() const override { return static_cast<int>(tree().size()); }

    QAccessibleInterface* child(int index) const override {
        const auto& tree = this->tree();
        return index >= 0 && index < childCount()
                   ? QAccessible::queryAccessibleInterface(card()->control(tree[index].control))
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr || child->object() == nullptr) {
            return -1;
        }
        const std::string name = child->object()->objectName().toStdString();
        const auto& tree = this->tree();
        for (std::size_t i = 0; i < tree.size(); ++i) {
            if (tree[i].control == name) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    // The presenter's hit-test: the control in front takes the point.
    QAccessibleInterface* childAt(int x, int y) const override {
        const CardPresenter* presenter = card()->presented();
        if (presenter == nullptr) {
            return nullptr;
        }
        const QPoint at = card()->mapFromGlobal(QPoint(x, y));
        const auto hit = presenter->controlAt(pixelToTwips(at.x()), pixelToTwips(at.y()));
        return hit ? QAccessible::queryAccessibleInterface(card()->control(*hit)) : nullptr;
    }

  private:
    CardWindow* card() const { return static_cast<CardWindow*>(widget()); }
    const std::vector<AccessibleItem>& tree() const {
        static const std::vector<AccessibleItem> none;
        const CardPresenter* presenter = card()->presented();
        return presenter != nullptr ? presenter->accessibleTree() : none;
    }
};

} // namespace

const AccessibleItem* accessibleItem(const QWidget* control) {
    const auto* card = qobject_cast<const CardWindow*>(control->parentWidget());
    if (card == nullptr) {
        return nullptr;
    }
    CardPresenter* presenter = const_cast<CardWindow*>(card)->presented();
    return presenter != nullptr ? presenter->accessibleItem(control->objectName().toStdString())
                                : nullptr;
}

QAccessibleInterface* cardAccessible(CardWindow* card) {
    return new CardAccessible(card);
}

} // namespace velkorn::ui
