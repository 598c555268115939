#pragma once

#include "connection/TournamentRecords.h"

#include <QList>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <map>

// One ranked player: the last record received and the cells of the player's row.
struct RankingEntry
{
    TournamentRanking ranking;
    QList<QStandardItem *> items;
};

// The standings of one tournament, one row per player: position, name and score. Rows
// of players who stay are updated in place; equal scores share a position.
class TournamentRankingModel : public QStandardItemModel
{
    Q_OBJECT

public:
    TournamentRankingModel(qint32 tournamentId, QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    // The entry of the index's row, null for an invalid index or an unknown player.
    const RankingEntry *rankingEntry(const QModelIndex &index) const;

public slots:
    void onTournamentRankings(qint32 tournamentId, const TournamentRankings &rankings);

private:
    std::map<qint32, RankingEntry> entries;
    const qint32 tournamentId;
};

// Sorts players by the numbers of the sorted column, equal ones by name, and keeps those
// whose texts hold every search word.
class TournamentPlayerFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit TournamentPlayerFilter(QObject *parent);

    void setSearchText(const QString &text);

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QSet<QString> searchWords;
};
