#include "qt/twebbrowser.h"

#include "core/exception.h"
#include "core/systemtext.h"
#include "qt/loadnotice.h"
#include "qt/pictureloader.h"
#include "qt/pictureview.h"
#include "qt/utf16.h"
#include "qt/webengine.h"
#include "qt/webview.h"

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

bool g_engineStarting = false;

} // namespace

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

// A view placed directly in its window is the browser pane; the views
// inside panels show pictures.
bool TWebBrowser::showsPictures() const
{
    return parentWidget() && !parentWidget()->isWindow();
}

void TWebBrowser::makePictureView()
{
    m_picture = new PictureView(this);
    m_picture->setGeometry(rect());
    m_notice = new LoadNotice(false, this);
    m_notice->setGeometry(rect());
    m_loader = new PictureLoader(this);
    connect(m_loader, &PictureLoader::answered, this, &TWebBrowser::pictureAnswered);
    connect(m_loader, &PictureLoader::notPicture, this, &TWebBrowser::showOnEngine);
    connect(m_loader, &PictureLoader::failed, this, &TWebBrowser::pictureFailed);
}

void TWebBrowser::pictureAnswered(const QUrl &address, const QByteArray &body)
{
    const PictureView::Outcome outcome = m_picture->setPicture(address, body);
    if (outcome == PictureView::Outcome::NotPicture) {
        showOnEngine(m_loader->address());
        return;
    }
    m_onEngine = false;
    // What the engine was still to do for this view is overtaken.
    m_pending.clear();
    // A picture too large for any view is not the engine's either.
    if (outcome == PictureView::Outcome::TooLarge) {
        pictureFailed();
        return;
    }
    m_notice->hide();
    m_picture->show();
    bringForward(m_picture);
}

void TWebBrowser::pictureFailed()
{
    // The picture shown before may have changed since: not kept.
    m_picture->hide();
    m_notice->report(LoadNotice::Cause::Unreachable);
}

void TWebBrowser::showOnEngine(const QUrl &address)
{
    m_onEngine = true;
    m_notice->hide();
    m_picture->hide();
    whenUp([address](WebView &view) { view.navigate(address); });
    if (m_view)
        bringForward(m_view->widget());
}

void TWebBrowser::bringForward(QWidget *widget)
{
    const bool focused = hasFocus();
    widget->raise();
    setFocusProxy(widget);
    if (focused)
        widget->setFocus(Qt::OtherFocusReason);
}

void TWebBrowser::startEngine()
{
    g_engineStarting = false;
    WebEngine &engine = WebEngine::instance();
    for (TWebBrowser *view : views()) {
        if (!view->m_view && view->m_wantsEngine)
            view->attach(engine);
    }
}

void TWebBrowser::attach(WebEngine &engine)
{
    m_view = engine.createView(this);
    m_view->whenLoaded([this] {
        if (std::exchange(m_pageAwaited, false))
            emit pageShown();
    });
    QWidget *view = m_view->widget();
    view->setGeometry(rect());
    view->show();
    if (!showsPictures() || m_onEngine)
        bringForward(view);
    else
        view->lower();
    for (const auto &request : std::exchange(m_pending, {}))
        request(*m_view);
}

void TWebBrowser::whenUp(std::function<void(WebView &)> request)
{
    if (m_view) {
        request(*m_view);
        return;
    }
    m_pending.push_back(std::move(request));
    m_wantsEngine = true;
    // After the handler that asked: its window stays responsive while the
    // engine's module loads.
    if (!g_engineStarting) {
        g_engineStarting = true;
        QMetaObject::invokeMethod(QCoreApplication::instance(), &TWebBrowser::startEngine, Qt::QueuedConnection);
    }
}

void TWebBrowser::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Qt::white);
    // Painted, so the window's first frame is on its way: the picture is
    // asked for right after it, and the network's set-up does not hold the
    // window back.
    if (!m_dueAddress.isEmpty())
        QMetaObject::invokeMethod(this, &TWebBrowser::loadDuePicture, Qt::QueuedConnection);
}

void TWebBrowser::loadDuePicture()
{
    if (!m_dueAddress.isEmpty())
        m_loader->load(std::exchange(m_dueAddress, {}));
}

void TWebBrowser::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_view)
        m_view->widget()->setGeometry(rect());
    if (m_picture) {
        m_picture->setGeometry(rect());
        m_notice->setGeometry(rect());
    }
}

void TWebBrowser::Navigate(const QString &url)
{
    const QUrl address(url, QUrl::StrictMode);
    if (!showsPictures()) {
        m_pageAwaited = true;
        whenUp([address](WebView &view) { view.navigate(address); });
        return;
    }
    if (!m_picture)
        makePictureView();
    // One request at a time: the engine, if it showed this view's last
    // page, asks for nothing more unless the answer is a page again.
    if (m_view)
        m_view->stop();
    // A window that is never shown asks for nothing; one on its way to the
    // screen asks once it is painted.
    if (isVisible() && m_dueAddress.isEmpty())
        m_loader->load(address);
    else
        m_dueAddress = address;
}

void TWebBrowser::GoBack()
{
    // A view the engine has not shown a page in has no earlier page.
    if (!m_view || !m_view->canGoBack())
        throw EOleException(resultCodeText(E_FAIL), E_FAIL);
    m_view->goBack();
}

void TWebBrowser::Refresh()
{
    if (m_picture && !m_onEngine) {
        m_loader->refresh();
        return;
    }
    // Nothing shown and nothing on its way: nothing to load again.
    if (m_view || !m_pending.empty())
        whenUp([](WebView &view) { view.refresh(); });
}

QUrl TWebBrowser::url() const
{
    if (m_picture && !m_onEngine)
        return m_picture->address();
    return m_view ? m_view->currentUrl() : QUrl();
}

QString TWebBrowser::title() const
{
    if (m_picture && !m_onEngine)
        return m_picture->title();
    return m_view ? m_view->currentTitle() : QString();
}

QWidget *TWebBrowser::view() const
{
    return m_view ? m_view->widget() : nullptr;
}
