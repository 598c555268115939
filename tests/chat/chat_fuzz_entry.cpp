#include "chat_fuzz_entry.h"

#include "chat/ChatNotices.h"
#include "chat/XMPPChatManager.h"
#include "chat/XMPPConference.h"
#include "chat/xmpp/ClientClock.h"
#include "chat/xmpp/StanzaReader.h"
#include "chat/xmpp/StreamParser.h"
#include "chat/xmpp/StreamWriter.h"
#include "chat/xmpp/XMPPClient.h"
#include "chat/xmpp/XMPPMessage.h"
#include "chat/xmpp/XMPPPresence.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>

using namespace xmpp;

namespace {

[[noreturn]] void broken(const char *rule, const QString &detail = QString())
{
    std::fprintf(stderr, "chat fuzz rule broken: %s\n%s\n", rule, qUtf8Printable(detail));
    std::abort();
}

QString describeConversions(const StreamElement &element, const QString &streamLanguage)
{
    QStringList parts;
    if (auto message = dynamic_cast<const MessageStanza *>(&element)) {
        const XMPPMessage converted(*message, streamLanguage);
        parts << QString::number(converted.type()) << converted.language() << converted.body()
              << converted.delayStamp().toString(Qt::ISODateWithMs) << converted.originId() << converted.errorText()
              << converted.errorReason();
        for (const UniqueStanzaId &id : message->stanzaIds)
            parts << converted.stanzaIdBy(id.by.toString());
    }
    if (auto presence = dynamic_cast<const PresenceStanza *>(&element)) {
        const XMPPPresence converted(*presence);
        QStringList tables = converted.tables().values();
        tables.sort();
        const XMPPPresence::RoomItem item = converted.roomItem();
        parts << QString::number(converted.availability()) << QString::number(converted.error())
              << converted.status() << tables.join(QLatin1Char('|')) << item.jid << item.actor
              << QString::number(item.role);
        for (int code : converted.roomStatusCodes())
            parts << QString::number(code);
        if (converted.isRoomDestroyed())
            parts << QStringLiteral("destroyed") << converted.roomDestroyReason();
    }
    return parts.join(QLatin1Char(' '));
}

// The client past its login, handed what the server sends, and what it hands on.
class RoutingClient : public XMPPClient
{
public:
    explicit RoutingClient(QStringList &handed)
    {
        connect(this, &XMPPClient::messageReceived, this,
                [&handed](const XMPPMessage &m) { handed << QStringLiteral("received %1 %2 %3").arg(m.id(), m.from(), m.body()); });
        // Where a refused line is handed, with the reason the log keeps.
        connect(this, &XMPPClient::messageRefused, this, [&handed](const XMPPMessage &m) {
            handed << QStringLiteral("refused %1 %2 %3: %4").arg(m.id(), m.from(), m.body(), m.errorReason());
        });
        connect(this, &XMPPClient::presence, this, [&handed](const XMPPPresence &p) {
            handed << QStringLiteral("presence %1 %2 %3 %4")
                          .arg(p.from().toString(), QString::number(p.availability()),
                               QString::number(p.isRoomDestroyed()), p.roomDestroyReason());
        });
        connect(this, &XMPPClient::authorizationRequestReceived, this,
                [&handed](const XMPPJid &jid) { handed << QStringLiteral("subscribe ") + jid.toString(); });
        connect(this, &XMPPClient::xmppError, this,
                [&handed](XMPPClient::XMPPError, const QString &text) { handed << QStringLiteral("error ") + text; });
    }

    using XMPPClient::route;
};

// The chat server's clock as the client reckons it, fed the answers to its questions
// as they come, each asked when the clock started: no later than the timer given.
class AnsweredClock : public ClientClock
{
public:
    AnsweredClock(XMPPClient *client, const QElapsedTimer &age) : ClientClock(client), m_age(age) {}

