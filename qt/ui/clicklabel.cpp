#include "clicklabel.h"

#include "cardfont.h"

namespace velkorn::ui {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ClickLabel::setCaption(const QString& text, double pointSize) {
    // The clock's caption keeps its size second after second: its font is
    // not resolved again.
    if (pointSize != captionSize) {
        captionSize = pointSize;
        setFont(sansSerifFont(pointSize));
    }
    setText(text);
}

} // namespace velkorn::ui
