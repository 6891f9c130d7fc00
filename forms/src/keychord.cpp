#include "velkorn/keychord.h"

namespace velkorn {

std::string keyChordText(KeyChord chord) {
    std::string text;
    if (chord.modifiers & Control) {
        text += "Ctrl+";
    }
    if (chord.modifiers & Alt) {
        text += "Alt+";
    }
    if (chord.modifiers & Shift) {
        text += "Shift+";
    }
    switch (chord.key) {
    case Key::None:
        return {};
    case Key::F1:
        return text + "F1";
    case Key::Escape:
        return text + "Esc";
    }
    return text + static_cast<char>(chord.key);
}

} // namespace velkorn
