// The borderless card all three windows are made of: a background picture
// drawn once at the top left at its own size, controls built from a
// FormDescription, and a background that drags the window when pressed.
// A close command from the window manager becomes closeRequested(); the
// application decides what closing means for each window. When the window
// moves to a screen of another scale, its pictures are loaded again for it
// rather than resampled.
#pragma once

#include "velkorn/formdescription.h"
#include "windowdragger.h"

#include <QPixmap>
#include <QWidget>

#include <string_view>

namespace velkorn::ui {

class ClickLabel;

class PictureCard : public QWidget {
    Q_OBJECT

  public:
    explicit PictureCard(const FormDescription& description, QWidget* parent = nullptr);

    // A control built from the description, by name.
    QWidget* control(std::string_view name) const;
    ClickLabel* label(std::string_view name) const;

    const QPixmap& backgroundPicture() const { return background; }

    // Places the window in the middle of its screen's available area.
    void centreOnScreen();

  signals:
    void closeRequested();

  protected:
    // A press on the background; the default starts a drag.
    virtual void backgroundPressed(QMouseEvent* event);
    void beginDrag(const QMouseEvent* press) { dragger.begin(press); }
    // A label whose click closes the window, as the window manager's close
    // command does.
    void makeCloseLabel(std::string_view name);

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Loads the background and the picture controls for the window's
    // present device pixel ratio, unless they already are.
    void loadPictures();

    const FormDescription& description;
    qreal picturesRatio = 0;
    QPixmap background;
    WindowDragger dragger{this};
};

} // namespace velkorn::ui
