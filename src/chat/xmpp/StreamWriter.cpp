#include "chat/xmpp/StreamWriter.h"

#include "chat/xmpp/IqRoster.h"
#include "chat/xmpp/IqSearch.h"
#include "chat/xmpp/IqVCard.h"
#include "chat/xmpp/XMPPNamespaces.h"

#include <QDebug>

#include <stdexcept>

namespace xmpp {

namespace {

const QString Und = QStringLiteral("UND");

bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF)
        || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

} // namespace

QString xmlSafe(const QString &text)
{
    // Clean text, by far the most common, is returned without a copy.
    QString result;
    bool dropped = false;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        const bool pair = c.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate();
        const bool allowed = pair || (!c.isSurrogate() && isXmlChar(c.unicode()));
        if (!allowed && !dropped) {
            result = text.left(i);
            result.reserve(size);
            dropped = true;
        } else if (allowed && dropped) {
            result.append(c);
            if (pair)
                result.append(text.at(i + 1));
        }
        if (pair)
            ++i;
    }
    return dropped ? result : text;
}

StreamWriter::StreamWriter(const XMPPJid &to, const QString &language, QObject *parent)
    : QObject(parent), m_to(to.toString()), m_language(language), m_keepAlive(this)
{
    m_buffer.open(QIODevice::ReadWrite);
    m_keepAlive.setInterval(KeepAliveInterval);
    connect(&m_keepAlive, &QTimer::timeout, this, &StreamWriter::sendKeepAlive);
}

void StreamWriter::open(QIODevice *device)
{
    m_xml.setDevice(&m_buffer);
    m_device = device;
    m_state = Open;
    m_xml.writeStartDocument(QStringLiteral("1.0"));
    m_xml.writeStartElement(QStringLiteral("stream:stream"));
    m_xml.writeDefaultNamespace(ns::Client);
    m_xml.writeNamespace(ns::Streams, QStringLiteral("stream"));
    writeAttribute(QStringLiteral("xml:lang"), m_language);
    writeAttribute(QStringLiteral("to"), m_to);
    m_xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    m_xml.writeCharacters(QString());
    flush();
}

void StreamWriter::write(const StreamElement &element)
{
    if (m_state != Open)
        throw std::runtime_error("writing requires an open stream");
    switch (element.kind()) {
    case StreamError::Kind:
        writeStreamError(static_cast<const StreamError &>(element));
        break;
    case TLSStart::Kind:
        m_xml.writeStartElement(QStringLiteral("starttls"));
        m_xml.writeDefaultNamespace(ns::Tls);
        m_xml.writeEndElement();
        break;
    case SASLAuth::Kind: {
        const auto &auth = static_cast<const SASLAuth &>(element);
        m_xml.writeStartElement(QStringLiteral("auth"));
        m_xml.writeDefaultNamespace(ns::Sasl);
        writeAttribute(QStringLiteral("mechanism"), auth.mechanism);
        if (!auth.data.isEmpty())
            m_xml.writeCharacters(QString::fromLatin1(auth.data.toBase64()));
        m_xml.writeEndElement();
        break;
    }
    case StreamManagement::Kind:
        writeStreamManagement(static_cast<const StreamManagement &>(element));
        break;
    case MessageStanza::Kind:
        writeMessage(static_cast<const MessageStanza &>(element));
        break;
    case PresenceStanza::Kind:
    case MucPresenceStanza::Kind:
        writePresence(static_cast<const PresenceStanza &>(element));
        break;
    case Iq::Kind:
    case IqBind::Kind:
    case IqSession::Kind:
    case IqDiscoInfo::Kind:
    case IqDiscoItems::Kind:
    case IqInstantRoom::Kind:
    case IqPing::Kind:
    case IqTime::Kind:
    case IqRoster::Kind:
    case IqVCard::Kind:
    case IqSearch::Kind:
        writeIq(static_cast<const Iq &>(element));
        break;
    default:
        qDebug() << element.kind();
        break;
    }
    m_xml.writeCharacters(QString());
    if (!flush())
        throw std::runtime_error("the device refused the element");
}

