#pragma once

#include "DemoWorld.h"

#include "chat/xmpp/XMPPClient.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <set>

// The demo world's manager on its chat server: an account of its own, listed in the user
// search under its screen name, logged in with the project's chat client as long as the
// test server runs. It takes every player who adds it as a friend and adds the player
// back; it greets a player when added and each client of a player as it comes online,
// and answers every line a player writes to it, each time in the language of the
// player's client. Each step goes into the server's log as a line starting "MANAGER".
class DemoManager : public QObject
{
    Q_OBJECT

public:
    // A player as the world knows him: his screen name (empty for none) and the
    // language of his client (WorldLanguage).
    struct Player
    {
        QString name;
        QString language = QStringLiteral("en");
    };

    // `player` tells of a player by id.
    DemoManager(const ChatSettings &chat, qint32 id, const QString &name, const QString &password,
                std::function<Player(qint32)> player, QObject *parent = nullptr);

    // Registers the account on the chat server, lists it in the user search and logs in.
    void start();

private:
    void registerAccount(bool again);
    void listInSearch();
    void logIn();
    void onAddedBy(const XMPPJid &jid);
    void onPresence(const XMPPPresence &presence);
    void onMessage(const XMPPMessage &message);
    void say(const QString &to, const QString &thread, const QString &text);
    // The player of a chat address, named by id where the world does not know him.
    Player player(const XMPPJid &jid) const;
    static void log(const QString &text);

    ChatSettings m_chat;
    qint32 m_id;
    QString m_name;
    QString m_password;
    std::function<Player(qint32)> m_player;
    XMPPClient m_client;
    // The clients of each player online (full addresses), by bare address; and the
    // players just greeted for adding the manager, whose client coming online next is
    // the one that added her.
    std::map<QString, std::set<QString>> m_online;
    std::set<QString> m_greetedOnAdding;
};
