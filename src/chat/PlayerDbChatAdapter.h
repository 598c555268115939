#pragma once

#include <QObject>
#include <QPointer>

#include "chat/xmpp/XMPPVCard.h"
#include "connection/PlayerDbChatClient.h"

class PlayerDb;
class XMPPClient;

// The player directory's road to the chat server: asks for vCards and uploads the
// user's picture through the chat client, and hands presences and vCard answers to
// the directory. Plugs itself into the directory for its lifetime.
class PlayerDbChatAdapter : public QObject, public PlayerDbChatClient
{
    Q_OBJECT

public:
    PlayerDbChatAdapter(XMPPClient *client, PlayerDb *playerDb, QObject *parent = nullptr);
    ~PlayerDbChatAdapter() override;

    bool isConnected() const override;
    QString domain() const override;
    // Asks nothing while the client is not connected.
    void requestVCard(const XMPPJid &jid) override;
    // Keeps the rest of the user's vCard as last received.
    void uploadPhoto(const QImage &photo) override;
    void setPhotoHash(const QByteArray &hash) override;

private:
    void onVCardReceived(const XMPPJid &jid, const XMPPVCard &vcard);
    void onDisconnected();

    XMPPClient *m_client;
    QPointer<PlayerDb> m_playerDb;
    XMPPVCard m_ownVCard;
};
