// A key as the windows know it: a letter or a named key, with the
// modifiers held. Each front end reads its key events into a KeyPress,
// and chordOf says once which chord that is; the descriptions give each
// action its chord, and the presenters decide what a chord does.
// Toolkit-free, so that the keys are written down once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velkorn {

// Letters by their upper-case code ('A' to 'Z'), whatever the shift state:
// the letter the user's keyboard layout puts on the key, or, on a layout
// whose keys give no Latin letters (Cyrillic, Greek, Arabic...), the
// letter at the key's place on a US keyboard, so that Alt+P is where a
// user of that layout expects it. The other keys the windows use by
// name. Every other key is the controls'.
enum class Key : std::uint16_t {
    None = 0,
    F1 = 0x100,
    Escape,
    Alt, // pressed or released alone: the cues of the shortcuts
};

constexpr Key letterKey(char upper) {
    return static_cast<Key>(upper);
}

enum Modifier : unsigned {
    NoModifier = 0,
    Alt = 1u << 0,
    Control = 1u << 1,
    Shift = 1u << 2,
    Meta = 1u << 3, // the Windows or Super key
};

struct KeyChord {
    Key key = Key::None;
    unsigned modifiers = NoModifier;

    constexpr KeyChord() = default;
    // A key alone converts: F1 and Escape are most often pressed so.
    constexpr KeyChord(Key pressed, unsigned held = NoModifier) : key(pressed), modifiers(held) {}

    friend constexpr bool operator==(const KeyChord&, const KeyChord&) = default;
};

// A key press as a front end reads it.
struct KeyPress {
    Key named = Key::None;   // F1, Escape; None for any other key
    char32_t character = 0;  // what the layout gives the key, 0 if unknown
    char positionLetter = 0; // the US layout's letter at the key's place, 0 if none
    unsigned modifiers = NoModifier;
    char32_t text = 0; // what the press would type into a box, 0 if nothing
    bool repeat = false; // made by the key's being held down
};

// The chord a press means.
KeyChord chordOf(const KeyPress& press);

// Whether the press would type a character that a box must not take as
// typing: a chord with Alt, Ctrl or Meta types nothing, shortcut or not
// (Alt+H is no way to write "h"). Ctrl and Alt together are AltGr on
// Windows' layouts, which types its character ("@" on a German keyboard).
bool chordWithText(const KeyPress& press);

// The US layout's letter at a key's place, by its PC scan code (set 1:
// what Windows' key messages carry, and X11's and evdev's key codes less
// 8); 0 for a key that is no letter. A browser's KeyboardEvent.code
// ("KeyP") names the place by its letter already.
char letterAtScanCode(unsigned scanCode);

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
