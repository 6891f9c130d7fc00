// A label or picture button on one of the picture cards. It keeps every mouse
// press for itself (a plain QLabel hands presses on to the window, which
// would start a drag) and turns a press and release of the left or right
// button over it into clicked(). The second press of a double click is no
// click, so two quick clicks act once.
#pragma once

#include <QLabel>

namespace velkorn::ui {

class ClickLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // Shows a caption in the sans-serif face at the given point size.
    void setCaption(const QString& text, double pointSize);

    // Whether a click does anything: a button to screen readers.
    bool isClickable() const { return clickable; }
    void setClickable(bool clicks) { clickable = clicks; }

    // One of a set of choices (About's languages): a radio button to screen
    // readers, checked when it is the one chosen. Looks as before.
    bool isCheckable() const { return checkable; }
    bool isChecked() const { return checked; }
    void setChecked(bool isChecked);

    // The key that does what a click does, as screen readers give it.
    const QString& shortcutText() const { return shortcut; }
    void setShortcutText(const QString& text) { shortcut = text; }

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    Qt::MouseButton pressedButton = Qt::NoButton;
    bool clickable = false;
    bool checkable = false;
    bool checked = false;
    QString shortcut;
};

} // namespace velkorn::ui
