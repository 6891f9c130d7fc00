#include "velkorn/cardpresenter.h"

#include "velkorn/captionfit.h"
#include "velkorn/controlstack.h"
#include "velkorn/focusorder.h"
#include "velkorn/utf8_text.h"

#include <algorithm>

namespace velkorn {

CardPresenter::CardPresenter(const FormDescription& description, WindowId id, FormHost& host,
                             CardView& view, DragSettings dragSettings)
    : host(host), form(description), windowId(id), view(view), drag(view, dragSettings),
      tree(accessibleItems(description)), window(windowItem(description)) {
    for (const ControlDescription& entry : form.controls) {
        shownControls.emplace(std::string(entry.name), entry.visible);
    }
}

void CardPresenter::load(double scale, int dpi) {
    focused = std::string(initialFocus(form));
    // Laid out first: the captions are fitted to their controls.
    scaleChanged(scale, dpi);
    for (const ControlDescription& entry : form.controls) {
        if (entry.kind == ControlKind::Label && entry.picture == nullptr) {
            showCaption(entry.name, toUtf16(entry.caption));
        }
    }
    formLoad();
}

bool CardPresenter::takesClicks(std::string_view control) const {
    for (const ControlDescription& entry : form.controls) {
        if (entry.name == control) {
            return entry.clicks;
        }
    }
    return false;
}

void CardPresenter::backgroundPressed(MouseButton button, Point pointer) {
    startDrag(button, pointer);
}

bool CardPresenter::isShown(std::string_view control) const {
    const auto found = shownControls.find(control);
    return found != shownControls.end() && found->second;
}

void CardPresenter::setControlShown(std::string_view control, bool shown) {
    shownControls.insert_or_assign(std::string(control), shown);
    view.setControlVisible(control, shown);
}

bool CardPresenter::isChecked(std::string_view control) const {
    const auto found = checkedControls.find(control);
    return found != checkedControls.end() && found->second;
}

void CardPresenter::setControlChecked(std::string_view control, bool checked) {
    const auto found = checkedControls.find(control);
    if (found != checkedControls.end() && found->second == checked) {
        return;
    }
    checkedControls.insert_or_assign(std::string(control), checked);
    view.setControlChecked(control, checked);
}

std::optional<std::string_view> CardPresenter::controlAt(int xTwips, int yTwips) const {
    return velkorn::controlAt(form, xTwips, yTwips,
                              [this](std::string_view name) { return isShown(name); });
}

bool CardPresenter::pointerPressed(int xTwips, int yTwips, MouseButton button, bool secondOfDouble,
                                   Point pointer) {
    const auto control = controlAt(xTwips, yTwips);
    if (!control) {
        held.reset();
        backgroundPressed(button, pointer); // the second press of a double click drags too
        return false;
    }
    // Left and right click; the middle button and a double click's second
    // press do nothing, so that two quick clicks act once.
    if (!takesClicks(*control) || button == MouseButton::Middle || secondOfDouble) {
        held.reset();
        return false;
    }
    held = HeldPress{std::string(*control), button};
    return true;
}

void CardPresenter::pointerReleased(MouseButton button, int xTwips, int yTwips) {
    if (!held) {
        drag.release(button);
        return;
    }
    const HeldPress press = *held;
    if (press.button != button) {
        return;
    }
    held.reset();
    if (controlAt(xTwips, yTwips) == std::optional<std::string_view>(press.control)) {
        click(press.control);
    }
}

const AccessibleItem* CardPresenter::accessibleItem(std::string_view control) const {
    for (const AccessibleItem& item : tree) {
        if (item.control == control) {
            return &item;
        }
    }
    return nullptr;
}

std::string CardPresenter::accessibleDescription() const {
    return windowDescription(form, [this](std::string_view name) { return isShown(name); });
}

std::string CardPresenter::caption(std::string_view control) const {
    const auto found = captions.find(control);
    return found == captions.end() ? std::string() : toUtf8(found->second);
}

void CardPresenter::accessiblePress(std::string_view control) {
    if (!takesClicks(control)) {
        return;
    }
    view.postTask([this, name = std::string(control)] {
        if (isShown(name)) {
            click(name);
        }
    });
}

void CardPresenter::activated() {
    view.focusControl(focused);
}

void CardPresenter::centre() {
    const PixelRect area = view.workArea();
    const Point size = view.windowSize();
    view.moveWindowTo({area.x + (area.width - size.x) / 2, area.y + (area.height - size.y) / 2});
}

bool CardPresenter::isShortcut(KeyChord chord) const {
    return chord == KeyChord(Key::F1) ||
           std::any_of(form.shortcuts.begin(), form.shortcuts.end(),
                       [chord](const ShortcutDescription& entry) { return entry.chord == chord; });
}

bool CardPresenter::keyPressed(KeyChord chord) {
    for (const ShortcutDescription& entry : form.shortcuts) {
        if (entry.chord == chord) {
            click(entry.control);
            return true;
        }
    }
    if (chord == KeyChord(Key::F1)) {
        host.showWindow(WindowId::Help);
        return true;
    }
    return false;
}

void CardPresenter::keyReleased(const KeyPress& press) {
    if (press.named == Key::Alt) {
        showCues(false, cuesAlways);
    }
}

void CardPresenter::showCues(bool alt, bool always) {
    const bool wasShown = altHeld || cuesAlways;
    altHeld = alt;
    cuesAlways = always;
    if ((alt || always) != wasShown) {
        view.showKeyCues(alt || always);
    }
}

CardPresenter::KeyRoute CardPresenter::keyPressed(const KeyPress& press) {
    if (press.named == Key::Alt) {
        showCues(true, cuesAlways);
        return KeyRoute::Control;
    }
    const KeyChord chord = chordOf(press);
    if (!isShortcut(chord)) {
        return chordWithText(press) ? KeyRoute::ControlWithoutText : KeyRoute::Control;
    }
    // A held shortcut does its work once: F1 held would raise Help again
    // and again over the window the user went on to.
    if (!press.repeat) {
        keyPressed(chord);
    }
    return KeyRoute::Shortcut;
}

// Emptied first, so that the same text twice (the same result again) is
// a change each time, and heard each time.
void CardPresenter::announce(const std::u16string& text) {
    view.showLiveText(u"");
    view.showLiveText(text);
}

std::string CardPresenter::shortcutText(std::string_view control) const {
    return keyChordText(form.shortcut(control));
}

void CardPresenter::framePainted() {
    if (!decorated) {
        decorated = true;
        captionWidths.learnPairs();
        view.addDecorations();
    }
}

void CardPresenter::closeCommand() {
    host.hideWindow(windowId);
}

void CardPresenter::contrastChanged(const std::optional<HighContrast>& contrast) {
    if (contrast == highContrast && currentScale != 0) {
        return; // a palette or a setting that changed nothing here
    }
    highContrast = contrast;
    if (currentScale != 0) {
        view.layOut(layOutCard(form, currentDpi, currentScale, highContrast));
    }
}

void CardPresenter::scaleChanged(double scale, int dpi) {
    if (scale == currentScale && dpi == currentDpi) {
        return;
    }
    currentScale = scale;
    currentDpi = dpi;
    view.layOut(layOutCard(form, dpi, scale, highContrast));
    captionWidths.forget();
    // Text widths do not follow the scale exactly (hinting, whole-pixel
    // fonts): every caption is fitted again.
    for (const auto& [control, text] : captions) {
        fitCaption(control, text);
    }
}

void CardPresenter::showCaption(std::string_view control, const std::u16string& text) {
    const auto found = captions.find(control);
    if (found != captions.end() && found->second == text) {
        return; // the clock sets the same text on most ticks
    }
    captions.insert_or_assign(std::string(control), text);
    fitCaption(control, text);
}

void CardPresenter::fitCaption(std::string_view control, const std::u16string& text) {
    const double described = form.control(control).pointSize;
    const double size =
        fittedPointSize(text, described, view.controlWidth(control), std::ref(captionWidths));
    view.setCaption(control, text, size);
}

} // namespace velkorn
