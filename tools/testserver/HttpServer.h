#pragma once

#include "Scenario.h"

#include <QObject>
#include <QSslConfiguration>

class QTcpServer;
class QTcpSocket;

// Serves the documents a scenario names over HTTP or HTTPS (GET only).
class HttpServer : public QObject
{
    Q_OBJECT

public:
    HttpServer(const Scenario &scenario, QObject *parent = nullptr);
    bool listen(quint16 port, const QSslConfiguration &tls);
    quint16 port() const;

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    void respond(QTcpSocket *socket, int status, const QByteArray &contentType, const QByteArray &body);

    const Scenario &m_scenario;
    QTcpServer *m_server = nullptr;
};
