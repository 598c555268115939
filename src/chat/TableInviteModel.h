#pragma once

#include <QPointer>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <map>
#include <set>
#include <vector>

class PlayerDb;

// The players that can be invited to the user's table, one row each, named from the
// player directory. A player is listed only once the name is known; the player id is
// the row item's Qt::UserRole data.
class TableInviteModel : public QStandardItemModel
{
    Q_OBJECT

public:
    TableInviteModel(PlayerDb *players, QObject *parent);
    ~TableInviteModel() override;

    // The ids of all rows, ascending.
    std::vector<qint32> players() const;
    void clear();

public slots:
    void addPlayer(qint32 id);
    // Removes the player's row, or forgets the player while the name is still awaited.
    void removePlayer(qint32 id);
    void onPlayerNameUpdate(qint32 id);

private:
    QPointer<PlayerDb> m_players;
    std::map<qint32, QStandardItem *> m_rows;
    std::set<qint32> m_pending;
};

// Hides the excluded players (for instance those already at the table) of a
// TableInviteModel.
class TableInviteFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit TableInviteFilter(QObject *parent);

    void excludePlayer(qint32 id);
    void includePlayer(qint32 id);
    void clearExcluded();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    std::set<qint32> m_excluded;
};
