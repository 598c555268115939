#include "chat/xmpp/LocalClock.h"

#include <atomic>
#include <chrono>

namespace xmpp {

namespace {

std::atomic<LocalClock::Source> source{nullptr};

} // namespace

qint64 LocalClock::nowMs()
{
    if (const LocalClock::Source steered = source.load(std::memory_order_relaxed))
        return steered();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void LocalClock::setSource(Source clock)
{
    source.store(clock, std::memory_order_relaxed);
}

} // namespace xmpp
