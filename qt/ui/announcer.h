// What a window tells screen readers without moving the focus: a
// notification that is shown anew with each message (screen readers speak
// a notification when it shows), drawn as nothing and letting every press
// through to the window.
#pragma once

#include <QLabel>

namespace velkorn::ui {

class Announcer : public QLabel {
    Q_OBJECT

  public:
    explicit Announcer(QWidget* window);

    void announce(const QString& text);
};

} // namespace velkorn::ui
