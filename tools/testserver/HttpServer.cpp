#include "HttpServer.h"

#include "Listener.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextStream>

HttpServer::HttpServer(const Scenario &scenario, QObject *parent) : QObject(parent), m_scenario(scenario)
{
}

bool HttpServer::listen(quint16 port, const QSslConfiguration &tls)
{
    m_server = listenOnLoopback(port, tls, this);
    if (!m_server)
        return false;
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, &HttpServer::onNewConnection);
    return true;
}

quint16 HttpServer::port() const
{
    return m_server->serverPort();
}

void HttpServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        onReadyRead(socket);
    }
}

void HttpServer::onReadyRead(QTcpSocket *socket)
{
    // Requests are small; wait for the end of the header.
    if (!socket->peek(65536).contains("\r\n\r\n")) {
        if (socket->bytesAvailable() > 65536)
            respond(socket, 431, "text/plain", "header too large\n");
        return;
    }
    const QByteArray header = socket->readAll();
    const QList<QByteArray> requestLine = header.left(header.indexOf("\r\n")).split(' ');
    if (requestLine.size() != 3 || requestLine[0] != "GET") {
        respond(socket, 405, "text/plain", "only GET is served\n");
        return;
    }
    const QString target = QString::fromUtf8(requestLine[1]);
    const QString path = target.section(QLatin1Char('?'), 0, 0);
    auto it = m_scenario.http.find(target);
    if (it == m_scenario.http.end())
        it = m_scenario.http.find(path);
    QTextStream(stdout) << "HTTP GET " << target << Qt::endl;
    if (it == m_scenario.http.end()) {
        respond(socket, 404, "text/plain", "not found\n");
        return;
    }
    QByteArray body = it->body;
    if (!it->file.isEmpty()) {
        QFile file(it->file);
        if (!file.open(QIODevice::ReadOnly)) {
            respond(socket, 500, "text/plain", file.errorString().toUtf8());
            return;
        }
        body = file.readAll();
    }
    respond(socket, it->status, it->contentType.toUtf8(), body);
}

void HttpServer::respond(QTcpSocket *socket, int status, const QByteArray &contentType, const QByteArray &body)
{
    const QByteArray reason = status == 200 ? "OK" : status == 404 ? "Not Found" : "Status";
    socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n"
                  "Content-Type: " + contentType + "\r\n"
                  "Content-Length: " + QByteArray::number(body.size()) + "\r\n"
                  "Connection: close\r\n\r\n" + body);
    socket->disconnectFromHost();
}
