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
#include <vector>

class XMPPClient;

// One multi-user chat room seen from the local user: joins it under a nick (retrying
// while the room is still locked, and again when the chat connection is back after a
// loss), leaves it, sends to it, and turns the room's presences and messages into
// signals. "user" signals are about the local user, "participant" signals about other
// occupants. Only the history the room sends at a join, before its subject, keeps the
// times its lines were first sent, by the room's own stamp; every later line is live,
// whatever it claims. A rejoin's history shows only the lines not shown yet, known by
// the id the room gives each line or else by sender, text and the room's stamp, and
// places them below the loss that hid them. Times are the game server's, which the
// chat server shares.
class XMPPConference : public QObject
{
    Q_OBJECT

public:
    static constexpr int JoinRetryDelayMs = 1000;
    static constexpr int MaxJoinRetries = 5;
    // A rejoin asks for the history since the room was last heard from and this much
    // before it.
    static constexpr int RejoinHistoryMarginSeconds = 5;
    // The server counts the seconds asked for from a whole second of its own: the
    // history may start this much before the time asked for.
    static constexpr qint64 HistoryRoundingMs = 1000;
    // The lines shown that a later history may bring again, as many as a room view
    // keeps.
    static constexpr int MaxShownLines = 1000;

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
    // When the chat connection was last lost while in the room or joining it: the
    // lines first seen after it come later. Null before a loss.
    QDateTime lossTime() const;
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
    // A line as the room knows it: the id it gave the line (null without one), who
    // said what, and the room's stamp where the line came with one.
    struct SaidLine
    {
        QString id;
        size_t said = 0;
        std::optional<qint64> stampMs;
    };
    SaidLine saidLine(const XMPPMessage &received) const;
    void showLiveLine(const XMPPMessage &received, qint64 nowMs);
    void showHistoryLine(const XMPPMessage &received, qint64 nowMs);
    // Shows the history's lines that came without a stamp worth keeping before the
    // line before them was known, in the order they came, just before atMs.
    void placeUnplacedLines(qint64 atMs);
    void emitPlaced(const XMPPMessage &received, qint64 atMs);
    // When the room says the line was sent, in its own name or the server's; null
    // without such a stamp.
    QDateTime roomStamp(const XMPPMessage &received) const;
    // The line shown already that this one of the history is; null when it is new.
    struct ShownLine;
    ShownLine *findShownLine(const SaidLine &line);
    void rememberLine(const SaidLine &line, qint64 heardMs, qint64 placedMs);

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
    // Lines of the history at its start whose stamps say nothing of when they were
    // sent (none, or one later than the present): placed just before the first line
    // after them that can be placed.
    std::vector<XMPPMessage> m_unplacedLines;
    // When the room was last heard from: the last live line came, or a line of a
    // history was sent by the room's stamp; negative before either. A rejoin cut
    // short before its history has been shown leaves it.
    qint64 m_lastHeardMs = -1;
    // When the connection was lost while in the room; none before.
    std::optional<qint64> m_lostAtMs;
    // The lines shown, oldest first, kept while a later history may bring them again:
    // the room had each by the time it came here, and a history brings only lines the
    // room had since the time it starts at.
    struct ShownLine
    {
        SaidLine line;
        qint64 heardMs;
        qint64 placedMs;
    };
    std::deque<ShownLine> m_shownLines;
    // The history's lines without the room's id overlap the lines shown in the room's
    // order, and the history's first new line ends the overlap: where in the lines
    // shown the next such line is looked for, and whether the overlap has ended.
    size_t m_matchFrom = 0;
    bool m_overlapEnded = false;
    QTimer m_joinTimer;
    int m_joinAttempts = 0;
};
