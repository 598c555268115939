#pragma once

#include "chat/xmpp/XMPPJid.h"
#include "chat/xmpp/XMPPMessage.h"
#include "chat/xmpp/XMPPPresence.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include <deque>

class XMPPChat;
class XMPPClient;

// Routes incoming one-to-one messages to their chats: one chat per user, whichever of
// his resources (clients) writes, by his bare address; a message of a user without a
// chat starts one. A copy of a message that came already, sent again under the id its
// sender first gave it, is dropped. An error that answers a chat's own line goes to that
// chat.
class XMPPChatManager : public QObject
{
    Q_OBJECT

public:
    explicit XMPPChatManager(XMPPClient *client);
    ~XMPPChatManager() override;

    // The chat with the user of the address: the one there is, or one started by the
    // local user, with a new thread, whose lines go to the address until the user writes.
    XMPPChat *chatWith(const XMPPJid &jid);
    XMPPChat *createChat(const QString &jid, const QString &thread, bool local);
    // The chat with the user of the address (any of his resources), if there is one.
    XMPPChat *chatFor(const QString &jid) const;

    // The message's id; null when the message did not reach the chat connection.
    QString send(const XMPPMessage &message);
    QString ownJid() const;
    XMPPClient *client() const;

    // "<uuid of this run>-<n>", n counting from 0 across the whole program.
    static QString newThreadId();
    // The messages remembered to know copies by.
    static constexpr int MaxRememberedMessages = 1000;

signals:
    void chatCreated(XMPPChat *chat, bool local);

public slots:
    void onMessage(const XMPPMessage &message);
    void onMessageRefused(const XMPPMessage &error);
    void onChatDestroyed(XMPPChat *chat);

private:
    // False for a copy of a message that came already.
    bool isFirstCopy(const XMPPMessage &message);

    QPointer<XMPPClient> m_client;
    // By the users' bare addresses.
    QMap<QString, XMPPChat *> m_chatsByJid;
    // The messages that came with their senders' ids, by sender, id and text, oldest
    // first.
    std::deque<QString> m_rememberedOrder;
    QSet<QString> m_remembered;
};

// One one-to-one conversation with a user. His lines may come from any of his resources:
// the own lines go to the resource that wrote last, and to his bare address once that
// resource is gone or the chat connection was lost, when the server passes them on to
// the resources he has then.
class XMPPChat : public QObject
{
    Q_OBJECT

public:
    // The address given is where the lines go first.
    XMPPChat(XMPPChatManager *manager, const QString &jid, const QString &thread);
    ~XMPPChat() override;

    // The user's bare address.
    QString jid() const { return m_jid; }
    // Where the own lines go now.
    QString to() const { return m_to; }
    QString thread() const { return m_thread; }

    // Sends the line, with the id it was first sent with when it is sent again. It
    // shows through confirmed() and message() once the server has confirmed it, or
    // comes back through notSent() when the connection ended before and the server did
    // not take it, or nobody can tell. Its id; null, with
    // neither, when it did not reach the chat connection.
    QString send(const QString &text, const QString &id = QString());
    // A line of the user, which the next own lines answer.
    void deliver(const XMPPMessage &received);
    // The error answers an own line of the chat: it goes through refused(). False for
    // any other.
    bool takeRefusal(const XMPPMessage &error);
    // The own lines confirmed that an error may still name.
    static constexpr int MaxRememberedLines = 100;
    // The client the chat goes through; null once it is gone.
    XMPPClient *client() const;

signals:
    // Every message of the chat, incoming and own.
    void message(const XMPPMessage &message);
    // The server has the own line sent with this id; message() shows it next.
    void confirmed(const QString &id);
    // The own lines the server did not confirm before the connection ended, in the
    // order they were sent: it did not take them, or they may have gone.
    void notSent(const QList<XMPPMessage> &lines, bool mayHaveGone);
    // The server could not pass the own line on (the peer or his server does not
    // exist) and answered it with the error. It comes before or after the line's
    // confirmation; either way the line reached nobody.
    void refused(const XMPPMessage &line, const XMPPMessage &error);
    void destroyed(XMPPChat *chat);

private:
    void onConfirmed(const QString &id);
    void onNotSent(const QStringList &ids, bool mayHaveGone);
    void onPresence(const XMPPPresence &presence);
    void onDisconnected();

    QPointer<XMPPChatManager> m_manager;
    QString m_jid;
    QString m_to;
    QString m_thread;
    // Own lines sent and not confirmed yet, by message id.
    QHash<QString, XMPPMessage> m_unconfirmed;
    // The last own lines confirmed, oldest first: a server refuses a line to another
    // server only after it has confirmed it.
    std::deque<XMPPMessage> m_confirmed;
};
