#pragma once

#include <QByteArray>
#include <QObject>

#include "chat/xmpp/ClientExtension.h"
#include "chat/xmpp/XMPPJid.h"
#include "chat/xmpp/XMPPVCard.h"

namespace xmpp {

class Iq;

// Downloads users' vCards and uploads the user's own, whose photo digest then goes
// out with every own presence.
class ClientVCard : public QObject, public ClientExtension
{
    Q_OBJECT

public:
    explicit ClientVCard(XMPPClient *client);

    // Both throw std::runtime_error "not connected" unless the client is connected.
    void requestVCard(const XMPPJid &jid);
    void uploadVCard(const XMPPVCard &vcard);

signals:
    // The address is the one asked for, without resource.
    void vCardReceived(const XMPPJid &jid, const XMPPVCard &vcard);
    void vCardReceivedError(const XMPPJid &jid);
    void uploadVCardOk();
    void uploadVCardError();

private:
    void requireConnected() const;
    void requestVCardResult(const XMPPJid &jid, const Iq *reply);
    void uploadVCardResult(const QByteArray &photoHash, const Iq *reply);
};

} // namespace xmpp
