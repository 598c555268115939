#pragma once

#include <QObject>
#include <QTimer>

#include <optional>
#include <vector>

#include "chat/xmpp/ClientExtension.h"
#include "chat/xmpp/ClockSteps.h"
#include "chat/xmpp/LocalClock.h"

namespace xmpp {

class Iq;

// The chat server's clock as the client reckons it, for reading the stamps the server
// puts on what it kept: at each connection the server is asked for its time (entity
// time) a few times, one after the other, and again every minute while connected. The
// answer that came back fastest sets the clock, and half its round trip bounds how far
// the reckoning may be off, besides what either clock may drift since; an answer that
// the reckoning cannot account for tells of a server clock set since, and replaces it.
// Such steps are kept, as the server's stamps may follow them late. Unknown until an
// answer came, and where the server does not tell its time.
class ClientClock : public QObject, public ClientExtension
{
    Q_OBJECT

public:
    static constexpr int Samples = 5;
    static constexpr int RemeasureMs = 60000;

    struct Reading
    {
        // Milliseconds since the epoch by the server's clock.
        qint64 nowMs;
        // How far that may be off, either way.
        qint64 errorMs;
    };

    explicit ClientClock(XMPPClient *client);

    // The connection is established: the server is asked again.
    void measure();
    // How long a reckoning holds before the server is asked again; RemeasureMs unless
    // set.
    void setRemeasureMs(int ms) { m_again.setInterval(ms); }
    std::optional<Reading> read() const;
    // The steps of the server's clock seen so far.
    const ClockSteps &steps() const { return m_steps; }

private:
    // The reply to the question asked at askedMs by the local clock, with left answers
    // to come including it; null when the connection was lost first.
    void onAnswer(qint64 askedMs, int left, const Iq *reply);
    void ask(int left);
    // How far a reckoning taken at the local time given with this round trip may be off
    // by now.
    qint64 errorMs(qint64 readMs, qint64 roundTripMs) const;
    // A reading as the steps keep it, on the local steady clock.
    ClockSteps::Reckoning reckoning(qint64 serverMs, qint64 readMs, qint64 roundTripMs) const;

    // Milliseconds since the clock started, on the local steady clock.
    qint64 elapsedMs() const { return LocalClock::nowMs() - m_localStartMs; }

    // The local steady clock when the clock started.
    qint64 m_localStartMs = 0;
    QTimer m_again;
    int m_asked = 0;
    bool m_known = false;
    qint64 m_serverMs = 0;
    qint64 m_readMs = 0;
    qint64 m_roundTripMs = 0;
    // The questions whose answers agreed with the reckoning, its own first, each with the
    // largest step of the server's clock before it that its answer leaves open: an answer
    // that agrees only within a wide error does not show that the clock was not set
    // before it. A step that a later answer shows came after the last of them that
    // leaves open none as large.
    struct Agreed
    {
        qint64 askedMs;
        qint64 largestStepMs;
    };
    std::vector<Agreed> m_agreed;
    ClockSteps m_steps;
};

} // namespace xmpp
