#include "chat/xmpp/ClientVCard.h"

#include "chat/xmpp/IqVCard.h"
#include "chat/xmpp/XMPPClient.h"

#include <QDebug>

#include <stdexcept>

namespace xmpp {

ClientVCard::ClientVCard(XMPPClient *client) : ClientExtension(client)
{
    qRegisterMetaType<XMPPVCard>("XMPPVCard");
}

void ClientVCard::requireConnected() const
{
    if (client()->state() != XMPPClient::ConnectedState)
        throw std::runtime_error("not connected");
}

void ClientVCard::requestVCard(const XMPPJid &jid)
{
    requireConnected();
    const XMPPJid bare = jidBare(jid);
    // The user's own vCard is asked for without an address.
    const bool own = bare == jidBare(parseJid(client()->ownJid()));
    const QString id = client()->nextStanzaId();
    client()->send(IqVCard(id, own ? XMPPJid() : bare));
    client()->addIqHandler(id, [this, bare](const Iq *reply) { requestVCardResult(bare, reply); });
}

void ClientVCard::uploadVCard(const XMPPVCard &vcard)
{
    requireConnected();
    const QString id = client()->nextStanzaId();
    const IqVCard upload(id, vcard);
    client()->send(upload);
    const QByteArray hash = upload.photoHash();
    client()->addIqHandler(id, [this, hash](const Iq *reply) { uploadVCardResult(hash, reply); });
}

void ClientVCard::requestVCardResult(const XMPPJid &jid, const Iq *reply)
{
    if (reply && reply->type == QLatin1String("result")) {
        // An empty result is how some servers say that the user stored no vCard.
        auto answer = dynamic_cast<const IqVCard *>(reply);
        if (!answer && reply->kind() != Iq::Kind)
            throw stream_error(UndefinedCondition, QStringLiteral("Expected vCard"));
        const XMPPVCard vcard = answer ? answer->vcard().value_or(XMPPVCard()) : XMPPVCard();
        emit vCardReceived(jid, vcard);
        qDebug() << "VCard recieved," << (vcard.photo().isNull() ? "no photo" : "has photo");
        return;
    }
    emit vCardReceivedError(jid);
    qWarning() << "Download vCard error";
}

void ClientVCard::uploadVCardResult(const QByteArray &photoHash, const Iq *reply)
{
    if (!reply || reply->type != QLatin1String("result")) {
        qWarning() << "Upload vCard error";
        emit uploadVCardError();
        return;
    }
    if (reply->kind() != Iq::Kind)
        qWarning().noquote() << QStringLiteral("Unexpected stanza type %1 in uploadVCardResult").arg(reply->kind());
    client()->updatePhotoHash(photoHash);
    emit uploadVCardOk();
    qDebug() << "Upload vCard ok";
}

} // namespace xmpp
