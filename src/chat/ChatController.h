#pragma once

#include <QObject>
#include <QString>

class PlayerDb;
class XMPPClient;

// The chat context the main window hands to every room view: the chat client, the
// player directory and the addresses of the conference service and the lobby room.
class ChatController : public QObject
{
public:
    ChatController(PlayerDb *playerDb, XMPPClient *client, QObject *parent = nullptr)
        : QObject(parent), m_client(client), m_playerDb(playerDb)
    {
    }

    XMPPClient *client() const { return m_client; }
    PlayerDb *playerDb() const { return m_playerDb; }

    QString conferenceJid() const { return m_conferenceJid; }
    void setConferenceJid(const QString &jid) { m_conferenceJid = jid; }
    QString lobbyRoomJid() const { return m_lobbyRoomJid; }
    void setLobbyRoomJid(const QString &jid) { m_lobbyRoomJid = jid; }

private:
    XMPPClient *m_client;
    PlayerDb *m_playerDb;
    QString m_conferenceJid;
    QString m_lobbyRoomJid;
};
