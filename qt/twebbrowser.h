#pragma once

#include <QUrl>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class LoadNotice;
class PictureLoader;
class PictureView;
class WebEngine;
class WebView;

// The embedded web view. It starts empty, loads pages on its own and keeps
// its own history; a refused operation raises EOleException.
//
// A view inside a panel shows pictures: it asks for its address itself and
// shows a picture without the web engine; only an answer that is not a
// picture goes to the engine, which asks again and shows it. The engine
// comes up at the first address that needs it. Until then a view shows the
// empty white page it shows before any navigation, keeps what it is asked to
// do and does it, in order, once the engine is up.
class TWebBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit TWebBrowser(QWidget *parent = nullptr);
    ~TWebBrowser() override;

    void Navigate(const QString &url);
    void GoBack();
    void Refresh();

    // The page or picture shown and its title; empty while nothing is shown.
    QUrl url() const;
    QString title() const;
    // The engine's view filling this one, or null while this view has none.
    QWidget *view() const;

signals:
    // The browser pane's page asked for by Navigate has loaded, once per call.
    void pageShown();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool showsPictures() const;
    void makePictureView();
    void loadDuePicture();
    void pictureAnswered(const QUrl &address, const QByteArray &body);
    void pictureFailed();
    void showOnEngine(const QUrl &address);
    void bringForward(QWidget *widget);
    static void startEngine();
    void attach(WebEngine &engine);
    void whenUp(std::function<void(WebView &)> request);

    WebView *m_view = nullptr;
    std::vector<std::function<void(WebView &)>> m_pending;
    bool m_wantsEngine = false;
    // A picture view's own way to its pictures, made at its first address.
    PictureLoader *m_loader = nullptr;
    PictureView *m_picture = nullptr;
    LoadNotice *m_notice = nullptr;
    bool m_onEngine = false; // the last answer was a page, shown by the engine
    QUrl m_dueAddress;       // asked for once the view is painted
    bool m_pageAwaited = false;
};

inline constexpr std::int32_t E_FAIL = static_cast<std::int32_t>(0x80004005u);
