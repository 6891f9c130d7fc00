#include "keychordevent.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace velkorn::ui {
namespace {

// X11's and evdev's key codes (which Wayland's are too) are the PC scan
// codes plus 8; other platforms give none here.
char positionLetter(const QKeyEvent& event) {
    const quint32 code = event.nativeScanCode();
    const QString platform = QGuiApplication::platformName();
    const bool evdev =
        platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
    return evdev && code > 8 ? letterAtScanCode(code - 8) : 0;
}

Key namedKey(int key) {
    switch (key) {
    case Qt::Key_F1:
        return Key::F1;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Alt:
        return Key::Alt;
    default:
        return Key::None;
    }
}

} // namespace

KeyPress keyPress(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers();
    KeyPress press;
    press.named = namedKey(event.key());
    // Qt names a key by the character its layout gives it, in upper case.
    if (event.key() >= 0x20 && event.key() <= 0x10FFFF) {
        press.character = static_cast<char32_t>(event.key());
    }
    press.positionLetter = positionLetter(event);
    press.modifiers |= held.testFlag(Qt::AltModifier) ? Alt : NoModifier;
    press.modifiers |= held.testFlag(Qt::ControlModifier) ? Control : NoModifier;
    press.modifiers |= held.testFlag(Qt::ShiftModifier) ? Shift : NoModifier;
    press.modifiers |= held.testFlag(Qt::MetaModifier) ? Meta : NoModifier;
    const std::u32string text = event.text().toStdU32String();
    press.text = text.empty() ? 0 : text.front();
    press.repeat = event.isAutoRepeat();
    return press;
}

} // namespace velkorn::ui
