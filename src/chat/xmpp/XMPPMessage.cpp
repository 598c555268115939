#include "chat/xmpp/XMPPMessage.h"

namespace {

const QString Und = QStringLiteral("UND");
const char *const typeNames[] = {"error", "chat", "groupchat", "headline", "normal"};

} // namespace

XMPPMessage::XMPPMessage(const QString &to, int type)
{
    if (!to.isEmpty())
        m_stanza.to = parseJid(to);
    setType(type);
}

XMPPMessage::XMPPMessage(const xmpp::MessageStanza &stanza, const QString &defaultLanguage)
    : m_type(typeFromName(stanza.type)), m_stanza(stanza)
{
    m_stanza.messageLanguage = defaultLanguage;
}

void XMPPMessage::setType(int type)
{
    m_type = type;
    m_stanza.type = typeName(type);
}

void XMPPMessage::setFrom(const QString &from)
{
    m_stanza.from = from.isEmpty() ? XMPPJid() : parseJid(from);
}

QString XMPPMessage::language() const
{
    return m_stanza.lang.isEmpty() ? m_stanza.messageLanguage : m_stanza.lang;
}

QString XMPPMessage::bodyKey(const QString &language) const
{
    return language == this->language() ? Und : language;
}

void XMPPMessage::setBody(const QString &language, const QString &text)
{
    m_stanza.bodies.insert(bodyKey(language), text);
}

void XMPPMessage::setBody(const QString &text)
{
    m_stanza.bodies.insert(Und, text);
}

QString XMPPMessage::body(const QString &language) const
{
    return m_stanza.bodies.value(bodyKey(language));
}

QString XMPPMessage::body() const
{
    return m_stanza.bodies.value(Und);
}

QString XMPPMessage::errorReason() const
{
    return m_stanza.errorText.isEmpty() ? xmpp::stanzaErrorConditionName(m_stanza.errorCondition) : m_stanza.errorText;
}

QDateTime XMPPMessage::delayStamp() const
{
    return hasDelay() ? m_stanza.delays.constLast().stamp : QDateTime();
}

QDateTime XMPPMessage::delayStampBy(const QString &entity) const
{
    for (auto delay = m_stanza.delays.crbegin(); delay != m_stanza.delays.crend(); ++delay) {
        if (delay->from.toString().compare(entity, Qt::CaseInsensitive) == 0)
            return delay->stamp;
    }
    return QDateTime();
}

QString XMPPMessage::stanzaIdBy(const QString &entity) const
{
    for (const xmpp::UniqueStanzaId &id : m_stanza.stanzaIds) {
        if (id.by.toString().compare(entity, Qt::CaseInsensitive) == 0)
            return id.id;
    }
    return QString();
}

void XMPPMessage::setDelay(const XMPPJid &from, const QDateTime &stamp)
{
    m_stanza.delays = {{from, stamp}};
}

int XMPPMessage::typeFromName(const QString &name)
{
    for (int type = Error; type < Normal; ++type) {
        if (name == QLatin1String(typeNames[type]))
            return type;
    }
    return Normal;
}

QString XMPPMessage::typeName(int type)
{
    if (type < Error || type > Normal)
        return QString();
    return QString::fromLatin1(typeNames[type]);
}
