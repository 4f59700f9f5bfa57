#pragma once

#include "core/recoverypolicy.h"

#include <QNetworkInformation>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Asks for a picture view's address with the toolkit's own network access,
// so that a picture needs no web engine: the interface language's
// Accept-Language, the system's proxy, nothing kept on disk, redirects
// followed between http and https addresses only. One request at a time. A
// request that fails (no network, nothing for 20 s, an HTTP error) is asked
// again after 2 s, doubling to 60 s, or at once when the desktop reports the
// network back.
class PictureLoader : public QObject
{
    Q_OBJECT

public:
    explicit PictureLoader(QObject *parent);
    ~PictureLoader() override;

    // A new address: the count of failures starts again.
    void load(const QUrl &url);
    // Asked again now.
    void refresh();
    // The address last given to load.
    QUrl address() const { return m_address; }

signals:
    // An answer that says it is a picture, or does not say what it is;
    // address is where it came from after any redirect.
    void answered(const QUrl &address, const QByteArray &body);
    // Anything else (a page, another type, a redirect elsewhere): for the
    // engine to show; address is the one asked for.
    void notPicture(const QUrl &address);
    void failed();

private:
    void request();
    void redirected(const QUrl &target);
    void finished();
    void fail();
    void dropReply();
    void reachabilityChanged(QNetworkInformation::Reachability reachability);

    static QNetworkAccessManager &network();

    QUrl m_address;
    QPointer<QNetworkReply> m_reply;
    bool m_leftTheWeb = false;
    RecoveryState m_state;
    bool m_watchingNetwork = false;
    QTimer m_retryTimer;
};
