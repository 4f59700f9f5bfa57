#pragma once

class QString;
class QWidget;

// Hands an address to the desktop's default handler (a web browser for
// http addresses), owned by the window of the given widget. The outcome is not examined: the desktop gives the only
// feedback there is.
void ShellOpen(QWidget *owner, const QString &address);
