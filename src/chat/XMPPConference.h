#pragma once

#include "chat/xmpp/XMPPJid.h"
#include "chat/xmpp/XMPPMessage.h"
#include "chat/xmpp/XMPPPresence.h"
#include "chat/xmpp/RoomLineBook.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>

#include <deque>
#include <map>
#include <optional>
#include <utility>

class XMPPClient;

// One multi-user chat room seen from the local user: joins it under a nick (retrying
// while the room is still locked, and again when the chat connection is back after a
// loss), leaves it, sends to it, and turns the room's presences and messages into
// signals. "user" signals are about the local user, "participant" signals about other
// occupants. Which lines show, and where, the room's book of lines decides; what a
// resumed session brings again before the rejoin's own presence reached the client and
// shows too. The user's lines that wait for the room to pass them on are the
// conference's, until the room passes them on or refuses them, or they are taken back:
// at the latest when the confirmation limit of the chat connection has passed, as the
// link is then taken as lost, or as the user is no longer in the room. Those waiting as
// the connection is lost are settled as a one-to-one line is: the server's count at the
// resumption, or the lack of one, tells which it did not take; those it took wait for
// the room's copy, which the resumed session or the rejoin's history brings, and a
// history that reaches back to the loss without it tells that the room did not pass
// them on.
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
    // the client's confirmation and the room's copy of the line name. The line waits
    // for the room's copy.
    QString sendMessage(const QString &text, const QString &id = QString());

    // The user's line that waits for the room to pass it on.
    struct OwnLine
    {
        QString id;
        QString text;
    };
    // The lines waiting, in the order sent, those that waited as the connection was lost
    // first, taken out: they no longer wait.
    QList<OwnLine> takeOwnLines();

    bool isJoined() const { return m_joined; }
    // A join sent and not answered yet, or due once the lost connection is back.
    bool isJoining() const { return m_joining || m_rejoin; }
    // When the chat connection was last lost while in the room or joining it, taken as
    // when the room or the chat server was last heard from before: the lines first seen
    // after it come later. Null before a loss.
    QDateTime lossTime() const;
    QString nick() const { return m_nick; }
    // The room lets the user speak: he is no visitor there.
    bool maySpeak() const { return m_maySpeak; }

signals:
    void message(const XMPPMessage &message);
    // The room has the user's line sent with this id: it passed it on now, or a
    // history shows that it had it; the line may have waited or been taken back.
    void ownLineSaid(const QString &id);
    // The room answered the user's waiting line with the error; the line no longer
    // waits.
    void ownLineRefused(const QString &id, const QString &text, const XMPPMessage &error);
    // Lines wait longer than the confirmation limit while the user is not in the room,
    // which will not pass them on: takeOwnLines() has them.
    void ownLinesUnanswered();
    // Lines that waited as the connection was lost did not reach the room, or may not
    // have reached it; in the order sent, no longer waiting.
    void ownLinesNotSent(const QList<XMPPConference::OwnLine> &lines, bool mayHaveGone);
    void presence(const XMPPPresence &presence);
    void userError(XMPPConference *conference, XMPPPresence::error_t error);
    // The user is in the room; a presence that only changes his role is no join.
    void userJoined(XMPPConference *conference);
    void userLeft(XMPPConference *conference);
    // The room gave the user his voice, or took it: a visitor may not speak. The
    // reason is the moderator's words, null without them.
    void userVoiceChanged(bool maySpeak, const QString &reason);
    // The room was destroyed while the user was in it, for the reason given in its
    // owner's words (null without them).
    void userRoomDestroyed(const QString &reason);
    // The chat connection was lost while in the room or joining it; the room is
    // joined again when the connection is back.
    void userDisconnected(XMPPConference *conference);
    // The history of the rejoin cannot reach back to the loss: lines said meanwhile may
    // be missing. They would stand at the time given, just before the history's lines.
    void linesMissing(const QDateTime &at);
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
    void onMessagesNotSent(const QStringList &ids, bool mayHaveGone);
    void onPresence(const XMPPPresence &presence);
    void onConnected();
    void onDisconnected();
    void onClientDestroyed();
    void onJoinTimerTimeout();
    void onOwnLinesTimeout();

private:
    void requireClient() const;
    void sendJoin();
    void handleMessage(const XMPPMessage &received);
    // A line that came before the rejoin's own presence, sent again by the resumed session.
    void handleResent(const XMPPMessage &received);
    // The room was heard from now.
    void heard();
    void handlePresence(const XMPPPresence &presence);
    QString bareOf(const QString &jid) const;
    // The present by the view's clock and the chat server's.
    RoomLineBook::Now now() const;
    RoomLineBook::Line bookLine(const XMPPMessage &received) const;
    // Tells of the own lines the room has, and shows the lines of a history the book
    // places; the lines of a history decided and not placed were shown already.
    void apply(const RoomLineBook::Verdict &verdict);
    std::optional<OwnLine> takeOwnLine(const QString &id);
    // The lines that waited as the connection was lost and are still waiting, taken out
    // and told not sent.
    void lostLinesNotSent(bool mayHaveGone);
    // The timer of the oldest line waiting, when it is due.
    void armOwnLines();
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
    // When the room was last heard from on the view's clock, once what it said then was
    // shown; none before the first join.
    std::optional<qint64> m_heardMs;
    // The lines of a history given to the book and not decided yet, by the number they
    // were given under.
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
    // The user's lines waiting for the room, oldest first, with when each was sent on
    // the local steady clock; those that waited as the connection was lost, oldest
    // first, apart.
    std::deque<std::pair<OwnLine, qint64>> m_ownLines;
    std::deque<OwnLine> m_lostLines;
    QTimer m_ownLinesTimer;
};
