#pragma once

#include "protocol/codec.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

class QTcpSocket;

// One client connection of the demo world: cuts the frames, logs what arrives and
// what leaves, and hands every packet, in its JSON form, to the world.
class DemoSession : public QObject
{
    Q_OBJECT

public:
    DemoSession(QTcpSocket *socket, int number, QObject *parent);

    int number() const { return m_number; }
    bool isLoggedIn() const { return m_playerId != -1; }
    qint32 playerId() const { return m_playerId; }
    const QString &playerName() const { return m_playerName; }
    void setPlayer(qint32 id, const QString &name);
    // The world's language for this client (WorldLanguage): the one its last request
    // that names a language asked in, English until then.
    const QString &language() const { return m_language; }
    void setLanguage(const QString &language) { m_language = language; }

    void send(const QString &name, const QJsonObject &fields);
    void log(const QString &text) const;
    void close();

signals:
    void packetReceived(DemoSession *session, const QString &name, const QJsonObject &fields);
    void closed(DemoSession *session);

private:
    void onReadyRead();
    void onMessage(const protocol::message_t &message);

    QTcpSocket *m_socket;
    protocol::frame_buffer m_frames;
    int m_number;
    qint32 m_playerId = -1;
    QString m_playerName;
    QString m_language = QStringLiteral("en");
};
