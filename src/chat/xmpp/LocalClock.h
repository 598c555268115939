#pragma once

#include <QtGlobal>

namespace xmpp {

// The local steady clock that the chat client times itself by: its read slices, the
// confirmations it waits for, the rooms' own lines, its reckoning of the chat server's
// clock and how long its connections stayed up. The process's steady clock, unless a
// source is set in its place, as the chat fuzz target does to steer time.
class LocalClock
{
public:
    // Milliseconds on the steady clock.
    static qint64 nowMs();

    using Source = qint64 (*)();
    // Where nowMs() reads the time from now on; null sets it back to the process's
    // steady clock.
    static void setSource(Source source);
};

} // namespace xmpp
