#include "qt/webengine/engineview.h"
#include "qt/webengine.h"

#include <QAction>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QQuickWindow>
#include <QTranslator>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include <type_traits>

namespace {

class Engine : public QObject, public WebEngine
{
    Q_OBJECT

public:
    explicit Engine(OpenExternally openExternally) : m_openExternally(openExternally)
    {
        // Composed in software, the views ask nothing of the window's own
        // drawing, so the window keeps the plain surface it was made with.
        // Composed with OpenGL they would need a window of another kind,
        // and the toolkit would destroy the window and make it again.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);

        QWebEngineProfile *profile = QWebEngineProfile::defaultProfile();
        QWebEngineSettings *settings = profile->settings();
        // Only what the launcher asks for is fetched: no page icons.
        settings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
        // A page opens a window only when the user's click asked for one;
        // pop-ups of its own are blocked.
        settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
        settings->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
        // The arrow keys go from control to control in a page as they do in
        // the launcher's own window; a screen reader, which has no reading
        // mode of its own for a page shown by this toolkit, then speaks the
        // page line by line.
        settings->setAttribute(QWebEngineSettings::SpatialNavigationEnabled, true);
        connect(profile, &QWebEngineProfile::downloadRequested, this, &Engine::handOver);
        setLanguage(QLocale());
    }

    WebView *createView(QWidget *parent) override { return new EngineView(m_openExternally, parent); }

    void setLanguage(const QLocale &language) override
    {
        QApplication::removeTranslator(&m_texts);
        if (m_texts.load(language, QStringLiteral("qtwebengine"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&m_texts);
        relabelPageActions();
        // "zh-CN,zh", also what pages read as navigator.languages, so no
        // weights: the order says it.
        const QString tag = language.name().replace(QLatin1Char('_'), QLatin1Char('-'));
        QWebEngineProfile::defaultProfile()->setHttpAcceptLanguage(tag + QLatin1Char(',') + tag.section(QLatin1Char('-'), 0, 0));
    }

private:
    // A page keeps its actions (the context menu's entries) with the texts
    // they were made with; a page made now names them in the new language.
    static void relabelPageActions()
    {
        QList<QAction *> actions;
        for (QWidget *widget : QApplication::allWidgets()) {
            for (auto *page : widget->findChildren<QWebEnginePage *>(Qt::FindDirectChildrenOnly))
                actions += page->findChildren<QAction *>(Qt::FindDirectChildrenOnly);
        }
        if (actions.isEmpty())
            return;
        QWebEnginePage fresh(QWebEngineProfile::defaultProfile());
        for (QAction *action : actions) {
            if (action->data().isValid())
                action->setText(fresh.action(QWebEnginePage::WebAction(action->data().toInt()))->text());
        }
    }

    // The launcher downloads nothing itself: the browser gets the address.
    void handOver(QWebEngineDownloadRequest *download)
    {
        m_openExternally(QWebEngineView::forPage(download->page()), download->url());
        download->cancel();
    }

    OpenExternally m_openExternally;
    QTranslator m_texts;
};

} // namespace

extern "C" Q_DECL_EXPORT WebEngine *korinview_web_engine(OpenExternally openExternally)
{
    static Engine engine(openExternally);
    return &engine;
}

static_assert(std::is_same_v<decltype(&korinview_web_engine), WebEngineEntry>);

#include "engine.moc"
