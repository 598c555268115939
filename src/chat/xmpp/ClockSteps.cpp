#include "chat/xmpp/ClockSteps.h"

#include <algorithm>
#include <cstdlib>

namespace xmpp {

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
    // The reckoning of that time; and for each step whose stamps may lag then, the clock
    // after it and the way to it from the clock before it.
    std::vector<Span> spans{reckoned};
    for (const Step &step : m_steps) {
        if (const std::optional<Span> way = onTheWay(step, localMs)) {
            spans.push_back(reading(step.after, localMs));
            spans.push_back(*way);
        }
    }
    return apart(std::move(spans));
}

bool ClockSteps::stampedBy(qint64 stampMs, const std::vector<Span> &spans)
{
    // Stamped by the earliest reading: the line came however late.
    if (stampMs <= spans.front().toMs)
        return true;
    // Stamped between two readings: the line came only a little late for the next.
    return std::any_of(spans.begin() + 1, spans.end(), [stampMs](const Span &span) {
        return stampMs >= span.fromMs - LateLineMs && stampMs <= span.toMs;
    });
}

ClockSteps::Span ClockSteps::reading(const Reckoning &reckoning, qint64 localMs)
{
    const qint64 errorMs = reckoning.errorMs + std::abs(localMs - reckoning.readMs) / DriftDivisor;
    const qint64 atMs = localMs + reckoning.offsetMs;
    return {atMs - errorMs, atMs + errorMs};
}

std::optional<ClockSteps::Span> ClockSteps::onTheWay(const Step &step, qint64 localMs)
{
    if (localMs < step.sinceMs)
        return std::nullopt;
    const qint64 sizeMs = step.after.offsetMs - step.before.offsetMs;
    // The step is as large as the two readings allow: the stamps may lag that long.
    const qint64 absMs = std::abs(sizeMs) + step.before.errorMs + step.after.errorMs
        + std::abs(step.after.readMs - step.before.readMs) / DriftDivisor;
    // How far the stamps can have come by 1% of the time since the step: at the most had
    // it come at once after the question before, at the least had it come just before the
    // answer that showed it, and nothing while the stamping clock may not have looked.
    const qint64 mostMs = std::min(absMs, (localMs - step.sinceMs) / CatchUpDivisor);
    const qint64 leastMs = localMs < step.seenMs + LookIntervalMs
        ? 0
        : std::min(absMs, (localMs - step.seenMs) / CatchUpDivisor);
    if (leastMs >= absMs)
        return std::nullopt;
    const Span before = reading(step.before, localMs);
    if (sizeMs > 0)
        return Span{before.fromMs + leastMs, before.toMs + mostMs};
    return Span{before.fromMs - mostMs, before.toMs - leastMs};
}

std::vector<ClockSteps::Span> ClockSteps::apart(std::vector<Span> spans)
{
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

} // namespace xmpp
