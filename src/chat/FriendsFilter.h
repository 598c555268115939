#pragma once

#include <QSortFilterProxyModel>

// The friends among the roster entries, those whose presence the user receives or
// has asked for, sorted by name.
class FriendsFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit FriendsFilter(QObject *parent = nullptr);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
};
