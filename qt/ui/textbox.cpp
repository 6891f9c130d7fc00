#include "textbox.h"

#include "velkorn/calculator_engine.h"
#include "velkorn/utf8_text.h"

#include <QValidator>

#include <string>
#include <utility>

namespace velkorn::ui {

class TextBox::LengthValidator : public QValidator {
  public:
    explicit LengthValidator(TextBox* box) : QValidator(box), box(box) {}

    State validate(QString& input, int& position) const override {
        const std::string before = box->accepted.toStdString();
        const std::string after = input.toStdString();
        const std::size_t caret = static_cast<std::size_t>(input.left(position).toUtf8().size());
        const FittedEdit fitted = fitEdit(before, after, caret, kMaxBoxLength);
        if (fitted.text == after) {
            return Acceptable;
        }
        const auto utf16Offset = [&before](std::size_t bytes) {
            return static_cast<int>(QString::fromUtf8(before.data(), bytes).size());
        };
        box->cutEdit = CutEdit{utf16Offset(fitted.replaceFrom), utf16Offset(fitted.replaceTo),
                               QString::fromStdString(fitted.inserted)};
        // Edits that arrive outside the box's own events (the context menu's
        // Paste) are redone once control is back in the event loop.
        QMetaObject::invokeMethod(box, &TextBox::redoCutEdit, Qt::QueuedConnection);
        return Invalid;
    }

  private:
    TextBox* box;
};

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    // Qt's limit in UTF-16 units only keeps pastes from growing without
    // bound; 15 characters take at most twice as many units.
    setMaxLength(2 * static_cast<int>(kMaxBoxLength));
    setValidator(new LengthValidator(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { accepted = text; });
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
    const CutEdit edit = *std::exchange(cutEdit, std::nullopt);
    if (edit.from == edit.to && edit.inserted.isEmpty()) {
        return; // nothing fits: the refusal stands
    }
    // Undo takes this edit back on its own, as it would the edit it stands
    // for: QLineEdit starts a new undo step when the caret moves, and the
    // refused edit took its own step with it.
    setCursorPosition(edit.from == 0 ? static_cast<int>(text().size()) : 0);
    setSelection(edit.from, edit.to - edit.from);
    insert(edit.inserted);
}

} // namespace velkorn::ui
