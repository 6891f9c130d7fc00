#include "keycues.h"

#include "cardfont.h"

#include <QPainter>

namespace velkorn::ui {
namespace {

QColor qtColour(Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

} // namespace

KeyCues::KeyCues(QWidget* card) : QWidget(card) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void KeyCues::setCues(std::vector<KeyCue> laidOut) {
    cues = std::move(laidOut);
    setGeometry(parentWidget()->rect());
    update();
}

void KeyCues::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const KeyCue& cue : cues) {
        const QRect area(cue.area.x, cue.area.y, cue.area.width, cue.area.height);
        painter.fillRect(area, qtColour(cue.colours.fill.value_or(Rgb{255, 255, 255})));
        painter.setPen(qtColour(cue.colours.text));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        QFont font = sansSerifFont(cue.pointSize);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(area, Qt::AlignCenter, QString::fromStdString(cue.text));
    }
}

} // namespace velkorn::ui
