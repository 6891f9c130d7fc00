// How screen readers see a number box: editable text, named and described
// as the accessible tree has it, its text queries answered in characters
// (accessibletext.h), its edits made through the box's edit rule.
#include "accessibletext.h"
#include "cardaccessible.h"
#include "textbox.h"

#include "velkorn/accessibletree.h"

#include <QAccessibleWidget>
#include <QFontMetrics>

#include <algorithm>
#include <string>

namespace velkorn::ui {
namespace {

class TextBoxAccessible : public QAccessibleWidget,
                          public CharacterText,
                          public QAccessibleEditableTextInterface {
  public:
    explicit TextBoxAccessible(TextBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    // Named and described as the accessible tree has the box.
    QString text(QAccessible::Text kind) const override {
        switch (kind) {
        case QAccessible::Value:
            return box()->text();
        case QAccessible::Name:
        case QAccessible::Description: {
            const AccessibleItem* item = accessibleItem(box());
            return item == nullptr
                       ? QString()
                       : QString::fromStdString(kind == QAccessible::Name ? item->name
                                                                          : item->description);
        }
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    void setText(QAccessible::Text kind, const QString& text) override {
        if (kind == QAccessible::Value) {
            replaceText(0, characterCount(), text);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        return state;
    }

    // QAccessibleTextInterface, in characters.
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = toCharacters(box()->selectionStart());
            *end = toCharacters(box()->selectionStart() + box()->selectionLength());
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int start, int end) override {
        box()->setSelection(toUnits(start), toUnits(end) - toUnits(start));
    }
    int cursorPosition() const override { return toCharacters(box()->cursorPosition()); }
    void setCursorPosition(int position) override { box()->setCursorPosition(toUnits(position)); }
    QRect characterRect(int offset) const override {
        const QString text = box()->text();
        const QFontMetrics metrics(box()->font());
        const int units = toUnits(offset);
        const int cursor = box()->cursorPosition();
        const QRect caret = box()->caretRect();
        const int x = caret.x() + metrics.horizontalAdvance(text.left(units)) -
                      metrics.horizontalAdvance(text.left(cursor));
        const int width = metrics.horizontalAdvance(text.mid(units, toUnits(offset + 1) - units));
        const QRect local(x, caret.y(), std::max(width, 1), caret.height());
        return QRect(box()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return toCharacters(box()->cursorPositionAt(box()->mapFromGlobal(point)));
    }
    // QAccessibleEditableTextInterface: edits as the user's own, through the
    // box's edit rule.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        box()->setSelection(toUnits(start), toUnits(end) - toUnits(start));
        box()->insert(text);
    }

  private:
    TextBox* box() const { return static_cast<TextBox*>(widget()); }
    std::u32string characters() const override { return box()->text().toStdU32String(); }

    int toCharacters(int units) const {
        return static_cast<int>(box()->text().left(units).toStdU32String().size());
    }
    int toUnits(int characters) const {
        const std::u32string all = this->characters();
        characters = std::clamp(characters, 0, static_cast<int>(all.size()));
        return static_cast<int>(QString::fromStdU32String(all.substr(0, characters)).size());
    }
};

} // namespace

QAccessibleInterface* textBoxAccessible(TextBox* textBox) {
    return new TextBoxAccessible(textBox);
}

} // namespace velkorn::ui
