#pragma once

#include "chat/xmpp/ClockSteps.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <limits>
#include <optional>
#include <vector>

// The bookkeeping of one chat room's lines, free of the connection and the view: which
// lines were shown, which lines of a join's history were shown already and where the
// others go, and which of the user's own lines the room has. Only the history the room
// sends at a join keeps the times its lines were first sent, by the room's own stamp;
// every later line is live, whatever it claims. A rejoin's history shows only the lines
// not shown yet, below the loss that hid them.
//
// Which lines of a history were shown already, one rule (shownAt):
// - A line with an id (the room's, or one its sender gave it) is the shown line with
//   that id (shownWithId).
// - One without an id that the room stamped is the shown line with that stamp, sender
//   and text, wherever it stands: the room stamps a line once, and a history brings it
//   again with the same stamp. A shown line learns its stamp from the history that first
//   brings it again.
// - The others go by sender and text, in order (matchRun). A history is a run of the
//   room's lines up to the present, so what it repeats is the end of the lines shown: as
//   many of the last lines shown as the history holds in that order are taken as
//   repeated, each by the earliest of its lines that fits. Its other lines are new, also
//   those between them: one line that does not fit does not end the overlap. The lines
//   shown stand in the room's order as the last history that held them tells it: a line
//   taken for one shown before and shown by a later history goes before the lines said
//   after it, whenever it was shown (followHistoryOrder).
// - A stamp parts two lines only where the room stamped the history's line after the
//   shown one was heard here, beyond how far the client may misjudge the chat server's
//   clock: such a pair does not fit (stampsPart). A shown line keeps when it was heard by
//   the local steady clock and by the reckoning of that time; each stamp is compared
//   against every reading the room's stamps can have had then, also by a step of the
//   server's clock seen later, or one seen before whose stamps may still lag
//   (stampSpans, ClockSteps::stampedBy).
// Where a history alone cannot tell a line said again at once from the line it repeats
// (stamped before the first reached the client, at the start of a history that no
// longer holds the first), the two are taken as one.
//
// Where the others go, line by line in the room's order (decideHistory). A stamp the
// room kept from the sender, or one in its name where it adds none, may say anything:
// - A line goes by the room's stamp, within the time the history was asked for; a stamp
//   later than the present says nothing of when the line was sent (stampedAt).
// - It goes after the line before it, a millisecond later at the least, so that the view
//   keeps the room's order also when it learns the senders' names in another; and a line
//   first seen after a rejoin goes below the loss that hid it (placeOf).
// - A line shown already is not shown again, and the lines after it go after it.
// - A line that neither can place (no stamp that says anything, no line before it)
//   waits for the first line after it that can be placed, and goes just before it; at
//   the end, just before the present (placeHeld). A copy of a waiting line by its id is
//   the same line (heldAlready).
// - A stamped line tells when the room was last heard from, which the history of a later
//   rejoin reaches back to, allowing for stamps that run ahead of the reckoning
//   (heardUpTo).
//
// A rejoin's history may not reach back to the loss (missesLines): a room keeps only its
// last lines, and one made anew (after a restart of the chat server, or closed and
// opened again) keeps none of before. The rejoin asks for the history since the last
// line shown, which a room that kept its lines therefore brings again. A whole history
// is a run of the room's lines up to the present: where it does not bring that line, it
// starts after it, or brings no line at all, and the lines said between may be missing;
// so too wherever the room says the rejoin made it, unless the room told of its end
// first, as a resumed session brings all the room sent it. With exactly as many lines said
// since as the room keeps, none is missing, but the client cannot tell. A history cut
// short tells so only where its first line was stamped later than the last line shown
// (stampedLater), as it may have been cut before it reached that line. The lines missing
// would stand just before the history's first new line, or just below the loss.
//
// A session the server resumed brings again, before the rejoin's own presence, what the
// room sent it while the link was down (resentLine): those lines reached the client. Each
// is new unless its id names a line shown, goes below the loss by its stamp and after the
// line before it, and is shown before the rejoin's history, whose lines are matched
// against it as against any line shown; its stamp, which may be the server's, is not the
// room's. Where it goes tells when the room was last heard from. A history that brings
// the last of them again misses nothing.
//
// Two clocks: lines are placed on the view's, the game server's as the client reckons
// it, and the room stamps them on the chat server's, which the client reckons from the
// chat server's own answers where it tells its time, and otherwise takes as the view's
// within a tolerance for the skew between the two. Where the chat server's clock was
// set, its stamps may follow late (see ClockSteps).
class RoomLineBook
{
public:
    // A rejoin asks for the history since the room was last heard from and this much
    // before it.
    static constexpr int RejoinHistoryMarginSeconds = 5;
    // The server counts the seconds asked for from a whole second of its own: the
    // history may start this much before the time asked for.
    static constexpr qint64 HistoryRoundingMs = 1000;
    // How far the game server's clock, as the client reckons it, may be off the chat
    // server's, where the chat server does not tell its time.
    static constexpr qint64 ClockSkewToleranceMs = 5000;
    // The lines shown that a later history may bring again, as many as a room view
    // keeps; a history is decided at the latest once it has brought as many.
    static constexpr int MaxShownLines = 1000;

