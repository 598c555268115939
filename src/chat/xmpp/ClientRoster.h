#pragma once

#include <QObject>
#include <QString>

#include "chat/xmpp/ClientExtension.h"
#include "chat/xmpp/XMPPJid.h"

namespace xmpp {

class Iq;
class IqRoster;

// The roster exchange: asks for the whole roster, asks for changes of one entry and
// passes on every entry of the answers and of the server's pushes. It keeps no list.
class ClientRoster : public QObject, public ClientExtension
{
    Q_OBJECT

public:
    explicit ClientRoster(XMPPClient *client);

    void requestRoster();
    void updateRosterItem(const XMPPJid &jid, bool remove, const QString &name, const QString &group);
    // A roster change the server pushed; a "get" is refused with a stanza error.
    void handleRosterPush(const IqRoster &push);

signals:
    void rosterReset();
    void rosterUpdate(const XMPPJid &jid, int subscription, bool remove, const QString &name,
                      const QString &group);

private:
    void requestRosterResult(const Iq *reply);
    void updateRosterItemResult(const Iq *reply);
    void announceItems(const IqRoster &roster);
};

} // namespace xmpp
