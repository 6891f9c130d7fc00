#include "clicklabelaccessible.h"

#include "accessibletext.h"
#include "cardaccessible.h"
#include "cardwindow.h"
#include "clicklabel.h"

#include "velkorn/accessibletree.h"

#include <QAccessibleWidget>

#include <algorithm>
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

class ClickLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
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

    // QAccessibleTextInterface: read-only, in characters.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const std::u32string all = shownText();
        const int count = static_cast<int>(all.size());
        start = std::clamp(start, 0, count);
        end = std::clamp(end < 0 ? count : end, start, count);
        return QString::fromStdU32String(all.substr(start, end - start));
    }
    int characterCount() const override { return static_cast<int>(shownText().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    // One run, in the item's language where it has one of its own.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return item().language.empty()
                   ? QString()
                   : QStringLiteral("language:%1;").arg(QString::fromStdString(item().language));
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override {
        return textUnit(shownText(), offset, boundary, 0, start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override {
        return textUnit(shownText(), offset, boundary, -1, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override {
        return textUnit(shownText(), offset, boundary, +1, start, end);
    }

  private:
    CardWindow* card() const { return static_cast<CardWindow*>(widget()->parentWidget()); }
    // A nameless label until the window has its presenter.
    const AccessibleItem& item() const {
        static const AccessibleItem none{.control = {}, .role = AccessibleRole::Label};
        const AccessibleItem* found = accessibleItem(widget());
        return found != nullptr ? *found : none;
    }
    bool hasText() const {
        return item().value == AccessibleValue::Caption ||
               item().role == AccessibleRole::Paragraph || !item().language.empty();
    }
    // A caption as shown now; a picture's text or a picture that speaks
    // another language, as named.
    std::u32string shownText() const {
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