    // The record of the answer: whether the clock is known after it.
    QString take(const Iq &reply)
    {
        auto time = dynamic_cast<const IqTime *>(&reply);
        if (time && time->type == QLatin1String("result") && time->utc.isValid()) {
            const qint64 utcMs = time->utc.toMSecsSinceEpoch();
            m_earliestMs = std::min(m_earliestMs.value_or(utcMs), utcMs);
            m_latestMs = std::max(m_latestMs.value_or(utcMs), utcMs);
        }
        onAnswer(0, std::max(Samples - m_answers++, 1), &reply);
        const std::optional<Reading> now = read();
        // The reckoning lies between the earliest answer taken and the latest with all the
        // time since the clock started, and owns to some error.
        if (now.has_value() != m_earliestMs.has_value()
            || (now && (now->nowMs < *m_earliestMs || now->nowMs > *m_latestMs + m_age.elapsed() || now->errorMs < 1)))
            broken("the clock's reckoning is not that of an answer",
                   now ? QStringLiteral("%1 +- %2").arg(QString::number(now->nowMs), QString::number(now->errorMs))
                       : QStringLiteral("unknown"));
        return now ? QStringLiteral("clock known") : QStringLiteral("clock unknown");
    }

private:
    const QElapsedTimer &m_age;
    int m_answers = 0;
    std::optional<qint64> m_earliestMs;
    std::optional<qint64> m_latestMs;
};

// The reason the player reads in English for a line refused with the error's condition,
// to a room and to a user.
std::pair<QString, QString> reasonOf(int condition)
{
    switch (condition) {
    case ServiceUnavailable:
    case ItemNotFound:
    case RecipientUnavailable:
    case Gone:
        return {QStringLiteral("the room is gone or takes no lines"),
                QStringLiteral("no such user, or one who cannot receive it")};
    case RemoteServerNotFound:
    case RemoteServerTimeout:
        return {QStringLiteral("the room's chat server could not be reached"),
                QStringLiteral("the user's chat server could not be reached")};
    case Forbidden:
    case NotAllowed:
    case StanzaNotAuthorized:
    case NotAcceptable:
    case RegistrationRequired:
    case SubscriptionRequired:
    case PaymentRequired:
        return {QStringLiteral("you may not speak there"), QStringLiteral("you may not write to this user")};
    case StanzaPolicyViolation:
        return {QStringLiteral("the room's rules do not allow it"), QStringLiteral("the chat server's rules do not allow it")};
    case JidMalformed:
        return {QStringLiteral("the address is not valid"), QStringLiteral("the address is not valid")};
    case StanzaResourceConstraint:
    case StanzaInternalServerError:
        return {QStringLiteral("it cannot be handled at the moment"), QStringLiteral("it cannot be handled at the moment")};
    default:
        return {QStringLiteral("for a reason the client does not know"),
                QStringLiteral("for a reason the client does not know")};
    }
}

QString bareOf(const QString &jid)
{
    return jid.section(QLatin1Char('/'), 0, 0);
}

// What the player reads of the chat, fed by the client: the rooms the user is in (he
// joins one as the client is handed his own presence in it, and joins again when the
// connection is back), the one-to-one chats, and the notices about the lines the server
// refuses; all it shows is recorded. A room shows no line twice by its id, and loses
// none that carries an id; a refused line's notice gives the reason of its error.
class ChatLayer : public QObject
{
public:
    static constexpr int MaxRooms = 4;

    ChatLayer(XMPPClient &client, QStringList &handed) : m_client(client), m_handed(handed), m_chats(&client)
    {
        connect(&client, &XMPPClient::messageReceived, this, &ChatLayer::heard);
        connect(&client, &XMPPClient::messageRefused, this, &ChatLayer::refused);
        connect(&m_chats, &XMPPChatManager::chatCreated, this, [this](XMPPChat *chat, bool local) {
            m_handed << QStringLiteral("chat with %1 %2 %3").arg(chat->jid(), chat->thread(), QString::number(local));
            connect(chat, &XMPPChat::message, this, [this, chat](const XMPPMessage &m) {
                m_handed << QStringLiteral("chat line %1 %2 %3").arg(chat->jid(), m.from(), m.body());
            });
        });
    }

