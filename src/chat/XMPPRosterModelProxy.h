#pragma once

#include <QSortFilterProxyModel>

#include "chat/XMPPRosterModel.h"

// A proxy over the roster model that still hands out roster items, by proxy index or
// by address.
class XMPPRosterModelProxy : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit XMPPRosterModelProxy(XMPPRosterModel *roster, QObject *parent = nullptr);

    const XMPPRosterModel::Item *itemFromIndex(const QModelIndex &index) const;
    const XMPPRosterModel::Item *itemFromJid(const XMPPJid &jid) const;
    QModelIndex indexFromJid(const XMPPJid &jid) const;

private:
    XMPPRosterModel *m_roster;
};
