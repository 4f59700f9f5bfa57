#include "platform/engine/enginepage.h"

#include <QPointer>
#include <QWidget>

namespace {

// Stands in for the new window: the engine asks it to load the window's
// first address, which goes to the browser instead, and it goes away.
class NewWindow : public QWebEnginePage
{
public:
    NewWindow(OpenExternally openExternally, QWidget *owner, QWebEnginePage *opener)
        : QWebEnginePage(opener->profile(), opener), m_openExternally(openExternally), m_owner(owner)
    {
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool isMainFrame) override
    {
        if (isMainFrame) {
            m_openExternally(m_owner, url);
            deleteLater();
        }
        return false;
    }

private:
    OpenExternally m_openExternally;
    QPointer<QWidget> m_owner;
};

} // namespace

EnginePage::EnginePage(OpenExternally openExternally, QWidget *view)
    : QWebEnginePage(view), m_openExternally(openExternally)
{
}

QWebEnginePage *EnginePage::createWindow(WebWindowType)
{
    return new NewWindow(m_openExternally, static_cast<QWidget *>(parent()), this);
}
