#include "chat/xmpp/ClientRoster.h"

#include "chat/xmpp/IqRoster.h"
#include "chat/xmpp/XMPPClient.h"

#include <QDebug>

namespace xmpp {

ClientRoster::ClientRoster(XMPPClient *client) : ClientExtension(client) {}

void ClientRoster::requestRoster()
{
    const QString id = client()->nextStanzaId();
    client()->send(IqRoster(id));
    client()->addIqHandler(id, [this](const Iq *reply) { requestRosterResult(reply); });
}

void ClientRoster::updateRosterItem(const XMPPJid &jid, bool remove, const QString &name,
                                    const QString &group)
{
    IqRoster::Item item;
    item.jid = jid;
    item.remove = remove;
    item.name = name;
    item.group = group;
    const QString id = client()->nextStanzaId();
    client()->send(IqRoster({item}, id));
    client()->addIqHandler(id, [this](const Iq *reply) { updateRosterItemResult(reply); });
}

void ClientRoster::announceItems(const IqRoster &roster)
{
    for (const IqRoster::Item &item : roster.items)
        emit rosterUpdate(item.jid, item.subscription, item.remove, item.name, item.group);
}

void ClientRoster::requestRosterResult(const Iq *reply)
{
    if (!reply || reply->type != QLatin1String("result")) {
        qWarning() << "Request roster error";
        return;
    }
    auto roster = dynamic_cast<const IqRoster *>(reply);
    if (!roster)
        throw stream_error(UndefinedCondition, QStringLiteral("Expected roster query"));
    emit rosterReset();
    announceItems(*roster);
    qDebug() << "Request roster ok";
}

void ClientRoster::updateRosterItemResult(const Iq *reply)
{
    if (!reply || reply->type != QLatin1String("result")) {
        qWarning() << "Update roster item error";
        return;
    }
    if (reply->kind() != Iq::Kind)
        qWarning().noquote() << QStringLiteral("Unexpected stanza type %1 in updateRosterItemResult").arg(reply->kind());
    qDebug() << "Update roster item ok";
}

void ClientRoster::handleRosterPush(const IqRoster &push)
{
    if (push.type == QLatin1String("set")) {
        announceItems(push);
        client()->send(Iq(push.id, XMPPJid(), Iq::Result));
        qDebug() << "IqRoster";
        return;
    }
    if (push.type == QLatin1String("get"))
        throw stanza_error(stanza_error::IqKind, Continue, BadRequest, push.id, push.from);
    throw stream_error(UndefinedCondition, QString());
}

} // namespace xmpp
