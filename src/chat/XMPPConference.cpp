#include "chat/XMPPConference.h"

#include "app/Singleton.h"
#include "chat/xmpp/LocalClock.h"
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
const int VisitorRole = xmpp::mucRoleFromName(QStringLiteral("visitor"));

XMPPJid actorOf(const XMPPPresence::RoomItem &item)
{
    return item.actor.isEmpty() ? XMPPJid() : parseJid(item.actor);
}

qint64 serverNowMs()
{
    return Singleton<ServerTime>::instance().now().toMSecsSinceEpoch();
}

// How soon an overdue line is looked at again while what came may still bring its copy.
constexpr int LookAgainMs = 100;

} // namespace

XMPPConference::XMPPConference(QObject *parent) : QObject(parent)
{
    m_joinTimer.setSingleShot(true);
    connect(&m_joinTimer, &QTimer::timeout, this, &XMPPConference::onJoinTimerTimeout);
    m_ownLinesTimer.setSingleShot(true);
    connect(&m_ownLinesTimer, &QTimer::timeout, this, &XMPPConference::onOwnLinesTimeout);
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
    connect(client, &XMPPClient::messageRefused, this, &XMPPConference::onMessageRefused);
    connect(client, &XMPPClient::messagesNotSent, this, &XMPPConference::onMessagesNotSent);
    connect(client, &XMPPClient::presence, this, &XMPPConference::onPresence);
}

void XMPPConference::setRoom(const QString &room)
{
    if (m_joined)
        throw std::runtime_error("user joined to a room");
    m_joinTimer.stop();
    m_joining = false;
    m_rejoin = false;
    m_book.endHistory(now());
    m_lines.clear();
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
    m_book.reset();
    // Nothing the room says from now on has been heard yet.
    m_heardMs = serverNowMs();
    m_book.setOwnOccupant(m_room + QLatin1Char('/') + m_nick);
    sendJoin();
}

void XMPPConference::sendJoin()
{
    m_client->joinRoom(parseJid(m_room), m_nick, m_book.historySeconds());
    m_joining = true;
    m_gone = false;
    m_occupants.clear();
    m_lines.clear();
    m_book.historyRequested(now());
}

void XMPPConference::leave()
{
    requireClient();
    if (m_joined)
        m_client->leaveRoom(parseJid(m_room), m_nick);
    m_joined = false;
    m_joining = false;
    m_rejoin = false;
    m_book.dropHistory();
    m_lines.clear();
    m_joinTimer.stop();
}

QString XMPPConference::sendMessage(const QString &text, const QString &id)
{
    requireClient();
    XMPPMessage message(m_room, XMPPMessage::GroupChat);
    message.setFrom(m_client->ownJid());
    message.setBody(text);
    message.setId(id);
    const QString sent = m_client->sendMessage(message);
    m_ownLines.emplace_back(OwnLine{sent, text}, xmpp::LocalClock::nowMs());
    if (!m_ownLinesTimer.isActive())
        armOwnLines();
    return sent;
}

QList<XMPPConference::OwnLine> XMPPConference::takeOwnLines()
{
    QList<OwnLine> lines;
    for (const OwnLine &line : std::exchange(m_lostLines, {}))
        lines.append(line);
    for (const auto &line : std::exchange(m_ownLines, {}))
        lines.append(line.first);
    m_ownLinesTimer.stop();
    return lines;
}

std::optional<XMPPConference::OwnLine> XMPPConference::takeOwnLine(const QString &id)
{
    const auto lost = std::find_if(m_lostLines.begin(), m_lostLines.end(),
                                   [&id](const OwnLine &line) { return line.id == id; });
    if (lost != m_lostLines.end()) {
        const OwnLine line = *lost;
        m_lostLines.erase(lost);
        return line;
    }
    const auto waiting = std::find_if(m_ownLines.begin(), m_ownLines.end(),
                                      [&id](const auto &line) { return line.first.id == id; });
    if (waiting == m_ownLines.end())
        return std::nullopt;
    const OwnLine line = waiting->first;
    m_ownLines.erase(waiting);
    armOwnLines();
    return line;
}

