#include "form1.h"

#include "textbox.h"
#include "velkorn/form1description.h"

#include <QTimer>

namespace velkorn::ui {

Form1::Form1(FormHost& host, Clock now, QWidget* parent)
    : CardWindow(form1Description(), parent), clock(std::move(now)),
      form(host, *this, clock, dragSettings()), timer(new QTimer(this)) {
    connectBoxes();
    present();
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(Form1Presenter::kClockIntervalMs);
    connect(timer, &QTimer::timeout, this, [this] { form.tick(); });
    timer->start();
}

// The boxes outlive the presenter (QWidget deletes its children last), and
// a box that loses the focus as it goes asks its edit rule again.
Form1::~Form1() {
    for (TextBox* box : boxes) {
        box->setEditRule({});
    }
}

void Form1::connectBoxes() {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto id = static_cast<BoxId>(i);
        boxes[i] = qobject_cast<TextBox*>(control(boxName(id)));
        boxes[i]->setEditRule([this, id](const QString& after, int caret) {
            return form.boxEditing(id, after.toStdU16String(), static_cast<std::size_t>(caret));
        });
        // User edits only (typing, deleting, cutting, pasting, undo): the
        // engine holds the one copy of what the boxes show.
        connect(boxes[i], &QLineEdit::textEdited, this,
                [this, id](const QString& text) { form.boxEdited(id, text.toStdU16String()); });
    }
}

void Form1::showBoxText(BoxId box, const std::u16string& text, std::size_t caret) {
    TextBox* edit = boxes[static_cast<std::size_t>(box)];
    edit->setText(QString::fromStdU16String(text));
    edit->setCursorPosition(static_cast<int>(caret));
}

bool Form1::hasFocus(BoxId box) const {
    return boxes[static_cast<std::size_t>(box)]->hasFocus();
}

} // namespace velkorn::ui
