#include "platform/twebbrowser.h"

#include "core/exception.h"
#include "platform/webengine.h"
#include "platform/webview.h"

#include <QCoreApplication>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <utility>

namespace {

// Every view, in the order made, so the engine gives them theirs in that order.
std::vector<TWebBrowser *> &views()
{
    static std::vector<TWebBrowser *> all;
    return all;
}

bool g_engineRequested = false;

} // namespace

QString oleErrorMessage(std::int32_t code)
{
    switch (static_cast<std::uint32_t>(code)) {
    case 0x80004005u:
        return QStringLiteral("Unspecified error");
    case 0x80004001u:
        return QStringLiteral("Not implemented");
    case 0x80004002u:
        return QStringLiteral("No such interface supported");
    default:
        return QString::fromStdU16String(oleErrorText(code));
    }
}

TWebBrowser::TWebBrowser(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    views().push_back(this);
    if (WebEngine::loaded())
        attach(WebEngine::instance());
}

TWebBrowser::~TWebBrowser()
{
    std::erase(views(), this);
}

void TWebBrowser::startEngine()
{
    WebEngine &engine = WebEngine::instance();
    for (TWebBrowser *view : views()) {
        if (!view->m_view)
            view->attach(engine);
    }
}

void TWebBrowser::attach(WebEngine &engine)
{
    const bool focused = hasFocus();
    m_view = engine.createView(this);
    QWidget *view = m_view->widget();
    view->setGeometry(rect());
    setFocusProxy(view);
    view->show();
    if (focused)
        view->setFocus(Qt::OtherFocusReason);
    for (const auto &request : std::exchange(m_pending, {}))
        request(*m_view);
}

void TWebBrowser::whenUp(std::function<void(WebView &)> request)
{
    if (m_view)
        request(*m_view);
    else
        m_pending.push_back(std::move(request));
}

void TWebBrowser::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Qt::white);
    // Painted, so the window's first frame is on its way: the engine comes
    // up right after it.
    if (!g_engineRequested) {
        g_engineRequested = true;
        QMetaObject::invokeMethod(QCoreApplication::instance(), &TWebBrowser::startEngine, Qt::QueuedConnection);
    }
}

void TWebBrowser::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_view)
        m_view->widget()->setGeometry(rect());
}

void TWebBrowser::Navigate(const QString &url)
{
    whenUp([address = QUrl(url, QUrl::StrictMode)](WebView &view) { view.navigate(address); });
}

void TWebBrowser::GoBack()
{
    // A view whose engine is not up has shown no page yet.
    if (!m_view || !m_view->canGoBack())
        throw EOleException(oleErrorMessage(E_FAIL).toStdU16String(), E_FAIL);
    m_view->goBack();
}

void TWebBrowser::Refresh()
{
    whenUp([](WebView &view) { view.refresh(); });
}

QUrl TWebBrowser::url() const
{
    return m_view ? m_view->currentUrl() : QUrl();
}

QString TWebBrowser::title() const
{
    return m_view ? m_view->currentTitle() : QString();
}

QWidget *TWebBrowser::view() const
{
    return m_view ? m_view->widget() : nullptr;
}
