#pragma once

#include <QSslConfiguration>

class QObject;
class QTcpServer;

// A server listening on a loopback port (0 for any free one): TLS with the
// configuration, or plain when it is null. Null when the port cannot be taken.
QTcpServer *listenOnLoopback(quint16 port, const QSslConfiguration &tls, QObject *parent);
