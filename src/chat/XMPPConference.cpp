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
    m_lostAtMs.reset();
    m_shownLines.clear();
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
    m_unplacedLines.clear();
    m_matchFrom = 0;
    m_overlapEnded = false;
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

QDateTime XMPPConference::lossTime() const
{
    return m_lostAtMs ? QDateTime::fromMSecsSinceEpoch(*m_lostAtMs, Qt::UTC) : QDateTime();
}

void XMPPConference::onMessage(const XMPPMessage &received)
{
    const QString from = received.from();
    if (received.type() != XMPPMessage::GroupChat || m_room.isEmpty() || bareOf(from) != m_room)
        return;
    // The subject comes at the end of a join's history and whenever somebody changes
    // it; it is no line.
    if (!received.stanza().subjects.isEmpty() && received.stanza().bodies.isEmpty()) {
        if (std::exchange(m_inHistory, false))
            placeUnplacedLines(serverNowMs());
        return;
    }
    if (from == m_room || received.body().isEmpty())
        return;
    if (m_inHistory)
        showHistoryLine(received, serverNowMs());
    else
        showLiveLine(received, serverNowMs());
}

XMPPConference::SaidLine XMPPConference::saidLine(const XMPPMessage &received) const
{
    SaidLine line;
    line.id = received.stanzaIdBy(m_room);
    line.said = qHashMulti(0, received.from(), received.body());
    const QDateTime stamp = roomStamp(received);
    if (stamp.isValid())
        line.stampMs = stamp.toMSecsSinceEpoch();
    return line;
}

void XMPPConference::showLiveLine(const XMPPMessage &received, qint64 nowMs)
{
    m_lastHeardMs = std::max(m_lastHeardMs, nowMs);
    SaidLine line = saidLine(received);
    // The room's stamp of a live line is unknown until a history brings the line.
    line.stampMs.reset();
    rememberLine(line, nowMs, nowMs);
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

void XMPPConference::showHistoryLine(const XMPPMessage &received, qint64 nowMs)
{
    // A stamp the room kept from the sender, or one in its name where it adds none,
    // may say anything: the history stays within the time asked for and in the order
    // the room sends it, each line a millisecond after the one before so that the view
    // keeps that order also when it learns the senders' names in another. A stamp
    // later than the present says nothing of when the line was sent: such a line
    // comes just after the line before it, and the lines after it keep their times.
    const SaidLine line = saidLine(received);
    const bool stampHolds = line.stampMs && *line.stampMs <= nowMs;
    if (stampHolds) {
        // The room had the lines after this one only later.
        m_lastHeardMs = std::max(m_lastHeardMs, std::max(*line.stampMs, m_historyStartMs));
    }
    if (const ShownLine *shown = findShownLine(line)) {
        // Copied: placing lines may drop the oldest remembered.
        const qint64 shownMs = shown->placedMs;
        placeUnplacedLines(shownMs);
        m_lastHistoryLineMs = std::max(m_lastHistoryLineMs.value_or(shownMs), shownMs);
        return;
    }
    // A line first seen after a rejoin comes after the loss that hid it.
    std::optional<qint64> beforeMs = m_lastHistoryLineMs;
    if (m_lostAtMs)
        beforeMs = std::max(beforeMs.value_or(*m_lostAtMs), *m_lostAtMs);
    if (!stampHolds && !beforeMs) {
        m_unplacedLines.push_back(received);
        // Far more than a view keeps: the present is as good a place as any.
        if (m_unplacedLines.size() >= size_t(MaxShownLines))
            placeUnplacedLines(nowMs);
        return;
    }
    qint64 atMs = stampHolds ? std::max(*line.stampMs, m_historyStartMs) : *beforeMs + 1;
    if (beforeMs)
        atMs = std::max(atMs, *beforeMs + 1);
    placeUnplacedLines(atMs);
    m_lastHistoryLineMs = atMs;
    rememberLine(line, nowMs, atMs);
    emitPlaced(received, atMs);
}

void XMPPConference::placeUnplacedLines(qint64 atMs)
{
    const qint64 count = qint64(m_unplacedLines.size());
    for (qint64 i = 0; i < count; ++i) {
        const XMPPMessage &received = m_unplacedLines[size_t(i)];
        const qint64 placedMs = atMs - count + i;
        SaidLine line = saidLine(received);
        rememberLine(line, serverNowMs(), placedMs);
        emitPlaced(received, placedMs);
    }
    m_unplacedLines.clear();
    if (count > 0 && !m_lastHistoryLineMs)
        m_lastHistoryLineMs = atMs - 1;
}

void XMPPConference::emitPlaced(const XMPPMessage &received, qint64 atMs)
{
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

XMPPConference::ShownLine *XMPPConference::findShownLine(const SaidLine &line)
{
    // The room's id names one line.
    if (!line.id.isNull()) {
        const auto shown = std::find_if(m_shownLines.begin(), m_shownLines.end(), [&line](const ShownLine &s) {
            return s.line.id == line.id && s.line.said == line.said;
        });
        return shown == m_shownLines.end() ? nullptr : &*shown;
    }
    if (m_overlapEnded)
        return nullptr;
    // Otherwise the same sender and text, and the same stamp where both have one.
    for (size_t i = m_matchFrom; i < m_shownLines.size(); ++i) {
        ShownLine &shown = m_shownLines[i];
        if (!shown.line.id.isNull() || shown.line.said != line.said
            || (shown.line.stampMs && line.stampMs && *shown.line.stampMs != *line.stampMs))
            continue;
        m_matchFrom = i + 1;
        if (!shown.line.stampMs)
            shown.line.stampMs = line.stampMs;
        return &shown;
    }
    m_overlapEnded = true;
    return nullptr;
}

void XMPPConference::rememberLine(const SaidLine &line, qint64 heardMs, qint64 placedMs)
{
    if (m_shownLines.size() >= size_t(MaxShownLines)) {
        m_shownLines.pop_front();
        if (m_matchFrom > 0)
            --m_matchFrom;
    }
    m_shownLines.push_back({line, heardMs, placedMs});
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
    // The history since the room was last heard from, and a margin for the way: the
    // lines of it shown already are left out.
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
    // Those the room had before the history asked for starts do not come again.
    while (!m_shownLines.empty() && m_shownLines.front().heardMs < m_historyStartMs - HistoryRoundingMs)
        m_shownLines.pop_front();
}

void XMPPConference::onDisconnected()
{
    m_joinTimer.stop();
    const qint64 nowMs = serverNowMs();
    // What came of a history cut short is shown before the loss.
    if (std::exchange(m_inHistory, false))
        placeUnplacedLines(nowMs);
    const bool wasJoined = std::exchange(m_joined, false);
    const bool wasJoining = std::exchange(m_joining, false);
    if (!wasJoined && !wasJoining)
        return;
    m_rejoin = true;
    m_lostAtMs = nowMs;
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
