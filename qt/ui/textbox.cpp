#include "textbox.h"

#include "velkorn/calculator_engine.h"

#include <QValidator>

#include <utility>

namespace velkorn::ui {

class TextBox::RuleValidator : public QValidator {
  public:
    explicit RuleValidator(TextBox* box) : QValidator(box), box(box) {}

    State validate(QString& input, int& position) const override {
        if (!box->editRule) {
            return Acceptable;
        }
        BoxEditDecision decision = box->editRule(input, position);
        switch (decision.verdict) {
        case EditVerdict::Accept:
            return Acceptable;
        case EditVerdict::Refuse:
            return Invalid;
        case EditVerdict::Cut:
            box->cutEdit = std::move(decision);
            // Edits that arrive outside the box's own events (the context
            // menu's Paste) are redone once control is back in the loop.
            QMetaObject::invokeMethod(box, &TextBox::redoCutEdit, Qt::QueuedConnection);
            return Invalid;
        }
        return Invalid;
    }

  private:
    TextBox* box;
};

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    // Qt's limit in UTF-16 units only keeps pastes from growing without
    // bound; 15 characters take at most twice as many units.
    setMaxLength(2 * static_cast<int>(kMaxBoxLength));
    setValidator(new RuleValidator(this));
}

bool TextBox::event(QEvent* event) {
    const bool handled = QLineEdit::event(event);
    // A key, a middle-button paste, a drop or input-method text: redone at
    // once, before anything else can see the box.
    redoCutEdit();
    return handled;
}

void TextBox::redoCutEdit() {
    if (!cutEdit) {
        return;
    }
    const BoxEditDecision edit = *std::exchange(cutEdit, std::nullopt);
    const auto from = static_cast<int>(edit.from);
    const auto to = static_cast<int>(edit.to);
    // Undo takes this edit back on its own, as it would the edit it stands
    // for: QLineEdit starts a new undo step when the caret moves, and the
    // refused edit took its own step with it.
    setCursorPosition(from == 0 ? static_cast<int>(text().size()) : 0);
    setSelection(from, to - from);
    insert(QString::fromStdU16String(edit.inserted));
}

} // namespace velkorn::ui
