#include "keychordmessage.h"

namespace velkorn::win32 {
namespace {

Key chordKey(WPARAM virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        return letterKey(static_cast<char>(virtualKey));
    }
    switch (virtualKey) {
    case VK_F1:
        return Key::F1;
    case VK_ESCAPE:
        return Key::Escape;
    default:
        return Key::None;
    }
}

bool held(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

} // namespace

KeyChord keyChord(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) {
        return {};
    }
    // The context code (bit 29) is Alt as the message saw it; GetKeyState
    // is the state when the message was posted, not now.
    unsigned modifiers = (message.lParam & (1 << 29)) != 0 ? Alt : NoModifier;
    modifiers |= held(VK_CONTROL) ? Control : NoModifier;
    modifiers |= held(VK_SHIFT) ? Shift : NoModifier;
    return {chordKey(message.wParam), modifiers};
}

} // namespace velkorn::win32
