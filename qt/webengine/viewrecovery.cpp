#include "qt/webengine/viewrecovery.h"

#include "qt/webengine/progressline.h"
#include "qt/reachability.h"

#include <QNetworkInformation>
#include <QWebEngineLoadingInfo>

using namespace std::chrono_literals;

namespace {

// The engine reports 0 or 10 while it waits for the answer and more as soon
// as the answer's first bytes are in.
constexpr int kWaitingProgress = 10;
constexpr int kProgressLineHeight = 3;

} // namespace

ViewRecovery::ViewRecovery(QWebEnginePage *page, QWidget *view, bool browserPane)
    : QObject(view), m_page(page), m_view(view), m_browserPane(browserPane),
      m_notice(new LoadNotice(browserPane, view))
{
    if (browserPane)
        m_progress = new ProgressLine(view);
    m_clock.start();
    m_answerTimer.setSingleShot(true);
    m_answerTimer.setInterval(kAnswerDeadline);
    m_retryTimer.setSingleShot(true);
    connect(&m_answerTimer, &QTimer::timeout, this, &ViewRecovery::answerOverdue);
    connect(&m_retryTimer, &QTimer::timeout, this, &ViewRecovery::retry);
    connect(page, &QWebEnginePage::loadStarted, this, &ViewRecovery::started);
    connect(page, &QWebEnginePage::loadProgress, this, &ViewRecovery::progressed);
    connect(page, &QWebEnginePage::loadingChanged, this, &ViewRecovery::loadingChanged);
    connect(page, &QWebEnginePage::renderProcessTerminated, this, &ViewRecovery::rendererEnded);
}

void ViewRecovery::navigate(const QUrl &url)
{
    m_address = url;
    m_state.restart();
    m_retryTimer.stop();
    m_page->load(url);
}

void ViewRecovery::refresh()
{
    m_retryTimer.stop();
    m_state.restart();
    // A load given up for want of an answer left the page before it shown,
    // so R asks for the address that failed, not for that page.
    if (!m_notice->isHidden())
        m_page->load(m_address);
    else
        m_page->triggerAction(QWebEnginePage::Reload);
}

void ViewRecovery::stop()
{
    m_retryTimer.stop();
    const bool loading = m_state.asking();
    m_state.stopped();
    m_notice->hide();
    if (loading)
        m_page->triggerAction(QWebEnginePage::Stop);
    // A renderer that dies now brings nothing back.
    m_address.clear();
}

void ViewRecovery::fitTo(const QRect &area)
{
    m_notice->setGeometry(area);
    if (m_progress)
        m_progress->setGeometry(area.left(), area.top(), area.width(), kProgressLineHeight);
}

void ViewRecovery::started()
{
    m_state.asked();
    m_answerTimer.start();
    if (m_progress)
        m_progress->start();
}

void ViewRecovery::progressed(int percent)
{
    if (percent > kWaitingProgress)
        m_answerTimer.stop();
    if (m_progress)
        m_progress->setProgress(percent);
}

void ViewRecovery::loadingChanged(const QWebEngineLoadingInfo &info)
{
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
        m_address = info.url();
        break;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
        finished();
        recovered();
        break;
    case QWebEngineLoadingInfo::LoadFailedStatus:
        finished();
        // A server's own error page is a page like any other in a browser
        // pane; a picture view has nothing to show but the picture.
        if (m_browserPane && !info.isErrorPage() && info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain)
            recovered();
        else
            fail(info.errorDomain() == QWebEngineLoadingInfo::NoErrorDomain ? LoadNotice::Cause::Stopped
                                                                             : LoadNotice::Cause::Unreachable);
        break;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        // Stopped by the user, by a newer load or by answerOverdue, which
        // has dealt with it.
        m_state.abandoned();
        finished();
        break;
    }
}

void ViewRecovery::rendererEnded(QWebEnginePage::RenderProcessTerminationStatus status)
{
    if (status == QWebEnginePage::NormalTerminationStatus)
        return;
    finished();
    if (m_address.isEmpty()) {
        m_state.abandoned();
        return;
    }
    if (m_state.rendererEnded(std::chrono::milliseconds(m_clock.elapsed()))) {
        // After the dead renderer's own reports, so a failure among them
        // cannot take the new load for finished.
        QMetaObject::invokeMethod(this, &ViewRecovery::retry, Qt::QueuedConnection);
        return;
    }
    // Dying again and again: wait for R, a new address or the network.
    m_notice->report(LoadNotice::Cause::Stopped);
    watchReachability(m_watchingNetwork, this, &ViewRecovery::reachabilityChanged);
}

void ViewRecovery::answerOverdue()
{
    m_page->triggerAction(QWebEnginePage::Stop);
    finished();
    fail(LoadNotice::Cause::NoAnswer);
}

void ViewRecovery::finished()
{
    m_answerTimer.stop();
    if (m_progress)
        m_progress->finish();
}

void ViewRecovery::fail(LoadNotice::Cause cause)
{
    m_notice->report(cause);
    m_retryTimer.start(m_state.failed());
    watchReachability(m_watchingNetwork, this, &ViewRecovery::reachabilityChanged);
}

void ViewRecovery::recovered()
{
    m_state.answered();
    m_retryTimer.stop();
    m_notice->hide();
}

void ViewRecovery::retry()
{
    // One request at a time; a covered pane waits to be brought forward,
    // which asks it for a page anyway.
    if (!m_state.mayRetry(inFront()))
        return;
    m_page->load(m_address);
}

// The desktop's word that the network is back, where it has a way to say so,
// brings every failed view back at once.
void ViewRecovery::reachabilityChanged(QNetworkInformation::Reachability reachability)
{
    if (reachability != QNetworkInformation::Reachability::Online || !m_state.wantsNetwork())
        return;
    m_retryTimer.stop();
    retry();
}

bool ViewRecovery::inFront() const
{
    // The TWebBrowser this view fills, among its siblings: children are kept
    // in stacking order, the topmost last.
    const QWidget *browser = m_view->parentWidget();
    const QWidget *container = browser ? browser->parentWidget() : nullptr;
    if (!container)
        return true;
    const QObjectList &siblings = container->children();
    for (auto it = siblings.rbegin(); it != siblings.rend() && *it != browser; ++it) {
        const auto *sibling = qobject_cast<const QWidget *>(*it);
        if (sibling && sibling->isVisible() && sibling->geometry().intersects(browser->geometry()))
            return false;
    }
    return true;
}
