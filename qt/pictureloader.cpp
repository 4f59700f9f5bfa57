#include "qt/pictureloader.h"

#include "core/recoverypolicy.h"
#include "qt/reachability.h"

#include <QCoreApplication>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>

namespace {

bool isWebAddress(const QUrl &url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

// The system's proxy for these requests alone; the toolkit's default is none.
class SystemProxy : public QNetworkProxyFactory
{
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery &query) override { return systemProxyForQuery(query); }
};

// What the engine sends, "zh-CN,zh": the interface language, then its base
// language, no weights.
QByteArray acceptLanguage()
{
    const QString tag = QLocale().name().replace(QLatin1Char('_'), QLatin1Char('-'));
    return (tag + QLatin1Char(',') + tag.section(QLatin1Char('-'), 0, 0)).toLatin1();
}

} // namespace

PictureLoader::PictureLoader(QObject *parent) : QObject(parent)
{
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &PictureLoader::request);
}

PictureLoader::~PictureLoader()
{
    dropReply();
}

QNetworkAccessManager &PictureLoader::network()
{
    // Made with the first picture and gone with the application. No cache
    // and a cookie jar in memory: nothing is written to disk.
    static QNetworkAccessManager *manager = [] {
        auto *made = new QNetworkAccessManager(QCoreApplication::instance());
        made->setProxyFactory(new SystemProxy);
        made->setRedirectPolicy(QNetworkRequest::UserVerifiedRedirectPolicy);
        return made;
    }();
    return *manager;
}

void PictureLoader::load(const QUrl &url)
{
    m_address = url;
    m_state.restart();
    request();
}

void PictureLoader::refresh()
{
    if (m_address.isEmpty())
        return;
    m_state.restart();
    request();
}

void PictureLoader::request()
{
    // A newer request replaces the one under way: one at a time.
    dropReply();
    m_retryTimer.stop();
    m_leftTheWeb = false;
    m_state.asked();
    QNetworkRequest request(m_address);
    request.setRawHeader("Accept-Language", acceptLanguage());
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // Counted from the last byte that came, so a slow picture that keeps
    // coming is not cut off.
    request.setTransferTimeout(std::chrono::milliseconds(kAnswerDeadline).count());
    m_reply = network().get(request);
    connect(m_reply, &QNetworkReply::redirected, this, &PictureLoader::redirected);
    connect(m_reply, &QNetworkReply::finished, this, &PictureLoader::finished);
}

void PictureLoader::redirected(const QUrl &target)
{
    if (isWebAddress(target)) {
        emit m_reply->redirectAllowed();
        return;
    }
    m_leftTheWeb = true;
    m_reply->abort();
}

void PictureLoader::finished()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError && !m_leftTheWeb) {
        fail();
        return;
    }
    m_state.answered();
    if (m_leftTheWeb) {
        emit notPicture(m_address);
        return;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString type = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    if (status >= 200 && status < 300 && (type.isEmpty() || type.startsWith(QLatin1String("image/"), Qt::CaseInsensitive)))
        emit answered(reply->url(), reply->readAll());
    else
        emit notPicture(m_address);
}

void PictureLoader::fail()
{
    m_retryTimer.start(m_state.failed());
    watchReachability(m_watchingNetwork, this, &PictureLoader::reachabilityChanged);
    emit failed();
}

void PictureLoader::dropReply()
{
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void PictureLoader::reachabilityChanged(QNetworkInformation::Reachability reachability)
{
    if (reachability == QNetworkInformation::Reachability::Online && m_state.wantsNetwork())
        request();
}
