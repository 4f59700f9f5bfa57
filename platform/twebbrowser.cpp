#include "platform/twebbrowser.h"

#include "platform/exception.h"

#include <QWebEngineHistory>
#include <QWebEngineSettings>

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
        return QStringLiteral("OLE error ")
               + QString::number(static_cast<std::uint32_t>(code), 16).toUpper().rightJustified(8, QLatin1Char('0'));
    }
}

TWebBrowser::TWebBrowser(QWidget *parent) : QWebEngineView(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    // Only what the launcher asks for is fetched: no page icons.
    settings()->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
}

void TWebBrowser::Navigate(const QString &url)
{
    load(QUrl(url, QUrl::StrictMode));
}

void TWebBrowser::GoBack()
{
    if (!history()->canGoBack())
        throw EOleException(oleErrorMessage(E_FAIL), E_FAIL);
    back();
}

void TWebBrowser::Refresh()
{
    reload();
}
