// How screen readers see the labels, pictures and picture texts of the
// cards: their accessible tree item bridged to Qt. A caption, a picture
// text and a picture that speaks a language of its own are read-only text,
// so that the clock keeps its name ("Time") while its text changes.
#include "accessibletext.h"
#include "cardaccessible.h"
#include "cardwindow.h"
#include "clicklabel.h"

#include "velkorn/accessibletree.h"

#include <QAccessibleWidget>

#include <string>

namespace velkorn::ui {
namespace {

QAccessible::Role qtRole(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::PushButton:
        return QAccessible::Button;
    case AccessibleRole::RadioButton:
        return QAccessible::RadioButton;
    case AccessibleRole::Graphic:
        return QAccessible::Graphic;
    case AccessibleRole::Paragraph:
        return QAccessible::Paragraph;
    case AccessibleRole::Text:
        return QAccessible::EditableText;
    case AccessibleRole::Window:
    case AccessibleRole::Dialog:
    case AccessibleRole::Label:
        break;
    }
    return QAccessible::StaticText;
}

class ClickLabelAccessible : public QAccessibleWidget, public CharacterText {
  public:
    explicit ClickLabelAccessible(ClickLabel* label) : QAccessibleWidget(label) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && hasText()) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::Role role() const override { return qtRole(item().role); }

    QString text(QAccessible::Text kind) const override {
        switch (kind) {
        case QAccessible::Name:
            return QString::fromStdString(item().name);
        case QAccessible::Description:
            return QString::fromStdString(item().description);
        case QAccessible::Accelerator:
            return QString::fromStdString(item().shortcut);
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    QStringList actionNames() const override {
        return item().pressable ? QStringList{pressAction()} : QStringList{};
    }

    QStringList keyBindingsForAction(const QString& actionName) const override {
        if (actionName == pressAction() && !item().shortcut.empty()) {
            return {QString::fromStdString(item().shortcut)};
        }
        return {};
    }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction() && card()->presented() != nullptr) {
            card()->presented()->accessiblePress(item().control);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = item().focusable;
        state.readOnly = item().readOnly;
        state.checkable = item().role == AccessibleRole::RadioButton;
        state.checked =
            card()->presented() != nullptr && card()->presented()->isChecked(item().control);
        return state;
    }

    QRect characterRect(int) const override { return rect(); }

  private:
    CardWindow* card() const { return static_cast<CardWindow*>(widget()->parentWidget()); }
    // A nameless label until the window has its presenter.
    const AccessibleItem& item() const {
        static const AccessibleItem none{.control = {}, .role = AccessibleRole::Label};
        const AccessibleItem* found = accessibleItem(widget());
        return found != nullptr ? *found : none;
    }
    std::string language() const override { return item().language; }
    bool hasText() const {
        return item().value == AccessibleValue::Caption ||
               item().role == AccessibleRole::Paragraph || !item().language.empty();
    }
    // A caption as shown now; a picture's text or a picture that speaks
    // another language, as named.
    std::u32string characters() const override {
        const QString text = item().value == AccessibleValue::Caption
                                 ? static_cast<ClickLabel*>(widget())->text()
                                 : QString::fromStdString(item().name);
        return text.toStdU32String();
    }
};

} // namespace

QAccessibleInterface* clickLabelAccessible(ClickLabel* clickLabel) {
    return new ClickLabelAccessible(clickLabel);
}

} // namespace velkorn::ui
