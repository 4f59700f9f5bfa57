#pragma once

#include <QWebEngineView>

#include <cstdint>

// The embedded web view. It starts empty, loads pages on its own and keeps
// its own history; a refused operation raises EOleException.
class TWebBrowser : public QWebEngineView
{
    Q_OBJECT

public:
    explicit TWebBrowser(QWidget *parent = nullptr);

    void Navigate(const QString &url);
    void GoBack();
    void Refresh();
};

inline constexpr std::int32_t E_FAIL = static_cast<std::int32_t>(0x80004005u);

// The system's text for a result code, else "OLE error %.8X".
QString oleErrorMessage(std::int32_t code);
