#include "lobby/TournamentPrizeStructureModel.h"

#include "app/Utils.h"
#include "lobby/CustomItem.h"
#include "protocol/packets.h"

#include <cmath>

TournamentPrizeStructureModel::TournamentPrizeStructureModel(QObject *parent)
    : QStandardItemModel(parent)
{
}

QString TournamentPrizeStructureModel::positionRangeText(const position_range_t &range)
{
    if (range.first != range.last)
        return tr("#%1 - #%2").arg(QString::number(range.first), QString::number(range.last));
    return QStringLiteral("#%1").arg(range.first);
}

QList<QStandardItem *> TournamentPrizeStructureModel::shareItems(const std::any &share,
                                                                 const TournamentInfo &info)
{
    const auto *potShare = std::any_cast<protocol::pot_share_t>(&share);
    if (!potShare)
        return {};
    QList<QStandardItem *> items{makeTextItem(
        QStringLiteral("%1").arg(Utils::percentText(potShare->share, 1000000)), QString(),
        Qt::AlignRight)};
    const qint64 pool = TournamentInfo::prizePool(info);
    if (pool > 0) {
        const auto amount = qint64(std::trunc(potShare->share / 1000000.0 * double(pool)));
        items << makeTextItem(tr("(%1)").arg(Utils::moneyText(amount, true)), QString(),
                              Qt::AlignRight);
    }
    return items;
}

int TournamentPrizeStructureModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : QStandardItemModel::rowCount(parent);
}

void TournamentPrizeStructureModel::onTournamentPrizeStructure(const prize_structure_t &structure,
                                                               const TournamentInfo &info)
{
    clear();
    potShares = !structure.empty();
    for (const auto &[range, prize] : structure) {
        if (potShares)
            potShares = std::any_cast<protocol::pot_share_t>(&prize) != nullptr;
        QList<QStandardItem *> row{
            makeCustomItem<position_range_t>(range, QString(), positionRangeText)};
        row.first()->setTextAlignment(Qt::AlignRight);
        row << shareItems(prize, info);
        appendRow(row);
    }
}
