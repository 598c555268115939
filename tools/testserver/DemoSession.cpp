#include "DemoSession.h"

#include "SocketFrames.h"

#include "protocol/packets_json.h"

#include <QJsonDocument>
#include <QTcpSocket>
#include <QTextStream>

DemoSession::DemoSession(QTcpSocket *socket, int number, QObject *parent)
    : QObject(parent), m_socket(socket), m_number(number)
{
    m_socket->setParent(this);
    // Moves are small packets answered at once: no waiting to coalesce them.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(m_socket, &QTcpSocket::readyRead, this, &DemoSession::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, [this] {
        log(QStringLiteral("CLOSED"));
        emit closed(this);
        deleteLater();
    });
    log(QStringLiteral("CONNECTED"));
}

void DemoSession::setPlayer(qint32 id, const QString &name)
{
    m_playerId = id;
    m_playerName = name;
}

void DemoSession::log(const QString &text) const
{
    QTextStream(stdout) << '[' << m_number << "] " << text << Qt::endl;
}

void DemoSession::close()
{
    m_socket->disconnectFromHost();
}

void DemoSession::send(const QString &name, const QJsonObject &fields)
{
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    try {
        m_socket->write(protocol::json::frame_from_json(name, fields));
        log(QStringLiteral("SENT %1 %2").arg(name, QString::fromUtf8(QJsonDocument(fields).toJson(QJsonDocument::Compact))));
    } catch (const std::exception &e) {
        log(QStringLiteral("BAD PACKET %1: %2").arg(name, QString::fromStdString(e.what())));
    }
}

void DemoSession::onReadyRead()
{
    readMessages(
        m_socket, m_frames, [this](const QString &text) { log(text); },
        [this](const protocol::message_t &message) { onMessage(message); });
}

void DemoSession::onMessage(const protocol::message_t &message)
{
    std::pair<QString, QJsonObject> packet;
    try {
        packet = protocol::json::decode_to_json(message);
    } catch (const std::exception &e) {
        log(QStringLiteral("BAD PACKET class=%1: %2").arg(QString::number(message.classId()), QString::fromStdString(e.what())));
        return;
    }
    if (packet.first.isEmpty()) {
        log(QStringLiteral("UNKNOWN class=%1").arg(message.classId()));
        return;
    }
    log(QStringLiteral("RECV %1 %2").arg(packet.first, QString::fromUtf8(QJsonDocument(packet.second).toJson(QJsonDocument::Compact))));
    emit packetReceived(this, packet.first, packet.second);
}
