#pragma once

#include "core/createform.h"

#include <windows.h>

#include <exception>
#include <string>

class Exception;
class TKorinplot;

// The one application object: joins the GUI thread to the object system,
// owns the main window and its hidden application window, runs the event
// loop and reports every error that escapes an event handler.
class TApplication
{
public:
    explicit TApplication(HINSTANCE instance);
    ~TApplication();
    TApplication(const TApplication &) = delete;
    TApplication &operator=(const TApplication &) = delete;

    void Initialize();
    void setMainFormOnTaskBar(bool onTaskBar);

    // Builds the main form. The reference holds the form before its
    // constructor runs, so code running during construction can reach it; a
    // construction error resets it and leaves to the caller. FormCreate runs
    // afterwards, guarded.
    template <class Form>
    void CreateForm(Form *&reference);

    int Run();
    void Terminate();

    // Reports the error being handled; call from inside a catch block.
    void HandleException();
    void ShowException(const Exception &error);
    int MessageBox(const std::u16string &text, const std::u16string &caption);
    // The report for an error that escaped start-up; returns the exit status.
    int ShowFatalException(std::exception_ptr error);

    const std::u16string &Title() const { return m_title; }
    int PixelsPerInch() const { return m_pixelsPerInch; }
    HICON Icon() const { return m_icon; }
    HWND Handle() const { return m_window; }
    // The interface language, for what the window shows besides its
    // captions (notices, menus, names for screen readers).
    bool InterfaceChinese() const { return m_interfaceChinese; }
    void setInterfaceChinese(bool chinese) { m_interfaceChinese = chinese; }

private:
    void setMainForm(TKorinplot *form);
    void closeMainForm();

    HINSTANCE m_instance;
    bool m_oleInitialized = false;
    bool m_comInitialized = false;
    int m_showCommand = SW_SHOWDEFAULT;
    int m_pixelsPerInch = 96;
    std::u16string m_title;
    HICON m_icon = nullptr;
    HWND m_window = nullptr;
    TKorinplot *m_mainForm = nullptr;
    bool m_terminated = false;
    bool m_interfaceChinese = false;
};

// The application object, reachable everywhere once it exists.
extern TApplication *Application;

template <class Form>
void TApplication::CreateForm(Form *&reference)
{
    Form *form = createForm(reference, [this](const auto &formCreate) {
        try {
            formCreate();
        } catch (...) {
            HandleException();
        }
    });
    if (!m_mainForm)
        setMainForm(form);
}
