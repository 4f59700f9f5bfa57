#pragma once

#include <QWidget>

class QWebEnginePage;
class QWebEngineView;

// A page shown alone over the whole screen, in a window of its own above the
// launcher's, which stays as it is underneath. Esc leaves full screen; a
// close request closes the launcher.
class FullScreenView : public QWidget
{
    Q_OBJECT

public:
    // Takes the page from its view until destroyed.
    FullScreenView(QWebEnginePage *page, QWidget *view);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWebEngineView *m_view;
    QWidget *m_launcher;
};
