#include "keychordmessage.h"

namespace velkorn::win32 {
namespace {

Key namedKey(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_F1:
        return Key::F1;
    case VK_ESCAPE:
        return Key::Escape;
    case VK_MENU:
        return Key::Alt;
    default:
        return Key::None;
    }
}

bool held(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

} // namespace

bool isKeyDown(const MSG& message) {
    return message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
}

bool isKeyUp(const MSG& message) {
    return message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
}

KeyPress keyPress(const MSG& message) {
    KeyPress press;
    if (!isKeyDown(message) && !isKeyUp(message)) {
        return press;
    }
    press.named = namedKey(message.wParam);
    // The character the layout gives the key, unshifted (the top bit marks
    // a dead key).
    press.character = static_cast<char32_t>(
        MapVirtualKeyW(static_cast<UINT>(message.wParam), MAPVK_VK_TO_CHAR) & 0x7FFFFFFF);
    press.positionLetter = letterAtScanCode((message.lParam >> 16) & 0xFF);
    // The context code (bit 29) is Alt as the message saw it; GetKeyState
    // is the state when the message was posted, not now.
    press.modifiers = (message.lParam & (1 << 29)) != 0 ? Alt : NoModifier;
    press.modifiers |= held(VK_CONTROL) ? Control : NoModifier;
    press.modifiers |= held(VK_SHIFT) ? Shift : NoModifier;
    press.repeat = isKeyDown(message) && (message.lParam & (1 << 30)) != 0; // it was down already
    return press;
}

} // namespace velkorn::win32
