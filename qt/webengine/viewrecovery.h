#pragma once

#include "core/recoverypolicy.h"
#include "qt/loadnotice.h"

#include <QElapsedTimer>
#include <QNetworkInformation>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>

class ProgressLine;
class QWebEngineLoadingInfo;

// Keeps a view's page coming back by itself. A load that fails (no network,
// no answer within 20 s, for a picture view also an HTTP error) shows the
// view's own notice and is asked again after 2 s, doubling to 60 s, or at
// once when the desktop reports the network back; a renderer that dies is
// replaced, at most three times a minute. A browser pane shows a server's
// own error page as any browser does, draws a progress line while a page
// loads, and asks again by itself only while nothing covers it.
class ViewRecovery : public QObject
{
    Q_OBJECT

public:
    ViewRecovery(QWebEnginePage *page, QWidget *view, bool browserPane);

    // A new address: the count of failures starts again.
    void navigate(const QUrl &url);
    // Asked again now: the address that failed, or a reload of the page shown.
    void refresh();
    // Stopped: no load under way, no notice, nothing asked again until the
    // next navigate or refresh.
    void stop();
    // Keeps the notice and the progress line over the whole view.
    void fitTo(const QRect &area);

private:
    void started();
    void progressed(int percent);
    void loadingChanged(const QWebEngineLoadingInfo &info);
    void rendererEnded(QWebEnginePage::RenderProcessTerminationStatus status);
    void answerOverdue();
    void finished();
    void fail(LoadNotice::Cause cause);
    void recovered();
    void retry();
    void reachabilityChanged(QNetworkInformation::Reachability reachability);
    bool inFront() const;

    QWebEnginePage *m_page;
    QWidget *m_view;
    bool m_browserPane;
    LoadNotice *m_notice;
    ProgressLine *m_progress = nullptr;
    QUrl m_address; // what the view was last asked to show: retried on failure
    RecoveryState m_state;
    bool m_watchingNetwork = false;
    QTimer m_answerTimer;
    QTimer m_retryTimer;
    QElapsedTimer m_clock;
};
