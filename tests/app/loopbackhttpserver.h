#pragma once

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <QTcpServer>

// A tiny HTTP/1.1 server on 127.0.0.1 for tests: answers GET requests from a
// table of paths, 404 for the rest, and closes each connection after one reply.
class LoopbackHttpServer : public QTcpServer
{
    Q_OBJECT

public:
    explicit LoopbackHttpServer(QObject *parent = nullptr);

    // Serves body at path with the status code and content type.
    void serve(const QString &path, const QByteArray &body, int status = 200,
               const QByteArray &contentType = "application/octet-stream");
    // "127.0.0.1:<port>"
    QString address() const;
    // The paths requested so far, in order.
    QStringList requests() const { return m_requests; }

private:
    void onNewConnection();

    struct Reply
    {
        int status;
        QByteArray body;
        QByteArray contentType;
    };
    QMap<QString, Reply> m_replies;
    QStringList m_requests;
};