void StreamWriter::close()
{
    if (m_state != Open)
        return;
    m_xml.writeEndDocument();
    m_state = Closed;
    flush();
    m_keepAlive.stop();
}

void StreamWriter::sendKeepAlive()
{
    if (m_state != Open)
        return;
    m_xml.writeCharacters(QStringLiteral(" "));
    flush();
}

bool StreamWriter::flush()
{
    const QByteArray data = m_buffer.data();
    const bool taken = m_device && m_device->write(data) == data.size();
    m_buffer.buffer().clear();
    m_buffer.seek(0);
    // Restarts the minute of silence.
    m_keepAlive.start();
    return taken;
}

void StreamWriter::writeText(const QString &text)
{
    m_xml.writeCharacters(xmlSafe(text));
}

void StreamWriter::writeTextElement(const QString &name, const QString &text)
{
    m_xml.writeTextElement(name, xmlSafe(text));
}

void StreamWriter::writeAttribute(const QString &name, const QString &value)
{
    m_xml.writeAttribute(name, xmlSafe(value));
}

void StreamWriter::writeStreamError(const StreamError &error)
{
    m_xml.writeStartElement(ns::Streams, QStringLiteral("error"));
    QString condition = streamErrorConditionName(error.condition);
    if (condition.isEmpty())
        condition = streamErrorConditionName(UndefinedCondition);
    m_xml.writeStartElement(condition);
    m_xml.writeDefaultNamespace(ns::StreamErrors);
    if (error.condition == SeeOtherHost && !error.seeOtherHost.isEmpty())
        writeText(error.seeOtherHost);
    m_xml.writeEndElement();
    if (!error.text.isEmpty()) {
        m_xml.writeStartElement(QStringLiteral("text"));
        m_xml.writeDefaultNamespace(ns::StreamErrors);
        writeText(error.text);
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

void StreamWriter::writeStreamManagement(const StreamManagement &management)
{
    static const char *const names[] = {"enable", "enabled", "resume", "resumed", "failed", "r", "a"};
    m_xml.writeStartElement(QString::fromLatin1(names[management.type]));
    m_xml.writeDefaultNamespace(ns::StreamManagement);
    if (management.resume)
        m_xml.writeAttribute(QStringLiteral("resume"), QStringLiteral("true"));
    if (management.handled)
        m_xml.writeAttribute(QStringLiteral("h"), QString::number(*management.handled));
    if (!management.id.isEmpty())
        writeAttribute(QStringLiteral("previd"), management.id);
    m_xml.writeEndElement();
}

void StreamWriter::writeStanzaStart(const char *name, const Stanza &stanza)
{
    m_xml.writeStartElement(QLatin1String(name));
    if (!stanza.from.isEmpty())
        writeAttribute(QStringLiteral("from"), stanza.from.toString());
    if (!stanza.to.isEmpty())
        writeAttribute(QStringLiteral("to"), stanza.to.toString());
    if (!stanza.id.isEmpty())
        writeAttribute(QStringLiteral("id"), stanza.id);
    if (!stanza.type.isEmpty())
        writeAttribute(QStringLiteral("type"), stanza.type);
    if (!stanza.lang.isEmpty())
        writeAttribute(QStringLiteral("xml:lang"), stanza.lang);
}

void StreamWriter::writeStanzaEnd(const Stanza &stanza)
{
    if (stanza.errorCondition != NoCondition) {
        m_xml.writeStartElement(QStringLiteral("error"));
        writeAttribute(QStringLiteral("type"), stanzaErrorTypeName(stanza.errorType));
        m_xml.writeEmptyElement(stanzaErrorConditionName(stanza.errorCondition));
        m_xml.writeDefaultNamespace(ns::Stanzas);
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

void StreamWriter::writeMessage(const MessageStanza &message)
{
    writeStanzaStart("message", message);
    const auto writeTexts = [&](const QString &name, const QMap<QString, QString> &texts) {
        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            m_xml.writeStartElement(name);
            if (it.key() != Und)
                writeAttribute(QStringLiteral("xml:lang"), it.key());
            else if (texts.size() > 1)
                writeAttribute(QStringLiteral("xml:lang"),
                               message.lang.isEmpty() ? message.messageLanguage : message.lang);
            writeText(it.value());
            m_xml.writeEndElement();
        }
    };
    writeTexts(QStringLiteral("subject"), message.subjects);
    writeTexts(QStringLiteral("body"), message.bodies);
    if (!message.thread.isEmpty())
        writeTextElement(QStringLiteral("thread"), message.thread);
    if (!message.originId.isEmpty()) {
        m_xml.writeEmptyElement(QStringLiteral("origin-id"));
        m_xml.writeDefaultNamespace(ns::StanzaId);
        writeAttribute(QStringLiteral("id"), message.originId);
    }
    writeStanzaEnd(message);
}

void StreamWriter::writePhotoUpdate(const PresenceStanza &presence)
{
    m_xml.writeStartElement(QStringLiteral("x"));
    m_xml.writeDefaultNamespace(ns::VCardUpdate);
    if (!presence.photoHash.isNull())
        m_xml.writeTextElement(QStringLiteral("photo"), QString::fromLatin1(presence.photoHash.toHex()));
    m_xml.writeEndElement();
}

void StreamWriter::writePresence(const PresenceStanza &presence)
{
    writeStanzaStart("presence", presence);
    if (presence.kind() == MucPresenceStanza::Kind) {
        const int seconds = static_cast<const MucPresenceStanza &>(presence).historySeconds;
        if (seconds >= 0) {
            m_xml.writeStartElement(QStringLiteral("x"));
            m_xml.writeDefaultNamespace(ns::Muc);
            m_xml.writeEmptyElement(QStringLiteral("history"));
            writeAttribute(QStringLiteral("seconds"), QString::number(seconds));
            m_xml.writeEndElement();
        } else {
            m_xml.writeEmptyElement(QStringLiteral("x"));
            m_xml.writeDefaultNamespace(ns::Muc);
        }
        writePhotoUpdate(presence);
        writeStanzaEnd(presence);
        return;
    }
    if (presence.show != 0)
        writeTextElement(QStringLiteral("show"), presenceShowName(presence.show));
    for (auto it = presence.statuses.cbegin(); it != presence.statuses.cend(); ++it) {
        if (it.value().isEmpty())
            continue;
        m_xml.writeStartElement(QStringLiteral("status"));
        if (it.key() != Und)
            writeAttribute(QStringLiteral("xml:lang"), it.key());
        writeText(it.value());
        m_xml.writeEndElement();
    }
    if (presence.priority != 0)
        m_xml.writeTextElement(QStringLiteral("priority"), QString::number(presence.priority));
    if (!presence.tables.isEmpty()) {
        m_xml.writeStartElement(QStringLiteral("tables"));
        m_xml.writeDefaultNamespace(ns::TablePresence);
        for (const QString &path : presence.tables)
            writeTextElement(QStringLiteral("path"), path);
        m_xml.writeEndElement();
    }
    writePhotoUpdate(presence);
    writeStanzaEnd(presence);
}

void StreamWriter::writeIq(const Iq &iq)
{
    writeStanzaStart("iq", iq);
    switch (iq.kind()) {
    case IqBind::Kind: {
        const auto &bind = static_cast<const IqBind &>(iq);
        m_xml.writeStartElement(QStringLiteral("bind"));
        m_xml.writeDefaultNamespace(ns::Bind);
        if (!bind.resource.isEmpty())
            writeTextElement(QStringLiteral("resource"), bind.resource);
        m_xml.writeEndElement();
        break;
    }
    case IqSession::Kind:
        m_xml.writeEmptyElement(QStringLiteral("session"));
        m_xml.writeDefaultNamespace(ns::Session);
        break;
    case IqDiscoInfo::Kind:
        m_xml.writeEmptyElement(QStringLiteral("query"));
        m_xml.writeDefaultNamespace(ns::DiscoInfo);
        break;
    case IqDiscoItems::Kind:
        m_xml.writeEmptyElement(QStringLiteral("query"));
        m_xml.writeDefaultNamespace(ns::DiscoItems);
        break;
    case IqInstantRoom::Kind:
        m_xml.writeStartElement(QStringLiteral("query"));
        m_xml.writeDefaultNamespace(ns::MucOwner);
        m_xml.writeEmptyElement(QStringLiteral("x"));
        m_xml.writeDefaultNamespace(ns::DataForms);
        m_xml.writeAttribute(QStringLiteral("type"), QStringLiteral("submit"));
        m_xml.writeEndElement();
        break;
    case IqPing::Kind:
        m_xml.writeEmptyElement(QStringLiteral("ping"));
        m_xml.writeDefaultNamespace(ns::Ping);
        break;
    case IqTime::Kind:
        m_xml.writeEmptyElement(QStringLiteral("time"));
        m_xml.writeDefaultNamespace(ns::Time);
        break;
    case IqRoster::Kind:
        writeRoster(static_cast<const IqRoster &>(iq));
        break;
    case IqVCard::Kind:
        writeVCard(static_cast<const IqVCard &>(iq));
        break;
    case IqSearch::Kind:
        static_cast<const IqSearch &>(iq).writeQuery(m_xml);
        break;
    default:
        break;
    }
    writeStanzaEnd(iq);
}

void StreamWriter::writeRoster(const IqRoster &roster)
{
    if (roster.type == QLatin1String("get")) {
        m_xml.writeEmptyElement(QStringLiteral("query"));
        m_xml.writeDefaultNamespace(ns::Roster);
        return;
    }
    if (roster.type != QLatin1String("set"))
        return;
    m_xml.writeStartElement(QStringLiteral("query"));
    m_xml.writeDefaultNamespace(ns::Roster);
    for (const IqRoster::Item &item : roster.items) {
        m_xml.writeStartElement(QStringLiteral("item"));
        writeAttribute(QStringLiteral("jid"), item.jid.toString());
        if (item.remove)
            m_xml.writeAttribute(QStringLiteral("subscription"), QStringLiteral("remove"));
        // Servers refuse empty name and group elements, a removal included.
        if (!item.name.isEmpty())
            writeAttribute(QStringLiteral("name"), item.name);
        if (!item.group.isEmpty())
            writeTextElement(QStringLiteral("group"), item.group);
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

void StreamWriter::writeVCardField(const XMPPVCard::Field &field)
{
    if (field.children.isEmpty()) {
        writeTextElement(field.name, field.text);
        return;
    }
    m_xml.writeStartElement(field.name);
    for (const XMPPVCard::Field &child : field.children)
        writeVCardField(child);
    m_xml.writeEndElement();
}

void StreamWriter::writeVCard(const IqVCard &iq)
{
    if (iq.type == QLatin1String("get")) {
        m_xml.writeEmptyElement(QStringLiteral("vCard"));
        m_xml.writeDefaultNamespace(ns::VCard);
        return;
    }
    if (iq.type != QLatin1String("set"))
        return;
    m_xml.writeStartElement(QStringLiteral("vCard"));
    m_xml.writeDefaultNamespace(ns::VCard);
    if (const std::optional<XMPPVCard> &vcard = iq.vcard()) {
        // An upload replaces the whole stored vCard: what was received goes back.
        if (vcard->fields().isEmpty()) {
            m_xml.writeTextElement(QStringLiteral("FN"), QStringLiteral("Unknown"));
            m_xml.writeEmptyElement(QStringLiteral("N"));
        }
        for (const XMPPVCard::Field &field : vcard->fields())
            writeVCardField(field);
        if (!vcard->photo().isNull()) {
            m_xml.writeStartElement(QStringLiteral("PHOTO"));
            m_xml.writeTextElement(QStringLiteral("TYPE"), QStringLiteral("image/png"));
            m_xml.writeTextElement(QStringLiteral("BINVAL"), QString::fromLatin1(iq.photoData().toBase64()));
            m_xml.writeEndElement();
        }
    }
    m_xml.writeEndElement();
}

} // namespace xmpp
