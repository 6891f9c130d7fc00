// The borderless card all three windows are made of, as a humble view: a
// WS_POPUP window of the described client size that draws its background
// picture and its labels and pictures itself, with boxes built from the
// shared FormDescription (cardcontrols.h). One window class per form; the
// static window procedure hands each message to the card, which forwards
// it to the window's presenter (presses at a point, keys, the close
// command, a change of DPI) and does what the presenter asks through
// CardView.
#pragma once

#include "cardaccessible.h"
#include "cardcontrols.h"
#include "cardpainting.h"
#include "liveregion.h"
#include "pictures.h"

#include "velkorn/cardpresenter.h"
#include "velkorn/formdescription.h"

#include <windows.h>

#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace velkorn::win32 {

// Sent by the message loop to a card for a key the windows may answer,
// with a pointer to its KeyPress: nonzero when the card's presenter took
// it; and for a key let go.
inline constexpr UINT kCardKey = WM_APP + 2;
inline constexpr UINT kCardKeyUp = WM_APP + 4;

class CardWindow : public virtual CardView {
  public:
    explicit CardWindow(const FormDescription& description);
    virtual ~CardWindow();
    CardWindow(const CardWindow&) = delete;
    CardWindow& operator=(const CardWindow&) = delete;

    virtual CardPresenter& presenter() = 0;

    HWND handle() const { return window; }
    // A box's window; null for what the card draws.
    HWND control(std::string_view name) const;
    // Where a control lies in the client area, in pixels.
    RECT controlArea(std::string_view name) const;
    const FormDescription& form() const { return description; }
    // A client-area pixel's middle in the twips the presenter lays out in.
    int toTwips(int pixels) const;

    void show();
    void hide();

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
    void cancelSystemMove() override {}

  protected:
    // Called by each window once its presenter exists: captions, pictures
    // and the load handler.
    void present();
    static DragSettings dragSettings();
    double scale() const { return dpi / 96.0; }

    // Messages a window handles beyond the card's own; false: not handled.
    virtual bool windowMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

  private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void createWindow();
    void setIcons();
    void paint();
    void drawNow(const RECT& area);
    void relayToToolTips(UINT message, WPARAM wParam, LPARAM lParam);
    const CardControl& find(std::string_view name) const;
    ShownControl shown();
    std::span<const KeyCue> shownCues() const;

    void pointerPressed(MouseButton button, bool secondOfDouble, LPARAM at);
    void pointerMoved(WPARAM buttons);
    void pointerReleased(MouseButton button, WPARAM buttonsHeld, LPARAM at);
    void activated(WPARAM state);
    void runPostedTask();
    void dpiChanged(UINT newDpi, const RECT& suggested);

    const FormDescription& description;
    CardAccessibility accessible{*this};
    HWND window = nullptr;
    HWND toolTips = nullptr;
    LiveRegion liveRegion;
    HWND liveText = nullptr; // a live region of no size
    std::deque<std::function<void()>> postedTasks;
    std::vector<CardControl> controls;
    const Picture* background = nullptr;
    std::vector<KeyCue> cues;
    bool cuesShown = false;
    UINT dpi = 96;
};

} // namespace velkorn::win32
