#pragma once

#include "chat/xmpp/XMPPJid.h"
#include "chat/xmpp/XMPPMessage.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include <deque>

class XMPPChat;
class XMPPClient;

// Routes incoming one-to-one messages to their chats: by thread, then by the sender's
// full address, then by its bare address; a message that fits no chat starts one. A
// copy of a message that came already, sent again under the id its sender first gave
// it, is dropped. An error that answers a chat's own line goes to that chat.
class XMPPChatManager : public QObject
{
    Q_OBJECT

public:
    explicit XMPPChatManager(XMPPClient *client);
    ~XMPPChatManager() override;

    // A chat started by the local user, with a new thread.
    XMPPChat *chatWith(const XMPPJid &jid);
    XMPPChat *createChat(const QString &jid, const QString &thread, bool local);
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
    QMap<QString, XMPPChat *> m_chatsByThread;
    QMap<QString, XMPPChat *> m_chatsByJid;
    // The messages that came with their senders' ids, by sender, id and text, oldest
    // first.
    std::deque<QString> m_rememberedOrder;
    QSet<QString> m_remembered;
};

// One one-to-one conversation with a peer address.
class XMPPChat : public QObject
{
    Q_OBJECT

public:
    XMPPChat(XMPPChatManager *manager, const QString &jid, const QString &thread);
    ~XMPPChat() override;

    QString jid() const { return m_jid; }
    QString thread() const { return m_thread; }

    // Sends the line, with the id it was first sent with when it is sent again. It
    // shows through confirmed() and message() once the server has confirmed it, or
    // comes back through notSent() when the connection ended before and the server did
    // not take it, or nobody can tell. Its id; null, with
    // neither, when it did not reach the chat connection.
    QString send(const QString &text, const QString &id = QString());
    void deliver(const XMPPMessage &received) { emit message(received); }
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

    QPointer<XMPPChatManager> m_manager;
    QString m_jid;
    QString m_thread;
    // Own lines sent and not confirmed yet, by message id.
    QHash<QString, XMPPMessage> m_unconfirmed;
    // The last own lines confirmed, oldest first: a server refuses a line to another
    // server only after it has confirmed it.
    std::deque<XMPPMessage> m_confirmed;
};
