#pragma once

#include "qt/webengine.h"

#include <QWebEnginePage>

// The page of an EngineView. A page's request for a new window or tab (a
// link with target="_blank", window.open() after a click, "Open link in new
// window") hands the address to the desktop's browser, as the toolbar's link
// buttons do; the view stays on its page. Its JavaScript dialogs speak the
// interface language, captions included.
class EnginePage : public QWebEnginePage
{
    Q_OBJECT

public:
    // Owned by its view.
    EnginePage(OpenExternally openExternally, QWidget *view);

protected:
    QWebEnginePage *createWindow(WebWindowType type) override;
    void javaScriptAlert(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &msg, const QString &defaultValue,
                          QString *result) override;

private:
    OpenExternally m_openExternally;
};
