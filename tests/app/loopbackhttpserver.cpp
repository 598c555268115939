#include "loopbackhttpserver.h"

#include <QTcpSocket>

LoopbackHttpServer::LoopbackHttpServer(QObject *parent)
    : QTcpServer(parent)
{
    connect(this, &QTcpServer::newConnection, this, &LoopbackHttpServer::onNewConnection);
    listen(QHostAddress::LocalHost);
}

void LoopbackHttpServer::serve(const QString &path, const QByteArray &body, int status,
                               const QByteArray &contentType)
{
    m_replies.insert(path, Reply{status, body, contentType});
}

QString LoopbackHttpServer::address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(serverPort());
}

void LoopbackHttpServer::onNewConnection()
{
    while (QTcpSocket *socket = nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine() || socket->property("answered").toBool())
                return;
            const QList<QByteArray> request = socket->readLine().trimmed().split(' ');
            const QString path = QString::fromLatin1(request.value(1));
            m_requests << path;
            const auto reply = m_replies.constFind(path);
            const int status = reply == m_replies.cend() ? 404 : reply->status;
            const QByteArray body = reply == m_replies.cend() ? QByteArray("not found") : reply->body;
            const QByteArray type = reply == m_replies.cend() ? QByteArray("text/plain") : reply->contentType;
            socket->write("HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Error")
                          + "\r\nContent-Type: " + type + "\r\nContent-Length: "
                          + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
            socket->setProperty("answered", true);
            socket->disconnectFromHost();
        });
    }
}
