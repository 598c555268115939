#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

// The bookkeeping of one chat room's lines, free of the connection and the view: which
// lines were shown, where a line of a join's history goes, which lines are copies of
// lines shown already, and which of the user's own lines a reflection or a history
// settles. Only the history the room sends at a join keeps the times its lines were
// first sent, by the room's own stamp; every later line is live, whatever it claims.
// A rejoin's history shows only the lines not shown yet, known by the id the room
// gives each line, by the id its sender gave it, or else by sender, text and the
// room's stamp, and places them below the loss that hid them. Times are milliseconds
// since the epoch by the game server's clock, which the chat server shares.
class RoomLineBook
{
public:
    // A rejoin asks for the history since the room was last heard from and this much
    // before it.
    static constexpr int RejoinHistoryMarginSeconds = 5;
    // The server counts the seconds asked for from a whole second of its own: the
    // history may start this much before the time asked for.
    static constexpr qint64 HistoryRoundingMs = 1000;
    // The lines shown that a later history may bring again, as many as a room view
    // keeps; as many own lines are kept waiting for the room.
    static constexpr int MaxShownLines = 1000;
    static constexpr int MaxOwnLines = 1000;

    // A line as the room passes it on.
    struct Line
    {
        // The occupant's address in the room, "room/nick".
        QString sender;
        QString text;
        // The id the room gave the line, the id its sender gave it, and the stanza's
        // own id; null where there is none.
        QString roomId;
        QString originId;
        QString messageId;
        // The room's stamp of when the line was sent, where it came with one.
        std::optional<qint64> stampMs;
    };

    // A line to show now: the number the caller gave it, and where it goes; a live
    // line goes where and when it arrived.
    struct Placement
    {
        quint64 token;
        std::optional<qint64> atMs;
    };

    struct Verdict
    {
        // The lines to show now, in this order: held lines of the history that have
        // their place at last, then the line given, unless it is shown already.
        std::vector<Placement> show;
        // The line given waits in the book for the line after it to place it; the
        // caller keeps it until a placement names it.
        bool held = false;
        // The user's own line that the room now has, by the id it was sent with.
        QString settledOwnId;
    };

    // A join from scratch: nothing shown or heard before, all the history asked for.
    void reset();
    // The occupant address the user speaks under.
    void setOwnOccupant(const QString &sender) { m_ownOccupant = sender; }

    // Sets the history a join after a lost connection asks for: the lines since the
    // room was last heard from, and a margin for the way.
    void prepareRejoin(qint64 nowMs);
    // The history the next join asks for, in seconds back; all of it when negative.
    int historySeconds() const { return m_historySeconds; }
    // A join goes out now: its history follows, up to the room's subject.
    void historyRequested(qint64 nowMs);
    bool inHistory() const { return m_inHistory; }
    Verdict historyLine(const Line &line, quint64 token, qint64 nowMs);
    // The room's subject ends the history, as does a connection lost before it: the
    // lines still held are shown just before the time given.
    Verdict endHistory(qint64 atMs);
    Verdict liveLine(const Line &line, quint64 token, qint64 nowMs);

    // The connection was lost while in the room or joining it: the lines first seen
    // after it come later.
    void lostAt(qint64 nowMs) { m_lostAtMs = nowMs; }
    std::optional<qint64> lossMs() const { return m_lostAtMs; }

    // The user sent a line with this id: the room's copy of it, live or in a history,
    // settles it.
    void ownLineSent(const QString &id);
    // The room refused the user's line with this id: true when it was waiting.
    bool ownLineRefused(const QString &id) { return !id.isEmpty() && m_ownWaiting.removeOne(id); }

private:
    struct Said
    {
        QString roomId;
        // The id the sender gave the line, where it can be trusted to name one line.
        QString senderId;
        size_t said = 0;
        std::optional<qint64> stampMs;
    };
    struct ShownLine
    {
        Said line;
        qint64 heardMs;
        qint64 placedMs;
    };

    Said said(const Line &line) const;
    QString settle(const Line &line);
    // The line shown already that this one is a copy of; null when it is new. A line
    // of a history moves on the matching of the history's lines without ids.
    ShownLine *findShownLine(const Said &line, bool fromHistory, qint64 nowMs);
    void rememberLine(const Said &line, qint64 heardMs, qint64 placedMs);
    void placeHeldLines(qint64 atMs, qint64 nowMs, Verdict &verdict);

    QString m_ownOccupant;
    // The ids of the user's lines the room has not passed on yet, oldest first.
    QStringList m_ownWaiting;
    bool m_inHistory = false;
    int m_historySeconds = -1;
    // Where the history the join asks for starts; the least value when it asks for all
    // of it.
    qint64 m_historyStartMs = std::numeric_limits<qint64>::min();
    // When the line before in the join's history was placed; none before one came (a
    // stamp may lie before the epoch).
    std::optional<qint64> m_lastHistoryLineMs;
    // Lines of the history at its start whose stamps say nothing of when they were
    // sent (none, or one later than the present): placed just before the first line
    // after them that can be placed.
    std::vector<std::pair<quint64, Said>> m_heldLines;
    // When the room was last heard from: the last live line came, or a line of a
    // history was sent by the room's stamp; negative before either. A rejoin cut
    // short before its history has been shown leaves it.
    qint64 m_lastHeardMs = -1;
    std::optional<qint64> m_lostAtMs;
    // The lines shown, oldest first, kept while a later history may bring them again:
    // the room had each by the time it came here, and a history brings only lines the
    // room had since the time it starts at.
    std::deque<ShownLine> m_shownLines;
    // The history's lines without ids overlap the lines shown in the room's order, and
    // the history's first new line ends the overlap: where in the lines shown the next
    // such line is looked for, and whether the overlap has ended.
    size_t m_matchFrom = 0;
    bool m_overlapEnded = false;
};