    // Before the client is handed the element: the user's own presence in a room he is
    // not in, nor on his way into, joins it under the nick it names.
    void joinFor(const StreamElement &element)
    {
        auto presence = dynamic_cast<const PresenceStanza *>(&element);
        if (!presence || presence->presenceType() != Available
            || !presence->roomData.statusCodes.contains(110))
            return;
        const QString occupant = presence->from.toString();
        const qsizetype slash = occupant.indexOf(QLatin1Char('/'));
        if (slash <= 0 || slash == occupant.size() - 1)
            return;
        const QString room = occupant.left(slash).toLower();
        const auto found = m_rooms.find(room);
        Room *known = found == m_rooms.end() ? nullptr : &found->second;
        if (!known) {
            if (m_rooms.size() >= size_t(MaxRooms))
                return;
            known = &m_rooms[room];
            known->conference = std::make_unique<XMPPConference>();
            XMPPConference *conference = known->conference.get();
            conference->setClient(&m_client);
            conference->setRoom(room);
            record(*conference);
        } else if (known->conference->isJoined() || known->conference->isJoining()) {
            return;
        }
        // A join from scratch shows the room's lines again, and the history it asks for
        // brings those of a history cut short.
        checkNoneLost(room, *known);
        known->shown.clear();
        known->shownCount = 0;
        known->expected.clear();
        known->inHistory = true;
        known->conference->join(occupant.mid(slash + 1));
        m_handed << QStringLiteral("joins %1 as %2").arg(room, known->conference->nick());
    }

    // The link is lost: what came of a room's history shows.
    void linkLost()
    {
        emit m_client.disconnected();
        for (auto &[name, room] : m_rooms)
            room.inHistory = false;
    }
    // The link is back: the rooms the user was in are joined again, and their histories
    // follow.
    void linkBack()
    {
        emit m_client.connected();
        for (auto &[name, room] : m_rooms)
            room.inHistory = room.conference->isJoining();
    }

    // Every line with an id that a room was given shows once the link is lost.
    void checkNoneLost()
    {
        for (auto &[name, room] : m_rooms)
            checkNoneLost(name, room);
    }

private:
    struct Room
    {
        std::unique_ptr<XMPPConference> conference;
        // The ids of the lines shown (by the room, or by their sender, with the sender and
        // the text), and how many lines it showed.
        QSet<QString> shown;
        int shownCount = 0;
        // A join's history comes: it ends with the room's subject, or with the link.
        bool inHistory = false;
        // The ids of each line with an id the room was given, and whether it came in a
        // history.
        QList<std::pair<QStringList, bool>> expected;
    };

    // The lines with ids the room was given show, but those of a history not ended.
    static void checkNoneLost(const QString &name, const Room &room)
    {
        for (const auto &[keys, inHistory] : room.expected) {
            const bool seen = std::any_of(keys.cbegin(), keys.cend(), [&room](const QString &key) { return room.shown.contains(key); });
            if (!seen && !(inHistory && room.inHistory))
                broken("a room lost a line", name + QLatin1Char('\n') + keys.join(QLatin1Char('\n')));
        }
    }

    // How the room knows the line: by the id it gave it, and by the id its sender gave it
    // (for the user's own lines, the message's id), each with the sender and the text.
    static QStringList idsOf(const XMPPConference &conference, const XMPPMessage &line)
    {
        QStringList ids;
        const QString said = line.from() + QLatin1Char('\n') + line.body();
        const QString roomId = line.stanzaIdBy(conference.room());
        if (!roomId.isNull())
            ids << QStringLiteral("room id ") + roomId + QLatin1Char('\n') + said;
        QString senderId = line.originId();
        if (senderId.isEmpty() && line.from() == conference.room() + QLatin1Char('/') + conference.nick())
            senderId = line.id();
        if (!senderId.isEmpty())
            ids << QStringLiteral("sender id ") + senderId + QLatin1Char('\n') + said;
        return ids;
    }

    void heard(const XMPPMessage &line)
    {
        const auto room = m_rooms.find(bareOf(line.from()));
        if (line.type() != XMPPMessage::GroupChat || room == m_rooms.end())
            return;
        // The subject ends a history.
        if (!line.stanza().subjects.isEmpty() && line.stanza().bodies.isEmpty())
            room->second.inHistory = false;
        if (line.body().isEmpty() || line.from() == room->first)
            return;
        const QStringList ids = idsOf(*room->second.conference, line);
        if (!ids.isEmpty())
            room->second.expected.append({ids, room->second.inHistory});
    }

