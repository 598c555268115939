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
    const qsizetype at = text.indexOf(QLatin1Char('@'));
    const qsizetype restStart = at < 0 ? 0 : at + 1;
    const qsizetype slash = text.indexOf(QLatin1Char('/'), restStart);
    const qsizetype nodeLength = at < 0 ? 0 : at;
    const qsizetype domainLength = (slash < 0 ? text.size() : slash) - restStart;
    const qsizetype resourceLength = slash < 0 ? 0 : text.size() - slash - 1;
    const char *refusal = domainLength > XMPPJid::MaxPartLength   ? "domainId too long"
        : nodeLength > XMPPJid::MaxPartLength                     ? "nodeId too long"
        : resourceLength > XMPPJid::MaxPartLength                 ? "resourceId too long"
                                                                  : nullptr;
    if (refusal) {
        throw xmpp::stream_parse_error(
            xmpp::BadFormat, QStringLiteral("invalid JID <%1>: %2").arg(text, QLatin1String(refusal)));
    }
    // The text reads back unchanged unless it has an empty node or resource.
    if ((at < 0 || nodeLength > 0) && (slash < 0 || resourceLength > 0))
        return XMPPJid(XMPPJid::RawText(), text);
    return XMPPJid(text.mid(restStart, domainLength), text.left(nodeLength),
                   slash < 0 ? QString() : text.mid(slash + 1));
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
