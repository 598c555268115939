#include "chat/XMPPConference.h"

#include "app/Singleton.h"
#include "chat/xmpp/XMPPClient.h"
#include "chat/xmpp/XMPPElements.h"
#include "connection/ServerTime.h"

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

qint64 serverNowMs()
{
    return Singleton<ServerTime>::instance().now().toMSecsSinceEpoch();
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
    m_historyStartMs = m_historySeconds < 0 ? std::numeric_limits<qint64>::min()
                                            : serverNowMs() - qint64(m_historySeconds) * 1000;
    m_lastHistoryLineMs.reset();
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

QString XMPPConference::sendMessage(const QString &text)
{
    requireClient();
    XMPPMessage message(m_room, XMPPMessage::GroupChat);
    message.setFrom(m_client->ownJid());
    message.setBody(text);
    return m_client->sendMessage(message);
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
    // The subject comes at the end of a join's history and whenever somebody changes
    // it; it is no line.
    if (!received.stanza().subjects.isEmpty() && received.stanza().bodies.isEmpty()) {
        m_inHistory = false;
        return;
    }
    if (from == m_room || received.body().isEmpty())
        return;
    const size_t key = qHashMulti(0, from, received.body());
    if (m_inHistory)
        showHistoryLine(received, key, serverNowMs());
    else
        showLiveLine(received, key, serverNowMs());
}

void XMPPConference::showLiveLine(const XMPPMessage &received, size_t key, qint64 nowMs)
{
    m_lastHeardMs = nowMs;
    while (!m_recentLines.empty() && m_recentLines.front().atMs < nowMs - RecentLinesMs)
        m_recentLines.pop_front();
    rememberLine(key, nowMs);
    // A live line's stamp could put it anywhere: it comes where and when it arrived.
    if (!received.hasDelay()) {
        emit message(received);
        return;
    }
    qDebug() << "Ignoring the delay stamp of the live line of" << received.from();
    XMPPMessage arrived = received;
    arrived.clearDelay();
    emit message(arrived);
}

void XMPPConference::showHistoryLine(const XMPPMessage &received, size_t key, qint64 nowMs)
{
    // A stamp the room kept from the sender, or one in its name where it adds none,
    // may say anything: the history stays within the time asked for, before now, and
    // in the order the room sends it, each line a millisecond after the one before so
    // that the view keeps that order also when it learns the senders' names in another.
    const QDateTime stamp = roomStamp(received);
    qint64 atMs = std::min(std::max(stamp.isValid() ? stamp.toMSecsSinceEpoch() : nowMs, m_historyStartMs), nowMs);
    if (m_lastHistoryLineMs)
        atMs = std::max(atMs, *m_lastHistoryLineMs + 1);
    const std::optional<qint64> shownMs = takeShownLine(key);
    m_lastHistoryLineMs = shownMs ? std::max(atMs, *shownMs) : atMs;
    if (shownMs)
        return;
    rememberLine(key, atMs);
    XMPPMessage placed = received;
    placed.setDelay(parseJid(m_room), QDateTime::fromMSecsSinceEpoch(atMs, Qt::UTC));
    emit message(placed);
}

QDateTime XMPPConference::roomStamp(const XMPPMessage &received) const
{
    const QDateTime own = received.delayStampBy(m_room);
    if (own.isValid() || !m_client)
        return own;
    return received.delayStampBy(m_client->serverDomain());
}

std::optional<qint64> XMPPConference::takeShownLine(size_t key)
{
    const auto shown = std::find_if(m_recentLines.begin(), m_recentLines.end(),
                                    [key](const RecentLine &line) { return line.key == key; });
    if (shown == m_recentLines.end())
        return std::nullopt;
    const qint64 atMs = shown->atMs;
    m_recentLines.erase(shown);
    return atMs;
}

void XMPPConference::rememberLine(size_t key, qint64 atMs)
{
    if (m_recentLines.size() >= size_t(MaxRecentLines))
        m_recentLines.pop_front();
    // In time order: a history line was sent before the live lines shown already.
    const auto later = std::upper_bound(m_recentLines.begin(), m_recentLines.end(), atMs,
                                        [](qint64 ms, const RecentLine &line) { return ms < line.atMs; });
    m_recentLines.insert(later, {key, atMs});
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
    // The history since the last live line shown, and a margin for the way: the lines
    // of that margin shown already are left out.
    if (m_lastHeardMs >= 0) {
        const qint64 quietSeconds = (std::max<qint64>(serverNowMs() - m_lastHeardMs, 0) + 999) / 1000;
        m_historySeconds = int(std::min<qint64>(quietSeconds + RejoinHistoryMarginSeconds,
                                                std::numeric_limits<int>::max()));
    }
    try {
        requireClient();
        sendJoin();
    } catch (const std::exception &e) {
        qWarning() << "Joining" << m_room << "again failed:" << e.what();
        return;
    }
    // Those shown before the history asked for starts do not come again.
    while (!m_recentLines.empty() && m_recentLines.front().atMs < m_historyStartMs)
        m_recentLines.pop_front();
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
