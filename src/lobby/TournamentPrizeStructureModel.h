#pragma once

#include "app/TournamentInfo.h"
#include "connection/TournamentRecords.h"

#include <QList>
#include <QStandardItemModel>

#include <any>

// The payout table of a tournament: one row per range of finishing positions, with its
// share of the prize pool in per cent and, when the pool is known, in money.
class TournamentPrizeStructureModel : public QStandardItemModel
{
    Q_OBJECT

public:
    explicit TournamentPrizeStructureModel(QObject *parent);

    // True when the last structure was not empty and every prize in it was a pot share.
    bool hasPotShares() const { return potShares; }

    // "#4 - #10", or "#1" for a single position.
    static QString positionRangeText(const position_range_t &range);
    // The percentage and, for a prize pool above 0, the amount of a pot share; nothing
    // for another kind of prize.
    static QList<QStandardItem *> shareItems(const std::any &share, const TournamentInfo &info);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;

public slots:
    void onTournamentPrizeStructure(const prize_structure_t &structure, const TournamentInfo &info);

private:
    bool potShares = false;
};
