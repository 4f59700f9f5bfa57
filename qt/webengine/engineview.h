#pragma once

#include "qt/webengine.h"
#include "qt/webview.h"

#include <QPointer>
#include <QWebEngineView>

class EnginePage;
class FullScreenView;
class ViewRecovery;
class QWebEngineFullScreenRequest;

// The engine's view inside a TWebBrowser. Its page goes to a window of its
// own while the page is full screen, and comes back with everything else in
// the launcher's window as it was. A page that fails to load or whose
// renderer dies comes back by itself.
class EngineView : public QWebEngineView, public WebView
{
    Q_OBJECT

public:
    EngineView(OpenExternally openExternally, QWidget *parent);
    ~EngineView() override;

    QWidget *widget() override { return this; }
    void navigate(const QUrl &url) override;
    bool canGoBack() const override;
    void goBack() override;
    void refresh() override;
    void stop() override;
    QUrl currentUrl() const override;
    QString currentTitle() const override;
    void whenLoaded(std::function<void()> loaded) override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void toggleFullScreen(QWebEngineFullScreenRequest request);

    // Its own page, used directly: while the page is full screen the view
    // has none, and asking the view for one would make a new, empty page.
    EnginePage *m_page;
    ViewRecovery *m_recovery;
    QPointer<FullScreenView> m_fullScreen;
    QPointer<QWidget> m_focusBefore;
};
