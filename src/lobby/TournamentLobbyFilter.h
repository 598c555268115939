#pragma once

#include "lobby/LobbyFilter.h"

#include <QSet>
#include <QSortFilterProxyModel>

#include <set>

// The tournament list as the Tournaments tab shows it: filtered by rule set, buy-in
// level, availability and search words, and sorted with the tournaments the user is
// registered for on top.
class TournamentLobbyFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit TournamentLobbyFilter(QObject *parent = nullptr);

    // 0 for no cost and no pot, 1 up to 1099 (and a free tournament with a pot), 2 up to
    // 5099, 3 above (and a negative cost).
    static int buyInLevel(int cost, int pot);

    void addRuleset(int ruleset);
    void removeRuleset(int ruleset);
    void addBuyInLevel(int level);
    void removeBuyInLevel(int level);
    void setRulesFilterEnabled(bool enabled);
    void setBuyInFilterEnabled(bool enabled);
    // The condition is "the tournament is full".
    void setFullTournamentsMode(int mode);
    void setSearchText(const QString &text);

    int fullTournamentsMode() const { return m_fullTournamentsMode; }
    int rulesMode() const { return m_rulesMode; }
    int buyInMode() const { return m_buyInMode; }
    const std::set<int> &rulesets() const { return m_rulesets; }
    const std::set<int> &buyInLevels() const { return m_buyInLevels; }

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    int m_fullTournamentsMode = Ignore;
    std::set<int> m_rulesets;
    int m_rulesMode = Ignore;
    std::set<int> m_buyInLevels;
    int m_buyInMode = Ignore;
    QSet<QString> m_searchWords;
};
