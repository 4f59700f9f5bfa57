#include "core/keyaction.h"

KeyAction keyAction(Key key, KeyModifiers held, bool onButton)
{
    if (key == Key::Tab) {
        if (held.control || held.alt)
            return KeyAction::None;
        return held.shift ? KeyAction::PreviousStop : KeyAction::NextStop;
    }
    if (!onButton)
        return KeyAction::None;
    switch (key) {
    case Key::Right:
    case Key::Down:
        return KeyAction::NextSibling;
    case Key::Left:
    case Key::Up:
        return KeyAction::PreviousSibling;
    case Key::Enter:
        return held.shift || held.control || held.alt || held.meta ? KeyAction::None : KeyAction::Click;
    default:
        return KeyAction::None;
    }
}
