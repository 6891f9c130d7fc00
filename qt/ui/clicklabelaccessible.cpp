#include "clicklabelaccessible.h"

#include "accessibletext.h"
#include "cardaccessible.h"
#include "cardwindow.h"
#include "clicklabel.h"

#include "velkorn/formdescription.h"

#include <QAccessibleWidget>

#include <algorithm>
#include <string>

namespace velkorn::ui {
namespace {

// Made when the label is created, before its window connects its click:
// whether it is a button is asked each time. A label with a caption also
// has its caption as read-only text, so that one named by what it is (the
// clock) keeps its name while its text changes every second.
class ClickLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ClickLabelAccessible(ClickLabel* label) : QAccessibleWidget(label) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && label()->pixmap().isNull()) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::Role role() const override {
        if (label()->isCheckable()) {
            return QAccessible::RadioButton;
        }
        if (label()->isClickable()) {
            return QAccessible::Button;
        }
        if (!label()->pixmap().isNull()) {
            return QAccessible::Graphic;
        }
        // The picture's own texts are paragraphs: a dialog's text, which
        // screen readers read as its description, once, and not again as
        // labels of its own.
        const ControlDescription* entry = controlDescription(label());
        return entry != nullptr && entry->kind == ControlKind::PictureText
                   ? QAccessible::Paragraph
                   : QAccessible::StaticText;
    }

    QString text(QAccessible::Text kind) const override {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Accelerator) {
            return label()->shortcutText();
        }
        if (kind == QAccessible::Description) {
            // Qt falls back to the tool tip, which is already the name:
            // a screen reader would say it twice.
            return widget()->accessibleDescription();
        }
        if (kind == QAccessible::Name && text.isEmpty()) {
            text = label()->text(); // the clock, the captions without a tool tip
        }
        return text;
    }

    QStringList actionNames() const override {
        return label()->isClickable() ? QStringList{pressAction()} : QStringList{};
    }

    QStringList keyBindingsForAction(const QString& actionName) const override {
        if (actionName == pressAction() && !label()->shortcutText().isEmpty()) {
            return {label()->shortcutText()};
        }
        return {};
    }

    void doAction(const QString& actionName) override {
        auto* card = qobject_cast<CardWindow*>(label()->parentWidget());
        if (actionName == pressAction() && card != nullptr) {
            card->presenter().accessiblePress(label()->objectName().toStdString());
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = false;
        state.checkable = label()->isCheckable();
        state.checked = label()->isChecked();
        return state;
    }

    // QAccessibleTextInterface: the caption, read-only, in characters.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const std::u32string all = caption();
        const int count = static_cast<int>(all.size());
        start = std::clamp(start, 0, count);
        end = std::clamp(end < 0 ? count : end, start, count);
        return QString::fromStdU32String(all.substr(start, end - start));
    }
    int characterCount() const override { return static_cast<int>(caption().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override {
        return textUnit(caption(), offset, boundary, 0, start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override {
        return textUnit(caption(), offset, boundary, -1, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override {
        return textUnit(caption(), offset, boundary, +1, start, end);
    }

  private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
    std::u32string caption() const { return label()->text().toStdU32String(); }
};

} // namespace

QAccessibleInterface* clickLabelAccessible(ClickLabel* clickLabel) {
    return new ClickLabelAccessible(clickLabel);
}

} // namespace velkorn::ui
