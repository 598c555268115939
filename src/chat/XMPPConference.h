#pragma once

#include "chat/xmpp/XMPPJid.h"
#include "chat/xmpp/XMPPMessage.h"
#include "chat/xmpp/XMPPPresence.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <limits>
#include <optional>

class XMPPClient;

// One multi-user chat room seen from the local user: joins it under a nick (retrying
// while the room is still locked, and again when the chat connection is back after a
// loss), leaves it, sends to it, and turns the room's presences and messages into
// signals. "user" signals are about the local user, "participant" signals about other
// occupants. Only the history the room sends at a join, before its subject, keeps the
// times its lines were first sent, by the room's own stamp; every later line is live,
// whatever it claims. Times are the game server's, which the chat server shares.
class XMPPConference : public QObject
{
    Q_OBJECT

public:
    static constexpr int JoinRetryDelayMs = 1000;
    static constexpr int MaxJoinRetries = 5;
    // A rejoin asks for the history since the last live line shown and this much
    // before it.
    static constexpr int RejoinHistoryMarginSeconds = 5;
    // The lines shown this long before the last live line, which the history of a
    // rejoin brings again: the margin, and the second the time asked for is rounded up
    // by at most.
    static constexpr qint64 RecentLinesMs = (RejoinHistoryMarginSeconds + 1) * 1000;
    static constexpr int MaxRecentLines = 1000;

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
    // The message's id, which the client's confirmation names.
    QString sendMessage(const QString &text);

    bool isJoined() const { return m_joined; }
    // A join sent and not answered yet, or due once the lost connection is back.
    bool isJoining() const { return m_joining || m_rejoin; }
    QString nick() const { return m_nick; }

signals:
    void message(const XMPPMessage &message);
    void presence(const XMPPPresence &presence);
    void userError(XMPPConference *conference, XMPPPresence::error_t error);
    void userJoined(XMPPConference *conference);
    void userLeft(XMPPConference *conference);
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
    void showLiveLine(const XMPPMessage &received, size_t key, qint64 nowMs);
    void showHistoryLine(const XMPPMessage &received, size_t key, qint64 nowMs);
    // When the room says the line was sent, in its own name or the server's; null
    // without such a stamp.
    QDateTime roomStamp(const XMPPMessage &received) const;
    // A line of the history shown already, before the connection was lost: forgotten
    // then, as the history holds it once. When it was shown; none when it was not.
    std::optional<qint64> takeShownLine(size_t key);
    void rememberLine(size_t key, qint64 atMs);

    QPointer<XMPPClient> m_client;
    QString m_room;
    QString m_nick;
    bool m_joined = false;
    bool m_joining = false;
    // Join again once the connection is back, asking only for the lines since the
    // room was last heard from.
    bool m_rejoin = false;
    // Between a join and the room's subject: the history.
    bool m_inHistory = false;
    // The history the join asks for, in seconds back; all of it when negative.
    int m_historySeconds = -1;
    // Times in milliseconds since the epoch. Where the history the join asks for
    // starts; the least value when it asks for all of it.
    qint64 m_historyStartMs = std::numeric_limits<qint64>::min();
    // When the line before in the join's history was placed; none before one came (a
    // stamp may lie before the epoch).
    std::optional<qint64> m_lastHistoryLineMs;
    // When the last live line shown came; negative before one did. Nothing else
    // counts: a rejoin cut short before its history has been shown leaves it.
    qint64 m_lastHeardMs = -1;
    // The lines shown last, by a hash of sender and text, with when they were sent,
    // oldest first.
    struct RecentLine
    {
        size_t key;
        qint64 atMs;
    };
    std::deque<RecentLine> m_recentLines;
    QTimer m_joinTimer;
    int m_joinAttempts = 0;
};
