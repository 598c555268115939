#pragma once

#include "Scenario.h"

#include "protocol/codec.h"

#include <QJsonObject>
#include <QObject>
#include <QSslConfiguration>
#include <QTcpServer>

#include <vector>

class QTcpSocket;

// One client connection of the test game server: answers the handshake and the
// requests of the scenario.
class GameSession : public QObject
{
    Q_OBJECT

public:
    GameSession(QTcpSocket *socket, const Scenario &scenario, std::vector<int> &runTimesLeft,
                int number, QObject *parent);

private:
    void onReadyRead();
    void handle(const protocol::message_t &message);
    // Runs actions[index...] in order, waiting each action's "delay_ms" first.
    void run(const QJsonArray &actions, int index, const QJsonObject &request);
    void perform(const QJsonObject &action, const QJsonObject &request);
    void sendPacket(const QString &name, const QJsonObject &fields);
    void log(const QString &text) const;

    QTcpSocket *m_socket;
    const Scenario &m_scenario;
    std::vector<int> m_timesLeft;
    std::vector<int> &m_runTimesLeft;
    protocol::frame_buffer m_frames;
    int m_number;
};

// Listens on a loopback port, plain or TLS, and starts a session per connection.
class GameServer : public QObject
{
    Q_OBJECT

public:
    GameServer(const Scenario &scenario, QObject *parent = nullptr);
    // An invalid configuration listens without TLS.
    bool listen(quint16 port, const QSslConfiguration &tls);
    quint16 port() const;

private:
    void onNewConnection();

    const Scenario &m_scenario;
    QTcpServer *m_server = nullptr;
    int m_sessions = 0;
    std::vector<int> m_runTimesLeft; // per rule, over all sessions

};
