#pragma once

#include "core/docking.h"

#include <windows.h>

#include <string>

// The description box: the system's multi-line edit box, word-wrapped, with
// a vertical scroll bar, editable. Its text separates lines with CR LF.
class TMemo
{
public:
    TMemo(HWND parent, int id, const DockRect &bounds);

    HWND Handle() const { return m_window; }
    std::u16string Text() const;
    // Replaces the whole text; raises EInvalidOperation over the capacity or
    // when the edit box refuses it.
    void SetText(const std::u16string &text);
    void Clear();
    // Appends a line; after a text without a final line break the line
    // starts a new one and itself gets no break.
    void Add(const std::u16string &line);
    // Replaces the whole text with a readme's, without redrawing meanwhile;
    // an unchanged text is not sent.
    void LoadFromFile(const std::u16string &name);

private:
    HWND m_window = nullptr;
};
