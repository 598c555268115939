#include "chat/FriendsFilter.h"

#include "app/Utils.h"
#include "chat/XMPPRosterModelProxy.h"

#include <QDebug>

FriendsFilter::FriendsFilter(QObject *parent) : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
    setSortLocaleAware(true);
    sort(0, Qt::AscendingOrder);
}

bool FriendsFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    auto roster = qobject_cast<const XMPPRosterModelProxy *>(sourceModel());
    if (!roster) {
        qWarning() << "not XMPPRosterModelProxy";
        return true;
    }
    const QModelIndex index = roster->index(sourceRow, 0, sourceParent);
    const XMPPRosterModel::Item *item = roster->itemFromIndex(index);
    if (!item) {
        qWarning() << "no item at index " << index;
        return false;
    }
    return Utils::isPresenceAvailable(item->subscription);
}
