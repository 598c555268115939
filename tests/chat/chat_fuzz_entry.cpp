#include "chat_fuzz_entry.h"

#include "SteeredDispatcher.h"

#include "app/Singleton.h"
#include "chat/ChatNotices.h"
#include "chat/XMPPChatManager.h"
#include "chat/XMPPConference.h"
#include "chat/xmpp/ClientResumption.h"
#include "chat/xmpp/ClockSteps.h"
#include "chat/xmpp/LocalClock.h"
#include "chat/xmpp/StreamParser.h"
#include "chat/xmpp/XMPPClient.h"
#include "chat/xmpp/XMPPMessage.h"
#include "chat/xmpp/XMPPPresence.h"
#include "connection/ServerTime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QThread>
#include <QXmlStreamReader>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include <arpa/inet.h>
#include <linux/sockios.h>
#include <linux/tcp.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace xmpp;

namespace {

[[noreturn]] void broken(const char *rule, const QString &detail = QString())
{
    std::fprintf(stderr, "chat fuzz rule broken: %s\n%s\n", rule, qUtf8Printable(detail));
    std::abort();
}

// The harness's own plumbing failed: no fault of the chat.
[[noreturn]] void harnessFailed(const char *what)
{
    std::fprintf(stderr, "chat fuzz harness: %s (%s)\n", what, std::strerror(errno));
    std::abort();
}

// The plumbing waited in vain for the kernel: on a busy machine what it waits for may
// come later than it waits. No fault of the chat: the run is given up, and the input
// runs again.
struct PlumbingStalled
{
    const char *what;
};

// How long the plumbing waits, in real time, for what the kernel does without the
// client: a busy machine's scheduling and a loopback retransmission or two take a
// second or so at worst. Every run of an input stalled so stays well within the 20 s an
// input may take under the fuzzer (tools/run-tests.sh). The harness's own test waits
// less, and has the client's bytes held back longer.
std::atomic<int> patienceMs{2000};
// The runs still to come whose client's socket holds what the client writes back (for
// the harness's own test), and the runs given up so far.
std::atomic<int> runsHeldBack{0};
std::atomic<int> runsGivenUp{0};
// A run is given up at most this often in a row: an input whose every run stalls is
// a find.
constexpr int MaxRunsOfAnInput = 3;

// ---- Time

// A run's local steady clock starts here, when the game server's clock and the chat
// server's read 2026-12-09 06:10 UTC.
constexpr qint64 StartMs = 10'000'000;

qint64 epochMs()
{
    static const qint64 ms = QDateTime(QDate(2026, 12, 9), QTime(6, 10), Qt::UTC).toMSecsSinceEpoch();
    return ms;
}

// The dispatcher of the run under way: its clock is the chat's local steady clock.
std::atomic<SteeredDispatcher *> steered{nullptr};

qint64 localNow()
{
    const SteeredDispatcher *dispatcher = steered.load();
    return dispatcher ? dispatcher->nowMs() : StartMs;
}

class SteeredGameClock : public ServerTime::Clock
{
public:
    qint64 elapsedMs() const override { return localNow(); }
    QDateTime utcNow() const override { return QDateTime::fromMSecsSinceEpoch(epochMs() + localNow() - StartMs, Qt::UTC); }
};

// ---- Texts

QString bareOf(const QString &jid)
{
    return jid.section(QLatin1Char('/'), 0, 0);
}

QString xmlEscaped(const QString &text)
{
    QString escaped = text.toHtmlEscaped();
    escaped.replace(QLatin1Char('\''), QLatin1String("&apos;"));
    return escaped;
}

QString describeConversions(const StreamElement &element, const QString &streamLanguage)
{
    QStringList parts;
    if (auto message = dynamic_cast<const MessageStanza *>(&element)) {
        const XMPPMessage converted(*message, streamLanguage);
        parts << QString::number(converted.type()) << converted.language() << converted.body()
              << converted.delayStamp().toString(Qt::ISODateWithMs) << converted.originId() << converted.errorText()
              << converted.errorReason();
        for (const UniqueStanzaId &id : message->stanzaIds)
            parts << converted.stanzaIdBy(id.by.toString());
    }
    if (auto presence = dynamic_cast<const PresenceStanza *>(&element)) {
        const XMPPPresence converted(*presence);
        QStringList tables = converted.tables().values();
        tables.sort();
        const XMPPPresence::RoomItem item = converted.roomItem();
        parts << QString::number(converted.availability()) << QString::number(converted.error())
              << converted.status() << tables.join(QLatin1Char('|')) << item.jid << item.actor
              << QString::number(item.role);
        for (int code : converted.roomStatusCodes())
            parts << QString::number(code);
        if (converted.isRoomDestroyed())
            parts << QStringLiteral("destroyed") << converted.roomDestroyReason();
    }
    return parts.join(QLatin1Char(' '));
}

// The reason the player reads in English for a line refused with the error's condition,
// to a room and to a user.
std::pair<QString, QString> reasonOf(int condition)
{
    switch (condition) {
    case ServiceUnavailable:
    case ItemNotFound:
    case RecipientUnavailable:
    case Gone:
        return {QStringLiteral("the room is gone or takes no lines"),
                QStringLiteral("no such user, or one who cannot receive it")};
    case RemoteServerNotFound:
    case RemoteServerTimeout:
        return {QStringLiteral("the room's chat server could not be reached"),
                QStringLiteral("the user's chat server could not be reached")};
    case Forbidden:
    case NotAllowed:
    case StanzaNotAuthorized:
    case NotAcceptable:
    case RegistrationRequired:
    case SubscriptionRequired:
    case PaymentRequired:
        return {QStringLiteral("you may not speak there"), QStringLiteral("you may not write to this user")};
    case StanzaPolicyViolation:
        return {QStringLiteral("the room's rules do not allow it"), QStringLiteral("the chat server's rules do not allow it")};
    case JidMalformed:
        return {QStringLiteral("the address is not valid"), QStringLiteral("the address is not valid")};
    case StanzaResourceConstraint:
    case StanzaInternalServerError:
        return {QStringLiteral("it cannot be handled at the moment"), QStringLiteral("it cannot be handled at the moment")};
    default:
        return {QStringLiteral("for a reason the client does not know"),
                QStringLiteral("for a reason the client does not know")};
    }
}

// A notice is rich text: the line and the server's words go in escaped. Where a reason
// is given, the notice gives it; where a line is given, the notice quotes it.
void checkNotice(const QString &notice, const QString &reason, const QString &line)
{
    if (notice.contains(QLatin1Char('<')))
        broken("a notice lets markup through", notice);
    if (!reason.isNull() && !notice.contains(QLatin1Char('(') + reason))
        broken("a refused line's notice does not give the reason of its error", notice);
    if (!line.isNull() && line.size() < 100 && !notice.contains(line.toHtmlEscaped()))
        broken("a notice does not quote the line it is about", notice);
}

// ---- The chat server's clock

// The chat server's clocks as the run sets them: its system clock, which answers the
// client's questions, starts at the epoch and is set by steps; the clock it stamps by
// follows each step at 1% of the time since, or at once when it looks, at most a minute
// later. A step comes only once the stamping clock has caught up with the one before and
// an answer has shown that one to the client, and only after the client knows the clock;
// steps before it would be none that it could see. An answer in the input that no
// reading of the system clock in its round trip can give leaves the clock unknown.
class ClockTruth
{
public:
    qint64 systemMs(qint64 localMs) const
    {
        qint64 offsetMs = 0;
        for (const Step &step : m_steps) {
            if (step.atMs <= localMs)
                offsetMs += step.deltaMs;
        }
        return epochMs() + localMs - StartMs + offsetMs;
    }

    qint64 stampMs(qint64 localMs) const
    {
        const qint64 systemNowMs = systemMs(localMs);
        const Step *last = lastStep(localMs);
        if (!last)
            return systemNowMs;
        const qint64 sizeMs = std::abs(last->deltaMs);
        const qint64 sign = last->deltaMs < 0 ? -1 : 1;
        if (last->slews) {
            const qint64 movedMs = (localMs - last->atMs) / ClockSteps::CatchUpDivisor;
            return movedMs >= sizeMs ? systemNowMs : systemNowMs - last->deltaMs + sign * movedMs;
        }
        return localMs < last->jumpsAtMs ? systemNowMs - last->deltaMs : systemNowMs;
    }

    bool set(qint64 localMs, qint64 deltaMs, bool slews, qint64 jumpAfterMs)
    {
        if (m_broken || m_steps.size() >= size_t(ClockSteps::MaxSteps))
            return false;
        if (!m_steps.empty() && (!m_steps.back().detected || !caughtUp(m_steps.back(), localMs)))
            return false;
        m_steps.push_back({localMs, deltaMs, slews, localMs + jumpAfterMs, false});
        return true;
    }

    // The client took an answer read at the local time given, with the round trip given,
    // while it reckoned the server's clock then as given: a step before it is one the
    // client has seen where the answer differs from the reckoning by more than both
    // errors, as the client must take that for a step. One that the errors account for,
    // in an answer that takes the reckoning's place as the closer reading, the client can
    // no longer see: it may be the clocks' drift.
    void answered(qint64 readMs, qint64 roundTripMs, const ClientClock::Reading &before)
    {
        if (m_steps.empty() || m_steps.back().detected || m_steps.back().atMs > readMs)
            return;
        // How the client reads the answer: read halfway, within half the round trip.
        const qint64 answerMs = systemMs(readMs) + roundTripMs / 2;
        const qint64 answerErrorMs = (roundTripMs + 1) / 2 + 1;
        if (std::abs(answerMs - before.nowMs) > answerErrorMs + before.errorMs)
            m_steps.back().detected = true;
        else if (answerErrorMs < before.errorMs)
            m_broken = true;
    }

    // An answer to a question asked at askedMs, come at nowMs; after a step not seen yet,
    // one that may hide it.
    void literal(qint64 utcMs, qint64 askedMs, qint64 nowMs)
    {
        if (!m_steps.empty() && !m_steps.back().detected && m_steps.back().atMs <= nowMs)
            m_broken = true;
        // The system clock reads on from each step, or the question, to the next.
        std::vector<qint64> bounds{askedMs};
        for (const Step &step : m_steps) {
            if (step.atMs > askedMs && step.atMs <= nowMs)
                bounds.push_back(step.atMs);
        }
        bounds.push_back(nowMs);
        for (size_t i = 0; i + 1 < bounds.size(); ++i) {
            const qint64 fromMs = systemMs(bounds[i]);
            if (utcMs >= fromMs && utcMs <= fromMs + bounds[i + 1] - bounds[i])
                return;
        }
        m_broken = true;
    }

    bool isBroken() const { return m_broken; }
    // Whether the client has seen every step before the local time.
    bool judgeable(qint64 localMs) const
    {
        return !m_broken && std::all_of(m_steps.cbegin(), m_steps.cend(), [localMs](const Step &step) {
                   return step.atMs > localMs || step.detected;
               });
    }
    QString describe() const
    {
        QStringList parts;
        for (const Step &step : m_steps)
            parts << QStringLiteral("step %1 at %2 %3 jumps at %4 seen %5")
                         .arg(QString::number(step.deltaMs), QString::number(step.atMs),
                              step.slews ? QStringLiteral("slews") : QStringLiteral("jumps"),
                              QString::number(step.jumpsAtMs), QString::number(step.detected));
        return parts.join(QLatin1Char('\n'));
    }

private:
    struct Step
    {
        qint64 atMs;
        qint64 deltaMs;
        bool slews;
        qint64 jumpsAtMs;
        bool detected;
    };

    const Step *lastStep(qint64 localMs) const
    {
        const Step *last = nullptr;
        for (const Step &step : m_steps) {
            if (step.atMs <= localMs)
                last = &step;
        }
        return last;
    }
    static bool caughtUp(const Step &step, qint64 localMs)
    {
        if (step.slews)
            return (localMs - step.atMs) / ClockSteps::CatchUpDivisor >= std::abs(step.deltaMs);
        return localMs >= step.jumpsAtMs;
    }

    std::vector<Step> m_steps;
    bool m_broken = false;
};

// ---- The connection

bool tcpInfoOf(int socket, tcp_info &info)
{
    socklen_t length = sizeof info;
    info = tcp_info{};
    return getsockopt(socket, IPPROTO_TCP, TCP_INFO, &info, &length) == 0;
}

quint16 portOf(int socket, bool peer)
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    const int result = peer ? getpeername(socket, reinterpret_cast<sockaddr *>(&address), &length)
                            : getsockname(socket, reinterpret_cast<sockaddr *>(&address), &length);
    return result == 0 && address.sin_family == AF_INET ? ntohs(address.sin_port) : 0;
}

// Waits, in real time, for what the kernel does without the client, as long as the
// plumbing's patience lasts.
template <typename Done>
void waitFor(Done done, const char *what)
{
    QElapsedTimer waited;
    waited.start();
    for (int i = 0; !done(); ++i) {
        if (waited.elapsed() > patienceMs.load())
            throw PlumbingStalled{what};
        if (i > 100)
            poll(nullptr, 0, 1);
    }
}

// Whether a socket has become readable (or its connection done with) within the
// plumbing's patience.
bool readyWithinPatience(int socket, short events)
{
    pollfd ready{socket, events, 0};
    return poll(&ready, 1, patienceMs.load()) == 1;
}

