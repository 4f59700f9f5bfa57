#pragma once

#include "platform/webview.h"

#include <QWebEngineView>

// The engine's view inside a TWebBrowser.
class EngineView : public QWebEngineView, public WebView
{
    Q_OBJECT

public:
    explicit EngineView(QWidget *parent);

    QWidget *widget() override { return this; }
    void navigate(const QUrl &url) override;
    bool canGoBack() const override;
    void goBack() override;
    void refresh() override;
    QUrl currentUrl() const override;
    QString currentTitle() const override;
};
