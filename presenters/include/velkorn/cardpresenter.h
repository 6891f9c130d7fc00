// What every card (the main, Help and About windows) does, whatever draws
// it: its layout for the window's scale and contrast, fitted captions,
// which controls take clicks, the drag on the background, the shortcuts
// and F1, the focus, what screen readers meet and the system's close
// command. Each window's presenter adds its clicks.
// A front end forwards its events here and does what the view is asked.
#pragma once

#include "velkorn/accessibletree.h"
#include "velkorn/captionfit.h"
#include "velkorn/cardview.h"
#include "velkorn/formdescription.h"
#include "velkorn/formhost.h"
#include "velkorn/windowdrag.h"
#include "velkorn/windowid.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace velkorn {

class CardPresenter {
  public:
    CardPresenter(const FormDescription& description, WindowId id, FormHost& host, CardView& view,
                  DragSettings drag);
    virtual ~CardPresenter() = default;
    CardPresenter(const CardPresenter&) = delete;
    CardPresenter& operator=(const CardPresenter&) = delete;

    const FormDescription& description() const { return form; }
    WindowId id() const { return windowId; }

    // Once the view is built: laid out for its scale (1 at 96 DPI) in
    // pixels of `dpi` dots an inch (96 where the toolkit scales itself),
    // captions fitted, then the window's load handler.
    void load(double scale, int dpi = kStandardDpi);

    // A click (left or right press and release over a control that takes
    // clicks, or a screen reader's press action).
    virtual void click(std::string_view control) = 0;
    // Whether the control reacts to clicks: a button to screen readers.
    bool takesClicks(std::string_view control) const;
    // Whether a choice is the one in force (About's language), for screen
    // readers' checked state.
    bool isChecked(std::string_view control) const;

    // The control shown in front at a point of the client area, in twips,
    // or none: the one hit-test for presses, tool tips and screen readers.
    std::optional<std::string_view> controlAt(int xTwips, int yTwips) const;
    bool isShown(std::string_view control) const;

    // The pointer, one route for every front end. A press at a point of the
    // client area (twips; `pointer` on the screen): a press on a control
    // that takes clicks is held for its release (true: the front end
    // captures the pointer until then), one on another control does
    // nothing, one on the background drags. The second press of a double
    // click is no new press.
    bool pointerPressed(int xTwips, int yTwips, MouseButton button, bool secondOfDouble,
                        Point pointer);
    // A release there: a click when it is the held button over the held
    // control; the drag's release otherwise.
    void pointerReleased(MouseButton button, int xTwips, int yTwips);
    void pointerMoved(Point pointer, bool held) { drag.move(pointer, held); }
    // The window lost the pointer (another took the capture, the window
    // was hidden): neither a held press nor a drag survives it.
    void pointerLost() {
        drag.cancel();
        held.reset();
    }
    const WindowDrag& windowDrag() const { return drag; }

    // What screen readers meet, and what of it changes: the texts a dialog
    // shows now, and a label's caption now.
    const std::vector<AccessibleItem>& accessibleTree() const { return tree; }
    const AccessibleItem& accessibleWindow() const { return window; }
    // The item of a control; null for a name that is none.
    const AccessibleItem* accessibleItem(std::string_view control) const;
    std::string accessibleDescription() const;
    std::string caption(std::string_view control) const;

    // A screen reader's press action on a control. It runs once the
    // reader's call has returned: a click may open a modal box, which must
    // not hold the reader waiting for its answer.
    void accessiblePress(std::string_view control);

    // The keyboard focus: where it starts (the first box in reading order,
    // else the window itself), where it went, and where it goes back to
    // when the window is activated again.
    void focusMoved(std::string_view control) { focused = std::string(control); }
    void activated();
    // The window lost the keyboard (Alt+Tab): no key is held for it.
    void deactivated() { showCues(false, cuesAlways); }
    // The platform asks for the shortcuts' cues always (Windows' "underline
    // access keys"), or only while Alt is held.
    void keyCuesAlways(bool always) { showCues(altHeld, always); }
    // A key let go: Alt hides the cues.
    void keyReleased(const KeyPress& press);
    const std::string& focusedControl() const { return focused; }

    // Places the window in the middle of the screen's work area.
    void centre();

    // True when the key was the window's: a control's shortcut (what a
    // click on it does), or F1 for Help. Whatever has the focus in the
    // window, the front end asks here before the control takes the key.
    bool keyPressed(KeyChord chord);
    // The same for a press as the front end read it, and where the press
    // goes if it is no shortcut: a chord that is none still does its
    // command in the control (Ctrl+V pastes) but types nothing.
    enum class KeyRoute { Shortcut, ControlWithoutText, Control };
    KeyRoute keyPressed(const KeyPress& press);
    // What screen readers and tool tips give as the control's shortcut;
    // empty when it has none.
    std::string shortcutText(std::string_view control) const;
    // The system's close command (Alt+F4, the task bar): the same as the
    // window's own close label.
    virtual void closeCommand();

    // The window's scale (device pixel ratio, DPI / 96) changed: laid out
    // anew, even where the drawings stay, since the pictures are made for
    // the screen's own pixels.
    void scaleChanged(double scale, int dpi = kStandardDpi);
    // The system's high contrast, on (with its colours) or off.
    void contrastChanged(const std::optional<HighContrast>& contrast);
    // The window's pixel size changed by this ratio with it (Win32).
    void windowScaled(double ratio) { drag.windowScaled(ratio); }

    // The front end has put a frame of the window on the screen. After the
    // first, what that frame does not need comes, so that it comes sooner.
    void framePainted();

  protected:
    virtual void formLoad() {}
    // A press on the background: the drag.
    virtual void backgroundPressed(MouseButton button, Point pointer);
    // Sets a label's caption, fitted to the label; nothing when unchanged.
    void showCaption(std::string_view control, const std::u16string& text);
    void startDrag(MouseButton button, Point pointer) { drag.press(button, pointer); }
    // Shows or hides a control, as the presenter knows it and the view
    // shows it.
    void setControlShown(std::string_view control, bool shown);
    // Checks or unchecks a choice; the view hears only of a change, so a
    // screen reader hears of the choices that changed.
    void setControlChecked(std::string_view control, bool checked);
    // Said to screen readers without the focus moving.
    void announce(const std::u16string& text);

    FormHost& host;

  private:
    void fitCaption(std::string_view control, const std::u16string& text);
    void showCues(bool alt, bool always);
    bool isShortcut(KeyChord chord) const;

    const FormDescription& form;
    WindowId windowId;
    CardView& view;
    WindowDrag drag;
    double currentScale = 0;
    int currentDpi = kStandardDpi;
    std::optional<HighContrast> highContrast;
    bool decorated = false;
    bool altHeld = false;
    bool cuesAlways = false;
    std::map<std::string, bool, std::less<>> shownControls;
    std::map<std::string, bool, std::less<>> checkedControls;
    struct HeldPress {
        std::string control;
        MouseButton button;
    };
    std::optional<HeldPress> held;
    std::map<std::string, std::u16string, std::less<>> captions;
    CaptionWidths captionWidths{[this](const std::u16string& text, double points) {
        return view.captionWidth(text, points);
    }};
    std::string focused;
    std::vector<AccessibleItem> tree;
    AccessibleItem window;
};

} // namespace velkorn
