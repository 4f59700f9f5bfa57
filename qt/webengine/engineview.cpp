#include "qt/webengine/engineview.h"

#include "qt/webengine/enginepage.h"
#include "qt/webengine/fullscreenview.h"
#include "qt/webengine/viewrecovery.h"

#include <QAccessible>
#include <QApplication>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineHistory>

namespace {

// As the focus enters a view, and as a page's frame gains it, the engine
// tells assistive technology which element of the page has the focus, and
// then the toolkit and the engine tell it that the page as a whole has it: a
// screen reader would say the document, never the element. Told of the
// element instead, it says what a browser makes it say. Every other event
// takes the toolkit's own way on.
void focusOnElement(QAccessibleEvent *event)
{
    QAccessibleInterface *target = event->accessibleInterface();
    QAccessibleInterface *element = nullptr;
    if (event->type() == QAccessible::Focus && target && target->role() == QAccessible::WebDocument)
        element = target->focusChild();
    QAccessible::installUpdateHandler(nullptr);
    if (element && element != target) {
        QAccessibleEvent focus(element, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    } else {
        QAccessible::updateAccessibility(event);
    }
    QAccessible::installUpdateHandler(focusOnElement);
}

} // namespace

EngineView::EngineView(OpenExternally openExternally, QWidget *parent)
    : QWebEngineView(parent), m_page(new EnginePage(openExternally, this))
{
    setPage(m_page);
    // A view placed directly in its window is the browser pane; the views
    // inside panels show pictures.
    const QWidget *container = parent ? parent->parentWidget() : nullptr;
    m_recovery = new ViewRecovery(m_page, this, !container || container->isWindow());
    connect(m_page, &QWebEnginePage::fullScreenRequested, this, &EngineView::toggleFullScreen);
    static const QAccessible::UpdateHandler installed = QAccessible::installUpdateHandler(focusOnElement);
    (void)installed;
}

EngineView::~EngineView()
{
    delete m_fullScreen;
}

void EngineView::whenLoaded(std::function<void()> loaded)
{
    connect(m_page, &QWebEnginePage::loadFinished, this, [loaded = std::move(loaded)](bool ok) {
        if (ok)
            loaded();
    });
}

void EngineView::toggleFullScreen(QWebEngineFullScreenRequest request)
{
    if (request.toggleOn() == bool(m_fullScreen))
        return; // refused: already as asked
    request.accept();
    if (request.toggleOn()) {
        m_focusBefore = QApplication::focusWidget();
        m_fullScreen = new FullScreenView(m_page, this);
        return;
    }
    FullScreenView *leaving = m_fullScreen;
    m_fullScreen = nullptr;
    setPage(m_page);
    leaving->hide();
    leaving->deleteLater();
    window()->activateWindow();
    if (m_focusBefore)
        m_focusBefore->setFocus(Qt::ActiveWindowFocusReason);
    else
        setFocus(Qt::ActiveWindowFocusReason);
}

void EngineView::resizeEvent(QResizeEvent *event)
{
    QWebEngineView::resizeEvent(event);
    m_recovery->fitTo(rect());
}

void EngineView::navigate(const QUrl &url)
{
    m_recovery->navigate(url);
}

bool EngineView::canGoBack() const
{
    return m_page->history()->canGoBack();
}

void EngineView::goBack()
{
    m_page->triggerAction(QWebEnginePage::Back);
}

void EngineView::refresh()
{
    m_recovery->refresh();
}

void EngineView::stop()
{
    m_recovery->stop();
}

QUrl EngineView::currentUrl() const
{
    return m_page->url();
}

QString EngineView::currentTitle() const
{
    return m_page->title();
}
