#include "chat/PlayerDbChatAdapter.h"

#include "chat/xmpp/XMPPClient.h"
#include "connection/PlayerDb.h"

#include <QDebug>

PlayerDbChatAdapter::PlayerDbChatAdapter(XMPPClient *client, PlayerDb *playerDb, QObject *parent)
    : QObject(parent), m_client(client), m_playerDb(playerDb)
{
    connect(client, &XMPPClient::connected, playerDb, &PlayerDb::onXMPPConnected);
    connect(client, &XMPPClient::presence, playerDb, &PlayerDb::onPresence);
    connect(client, &XMPPClient::vCardReceived, this, &PlayerDbChatAdapter::onVCardReceived);
    connect(client, &XMPPClient::vCardReceivedError, playerDb, &PlayerDb::onVCardReceivedError);
    connect(client, &XMPPClient::uploadVCardOk, playerDb, &PlayerDb::onUploadVCardOk);
    connect(client, &XMPPClient::uploadVCardError, playerDb, &PlayerDb::onUploadVCardError);
    connect(client, &XMPPClient::disconnected, this, &PlayerDbChatAdapter::onDisconnected);
    playerDb->setChatClient(this);
}

PlayerDbChatAdapter::~PlayerDbChatAdapter()
{
    if (m_playerDb)
        m_playerDb->setChatClient(nullptr);
}

bool PlayerDbChatAdapter::isConnected() const
{
    return m_client->state() == XMPPClient::ConnectedState;
}

QString PlayerDbChatAdapter::domain() const
{
    return jidDomain(parseJid(m_client->ownJid()));
}

void PlayerDbChatAdapter::requestVCard(const XMPPJid &jid)
{
    if (!isConnected()) {
        qDebug() << "not asking for the vCard of" << jid.toString() << "while the chat is not connected";
        return;
    }
    m_client->requestVCard(jid);
}

void PlayerDbChatAdapter::uploadPhoto(const QImage &photo)
{
    if (!isConnected()) {
        if (m_playerDb)
            m_playerDb->onUploadVCardError();
        return;
    }
    XMPPVCard vcard = m_ownVCard;
    vcard.setPhoto(photo);
    vcard.setPhotoHash(QByteArray());
    m_client->uploadVCard(vcard);
}

void PlayerDbChatAdapter::setPhotoHash(const QByteArray &hash)
{
    m_client->setPhotoHash(hash);
}

void PlayerDbChatAdapter::onVCardReceived(const XMPPJid &jid, const XMPPVCard &vcard)
{
    if (jid == jidBare(parseJid(m_client->ownJid())))
        m_ownVCard = vcard;
    if (m_playerDb)
        m_playerDb->onVCardPhoto(jid, vcard.photo(), vcard.photoHash());
}

void PlayerDbChatAdapter::onDisconnected()
{
    // Another account may log in next.
    m_ownVCard = XMPPVCard();
}
