#include "lobby/TournamentLobbyFilter.h"

#include "app/TournamentInfo.h"
#include "lobby/ColumnTypes.h"
#include "lobby/CustomItem.h"

#include <QtDebug>

namespace {

// The columns of the tournament list that the filter reads.
enum Column { RegisteredColumn = 0, RulesColumn = 4, PlayersColumn = 5, BuyInColumn = 6,
              PotColumn = 7 };

// The registration flag of the list's first column.
constexpr int RegisteredRole = Qt::UserRole + 2;

} // namespace

TournamentLobbyFilter::TournamentLobbyFilter(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
    setSortLocaleAware(true);
}

int TournamentLobbyFilter::buyInLevel(int cost, int pot)
{
    if (cost == 0)
        return pot == 0 ? 0 : 1;
    if (cost < 0 || cost >= 5100)
        return 3;
    return cost < 1100 ? 1 : 2;
}

void TournamentLobbyFilter::addRuleset(int ruleset)
{
    m_rulesets.insert(ruleset);
    if (m_rulesMode != Ignore)
        invalidateFilter();
}

void TournamentLobbyFilter::removeRuleset(int ruleset)
{
    m_rulesets.erase(ruleset);
    if (m_rulesMode != Ignore)
        invalidateFilter();
}

void TournamentLobbyFilter::addBuyInLevel(int level)
{
    m_buyInLevels.insert(level);
    if (m_buyInMode != Ignore)
        invalidateFilter();
}

void TournamentLobbyFilter::removeBuyInLevel(int level)
{
    m_buyInLevels.erase(level);
    if (m_buyInMode != Ignore)
        invalidateFilter();
}

void TournamentLobbyFilter::setRulesFilterEnabled(bool enabled)
{
    m_rulesMode = enabled ? RequireMatch : Ignore;
    invalidateFilter();
}

void TournamentLobbyFilter::setBuyInFilterEnabled(bool enabled)
{
    m_buyInMode = enabled ? RequireMatch : Ignore;
    invalidateFilter();
}

void TournamentLobbyFilter::setFullTournamentsMode(int mode)
{
    m_fullTournamentsMode = mode;
    invalidateFilter();
}

void TournamentLobbyFilter::setSearchText(const QString &text)
{
    m_searchWords = searchWords(text);
    invalidateFilter();
}

void TournamentLobbyFilter::sort(int column, Qt::SortOrder order)
{
    m_sortOrder = order;
    QSortFilterProxyModel::sort(column, order);
}

bool TournamentLobbyFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QAbstractItemModel *model = sourceModel();
    auto cell = [&](int column) {
        return model->index(sourceRow, column, sourceParent).data(CustomItemValueRole);
    };

    const QVariant rules = cell(RulesColumn);
    if (rules.userType() == qMetaTypeId<RulesColumnType>()) {
        const bool listed = m_rulesets.count(rules.value<RulesColumnType>().ruleset) > 0;
        if (filterModeRejects(m_rulesMode, listed))
            return false;
    } else {
        qWarning() << "got other than RulesColumnType variant: " << rules;
    }

    const QVariant cost = cell(BuyInColumn);
    const QVariant pot = cell(PotColumn);
    if (cost.userType() == QMetaType::Int && pot.userType() == QMetaType::Int) {
        const bool listed = m_buyInLevels.count(buyInLevel(cost.toInt(), pot.toInt())) > 0;
        if (filterModeRejects(m_buyInMode, listed))
            return false;
    } else {
        qWarning() << "got other than IntItems cost variant: " << cost << "pot variant" << pot;
    }

    const QVariant players = cell(PlayersColumn);
    if (players.userType() == qMetaTypeId<TournamentRegisteredInfo>()) {
        const auto count = players.value<TournamentRegisteredInfo>();
        if (filterModeRejects(m_fullTournamentsMode, count.registered == count.maximum))
            return false;
    } else {
        qWarning() << "got other than TournamentRegisteredInfo variant:" << players;
    }

    return rowContainsSearchWords(model, sourceRow, sourceParent, m_searchWords);
}

bool TournamentLobbyFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const bool leftRegistered = left.sibling(left.row(), RegisteredColumn).data(RegisteredRole).toBool();
    const bool rightRegistered = right.sibling(right.row(), RegisteredColumn).data(RegisteredRole).toBool();
    if (leftRegistered != rightRegistered)
        return leftRegistered ? m_sortOrder == Qt::AscendingOrder : m_sortOrder == Qt::DescendingOrder;
    const QVariant leftValue = left.data(CustomItemValueRole);
    const QVariant rightValue = right.data(CustomItemValueRole);
    if (leftValue.isValid() && rightValue.isValid())
        return variantLessThan(leftValue, rightValue);
    return QSortFilterProxyModel::lessThan(left, right);
}
