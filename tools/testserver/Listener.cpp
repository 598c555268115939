#include "Listener.h"

#include <QSslServer>
#include <QTcpServer>
#include <QTextStream>

QTcpServer *listenOnLoopback(quint16 port, const QSslConfiguration &tls, QObject *parent)
{
    QTcpServer *server = nullptr;
    if (tls.isNull()) {
        server = new QTcpServer(parent);
    } else {
        auto *sslServer = new QSslServer(parent);
        sslServer->setSslConfiguration(tls);
        QObject::connect(sslServer, &QSslServer::errorOccurred, sslServer,
                         [](QSslSocket *, QAbstractSocket::SocketError error) {
                             QTextStream(stdout) << "TLS ERROR " << int(error) << Qt::endl;
                         });
        server = sslServer;
    }
    if (server->listen(QHostAddress::LocalHost, port))
        return server;
    delete server;
    return nullptr;
}
