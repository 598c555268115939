#include "lobby/LobbyTableFilter.h"

#include "app/TableCapacity.h"
#include "lobby/ColumnTypes.h"
#include "lobby/CustomItem.h"
#include "lobby/TableModel.h"

#include <QDebug>

namespace {

void warnUnexpected(const char *text, const QVariant &value)
{
    qWarning().noquote().nospace() << text << value;
}

} // namespace

LobbyTableFilter::LobbyTableFilter(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
    setSortLocaleAware(true);
}

int LobbyTableFilter::buyInLevel(const ValueColumnType &value)
{
    const int buyIn = value.buyIn();
    if (value.value.isFree() || buyIn < 0)
        return 0;
    if (buyIn < 1100)
        return 1;
    if (buyIn < 5100)
        return 2;
    return 3;
}

void LobbyTableFilter::setEmptyTablesMode(int mode)
{
    m_emptyTablesMode = mode;
    invalidateFilter();
}

void LobbyTableFilter::setFullTablesMode(int mode)
{
    m_fullTablesMode = mode;
    invalidateFilter();
}

void LobbyTableFilter::setRulesFilterEnabled(bool enabled)
{
    m_rulesMode = enabled ? RequireMatch : Ignore;
    invalidateFilter();
}

void LobbyTableFilter::setGameTypeFilterEnabled(bool enabled)
{
    m_gameTypeMode = enabled ? RequireMatch : Ignore;
    invalidateFilter();
}

void LobbyTableFilter::setBuyInFilterEnabled(bool enabled)
{
    m_buyInMode = enabled ? RequireMatch : Ignore;
    invalidateFilter();
}

void LobbyTableFilter::changeSet(std::set<int> &set, int mode, int value, bool add)
{
    if (add)
        set.insert(value);
    else
        set.erase(value);
    if (mode != Ignore)
        invalidateFilter();
}

void LobbyTableFilter::addRuleset(int ruleset)
{
    changeSet(m_rulesets, m_rulesMode, ruleset, true);
}

void LobbyTableFilter::removeRuleset(int ruleset)
{
    changeSet(m_rulesets, m_rulesMode, ruleset, false);
}

void LobbyTableFilter::addGameType(int gameType)
{
    changeSet(m_gameTypes, m_gameTypeMode, gameType, true);
}

void LobbyTableFilter::removeGameType(int gameType)
{
    changeSet(m_gameTypes, m_gameTypeMode, gameType, false);
}

void LobbyTableFilter::addBuyInLevel(int level)
{
    changeSet(m_buyInLevels, m_buyInMode, level, true);
}

void LobbyTableFilter::removeBuyInLevel(int level)
{
    changeSet(m_buyInLevels, m_buyInMode, level, false);
}

void LobbyTableFilter::setSearchText(const QString &text)
{
    m_searchWords = searchWords(text);
    invalidateFilter();
}

bool LobbyTableFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QAbstractItemModel *source = sourceModel();
    const auto value = [&](int column) {
        return source->index(sourceRow, column, sourceParent).data(CustomItemValueRole);
    };

    if (source->index(sourceRow, TableModel::NameColumn, sourceParent).data().toString().isEmpty())
        return false;

    const QVariant rules = value(TableModel::RulesColumn);
    if (const auto *r = heldValue<RulesColumnType>(rules)) {
        if (filterModeRejects(m_rulesMode, m_rulesets.count(r->ruleset) != 0))
            return false;
    } else {
        warnUnexpected("got other than RulesColumnType variant: ", rules);
    }

    const QVariant capacity = value(TableModel::PlayersColumn);
    if (const auto *c = heldValue<TableCapacity>(capacity)) {
        if (filterModeRejects(m_emptyTablesMode, c->players() == 0)
            || filterModeRejects(m_fullTablesMode, c->players() == c->seats()))
            return false;
    } else {
        warnUnexpected("got other than TableCapacity variant:", capacity);
    }

    const QVariant gameType = value(TableModel::GameTypeColumn);
    if (const auto *g = heldValue<int>(gameType)) {
        if (filterModeRejects(m_gameTypeMode, m_gameTypes.count(*g) != 0))
            return false;
    } else {
        warnUnexpected("got other than game type IntItem variant: ", gameType);
    }

    const QVariant bet = value(TableModel::BetColumn);
    if (const auto *b = heldValue<ValueColumnType>(bet)) {
        if (filterModeRejects(m_buyInMode, m_buyInLevels.count(buyInLevel(*b)) != 0))
            return false;
    } else {
        warnUnexpected("got other than ValueColumnType variant: ", bet);
    }

    return rowContainsSearchWords(source, sourceRow, sourceParent, m_searchWords);
}

bool LobbyTableFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QVariant l = left.data(CustomItemValueRole);
    const QVariant r = right.data(CustomItemValueRole);
    if (l.isValid() && r.isValid())
        return variantLessThan(l, r);
    return QSortFilterProxyModel::lessThan(left, right);
}
