#include "platform/engine/engineview.h"

#include <QWebEngineHistory>

EngineView::EngineView(QWidget *parent) : QWebEngineView(parent) {}

void EngineView::navigate(const QUrl &url)
{
    load(url);
}

bool EngineView::canGoBack() const
{
    return history()->canGoBack();
}

void EngineView::goBack()
{
    back();
}

void EngineView::refresh()
{
    reload();
}

QUrl EngineView::currentUrl() const
{
    return url();
}

QString EngineView::currentTitle() const
{
    return title();
}