    // The present by both clocks.
    struct Now
    {
        // Milliseconds since the epoch by the view's clock.
        qint64 ms = 0;
        // By the chat server's clock as the client reckons it, and how far that may be
        // off either way.
        qint64 roomMs = 0;
        qint64 roomErrorMs = 0;
        // The local steady clock, and the steps of the chat server's clock seen so far
        // (none where it does not tell its time).
        qint64 localMs = 0;
        const xmpp::ClockSteps *steps = nullptr;
    };

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
        // The room's stamp of when the line was sent, by the chat server's clock, where
        // it came with one.
        std::optional<qint64> stampMs;
    };

    // A line to show now: the number the caller gave it, and where it goes on the
    // view's clock; a live line goes where and when it arrived.
    struct Placement
    {
        quint64 token;
        std::optional<qint64> atMs;
    };

    struct Verdict
    {
        // The lines to show now, in this order.
        std::vector<Placement> show;
        // The history's lines given so far are decided: those not shown now were shown
        // already, and the caller forgets them.
        bool historyDecided = false;
        // The user's own lines the room has, by the ids they were sent with.
        QStringList ownLines;
        // Lines said while the user was away may be missing from a rejoin's history:
        // where they would stand, on the view's clock.
        std::optional<qint64> missingAtMs;
    };

    // A join from scratch: nothing shown or heard before, all the history asked for.
    void reset();
    // The occupant address the user speaks under.
    void setOwnOccupant(const QString &sender) { m_ownOccupant = sender; }

    // Sets the history a join after a lost connection asks for: the lines since the
    // room was last heard from, and a margin for the way.
    void prepareRejoin(const Now &now);
    // The history the next join asks for, in seconds back; all of it when negative.
    int historySeconds() const { return m_historySeconds; }
    // A join goes out now: its history follows, up to the room's subject. Its lines
    // wait for the history's end, as which of them were shown already may turn on the
    // lines after them.
    void historyRequested(const Now &now);
    bool inHistory() const { return m_inHistory; }
    Verdict historyLine(const Line &line, quint64 token, const Now &now);
    // The room says the join made it: a rejoin's history cannot reach back to the loss,
    // unless the room told of its end first (roomEnded).
    void roomCreated();
    // A line that comes before the rejoin's own presence: what the room sent the session
    // while the link was down, sent again as the session is resumed. The client has it:
    // it shows at once, new unless its id names a line shown, below the loss by its
    // stamp (the room's, or the server's of when it first sent it), and counts as shown
    // before the history, which reaches back to it as to any line heard before the loss.
    Verdict resentLine(const Line &line, quint64 token, const Now &now);
    // The room told the user of its end (destroyed) before the rejoin's own presence, as
    // the session is resumed: every line it had said reached the client. A room the rejoin
    // makes anew then misses none.
    void roomEnded();
    // The room's subject ends the history, as does a connection lost before it (cut): the
    // history's lines are decided, and those that cannot be placed by the lines around
    // them go just before the present. A history cut short before its first line tells
    // nothing of lines missing.
    Verdict endHistory(const Now &now, bool cut = false);
    // The user left before the history ended: its lines go unshown, and a later history
    // brings them as lines not shown yet.
    void dropHistory();
    Verdict liveLine(const Line &line, quint64 token, const Now &now);

    // The connection was lost while in the room or joining it, after the room or the
    // chat server was last heard from at the time given: the lines first seen after it
    // come later on the view's clock.
    void lostAt(qint64 ms) { m_lostAtMs = ms; }
    std::optional<qint64> lossMs() const { return m_lostAtMs; }

