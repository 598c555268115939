#include "chat_fuzz_entry.h"

#include "chat/xmpp/StanzaReader.h"
#include "chat/xmpp/StreamParser.h"
#include "chat/xmpp/StreamWriter.h"
#include "chat/xmpp/XMPPMessage.h"
#include "chat/xmpp/XMPPPresence.h"

#include <QBuffer>
#include <QStringList>
#include <QXmlStreamReader>

#include <cstdio>
#include <cstdlib>

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
              << converted.delayStamp().toString(Qt::ISODateWithMs) << converted.originId() << converted.errorText();
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
    }
    return parts.join(QLatin1Char(' '));
}

struct Outcome
{
    QStringList elements;
    int error = -1;
    bool ended = false;
    QByteArray written;
};

Outcome readInPieces(const QByteArray &input, const QList<qsizetype> &cuts)
{
    Outcome out;
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
                if (auto iq = dynamic_cast<const Iq *>(&element)) {
                    if (iq->type == QLatin1String("get") || iq->type == QLatin1String("set"))
                        writer.write(*errorReply(stanza_error(stanza_error::IqKind, Cancel, FeatureNotImplemented,
                                                              iq->id, iq->from)));
                }
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
    if (split.elements != whole.elements || split.error != whole.error || split.ended != whole.ended)
        broken("cutting the input into reads changes what is read",
               whole.elements.join(QLatin1Char('\n')) + QStringLiteral("\n-- %1 %2 / %3 %4 --\n")
                   .arg(whole.error).arg(whole.ended).arg(split.error).arg(split.ended)
                   + split.elements.join(QLatin1Char('\n')));
}
