#include "keychordevent.h"

#include <QKeyEvent>

namespace velkorn::ui {
namespace {

Key chordKey(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return letterKey(static_cast<char>('A' + (key - Qt::Key_A)));
    }
    switch (key) {
    case Qt::Key_F1:
        return Key::F1;
    case Qt::Key_Escape:
        return Key::Escape;
    default:
        return Key::None;
    }
}

} // namespace

KeyChord keyChord(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers();
    unsigned modifiers = NoModifier;
    modifiers |= held.testFlag(Qt::AltModifier) ? Alt : NoModifier;
    modifiers |= held.testFlag(Qt::ControlModifier) ? Control : NoModifier;
    modifiers |= held.testFlag(Qt::ShiftModifier) ? Shift : NoModifier;
    return {chordKey(event.key()), modifiers};
}

} // namespace velkorn::ui
