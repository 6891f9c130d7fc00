// The borderless card all three windows are made of, as a humble view: a
// background picture drawn once at the top left at its own size, controls
// built from the window's FormDescription, and every event handed to the
// window's presenter, which decides what it does (clicks, the drag, keys,
// the close command, the pictures' drawing for the screen's scale). The
// card does what the presenter asks through CardView.
#pragma once

#include "formbuilder.h"

#include "velkorn/cardpresenter.h"
#include "velkorn/cardview.h"
#include "velkorn/formdescription.h"

#include <QPixmap>
#include <QWidget>

class QHelpEvent;

#include <string_view>

namespace velkorn::ui {

class ClickLabel;

class KeyCues;
class LiveRegion;

class CardWindow : public QWidget, public virtual CardView {
    Q_OBJECT

  public:
    explicit CardWindow(const FormDescription& description, QWidget* parent = nullptr);

    virtual CardPresenter& presenter() = 0;
    // The presenter once the window has one: null while the window is
    // made (a screen reader may ask about it meanwhile, from the events of
    // its controls' making).
    CardPresenter* presented() { return presenting ? &presenter() : nullptr; }

    // A control built from the description, by name.
    QWidget* control(std::string_view name) const;
    ClickLabel* label(std::string_view name) const;

    const QPixmap& backgroundPicture() const { return background; }
    const FormDescription& form() const { return description; }

    // CardView
    void setCaption(std::string_view control, const std::u16string& text,
                    double pointSize) override;
    double captionWidth(const std::u16string& text, double pointSize) const override;
    double controlWidth(std::string_view control) const override;
    void setControlVisible(std::string_view control, bool visible) override;
    void setControlChecked(std::string_view control, bool checked) override;
    void layOut(const CardLayout& layout) override;
    void showLiveText(const std::u16string& text) override;
    void showKeyCues(bool shown) override;
    void beep() override;
    void addDecorations() override;
    void focusControl(std::string_view control) override;
    void postTask(std::function<void()> task) override;
    PixelRect workArea() const override;
    Point windowSize() const override;
    Point windowPosition() const override;
    void moveWindowTo(Point topLeft) override;
    bool startSystemMove(MouseButton button, Point pointer) override;
    void cancelSystemMove() override;

  protected:
    // Called by each window once its presenter exists: keys and the focus
    // watched, the tab order set, captions and pictures shown, the load
    // handler run.
    void present();
    static DragSettings dragSettings();

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void followScale();
    void pointerPressed(QMouseEvent* event, bool secondOfDouble);
    void showToolTip(const QHelpEvent* event);

    const FormDescription& description;
    CardControls controls;
    // Measuring is no change to the window (captionWidth is const), but
    // what it learns is kept.
    qreal laidOutScale = 0;
    bool presenting = false;
    LiveRegion* liveRegion = nullptr; // made for the window's first announcement
    KeyCues* cues;
    QPixmap background;
};

} // namespace velkorn::ui
