// What a window's presenter asks of the window a front end built: the
// humble view. It lays its controls out and draws them as it is told,
// draws captions at the size it is given, shows and hides controls,
// measures text and moves the window; it decides nothing.
#pragma once

#include "velkorn/cardlayout.h"
#include "velkorn/twips.h"
#include "velkorn/windowdrag.h"

#include <functional>
#include <string>
#include <string_view>

namespace velkorn {

class CardView : public DragView {
  public:
    // A label's caption, drawn in the labels' face at this point size.
    virtual void setCaption(std::string_view control, const std::u16string& text,
                            double pointSize) = 0;
    // The width a text takes in the labels' face, and a control's width,
    // in the same unit.
    virtual double captionWidth(const std::u16string& text, double pointSize) const = 0;
    virtual double controlWidth(std::string_view control) const = 0;
    virtual void setControlVisible(std::string_view control, bool visible) = 0;
    // One of a set of choices (About's languages) was checked or
    // unchecked: screen readers hear of it.
    virtual void setControlChecked(std::string_view control, bool checked) = 0;
    // Places and draws the window and its controls as laid out for its
    // scale: at the start and after every change of scale or contrast.
    virtual void layOut(const CardLayout& layout) = 0;
    // The text of the window's polite live region: screen readers speak a
    // text set there without the focus moving, and nothing of an empty one.
    virtual void showLiveText(const std::u16string& text) = 0;
    // Shows or hides the shortcuts' cues, laid out with the card.
    virtual void showKeyCues(bool shown) = 0;
    // The platform's sound for a refused keystroke.
    virtual void beep() = 0;
    // The window's icon and its controls' tool tips, which its first frame
    // does not show.
    virtual void addDecorations() = 0;
    // Gives the keyboard focus to the control, or to the window itself for
    // an empty name.
    virtual void focusControl(std::string_view control) = 0;
    // Runs the task from the event loop once the event being handled is
    // over.
    virtual void postTask(std::function<void()> task) = 0;
    // The part of the screen the window is on that windows may take (less
    // task bars and panels), and the window's size, in the pointer's
    // coordinates.
    virtual PixelRect workArea() const = 0;
    virtual Point windowSize() const = 0;
};

} // namespace velkorn
