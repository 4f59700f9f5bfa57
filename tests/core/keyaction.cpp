#include "core/keyaction.h"

#include <doctest.h>

// Keys the system or a page own must not be taken: Ctrl+Tab, Alt+Tab, a
// modified Enter, and any key where the focus is not on a button itself.
TEST_CASE("what a key does in the window")
{
    const KeyModifiers none;
    const KeyModifiers shift{.shift = true};
    const KeyModifiers control{.control = true};

    CHECK(keyAction(Key::Tab, none, false) == KeyAction::NextStop);
    CHECK(keyAction(Key::Tab, shift, false) == KeyAction::PreviousStop);
    CHECK(keyAction(Key::Tab, control, true) == KeyAction::None);
    CHECK(keyAction(Key::Tab, {.alt = true}, true) == KeyAction::None);

    CHECK(keyAction(Key::Down, control, true) == KeyAction::NextSibling);
    CHECK(keyAction(Key::Left, none, true) == KeyAction::PreviousSibling);
    CHECK(keyAction(Key::Right, none, false) == KeyAction::None);

    CHECK(keyAction(Key::Enter, none, true) == KeyAction::Click);
    CHECK(keyAction(Key::Enter, shift, true) == KeyAction::None);
    CHECK(keyAction(Key::Enter, {.meta = true}, true) == KeyAction::None);
    CHECK(keyAction(Key::Enter, none, false) == KeyAction::None);
    CHECK(keyAction(Key::Space, none, true) == KeyAction::None);
}
