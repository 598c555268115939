#include "chat/XMPPConference.h"

#include "chat/xmpp/XMPPClient.h"
#include "chat/xmpp/XMPPElements.h"

#include <QDebug>

#include <stdexcept>
#include <utility>

namespace {

// The presence value's numbers of the room status codes the room acts on.
const int RoomCreated = xmpp::mucStatusCodeFromNumber(201);
const int UserBanned = xmpp::mucStatusCodeFromNumber(301);
const int UserKicked = xmpp::mucStatusCodeFromNumber(307);

XMPPJid actorOf(const XMPPPresence::RoomItem &item)
{
    return item.actor.isEmpty() ? XMPPJid() : parseJid(item.actor);
}

} // namespace

XMPPConference::XMPPConference(QObject *parent) : QObject(parent)
{
    m_joinTimer.setSingleShot(true);
    connect(&m_joinTimer, &QTimer::timeout, this, &XMPPConference::onJoinTimerTimeout);
}

XMPPConference::~XMPPConference()
{
    if (!m_client)
        return;
    try {
        leave();
    } catch (const std::exception &e) {
        qWarning() << "Leaving" << m_room << "failed:" << e.what();
    }
}

void XMPPConference::setClient(XMPPClient *client)
{
    if (m_client)
        disconnect(m_client, nullptr, this, nullptr);
    m_joinTimer.stop();
    m_client = client;
    if (!client)
        return;
    connect(client, &QObject::destroyed, this, &XMPPConference::onClientDestroyed);
    connect(client, &XMPPClient::connected, this, &XMPPConference::onConnected);
    connect(client, &XMPPClient::disconnected, this, &XMPPConference::onDisconnected);
    connect(client, &XMPPClient::messageReceived, this, &XMPPConference::onMessage);
    connect(client, &XMPPClient::presence, this, &XMPPConference::onPresence);
}

void XMPPConference::setRoom(const QString &room)
{
    if (m_joined)
        throw std::runtime_error("user joined to a room");
    m_joinTimer.stop();
    m_joining = false;
    m_rejoin = false;
    // The server writes node and domain in lower case; rooms compare as text.
    const qsizetype slash = room.indexOf(QLatin1Char('/'));
    m_room = slash < 0 ? room.toLower() : room.left(slash).toLower() + room.mid(slash);
}

void XMPPConference::requireClient() const
{
    if (!m_client)
        throw std::runtime_error("xmpp client not set");
}

void XMPPConference::join(const QString &nick)
{
    m_joinTimer.stop();
    m_joinAttempts = 0;
    m_lostAt = QDateTime();
    requireClient();
    if (m_room.isNull())
        throw std::runtime_error("room jid is null");
    m_nick = nick.isNull() ? jidNode(parseJid(m_client->ownJid())) : nick;
    sendJoin();
}

void XMPPConference::sendJoin()
{
    m_client->joinRoom(parseJid(m_room), m_nick, m_lostAt);
    m_joining = true;
}

void XMPPConference::leave()
{
    requireClient();
    if (m_joined)
        m_client->leaveRoom(parseJid(m_room), m_nick);
    m_joined = false;
    m_joining = false;
    m_rejoin = false;
    m_joinTimer.stop();
}

void XMPPConference::sendMessage(const QString &text)
{
    requireClient();
    XMPPMessage message(m_room, XMPPMessage::GroupChat);
    message.setFrom(m_client->ownJid());
    message.setBody(text);
    m_client->sendMessage(message);
}

QString XMPPConference::bareOf(const QString &jid) const
{
    return jid.section(QLatin1Char('/'), 0, 0);
}

