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
// back; it greets a player when added and when the player comes online again, and
// answers every line a player writes to it. Each step goes into the server's log as a
// line starting "MANAGER".
class DemoManager : public QObject
{
    Q_OBJECT

public:
    // `playerName` names a player by id, empty for none.
    DemoManager(const ChatSettings &chat, qint32 id, const QString &name, const QString &password,
                std::function<QString(qint32)> playerName, QObject *parent = nullptr);

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
    QString playerName(const XMPPJid &jid) const;
    static void log(const QString &text);

    ChatSettings m_chat;
    qint32 m_id;
    QString m_name;
    QString m_password;
    std::function<QString(qint32)> m_playerName;
    XMPPClient m_client;
    // The resources of each player online, by bare address, and the players greeted
    // since they came online.
    std::map<QString, std::set<QString>> m_online;
    std::set<QString> m_greeted;
};
