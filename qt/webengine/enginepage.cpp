#include "qt/webengine/enginepage.h"

#include "qt/uitext.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QWebEngineView>
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

// The caption of a page's dialog, in the interface language like its buttons.
QString dialogTitle(const QUrl &origin)
{
    const QString host = origin.host().isEmpty() ? origin.toString() : origin.host();
    return uiText(UserText::PageDialogCaption).arg(host);
}

} // namespace

EnginePage::EnginePage(OpenExternally openExternally, QWidget *view)
    : QWebEnginePage(view), m_openExternally(openExternally)
{
}

QWebEnginePage *EnginePage::createWindow(WebWindowType)
{
    return new NewWindow(m_openExternally, static_cast<QWidget *>(parent()), this);
}

// The engine's own dialogs carry an English caption whatever the language;
// these say the same in the interface language.
void EnginePage::javaScriptAlert(const QUrl &securityOrigin, const QString &msg)
{
    QMessageBox box(QMessageBox::Information, dialogTitle(securityOrigin), msg, QMessageBox::Ok,
                    QWebEngineView::forPage(this));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool EnginePage::javaScriptConfirm(const QUrl &securityOrigin, const QString &msg)
{
    QMessageBox box(QMessageBox::Question, dialogTitle(securityOrigin), msg, QMessageBox::Ok | QMessageBox::Cancel,
                    QWebEngineView::forPage(this));
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Ok;
}

bool EnginePage::javaScriptPrompt(const QUrl &securityOrigin, const QString &msg, const QString &defaultValue,
                                  QString *result)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(QWebEngineView::forPage(this), dialogTitle(securityOrigin),
                                               msg.toHtmlEscaped(), QLineEdit::Normal, defaultValue, &accepted);
    if (accepted)
        *result = text;
    return accepted;
}
