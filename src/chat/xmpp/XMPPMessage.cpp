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

QDateTime XMPPMessage::delayStamp() const
{
    return m_stanza.delay ? m_stanza.delay->stamp : QDateTime();
}

QString XMPPMessage::delayFrom() const
{
    return m_stanza.delay ? m_stanza.delay->from.toString() : QString();
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