void XMPPConference::onMessage(const XMPPMessage &received)
{
    const QString from = received.from();
    if (received.type() != XMPPMessage::GroupChat || m_room.isEmpty() || bareOf(from) != m_room || from == m_room)
        return;
    // Only the room (its history) and the server may say when a line was first sent;
    // anybody else's stamp could put a line anywhere in the history.
    const QString stampedBy = received.delayFrom().toLower();
    if (!received.hasDelay() || stampedBy == m_room || (m_client && stampedBy == m_client->serverDomain())) {
        emit message(received);
        return;
    }
    qDebug() << "Ignoring the delay stamp of" << from << "by" << stampedBy;
    XMPPMessage arrived = received;
    arrived.clearDelay();
    emit message(arrived);
}

void XMPPConference::onPresence(const XMPPPresence &received)
{
    try {
        handlePresence(received);
    } catch (const std::exception &e) {
        qWarning() << "Room presence of" << received.from().toString() << "not handled:" << e.what();
    }
}

void XMPPConference::handlePresence(const XMPPPresence &received)
{
    const QString from = received.from().toString();
    if (m_room.isEmpty() || bareOf(from) != m_room)
        return;
    const int availability = received.availability();
    if (availability == 0) {
        m_joinTimer.stop();
        m_joining = false;
        if (received.error() == XMPPPresence::RoomLocked && m_joinAttempts < MaxJoinRetries)
            m_joinTimer.start(JoinRetryDelayMs);
        else
            emit userError(this, received.error());
        return;
    }
    // The room speaks for itself without a nick (at a join, with a ban); that is no
    // occupant.
    if (!from.contains(QLatin1Char('/')))
        return;
    const QString nick = from.section(QLatin1Char('/'), 1);
    const bool own = nick == m_nick;

    if (received.isRoomUser()) {
        const XMPPPresence::RoomItem item = received.roomItem();
        const QList<int> codes = received.roomStatusCodes();
        if (availability == 1 && codes.contains(UserKicked)) {
            if (own)
                emit userKicked(this, actorOf(item), item.reason);
            else
                emit participantKicked(this, nick, actorOf(item), item.reason);
        }
        if (availability == 1 && codes.contains(UserBanned)) {
            if (own)
                emit userBanned(this, actorOf(item), item.reason);
            else
                emit participantBanned(this, nick, actorOf(item), item.reason);
        }
        if (availability == 2 && codes.contains(RoomCreated) && m_client)
            m_client->createInstantRoom(parseJid(m_room));
    }

    switch (availability) {
    case 2:
        if (own) {
            m_joinTimer.stop();
            m_joining = false;
            m_joined = true;
            emit userJoined(this);
        } else {
            emit participantJoined(this, nick);
        }
        break;
    case 1:
        if (own) {
            m_joined = false;
            emit userLeft(this);
        } else {
            emit participantLeft(this, nick);
        }
        break;
    default:
        emit presence(received);
        break;
    }
}

void XMPPConference::onConnected()
{
    if (!std::exchange(m_rejoin, false))
        return;
    m_joinTimer.stop();
    m_joinAttempts = 0;
    try {
        requireClient();
        sendJoin();
    } catch (const std::exception &e) {
        qWarning() << "Joining" << m_room << "again failed:" << e.what();
    }
}

void XMPPConference::onDisconnected()
{
    m_joinTimer.stop();
    const bool wasJoined = std::exchange(m_joined, false);
    const bool wasJoining = std::exchange(m_joining, false);
    if (!wasJoined && !wasJoining)
        return;
    // A join still on its way after an earlier loss asks for the lines since that one.
    if (wasJoined || !m_lostAt.isValid())
        m_lostAt = QDateTime::currentDateTimeUtc();
    m_rejoin = true;
    emit userDisconnected(this);
}

void XMPPConference::onClientDestroyed()
{
    m_joinTimer.stop();
    m_client = nullptr;
    m_joined = false;
    m_joining = false;
    m_rejoin = false;
}

void XMPPConference::onJoinTimerTimeout()
{
    if (!m_client)
        return;
    ++m_joinAttempts;
    try {
        sendJoin();
    } catch (const std::exception &e) {
        qWarning() << "Join retry of" << m_room << "failed:" << e.what();
    }
}

XMPPClient *XMPPConference::client() const
{
    return m_client;
}