    void record(XMPPConference &conference)
    {
        const QString name = conference.room();
        connect(&conference, &XMPPConference::message, this, [this, name, &conference](const XMPPMessage &line) {
            m_handed << QStringLiteral("%1 shows %2 %3 %4").arg(name, line.hasDelay() ? QStringLiteral("history") : QStringLiteral("live"),
                                                               line.from(), line.body());
            Room &room = m_rooms.at(name);
            // The room forgets the lines shown beyond as many as a view keeps.
            const bool remembered = ++room.shownCount <= RoomLineBook::MaxShownLines;
            for (const QString &id : idsOf(conference, line)) {
                if (remembered && room.shown.contains(id))
                    broken("a room shows a line twice", name + QLatin1Char('\n') + id);
                room.shown.insert(id);
            }
        });
        connect(&conference, &XMPPConference::userJoined, this, [this, name] { m_handed << name + QStringLiteral(" joined"); });
        connect(&conference, &XMPPConference::userLeft, this, [this, name] { m_handed << name + QStringLiteral(" left"); });
        connect(&conference, &XMPPConference::userError, this, [this, name](XMPPConference *, XMPPPresence::error_t error) {
            m_handed << QStringLiteral("%1 refuses the join: %2").arg(name, QString::number(error));
        });
        connect(&conference, &XMPPConference::userVoiceChanged, this, [this, name](bool maySpeak, const QString &reason) {
            m_handed << QStringLiteral("%1 voice %2 %3").arg(name, QString::number(maySpeak), reason);
        });
        connect(&conference, &XMPPConference::userRoomDestroyed, this, [this, name](const QString &reason) {
            m_handed << QStringLiteral("%1 destroyed %2").arg(name, reason);
        });
        connect(&conference, &XMPPConference::userDisconnected, this, [this, name] { m_handed << name + QStringLiteral(" lost"); });
        const auto removal = [this, name](const char *what) {
            return [this, name, what](XMPPConference *, const XMPPJid &actor, const QString &reason) {
                m_handed << QStringLiteral("%1 %2 by %3: %4").arg(name, QLatin1String(what), actor.toString(), reason);
            };
        };
        connect(&conference, &XMPPConference::userKicked, this, removal("kicks the user"));
        connect(&conference, &XMPPConference::userBanned, this, removal("bans the user"));
        connect(&conference, &XMPPConference::participantJoined, this, [this, name](XMPPConference *, const QString &nick) {
            m_handed << QStringLiteral("%1 has %2").arg(name, nick);
        });
        connect(&conference, &XMPPConference::participantLeft, this, [this, name](XMPPConference *, const QString &nick) {
            m_handed << QStringLiteral("%1 no longer has %2").arg(name, nick);
        });
    }

    // What the player would read of the line refused, as the room's or the user's, and
    // quoted where the input cannot give it back.
    void refused(const XMPPMessage &error)
    {
        const auto [toRoom, toUser] = reasonOf(error.stanza().errorCondition);
        const QString line = error.body();
        const QString notices[] = {ChatNotices::refused(line, error, true), ChatNotices::refused(line, error, false),
                                   ChatNotices::undelivered(line, error)};
        const QString reasons[] = {toRoom, toRoom, toUser};
        for (int i = 0; i < 3; ++i) {
            if (!notices[i].contains(QLatin1Char('(') + reasons[i]))
                broken("a refused line's notice does not give the reason of its error", notices[i]);
            // Rich text: the server's words and the line go in escaped.
            if (notices[i].contains(QLatin1Char('<')))
                broken("a refused line's notice lets markup through", notices[i]);
            if (i > 0 && line.size() < 100 && !notices[i].contains(line.toHtmlEscaped()))
                broken("a refused line's notice does not quote the line", notices[i]);
            m_handed << QStringLiteral("notice ") + notices[i];
        }
    }

