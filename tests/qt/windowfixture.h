#pragma once

// Builds the launcher window against a loopback site and records every
// address handed to the desktop instead of opening a browser.

#include "qt/tapplication.h"
#include "qt/korinplot.h"
#include "qt/tpanel.h"
#include "core/korinviewconfig.h"
#include "loopbackserver.h"

#include <QDesktopServices>
#include <QUrl>

#include <memory>

class OpenedAddresses : public QObject
{
    Q_OBJECT

public:
    OpenedAddresses()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
    }
    ~OpenedAddresses() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    QStringList addresses;

public slots:
    void open(const QUrl &url) { addresses << url.toString(QUrl::FullyEncoded); }
};

inline KorinviewConfig loopbackConfig(const QString &site)
{
    KorinviewConfig config = KorinviewConfig::fromBuild();
    config.site = site.toStdU16String();
    config.shareSite = config.site;
    config.groupSite = config.site;
    config.videoSite = config.site;
    config.productSite = u"http://127.0.0.2";
    return config;
}

// The window as the program builds it: constructed, then FormCreate.
inline std::unique_ptr<TKorinplot> createWindow(const KorinviewConfig &config)
{
    auto window = std::make_unique<TKorinplot>(config);
    TKorinplot *form = window.get();
    Application->guarded(form, [form] { form->FormCreate(); });
    return window;
}
