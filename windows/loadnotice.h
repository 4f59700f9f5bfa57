#pragma once

#include <windows.h>

// What a web view shows instead of the control's error page or a white box
// when its page cannot be shown: the button face and one short centred line
// in the interface language, cut to fit, never scrolled. The line is also
// the window's text, so a screen reader reads it.
class LoadNotice
{
public:
    enum class Cause { Unreachable, NoAnswer, Stopped, CannotShow };

    // Hidden until the first report. A picture view says only that its
    // picture is missing; a browser pane says what happened and that R
    // tries again.
    LoadNotice(HWND parent, bool browserPane);
    ~LoadNotice();
    LoadNotice(const LoadNotice &) = delete;
    LoadNotice &operator=(const LoadNotice &) = delete;

    HWND Handle() const { return m_window; }

    // Shown over `bounds` (parent client coordinates), above its siblings.
    void report(Cause cause, const RECT &bounds);
    void hide();
    bool visible() const;
    void setBounds(const RECT &bounds);
    // The interface language changed: the line is said anew.
    void languageChanged();

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    void updateText();

    HWND m_window = nullptr;
    bool m_browserPane;
    Cause m_cause = Cause::Unreachable;
};
