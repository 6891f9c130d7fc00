#include "velkorn/keychord.h"

namespace velkorn {
namespace {

char upperLatin(char32_t c) {
    if (c >= U'a' && c <= U'z') {
        return static_cast<char>(c - U'a' + U'A');
    }
    return c >= U'A' && c <= U'Z' ? static_cast<char>(c) : 0;
}

} // namespace

KeyChord chordOf(const KeyPress& press) {
    if (press.named != Key::None) {
        return {press.named, press.modifiers};
    }
    char letter = upperLatin(press.character);
    if (letter == 0 && (press.character == 0 || press.character > 0x7F)) {
        letter = upperLatin(static_cast<unsigned char>(press.positionLetter));
    }
    return {letter != 0 ? letterKey(letter) : Key::None, press.modifiers};
}

bool chordWithText(const KeyPress& press) {
    const unsigned chord = press.modifiers & (Alt | Control | Meta);
    return press.text >= 0x20 && press.text != 0x7F && chord != NoModifier &&
           chord != (Alt | Control);
}

char letterAtScanCode(unsigned scanCode) {
    // The three rows of letters: Q to P from 0x10, A to L from 0x1E, Z to M
    // from 0x2C.
    constexpr const char* rows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    constexpr unsigned starts[] = {0x10, 0x1E, 0x2C};
    for (int row = 0; row < 3; ++row) {
        const std::string_view letters = rows[row];
        if (scanCode >= starts[row] && scanCode < starts[row] + letters.size()) {
            return letters[scanCode - starts[row]];
        }
    }
    return 0;
}

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
    case Key::Alt:
        return text + "Alt";
    }
    return text + static_cast<char>(chord.key);
}

} // namespace velkorn
