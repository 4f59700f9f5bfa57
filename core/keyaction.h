#pragma once

// The keys the window gives a meaning of its own, as each front end names
// them; Other for every other key.
enum class Key { Tab, Enter, Space, Left, Right, Up, Down, Other };

struct KeyModifiers
{
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool meta = false;
};

enum class KeyAction {
    None,            // the control's own handling, or none
    NextStop,        // Tab: the next stop of the keyboard walk
    PreviousStop,    // Shift+Tab: the previous one
    NextSibling,     // Right or Down on a button: its next sibling
    PreviousSibling, // Left or Up on a button
    Click,           // Enter on a button
};

// What a key pressed in the window does; `onButton`: the focus is on a
// button itself. Tab with Ctrl or Alt is left to the system and the page.
// Space is left to the button, which clicks when the key is released, as
// the system's buttons do; Enter clicks at once, but not with a modifier.
KeyAction keyAction(Key key, KeyModifiers held, bool onButton);