    XMPPClient &m_client;
    QStringList &m_handed;
    XMPPChatManager m_chats;
    std::map<QString, Room> m_rooms;
};

struct Outcome
{
    QStringList elements;
    // What the client handed on and the chat showed, in order.
    QStringList handed;
    // Each connection's: the server ended the stream with a stream error, the stream
    // error the client raised (-1 for none), the stream's end was read, and what the
    // client wrote.
    bool endedByServer = false;
    QList<int> errors;
    QList<bool> ended;
    QList<QByteArray> written;
};

// Hands a stanza or a stream error to the client, as on an established connection, and
// the answers to the clock's questions to the clock; a request the client does not
// serve is answered. The user's own presence in a room joins it first. The elements of a login go no further than the reader, nor does
// anything after a stream error, which ends the stream.
void hand(const StreamElement &element, RoutingClient &client, ChatLayer &chat, AnsweredClock &clock, Outcome &out,
          StreamWriter &writer)
{
    auto stanza = dynamic_cast<const Stanza *>(&element);
    if ((!stanza && element.kind() != StreamError::Kind) || out.endedByServer)
        return;
    out.endedByServer = element.kind() == StreamError::Kind;
    auto iq = dynamic_cast<const Iq *>(&element);
    if (iq && (iq->type == QLatin1String("result") || iq->hasError()) && iq->id.startsWith(QLatin1String("clock-"))) {
        out.handed << clock.take(*iq);
        return;
    }
    chat.joinFor(element);
    try {
        client.route(element);
    } catch (const stanza_error &e) {
        writer.write(*errorReply(e));
        out.handed << QStringLiteral("answered %1").arg(e.errorCondition());
    }
}

// The connections an input may make: the last one has the rest of the input, NUL bytes
// and all.
constexpr int MaxConnections = 4;

// Reads one connection's part of the input, [from, to), cut where the cuts (in order)
// say.
void readConnection(const QByteArray &input, qsizetype from, qsizetype to, const QList<qsizetype> &cuts,
                    RoutingClient &client, ChatLayer &chat, AnsweredClock &clock, Outcome &out)
{
    out.endedByServer = false;
    out.errors << -1;
    out.ended << false;
    out.written << QByteArray();
    StreamParser parser;
    QBuffer sink(&out.written.last());
    sink.open(QIODevice::WriteOnly);
    StreamWriter writer(XMPPJid(QStringLiteral("localhost"), QString(), QString()), QStringLiteral("en"));
    writer.open(&sink);
    QList<qsizetype> ends;
    for (auto cut = std::upper_bound(cuts.cbegin(), cuts.cend(), from); cut != cuts.cend() && *cut < to; ++cut)
        ends.append(*cut);
    ends.append(to);
    try {
        for (qsizetype end : ends) {
            parser.addData(input.mid(from, end - from));
            from = end;
            for (;;) {
                StreamParser::Result result = StreamParser::NeedMoreData;
                try {
                    result = parser.parse();
                } catch (const stanza_error &e) {
                    writer.write(*errorReply(e));
                    out.elements << QStringLiteral("stanza error %1").arg(e.errorCondition());
                    continue;
                }
                if (result == StreamParser::NeedMoreData)
                    break;
                if (result == StreamParser::EndOfStream) {
                    out.ended.last() = true;
                    writer.close();
                    return;
                }
                const StreamElement &element = *parser.lastElement();
                out.elements << describeElement(element) + QLatin1Char(' ')
                        + describeConversions(element, parser.streamLanguage());
                hand(element, client, chat, clock, out, writer);
            }
        }
    } catch (const stream_error &e) {
        out.errors.last() = e.condition();
        writer.write(StreamError(e.condition(), e.text()));
    }
    writer.close();
}

Outcome readInPieces(const QByteArray &input, const QList<qsizetype> &cuts)
{
    Outcome out;
    RoutingClient client(out.handed);
    QElapsedTimer clockAge;
    clockAge.start();
    AnsweredClock clock(&client, clockAge);
    ChatLayer chat(client, out.handed);
    for (qsizetype from = 0, connections = 1;; ++connections) {
        qsizetype to = connections < MaxConnections ? input.indexOf('\0', from) : -1;
        if (to < 0)
            to = input.size();
        readConnection(input, from, to, cuts, client, chat, clock, out);
        // The link is lost at the connection's end: what came of a room's history is shown.
        chat.linkLost();
        if (to == input.size())
            break;
        chat.linkBack();
        from = to + 1;
    }
    chat.checkNoneLost();
    return out;
}

void checkWellFormed(const QByteArray &written)
{
    QXmlStreamReader reader(written);
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError())
        broken("the answers are not well-formed XML",
               reader.errorString() + QLatin1Char('\n') + QString::fromUtf8(written.left(2000)));
}

} // namespace

