// A burst of room lines against the GUI thread: a chat server on loopback (its own
// thread) writes 20,000 short lines of one occupant as fast as it can, and the room
// view of the real client shows them. Reported: the time until the last line is shown,
// and the longest stall of the event loop meanwhile (the longest gap between the ticks
// of a 1 ms timer), beside the same for one ordinary line.
#include "RepeatedRuns.h"
#include "StallMeter.h"

#include "app/startup/MessageHandler.h"
#include "app/startup/ResourceSearchPaths.h"
#include "chat/ChatController.h"
#include "chat/ChatOutputWidget.h"
#include "chat/ConferenceWidget.h"
#include "chat/xmpp/XMPPClient.h"
#include "connection/PlayerDb.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextBlock>

#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace {

constexpr int BurstLines = 20000;
const std::string Room = "table-7@conference.localhost";

// The server's side of one session, with blocking sockets: the negotiation, the join
// of the room, then every line asked for in one write.
class LoopbackChatServer
{
public:
    LoopbackChatServer()
    {
        m_listener = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof address);
        socklen_t length = sizeof address;
        getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length);
        m_port = ntohs(address.sin_port);
        listen(m_listener, 1);
        m_thread = std::thread([this] { serve(); });
    }

    ~LoopbackChatServer()
    {
        m_stop = true;
        if (m_peer >= 0)
            shutdown(m_peer, SHUT_RDWR);
        shutdown(m_listener, SHUT_RDWR);
        m_thread.join();
        if (m_peer >= 0)
            close(m_peer);
        close(m_listener);
    }

    quint16 port() const { return m_port; }

    // Lines from the first on, written at once once asked for.
    void sendLines(int first, int count)
    {
        m_first = first;
        m_count = count;
        m_due = true;
    }

private:
    void serve()
    {
        m_peer = accept(m_listener, nullptr, nullptr);
        if (m_peer < 0)
            return;
        const std::string header = "<?xml version='1.0'?><stream:stream xmlns='jabber:client' "
                                   "xmlns:stream='http://etherx.jabber.org/streams' from='localhost' id='s1' "
                                   "version='1.0' xml:lang='en'><stream:features>";
        if (!await(">") || !write(header + "<mechanisms xmlns='urn:ietf:params:xml:ns:xmpp-sasl'>"
                                            "<mechanism>PLAIN</mechanism></mechanisms></stream:features>")
            || !await("</auth>") || !write("<success xmlns='urn:ietf:params:xml:ns:xmpp-sasl'/>")
            || !await("<stream:stream") || !await(">")
            || !write(header + "<bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'/></stream:features>")
            || !await("</iq>")
            || !write("<iq type='result' id='1'><bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'>"
                      "<jid>1001@localhost/r1</jid></bind></iq>")
            || !await("</presence>") || !await("</presence>")
            || !write("<presence from='" + Room + "/Haruto'><x xmlns='http://jabber.org/protocol/muc#user'>"
                      "<item affiliation='owner' role='moderator'/><status code='110'/></x></presence>"
                      "<message from='" + Room + "' type='groupchat'><subject/></message>"))
            return;
        while (!m_stop) {
            if (!m_due.exchange(false)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            std::string lines;
            for (int i = m_first; i < m_first + m_count; ++i)
                lines += "<message from='" + Room + "/Aiko' type='groupchat' id='m" + std::to_string(i)
                    + "'><body>line " + std::to_string(i) + ": pon, chi &amp; riichi</body></message>";
            if (!write(lines))
                return;
        }
    }

    bool await(const std::string &marker)
    {
        for (;;) {
            const size_t at = m_received.find(marker);
            if (at != std::string::npos) {
                m_received.erase(0, at + marker.size());
                return true;
            }
            char buffer[4096];
            const ssize_t got = recv(m_peer, buffer, sizeof buffer, 0);
            if (got <= 0)
                return false;
            m_received.append(buffer, size_t(got));
        }
    }

    bool write(const std::string &data)
    {
        size_t sent = 0;
        while (sent < data.size()) {
            const ssize_t n = send(m_peer, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            sent += size_t(n);
        }
        return true;
    }

    int m_listener = -1;
    std::atomic<int> m_peer{-1};
    quint16 m_port = 0;
    std::string m_received;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_due{false};
    std::atomic<int> m_first{0};
    std::atomic<int> m_count{0};
};

// A client in the room, with its view shown.
struct RoomClient
{
    LoopbackChatServer server;
    XMPPClient client;
    PlayerDb db{nullptr, nullptr};
    ChatController context{&db, &client};
    ConferenceWidget view{nullptr, 0};

    bool join()
    {
        client.setPlainAuthWithoutTlsAllowed(true);
        client.login(QStringLiteral("1001"), QStringLiteral("secret"));
        client.connectToHost(QStringLiteral("127.0.0.1"), server.port(), XMPPClient::TlsIfAvailable);
        db.setLocalPlayer(1001, QStringLiteral("Haruto"));
        context.setConferenceJid(QStringLiteral("conference.localhost"));
        view.setXmppContext(&context);
        view.resize(600, 400);
        view.show();
        QElapsedTimer waited;
        waited.start();
        while (client.state() != XMPPClient::ConnectedState && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        view.setTableRoom(7);
        while (!view.conference()->isJoined() && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return view.conference()->isJoined();
    }

    // Runs the event loop until the line is the last one shown; the longest stall
    // meanwhile, in ms, or -1 after 60 s.
    double showUntil(const QString &lastLine)
    {
        QElapsedTimer clock;
        clock.start();
        StallMeter stalls;
        const QTextDocument *document = view.output()->document();
        while (!document->lastBlock().text().endsWith(lastLine)) {
            if (clock.elapsed() > 60000)
                return -1;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return stalls.longestMs();
    }
};

void runLines(benchmark::State &state, int count)
{
    RoomClient room;
    if (!room.join()) {
        state.SkipWithError("could not join the room");
        return;
    }
    int next = 0;
    double stallSum = 0;
    for (auto _ : state) {
        QElapsedTimer total;
        total.start();
        room.server.sendLines(next, count);
        next += count;
        const double stall = room.showUntil(QStringLiteral("line %1: pon, chi & riichi").arg(next - 1));
        if (stall < 0) {
            state.SkipWithError("the lines were not shown");
            return;
        }
        state.SetIterationTime(double(total.nsecsElapsed()) / 1e9);
        stallSum += stall;
    }
    state.counters["stall_ms"] = benchmark::Counter(stallSum, benchmark::Counter::kAvgIterations);
}

void BM_RoomBurst(benchmark::State &state)
{
    runLines(state, BurstLines);
}

void BM_RoomOneLine(benchmark::State &state)
{
    runLines(state, 1);
}

void burstRuns(benchmark::internal::Benchmark *bench)
{
    repeatedStatistics(bench);
    bench->UseManualTime()->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_RoomBurst)->Apply(burstRuns)->Iterations(1);
BENCHMARK(BM_RoomOneLine)->Apply(burstRuns)->Iterations(20);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // As in the client: debug lines are dropped, warnings go to standard error.
    MessageHandler::install();
    setupResourceSearchPaths({}, QStringLiteral("default"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
