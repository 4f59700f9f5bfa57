#pragma once

#include <functional>

class QString;
class QUrl;
class QWidget;

// One live view of the web engine: a page with its own history, drawn in a
// widget that the engine module made.
class WebView
{
public:
    virtual ~WebView() = default;

    virtual QWidget *widget() = 0;
    virtual void navigate(const QUrl &url) = 0;
    virtual bool canGoBack() const = 0;
    virtual void goBack() = 0;
    virtual void refresh() = 0;
    // Stops loading and asks for nothing more by itself until the next
    // navigate or refresh.
    virtual void stop() = 0;
    virtual QUrl currentUrl() const = 0;
    virtual QString currentTitle() const = 0;
    // Called each time a page has loaded in full.
    virtual void whenLoaded(std::function<void()> loaded) = 0;
};
