#pragma once

#include <QUrl>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class WebEngine;
class WebView;

// The embedded web view. It starts empty, loads pages on its own and keeps
// its own history; a refused operation raises EOleException.
//
// The engine behind it comes up after the window's first frame. Until then
// the view shows the empty white page it shows before any navigation, keeps
// what it is asked to do and does it, in order, once the engine is up.
class TWebBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit TWebBrowser(QWidget *parent = nullptr);
    ~TWebBrowser() override;

    void Navigate(const QString &url);
    void GoBack();
    void Refresh();

    // The page shown and its title; empty while no page is shown.
    QUrl url() const;
    QString title() const;
    // The engine's view filling this one, or null while the engine is not up.
    QWidget *view() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    static void startEngine();
    void attach(WebEngine &engine);
    void whenUp(std::function<void(WebView &)> request);

    WebView *m_view = nullptr;
    std::vector<std::function<void(WebView &)>> m_pending;
};

inline constexpr std::int32_t E_FAIL = static_cast<std::int32_t>(0x80004005u);

// The system's text for a result code, else "OLE error %.8X".
QString oleErrorMessage(std::int32_t code);
