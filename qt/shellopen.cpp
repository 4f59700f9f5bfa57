#include "qt/shellopen.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

void ShellOpen(QWidget *owner, const QString &address)
{
    // The owner is the widget's window, given a native handle as the desktop
    // wants one; a child widget is never made native for it.
    if (owner)
        owner->window()->winId();
    // Strict parsing leaves an already valid address exactly as written.
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}
