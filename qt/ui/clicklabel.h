// A label or picture button on one of the picture cards. It lets the
// pointer through to its card, which hands every press to the window's
// presenter, whose click rule decides what is a click (as on Windows,
// where the card draws it).
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


  private:
    bool clickable = false;
    bool checkable = false;
    bool checked = false;
    double captionSize = 0;
    QString shortcut;
};

} // namespace velkorn::ui
