#pragma once

#include "lobby/LobbyFilter.h"

#include "app/TableCapacity.h"

#include <QSet>
#include <QSortFilterProxyModel>

#include <QStringList>

#include <set>
#include <variant>
#include <vector>

struct ValueColumnType;

// The user's choices over a table list: rule sets, game types, buy-in levels, empty and
// full tables and search words; sorts the columns by their typed values.
class LobbyTableFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit LobbyTableFilter(QObject *parent = nullptr);

    // 0 for a free table (or a negative buy-in), then 1 up to 1099, 2 up to 5099, 3 above.
    static int buyInLevel(const ValueColumnType &value);

    void setEmptyTablesMode(int mode);
    void setFullTablesMode(int mode);
    void setRulesFilterEnabled(bool enabled);
    void setGameTypeFilterEnabled(bool enabled);
    void setBuyInFilterEnabled(bool enabled);

    void addRuleset(int ruleset);
    void removeRuleset(int ruleset);
    void addGameType(int gameType);
    void removeGameType(int gameType);
    void addBuyInLevel(int level);
    void removeBuyInLevel(int level);

    void setSearchText(const QString &text);

    void setSourceModel(QAbstractItemModel *model) override;

    int emptyTablesMode() const { return m_emptyTablesMode; }
    int fullTablesMode() const { return m_fullTablesMode; }
    const std::set<int> &rulesets() const { return m_rulesets; }
    const std::set<int> &gameTypes() const { return m_gameTypes; }
    const std::set<int> &buyInLevels() const { return m_buyInLevels; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    // What the filter reads of one source row. Kept per top-level row until the source
    // announces a change of that row (or of the rows' order), so that a change of the
    // boxes or the search text reads no cell and runs no formatter again.
    struct RowFacts
    {
        bool known = false;
        bool named = false;
        bool hasRuleset = false;
        int ruleset = 0;
        bool hasCapacity = false;
        int players = 0;
        int seats = 0;
        bool hasGameType = false;
        int gameType = 0;
        bool hasBuyInLevel = false;
        int buyInLevel = 0;
        bool textsKnown = false;
        QStringList texts;
    };

    // What a row is sorted by in the sort column, read once per row: the number, text or
    // capacity by which the column's values order; none for other values, which are
    // compared as they come.
    struct SortKey
    {
        bool known = false;
        std::variant<std::monostate, qint64, QString, TableCapacity> value;
    };

    // Changes the set; re-filters unless the set's condition is ignored.
    void changeSet(std::set<int> &set, int mode, int value, bool add);
    RowFacts readFacts(int sourceRow, const QModelIndex &sourceParent) const;
    bool accepts(RowFacts &facts, int sourceRow, const QModelIndex &sourceParent) const;
    // Makes room for the keys of the column up to lastRow; keys of another column go.
    void prepareSortKeys(int column, int lastRow) const;
    const SortKey &sortKey(const QModelIndex &index) const;
    void forgetRows(const QModelIndex &parent, int first);
    void forgetAllRows();

    int m_emptyTablesMode = ExcludeMatch;
    int m_fullTablesMode = Ignore;
    std::set<int> m_rulesets;
    int m_rulesMode = Ignore;
    std::set<int> m_gameTypes;
    int m_gameTypeMode = Ignore;
    std::set<int> m_buyInLevels;
    int m_buyInMode = Ignore;
    QSet<QString> m_searchWords;
    mutable std::vector<RowFacts> m_rows;
    // Per top-level row, the key of m_sortKeyColumn; forgotten as the row facts are.
    mutable std::vector<SortKey> m_sortKeys;
    mutable int m_sortKeyColumn = -1;
};
