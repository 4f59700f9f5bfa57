#include "qt/webengine/fullscreenview.h"

#include <QAction>
#include <QCloseEvent>
#include <QWebEngineView>

FullScreenView::FullScreenView(QWebEnginePage *page, QWidget *view)
    : QWidget(view, Qt::Window), m_view(new QWebEngineView(this)), m_launcher(view->window())
{
    setWindowTitle(m_launcher->windowTitle());
    setWindowIcon(m_launcher->windowIcon());
    m_view->setPage(page);

    auto *leave = new QAction(this);
    leave->setShortcut(Qt::Key_Escape);
    connect(leave, &QAction::triggered, m_view, [this] { m_view->triggerPageAction(QWebEnginePage::ExitFullScreen); });
    addAction(leave);

    showFullScreen();
    m_view->setFocus(Qt::ActiveWindowFocusReason);
}

void FullScreenView::closeEvent(QCloseEvent *event)
{
    // The full-screen view is the launcher as the user sees it.
    event->ignore();
    m_launcher->close();
}

void FullScreenView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_view->setGeometry(rect());
}
