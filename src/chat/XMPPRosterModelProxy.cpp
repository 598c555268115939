#include "chat/XMPPRosterModelProxy.h"

XMPPRosterModelProxy::XMPPRosterModelProxy(XMPPRosterModel *roster, QObject *parent)
    : QSortFilterProxyModel(parent), m_roster(roster)
{
    setSourceModel(roster);
}

const XMPPRosterModel::Item *XMPPRosterModelProxy::itemFromIndex(const QModelIndex &index) const
{
    return m_roster->itemFromIndex(mapToSource(index));
}

const XMPPRosterModel::Item *XMPPRosterModelProxy::itemFromJid(const XMPPJid &jid) const
{
    return m_roster->itemFromJid(jid);
}

QModelIndex XMPPRosterModelProxy::indexFromJid(const XMPPJid &jid) const
{
    return mapFromSource(m_roster->indexFromJid(jid));
}
