#pragma once

#include "chat/xmpp/XMPPJid.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// What the player directory needs of the chat client to keep player pictures: the chat
// side implements it over its client and forwards presences and vCard answers to the
// directory's slots.
class PlayerDbChatClient
{
public:
    virtual ~PlayerDbChatClient() = default;

    // True in the client's connected state (after session establishment).
    virtual bool isConnected() const = 0;
    // The chat server's domain, the domain of every player's address.
    virtual QString domain() const = 0;
    virtual void requestVCard(const XMPPJid &jid) = 0;
    // Uploads the local player's vCard holding only this photo.
    virtual void uploadPhoto(const QImage &photo) = 0;
    // The photo hash announced in the own presences; sends no presence.
    virtual void setPhotoHash(const QByteArray &hash) = 0;
};
