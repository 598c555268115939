#include "chat/xmpp/ClockSteps.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>

namespace xmpp {

namespace {

std::atomic<ClockSteps::LocalClock> localClock{nullptr};

// Where the reckoning puts the server's clock at the local time, moved by fromMs and by
// toMs, each widened by its error.
ClockSteps::Span around(const ClockSteps::Reckoning &reckoning, qint64 localMs, qint64 fromMs, qint64 toMs)
{
    const qint64 errorMs = reckoning.errorMs + std::abs(localMs - reckoning.readMs) / ClockSteps::DriftDivisor;
    const qint64 atMs = localMs + reckoning.offsetMs;
    return {atMs + fromMs - errorMs, atMs + toMs + errorMs};
}

} // namespace

qint64 ClockSteps::localMs()
{
    if (const LocalClock clock = localClock.load(std::memory_order_relaxed))
        return clock();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void ClockSteps::setLocalClock(LocalClock clock)
{
    localClock.store(clock, std::memory_order_relaxed);
}

void ClockSteps::stepped(qint64 sinceMs, const Reckoning &before, const Reckoning &after)
{
    if (m_steps.size() >= size_t(MaxSteps))
        m_steps.pop_front();
    m_steps.push_back({sinceMs, after.readMs, before, after});
}

void ClockSteps::refined(const Reckoning &after)
{
    if (!m_steps.empty())
        m_steps.back().after = after;
}

std::vector<ClockSteps::Span> ClockSteps::spans(qint64 localMs, const Span &reckoned) const
{
    std::vector<Span> spans{reckoned};
    for (const Step &step : m_steps) {
        // A step after the time leaves the reckoning of that time as it was.
        if (localMs < step.sinceMs)
            continue;
        const qint64 sizeMs = step.after.offsetMs - step.before.offsetMs;
        const qint64 absMs = std::abs(sizeMs);
        // How far the stamping clock can have come on its way since the step, at the
        // most (had it come at once after the question before) and at the least (had it
        // come just before the answer that showed it, or had the clock not looked yet).
        const qint64 mostMs = std::min(absMs, (localMs - step.sinceMs) / CatchUpDivisor);
        const qint64 leastMs = localMs < step.seenMs + LookIntervalMs
            ? 0
            : std::min(absMs, (localMs - step.seenMs) / CatchUpDivisor);
        // Caught up: the reckoning holds for the stamps.
        if (leastMs >= absMs)
            continue;
        spans.push_back(around(step.after, localMs, 0, 0));
        spans.push_back(sizeMs > 0 ? around(step.before, localMs, leastMs, mostMs)
                                   : around(step.before, localMs, -mostMs, -leastMs));
    }
    std::sort(spans.begin(), spans.end(), [](const Span &a, const Span &b) { return a.fromMs < b.fromMs; });
    std::vector<Span> apart;
    for (const Span &span : spans) {
        if (!apart.empty() && span.fromMs <= apart.back().toMs)
            apart.back().toMs = std::max(apart.back().toMs, span.toMs);
        else
            apart.push_back(span);
    }
    return apart;
}

bool ClockSteps::stampedBy(qint64 stampMs, const std::vector<Span> &spans)
{
    if (stampMs <= spans.front().toMs)
        return true;
    return std::any_of(spans.begin() + 1, spans.end(), [stampMs](const Span &span) {
        return stampMs >= span.fromMs - LateLineMs && stampMs <= span.toMs;
    });
}

} // namespace xmpp
