#include "chat/xmpp/XMPPJid.h"

#include "chat/xmpp/XMPPElements.h"

#include <stdexcept>

XMPPJid::XMPPJid(const QString &domain, const QString &node, const QString &resource)
{
    if (domain.size() > MaxPartLength)
        throw std::invalid_argument("domainId too long");
    if (node.size() > MaxPartLength)
        throw std::invalid_argument("nodeId too long");
    if (resource.size() > MaxPartLength)
        throw std::invalid_argument("resourceId too long");
    m_text = node.isEmpty() ? domain : node + QLatin1Char('@') + domain;
    if (!resource.isEmpty())
        m_text += QLatin1Char('/') + resource;
}

XMPPJid parseJid(const QString &text)
{
    const int at = text.indexOf(QLatin1Char('@'));
    const QString node = at < 0 ? QString() : text.left(at);
    const QString rest = at < 0 ? text : text.mid(at + 1);
    const int slash = rest.indexOf(QLatin1Char('/'));
    const QString domain = slash < 0 ? rest : rest.left(slash);
    const QString resource = slash < 0 ? QString() : rest.mid(slash + 1);
    try {
        return XMPPJid(domain, node, resource);
    } catch (const std::invalid_argument &e) {
        throw xmpp::stream_parse_error(xmpp::BadFormat,
                                       QStringLiteral("invalid JID <%1>: %2")
                                           .arg(text, QString::fromLatin1(e.what())));
    }
}

QString jidNode(const XMPPJid &jid)
{
    const QString &text = jid.toString();
    const int at = text.indexOf(QLatin1Char('@'));
    return at < 0 ? text : text.left(at);
}

QString jidDomain(const XMPPJid &jid)
{
    const QString &text = jid.toString();
    const int slash = text.indexOf(QLatin1Char('/'));
    const QString beforeSlash = slash < 0 ? text : text.left(slash);
    const int at = beforeSlash.indexOf(QLatin1Char('@'));
    return at < 0 ? beforeSlash : beforeSlash.mid(at + 1);
}

XMPPJid jidBare(const XMPPJid &jid)
{
    const QString &text = jid.toString();
    const int slash = text.indexOf(QLatin1Char('/'));
    return XMPPJid(XMPPJid::RawText(), slash < 0 ? text : text.left(slash));
}
