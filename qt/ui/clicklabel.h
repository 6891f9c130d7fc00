// A label or picture of one of the picture cards, drawn as the card's
// description and presenter say. It lets the pointer through to its card,
// which hands every press to the window's presenter, whose click rule
// decides what is a click (as on Windows, where the card draws it).
#pragma once

#include <QLabel>

namespace velkorn::ui {

class ClickLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // Shows a caption in the sans-serif face at the given point size.
    void setCaption(const QString& text, double pointSize);

  private:
    double captionSize = 0;
};

} // namespace velkorn::ui
