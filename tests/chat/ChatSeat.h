#pragma once

// One player at the chat for the tests through the real chat server: the chat client,
// the player directory (names from the test game server), the chat context and a room
// view.

#include "chat/ChatController.h"
#include "chat/ChatOutputWidget.h"
#include "chat/ConferenceWidget.h"
#include "chat/xmpp/XMPPClient.h"
#include "connection/ConnectionManager.h"
#include "connection/PlayerDb.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

struct ChatSeat
{
    std::unique_ptr<XMPPClient> client;
    std::unique_ptr<PlayerDb> db;
    std::unique_ptr<ChatController> context;
    std::unique_ptr<ConferenceWidget> view;

    QLineEdit *input() const { return view->findChild<QLineEdit *>("chatInput"); }
    // The lines without the manager's icon.
    QString text() const { return view->output()->toPlainText().remove(QChar::ObjectReplacementCharacter); }
    void say(const QString &line) const
    {
        input()->setText(line);
        QTest::keyClick(input(), Qt::Key_Return);
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