void XMPPConference::onMessagesNotSent(const QStringList &ids, bool mayHaveGone)
{
    QList<OwnLine> lines;
    for (auto line = m_lostLines.begin(); line != m_lostLines.end();) {
        if (ids.contains(line->id)) {
            lines.append(*line);
            line = m_lostLines.erase(line);
        } else {
            ++line;
        }
    }
    if (!lines.isEmpty())
        emit ownLinesNotSent(lines, mayHaveGone);
}

void XMPPConference::lostLinesNotSent(bool mayHaveGone)
{
    QList<OwnLine> lines;
    for (const OwnLine &line : std::exchange(m_lostLines, {}))
        lines.append(line);
    if (!lines.isEmpty())
        emit ownLinesNotSent(lines, mayHaveGone);
}

void XMPPConference::armOwnLines()
{
    if (m_ownLines.empty() || !m_client) {
        m_ownLinesTimer.stop();
        return;
    }
    const qint64 dueMs = m_ownLines.front().second + m_client->confirmationLimitMs() - xmpp::LocalClock::nowMs();
    m_ownLinesTimer.start(int(std::clamp<qint64>(dueMs, 0, m_client->confirmationLimitMs())));
}

void XMPPConference::onOwnLinesTimeout()
{
    if (m_ownLines.empty() || !m_client)
        return;
    if (xmpp::LocalClock::nowMs() - m_ownLines.front().second < m_client->confirmationLimitMs()) {
        armOwnLines();
        return;
    }
    if (!m_joined) {
        emit ownLinesUnanswered();
        return;
    }
    // In the room and not passed on in time: the link is taken as lost, as for a line
    // the server does not confirm, and the resumed session or the history of the rejoin
    // tells whether the room had the line. A loss not handled yet settles the lines
    // itself.
    if (m_client->state() != XMPPClient::ConnectedState
        || !m_client->answerOverdue(QStringLiteral("the room's copy of a line")))
        m_ownLinesTimer.start(LookAgainMs);
}

QString XMPPConference::bareOf(const QString &jid) const
{
    return jid.section(QLatin1Char('/'), 0, 0);
}

QDateTime XMPPConference::lossTime() const
{
    const std::optional<qint64> lostMs = m_book.lossMs();
    return lostMs ? QDateTime::fromMSecsSinceEpoch(*lostMs, Qt::UTC) : QDateTime();
}

void XMPPConference::onMessage(const XMPPMessage &received)
{
    if (received.type() != XMPPMessage::GroupChat || m_room.isEmpty() || bareOf(received.from()) != m_room)
        return;
    // The room sends its history once it has taken the user in. What comes before is
    // what it sent the session before the join, sent again as the session is resumed.
    if (m_joining && !m_joined)
        handleResent(received);
    else
        handleMessage(received);
    heard();
}

void XMPPConference::handleResent(const XMPPMessage &received)
{
    // A subject changed meanwhile ends no history.
    if (received.from() == m_room || received.body().isEmpty())
        return;
    const quint64 token = ++m_nextToken;
    m_lines.emplace(token, received);
    apply(m_book.resentLine(bookLine(received), token, now()));
}