private:
    struct Said
    {
        QString roomId;
        // The id the sender gave the line, where it can be trusted to name one line.
        QString senderId;
        size_t said = 0;
        // The room's stamp, by the chat server's clock.
        std::optional<qint64> stampMs;

        bool hasId() const { return !roomId.isNull() || !senderId.isNull(); }
    };
    // When a line was heard here, by the local steady clock and by the reckoning of the
    // chat server's clock of that time.
    struct Heard
    {
        qint64 localMs;
        qint64 roomMs;
        qint64 roomErrorMs;
    };
    struct ShownLine
    {
        Said line;
        // A room stamp later than the room's stamps can have read then belongs to
        // another line.
        Heard heard;
        // Where it was shown, on the view's clock.
        qint64 placedMs;
    };
    // A line shown already that a history brings again: which of those shown, counted
    // since the book was reset, and where it was placed.
    struct Repeat
    {
        quint64 shown;
        qint64 placedMs;
    };
    struct HistoryLine
    {
        quint64 token;
        Said line;
        // The line shown already that this one repeats, where it has no id; none for a new
        // line.
        std::optional<Repeat> repeats;
    };

    // A history's lines as they are decided: the present, and the lines that wait to be
    // placed.
    struct Deciding
    {
        const Now &now;
        Verdict &verdict;
        // How far the room's stamps may run ahead of the reckoning of the present,
        // following a step back of the server's clock late.
        qint64 stampsAheadMs;
        std::vector<const HistoryLine *> held;
        // The lines shown that the history holds, in its order.
        std::vector<quint64> order;
    };

    Said said(const Line &line) const;
    QString ownId(const Line &line) const;
    static Heard heardAt(const Now &now) { return {now.localMs, now.roomMs, now.roomErrorMs}; }
    // Where the room's stamps can have stood as a line was heard, earliest first; and the
    // earliest and the latest of it.
    static std::vector<xmpp::ClockSteps::Span> stampSpans(const Heard &heard, const Now &now);
    static qint64 earliestStampMs(const Heard &heard, const Now &now) { return stampSpans(heard, now).front().fromMs; }
    static qint64 latestStampMs(const Heard &heard, const Now &now) { return stampSpans(heard, now).back().toMs; }

    // Which lines of a history were shown already, the rules above.
    // The line shown already that the history's line repeats; none for a new line.
    std::optional<Repeat> shownAt(const HistoryLine &line) const;
    // Whether the other line has the line's id (the room's or its sender's), sender and
    // text.
    static bool sameById(const Said &line, const Said &other);
    // The shown line with the same id, sender and text; none where there is none.
    std::optional<Repeat> shownWithId(const Said &line) const;
    Repeat repeatOf(size_t index) const { return {m_forgotten + index, m_shownLines[index].placedMs}; }
    // Marks the lines of the history without ids that repeat the lines shown before the
    // history: by their stamps, and the others as a run of the last lines shown.
    void matchRun(const Now &now);
    // Whether the room's stamp parts the history's line from the shown one, with the
    // latest the stamps can read at present.
    static bool stampsPart(const Said &history, const ShownLine &shown, const Now &now, qint64 presentMs);
    // Whether the room stamped the history's line after it stamped the shown one, or
    // after the shown one was heard here.
    static bool stampedLater(const Said &history, const ShownLine &shown, const Now &now, qint64 presentMs);

    // Whether the history's lines given so far cannot reach back to the lines shown
    // before it, the rule above.
    bool missesLines(const Now &now, bool whole) const;

    // Where the others go, the rules above. Decides the history's lines given so far,
    // the whole history where told so; those that cannot be placed by the lines around
    // them go just before endMs.
    void decideHistory(const Now &now, qint64 endMs, bool whole, Verdict &verdict);
    // The line's stamp on the view's clock; none without a stamp that says when the line
    // was sent.
    static std::optional<qint64> stampedAt(const Said &line, const Now &now);
    // Where a new line goes by its stamp, after the line before it and the loss; none
    // where nothing places it.
    std::optional<qint64> placeOf(const std::optional<qint64> &stampedMs) const;
    // The lines waiting go just before the time given, in order.
    void placeHeld(qint64 atMs, Deciding &deciding);
    static bool heldAlready(const Said &line, const Deciding &deciding);
    void show(const HistoryLine &line, qint64 atMs, Deciding &deciding);
    // The lines shown that a history held go in its order, which is the room's, among
    // the places they take: a line first taken for one shown before, and shown later,
    // goes before the lines said after it, which runs of later histories look for.
    void followHistoryOrder(const std::vector<quint64> &order);
    // A line of the history was placed at the time given: the next goes after it.
    void placedUpTo(qint64 atMs);
    // The room had the lines after a line stamped so only later.
    void heardUpTo(const std::optional<qint64> &stampedMs, const Deciding &deciding);

    void remember(const Said &line, const Heard &heard, qint64 placedMs);

    QString m_ownOccupant;
    bool m_inHistory = false;
    int m_historySeconds = -1;
    // Where the history the join asks for starts on the view's clock; the least value
    // when it asks for all of it.
    qint64 m_historyStartMs = std::numeric_limits<qint64>::min();
    // The history's lines not decided yet, in the room's order.
    std::vector<HistoryLine> m_history;
    // The history follows a loss, with lines shown before it to reach back to, or the
    // room was made anew; looked at as it is first decided.
    bool m_mayMissLines = false;
    // The room says the rejoin made it; it told of its end before.
    bool m_madeAnew = false;
    bool m_ended = false;
    // The lines shown before the history, and the first of them the room can have had
    // since the history starts: those between, a run of its lines without ids may
    // repeat; none once such a run was looked for in a history decided before its end.
    size_t m_shownBeforeHistory = 0;
    size_t m_reachedFrom = 0;
    // Where the join's history placed its lines up to; none before it placed one (a
    // stamp may lie before the epoch).
    std::optional<qint64> m_lastHistoryLineMs;
    // When the room was last heard from on the view's clock: the last live line came, or
    // a line of a history was sent by the room's stamp; negative before either. A
    // rejoin cut short before its history has been shown leaves it.
    qint64 m_lastHeardMs = -1;
    std::optional<qint64> m_lostAtMs;
    // The lines shown, in the room's order as far as the client knows it, as many as a
    // view keeps: any later history may bring them again. The number of those forgotten
    // since the book was reset.
    std::deque<ShownLine> m_shownLines;
    quint64 m_forgotten = 0;
};
