#include "chat/FriendsRosterModel.h"

#include "connection/PlayerDb.h"
#include "ui/PlainToolTip.h"

namespace {

enum PresenceIcon { AvailableIcon, AwayIcon, ExtendedAwayIcon, NotAvailableIcon, UnknownIcon };

const QIcon &icon(PresenceIcon which)
{
    static const QIcon icons[] = {
        QIcon(QStringLiteral("resources:xmpp_available.png")),
        QIcon(QStringLiteral("resources:xmpp_away.png")),
        QIcon(QStringLiteral("resources:xmpp_extended_away.png")),
        QIcon(QStringLiteral("resources:xmpp_not_available.png")),
        QIcon(QStringLiteral("resources:xmpp_unknown.png")),
    };
    return icons[which];
}

PresenceIcon iconOf(const XMPPRosterModel::Item &item)
{
    if (!(item.subscription & 1))
        return item.subscription & 4 ? NotAvailableIcon : UnknownIcon;
    switch (item.availability()) {
    case 1:
    case 5:
        return NotAvailableIcon;
    case 2:
    case 4:
        return AvailableIcon;
    case 3:
        return AwayIcon;
    case 6:
        return ExtendedAwayIcon;
    default:
        return UnknownIcon;
    }
}

} // namespace

FriendsRosterModel::FriendsRosterModel(XMPPRosterModel *roster, PlayerDb *playerDb, QObject *parent)
    : XMPPRosterModelProxy(roster, parent), m_playerDb(playerDb)
{
    connect(playerDb, &PlayerDb::playerNameUpdate, this, &FriendsRosterModel::onPlayerNameUpdate);
}

QVariant FriendsRosterModel::data(const QModelIndex &index, int role) const
{
    const XMPPRosterModel::Item *item = itemFromIndex(index);
    if (!item)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return m_playerDb->playerName(item->jid);
    case Qt::DecorationRole:
        return presenceIcon(*item);
    case Qt::ToolTipRole:
        return toolTip(*item);
    default:
        return XMPPRosterModelProxy::data(index, role);
    }
}

QString FriendsRosterModel::availabilityName(int availability, bool capitalize)
{
    QString name;
    switch (availability) {
    case 1:
        name = tr("offline");
        break;
    case 2:
        name = tr("online");
        break;
    case 3:
    case 6:
        name = tr("away");
        break;
    case 4:
        name = tr("talkative");
        break;
    case 5:
        name = tr("busy");
        break;
    default:
        name = tr("<unknown availability>");
        break;
    }
    if (capitalize && !name.isEmpty())
        name[0] = name.at(0).toUpper();
    return name;
}

QIcon FriendsRosterModel::presenceIcon(const XMPPRosterModel::Item &item)
{
    return icon(iconOf(item));
}

QString FriendsRosterModel::toolTip(const XMPPRosterModel::Item &item) const
{
    const QString name = m_playerDb->playerName(item.jid);
    const XMPPPresence *presence = item.bestPresence();
    const QString status = presence ? presence->status() : QString();
    const QString availability = availabilityName(presence ? presence->availability() : 1, false);
    QString text;
    if (!status.isEmpty()) {
        //: %1 is friend name, %2 is availability type, %3 is user status message
        text = tr("%1 is %2 with status \"%3\"").arg(name, availability, status);
    } else {
        //: %1 is friend name, %2 is availability type
        text = tr("%1 is %2").arg(name, availability);
    }
    // Names and status texts are the users' own: any markup in them stays text.
    return plainToolTip(text);
}

void FriendsRosterModel::onPlayerNameUpdate(qint32 id, const QString &)
{
    const QModelIndex index = indexFromJid(m_playerDb->jidForPlayer(id));
    if (index.isValid())
        emit dataChanged(index, index);
}
