#include "platform/shellopen.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

void ShellOpen(QWidget *owner, const QString &address)
{
    if (owner)
        owner->winId();
    // Strict parsing leaves an already valid address exactly as written.
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}