// The server's end of the client's connections, on loopback: what it writes is in the
// client's socket before the client is let read, and what the client wrote is all read.
class ServerEnd
{
public:
    // The port stays the run's while the client may try it: a socket bound to it that
    // never listens holds it from the listener's start to the run's end. A loopback port
    // the system hands out is free for any process to take once its socket is closed, and
    // the client's tries after the listener's end would reach that process's listener
    // where they are to be refused.
    ServerEnd() : m_holder(boundSocket(0))
    {
        m_port = portOf(m_holder, false);
        m_listener = boundSocket(m_port);
        if (listen(m_listener, 4) != 0)
            harnessFailed("cannot listen on loopback");
    }
    ~ServerEnd()
    {
        closeListener();
        if (m_peer >= 0)
            ::close(m_peer);
        ::close(m_holder);
    }

    quint16 port() const { return m_port; }

    // Takes the connection the client has made, after the last is lost, and finds the
    // client's end of it. A connection whose other end is none of this process's is
    // reset and not taken: another process's client whose server had the port before
    // may be trying it again, and its connection may come before the client's.
    void accept(SteeredDispatcher &dispatcher)
    {
        for (;;) {
            if (!readyWithinPatience(m_listener, POLLIN))
                throw PlumbingStalled{"the client did not connect"};
            m_peer = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (m_peer < 0)
                harnessFailed("cannot take the client's connection");
            m_clientPort = portOf(m_peer, true);
            m_client = findClient(dispatcher);
            if (m_client >= 0)
                break;
            const linger reset{1, 0};
            setsockopt(m_peer, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
            ::close(m_peer);
        }
        const int on = 1;
        setsockopt(m_peer, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        // Small writes wait 200 ms in a corked socket.
        if (m_heldBack)
            setsockopt(m_client, IPPROTO_TCP, TCP_CORK, &on, sizeof on);
        m_clientCookie = cookieOf(m_client);
        m_sent = 0;
    }

    void write(const QByteArray &bytes, SteeredDispatcher &dispatcher)
    {
        if (m_peer < 0)
            return;
        for (qsizetype done = 0; m_peer >= 0 && done < bytes.size();) {
            const ssize_t sent = ::send(m_peer, bytes.constData() + done, size_t(bytes.size() - done),
                                        MSG_NOSIGNAL | MSG_DONTWAIT);
            if (sent > 0) {
                done += sent;
                m_sent += sent;
            } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                // The client's socket is full: it reads some first.
                dispatcher.settle();
                poll(nullptr, 0, 1);
            } else {
                break;
            }
        }
        waitFor([this] {
            tcp_info info;
            const int client = clientSocket();
            return client < 0 || !tcpInfoOf(client, info) || qint64(info.tcpi_bytes_received) >= m_sent;
        }, "what the server wrote does not reach the client");
    }

    // What the client has written since the last read, taken as it comes, so that a
    // full window never holds the rest back.
    QByteArray read()
    {
        if (m_peer < 0)
            return {};
        QByteArray bytes;
        waitFor([this, &bytes] {
            take(bytes);
            const int socket = clientSocket();
            // Closed: what the client wrote comes before the end of its stream.
            const auto ended = [this] {
                pollfd end{m_peer, POLLRDHUP, 0};
                return poll(&end, 1, 0) == 1;
            };
            if (socket < 0)
                return ended();
            const std::optional<Written> written = writtenBy(socket);
            if (!written)
                return ended();
            // Nothing waits in the client's socket, or for the server's acknowledgement.
            if (written->unacknowledged == 0)
                return true;
            // What the client wrote, less the connection's opening, has come.
            tcp_info server;
            return tcpInfoOf(m_peer, server) && server.tcpi_bytes_received + 1 >= written->total;
        }, "what the client wrote does not reach the server");
        take(bytes);
        return bytes;
    }

    // The link is lost: the client's end is reset, and knows it before the client is
    // let read.
    void lose()
    {
        if (m_peer < 0)
            return;
        const int client = clientSocket();
        const linger reset{1, 0};
        setsockopt(m_peer, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
        ::close(m_peer);
        m_peer = -1;
        if (client >= 0) {
            waitFor([client] {
                pollfd reset{client, POLLIN, 0};
                return poll(&reset, 1, 0) == 1 && (reset.revents & (POLLHUP | POLLERR));
            }, "the client's end does not learn of the reset");
        }
    }

    void closeListener()
    {
        if (m_listener >= 0)
            ::close(m_listener);
        m_listener = -1;
    }

private:
    // A socket bound to the port given on loopback (the system picks one for 0), which
    // other sockets of the run may bind to as well.
    static int boundSocket(quint16 port)
    {
        const int bound = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const int on = 1;
        setsockopt(bound, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(port);
        if (bound < 0 || bind(bound, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
            harnessFailed("cannot bind on loopback");
        return bound;
    }

    // The client's socket of this connection, known from its start, whether or not the
    // dispatcher watches it now (Qt takes its notifiers off at times); -1 once the client
    // has closed it.
    int clientSocket()
    {
        if (m_client >= 0 && cookieOf(m_client) != m_clientCookie)
            m_client = -1;
        return m_client;
    }

    // The kernel's number for the socket behind a descriptor, never given twice: one
    // call where the ports take two. 0 for no socket.
    static quint64 cookieOf(int socket)
    {
        quint64 cookie = 0;
        socklen_t length = sizeof cookie;
        return getsockopt(socket, SOL_SOCKET, SO_COOKIE, &cookie, &length) == 0 ? cookie : 0;
    }

    bool isClientEnd(int socket) const
    {
        return portOf(socket, false) == m_clientPort && portOf(socket, true) == m_port;
    }

    // Among the sockets the dispatcher watches, or else among the process's descriptors.
    int findClient(const SteeredDispatcher &dispatcher) const
    {
        for (qintptr socket : dispatcher.watchedSockets()) {
            if (isClientEnd(int(socket)))
                return int(socket);
        }
        for (int socket = 3; socket < 4096; ++socket) {
            if (isClientEnd(socket))
                return socket;
        }
        return -1;
    }

    // What the client's socket took of the client, the connection's opening included, and
    // what of it waits for the server's acknowledgement.
    struct Written
    {
        quint64 total;
        int unacknowledged;
    };

    // Read at one moment: the acknowledged bytes are read before and after the waiting
    // ones, and again where an acknowledgement came between.
    static std::optional<Written> writtenBy(int socket)
    {
        for (;;) {
            tcp_info before;
            tcp_info after;
            int unacknowledged = 0;
            if (!tcpInfoOf(socket, before))
                return std::nullopt;
            if (ioctl(socket, SIOCOUTQ, &unacknowledged) != 0)
                return Written{before.tcpi_bytes_acked, 0};
            if (!tcpInfoOf(socket, after))
                return std::nullopt;
            if (after.tcpi_bytes_acked == before.tcpi_bytes_acked)
                return Written{after.tcpi_bytes_acked + quint64(unacknowledged), unacknowledged};
        }
    }

    void take(QByteArray &bytes)
    {
        char chunk[16384];
        for (;;) {
            const ssize_t got = ::recv(m_peer, chunk, sizeof chunk, MSG_DONTWAIT);
            if (got <= 0)
                return;
            bytes.append(chunk, qsizetype(got));
        }
    }

    const bool m_heldBack = runsHeldBack.load() > 0;
    int m_holder = -1;
    int m_listener = -1;
    quint16 m_port = 0;
    int m_peer = -1;
    quint16 m_clientPort = 0;
    int m_client = -1;
    quint64 m_clientCookie = 0;
    qint64 m_sent = 0;
};

// One top-level element the client wrote.
struct Sent
{
    QString name;
    QString ns;
    QString type;
    QString id;
    QString to;
    // The first child's name.
    QString payload;
    QString body;
    int historySeconds = -1;
    // Stream management's: the count of stanzas taken, and the session resumed.
    QString handled{};
    QString previd{};

    bool isStanza() const
    {
        return ns == QLatin1String("jabber:client")
            && (name == QLatin1String("message") || name == QLatin1String("presence") || name == QLatin1String("iq"));
    }
    bool isManagement(const char *element) const
    {
        return ns == QLatin1String("urn:xmpp:sm:3") && name == QLatin1String(element);
    }

    QString describe() const
    {
        return QStringList{name, type, id, to, payload, body, QString::number(historySeconds), handled, previd}.join(
            QLatin1Char(' '));
    }
};

// Reads the client's streams as they come; each must be well-formed XML.
class ClientOutput
{
public:
    void restart()
    {
        m_reader.clear();
        m_depth = 0;
    }

    QList<Sent> read(const QByteArray &bytes)
    {
        QList<Sent> sent;
        m_reader.addData(bytes);
        while (!m_reader.atEnd()) {
            switch (m_reader.readNext()) {
            case QXmlStreamReader::StartElement:
                ++m_depth;
                if (m_depth == 2) {
                    const QXmlStreamAttributes attributes = m_reader.attributes();
                    m_current = Sent{m_reader.name().toString(), m_reader.namespaceUri().toString(),
                                     attributes.value(QLatin1String("type")).toString(),
                                     attributes.value(QLatin1String("id")).toString(),
                                     attributes.value(QLatin1String("to")).toString(), QString(), QString()};
                    m_current.handled = attributes.value(QLatin1String("h")).toString();
                    m_current.previd = attributes.value(QLatin1String("previd")).toString();
                } else if (m_depth == 3 && m_current.payload.isEmpty()) {
                    m_current.payload = m_reader.name().toString();
                }
                m_inBody = m_depth == 3 && m_reader.name() == QLatin1String("body");
                if (m_reader.name() == QLatin1String("history"))
                    m_current.historySeconds = m_reader.attributes().value(QLatin1String("seconds")).toInt();
                break;
            case QXmlStreamReader::Characters:
                if (m_inBody)
                    m_current.body += m_reader.text();
                break;
            case QXmlStreamReader::EndElement:
                m_inBody = false;
                if (m_depth == 2)
                    sent.append(m_current);
                --m_depth;
                break;
            default:
                break;
            }
        }
        if (m_reader.hasError() && m_reader.error() != QXmlStreamReader::PrematureEndOfDocumentError)
            broken("what the client writes is not well-formed XML", m_reader.errorString());
        return sent;
    }

private:
    QXmlStreamReader m_reader;
    int m_depth = 0;
    bool m_inBody = false;
    Sent m_current;
};

// ---- What the player reads

// What the player reads of the chat, fed by the client: the rooms the user is in (he
// joins one as the client is handed his own presence in it), the one-to-one chats, and
// the player's own lines with what becomes of them, told as the chat's windows tell it.
// A room shows no line twice by its id, and loses none that carries an id. Each of the
// player's lines waits until the room or the server has it, the server refuses it, or it
// comes back as the link is lost or the room will not take it; a refusal reaches the
// line it names, with the reason of its error.
class ChatLayer : public QObject
{
public:
    static constexpr int MaxRooms = 4;
    // How long a room's own line may wait past the confirmation limit while the loss it
    // leads to is handled.
    static constexpr qint64 LossSlackMs = 1000;

    ChatLayer(XMPPClient &client, QStringList &handed) : m_client(client), m_handed(handed)
    {
        // Before the rooms and the chats: what came is seen before they act on it.
        connect(&client, &XMPPClient::presence, this, &ChatLayer::joinFor);
        connect(&client, &XMPPClient::messageReceived, this, &ChatLayer::heard);
        connect(&client, &XMPPClient::messageRefused, this, &ChatLayer::refusalCame);
        connect(&client, &XMPPClient::connected, this, [this] {
            ++m_link;
            m_linkDown = false;
            m_handed << QStringLiteral("connected");
        });
        connect(&client, &XMPPClient::disconnected, this, &ChatLayer::linkLost);
        connect(&client, &XMPPClient::authorizationRequestReceived, this,
                [this](const XMPPJid &jid) { m_handed << QStringLiteral("subscribe ") + jid.toString(); });
        connect(&client, &XMPPClient::xmppError, this,
                [this](XMPPClient::XMPPError, const QString &text) { m_handed << QStringLiteral("error ") + text; });
        connect(&client, &XMPPClient::reconnectStopped, this, [this](XMPPClient::ReconnectStop why) {
            const QString notice = ChatNotices::reconnectStopped(why).toHtml();
            checkNotice(notice, QString(), QString());
            m_handed << QStringLiteral("notice ") + notice;
        });
        m_chats = std::make_unique<XMPPChatManager>(&client);
        connect(m_chats.get(), &XMPPChatManager::chatCreated, this, [this](XMPPChat *chat, bool local) {
            // A chat the user starts has a thread new in every run.
            m_handed << QStringLiteral("chat with %1 %2").arg(chat->jid(), local ? QStringLiteral("of the user") : chat->thread());
            connect(chat, &XMPPChat::message, this, [this, chat](const XMPPMessage &m) { chatLine(chat, m); });
        });
    }

    // The player says a line in a room, or one that came back, under its id.
    void say(int roomIndex, bool markup, bool again)
    {
        if (m_rooms.empty())
            return;
        auto room = std::next(m_rooms.begin(), roomIndex % int(m_rooms.size()));
        Room &in = room->second;
        const Offered line = again && !in.offered.isEmpty() ? in.offered.takeFirst() : newLine(markup);
        if (!in.conference->isJoined()) {
            // The input is taken only in the room.
            in.offered.prepend(line);
            if (in.connectionLost)
                notice(room->first, ChatNotices::notSent(in.inputEnabled).toHtml(), QString(), QString());
            return;
        }
        QString id;
        try {
            id = in.conference->sendMessage(line.text, line.id);
        } catch (const std::exception &) {
            in.offered.prepend(line);
            notice(room->first, ChatNotices::notSent(in.inputEnabled).toHtml(), QString(), QString());
            return;
        }
        if (id != line.id)
            broken("a line sent again does not keep its id", line.id + QLatin1Char(' ') + id);
        m_roomLines[id] = RoomLine{room->first, line.text, localNow(), ++m_order};
        m_handed << QStringLiteral("%1 says %2 %3").arg(room->first, id, line.text);
    }

    // The player writes to one of the users, or writes again a line that came back.
    void write(int peerIndex, bool markup, bool again)
    {
        const int peer = peerIndex % int(std::size(Peers));
        Peer &to = m_peers[peer];
        if (!to.chat)
            startChat(peer);
        const Offered line = again && !to.offered.isEmpty() ? to.offered.takeFirst() : newLine(markup);
        const QString id = to.chat->send(line.text, line.id);
        if (id.isNull()) {
            to.offered.prepend(line);
            notice(to.chat->jid(), ChatNotices::notSent(true).toHtml(), QString(), QString());
            return;
        }
        if (id != line.id)
            broken("a line sent again does not keep its id", line.id + QLatin1Char(' ') + id);
        m_chatLines[id] = ChatLine{peer, line.text, ++m_order, m_link};
        m_handed << QStringLiteral("writes to %1 %2 %3").arg(to.chat->jid(), id, line.text);
    }

    void leave(int roomIndex)
    {
        if (m_rooms.empty())
            return;
        auto room = std::next(m_rooms.begin(), roomIndex % int(m_rooms.size()));
        room->second.conference->leave();
        room->second.inputEnabled = false;
        room->second.newWords.clear();
        // Leaving ends the join's history: what came of it goes unshown, with the room.
        if (std::exchange(room->second.inHistory, false)) {
            QList<std::pair<QStringList, bool>> &expected = room->second.expected;
            expected.erase(std::remove_if(expected.begin(), expected.end(), [](const auto &line) { return line.second; }),
                           expected.end());
        }
        m_handed << QStringLiteral("leaves ") + room->first;
    }

    // The client asked to join the room with the history of the seconds given (all of it
    // where negative), as the server's stamping clock read the time given. A chat server
    // sends only the lines it stamped within those seconds, counted in whole seconds back
    // from that reading: a line stamped a second or more before the start is none it
    // sends (an input may send it all the same).
    void historyAsked(const QString &room, int seconds, qint64 stampNowMs)
    {
        const auto found = m_rooms.find(room);
        if (found == m_rooms.end())
            return;
        found->second.historyFromMs =
            seconds < 0 ? std::nullopt : std::optional<qint64>(stampNowMs - (qint64(seconds) + 1) * 1000);
    }

    // The nick the user has in the room; null where he never joined it.
    QString nickIn(const QString &room) const
    {
        const auto found = m_rooms.find(room);
        return found == m_rooms.end() ? QString() : found->second.conference->nick();
    }

    // The server answered the confirmation asked for after these messages, and the
    // client read the answer: those of the one-to-one chats show as said.
    void confirmedByServer(const QStringList &ids)
    {
        serverMayHave(ids);
        for (const QString &id : ids) {
            const auto line = m_chatLines.find(id);
            if (line != m_chatLines.end() && line->second.state == Unconfirmed)
                line->second.confirmDue = true;
        }
    }
    // An answer in the input may have confirmed them.
    void mayBeConfirmed(const QStringList &ids)
    {
        serverMayHave(ids);
        for (const QString &id : ids) {
            const auto line = m_chatLines.find(id);
            if (line != m_chatLines.end())
                line->second.mayBeConfirmed = true;
        }
    }

    // The server's count at the resumption of the session, which the client read, takes
    // in the first messages and leaves out the others: those of the one-to-one chats
    // that wait show as said, or come back as not sent; a room's line it took waits for
    // the room's copy, one it did not take comes back as not sent.
    void countedByServer(const QStringList &had, const QStringList &notHad)
    {
        for (const QString &id : had) {
            const auto roomLine = m_roomLines.find(id);
            if (roomLine != m_roomLines.end() && roomLine->second.lost) {
                roomLine->second.counted = true;
                roomLine->second.serverMayHave = true;
            }
        }
        for (const QString &id : notHad) {
            const auto roomLine = m_roomLines.find(id);
            if (roomLine != m_roomLines.end() && roomLine->second.lost)
                roomLine->second.notTaken = true;
        }
        for (const QString &id : had) {
            const auto line = m_chatLines.find(id);
            if (line == m_chatLines.end())
                continue;
            line->second.mayBeConfirmed = true;
            if (line->second.state == Unconfirmed)
                line->second.confirmDue = true;
        }
        for (const QString &id : notHad) {
            const auto line = m_chatLines.find(id);
            if (line != m_chatLines.end() && (line->second.state == Unconfirmed || line->second.state == NotSent))
                line->second.notTaken = true;
        }
    }
    // The client was given a session that the server keeps for the seconds given after a
    // loss; none where it keeps none.
    void sessionKept(std::optional<int> seconds) { m_keptSeconds = seconds; }
    // The connections the client has made, a resumed session's among them.
    int links() const { return m_link; }

    // What the player's lines have become by now, and what the rooms told of lines
    // missing.
    void check(qint64 nowMs)
    {
        for (auto &[name, room] : m_rooms) {
            room.subjectNow = false;
            checkToldMissing(name, room);
            checkNewShown(name, room);
        }
        for (const auto &[id, line] : m_roomLines) {
            if (line.copyArrived && !line.saidTold)
                broken("the room passed on the user's line and does not tell it said", id);
            if (line.refusalDue && line.state != Refused)
                broken("the room refused the user's line and does not tell him", id);
            if (!line.lost && line.state == Waiting && nowMs > line.sentMs + m_client.confirmationLimitMs() + LossSlackMs)
                broken("the user's line waits for the room past the confirmation limit", id);
            // A room's line that waited as the connection was lost is settled as a
            // one-to-one line is: by the server's count at the resumption, or as perhaps
            // not sent where nobody can tell. One the server took (by its count or its
            // answer before the loss) waits for the room's copy, and only a history that
            // reaches back to the loss without it, or the room that will not take the
            // user, hands it back.
            if (line.lost && line.state == Waiting && !line.serverMayHave && m_linkDown
                && (!m_keptSeconds || nowMs > m_lostMs + qint64(*m_keptSeconds) * 1000))
                broken("a room's line is neither said nor back after the connection ended", id);
            if (line.notTaken && line.state == Waiting)
                broken("a room's line the server did not take is not handed back", id);
            if (line.back == Back::NotSent && !line.notTaken)
                broken("a room's line comes back as not taken where no count of the server says so", id);
            if (line.back == Back::Perhaps && line.notTaken)
                broken("a room's line the server did not take comes back as perhaps sent", id);
            if (line.counted && (line.back == Back::NotSent || line.back == Back::Perhaps))
                broken("a room's line the server has comes back at the resumption", id);
        }
        for (const auto &[id, line] : m_chatLines) {
            if (line.wasConfirmed && !line.confirmDue && !line.mayBeConfirmed)
                broken("a one-to-one line shows as said before the server has it", id);
            if (line.confirmDue && line.state == Unconfirmed)
                broken("a one-to-one line the server has does not show as said", id);
            if (line.refusalDue && line.state != Refusal)
                broken("the server refused a one-to-one line and its chat does not tell", id);
            // A line of a lost connection waits while the client may resume the session,
            // whose count settles it.
            if (m_linkDown && line.state == Unconfirmed
                && (!m_keptSeconds || nowMs > m_lostMs + qint64(*m_keptSeconds) * 1000))
                broken("a one-to-one line is neither said nor back after the connection ended", id);
            if (line.notTaken && line.state == Unconfirmed)
                broken("a one-to-one line the server did not take is not handed back", id);
            // Only the server's count at a resumption tells that a line lost did not go.
            if (line.state == NotSent && line.backAsNotTaken && !line.notTaken)
                broken("a line comes back as not taken where no count of the server says so", id);
            if (line.state == NotSent && !line.backAsNotTaken && line.notTaken)
                broken("a line the server did not take comes back as perhaps sent", id);
        }
    }

    // Every line with an id that a room was given shows once its history has ended.
    void checkNoneLost()
    {
        for (auto &[name, room] : m_rooms)
            checkNoneLost(name, room);
    }

private:
    static inline const QString Peers[] = {QStringLiteral("1002@localhost"), QStringLiteral("1003@localhost/desk"),
                                           QStringLiteral("mei@example.org")};

    enum LineState { Waiting, Said, Refused, TakenBack };
    enum ChatLineState { Unconfirmed, Confirmed, NotSent, Refusal };

    struct Offered
    {
        QString id;
        QString text;
    };
    // How a room's line that waited as the connection was lost came back: as not sent or
    // perhaps not sent at the resumption, or as a history reached back to the loss
    // without it.
    enum class Back { No, NotSent, Perhaps, ByHistory };
    struct RoomLine
    {
        QString room;
        QString text;
        qint64 sentMs = 0;
        quint64 order = 0;
        LineState state = Waiting;
        // It waited as the connection was lost; the server's count at the resumption
        // took it in, or left it out; and how it came back.
        bool lost = false;
        bool counted = false;
        // The server answered, or may have answered, the confirmation asked for after it.
        bool serverMayHave = false;
        bool notTaken = false;
        Back back = Back::No;
        // The room passed the line on, and told so; an error of the room named it while
        // it waited.
        bool copyArrived = false;
        bool saidTold = false;
        bool refusalDue = false;
    };
    struct ChatLine
    {
        int peer = 0;
        QString text;
        quint64 order = 0;
        // The connection it went out on.
        int link = 0;
        ChatLineState state = Unconfirmed;
        bool wasConfirmed = false;
        bool confirmDue = false;
        bool mayBeConfirmed = false;
        // The server's count at a resumption left it out: the server never had it; and
        // the line came back as one the server did not take.
        bool notTaken = false;
        bool backAsNotTaken = false;
        bool refusalDue = false;
        int shown = 0;
    };
    struct Room
    {
        std::unique_ptr<XMPPConference> conference;
        // The ids of the lines shown (by the room, or by their sender, with the sender and
        // the text), and how many lines it showed.
        QSet<QString> shown;
        int shownCount = 0;
        // A join's history comes: it ends with the room's subject, or with the link.
        bool inHistory = false;
        // The earliest stamp a chat server puts on the lines of the history of the join
        // under way; none where it asked for all of it.
        std::optional<qint64> historyFromMs;
        // The ids of lines of a history stamped before that: no chat server sends them,
        // and the client need not know them as lines shown already.
        QSet<QString> beyondHistory;
        // The ids of each line with an id the room was given, and whether it came in a
        // history.
        QList<std::pair<QStringList, bool>> expected;
        // The sender and words of each line shown, those shown before the history under
        // way, and those of the history's lines without ids that were not among them,
        // which it must show once it is decided (as it is at its end or the link's).
        QSet<QString> shownWords;
        QSet<QString> wordsBeforeHistory;
        QStringList newWords;
        bool historyDecided = false;
        // The ids of the last line the room showed, where it came live and the room said
        // nothing since; a line of a history, or one not shown, leaves it empty.
        QStringList lastLive;
        // A join again after a lost connection, from the line shown last before it (its
        // ids, where it came live), or the last the resumed session sent again before the
        // join's own presence: whether its history brought that line again, how many
        // lines it brought, whether it has ended, whether the room says the join made it,
        // and whether the room told that lines may be missing.
        struct Rejoin
        {
            QStringList last;
            bool broughtAgain = false;
            int lines = 0;
            bool ended = false;
            bool created = false;
            bool told = false;
        };
        std::optional<Rejoin> rejoin;
        // The room's subject came just now: a history may have ended with it.
        bool subjectNow = false;
        // The room view's input, and whether the view told of a lost connection.
        bool inputEnabled = false;
        bool connectionLost = false;
        QList<Offered> offered;
    };
    struct Peer
    {
        XMPPChat *chat = nullptr;
        QList<Offered> offered;
        // The lines confirmed that a refusal may still name, oldest first.
        QStringList confirmed;
    };

    Offered newLine(bool markup)
    {
        const int number = ++m_lines;
        return {QStringLiteral("own-%1").arg(number),
                markup ? QStringLiteral("line %1 <b>pon</b> & \"chi\"").arg(number) : QStringLiteral("line %1").arg(number)};
    }

    void notice(const QString &where, const QString &text, const QString &reason, const QString &line)
    {
        checkNotice(text, reason, line);
        m_handed << QStringLiteral("notice in %1: %2").arg(where, text);
    }

    // The user's own presence in a room he is not in, nor on his way into, joins it
    // under the nick it names.
    void joinFor(const XMPPPresence &presence)
    {
        m_handed << QStringLiteral("presence %1 %2 %3 %4")
                        .arg(presence.from().toString(), QString::number(presence.availability()),
                             QString::number(presence.isRoomDestroyed()), presence.roomDestroyReason());
        const PresenceStanza &stanza = presence.stanza();
        // The room says a join made it: whatever it had before is gone.
        if (stanza.roomData.statusCodes.contains(201)) {
            const auto made = m_rooms.find(bareOf(stanza.from.toString()).toLower());
            if (made != m_rooms.end() && made->second.rejoin)
                made->second.rejoin->created = true;
        }
        if (stanza.presenceType() != Available || !stanza.roomData.statusCodes.contains(110))
            return;
        const QString occupant = stanza.from.toString();
        const qsizetype slash = occupant.indexOf(QLatin1Char('/'));
        if (slash <= 0 || slash == occupant.size() - 1)
            return;
        const QString name = occupant.left(slash).toLower();
        const auto found = m_rooms.find(name);
        Room *room = found == m_rooms.end() ? nullptr : &found->second;
        const bool created = !room;
        if (!room) {
            if (m_rooms.size() >= size_t(MaxRooms))
                return;
            room = &m_rooms[name];
            room->conference = std::make_unique<XMPPConference>();
            room->conference->setClient(&m_client);
            room->conference->setRoom(name);
            record(name, *room->conference);
        } else if (room->conference->isJoined() || room->conference->isJoining()) {
            return;
        }
        // A join from scratch shows the room's lines again, and the history it asks for
        // brings those of a history cut short.
        checkNoneLost(name, *room);
        room->shown.clear();
        room->lastLive.clear();
        room->rejoin.reset();
        room->shownWords.clear();
        room->wordsBeforeHistory.clear();
        room->newWords.clear();
        room->historyDecided = false;
        room->beyondHistory.clear();
        room->shownCount = 0;
        room->expected.clear();
        room->inHistory = true;
        room->conference->join(occupant.mid(slash + 1));
        m_handed << QStringLiteral("joins %1 as %2").arg(name, room->conference->nick());
        // A room made now hears this presence from no one else.
        if (created)
            room->conference->onPresence(presence);
    }

    void record(const QString &name, XMPPConference &conference)
    {
        connect(&conference, &XMPPConference::message, this, [this, name, &conference](const XMPPMessage &line) {
            m_handed << QStringLiteral("%1 shows %2 %3 %4").arg(name, line.hasDelay() ? QStringLiteral("history") : QStringLiteral("live"),
                                                               line.from(), line.body());
            Room &room = m_rooms.at(name);
            room.lastLive = line.hasDelay() ? QStringList() : idsOf(conference, line);
            room.shownWords.insert(line.from() + QLatin1Char('\n') + line.body());
            // The room forgets the lines shown beyond as many as a view keeps.
            const bool remembered = ++room.shownCount <= RoomLineBook::MaxShownLines;
            for (const QString &id : idsOf(conference, line)) {
                if (remembered && room.shown.contains(id) && !room.beyondHistory.contains(id))
                    broken("a room shows a line twice", name + QLatin1Char('\n') + id);
                room.shown.insert(id);
            }
        });
        connect(&conference, &XMPPConference::userJoined, this, [this, name, &conference] {
            Room &room = m_rooms.at(name);
            room.inputEnabled = conference.maySpeak();
            room.connectionLost = false;
            m_handed << name + QStringLiteral(" joined");
        });
        connect(&conference, &XMPPConference::userLeft, this, [this, name] {
            m_rooms.at(name).inputEnabled = false;
            m_handed << name + QStringLiteral(" left");
        });
        connect(&conference, &XMPPConference::userError, this, [this, name](XMPPConference *, XMPPPresence::error_t error) {
            m_handed << QStringLiteral("%1 refuses the join: %2").arg(name, QString::number(error));
        });
        connect(&conference, &XMPPConference::userVoiceChanged, this, [this, name](bool maySpeak, const QString &reason) {
            m_rooms.at(name).inputEnabled = maySpeak;
            m_handed << QStringLiteral("%1 voice %2 %3").arg(name, QString::number(maySpeak), reason);
        });
        connect(&conference, &XMPPConference::userRoomDestroyed, this, [this, name](const QString &reason) {
            m_rooms.at(name).inputEnabled = false;
            m_handed << QStringLiteral("%1 destroyed %2").arg(name, reason);
        });
        connect(&conference, &XMPPConference::userDisconnected, this, [this, name] {
            m_handed << name + QStringLiteral(" lost");
            // The lines still waiting wait on: the resumption or the rejoin tells whether
            // the room had them.
            m_rooms.at(name).connectionLost = true;
        });
        connect(&conference, &XMPPConference::ownLinesNotSent, this,
                [this, name](const QList<XMPPConference::OwnLine> &lines, bool mayHaveGone) {
                    ownLinesNotSent(name, lines, mayHaveGone);
                });
        connect(&conference, &XMPPConference::ownLinesUnanswered, this, [this, name] {
            for (const Offered &line : takeWaiting(name))
                notice(name, ChatNotices::notInRoom(line.text).toHtml(), QString(), line.text);
        });
        connect(&conference, &XMPPConference::ownLineSaid, this, [this, name](const QString &id) { ownLineSaid(name, id); });
        connect(&conference, &XMPPConference::ownLineRefused, this,
                [this, name](const QString &id, const QString &text, const XMPPMessage &error) {
                    ownLineRefused(name, id, text, error);
                });
        connect(&conference, &XMPPConference::linesMissing, this, [this, name](const QDateTime &at) {
            m_handed << QStringLiteral("%1 may miss lines at %2").arg(name, at.toString(Qt::ISODateWithMs));
            Room &room = m_rooms.at(name);
            if (!room.rejoin)
                return;
            room.rejoin->told = true;
            if (room.rejoin->broughtAgain && !room.rejoin->created)
                broken("a rejoin's history that brings the last line shown again says lines may be missing", name);
        });
        const auto removal = [this, name](const char *what) {
            return [this, name, what](XMPPConference *, const XMPPJid &actor, const QString &reason) {
                m_handed << QStringLiteral("%1 %2 by %3: %4").arg(name, QLatin1String(what), actor.toString(), reason);
            };
        };
        connect(&conference, &XMPPConference::userKicked, this, removal("kicks the user"));
        connect(&conference, &XMPPConference::userBanned, this, removal("bans the user"));
        connect(&conference, &XMPPConference::participantJoined, this, [this, name](XMPPConference *, const QString &nick) {
            m_handed << QStringLiteral("%1 has %2").arg(name, nick);
        });
        connect(&conference, &XMPPConference::participantLeft, this, [this, name](XMPPConference *, const QString &nick) {
            m_handed << QStringLiteral("%1 no longer has %2").arg(name, nick);
        });
        // After the rooms: they have asked to join again by then.
        disconnect(m_linkBack);
        m_linkBack = connect(&m_client, &XMPPClient::connected, this, &ChatLayer::linkBack);
    }

    void serverMayHave(const QStringList &ids)
    {
        for (const QString &id : ids) {
            const auto line = m_roomLines.find(id);
            if (line != m_roomLines.end())
                line->second.serverMayHave = true;
        }
    }

    // The lines a room hands back are those that wait, in the order said.
    QList<Offered> takeWaiting(const QString &name)
    {
        Room &room = m_rooms.at(name);
        std::vector<std::pair<quint64, QString>> waiting;
        for (const auto &[id, line] : m_roomLines) {
            if (line.room == name && line.state == Waiting)
                waiting.emplace_back(line.order, id);
        }
        std::sort(waiting.begin(), waiting.end());
        QStringList expected;
        for (const auto &[order, id] : waiting)
            expected << id + QLatin1Char(' ') + m_roomLines.at(id).text;
        QStringList given;
        QList<Offered> taken;
        for (const XMPPConference::OwnLine &line : room.conference->takeOwnLines()) {
            given << line.id + QLatin1Char(' ') + line.text;
            taken.append({line.id, line.text});
        }
        if (given != expected)
            broken("the lines a room hands back are not those that wait",
                   given.join(QLatin1Char('\n')) + QStringLiteral("\n-- waiting --\n") + expected.join(QLatin1Char('\n')));
        for (const Offered &line : taken) {
            m_roomLines.at(line.id).state = TakenBack;
            room.offered.append(line);
        }
        return taken;
    }

    void ownLineSaid(const QString &name, const QString &id)
    {
        const auto line = m_roomLines.find(id);
        // Not a line the user said here: one of another session of his.
        if (line == m_roomLines.end() || line->second.room != name)
            return;
        if (!line->second.copyArrived)
            broken("a room tells the user's line said, which it did not pass on", id);
        line->second.saidTold = true;
        m_handed << QStringLiteral("%1 said %2").arg(name, id);
        if (line->second.state == Refused)
            return;
        if (line->second.state == TakenBack) {
            QList<Offered> &offered = m_rooms.at(name).offered;
            const auto again = std::find_if(offered.begin(), offered.end(), [&id](const Offered &o) { return o.id == id; });
            if (again != offered.end()) {
                notice(name, ChatNotices::sentAfterAll(again->text, false).toHtml(), QString(), again->text);
                offered.erase(again);
            }
        }
        line->second.state = Said;
    }

    // Lines that waited as the connection was lost come back: the server's count left
    // them out, nobody can tell, or a history that reaches back to the loss does not
    // hold them. Whether the count says so, the next check tells: the count is read
    // after the client has read it.
    void ownLinesNotSent(const QString &name, const QList<XMPPConference::OwnLine> &lines, bool mayHaveGone)
    {
        Room &room = m_rooms.at(name);
        quint64 after = 0;
        for (const XMPPConference::OwnLine &own : lines) {
            const auto line = m_roomLines.find(own.id);
            if (line == m_roomLines.end() || line->second.room != name || line->second.state != Waiting
                || !line->second.lost || line->second.text != own.text)
                broken("a room hands back as not sent a line that did not wait as the connection was lost",
                       own.id + QLatin1Char(' ') + own.text);
            if (line->second.order < after)
                broken("the room's lines that were not sent come back out of order", own.id);
            after = line->second.order;
            line->second.state = TakenBack;
            line->second.back = room.subjectNow ? Back::ByHistory : mayHaveGone ? Back::Perhaps : Back::NotSent;
            room.offered.append({own.id, own.text});
        }
        notice(name, (mayHaveGone ? ChatNotices::perhapsNotSent() : ChatNotices::notSent(room.inputEnabled)).toHtml(),
               QString(), QString());
        m_handed << QStringLiteral("%1 not sent %2").arg(name, QString::number(mayHaveGone));
    }

    void ownLineRefused(const QString &name, const QString &id, const QString &text, const XMPPMessage &error)
    {
        const auto line = m_roomLines.find(id);
        if (line == m_roomLines.end() || line->second.room != name || line->second.state != Waiting
            || line->second.text != text || error.id() != id)
            broken("a room refuses a line of the user's that does not wait", id + QLatin1Char(' ') + text);
        line->second.state = Refused;
        Room &room = m_rooms.at(name);
        room.offered.append({id, text});
        notice(name, ChatNotices::refused(text, error, room.inputEnabled).toHtml(), reasonOf(error.stanza().errorCondition).first,
               room.inputEnabled ? QString() : text);
    }

    // A chat the user starts with one of the users, and what becomes of his lines in it.
    void startChat(int peer)
    {
        XMPPChat *chat = m_chats->chatWith(parseJid(Peers[peer]));
        m_peers[peer].chat = chat;
        connect(chat, &XMPPChat::confirmed, this, [this, peer](const QString &id) {
            const auto line = m_chatLines.find(id);
            if (line == m_chatLines.end() || line->second.peer != peer)
                broken("a chat tells a line said that the user did not write there", id);
            if (line->second.state != Unconfirmed)
                broken("a one-to-one line shows as said twice, or after it came back", id);
            // Whether the server had answered, the next check tells: the answer is read
            // after the client has read it.
            line->second.state = Confirmed;
            line->second.wasConfirmed = true;
            QStringList &confirmed = m_peers[peer].confirmed;
            confirmed.append(id);
            if (confirmed.size() > XMPPChat::MaxRememberedLines)
                confirmed.removeFirst();
            m_shownNext = id;
            m_handed << QStringLiteral("said to %1: %2").arg(Peers[peer], id);
        });
        connect(chat, &XMPPChat::notSent, this, [this, peer](const QList<XMPPMessage> &lines, bool mayHaveGone) {
            quint64 after = 0;
            for (const XMPPMessage &sent : lines) {
                const auto line = m_chatLines.find(sent.id());
                if (line == m_chatLines.end() || line->second.peer != peer || line->second.state != Unconfirmed)
                    broken("a line comes back that waits for no confirmation", sent.id());
                if (line->second.confirmDue)
                    broken("a one-to-one line the server has comes back as not sent", sent.id());
                // Whether the server's count says so, the next check tells: the count is
                // read after the client has read it.
                line->second.backAsNotTaken = !mayHaveGone;
                if (line->second.order < after)
                    broken("the lines that were not sent come back out of order", sent.id());
                after = line->second.order;
                line->second.state = NotSent;
                m_peers[peer].offered.append({sent.id(), sent.body()});
            }
            notice(Peers[peer], (mayHaveGone ? ChatNotices::perhapsNotSent() : ChatNotices::notSent(true)).toHtml(), QString(),
                   QString());
        });
        connect(chat, &XMPPChat::refused, this, [this, peer](const XMPPMessage &refused, const XMPPMessage &error) {
            const auto line = m_chatLines.find(refused.id());
            if (line == m_chatLines.end() || line->second.peer != peer || error.id() != refused.id()
                || (line->second.state != Unconfirmed && line->second.state != Confirmed))
                broken("a chat takes a refusal for a line that it does not name", refused.id());
            line->second.state = Refusal;
            m_peers[peer].confirmed.removeAll(refused.id());
            m_peers[peer].offered.append({refused.id(), refused.body()});
            notice(Peers[peer], ChatNotices::undelivered(refused.body(), error).toHtml(),
                   reasonOf(error.stanza().errorCondition).second, refused.body());
        });
    }

    void chatLine(XMPPChat *chat, const XMPPMessage &message)
    {
        m_handed << QStringLiteral("chat line %1 %2 %3").arg(chat->jid(), message.from(), message.body());
        // The user's own line shows as it is confirmed, once.
        const QString shownNext = std::exchange(m_shownNext, QString());
        if (shownNext.isNull() || message.id() != shownNext)
            return;
        ChatLine &line = m_chatLines.at(message.id());
        if (++line.shown > 1)
            broken("a one-to-one line shows twice", message.id());
    }

    // How the room knows the line: by the id it gave it, and by the id its sender gave it
    // (for the user's own lines, the message's id), each with the sender and the text.
    static QStringList idsOf(const XMPPConference &conference, const XMPPMessage &line)
    {
        QStringList ids;
        const QString said = line.from() + QLatin1Char('\n') + line.body();
        const QString roomId = line.stanzaIdBy(conference.room());
        if (!roomId.isNull())
            ids << QStringLiteral("room id ") + roomId + QLatin1Char('\n') + said;
        QString senderId = line.originId();
        if (senderId.isEmpty() && line.from() == conference.room() + QLatin1Char('/') + conference.nick())
            senderId = line.id();
        if (!senderId.isEmpty())
            ids << QStringLiteral("sender id ") + senderId + QLatin1Char('\n') + said;
        return ids;
    }

    // A rejoin's whole history that does not bring again the last line shown before the
    // loss, where that came live with an id, tells that lines may be missing; the line's
    // id leaves no doubt, nor does the time it was heard while the chat server's clock
    // took no step. (One that brings it says nothing of lines missing: see linesMissing.)
    void checkToldMissing(const QString &name, Room &room)
    {
        if (!room.rejoin || !room.rejoin->ended)
            return;
        const Room::Rejoin rejoin = *std::exchange(room.rejoin, std::nullopt);
        if (!rejoin.last.isEmpty() && !rejoin.broughtAgain && !rejoin.created && !rejoin.told
            && rejoin.lines < RoomLineBook::MaxShownLines && m_client.serverClockSteps().isEmpty())
            broken("a rejoin's whole history that does not bring the last line shown again does not say lines may be missing",
                   name + QLatin1Char('\n') + rejoin.last.join(QLatin1Char('\n')));
    }

    // A line of a history without ids whose sender the room never showed saying the same
    // words before it is no line shown already: it shows once the history is decided.
    static void checkNewShown(const QString &name, Room &room)
    {
        if (!std::exchange(room.historyDecided, false))
            return;
        for (const QString &words : std::exchange(room.newWords, {})) {
            if (!room.shownWords.contains(words))
                broken("a room takes a line of a history for one shown, which it never showed the words of",
                       name + QLatin1Char('\n') + words);
        }
    }

    // The lines with ids the room was given show, but those of a history not ended.
    static void checkNoneLost(const QString &name, const Room &room)
    {
        for (const auto &[keys, inHistory] : room.expected) {
            const bool seen = std::any_of(keys.cbegin(), keys.cend(), [&room](const QString &key) { return room.shown.contains(key); });
            if (!seen && !(inHistory && room.inHistory))
                broken("a room lost a line", name + QLatin1Char('\n') + keys.join(QLatin1Char('\n')));
        }
    }

    void heard(const XMPPMessage &line)
    {
        m_handed << QStringLiteral("received %1 %2 %3").arg(line.id(), line.from(), line.body());
        for (auto &[name, room] : m_rooms)
            room.subjectNow = false;
        const auto found = m_rooms.find(bareOf(line.from()));
        if (line.type() != XMPPMessage::GroupChat || found == m_rooms.end())
            return;
        Room &room = found->second;
        // The room sends its history once it has taken the user in: what comes before the
        // join's own presence is what the session had before, sent again as it is resumed.
        // Those lines reached the client: each shows once, and the history that brings
        // the last new one of them again reaches back to what the client had.
        const bool resent = room.conference->isJoining() && !room.conference->isJoined();
        // The subject ends a history; one changed meanwhile ends none.
        if (!resent && !line.stanza().subjects.isEmpty() && line.stanza().bodies.isEmpty()) {
            if (room.inHistory && room.rejoin)
                room.rejoin->ended = true;
            room.historyDecided = room.historyDecided || room.inHistory;
            room.inHistory = false;
            room.subjectNow = true;
        }
        if (line.body().isEmpty() || line.from() == found->first)
            return;
        // The line shown last stays the last the room said only where this one shows live.
        room.lastLive.clear();
        const QStringList ids = idsOf(*room.conference, line);
        const QString words = line.from() + QLatin1Char('\n') + line.body();
        if (room.inHistory && ids.isEmpty() && !room.wordsBeforeHistory.contains(words))
            room.newWords << words;
        if (resent && room.rejoin) {
            // One the room showed already, sent again all the same, is no line after
            // the last shown.
            if (std::none_of(ids.cbegin(), ids.cend(), [&room](const QString &id) { return room.shown.contains(id); }))
                room.rejoin->last = ids;
        } else if (room.inHistory && room.rejoin) {
            ++room.rejoin->lines;
            if (std::any_of(ids.cbegin(), ids.cend(), [&room](const QString &id) { return room.rejoin->last.contains(id); }))
                room.rejoin->broughtAgain = true;
        }
        if (!ids.isEmpty())
            room.expected.append({ids, room.inHistory});
        const QDateTime stamp = line.delayStampBy(found->first);
        if (room.inHistory && room.historyFromMs && stamp.isValid() && stamp.toMSecsSinceEpoch() < *room.historyFromMs) {
            for (const QString &id : ids)
                room.beyondHistory.insert(id);
        }
        // The room's copy of the user's line: from his occupant, under the id he sent it with.
        if (line.from() != found->first + QLatin1Char('/') + room.conference->nick())
            return;
        const QString ownId = line.originId().isEmpty() ? line.id() : line.originId();
        const auto own = m_roomLines.find(ownId);
        if (own != m_roomLines.end() && own->second.room == found->first)
            own->second.copyArrived = true;
    }

    // An error that names a line of the user's: the room's, or a chat's whose user it
    // comes from, while the chat may still be told.
    void refusalCame(const XMPPMessage &error)
    {
        m_handed << QStringLiteral("refused %1 %2 %3: %4").arg(error.id(), error.from(), error.body(), error.errorReason());
        const auto roomLine = m_roomLines.find(error.id());
        if (roomLine != m_roomLines.end() && roomLine->second.room == bareOf(error.from())
            && roomLine->second.state == Waiting)
            roomLine->second.refusalDue = true;
        const auto chatLine = m_chatLines.find(error.id());
        if (chatLine == m_chatLines.end())
            return;
        const Peer &peer = m_peers[chatLine->second.peer];
        const bool fromPeer = error.from() == peer.chat->jid() || bareOf(error.from()) == peer.chat->jid();
        const bool named = chatLine->second.state == Unconfirmed
            || (chatLine->second.state == Confirmed && peer.confirmed.contains(error.id()));
        if (fromPeer && named)
            chatLine->second.refusalDue = true;
    }

    void linkLost()
    {
        m_linkDown = true;
        m_lostMs = localNow();
        m_handed << QStringLiteral("disconnected");
        // The rooms' lines waiting now are settled as the one-to-one lines are.
        for (auto &[id, line] : m_roomLines) {
            if (line.state == Waiting)
                line.lost = true;
        }
        // What came of a room's history shows.
        for (auto &[name, room] : m_rooms) {
            room.historyDecided = room.historyDecided || room.inHistory;
            room.inHistory = false;
        }
    }

    // The rooms the user was in have asked to join again, and their histories follow.
    void linkBack()
    {
        for (auto &[name, room] : m_rooms) {
            room.inHistory = room.conference->isJoining();
            room.rejoin.reset();
            room.wordsBeforeHistory = room.shownWords;
            room.newWords.clear();
            if (room.inHistory)
                room.rejoin = Room::Rejoin{room.lastLive};
        }
    }

    XMPPClient &m_client;
    QStringList &m_handed;
    std::unique_ptr<XMPPChatManager> m_chats;
    std::map<QString, Room> m_rooms;
    Peer m_peers[std::size(Peers)];
    QMetaObject::Connection m_linkBack;
    int m_lines = 0;
    quint64 m_order = 0;
    // The connections made, and whether the last has ended.
    int m_link = 0;
    bool m_linkDown = false;
    // When the last ended, and how long the session lost is kept for its resumption.
    qint64 m_lostMs = 0;
    std::optional<int> m_keptSeconds;
    std::map<QString, RoomLine> m_roomLines;
    std::map<QString, ChatLine> m_chatLines;
    // The user's line that shows next in its chat, as it was confirmed.
    QString m_shownNext;
};

// ---- The run

struct Outcome
{
    QStringList elements;
    // What the client handed on and the chat showed, in order.
    QStringList handed;
    // What the client wrote, element by element.
    QStringList written;
    // Each connection's: the stream error its reader raised (-1 for none), and whether
    // the stream's end was read.
    QList<int> errors;
    QList<bool> ended;
};

// The connections an input may make: the last one has the rest of the input, NUL bytes
// and all.
constexpr int MaxConnections = 4;
// A command: this byte, which XML never holds, then what to do and two bytes that say
// how.
constexpr char CommandByte = '\x1b';
constexpr qsizetype CommandSize = 4;
// How long the run lasts after the last connection: long enough for every line to come
// back and the client to try to reconnect.
constexpr qint64 AfterwardsMs = 10 * 60 * 1000;
// Clock readings kept to judge against the steps the client sees later.
constexpr size_t MaxSamples = 256;

const QByteArray LoginFeatures =
    "<?xml version='1.0'?><stream:stream xmlns='jabber:client' xmlns:stream='http://etherx.jabber.org/streams' "
    "from='localhost' id='login' version='1.0' xml:lang='en'><stream:features>"
    "<mechanisms xmlns='urn:ietf:params:xml:ns:xmpp-sasl'><mechanism>PLAIN</mechanism></mechanisms>"
    "</stream:features>";
const QByteArray LoginSuccess = "<success xmlns='urn:ietf:params:xml:ns:xmpp-sasl'/>";

// ---- The session the server keeps

// A stanza the server sent that the client never read: its text up to where its
// children end and the rest, and its stamping clock's time then.
struct Unread
{
    QString head;
    QString tail;
    qint64 stampMs;
};

// The session the server keeps for the user (stream management): both ends count the
// stanzas they take from the client's request to keep it.
struct Kept
{
    QString id;
    bool resumable = false;
    // The seconds the server keeps it after a loss, as it told the client; 0 where it
    // did not tell.
    int maxSeconds = 0;
    // The user's stanzas the server took, of those the ones it had taken as it last
    // wrote, and the user's messages by id with their numbers.
    quint32 taken = 0;
    quint32 firm = 0;
    std::map<QString, quint32> numbers;
    // The server's stanzas the client read (where the count is sure: the client did not
    // end the stream on one of them), and those it never read, which the server sends
    // again at the resumption.
    quint32 delivered = 0;
    bool deliveredSure = true;
    std::vector<Unread> unread;
    qint64 lostMs = 0;
};

// The whole stanzas among what the server wrote on a link dead towards the client, given
// with how far it had written by each time; what is not a whole stanza is none the
// server counts or sends again.
std::vector<Unread> stanzasOf(const QString &written, const std::vector<std::pair<qsizetype, qint64>> &times)
{
    static const QString Root =
        QStringLiteral("<stream:stream xmlns='jabber:client' xmlns:stream='http://etherx.jabber.org/streams'>");
    std::vector<Unread> stanzas;
    QXmlStreamReader reader(Root + written);
    int depth = 0;
    qsizetype tokenEnd = 0;
    qsizetype start = 0;
    qsizetype startTagEnd = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        const qsizetype at = qsizetype(reader.characterOffset()) - Root.size();
        if (token == QXmlStreamReader::StartElement && ++depth == 2) {
            start = tokenEnd;
            startTagEnd = at;
        } else if (token == QXmlStreamReader::EndElement && depth-- == 2 && reader.namespaceUri() == QLatin1String("jabber:client")
                   && (reader.name() == QLatin1String("message") || reader.name() == QLatin1String("presence")
                       || reader.name() == QLatin1String("iq"))) {
            const auto sent = std::find_if(times.cbegin(), times.cend(), [at](const auto &time) { return time.first >= at; });
            const QString tag = reader.qualifiedName().toString();
            // An empty element's end is its start: it opens for its children.
            const qsizetype childrenEnd = at == startTagEnd ? at - 2 : tokenEnd;
            stanzas.push_back({written.mid(start, childrenEnd - start) + (at == startTagEnd ? QStringLiteral(">") : QString()),
                               at == startTagEnd ? QStringLiteral("</%1>").arg(tag) : written.mid(tokenEnd, at - tokenEnd),
                               sent == times.cend() ? times.back().second : sent->second});
        }
        tokenEnd = at;
    }
    return stanzas;
}

// The stanza error conditions a refusal can carry, by name.
const char *const Conditions[] = {
    "service-unavailable", "item-not-found", "recipient-unavailable", "gone", "remote-server-not-found",
    "remote-server-timeout", "forbidden", "not-allowed", "not-authorized", "not-acceptable",
    "registration-required", "subscription-required", "payment-required", "jid-malformed",
    "resource-constraint", "internal-server-error", "undefined-condition", "feature-not-implemented",
    "bad-request",
};

// The client of one run, logged in to a server played on loopback: the input is what the
// server sends after the login, connection by connection, with the commands among it.
class Session
{
public:
    Session(SteeredDispatcher &dispatcher, Outcome &out)
        : m_dispatcher(dispatcher), m_out(out), m_chat(m_client, out.handed)
    {
        m_client.setPlainAuthWithoutTlsAllowed(true);
        m_client.login(QStringLiteral("1001"), QStringLiteral("secret"));
    }

    void run(const QByteArray &input, const QList<qsizetype> &cuts)
    {
        for (qsizetype from = 0, connection = 0;; ++connection) {
            const qsizetype to = connection + 1 < MaxConnections ? connectionEnd(input, from) : input.size();
            startConnection(connection);
            readConnection(input, from, to, cuts);
            endConnection();
            if (to == input.size())
                break;
            from = to + 1;
        }
        // Nobody answers any more.
        m_server.closeListener();
        advance(AfterwardsMs);
        m_chat.checkNoneLost();
    }

private:
    struct Question
    {
        QString id;
        qint64 askedMs;
    };
    struct Ping
    {
        QString id;
        // The messages written before it, after the ping before.
        QStringList messages;
    };
    struct Received
    {
        bool toRoom;
        QString id;
        QString to;
        QString body;
    };
    struct Sample
    {
        qint64 localMs;
        qint64 nowMs;
        qint64 errorMs;
        qint64 stampMs;
    };

    qint64 now() const { return m_dispatcher.nowMs(); }
    bool connected() const { return m_client.state() == XMPPClient::ConnectedState; }

    // Serves every event of the present; a connection under way is waited for, as its
    // end comes without the clock.
    void settle()
    {
        for (;;) {
            if (!m_dispatcher.settle())
                broken("the chat keeps itself busy without end");
            bool waited = false;
            for (qintptr socket : m_dispatcher.watchedSockets()) {
                // TCP_SYN_SENT
                constexpr int Connecting = 2;
                tcp_info info;
                if (tcpInfoOf(int(socket), info) && info.tcpi_state == Connecting) {
                    if (!readyWithinPatience(int(socket), POLLOUT))
                        throw PlumbingStalled{"a connection on loopback does not end"};
                    waited = true;
                }
            }
            if (!waited)
                return;
        }
    }

    // Serves the present and reads what the client wrote.
    void takeOutput()
    {
        for (;;) {
            settle();
            const QByteArray bytes = m_server.read();
            if (bytes.isEmpty())
                return;
            for (const Sent &sent : m_output.read(bytes))
                learn(sent);
        }
    }

    // Serves the present, reads what the client wrote and checks what became of it all.
    void look()
    {
        takeOutput();
        m_chat.check(now());
        checkClock();
    }

    // Lets the time pass, each timer firing at its time; stops early once the condition
    // holds.
    void advance(qint64 ms, const std::function<bool()> &until = {})
    {
        const qint64 target = now() + ms;
        for (;;) {
            look();
            if (until && until())
                return;
            const std::optional<qint64> due = m_dispatcher.nextDueMs(target);
            if (!due)
                break;
            m_dispatcher.moveTo(*due);
        }
        m_dispatcher.moveTo(target);
        look();
    }

    void startConnection(qsizetype number)
    {
        settle();
        // A lost connection is tried again after a pause; one that ended for good is
        // opened again by the user.
        if (number > 0 && m_client.state() == XMPPClient::UnconnectedState && m_client.reconnects())
            advance(AfterwardsMs, [this] { return m_client.state() != XMPPClient::UnconnectedState; });
        if (m_client.state() == XMPPClient::UnconnectedState)
            m_client.connectToHost(QStringLiteral("127.0.0.1"), m_server.port(), XMPPClient::TlsNever);
        settle();
        m_server.accept(m_dispatcher);
        m_output.restart();
        look();
        m_server.write(LoginFeatures, m_dispatcher);
        look();
        m_server.write(LoginSuccess, m_dispatcher);
        settle();
        // The client starts its stream again.
        m_output.restart();
        look();
        m_reader.reset();
        m_readerEnded = false;
        m_out.errors << -1;
        m_out.ended << false;
    }

    void endConnection()
    {
        look();
        if (m_kept) {
            if (m_deliveredFrom)
                m_kept->delivered = deliveredNow();
            m_kept->deliveredSure = !m_deliveredUnsure;
            if (m_kept->resumable && !m_unreadBytes.isEmpty()) {
                // Read as the text it is, whatever cuts it was written in.
                std::vector<std::pair<qsizetype, qint64>> times;
                for (const auto &[bytes, stampMs] : m_unreadTimes)
                    times.emplace_back(QString::fromUtf8(m_unreadBytes.left(bytes)).size(), stampMs);
                for (Unread &unread : stanzasOf(QString::fromUtf8(m_unreadBytes), times))
                    m_kept->unread.push_back(std::move(unread));
            }
            m_kept->lostMs = now();
        }
        // The client asked to keep the session and was never told it is kept.
        if (m_enableAsked)
            m_kept.reset();
        m_server.lose();
        look();
        m_questions.clear();
        m_pings.clear();
        m_unpinged.clear();
        m_enableAsked = false;
        m_resumeAsked.reset();
        m_counting = false;
        m_deliveredFrom.reset();
        m_deliveredUnsure = false;
        m_askedCounts.clear();
        m_deadToClient = false;
        m_unreadBytes.clear();
        m_unreadTimes.clear();
    }

    // Where the connection that starts at the place given ends: at the first NUL byte
    // that is not in a command, or with the input.
    static qsizetype connectionEnd(const QByteArray &input, qsizetype from)
    {
        for (qsizetype at = from; at < input.size(); ++at) {
            if (input.at(at) == CommandByte)
                at += CommandSize - 1;
            else if (input.at(at) == '\0')
                return at;
        }
        return input.size();
    }

    // One connection's part of the input, [from, to): its commands run where they stand,
    // and the rest is written cut where the cuts (in order) say.
    void readConnection(const QByteArray &input, qsizetype from, qsizetype to, const QList<qsizetype> &cuts)
    {
        while (from < to) {
            qsizetype end = input.indexOf(CommandByte, from);
            if (end < 0 || end > to)
                end = to;
            // Whether the client reads it is as it stands where the part starts, wherever
            // it is cut.
            const bool unread = readsNothing();
            for (auto cut = std::upper_bound(cuts.cbegin(), cuts.cend(), from); cut != cuts.cend() && *cut < end; ++cut) {
                feed(input.mid(from, *cut - from), unread);
                from = *cut;
            }
            feed(input.mid(from, end - from), unread);
            if (end + CommandSize > to)
                return;
            command(input.at(end + 1), uchar(input.at(end + 2)), uchar(input.at(end + 3)));
            from = end + CommandSize;
        }
    }

    // Writes part of the stream after the login to the client, which reads it, and reads
    // it as the reader the client uses does.
    // The client reads nothing the server writes: the link is dead towards it, or the
    // client has ended the connection of a session the server keeps.
    bool readsNothing() const { return m_deadToClient || (m_deliveredFrom && !connected()); }

    void feed(const QByteArray &bytes) { feed(bytes, readsNothing()); }
    void feed(const QByteArray &bytes, bool unread)
    {
        if (bytes.isEmpty())
            return;
        // The server writes having taken what the client wrote before.
        if (m_kept && m_counting && !m_resumeAsked)
            m_kept->firm = m_kept->taken;
        if (unread) {
            m_unreadBytes += bytes;
            const qint64 stampMs = m_truth.stampMs(now());
            if (m_unreadTimes.empty() || m_unreadTimes.back().second != stampMs)
                m_unreadTimes.emplace_back(0, stampMs);
            m_unreadTimes.back().first = m_unreadBytes.size();
            m_outputTaken = false;
            m_replies.clear();
            return;
        }
        const bool wasConnected = connected();
        m_server.write(bytes, m_dispatcher);
        settle();
        // The client ended the stream on something it read: it read nothing after that,
        // which the reader here may have.
        if (m_deliveredFrom && wasConnected && !connected())
            m_deliveredUnsure = true;
        m_outputTaken = false;
        m_replies.clear();
        if (m_readerEnded)
            return;
        m_reader.addData(bytes);
        try {
            for (;;) {
                StreamParser::Result result = StreamParser::NeedMoreData;
                try {
                    result = m_reader.parse();
                } catch (const stanza_error &e) {
                    m_out.elements << QStringLiteral("stanza error %1").arg(e.errorCondition());
                    continue;
                }
                if (result == StreamParser::NeedMoreData)
                    break;
                if (result == StreamParser::EndOfStream) {
                    m_out.ended.last() = true;
                    m_readerEnded = true;
                    break;
                }
                const StreamElement &element = *m_reader.lastElement();
                m_out.elements << describeElement(element) + QLatin1Char(' ')
                        + describeConversions(element, m_reader.streamLanguage());
                learn(element);
            }
        } catch (const stream_error &e) {
            m_out.errors.last() = e.condition();
            m_readerEnded = true;
        }
    }

    // What the client asked and sent, for the server to answer.
    void learn(const Sent &sent)
    {
        m_out.written << sent.describe();
        if (sent.isStanza())
            count(sent);
        if (sent.isManagement("enable")) {
            // Both ends count from here; the session before is no longer the client's.
            m_kept.emplace();
            m_enableAsked = true;
            m_counting = true;
            m_lastSessionId.clear();
            m_chat.sessionKept(std::nullopt);
        } else if (sent.isManagement("resume")) {
            resumeAsked(sent);
        } else if (sent.isManagement("a")) {
            if (m_askedCounts.isEmpty())
                broken("the client tells its count of the server's stanzas unasked", sent.handled);
            const quint32 asked = m_askedCounts.takeFirst();
            if (sent.handled != QString::number(asked))
                broken("the client's count of the server's stanzas is not that of those it read",
                       sent.handled + QStringLiteral(" / ") + QString::number(asked));
        } else if (sent.name == QLatin1String("iq") && sent.type == QLatin1String("get") && sent.payload == QLatin1String("time"))
            m_questions.append({sent.id, now()});
        else if (sent.name == QLatin1String("iq") && sent.type == QLatin1String("get") && sent.payload == QLatin1String("ping"))
            m_pings.append({sent.id, std::exchange(m_unpinged, {})});
        else if (sent.name == QLatin1String("iq") && sent.payload == QLatin1String("bind")) {
            m_bindId = sent.id;
            m_boundSinceResume = true;
        } else if (sent.name == QLatin1String("presence") && sent.type.isEmpty())
            m_chat.historyAsked(bareOf(sent.to).toLower(), sent.historySeconds, m_truth.stampMs(now()));
        else if (sent.name == QLatin1String("message") && !sent.id.isEmpty()) {
            m_received.append({sent.type == QLatin1String("groupchat"), sent.id, sent.to, sent.body});
            m_unpinged.append(sent.id);
        }
    }

    // What the server sent that answers the client: an answer of the input to a clock
    // question leaves the clock unknown unless the server's clock can have read so, and
    // one to a confirmation may have confirmed the messages before it.
    void learn(const StreamElement &element)
    {
        if (const auto management = dynamic_cast<const StreamManagement *>(&element)) {
            managed(*management);
            return;
        }
        const auto iq = dynamic_cast<const Iq *>(&element);
        if (!iq || (iq->type != QLatin1String("result") && !iq->hasError()))
            return;
        m_replies << iq->id;
        // What the client asked as it read is known before what answers it.
        if (!std::exchange(m_outputTaken, true))
            takeOutput();
        const auto question = std::find_if(m_questions.begin(), m_questions.end(),
                                           [iq](const Question &q) { return q.id == iq->id; });
        if (question != m_questions.end()) {
            const auto time = dynamic_cast<const IqTime *>(iq);
            if (time && iq->type == QLatin1String("result") && time->utc.isValid()) {
                const qint64 utcMs = time->utc.toMSecsSinceEpoch();
                if (!m_answering)
                    m_truth.literal(utcMs, question->askedMs, now());
                m_answersFromMs = std::min(m_answersFromMs.value_or(utcMs), utcMs);
                m_answersToMs = std::max(m_answersToMs.value_or(utcMs), utcMs);
                m_firstAskedMs = std::min(m_firstAskedMs.value_or(question->askedMs), question->askedMs);
            }
            m_questions.erase(question);
            return;
        }
        const auto ping = std::find_if(m_pings.begin(), m_pings.end(), [iq](const Ping &p) { return p.id == iq->id; });
        if (ping == m_pings.end())
            return;
        QStringList covered;
        for (auto it = m_pings.begin(); it != ping + 1; ++it)
            covered << it->messages;
        m_chat.mayBeConfirmed(covered);
        m_pings.erase(m_pings.begin(), ping + 1);
    }

    // A stanza of the user's the server took: counted, on a session it keeps; after a
    // resumption asked for, counted on from the count the server gives.
    void count(const Sent &sent)
    {
        const bool message = sent.name == QLatin1String("message") && !sent.id.isEmpty();
        if (m_resumeAsked) {
            ++m_sinceResume;
            if (message)
                m_resumedMessages.emplace_back(sent.id, m_sinceResume);
        } else if (m_kept && m_counting) {
            ++m_kept->taken;
            if (message)
                m_kept->numbers[sent.id] = m_kept->taken;
        }
    }

    // The server's stanzas that the client read on the session.
    quint32 deliveredNow() const { return m_kept->delivered + quint32(m_reader.stanzasRead() - *m_deliveredFrom); }

    // The client asks to resume a session: only the one it was last given, with the count
    // of the server's stanzas it read.
    void resumeAsked(const Sent &sent)
    {
        if (sent.previd.isEmpty() || sent.previd != m_lastSessionId)
            broken("the client resumes a session it was not given", sent.previd + QStringLiteral(" / ") + m_lastSessionId);
        if (m_kept && m_kept->id == sent.previd && m_kept->deliveredSure && sent.handled != QString::number(m_kept->delivered))
            broken("the client's count at its resumption is not that of the server's stanzas it read",
                   sent.handled + QStringLiteral(" / ") + QString::number(m_kept->delivered));
        m_resumeAsked = sent.handled.toUInt();
        m_linksAtResume = m_chat.links();
        m_boundSinceResume = false;
        m_sinceResume = 0;
        m_resumedMessages.clear();
    }

    // What the server says of the session, as the client read it.
    void managed(const StreamManagement &element)
    {
        // The count asked for is the count before the question; the client's request is
        // known before the answer.
        if (element.type == StreamManagement::Request) {
            if (m_deliveredFrom)
                m_askedCounts.append(deliveredNow());
            return;
        }
        if (!std::exchange(m_outputTaken, true))
            takeOutput();
        switch (element.type) {
        case StreamManagement::Enabled:
            // Taken while the client counts: the server's stanzas are counted from here.
            if ((!std::exchange(m_enableAsked, false) && !m_deliveredFrom) || !m_kept)
                return;
            if (element.resume && !element.id.isEmpty()) {
                m_kept->id = element.id;
                m_kept->resumable = true;
                m_kept->maxSeconds = element.maxSeconds;
                m_lastSessionId = element.id;
                m_chat.sessionKept(keptSeconds());
            }
            m_kept->delivered = 0;
            m_deliveredFrom = m_reader.stanzasRead();
            return;
        case StreamManagement::Resumed: {
            if (!m_resumeAsked)
                return;
            const quint32 delivered = *std::exchange(m_resumeAsked, std::nullopt);
            // More taken than the client sent: it forgets the session.
            if (!m_kept || qint32(m_kept->taken - *element.handled) < 0) {
                forgetSession();
                return;
            }
            // The client's stream ended before: the session still waits for it.
            if (m_chat.links() == m_linksAtResume)
                return;
            settleByCount(*element.handled);
            m_kept->taken = *element.handled + m_sinceResume;
            m_kept->firm = *element.handled;
            for (const auto &[id, number] : m_resumedMessages)
                m_kept->numbers[id] = *element.handled + number;
            m_kept->delivered = delivered;
            m_deliveredFrom = m_reader.stanzasRead();
            m_counting = true;
            return;
        }
        case StreamManagement::Failed:
            // Taken while the client counts: it no longer does, nor keeps the session.
            if (std::exchange(m_enableAsked, false) || m_deliveredFrom) {
                m_counting = false;
                m_deliveredFrom.reset();
                forgetSession();
                return;
            }
            // Taken where it binds a new session.
            if (!m_resumeAsked || !m_boundSinceResume)
                return;
            m_resumeAsked.reset();
            if (m_kept && element.handled && qint32(m_kept->taken - *element.handled) >= 0)
                settleByCount(*element.handled);
            forgetSession();
            return;
        default:
            return;
        }
    }

    int keptSeconds() const { return m_kept->maxSeconds > 0 ? m_kept->maxSeconds : ClientResumption::DefaultKeptSeconds; }

    void forgetSession()
    {
        m_kept.reset();
        m_lastSessionId.clear();
        m_chat.sessionKept(std::nullopt);
    }

    // The server's count, read by the client, says which of the user's messages it took:
    // those it did not take it never had.
    void settleByCount(quint32 taken)
    {
        QStringList had;
        QStringList notHad;
        for (const auto &[id, number] : m_kept->numbers)
            (qint32(taken - number) >= 0 ? had : notHad) << id;
        m_chat.countedByServer(had, notHad);
        for (const QString &id : notHad) {
            m_kept->numbers.erase(id);
            const auto lost = std::find_if(m_received.rbegin(), m_received.rend(), [&id](const Received &r) { return r.id == id; });
            if (lost != m_received.rend())
                m_received.erase(std::next(lost).base());
        }
    }

    // The server answers the client's request to keep the session, or to resume it: it
    // keeps it (for as long as it says) or not; it resumes it while it keeps it, with
    // the count of the user's stanzas it took, which may leave out some of those it had
    // not acted on as the link was lost, and sends again what the client did not read.
    void manageSession(uchar how, uchar untaken)
    {
        if (m_enableAsked) {
            if (how & 1) {
                feed("<failed xmlns='urn:xmpp:sm:3'><unexpected-request xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></failed>");
                return;
            }
            static constexpr int MaxSeconds[4] = {0, 30, 120, 600};
            QString enabled = QStringLiteral("<enabled xmlns='urn:xmpp:sm:3' id='session-%1'").arg(++m_sessions);
            if (!(how & 2))
                enabled += QStringLiteral(" resume='true'");
            if (const int seconds = MaxSeconds[(how >> 2) & 3])
                enabled += QStringLiteral(" max='%1'").arg(seconds);
            feed((enabled + QStringLiteral("/>")).toUtf8());
            return;
        }
        if (!m_resumeAsked)
            return;
        const std::optional<quint32> taken =
            m_kept ? std::optional<quint32>(m_kept->taken - untaken % (m_kept->taken - m_kept->firm + 1)) : std::nullopt;
        if (!m_kept || !m_kept->resumable || (how & 1) || now() - m_kept->lostMs > qint64(keptSeconds()) * 1000) {
            // A server that still knows the session may say what it took.
            feed(QStringLiteral("<failed xmlns='urn:xmpp:sm:3'%1><item-not-found xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></failed>")
                     .arg(taken && (how & 2) ? QStringLiteral(" h='%1'").arg(*taken) : QString())
                     .toUtf8());
            return;
        }
        QString resumed = QStringLiteral("<resumed xmlns='urn:xmpp:sm:3' previd='%1' h='%2'/>").arg(xmlEscaped(m_kept->id)).arg(*taken);
        const QString domain = m_client.serverDomain().isEmpty() ? QStringLiteral("localhost") : m_client.serverDomain();
        for (const Unread &unread : std::exchange(m_kept->unread, {}))
            resumed += unread.head
                + QStringLiteral("<delay xmlns='urn:xmpp:delay' from='%1' stamp='%2'>Resent</delay>")
                      .arg(xmlEscaped(domain),
                           QDateTime::fromMSecsSinceEpoch(unread.stampMs, Qt::UTC).toString(Qt::ISODateWithMs))
                + unread.tail;
        feed(resumed.toUtf8());
    }

    void command(char op, uchar a, uchar b)
    {
        look();
        switch (op) {
        case 't': {
            // Time passes: from a millisecond to two hours.
            static constexpr qint64 Steps[16] = {1,     20,     100,    400,    1000,    2000,    5000,    10000,
                                                 30000, 61000, 120000, 301000, 600000, 1800000, 3600000, 7200000};
            const qint64 base = Steps[a & 15];
            m_out.handed << QStringLiteral("time passes %1").arg(base + base * b / 256);
            advance(base + base * b / 256);
            return;
        }
        case 'a':
            answerClock(a);
            break;
        case 's': {
            // The server's clock is set, and its stamps follow at 1% or at once, up to a
            // minute later.
            static constexpr qint64 Deltas[16] = {300,    -300,    1500,    -1500,    3000,     -3000,     10000, -10000,
                                                  60000, -60000, 600000, -600000, 3600000, -3600000, 150,  -150};
            if (m_client.serverClock() && m_truth.set(now(), Deltas[a & 15], b & 1, qint64(b >> 1) * 60000 / 127))
                m_out.handed << QStringLiteral("the server's clock is set by %1").arg(Deltas[a & 15]);
            break;
        }
        case 'r':
            m_chat.say(a, b & 1, b & 2);
            break;
        case 'c':
            m_chat.write(a, b & 1, b & 2);
            break;
        case 'l':
            m_chat.leave(a);
            break;
        case 'p':
            answerPing(a & 1, a & 2);
            break;
        case 'e':
            passOn(a, b);
            break;
        case 'x':
            refuse(a, b);
            break;
        case 'm':
            manageSession(a, b);
            break;
        case 'q':
            if (m_deliveredFrom)
                feed("<r xmlns='urn:xmpp:sm:3'/>");
            break;
        case 'd':
            m_deadToClient = true;
            break;
        case 'b':
            if (!m_bindId.isNull())
                feed(QStringLiteral("<iq type='result' id='%1'><bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'>"
                                    "<jid>1001@localhost/desk</jid></bind></iq>")
                         .arg(xmlEscaped(m_bindId))
                         .toUtf8());
            break;
        default:
            return;
        }
        look();
    }

    QString serverAttributes() const
    {
        const QString domain = m_client.serverDomain();
        QString attributes = QStringLiteral(" to='%1'").arg(xmlEscaped(m_client.ownJid()));
        if (!domain.isEmpty())
            attributes += QStringLiteral(" from='%1'").arg(xmlEscaped(domain));
        return attributes;
    }

    // The server answers the oldest open clock question, having read its clock at the
    // share given of the way between the question and now.
    void answerClock(uchar at)
    {
        if (m_questions.isEmpty())
            return;
        const Question question = m_questions.first();
        const qint64 readMs = question.askedMs + (now() - question.askedMs) * at / 255;
        const std::optional<ClientClock::Reading> before = m_client.serverClock();
        const bool wasConnected = connected();
        m_answering = true;
        feed(QStringLiteral("<iq type='result' id='%1'%2><time xmlns='urn:xmpp:time'><tzo>+00:00</tzo><utc>%3</utc></time></iq>")
                 .arg(xmlEscaped(question.id), serverAttributes(),
                      QDateTime::fromMSecsSinceEpoch(m_truth.systemMs(readMs), Qt::UTC).toString(Qt::ISODateWithMs))
                 .toUtf8());
        m_answering = false;
        if (before && wasConnected && connected() && m_replies.contains(question.id))
            m_truth.answered(readMs, now() - question.askedMs, *before);
    }

    // The server answers the oldest confirmation asked for, or the latest, with a result
    // or an error, which says as much; the client takes those before as answered too.
    void answerPing(bool asError, bool latest)
    {
        if (m_pings.isEmpty())
            return;
        const Ping ping = latest ? m_pings.last() : m_pings.first();
        QStringList covered;
        for (const Ping &before : m_pings) {
            covered << before.messages;
            if (before.id == ping.id)
                break;
        }
        const bool wasConnected = connected();
        feed((asError ? QStringLiteral("<iq type='error' id='%1'%2><ping xmlns='urn:xmpp:ping'/><error type='cancel'>"
                                       "<service-unavailable xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></error></iq>")
                      : QStringLiteral("<iq type='result' id='%1'%2/>"))
                 .arg(xmlEscaped(ping.id), serverAttributes())
                 .toUtf8());
        if (wasConnected && connected() && m_replies.contains(ping.id))
            m_chat.confirmedByServer(covered);
    }

    // The room passes on a line of the user's that it had, under his nick there, with
    // or without the ids.
    void passOn(uchar which, uchar how)
    {
        QList<Received> lines;
        for (const Received &line : m_received) {
            if (line.toRoom && !m_chat.nickIn(bareOf(line.to)).isNull())
                lines.append(line);
        }
        if (lines.isEmpty())
            return;
        const Received &line = lines.at(which % lines.size());
        const QString room = bareOf(line.to);
        const bool withId = !(how & 2);
        const bool withOriginId = !(how & 4) || !withId;
        QString copy = QStringLiteral("<message from='%1' to='%2' type='groupchat'")
                           .arg(xmlEscaped(room + QLatin1Char('/') + m_chat.nickIn(room)), xmlEscaped(m_client.ownJid()));
        if (withId)
            copy += QStringLiteral(" id='%1'").arg(xmlEscaped(line.id));
        copy += QStringLiteral("><body>%1</body>").arg(xmlEscaped(line.body));
        if (how & 1)
            copy += QStringLiteral("<stanza-id xmlns='urn:xmpp:sid:0' by='%1' id='room-%2'/>").arg(xmlEscaped(room), xmlEscaped(line.id));
        if (withOriginId)
            copy += QStringLiteral("<origin-id xmlns='urn:xmpp:sid:0' id='%1'/>").arg(xmlEscaped(line.id));
        feed((copy + QStringLiteral("</message>")).toUtf8());
    }

    // The server refuses a line it had, from the room or the user it went to (his bare
    // address, or one of his resources), with one of the conditions and maybe its own
    // words.
    void refuse(uchar which, uchar how)
    {
        if (m_received.isEmpty())
            return;
        const Received &line = m_received.at(which % m_received.size());
        QString from = line.toRoom || (how & 0x40) ? bareOf(line.to) : line.to;
        if (!line.toRoom && (how & 0x10) && !from.contains(QLatin1Char('/')))
            from += QStringLiteral("/phone");
        QString words;
        if (how & 0x20)
            words = QStringLiteral("<text xmlns='urn:ietf:params:xml:ns:xmpp-stanzas' xml:lang='%1'>Not now &amp; "
                                   "&lt;not&gt; here</text>")
                        .arg(how & 0x80 ? QStringLiteral("fr") : QStringLiteral("en"));
        feed(QStringLiteral("<message from='%1' to='%2' type='error' id='%3'><body>%4</body><error type='cancel'>"
                            "<%5 xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/>%6</error></message>")
                 .arg(xmlEscaped(from), xmlEscaped(m_client.ownJid()), xmlEscaped(line.id), xmlEscaped(line.body),
                      QLatin1String(Conditions[how % std::size(Conditions)]), words)
                 .toUtf8());
    }

    // The client's reckoning of the chat server's clock lies between the answers it was
    // given, and where the server's clock is known, the stamps it can have put at each
    // time the clock was read lie where the client takes them to stand then, by the steps
    // it has seen by now.
    void checkClock()
    {
        const std::optional<ClientClock::Reading> reading = m_client.serverClock();
        if (!reading)
            return;
        if (!m_answersFromMs || reading->nowMs < *m_answersFromMs
            || reading->nowMs > *m_answersToMs + (now() - *m_firstAskedMs) || reading->errorMs < 1)
            broken("the clock's reckoning is not that of an answer",
                   QStringLiteral("%1 +- %2").arg(QString::number(reading->nowMs), QString::number(reading->errorMs)));
        if (m_truth.isBroken())
            return;
        if (m_samples.size() < MaxSamples && (m_samples.empty() || m_samples.back().localMs != now()))
            m_samples.push_back({now(), reading->nowMs, reading->errorMs, m_truth.stampMs(now())});
        const ClockSteps &steps = m_client.serverClockSteps();
        for (const Sample &sample : m_samples) {
            if (!m_truth.judgeable(sample.localMs))
                continue;
            const std::vector<ClockSteps::Span> spans =
                steps.spans(sample.localMs, {sample.nowMs - sample.errorMs, sample.nowMs + sample.errorMs});
            // And a line stamped then, heard then, is one the client takes the stamp for.
            if (std::none_of(spans.cbegin(), spans.cend(), [&sample](const ClockSteps::Span &span) {
                    return span.fromMs <= sample.stampMs && sample.stampMs <= span.toMs;
                }) || !ClockSteps::stampedBy(sample.stampMs, spans)) {
                QStringList where;
                for (const ClockSteps::Span &span : spans)
                    where << QStringLiteral("%1..%2").arg(QString::number(span.fromMs), QString::number(span.toMs));
                broken("the client's clock leaves out where the server stamped",
                       QStringLiteral("at %1 the server stamped %2, the client takes %3 +- %4 and the spans %5\n%6")
                           .arg(QString::number(sample.localMs), QString::number(sample.stampMs),
                                QString::number(sample.nowMs), QString::number(sample.errorMs),
                                where.join(QLatin1Char(' ')), m_truth.describe()));
            }
        }
    }

    SteeredDispatcher &m_dispatcher;
    Outcome &m_out;
    ServerEnd m_server;
    XMPPClient m_client;
    ChatLayer m_chat;
    ClientOutput m_output;
    StreamParser m_reader;
    bool m_readerEnded = false;
    // What the client wrote has been read since the last part of the stream came.
    bool m_outputTaken = false;
    // The answers read whole in the last part of the stream, by id: an answer written
    // inside an element the input left open is none.
    QStringList m_replies;
    // The server answers a clock question: the answer is one of its clock's.
    bool m_answering = false;
    ClockTruth m_truth;
    QList<Question> m_questions;
    QList<Ping> m_pings;
    QStringList m_unpinged;
    QList<Received> m_received;
    QString m_bindId;
    std::optional<qint64> m_answersFromMs;
    std::optional<qint64> m_answersToMs;
    std::optional<qint64> m_firstAskedMs;
    std::vector<Sample> m_samples;

    std::optional<Kept> m_kept;
    int m_sessions = 0;
    // The session the client was last given to resume.
    QString m_lastSessionId;
    // This connection's: the client asked to keep the session, or to resume it with the
    // count of the server's stanzas given, and waits for the answer.
    bool m_enableAsked = false;
    std::optional<quint32> m_resumeAsked;
    // What the client did since: connections made, and whether it asked to bind anew.
    int m_linksAtResume = 0;
    bool m_boundSinceResume = false;
    // The user's stanzas and messages since the resumption was asked for.
    quint32 m_sinceResume = 0;
    std::vector<std::pair<QString, quint32>> m_resumedMessages;
    // The user's stanzas are counted on this connection, and the server's from the
    // stanzas read by the number given.
    bool m_counting = false;
    std::optional<qint64> m_deliveredFrom;
    bool m_deliveredUnsure = false;
    // The counts the server asked the client for, as they stood when it asked.
    QList<quint32> m_askedCounts;
    // The link carries nothing towards the client: what the server wrote since, and how
    // far it had written by each time on its stamping clock.
    bool m_deadToClient = false;
    QByteArray m_unreadBytes;
    std::vector<std::pair<qsizetype, qint64>> m_unreadTimes;
};

// The thread the runs take turns on, kept for the process, whose dispatcher's clock is
// the chat's: a thread made for every run cost more than a short run (its start, and
// the sanitizer handing back the thread's caches as it ended). Each run finds the clock
// at its start and nothing of the run before: a run that leaves a timer or a socket
// registered, or an object to delete later, fails the harness.
class RunThread
{
public:
    static RunThread &instance()
    {
        static RunThread *const thread = [] {
            auto *made = new RunThread;
            // Ended before the application object, which its objects need.
            qAddPostRoutine([] { delete std::exchange(running, nullptr); });
            return running = made;
        }();
        return *thread;
    }

    void run(const std::function<void()> &job)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_job = &job;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return !m_job; });
    }

private:
    RunThread() : m_dispatcher(new SteeredDispatcher(StartMs))
    {
        m_thread.reset(QThread::create([this] { serve(); }));
        m_thread->setEventDispatcher(m_dispatcher);
        m_thread->start();
    }
    ~RunThread()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_stopping = true;
        }
        m_changed.notify_all();
        m_thread->wait();
    }

    void serve()
    {
        LocalClock::setSource(&localNow);
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [this] { return m_job || m_stopping; });
            if (!m_job)
                break;
            if (!m_dispatcher->restart(StartMs))
                harnessFailed("a run left a timer or a socket registered");
            steered = m_dispatcher;
            Singleton<ServerTime>::instance().setClock(std::make_unique<SteeredGameClock>());
            (*m_job)();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::sendPostedEvents();
            steered = nullptr;
            m_job = nullptr;
            m_changed.notify_all();
        }
        LocalClock::setSource(nullptr);
    }

    static inline RunThread *running = nullptr;
    SteeredDispatcher *m_dispatcher;
    std::unique_ptr<QThread> m_thread;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    const std::function<void()> *m_job = nullptr;
    bool m_stopping = false;
};

