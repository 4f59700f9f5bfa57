#include "qt/tapplication.h"

#include "qt/moduleaddress.h"
#include "qt/placement.h"
#include "qt/x11desktop.h"
#include "core/caughterror.h"
#include "core/errortext.h"
#include "core/exception.h"
#include "core/language.h"
#include "core/placement.h"
#include "core/title.h"
#include "qt/processlocale.h"
#include "qt/webengine.h"
#include "qt/utf16.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include <unistd.h>

TApplication *Application = nullptr;

QLocale interfaceLocale(bool chinese)
{
    return chinese ? QLocale(QLocale::Chinese, QLocale::China) : QLocale(QLocale::English, QLocale::UnitedStates);
}

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    Application = this;
    m_title = toQString(titleFromExecutablePath(
        executablePath().toStdU16String(), u'/',
        [](std::u16string_view text) { return toQString(text).toLower().toStdU16String(); }));
    // Read once: a later change of density or monitor changes nothing.
    if (const QScreen *screen = primaryScreen())
        m_pixelsPerInch = qRound(screen->logicalDotsPerInchY());
    setQuitOnLastWindowClosed(true);
    // Lets the desktop match the window to its entry.
    setDesktopFileName(QStringLiteral("com.korinware.Korinview"));
    // The window's creation handler sets the same language again, which
    // then costs nothing; an error reported before it speaks it too.
    setInterfaceLanguage(interfaceLocale(isChineseLangID(SystemDefaultLangID())));
}

TApplication::~TApplication()
{
    Application = nullptr;
}

void TApplication::prepareWebEngine()
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Without the sandbox the engine starts each renderer itself rather than
    // through its zygote, which it makes once and cannot make again: then no
    // process the engine can lose leaves the web views dead until restart.
    if (qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.isEmpty() ? "--no-zygote" : flags + " --no-zygote");
    }
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"))
        qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
}

void TApplication::prepareAccessibility()
{
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
}

void TApplication::setInterfaceLanguage(const QLocale &language)
{
    if (language == m_interfaceLanguage)
        return;
    m_interfaceLanguage = language;
    QLocale::setDefault(language);
    removeTranslator(&m_toolkitTexts);
    if (m_toolkitTexts.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&m_toolkitTexts);
    // The engine is up only after the window's first frame; it takes the
    // language from QLocale() when it starts.
    if (WebEngine::loaded())
        WebEngine::instance().setLanguage(language);
    // Translators announce themselves, but not when none exists for the
    // language or the file is empty; posted events of this kind are merged,
    // so every window hears of the change exactly once.
    QEvent change(QEvent::LanguageChange);
    sendEvent(this, &change);
}

void TApplication::Initialize()
{
    // The web engine needs no per-thread object system to be joined first.
}

void TApplication::setMainForm(QWidget *form)
{
    m_mainForm = form;
}

int TApplication::Run()
{
    if (m_mainForm) {
        placeMainForm();
        m_mainForm->show();
    }
    const int status = exec();
    // Views go before the application so no page outlives its web profile.
    delete m_mainForm;
    m_mainForm = nullptr;
    return status;
}

void TApplication::placeMainForm()
{
    // The window's outer rectangle, frame and title bar included, is centred
    // on the desktop, all in device pixels. The frame is asked of the window
    // manager before the window is shown, so it is placed once, where it
    // stays. Wayland compositors place their windows themselves.
    QWidget *form = m_mainForm;
    const qreal ratio = form->devicePixelRatioF();
    const QSize client = form->size() * ratio;
    const QRect logicalDesktop = primaryScreen()->virtualGeometry();
    X11Desktop native{QRect(logicalDesktop.topLeft(), logicalDesktop.size() * ratio), {}};
    if (const auto x11 = x11Desktop(form, std::chrono::milliseconds(200)))
        native = *x11;
    const QSize outerSize = client.grownBy(native.frame);
    const DockPoint centre = desktopCentre({native.desktop.left(), native.desktop.top(), native.desktop.width(),
                                            native.desktop.height()},
                                           outerSize.width(), outerSize.height());
    const QPoint outer(centre.x, centre.y);
    const QPoint device = outer + QPoint(native.frame.left(), native.frame.top());
    // The client's position, which the window manager keeps as it adds the
    // frame around it. The toolkit places in logical pixels: on a fractional
    // scale it reaches only some device pixels, and the nearest is taken.
    form->setGeometry(QRect(logicalPosition(device, form->screen()->geometry().topLeft(), ratio), form->size()));
}

void TApplication::Terminate()
{
    quit();
}

void TApplication::guarded(QObject *sender, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (...) {
        HandleException(sender);
    }
}

void TApplication::HandleException(QObject *)
{
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    const GuardReport report = guardReport(std::current_exception(), locateAddress, __builtin_return_address(0));
    if (report.kind != GuardReport::Kind::Silent)
        MessageBox(toQString(report.text), m_title);
}

void TApplication::ShowException(const Exception &error)
{
    MessageBox(toQString(errorBoxText(error)), m_title);
}

int TApplication::MessageBox(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec();
}

int TApplication::ShowFatalException(std::exception_ptr error)
{
    showFatalBox(toQString(caughtFatalText(error, locateAddress, __builtin_return_address(0))));
    return 1;
}

void TApplication::showFatalBox(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, toQString(kFatalCaption).left(kFatalCaptionLimit),
                    text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    // Last net: handlers are guarded where they are dispatched, but nothing
    // may end the loop.
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleException(receiver);
        return false;
    }
}
