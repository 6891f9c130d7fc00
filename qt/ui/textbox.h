// A number box on a card: a single-line edit whose edits are checked by the
// window's edit rule before they take effect. An edit the rule cuts is
// refused (Qt puts the box back as it was) and then done again, cut, as
// one ordinary edit, so undo steps back over it as over any other; an edit
// the rule refuses leaves the box, its caret and its undo history alone.
#pragma once

#include "velkorn/boxedit.h"

#include <QLineEdit>

#include <functional>
#include <optional>

namespace velkorn::ui {

class TextBox : public QLineEdit {
    Q_OBJECT

  public:
    // The text an edit would leave and the caret after it (UTF-16 units).
    using EditRule = std::function<BoxEditDecision(const QString& after, int caret)>;

    explicit TextBox(QWidget* parent = nullptr);

    void setEditRule(EditRule rule) { editRule = std::move(rule); }

    // Where the caret is drawn, for screen readers' character positions.
    QRect caretRect() const { return cursorRect(); }

  protected:
    bool event(QEvent* event) override;

  private:
    class RuleValidator;

    void redoCutEdit();

    EditRule editRule;
    std::optional<BoxEditDecision> cutEdit;
};

} // namespace velkorn::ui
