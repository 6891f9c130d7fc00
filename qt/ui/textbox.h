// A number box on a card: a single-line edit that holds at most 15
// characters, counted as code points (QLineEdit's own limit counts UTF-16
// units). An edit that would go past the limit is refused by Qt, which puts
// the box back as it was, and then done again with the insertion cut to what
// fits, as one ordinary edit: the box holds exactly what a 15-character box
// would, and undo steps back over the edit as over any other.
#pragma once

#include <QLineEdit>

#include <optional>

namespace velkorn::ui {

class TextBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit TextBox(QWidget* parent = nullptr);

  protected:
    bool event(QEvent* event) override;

  private:
    class LengthValidator;

    // The refused edit, cut to fit: a span of the box's text (UTF-16
    // offsets) and what replaces it.
    struct CutEdit {
        int from;
        int to;
        QString inserted;
    };

    void redoCutEdit();

    // The text before the edit being checked; QLineEdit has already changed
    // its own by then.
    QString accepted;
    std::optional<CutEdit> cutEdit;
};

} // namespace velkorn::ui
