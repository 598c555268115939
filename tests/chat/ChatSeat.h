#pragma once

// One player at the chat for the tests through the real chat server: the chat client,
// the player directory (names from the test game server), the chat context and a room
// view.

#include "app/startup/ResourceSearchPaths.h"
#include "EjabberdTestServer.h"
#include "connection/ConnectedManager.h"

#include "chat/ChatController.h"
#include "chat/ChatOutputWidget.h"
#include "chat/ConferenceWidget.h"
#include "chat/xmpp/XMPPClient.h"
#include "connection/ConnectionManager.h"
#include "connection/PlayerDb.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>

struct ChatSeat
{
    // The default skin's resources and style sheet for every room view of the test.
    static bool useSkin()
    {
        setupResourceSearchPaths({}, QStringLiteral("default"));
        QFile sheet("resources:/defaultui.css");
        if (!sheet.open(QIODevice::ReadOnly))
            return false;
        qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()) + "ConferenceWidget { background: #1d3b2f; }");
        return true;
    }

    std::unique_ptr<XMPPClient> client;
    std::unique_ptr<PlayerDb> db;
    std::unique_ptr<ChatController> context;
    std::unique_ptr<ConferenceWidget> view;

    // Ends the session as the application does: the room is left and the stream closed
    // while the event loop runs, so that the server lets the user go rather than keep
    // his session, and his nick in the rooms, for a resumption the next test would meet.
    ~ChatSeat()
    {
        view.reset();
        if (client)
            client->closeStreamAndWait(CloseWaitMs);
    }
    // Longer than the application's wait: a busy machine may be slow to answer.
    static constexpr int CloseWaitMs = 5000;

    QLineEdit *input() const { return view->findChild<QLineEdit *>("chatInput"); }
    // The lines without the manager's icon.
    QString text() const { return view->output()->toPlainText().remove(QChar::ObjectReplacementCharacter); }
    void say(const QString &line) const
    {
        input()->setText(line);
        QTest::keyClick(input(), Qt::Key_Return);
    }

    // The latest the chat server's clock can read, by this seat's reckoning, as the room
    // view shows its next line; unset until then.
    void noteWhenHeard(std::optional<qint64> &heardByMs) const
    {
        QObject::connect(view->conference(), &XMPPConference::message, view.get(), [this, &heardByMs] {
            const auto clock = client->serverClock();
            if (clock && !heardByMs)
                heardByMs = clock->nowMs + clock->errorMs;
        });
    }
    // Once the chat server's clock is past the time, however far this seat's reckoning
    // may be off (a busy machine makes it less sure).
    bool waitUntilServerClockPast(qint64 ms) const
    {
        return QTest::qWaitFor([this, ms] {
            const auto clock = client->serverClock();
            return clock && clock->nowMs - clock->errorMs > ms;
        });
    }

    // Logged in as the account (password "secret") at the chat server on the port, and
    // named by the game server's connection; null when the login fails.
    static std::unique_ptr<ChatSeat> open(quint16 port, const QString &account, ConnectionManager *game,
                                          qint32 playerId, const QString &screenName)
    {
        auto s = std::make_unique<ChatSeat>();
        s->client = std::make_unique<XMPPClient>();
        QSignalSpy connected(s->client.get(), &XMPPClient::connected);
        s->client->login(account, "secret");
        s->client->connectToHost("localhost", port, XMPPClient::TlsRequired);
        if (!connected.wait(5000) && connected.isEmpty())
            return nullptr;
        s->db = std::make_unique<PlayerDb>(game, nullptr);
        s->db->setLocalPlayer(playerId, screenName);
        s->context = std::make_unique<ChatController>(s->db.get(), s->client.get());
        s->context->setConferenceJid("conference.localhost");
        s->context->setLobbyRoomJid("lobby@conference.localhost");
        s->view = std::make_unique<ConferenceWidget>(nullptr, 0);
        s->view->setAttribute(Qt::WA_StyledBackground);
        s->view->setXmppContext(s->context.get());
        s->view->resize(600, 400);
        s->view->show();
        return s;
    }
};

// The chat test server of the test fixture, the test game server that names the players
// ("chat-users.json") and accounts of the test's own, first to last (the other chat tests
// run at the same time), with the default skin; false when any of it fails.
inline bool startChatTestBed(QString &serverDir, quint16 &port, ConnectedManager &game, int first, int last)
{
    EjabberdTestServer server;
    serverDir = qEnvironmentVariable("XMPP_SERVER_DIR");
    if (!server.load(serverDir) || server.port == 0) {
        qWarning().noquote() << "no test server in" << serverDir;
        return false;
    }
    port = server.port;
    return game.start(QStringLiteral("chat-users.json")) && registerEjabberdAccounts(serverDir, first, last)
        && ChatSeat::useSkin();
}
