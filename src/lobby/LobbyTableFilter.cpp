#include "lobby/LobbyTableFilter.h"

#include "app/TableCapacity.h"
#include "lobby/ColumnTypes.h"
#include "lobby/CustomItem.h"
#include "lobby/TableModel.h"

#include <QDebug>

#include <algorithm>

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

void LobbyTableFilter::setSourceModel(QAbstractItemModel *model)
{
    if (QAbstractItemModel *old = sourceModel())
        disconnect(old, nullptr, this, nullptr);
    forgetAllRows();
    // Connected before the base class's own handlers, so that a row it judges again is
    // read again.
    if (model) {
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                    if (topLeft.parent().isValid())
                        return;
                    const size_t first = size_t(std::max(topLeft.row(), 0));
                    const size_t last = size_t(bottomRight.row()) + 1;
                    for (size_t row = first; row < std::min(m_rows.size(), last); ++row)
                        m_rows[row] = RowFacts();
                    for (size_t row = first; row < std::min(m_sortKeys.size(), last); ++row)
                        m_sortKeys[row] = SortKey();
                });
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex &parent, int first) { forgetRows(parent, first); });
        connect(model, &QAbstractItemModel::rowsRemoved, this,
                [this](const QModelIndex &parent, int first) { forgetRows(parent, first); });
        connect(model, &QAbstractItemModel::modelReset, this, &LobbyTableFilter::forgetAllRows);
        connect(model, &QAbstractItemModel::layoutChanged, this, &LobbyTableFilter::forgetAllRows);
        connect(model, &QAbstractItemModel::rowsMoved, this, &LobbyTableFilter::forgetAllRows);
        connect(model, &QAbstractItemModel::columnsInserted, this, &LobbyTableFilter::forgetAllRows);
        connect(model, &QAbstractItemModel::columnsRemoved, this, &LobbyTableFilter::forgetAllRows);
    }
    QSortFilterProxyModel::setSourceModel(model);
}

void LobbyTableFilter::forgetRows(const QModelIndex &parent, int first)
{
    // Rows added at the end move no other row.
    if (parent.isValid())
        return;
    if (size_t(first) < m_rows.size())
        m_rows.clear();
    if (size_t(first) < m_sortKeys.size())
        m_sortKeys.clear();
}

void LobbyTableFilter::forgetAllRows()
{
    m_rows.clear();
    m_sortKeys.clear();
}

LobbyTableFilter::RowFacts LobbyTableFilter::readFacts(int sourceRow,
                                                       const QModelIndex &sourceParent) const
{
    const QAbstractItemModel *source = sourceModel();
    const auto value = [&](int column) {
        return source->index(sourceRow, column, sourceParent).data(CustomItemValueRole);
    };
    RowFacts facts;
    facts.known = true;
    facts.named =
        !source->index(sourceRow, TableModel::NameColumn, sourceParent).data().toString().isEmpty();
    if (!facts.named)
        return facts;

    const QVariant rules = value(TableModel::RulesColumn);
    if (const auto *r = heldValue<RulesColumnType>(rules)) {
        facts.hasRuleset = true;
        facts.ruleset = r->ruleset;
    } else {
        warnUnexpected("got other than RulesColumnType variant: ", rules);
    }

    const QVariant capacity = value(TableModel::PlayersColumn);
    if (const auto *c = heldValue<TableCapacity>(capacity)) {
        facts.hasCapacity = true;
        facts.players = c->players();
        facts.seats = c->seats();
    } else {
        warnUnexpected("got other than TableCapacity variant:", capacity);
    }

    const QVariant gameType = value(TableModel::GameTypeColumn);
    if (const auto *g = heldValue<int>(gameType)) {
        facts.hasGameType = true;
        facts.gameType = *g;
    } else {
        warnUnexpected("got other than game type IntItem variant: ", gameType);
    }

    const QVariant bet = value(TableModel::BetColumn);
    if (const auto *b = heldValue<ValueColumnType>(bet)) {
        facts.hasBuyInLevel = true;
        facts.buyInLevel = buyInLevel(*b);
    } else {
        warnUnexpected("got other than ValueColumnType variant: ", bet);
    }
    return facts;
}

bool LobbyTableFilter::accepts(RowFacts &facts, int sourceRow, const QModelIndex &sourceParent) const
{
    if (!facts.named)
        return false;
    if (facts.hasRuleset && filterModeRejects(m_rulesMode, m_rulesets.count(facts.ruleset) != 0))
        return false;
    if (facts.hasCapacity
        && (filterModeRejects(m_emptyTablesMode, facts.players == 0)
            || filterModeRejects(m_fullTablesMode, facts.players == facts.seats)))
        return false;
    if (facts.hasGameType
        && filterModeRejects(m_gameTypeMode, m_gameTypes.count(facts.gameType) != 0))
        return false;
    if (facts.hasBuyInLevel
        && filterModeRejects(m_buyInMode, m_buyInLevels.count(facts.buyInLevel) != 0))
        return false;

    if (m_searchWords.isEmpty())
        return true;
    if (!facts.textsKnown) {
        facts.texts = rowDisplayTexts(sourceModel(), sourceRow, sourceParent);
        facts.textsKnown = true;
    }
    return textsContainSearchWords(facts.texts, m_searchWords);
}

bool LobbyTableFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (sourceParent.isValid()) {
        RowFacts facts = readFacts(sourceRow, sourceParent);
        return accepts(facts, sourceRow, sourceParent);
    }
    if (size_t(sourceRow) >= m_rows.size())
        m_rows.resize(size_t(sourceModel()->rowCount()));
    RowFacts &facts = m_rows[size_t(sourceRow)];
    if (!facts.known)
        facts = readFacts(sourceRow, sourceParent);
    return accepts(facts, sourceRow, sourceParent);
}

void LobbyTableFilter::prepareSortKeys(int column, int lastRow) const
{
    if (column != m_sortKeyColumn) {
        m_sortKeys.clear();
        m_sortKeyColumn = column;
    }
    if (size_t(lastRow) >= m_sortKeys.size())
        m_sortKeys.resize(std::max(size_t(lastRow) + 1, size_t(sourceModel()->rowCount())));
}

const LobbyTableFilter::SortKey &LobbyTableFilter::sortKey(const QModelIndex &index) const
{
    SortKey &key = m_sortKeys[size_t(index.row())];
    if (key.known)
        return key;
    key.known = true;
    // The orders of variantLessThan for the lobby's column types.
    const QVariant value = index.data(CustomItemValueRole);
    if (const auto *bet = heldValue<ValueColumnType>(value))
        key.value = qint64(bet->buyIn());
    else if (const auto *capacity = heldValue<TableCapacity>(value))
        key.value = *capacity;
    else if (const auto *rules = heldValue<RulesColumnType>(value))
        key.value = rules->text();
    else if (const auto *number = heldValue<int>(value))
        key.value = qint64(*number);
    return key;
}

bool LobbyTableFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (!left.parent().isValid() && !right.parent().isValid() && left.column() == right.column()) {
        prepareSortKeys(left.column(), std::max(left.row(), right.row()));
        const SortKey &l = sortKey(left);
        const SortKey &r = sortKey(right);
        if (l.value.index() != 0 && l.value.index() == r.value.index())
            return l.value < r.value;
    }
    const QVariant l = left.data(CustomItemValueRole);
    const QVariant r = right.data(CustomItemValueRole);
    if (l.isValid() && r.isValid())
        return variantLessThan(l, r);
    return QSortFilterProxyModel::lessThan(left, right);
}
