#pragma once

#include "core/docking.h"
#include "core/korinplotform.h"
#include "core/layout.h"

#include <windows.h>

#include "windows/accessiblecontrol.h"

#include <deque>
#include <memory>
#include <vector>

class PaneRecovery;
class TImage;
class TMemo;
class TPanel;
class TWebBrowser;

// The launcher's one window as a Win32 window: toolbar, install panel, side
// pictures and the main web view, built from the layout table and scaled to
// the screen; its handlers are the shared ones, run on these controls.
class TKorinplot : public KorinplotForm
{
public:
    explicit TKorinplot(const KorinviewConfig &config = KorinviewConfig::fromBuild());
    ~TKorinplot() override;

    HWND Handle() const { return m_window; }
    // Centres the window's outer rectangle on the desktop, shows it with the
    // start-up show command and, once drawn, makes its browser controls.
    void ShowFirst(int showCommand);
    // The keyboard's walk among the controls, and keys for the web views;
    // true when the message was handled and must not be dispatched.
    bool PreTranslate(MSG &msg);

protected:
    void setCaption(const char *control, const std::u16string &caption) override;
    void showControl(const char *control, bool visible) override;
    void bringControlToFront(const char *control) override;
    void navigate(const char *view, const std::u16string &url) override;
    void goBack(const char *view) override;
    void refresh(const char *view) override;
    void memoClear() override;
    void memoAdd(const std::u16string &line) override;
    void memoLoadFromFile(const std::u16string &name) override;
    bool fileExists(const std::u16string &name) override;
    void shellOpen(const std::u16string &address) override;
    std::uint16_t systemDefaultLangID() override;
    void interfaceLanguageChanged(bool chinese) override;

private:
    // One control of the layout; which member is set follows its kind.
    struct Control
    {
        HWND window = nullptr;
        std::unique_ptr<TPanel> panel;
        std::unique_ptr<TMemo> memo;
        std::unique_ptr<TImage> image;
        std::unique_ptr<TWebBrowser> browser;
        std::unique_ptr<PaneRecovery> recovery; // the main view's
    };

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void createWindow();
    void createControls();
    void release();
    void createControl(int row);
    void nameControls();
    void createBrowserControls();
    void stackAsDeclared(int row);
    void applyDocking();
    int row(const char *name) const;
    int rowOf(HWND window) const;
    HWND parentWindow(int row) const;
    // Where Tab moves the focus from a row (-1: from nowhere); -1 for none.
    int tabTarget(int from, bool forward) const;
    void focusRow(int row, bool byKey);
    // Where an activation with no focus to give back puts it.
    void focusFirst();
    void moveFocus(bool forward);
    void click(int row);

    std::vector<ControlSpec> m_layout;
    std::vector<Control> m_controls; // row i of the layout; node i + 1 of m_dock
    std::vector<DockRect> m_placed;
    std::deque<AccessibleNaming> m_accessible; // referred to by the windows they name
    DockTree m_dock;
    HWND m_window = nullptr;
    HFONT m_font = nullptr;
    int m_pixelsPerInch = 96;
    int m_textHeight = 23;
    HWND m_savedFocus = nullptr;
};

// The main window, set before its constructor runs.
extern TKorinplot *Korinplot;