// Runs the input on the runs' thread; again where the plumbing stalled.
Outcome readInPieces(const QByteArray &input, const QList<qsizetype> &cuts)
{
    for (int run = 1;; ++run) {
        Outcome out;
        std::optional<PlumbingStalled> stalled;
        const int heldBack = runsHeldBack.load();
        const int patience = patienceMs.load();
        if (heldBack > 0)
            patienceMs = 50;
        RunThread::instance().run([&out, &input, &cuts, &stalled] {
            try {
                Session session(*steered.load(), out);
                session.run(input, cuts);
            } catch (const PlumbingStalled &stall) {
                stalled = stall;
            }
        });
        if (heldBack > 0) {
            runsHeldBack = heldBack - 1;
            patienceMs = patience;
        }
        if (!stalled)
            return out;
        ++runsGivenUp;
        if (run == MaxRunsOfAnInput)
            broken("the plumbing stalls on every run of the input", QString::fromLatin1(stalled->what));
        std::fprintf(stderr, "chat fuzz harness: %s; the input runs again\n", stalled->what);
    }
}

} // namespace

QString describeElement(const StreamElement &element)
{
    QStringList parts{QString::number(element.kind())};
    if (auto stanza = dynamic_cast<const Stanza *>(&element)) {
        parts << stanza->id << stanza->type << stanza->from.toString() << stanza->to.toString()
              << QString::number(stanza->errorType) << QString::number(stanza->errorCondition);
        if (!stanza->errorText.isNull())
            parts << QLatin1Char('"') + stanza->errorText + QLatin1Char('"');
    }
    if (auto error = dynamic_cast<const StreamError *>(&element))
        parts << QString::number(error->condition) << error->text << error->seeOtherHost;
    if (auto features = dynamic_cast<const StreamFeatures *>(&element)) {
        parts << QString::number(features->startTls) << QString::number(features->bind)
              << QString::number(features->session) << QString::number(features->streamManagement)
              << features->mechanisms.join(QLatin1Char(','));
    }
    if (auto management = dynamic_cast<const StreamManagement *>(&element)) {
        parts << QString::number(management->type) << QString::number(management->resume) << management->id
              << QString::number(management->maxSeconds)
              << (management->handled ? QString::number(*management->handled) : QStringLiteral("-"));
    }
    if (auto bind = dynamic_cast<const IqBind *>(&element))
        parts << bind->jid;
    if (auto time = dynamic_cast<const IqTime *>(&element))
        parts << QStringLiteral("time ") + time->utc.toString(Qt::ISODateWithMs);
    if (auto message = dynamic_cast<const MessageStanza *>(&element)) {
        for (auto it = message->bodies.cbegin(); it != message->bodies.cend(); ++it)
            parts << it.key() + QLatin1Char('=') + it.value();
        for (auto it = message->subjects.cbegin(); it != message->subjects.cend(); ++it)
            parts << it.key() + QLatin1Char('=') + it.value();
        parts << message->thread;
        for (const DelayedDeliveryInfo &delay : message->delays)
            parts << delay.from.toString() + QLatin1Char('@') + delay.stamp.toString(Qt::ISODateWithMs);
        for (const UniqueStanzaId &id : message->stanzaIds)
            parts << QStringLiteral("id ") + id.id + QStringLiteral(" by ") + id.by.toString();
        if (!message->originId.isNull())
            parts << QStringLiteral("origin ") + message->originId;
    }
    if (auto presence = dynamic_cast<const PresenceStanza *>(&element)) {
        QStringList tables = presence->tables.values();
        tables.sort();
        parts << QString::number(presence->show) << QString::number(presence->priority)
              << tables.join(QLatin1Char('|')) << QString::fromLatin1(presence->photoHash.toHex())
              << presence->roomData.nick << QString::number(presence->roomData.affiliation);
        for (int code : presence->roomData.statusCodes)
            parts << QString::number(code);
        if (presence->roomData.destroyed)
            parts << QStringLiteral("destroyed") << presence->roomData.destroyReason;
    }
    if (auto info = dynamic_cast<const IqDiscoInfo *>(&element))
        parts << info->features.join(QLatin1Char(','));
    if (auto items = dynamic_cast<const IqDiscoItems *>(&element)) {
        for (const auto &item : items->items)
            parts << item.jid.toString();
    }
    return parts.join(QLatin1Char(' '));
}

