// A window described as data: its size, pictures and controls in twips, in
// which the windows are laid out. Plain C++ with no toolkit: each front end
// has one builder that turns a description into its own windows and
// controls; what a control does is its presenter's, found by name.
#pragma once

#include "velkorn/keychord.h"

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>

namespace velkorn {

// PictureText: text that the window's background picture shows, laid over
// it where it shows it, for screen readers only: nothing draws it and it
// takes no presses.
enum class ControlKind { TextBox, Label, Picture, PictureText };

// What a label's text is drawn over: the card's white, or the dark red of
// its title strip and its buttons.
enum class TextRole { CardText, StripText };

enum class Alignment { Left, Centre };

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

struct ControlDescription {
    std::string_view name;
    ControlKind kind;
    int left; // twips, from the top left-hand corner of the client area
    int top;
    int width;
    int height;
    const char* caption = "";      // UTF-8
    const char* picture = nullptr; // file name in assets/ of a picture control's face
    double pointSize = 8.25;
    TextRole textRole = TextRole::CardText;
    Alignment alignment = Alignment::Left;
    const char* toolTip = nullptr;
    // Read by screen readers; the tool tip when not given.
    const char* accessibleName = nullptr;
    const char* accessibleDescription = nullptr;
    // The language of what the control says, BCP 47, where it is not the
    // program's own English (About's warnings).
    const char* language = nullptr;
    std::optional<Rgb> background = std::nullopt; // opaque labels only; others are transparent
    bool visible = true;
    // Reacts to clicks: a push button to screen readers, whose press
    // action does what a click does.
    bool clicks = false;
    // One of a set of choices that clicks choose between, the one in force
    // checked: a radio button to screen readers.
    bool choice = false;
};

struct FormDescription {
    std::string_view name;
    const char* caption;
    int clientWidth; // twips
    int clientHeight;
    const char* background; // file name in assets/
    const char* icon;       // file name in assets/
    // Front to back: a control earlier in the list lies over later ones and
    // takes the mouse press where they overlap.
    std::span<const ControlDescription> controls;
    // The order in which screen readers meet the controls, as a sighted
    // user reads the window; empty: the order of the list, back to front.
    std::span<const std::string_view> readingOrder = {};
    // The keyboard's way to every action a pointer has: picture buttons take
    // no focus, so each clickable control that is more than a keypad digit
    // (typed into the box instead) has a chord here.
    std::span<const ShortcutDescription> shortcuts = {};

    // The control of that name; the descriptions are fixed, so asking for
    // one that is not there is a programming error.
    constexpr const ControlDescription& control(std::string_view controlName) const {
        for (const ControlDescription& entry : controls) {
            if (entry.name == controlName) {
                return entry;
            }
        }
        throw std::logic_error("no such control");
    }

    // The control's shortcut, or a chord of Key::None.
    constexpr KeyChord shortcut(std::string_view controlName) const {
        for (const ShortcutDescription& entry : shortcuts) {
            if (entry.control == controlName) {
                return entry.chord;
            }
        }
        return {};
    }
};

} // namespace velkorn
