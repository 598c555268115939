#include "chat_fuzz_entry.h"

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

struct Outcome
{
    QStringList elements;
    // What the client handed on, in order, until the server ended the stream.
    QStringList handed;
    bool endedByServer = false;
    int error = -1;
    bool ended = false;
    QByteArray written;
};

// Hands a stanza or a stream error to the client, as on an established connection, and
// the answers to the clock's questions to the clock; a request the client does not
// serve is answered. The elements of a login go no further than the reader, nor does
// anything after a stream error, which ends the stream.
void hand(const StreamElement &element, RoutingClient &client, AnsweredClock &clock, Outcome &out, StreamWriter &writer)
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
    try {
        client.route(element);
    } catch (const stanza_error &e) {
        writer.write(*errorReply(e));
        out.handed << QStringLiteral("answered %1").arg(e.errorCondition());
    }
}

Outcome readInPieces(const QByteArray &input, const QList<qsizetype> &cuts)
{
    Outcome out;
    RoutingClient client(out.handed);
    QElapsedTimer clockAge;
    clockAge.start();
    AnsweredClock clock(&client, clockAge);
    StreamParser parser;
    QBuffer sink(&out.written);
    sink.open(QIODevice::WriteOnly);
    StreamWriter writer(XMPPJid(QStringLiteral("localhost"), QString(), QString()), QStringLiteral("en"));
    writer.open(&sink);
    qsizetype from = 0;
    QList<qsizetype> ends = cuts;
    ends.append(input.size());
    try {
        for (qsizetype to : ends) {
            parser.addData(input.mid(from, to - from));
            from = to;
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
                    out.ended = true;
                    writer.close();
                    return out;
                }
                const StreamElement &element = *parser.lastElement();
                out.elements << describeElement(element) + QLatin1Char(' ')
                        + describeConversions(element, parser.streamLanguage());
                hand(element, client, clock, out, writer);
            }
        }
    } catch (const stream_error &e) {
        out.error = e.condition();
        writer.write(StreamError(e.condition(), e.text()));
    }
    writer.close();
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
    checkWellFormed(whole.written);

    // The first byte spaces the cuts: 0 cuts after every byte, '<' after every 61st.
    const qsizetype step = data[0] + 1;
    QList<qsizetype> cuts;
    for (qsizetype at = data[0] % step; at < input.size(); at += step) {
        if (at > 0)
            cuts.append(at);
    }
    const Outcome split = readInPieces(input, cuts);
    if (split.elements != whole.elements || split.handed != whole.handed || split.error != whole.error
        || split.ended != whole.ended)
        broken("cutting the input into reads changes what is read",
               (whole.elements + whole.handed).join(QLatin1Char('\n')) + QStringLiteral("\n-- %1 %2 / %3 %4 --\n")
                   .arg(whole.error).arg(whole.ended).arg(split.error).arg(split.ended)
                   + (split.elements + split.handed).join(QLatin1Char('\n')));
}
