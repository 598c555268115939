#pragma once

#include "chat/xmpp/XMPPJid.h"
#include "chat/xmpp/XMPPMessage.h"
#include "chat/xmpp/XMPPPresence.h"
#include "chat/xmpp/RoomLineBook.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>

#include <map>

class XMPPClient;

// One multi-user chat room seen from the local user: joins it under a nick (retrying
// while the room is still locked, and again when the chat connection is back after a
// loss), leaves it, sends to it, and turns the room's presences and messages into
// signals. "user" signals are about the local user, "participant" signals about other
// occupants. Which lines show, and where, the room's book of lines decides.
class XMPPConference : public QObject
{
    Q_OBJECT

public:
    static constexpr int JoinRetryDelayMs = 1000;
    static constexpr int MaxJoinRetries = 5;

    explicit XMPPConference(QObject *parent = nullptr);
    ~XMPPConference() override;

    void setClient(XMPPClient *client);
    XMPPClient *client() const;
    // The bare room address, node and domain in lower case as the server sends them.
    // Throws std::runtime_error while joined.
    void setRoom(const QString &room);
    QString room() const { return m_room; }

    // A null nick joins under the node of the own address.
    void join(const QString &nick);
    void leave();
    // A line sent again keeps the id it was first sent with. The message's id, which
    // the client's confirmation and the room's copy of the line name.
    QString sendMessage(const QString &text, const QString &id = QString());

    bool isJoined() const { return m_joined; }
    // A join sent and not answered yet, or due once the lost connection is back.
    bool isJoining() const { return m_joining || m_rejoin; }
    // When the chat connection was last lost while in the room or joining it: the
    // lines first seen after it come later. Null before a loss.
    QDateTime lossTime() const;
    QString nick() const { return m_nick; }
    // The room lets the user speak: he is no visitor there.
    bool maySpeak() const { return m_maySpeak; }

signals:
    void message(const XMPPMessage &message);
    // The room has the user's line sent with this id: it passed it on now, or a
    // history shows that it had it.
    void ownLineSaid(const QString &id);
    // The room answered the user's line with an error, in its words or by the error's
    // name.
    void ownLineRefused(const QString &id, const QString &reason);
    void presence(const XMPPPresence &presence);
    void userError(XMPPConference *conference, XMPPPresence::error_t error);
    // The user is in the room; a presence that only changes his role is no join.
    void userJoined(XMPPConference *conference);
    void userLeft(XMPPConference *conference);
    // The room gave the user his voice, or took it: a visitor may not speak.
    void userVoiceChanged(bool maySpeak);
    // The room was destroyed while the user was in it, for the reason given in its
    // owner's words (null without them).
    void userRoomDestroyed(const QString &reason);
    // The chat connection was lost while in the room or joining it; the room is
    // joined again when the connection is back.
    void userDisconnected(XMPPConference *conference);
    void userKicked(XMPPConference *conference, const XMPPJid &actor, const QString &reason);
    void userBanned(XMPPConference *conference, const XMPPJid &actor, const QString &reason);
    void participantJoined(XMPPConference *conference, const QString &nick);
    void participantLeft(XMPPConference *conference, const QString &nick);
    void participantKicked(XMPPConference *conference, const QString &nick, const XMPPJid &actor,
                           const QString &reason);
    void participantBanned(XMPPConference *conference, const QString &nick, const XMPPJid &actor,
                           const QString &reason);

public slots:
    void onMessage(const XMPPMessage &message);
    void onMessageRefused(const XMPPMessage &error);
    void onPresence(const XMPPPresence &presence);
    void onConnected();
    void onDisconnected();
    void onClientDestroyed();
    void onJoinTimerTimeout();

private:
    void requireClient() const;
    void sendJoin();
    void handlePresence(const XMPPPresence &presence);
    QString bareOf(const QString &jid) const;
    RoomLineBook::Line bookLine(const XMPPMessage &received) const;
    // Shows the lines of a history the book places, keeps the one it holds and tells
    // of the own line it settles.
    void apply(const RoomLineBook::Verdict &verdict, quint64 token);
    // When the room says the line was sent, in its own name or the server's; null
    // without such a stamp.
    QDateTime roomStamp(const XMPPMessage &received) const;

    QPointer<XMPPClient> m_client;
    QString m_room;
    QString m_nick;
    bool m_joined = false;
    bool m_joining = false;
    // Join again once the connection is back, asking only for the lines since the
    // room was last heard from.
    bool m_rejoin = false;
    RoomLineBook m_book;
    // The lines of a history given to the book and not shown yet, by the number they
    // were given under: only those it holds stay.
    std::map<quint64, XMPPMessage> m_lines;
    quint64 m_nextToken = 0;
    QTimer m_joinTimer;
    int m_joinAttempts = 0;
    bool m_maySpeak = true;
    // The room was destroyed: what it says of the user after that is no news.
    bool m_gone = false;
    // The other occupants present, by nick, since the join: a presence of one of them
    // that only changes his role or status is no join.
    QSet<QString> m_occupants;
};
