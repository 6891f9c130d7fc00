// A key as the windows know it: a letter or a named key, with the
// modifiers held. Each front end turns its own key events into a KeyChord;
// the descriptions give each action its chord, and the presenters decide
// what a chord does. Toolkit-free, so that the keys are written down once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velkorn {

// Letters by their upper-case code ('A' to 'Z'), whatever the shift state;
// the other keys the windows use by name. Every other key is the controls'.
enum class Key : std::uint16_t {
    None = 0,
    F1 = 0x100,
    Escape,
};

constexpr Key letterKey(char upper) {
    return static_cast<Key>(upper);
}

enum Modifier : unsigned {
    NoModifier = 0,
    Alt = 1u << 0,
    Control = 1u << 1,
    Shift = 1u << 2,
};

struct KeyChord {
    Key key = Key::None;
    unsigned modifiers = NoModifier;

    constexpr KeyChord() = default;
    // A key alone converts: F1 and Escape are most often pressed so.
    constexpr KeyChord(Key pressed, unsigned held = NoModifier) : key(pressed), modifiers(held) {}

    friend constexpr bool operator==(const KeyChord&, const KeyChord&) = default;
};

// As both platforms write a shortcut in menus, tool tips and to screen
// readers: "Alt+P", "Ctrl+Shift+F1", "F1", "Esc".
std::string keyChordText(KeyChord chord);

// A control's keyboard shortcut: pressing the chord anywhere in its window
// does what a click on the control does.
struct ShortcutDescription {
    std::string_view control;
    KeyChord chord;
};

} // namespace velkorn
