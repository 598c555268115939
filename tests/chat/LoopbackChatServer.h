#pragma once

// A chat server on loopback in a thread of its own, with blocking sockets, that writes
// room lines as fast as the socket takes them, and a client of the real chat in its
// room with the room's view shown: for bursts and floods against the GUI thread.

#include "chat/ChatController.h"
#include "chat/ConferenceWidget.h"
#include "chat/xmpp/XMPPClient.h"
#include "connection/PlayerDb.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

// The server's side of one session: the negotiation, the join of the room table-7 by
// Haruto, then the lines of the occupant Aiko that are asked for.
class LoopbackChatServer
{
public:
    static inline const std::string Room = "table-7@conference.localhost";

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

    // The text of line number i.
    static QString lineText(int i) { return QStringLiteral("line %1: pon, chi & riichi").arg(i); }

    // Lines from the first on, written at once once asked for.
    void sendLines(int first, int count)
    {
        m_first = first;
        m_count = count;
        m_flood = false;
        m_due = true;
    }

    // Lines from the first on, a thousand at a time, until about the bytes given are
    // written or stopFlood().
    void flood(int first, qint64 bytes)
    {
        m_first = first;
        m_floodBytes = bytes;
        m_flood = true;
        m_due = true;
    }

    // Ends a flood after the thousand lines being written; true once it has ended.
    bool stopFlood(int timeoutMs)
    {
        m_stopFlood = true;
        QElapsedTimer waited;
        waited.start();
        while (m_flooding && waited.elapsed() < timeoutMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return !m_flooding;
    }

    bool flooding() const { return m_flooding; }
    // The number of the last line written whole; -1 before the first.
    int lastLineWritten() const { return m_lastWritten; }

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
            if (m_flood ? !writeFlood() : !writeLines(m_first, m_count))
                return;
        }
    }

    bool writeFlood()
    {
        m_stopFlood = false;
        m_flooding = true;
        constexpr int BatchLines = 1000;
        qint64 written = 0;
        bool ok = true;
        for (int first = m_first; ok && written < m_floodBytes && !m_stopFlood && !m_stop; first += BatchLines) {
            const std::string lines = linesFrom(first, BatchLines);
            ok = write(lines);
            written += qint64(lines.size());
            if (ok)
                m_lastWritten = first + BatchLines - 1;
        }
        m_flooding = false;
        return ok;
    }

    bool writeLines(int first, int count)
    {
        if (!write(linesFrom(first, count)))
            return false;
        m_lastWritten = first + count - 1;
        return true;
    }

    static std::string linesFrom(int first, int count)
    {
        std::string lines;
        for (int i = first; i < first + count; ++i)
            lines += "<message from='" + Room + "/Aiko' type='groupchat' id='m" + std::to_string(i)
                + "'><body>line " + std::to_string(i) + ": pon, chi &amp; riichi</body></message>";
        return lines;
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
    std::atomic<bool> m_flood{false};
    std::atomic<bool> m_stopFlood{false};
    std::atomic<bool> m_flooding{false};
    std::atomic<int> m_first{0};
    std::atomic<int> m_count{0};
    std::atomic<qint64> m_floodBytes{0};
    std::atomic<int> m_lastWritten{-1};
};

// A client of the loopback server in its room, with the room's view shown.
struct LoopbackRoom
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
};
