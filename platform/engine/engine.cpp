#include "platform/engine/engineview.h"
#include "platform/webengine.h"

#include <QQuickWindow>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include <type_traits>

namespace {

class Engine : public WebEngine
{
public:
    explicit Engine(OpenExternally openExternally) : m_openExternally(openExternally)
    {
        // Composed in software, the views ask nothing of the window's own
        // drawing, so the window keeps the plain surface it was made with.
        // Composed with OpenGL they would need a window of another kind,
        // and the toolkit would destroy the window and make it again.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        // Only what the launcher asks for is fetched: no page icons.
        QWebEngineProfile::defaultProfile()->settings()->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    }

    WebView *createView(QWidget *parent) override { return new EngineView(parent); }

private:
    OpenExternally m_openExternally;
};

} // namespace

extern "C" Q_DECL_EXPORT WebEngine *korinview_web_engine(OpenExternally openExternally)
{
    static Engine engine(openExternally);
    return &engine;
}

static_assert(std::is_same_v<decltype(&korinview_web_engine), WebEngineEntry>);
