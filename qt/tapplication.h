#pragma once

#include "core/createform.h"

#include <QApplication>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include <exception>
#include <functional>

class Exception;
class QWidget;

// The one application object: owns the main window, runs the event loop and
// reports every error that escapes an event handler.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int &argc, char **argv);
    ~TApplication() override;

    // As root the web engine refuses its sandbox and ends the process, so the
    // sandbox is switched off for root only, before the application exists;
    // without it, renderers start without the engine's zygote. Pages are
    // opened to assistive technology; the engine reads this once, at its
    // start, and does the work only while such a tool listens.
    static void prepareWebEngine();
    // The toolkit asks the desktop once, at start, whether assistive
    // technology runs, and never offers the window to one turned on later:
    // it is told to offer it whenever the desktop has an accessibility bus.
    // Called before the application exists.
    static void prepareAccessibility();

    // The language of everything the user reads besides the launcher's own
    // captions: the toolkit's texts (the error box's OK button among them),
    // the web engine's (its context menu) and the language asked of web
    // sites. QLocale() is this language afterwards, and every widget gets a
    // LanguageChange event when it changed. It starts as the system's
    // default interface language.
    void setInterfaceLanguage(const QLocale &language);
    const QLocale &interfaceLanguage() const { return m_interfaceLanguage; }

    void Initialize();
    void setMainFormOnTaskBar(bool onTaskBar) { m_mainFormOnTaskBar = onTaskBar; }
    bool mainFormOnTaskBar() const { return m_mainFormOnTaskBar; }

    // Builds a form. The reference holds the form before its constructor runs,
    // so code running during construction can reach it; a construction error
    // resets it and leaves to the caller. FormCreate runs afterwards, guarded.
    template <class Form, class... Args>
    void CreateForm(Form *&reference, Args &&...args);

    int Run();
    void Terminate();

    // Runs one handler; an escaping error is reported and the loop goes on.
    void guarded(QObject *sender, const std::function<void()> &handler);
    // Reports the error being handled; call from inside a catch block.
    void HandleException(QObject *sender);
    void ShowException(const Exception &error);
    int MessageBox(const QString &text, const QString &caption);
    // The report for an error that escaped start-up; returns the exit status.
    int ShowFatalException(std::exception_ptr error);

    const QString &Title() const { return m_title; }
    QWidget *MainForm() const { return m_mainForm; }
    int PixelsPerInch() const { return m_pixelsPerInch; }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void showFatalBox(const QString &text);
    void setMainForm(QWidget *form);
    void placeMainForm();

    QTranslator m_toolkitTexts;
    QLocale m_interfaceLanguage = QLocale::c();
    QString m_title;
    QWidget *m_mainForm = nullptr;
    bool m_mainFormOnTaskBar = false;
    int m_pixelsPerInch = 96;
};

// The application object, reachable everywhere once it exists.
extern TApplication *Application;

// The locale everything the user reads follows: the toolkit's and the web
// engine's own texts and the language asked of web sites. The launcher's
// captions are simplified Chinese, so every Chinese identifier maps to it.
QLocale interfaceLocale(bool chinese);

template <class Form, class... Args>
void TApplication::CreateForm(Form *&reference, Args &&...args)
{
    Form *form = createForm(
        reference, [this, &reference](const auto &formCreate) { guarded(reference, formCreate); },
        std::forward<Args>(args)...);
    if (!m_mainForm)
        setMainForm(form);
}