void XMPPConference::handleMessage(const XMPPMessage &received)
{
    const QString from = received.from();
    // The subject comes at the end of a join's history and whenever somebody changes
    // it; it is no line.
    if (!received.stanza().subjects.isEmpty() && received.stanza().bodies.isEmpty()) {
        const RoomLineBook::Verdict verdict = m_book.endHistory(now());
        apply(verdict);
        // A history that reaches back to the loss holds the lines that waited then, if
        // the room passed them on.
        if (verdict.historyDecided)
            lostLinesNotSent(verdict.missingAtMs.has_value());
        return;
    }
    if (from == m_room || received.body().isEmpty())
        return;
    const RoomLineBook::Line line = bookLine(received);
    if (m_book.inHistory()) {
        const quint64 token = ++m_nextToken;
        m_lines.emplace(token, received);
        apply(m_book.historyLine(line, token, now()));
        return;
    }
    // A live line goes at once or not at all.
    const RoomLineBook::Verdict verdict = m_book.liveLine(line, 0, now());
    // Its own lines only: the live line is not kept.
    apply(verdict);
    if (verdict.show.empty())
        return;
    if (!received.hasDelay()) {
        emit message(received);
        return;
    }
    // Its stamp could put it anywhere: it comes where and when it arrived.
    qDebug() << "Ignoring the delay stamp of the live line of" << received.from();
    XMPPMessage arrived = received;
    arrived.clearDelay();
    emit message(arrived);
}

void XMPPConference::onMessageRefused(const XMPPMessage &error)
{
    if (m_room.isEmpty() || bareOf(error.from()) != m_room)
        return;
    const std::optional<OwnLine> refused = takeOwnLine(error.id());
    if (refused) {
        qInfo() << "The room" << m_room << "refused the line" << refused->id << ":" << error.errorReason();
        emit ownLineRefused(refused->id, refused->text, error);
    }
    heard();
}

void XMPPConference::heard()
{
    // Read after what the room said was shown: it all stands above.
    m_heardMs = serverNowMs();
}

RoomLineBook::Line XMPPConference::bookLine(const XMPPMessage &received) const
{
    RoomLineBook::Line line;
    line.sender = received.from();
    line.text = received.body();
    line.roomId = received.stanzaIdBy(m_room);
    line.originId = received.originId();
    line.messageId = received.id();
    const QDateTime stamp = roomStamp(received);
    if (stamp.isValid())
        line.stampMs = stamp.toMSecsSinceEpoch();
    return line;
}

RoomLineBook::Now XMPPConference::now() const
{
    RoomLineBook::Now now;
    now.ms = serverNowMs();
    now.localMs = xmpp::LocalClock::nowMs();
    if (m_client)
        now.steps = &m_client->serverClockSteps();
    const std::optional<xmpp::ClientClock::Reading> roomClock = m_client ? m_client->serverClock() : std::nullopt;
    if (roomClock) {
        now.roomMs = roomClock->nowMs;
        now.roomErrorMs = roomClock->errorMs;
    } else {
        now.roomMs = now.ms;
        now.roomErrorMs = RoomLineBook::ClockSkewToleranceMs;
    }
    return now;
}

void XMPPConference::apply(const RoomLineBook::Verdict &verdict)
{
    for (const QString &id : verdict.ownLines) {
        takeOwnLine(id);
        emit ownLineSaid(id);
    }
    if (verdict.missingAtMs)
        emit linesMissing(QDateTime::fromMSecsSinceEpoch(*verdict.missingAtMs, Qt::UTC));
    for (const RoomLineBook::Placement &placement : verdict.show) {
        const auto kept = m_lines.find(placement.token);
        if (kept == m_lines.end())
            continue;
        XMPPMessage shown = std::move(kept->second);
        m_lines.erase(kept);
        // A line of the history comes with the time the book placed it at.
        const qint64 atMs = placement.atMs ? *placement.atMs : serverNowMs();
        shown.setDelay(parseJid(m_room), QDateTime::fromMSecsSinceEpoch(atMs, Qt::UTC));
        emit message(shown);
    }
    if (verdict.historyDecided)
        m_lines.clear();
}

QDateTime XMPPConference::roomStamp(const XMPPMessage &received) const
{
    const QDateTime own = received.delayStampBy(m_room);
    if (own.isValid() || !m_client)
        return own;
    return received.delayStampBy(m_client->serverDomain());
}

