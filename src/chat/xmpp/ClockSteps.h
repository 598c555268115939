#pragma once

#include <QtGlobal>

#include <deque>
#include <optional>
#include <vector>

namespace xmpp {

// The steps of the chat server's clock the client has seen, and what they leave open of
// the stamps the server puts on what it keeps. The server tells its time from its system
// clock, but it may stamp by a clock of its runtime that follows a step of the system
// clock only slowly: by at most 1% of the time since (a step of 3 s takes 5 minutes),
// or all at once, up to a minute late. Until then a stamp may stand where the clock was
// before the step, where it is after it, or anywhere between on the way, and the client
// cannot tell which: it keeps each.
//
// Times here are the local steady clock's (LocalClock); a reckoning puts the server's
// clock at that plus an offset.
class ClockSteps
{
public:
    // Both clocks are read to the millisecond and drift apart by at most half a
    // millisecond a second, as fast as a server's system clock is slewed to the right
    // time.
    static constexpr qint64 DriftDivisor = 2000;
    // The stamping clock follows a step by 1% of the time since, or jumps once it looks,
    // which it does once a minute. So a step of D counts for the lines heard from the
    // question before it until the longer of a minute and 100 D after the answer that
    // showed it (5 minutes for 3 s), D as large as the readings before and after it
    // allow, and no longer: the server may lag that long, and after that the reckoning of
    // the time holds for its stamps as for any.
    static constexpr qint64 CatchUpDivisor = 100;
    static constexpr qint64 LookIntervalMs = 60000;
    // How soon after the server stamped a line the client hears it, where the client
    // cannot tell that line from one said again by the stamp alone: a stamp between two
    // readings the stamping clock may have had is the line heard only this close below
    // the higher reading. A line that waited longer at a busy server or on a stalled link
    // is taken for another; one line said again soon after is not lost for it.
    static constexpr qint64 LateLineMs = 1000;
    // A server whose clock is set again and again leaves as many steps; the oldest is
    // forgotten first, and with it only how the lines heard in its window, several
    // readings back, compare.
    static constexpr int MaxSteps = 8;

    // A reading of the server's clock: offsetMs ahead of the local clock, within errorMs
    // at readMs by the local clock, and less sure by the drift since.
    struct Reckoning
    {
        qint64 offsetMs = 0;
        qint64 readMs = 0;
        qint64 errorMs = 0;
    };
    // Server times from fromMs to toMs, both included.
    struct Span
    {
        qint64 fromMs = 0;
        qint64 toMs = 0;
    };

    // An answer showed the server's clock set since it was last seen to agree with the
    // reckoning before, in a question asked at sinceMs.
    void stepped(qint64 sinceMs, const Reckoning &before, const Reckoning &after);
    // A closer reading of the clock as it is since the last step.
    void refined(const Reckoning &after);
    bool isEmpty() const { return m_steps.empty(); }

    // Where the server's stamps can have stood at the local time, given where the
    // reckoning of that time put the server's clock: apart, earliest first.
    std::vector<Span> spans(qint64 localMs, const Span &reckoned) const;
    // Whether the server can have stamped a line so by the time the line was heard here,
    // its stamps then anywhere in the spans (at least one): a line stamped before the
    // earliest reading came however late; one stamped between readings, only a little
    // late for the next.
    static bool stampedBy(qint64 stampMs, const std::vector<Span> &spans);

private:
    struct Step
    {
        // The step came after sinceMs and before seenMs.
        qint64 sinceMs;
        qint64 seenMs;
        Reckoning before;
        Reckoning after;
    };

    // Where the reading puts the server's clock at the local time: within its error, and
    // the drift since it was read.
    static Span reading(const Reckoning &reckoning, qint64 localMs);
    // Where the stamps can stand at the local time on their way from the clock before the
    // step to the clock after it; none before the step, or once they have caught up with
    // it, as the reckoning of that time then holds for them.
    static std::optional<Span> onTheWay(const Step &step, qint64 localMs);
    // The spans, those that overlap taken as one, earliest first.
    static std::vector<Span> apart(std::vector<Span> spans);

    std::deque<Step> m_steps;
};

} // namespace xmpp
