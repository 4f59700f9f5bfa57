#pragma once

// A tiny HTTP server on 127.0.0.1 for tests: serves a few fixed pages (the
// one at /alert shows a JavaScript alert) and pictures, answers 404 for a
// path with "missing" in it, and records every path it is asked for.

#include <QBuffer>
#include <QImage>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

class LoopbackServer : public QObject
{
public:
    LoopbackServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, &LoopbackServer::accept);
        m_server.listen(QHostAddress::LocalHost, 0);
    }

    QString site() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    const QStringList &requests() const { return m_requests; }
    int count(const QString &path) const { return static_cast<int>(m_requests.count(path)); }
    // The Accept-Language of the last request.
    QByteArray acceptLanguage() const { return m_acceptLanguage; }

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void answer(QTcpSocket *socket)
    {
        QByteArray &pending = m_pending[socket];
        pending += socket->readAll();
        if (!pending.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> requestLine = pending.left(pending.indexOf("\r\n")).split(' ');
        for (const QByteArray &line : pending.split('\n')) {
            if (line.toLower().startsWith("accept-language:"))
                m_acceptLanguage = line.mid(16).trimmed();
        }
        m_pending.remove(socket);
        const QString path = requestLine.size() > 1 ? QString::fromLatin1(requestLine[1]) : QString();
        m_requests << path;

        QByteArray status = "200 OK";
        QByteArray type = "text/html; charset=utf-8";
        QByteArray body;
        if (path.contains(QLatin1String("missing"))) {
            status = "404 Not Found";
        } else if (path.endsWith(QLatin1String(".jpg"))) {
            type = "image/jpeg";
            body = picture(path.endsWith(QLatin1String("1.jpg")) ? Qt::red : Qt::blue);
        } else {
            body = "<html><head><title>" + path.toUtf8() + "</title></head><body>"
                   "<a id=\"next\" href=\"/followed\">next</a>"
                   + (path == QLatin1String("/alert") ? "<script>alert('Hello')</script>" : "") + "</body></html>";
        }
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + type + "\r\nContent-Length: "
                      + QByteArray::number(body.size()) + "\r\nConnection: close\r\nCache-Control: no-store\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    static QByteArray picture(Qt::GlobalColor colour)
    {
        QImage image(64, 64, QImage::Format_RGB32);
        image.fill(colour);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG");
        return bytes;
    }

    QTcpServer m_server;
    QStringList m_requests;
    QByteArray m_acceptLanguage;
    QHash<QTcpSocket *, QByteArray> m_pending;
};
