#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>

#include "chat/xmpp/XMPPElements.h"

// A chat message, received or to be sent.
class XMPPMessage
{
public:
    enum Type { Error = 0, Chat = 1, GroupChat = 2, Headline = 3, Normal = 4 };

    XMPPMessage() = default;
    XMPPMessage(const QString &to, int type);
    XMPPMessage(const xmpp::MessageStanza &stanza, const QString &defaultLanguage);

    int type() const { return m_type; }
    void setType(int type);
    QString from() const { return m_stanza.from.toString(); }
    void setFrom(const QString &from);
    QString to() const { return m_stanza.to.toString(); }
    // The stanza's id; a message sent again keeps the one it was first sent with.
    QString id() const { return m_stanza.id; }
    void setId(const QString &id) { m_stanza.id = id; }
    // The id the sender gave the message itself, the same on every copy it sends;
    // null without one.
    QString originId() const { return m_stanza.originId; }
    // The words an error message came with; null without them.
    QString errorText() const { return m_stanza.errorText; }
    // Why the sender refused the message, as the log keeps it: its words, else the
    // error's name.
    QString errorReason() const;
    QString thread() const { return m_stanza.thread; }
    void setThread(const QString &thread) { m_stanza.thread = thread; }
    // The message's own language: the stanza's xml:lang, else its default language.
    QString language() const;
    void setBody(const QString &language, const QString &text);
    void setBody(const QString &text);
    QString body(const QString &language) const;
    QString body() const;
    bool hasDelay() const { return !m_stanza.delays.isEmpty(); }
    // The time of the last delay stamp, as a server puts its own after any the sender
    // wrote; null without one.
    QDateTime delayStamp() const;
    // The time of the last delay stamp by the entity (its address compared without
    // regard to case); null without one.
    QDateTime delayStampBy(const QString &entity) const;
    // The one stamp the message carries from now on.
    void setDelay(const XMPPJid &from, const QDateTime &stamp);
    void clearDelay() { m_stanza.delays.clear(); }
    // The id the entity gave the message (its address compared without regard to
    // case); null without one.
    QString stanzaIdBy(const QString &entity) const;

    const xmpp::MessageStanza &stanza() const { return m_stanza; }

    static int typeFromName(const QString &name);
    static QString typeName(int type);

private:
    QString bodyKey(const QString &language) const;

    int m_type = Normal;
    xmpp::MessageStanza m_stanza;
};

Q_DECLARE_METATYPE(XMPPMessage)
