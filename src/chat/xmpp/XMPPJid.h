#pragma once

#include <QMetaType>
#include <QString>

// An XMPP address "node@domain/resource"; node and resource may be absent.
class XMPPJid
{
public:
    XMPPJid() = default;
    // Throws std::invalid_argument when a part is longer than 1023 characters.
    XMPPJid(const QString &domain, const QString &node, const QString &resource);

    const QString &toString() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }

    bool operator==(const XMPPJid &other) const { return m_text == other.m_text; }
    bool operator!=(const XMPPJid &other) const { return m_text != other.m_text; }
    bool operator<(const XMPPJid &other) const { return m_text < other.m_text; }

    static constexpr int MaxPartLength = 1023;

private:
    friend XMPPJid jidBare(const XMPPJid &jid);
    friend XMPPJid parseJid(const QString &text);
    struct RawText {};
    XMPPJid(RawText, const QString &text) : m_text(text) {}

    QString m_text;
};

XMPPJid jidBare(const XMPPJid &jid);

// The reader of received addresses; throws xmpp::stream_parse_error (bad-format)
// for a part that is too long.
XMPPJid parseJid(const QString &text);
QString jidNode(const XMPPJid &jid);
QString jidDomain(const XMPPJid &jid);

inline size_t qHash(const XMPPJid &jid, size_t seed = 0) { return qHash(jid.toString(), seed); }

Q_DECLARE_METATYPE(XMPPJid)