QString describeElement(const StreamElement &element)
{
    QStringList parts{QString::number(element.kind())};
    if (auto stanza = dynamic_cast<const Stanza *>(&element)) {
        parts << stanza->id << stanza->type << stanza->from.toString() << stanza->to.toString()
              << QString::number(stanza->errorType) << QString::number(stanza->errorCondition);
        if (!stanza->errorText.isNull())
            parts << QLatin1Char('"') + stanza->errorText + QLatin1Char('"');
    }
    if (auto error = dynamic_cast<const StreamError *>(&element))
        parts << QString::number(error->condition) << error->text << error->seeOtherHost;
    if (auto features = dynamic_cast<const StreamFeatures *>(&element)) {
        parts << QString::number(features->startTls) << QString::number(features->bind)
              << QString::number(features->session) << features->mechanisms.join(QLatin1Char(','));
    }
    if (auto bind = dynamic_cast<const IqBind *>(&element))
        parts << bind->jid;
    if (auto time = dynamic_cast<const IqTime *>(&element))
        parts << QStringLiteral("time ") + time->utc.toString(Qt::ISODateWithMs);
    if (auto message = dynamic_cast<const MessageStanza *>(&element)) {
        for (auto it = message->bodies.cbegin(); it != message->bodies.cend(); ++it)
            parts << it.key() + QLatin1Char('=') + it.value();
        for (auto it = message->subjects.cbegin(); it != message->subjects.cend(); ++it)
            parts << it.key() + QLatin1Char('=') + it.value();
        parts << message->thread;
        for (const DelayedDeliveryInfo &delay : message->delays)
            parts << delay.from.toString() + QLatin1Char('@') + delay.stamp.toString(Qt::ISODateWithMs);
        for (const UniqueStanzaId &id : message->stanzaIds)
            parts << QStringLiteral("id ") + id.id + QStringLiteral(" by ") + id.by.toString();
        if (!message->originId.isNull())
            parts << QStringLiteral("origin ") + message->originId;
    }
    if (auto presence = dynamic_cast<const PresenceStanza *>(&element)) {
        QStringList tables = presence->tables.values();
        tables.sort();
        parts << QString::number(presence->show) << QString::number(presence->priority)
              << tables.join(QLatin1Char('|')) << QString::fromLatin1(presence->photoHash.toHex())
              << presence->roomData.nick << QString::number(presence->roomData.affiliation);
        for (int code : presence->roomData.statusCodes)
            parts << QString::number(code);
        if (presence->roomData.destroyed)
            parts << QStringLiteral("destroyed") << presence->roomData.destroyReason;
    }
    if (auto info = dynamic_cast<const IqDiscoInfo *>(&element))
        parts << info->features.join(QLatin1Char(','));
    if (auto items = dynamic_cast<const IqDiscoItems *>(&element)) {
        for (const auto &item : items->items)
            parts << item.jid.toString();
    }
    return parts.join(QLatin1Char(' '));
}

void fuzzChatInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return;
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const Outcome whole = readInPieces(input, {});
    for (const QByteArray &written : whole.written)
        checkWellFormed(written);

    // The first byte spaces the cuts: 0 cuts after every byte, '<' after every 61st.
    const qsizetype step = data[0] + 1;
    QList<qsizetype> cuts;
    for (qsizetype at = data[0] % step; at < input.size(); at += step) {
        if (at > 0)
            cuts.append(at);
    }
    const Outcome split = readInPieces(input, cuts);
    if (split.elements != whole.elements || split.handed != whole.handed || split.errors != whole.errors
        || split.ended != whole.ended) {
        const auto ends = [](const Outcome &out) {
            QStringList parts;
            for (qsizetype i = 0; i < out.errors.size(); ++i)
                parts << QStringLiteral("%1 %2").arg(QString::number(out.errors.at(i)), QString::number(out.ended.at(i)));
            return parts.join(QStringLiteral(", "));
        };
        broken("cutting the input into reads changes what is read",
               (whole.elements + whole.handed).join(QLatin1Char('\n')) + QStringLiteral("\n-- %1 / %2 --\n").arg(ends(whole), ends(split))
                   + (split.elements + split.handed).join(QLatin1Char('\n')));
    }
}
