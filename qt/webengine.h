#pragma once

class QLocale;
class QUrl;
class QWidget;
class WebView;

// The web engine behind the web views. It lives in a module of its own
// (libkorinview-web.so, beside the program's private libraries), loaded once
// the window is on screen, so that the engine's libraries and processes do
// not hold back the window.
class WebEngine
{
public:
    virtual ~WebEngine() = default;

    // A view filling parent, owned by it.
    virtual WebView *createView(QWidget *parent) = 0;
    // The interface language: the engine's own texts and the language its
    // requests ask for. The engine starts in QLocale()'s.
    virtual void setLanguage(const QLocale &language) = 0;

    // The engine, its module loaded on the first call; EOleSysError when the
    // module cannot be loaded.
    static WebEngine &instance();
    static bool loaded();
};

// How the engine hands an address to the desktop's browser: a page's request
// for a new window, a download; owner is the view it came from.
using OpenExternally = void (*)(QWidget *owner, const QUrl &url);

// The module's one entry point, looked up by name.
using WebEngineEntry = WebEngine *(*)(OpenExternally openExternally);
inline constexpr char kWebEngineEntryName[] = "korinview_web_engine";
inline constexpr char kWebEngineModuleName[] = "libkorinview-web.so";