void holdChatClientBytes(int runs)
{
    runsHeldBack = runs;
}

int chatRunsGivenUp()
{
    return runsGivenUp.load();
}

void fuzzChatInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return;
    // The game server's clock lives on the thread that made it, which outlives the runs.
    Singleton<ServerTime>::instance();
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const Outcome whole = readInPieces(input, {});

    // The first byte spaces the cuts: 0 cuts after every byte, '<' after every 61st.
    const qsizetype step = data[0] + 1;
    QList<qsizetype> cuts;
    for (qsizetype at = data[0] % step; at < input.size(); at += step) {
        if (at > 0)
            cuts.append(at);
    }
    const Outcome split = readInPieces(input, cuts);
    if (split.elements != whole.elements || split.handed != whole.handed || split.written != whole.written
        || split.errors != whole.errors || split.ended != whole.ended) {
        const auto ends = [](const Outcome &out) {
            QStringList parts;
            for (qsizetype i = 0; i < out.errors.size(); ++i)
                parts << QStringLiteral("%1 %2").arg(QString::number(out.errors.at(i)), QString::number(out.ended.at(i)));
            return parts.join(QStringLiteral(", "));
        };
        broken("cutting the input into reads changes what is read",
               (whole.elements + whole.handed + whole.written).join(QLatin1Char('\n'))
                   + QStringLiteral("\n-- %1 / %2 --\n").arg(ends(whole), ends(split))
                   + (split.elements + split.handed + split.written).join(QLatin1Char('\n')));
    }
}
