#include "chat/XMPPConference.h"

#include "chat/xmpp/XMPPClient.h"
#include "chat/xmpp/XMPPElements.h"

#include <QDebug>

#include <algorithm>
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
    m_clock.start();
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
    m_inHistory = false;
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
    requireClient();
    if (m_room.isNull())
        throw std::runtime_error("room jid is null");
    m_nick = nick.isNull() ? jidNode(parseJid(m_client->ownJid())) : nick;
    m_historySeconds = -1;
    m_lastHeardMs = -1;
    m_recentLines.clear();
    sendJoin();
}

void XMPPConference::sendJoin()
{
    m_client->joinRoom(parseJid(m_room), m_nick, m_historySeconds);
    m_joining = true;
    m_inHistory = true;
}

void XMPPConference::leave()
{
    requireClient();
    if (m_joined)
        m_client->leaveRoom(parseJid(m_room), m_nick);
    m_joined = false;
    m_joining = false;
    m_rejoin = false;
    m_inHistory = false;
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
    if (received.type() != XMPPMessage::GroupChat || m_room.isEmpty() || bareOf(from) != m_room)
        return;
    m_lastHeardMs = m_clock.elapsed();
    // The subject comes at the end of a join's history and whenever somebody changes
    // it; it is no line.
    if (!received.stanza().subjects.isEmpty() && received.stanza().bodies.isEmpty()) {
        m_inHistory = false;
        return;
    }
    if (from == m_room || received.body().isEmpty())
        return;
    const size_t key = qHashMulti(0, from, received.body());
    if (m_inHistory && forgetShownLine(key))
        return;
    rememberLine(key, !m_inHistory);
    // Only the room's history may say when a line was first sent, stamped by the room
    // or the server; anybody else's stamp, or a live line's, could put a line anywhere.
    const QString stampedBy = received.delayFrom().toLower();
    const bool trusted = m_inHistory && (stampedBy == m_room || (m_client && stampedBy == m_client->serverDomain()));
    if (!received.hasDelay() || trusted) {
        emit message(received);
        return;
    }
    qDebug() << "Ignoring the delay stamp of" << from << "by" << stampedBy;
    XMPPMessage arrived = received;
    arrived.clearDelay();
    emit message(arrived);
}

bool XMPPConference::forgetShownLine(size_t key)
{
    const auto shown = std::find_if(m_recentLines.begin(), m_recentLines.end(),
                                    [key](const RecentLine &line) { return line.key == key; });
    if (shown == m_recentLines.end())
        return false;
    m_recentLines.erase(shown);
    return true;
}

void XMPPConference::rememberLine(size_t key, bool live)
{
    // A history line stays until live lines push it out: its own time is the server's.
    const qint64 now = m_clock.elapsed();
    while (!m_recentLines.empty()
           && (m_recentLines.size() >= size_t(MaxRecentLines) || (live && m_recentLines.front().atMs < now - RecentLinesMs)))
        m_recentLines.pop_front();
    m_recentLines.push_back({key, now});
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
    m_lastHeardMs = m_clock.elapsed();
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
    // The history since the room was last heard from, and a margin for the way: the
    // lines of that margin were shown already and are left out.
    if (m_lastHeardMs >= 0) {
        m_historySeconds = int((m_clock.elapsed() - m_lastHeardMs + 999) / 1000) + RejoinHistoryMarginSeconds;
        while (!m_recentLines.empty() && m_recentLines.front().atMs < m_lastHeardMs - RecentLinesMs)
            m_recentLines.pop_front();
    }
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
    m_inHistory = false;
    const bool wasJoined = std::exchange(m_joined, false);
    const bool wasJoining = std::exchange(m_joining, false);
    if (!wasJoined && !wasJoining)
        return;
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
