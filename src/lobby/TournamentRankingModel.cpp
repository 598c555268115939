#include "lobby/TournamentRankingModel.h"

#include "app/Utils.h"
#include "lobby/CustomItem.h"
#include "lobby/LobbyFilter.h"

#include <QDebug>
#include <QSignalBlocker>

#include <algorithm>

namespace {

enum Column { PositionColumn, NameColumn, ScoreColumn };

QString scoreText(const TournamentRanking &ranking, bool withPayout)
{
    const QString points = QString::number(ranking.table_points * 0.5, 'g');
    if (withPayout)
        return TournamentRankingModel::tr("%1/%2/%3")
            .arg(points, QString::number(ranking.competition_points),
                 Utils::moneyText(ranking.payout, false));
    return TournamentRankingModel::tr("%1/%2").arg(points,
                                                   QString::number(ranking.competition_points));
}

} // namespace

TournamentRankingModel::TournamentRankingModel(qint32 tournamentId, QObject *parent)
    : QStandardItemModel(parent)
    , tournamentId(tournamentId)
{
    // The columns exist from the start: rows are appended silently below, and a first row
    // must not bring columns that no listener heard of.
    setColumnCount(3);
}

int TournamentRankingModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : QStandardItemModel::rowCount(parent);
}

const RankingEntry *TournamentRankingModel::rankingEntry(const QModelIndex &index) const
{
    if (!index.isValid())
        return nullptr;
    const QModelIndex first = index.siblingAtColumn(PositionColumn);
    bool ok = false;
    const qint32 pid = first.data(Qt::UserRole).toInt(&ok);
    if (!ok)
        return nullptr;
    const auto it = entries.find(pid);
    return it == entries.end() ? nullptr : &it->second;
}

void TournamentRankingModel::onTournamentRankings(qint32 id, const TournamentRankings &rankings)
{
    if (id != tournamentId)
        return;
    std::map<qint32, RankingEntry> old;
    old.swap(entries);
    const bool withPayout = std::any_of(rankings.begin(), rankings.end(),
                                        [](const TournamentRanking &r) { return r.payout > 0; });

    // Rows of players who stay are written in place with the model silent, then announced
    // as one change: a sorting proxy then places them once instead of once per cell.
    QList<QList<QStandardItem *>> newRows;
    int firstChanged = -1;
    int lastChanged = -1;
    {
        const QSignalBlocker silent(this);
        int counter = 1;
        int position = 1;
        const TournamentRanking *previous = nullptr;
        for (const TournamentRanking &ranking : rankings) {
            if (!previous || previous->table_points != ranking.table_points
                || previous->competition_points != ranking.competition_points)
                position = counter;
            ++counter;
            previous = &ranking;
            const auto held = old.find(ranking.pid);
            if (held != old.end() && !entries.count(ranking.pid)) {
                RankingEntry &entry = entries[ranking.pid];
                entry = std::move(held->second);
                old.erase(held);
                QStandardItem *positionItem = entry.items.at(PositionColumn);
                if (positionItem->data(Qt::DisplayRole) != QVariant(position))
                    positionItem->setData(position, Qt::DisplayRole);
                if (entry.items.at(NameColumn)->text() != ranking.screenName)
                    entry.items.at(NameColumn)->setText(ranking.screenName);
                entry.items.at(ScoreColumn)->setText(scoreText(ranking, withPayout));
                entry.ranking = ranking;
                const int row = positionItem->row();
                firstChanged = firstChanged < 0 ? row : std::min(firstChanged, row);
                lastChanged = std::max(lastChanged, row);
                continue;
            }
            if (entries.count(ranking.pid))
                continue;
            RankingEntry &entry = entries[ranking.pid];
            entry.ranking = ranking;
            QStandardItem *positionItem = makeNumberItem(position, QString(), Qt::AlignRight);
            positionItem->setData(ranking.pid, Qt::UserRole);
            entry.items = {positionItem, makeTextItem(ranking.screenName, QString(), Qt::AlignLeft),
                           makeTextItem(scoreText(ranking, withPayout), QString(), Qt::AlignLeft)};
            newRows << entry.items;
        }
    }
    if (firstChanged >= 0)
        emit dataChanged(index(firstChanged, PositionColumn), index(lastChanged, ScoreColumn));
    if (!newRows.isEmpty()) {
        // The new rows are appended together, with one notice.
        const int first = QStandardItemModel::rowCount();
        beginInsertRows(QModelIndex(), first, first + int(newRows.size()) - 1);
        {
            const QSignalBlocker silent(this);
            for (const QList<QStandardItem *> &row : qAsConst(newRows))
                appendRow(row);
        }
        endInsertRows();
    }
    for (auto &[pid, entry] : old) {
        const QModelIndex gone = indexFromItem(entry.items.at(PositionColumn));
        if (gone.isValid())
            removeRow(gone.row());
        else
            qWarning() << "invalid index returned";
    }
}

TournamentPlayerFilter::TournamentPlayerFilter(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
    setSortLocaleAware(true);
    sort(0, Qt::AscendingOrder);
}

void TournamentPlayerFilter::setSearchText(const QString &text)
{
    searchWords = ::searchWords(text);
    invalidateFilter();
}

bool TournamentPlayerFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    // The score text ("3.5/10") is no number: scores compare by the ranking's table points,
    // then its competition points.
    const auto *rankings = qobject_cast<const TournamentRankingModel *>(sourceModel());
    if (rankings && left.column() == ScoreColumn) {
        const RankingEntry *a = rankings->rankingEntry(left);
        const RankingEntry *b = rankings->rankingEntry(right);
        if (a && b) {
            const auto scoreA = std::make_pair(a->ranking.table_points, a->ranking.competition_points);
            const auto scoreB = std::make_pair(b->ranking.table_points, b->ranking.competition_points);
            if (scoreA != scoreB)
                return scoreA < scoreB;
            return variantLessThan(left.siblingAtColumn(NameColumn).data(Qt::DisplayRole),
                                   right.siblingAtColumn(NameColumn).data(Qt::DisplayRole));
        }
    }
    const QVariant l = left.data(Qt::DisplayRole);
    const QVariant r = right.data(Qt::DisplayRole);
    if (!l.isValid() || !r.isValid())
        return QSortFilterProxyModel::lessThan(left, right);
    const int a = l.toInt();
    const int b = r.toInt();
    if (a != b)
        return a < b;
    return variantLessThan(left.siblingAtColumn(NameColumn).data(Qt::DisplayRole),
                           right.siblingAtColumn(NameColumn).data(Qt::DisplayRole));
}

bool TournamentPlayerFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    return rowContainsSearchWords(sourceModel(), sourceRow, sourceParent, searchWords);
}
