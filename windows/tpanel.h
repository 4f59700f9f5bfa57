#pragma once

#include "core/layout.h"

#include <windows.h>

class TImage;

// A container with optional bevels, as a child window. It draws no caption;
// inside its bevels it shows its own colour or, with ParentBackground, the
// colour its parent shows. Commands and colour questions of its children go
// on to the top-level window, which handles them for every control.
class TPanel
{
public:
    TPanel(HWND parent, const ControlSpec &row, const DockRect &bounds);
    ~TPanel();
    TPanel(const TPanel &) = delete;
    TPanel &operator=(const TPanel &) = delete;

    HWND Handle() const { return m_window; }
    // A picture box inside the panel, painted below its child windows.
    void setImage(TImage *image, const DockRect &bounds);
    COLORREF backgroundColor() const;
    HBRUSH backgroundBrush();

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The panel that window is, or nullptr.
    static const TPanel *panelOf(HWND window);
    void paint(HDC dc);

    HWND m_window = nullptr;
    BevelSpec m_bevels;
    TColor m_color;
    bool m_parentBackground;
    TImage *m_image = nullptr;
    DockRect m_imageBounds;
    HBRUSH m_brush = nullptr;
    COLORREF m_brushColor = 0;
};