void XMPPConference::onPresence(const XMPPPresence &received)
{
    try {
        handlePresence(received);
    } catch (const std::exception &e) {
        qWarning() << "Room presence of" << received.from().toString() << "not handled:" << e.what();
    }
    if (!m_room.isEmpty() && bareOf(received.from().toString()) == m_room)
        heard();
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
        if (received.error() == XMPPPresence::RoomLocked && m_joinAttempts < MaxJoinRetries) {
            m_joinTimer.start(JoinRetryDelayMs);
            return;
        }
        // No history tells of the lines that waited as the connection was lost.
        lostLinesNotSent(true);
        emit userError(this, received.error());
        return;
    }
    // The room speaks for itself without a nick (at a join, with a ban); that is no
    // occupant.
    if (!from.contains(QLatin1Char('/')))
        return;
    const QString nick = from.section(QLatin1Char('/'), 1);
    const bool own = nick == m_nick;
    // The room says no more of a user it destroyed under him.
    if (own && m_gone)
        return;
    // The user's leaving before the join's own presence is that of the session before
    // the join (the room destroyed, he was kicked), sent again as the session is
    // resumed: the join's answer tells where he stands now.
    if (own && availability == 1 && m_joining && !m_joined) {
        if (received.isRoomDestroyed())
            m_book.roomEnded();
        qDebug() << "Dropping a leave of" << m_room << "that came before the join's own presence";
        return;
    }
    const XMPPPresence::RoomItem item = received.roomItem();
    // Whatever else an own presence says, it may give the user his voice or take it.
    const bool maySpeak = !received.isRoomUser() || item.role != VisitorRole;
    if (own && m_joined && availability >= 2 && maySpeak != m_maySpeak) {
        m_maySpeak = maySpeak;
        emit userVoiceChanged(maySpeak, item.reason);
    }

    if (received.isRoomUser()) {
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
        if (availability == 2 && codes.contains(RoomCreated) && own) {
            // Whatever the room had before is gone.
            m_book.roomCreated();
            if (m_client)
                m_client->createInstantRoom(parseJid(m_room));
        }
    }

    switch (availability) {
    case 2:
        if (own && !m_joined) {
            m_joinTimer.stop();
            m_joining = false;
            m_joined = true;
            m_maySpeak = maySpeak;
            emit userJoined(this);
        } else if (!own && !m_occupants.contains(nick)) {
            m_occupants.insert(nick);
            emit participantJoined(this, nick);
        }
        break;
    case 1:
        if (own && received.isRoomDestroyed()) {
            m_joined = false;
            m_gone = true;
            emit userRoomDestroyed(received.roomDestroyReason());
        } else if (own) {
            m_joined = false;
            emit userLeft(this);
        } else {
            m_occupants.remove(nick);
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
    m_book.prepareRejoin(now());
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
    // The lines waiting may have reached the server: it tells as the session is resumed.
    for (const auto &line : std::exchange(m_ownLines, {}))
        m_lostLines.push_back(line.first);
    m_ownLinesTimer.stop();
    const RoomLineBook::Now lostAt = now();
    // What came of a history cut short is shown before the loss, which is taken as now.
    const bool inHistory = m_book.inHistory();
    apply(m_book.endHistory(lostAt, true));
    const bool wasJoined = std::exchange(m_joined, false);
    const bool wasJoining = std::exchange(m_joining, false);
    if (!wasJoined && !wasJoining)
        return;
    m_rejoin = true;
    // Otherwise the link may have been silent a while before the loss was noticed: what
    // the room said since it was last heard from comes below the loss, at its time. The
    // link carried as long as the chat server sent anything, also in a quiet room.
    std::optional<qint64> lastHeardMs = m_heardMs;
    if (const std::optional<qint64> streamMs = m_client ? m_client->heardLocalMs() : std::nullopt) {
        const qint64 onViewMs = lostAt.ms - (lostAt.localMs - *streamMs);
        lastHeardMs = std::max(lastHeardMs.value_or(onViewMs), onViewMs);
    }
    m_book.lostAt(inHistory ? lostAt.ms : std::min(lastHeardMs.value_or(lostAt.ms), lostAt.ms));
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
