#include "testmain.h"

#include "tablefixtures.h"

#include "lobby/ColumnTypes.h"
#include "lobby/CustomItem.h"
#include "lobby/LobbyFilter.h"
#include "lobby/LobbyModel.h"
#include "lobby/LobbyTableFilter.h"

#include <QAbstractItemModelTester>
#include <QRegularExpression>
#include <QStandardItemModel>

#include <memory>

// The table lobby's filters and lobby model over the real table list.
class TestLobbyFilters : public QObject
{
    Q_OBJECT

private:
    static void drain(TableModel &model)
    {
        while (model.hasQueuedRequests())
            model.processSubscriptions();
    }

    static TableInfo table(qint32 id, int ruleset, int gameType, int seated, int seats = 4,
                           int valueKind = 0, int bet = 0)
    {
        TableInfo info = makeTable(id, QStringLiteral("101/Regular/A"), 0, seated);
        info.setRuleset(ruleset);
        info.setGameType(gameType == TableInfo::EAST_ONLY ? TableInfo::FULL_GAME : gameType);
        info.setWindRounds(gameType == TableInfo::EAST_ONLY ? 1 : 2);
        info.setCapacity(TableCapacity(seats, seated, 0));
        TableValue value;
        value.setKind(valueKind);
        value.setBet(bet);
        value.setPlayers(seats);
        info.setValue(value);
        return info;
    }

    static QList<int> shownIds(const QAbstractItemModel &model)
    {
        QList<int> ids;
        for (int row = 0; row < model.rowCount(); ++row)
            ids << model.index(row, 0).data(TableIdRole).toInt();
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    static ValueColumnType value(int kind, int bet, int fee = 0)
    {
        TableValue v;
        v.setKind(kind);
        v.setBet(bet);
        v.setFee(fee);
        return ValueColumnType{v};
    }

private slots:
    void buyInLevels_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("bet");
        QTest::addColumn<int>("level");
        QTest::newRow("free with a bet") << 0 << 500 << 0;
        QTest::newRow("negative") << 2 << -100 << 0;
        QTest::newRow("1099") << 2 << 1099 << 1;
        QTest::newRow("1100") << 2 << 1100 << 2;
        QTest::newRow("5099") << 2 << 5099 << 2;
        QTest::newRow("5100") << 2 << 5100 << 3;
    }

    void buyInLevels()
    {
        QFETCH(int, kind);
        QFETCH(int, bet);
        QFETCH(int, level);
        QCOMPARE(LobbyTableFilter::buyInLevel(value(kind, bet)), level);
    }

    void tableFilterJudgesRowsOfTheTableList()
    {
        RequestLog log;
        TableModel model(log.requests(), nullptr);
        model.subscribe(QStringLiteral("101/Regular"));
        drain(model);
        model.addOrUpdateTable(table(1, 0, TableInfo::SINGLE_HAND, 2));
        model.addOrUpdateTable(table(2, 3, TableInfo::FULL_GAME, 0));                 // empty
        model.addOrUpdateTable(table(3, 5, TableInfo::EAST_ONLY, 4, 4, 2, 1100));   // full, level 2
        model.addOrUpdateTable(table(4, 1, TableInfo::FULL_GAME, 3, 4, 2, 5100));   // level 3
        model.addOrUpdateTable(table(5, 2, TableInfo::SINGLE_HAND, 1));
        model.item(4, TableModel::NameColumn)->setText(QString());                  // table 5

        LobbyTableFilter filter;
        QAbstractItemModelTester tester(&filter, QAbstractItemModelTester::FailureReportingMode::QtTest);
        filter.setSourceModel(&model);
        // A fresh filter hides only the empty and the nameless tables.
        QCOMPARE(shownIds(filter), (QList<int>{1, 3, 4}));

        filter.setFullTablesMode(ExcludeMatch);
        QCOMPARE(shownIds(filter), (QList<int>{1, 4}));
        filter.setFullTablesMode(Ignore);
        filter.setEmptyTablesMode(Ignore);
        QCOMPARE(shownIds(filter), (QList<int>{1, 2, 3, 4}));

        filter.setRulesFilterEnabled(true);
        QCOMPARE(shownIds(filter), QList<int>());
        filter.addRuleset(0);
        filter.addRuleset(5);
        QCOMPARE(shownIds(filter), (QList<int>{1, 3}));

        filter.setGameTypeFilterEnabled(true);
        filter.addGameType(TableInfo::EAST_ONLY);
        QCOMPARE(shownIds(filter), QList<int>{3});
        filter.setGameTypeFilterEnabled(false);

        // Under mode 3 a set changes nothing visible until the mode changes.
        filter.addBuyInLevel(3);
        filter.removeRuleset(0);
        filter.removeRuleset(5);
        filter.addRuleset(1);
        QCOMPARE(shownIds(filter), QList<int>{4});
        filter.setBuyInFilterEnabled(true);
        QCOMPARE(shownIds(filter), QList<int>{4});
        filter.removeBuyInLevel(3);
        QCOMPARE(shownIds(filter), QList<int>());
        filter.setBuyInFilterEnabled(false);
        filter.setRulesFilterEnabled(false);

        // Words split at single blanks; each must occur in some column, in any case.
        QCOMPARE(searchWords(QStringLiteral("a  b")), (QSet<QString>{"a", "b"}));
        const QString rules = TableInfo::rulesetText(1, 0, 0);
        filter.setSearchText(QStringLiteral("4  ") + rules.toUpper());
        QCOMPARE(shownIds(filter), QList<int>{4});
        // A changed text is searched anew.
        model.item(0, TableModel::NameColumn)->setText(rules + QStringLiteral(" table"));
        QCOMPARE(shownIds(filter), (QList<int>{1, 4}));
        model.item(0, TableModel::NameColumn)->setText(QStringLiteral("1"));
        filter.setSearchText(QStringLiteral("riichi ") + rules.toLower());
        QCOMPARE(shownIds(filter), QList<int>());
        filter.setSearchText(QString());
        QCOMPARE(shownIds(filter), (QList<int>{1, 2, 3, 4}));

        // Sorting goes by the typed value: players, then the bet's buy-in.
        filter.sort(TableModel::PlayersColumn, Qt::DescendingOrder);
        QCOMPARE(filter.index(0, 0).data(TableIdRole).toInt(), 3);
        QCOMPARE(filter.index(3, 0).data(TableIdRole).toInt(), 2);
        filter.sort(TableModel::BetColumn, Qt::AscendingOrder);
        QCOMPARE(filter.index(3, 0).data(TableIdRole).toInt(), 4);
        // By rules: the rule set texts in code-unit order, read again when a table changes.
        const auto rulesOrder = [&] {
            QList<int> ids = shownIds(filter);
            std::sort(ids.begin(), ids.end(), [&](int a, int b) {
                const TableInfo &l = model.tableInfo(a);
                const TableInfo &r = model.tableInfo(b);
                return TableInfo::rulesetText(l.ruleset(), l.minDoubles(), l.maxDoubles())
                    < TableInfo::rulesetText(r.ruleset(), r.minDoubles(), r.maxDoubles());
            });
            return ids;
        };
        const auto shownOrder = [&] {
            QList<int> ids;
            for (int row = 0; row < filter.rowCount(); ++row)
                ids << filter.index(row, 0).data(TableIdRole).toInt();
            return ids;
        };
        filter.sort(TableModel::RulesColumn, Qt::AscendingOrder);
        QCOMPARE(shownOrder(), rulesOrder());
        model.updateTableInfo(3, 4, {{TableInfo::RULESET, 1}});
        model.updateTableInfo(4, 3, {{TableInfo::RULESET, 5}});
        QCOMPARE(shownOrder(), rulesOrder());
        filter.sort(TableModel::BetColumn, Qt::AscendingOrder);

        // The list keeps following the table model.
        model.updateTableInfo(2, 4, {});
        filter.setFullTablesMode(ExcludeMatch);
        QCOMPARE(shownIds(filter), (QList<int>{1, 4}));
        model.onTableRemoved(4);
        QCOMPARE(shownIds(filter), QList<int>{1});
        model.unsubscribe(QStringLiteral("101/Regular"));
        drain(model);
    }

    void cellsOfAnotherTypeAreWarnedAboutAndKept()
    {
        QStandardItemModel model;
        auto *gameType = new QStandardItem(QStringLiteral("single"));
        gameType->setData(QStringLiteral("single"), CustomItemValueRole);
        model.appendRow({makeTextItem(QStringLiteral("Odd table"), QString(), Qt::AlignLeft),
                         makeCustomItem<RulesColumnType>(RulesColumnType{0, 0, 0}, QString(),
                                                         [](const RulesColumnType &r) { return r.text(); }),
                         gameType,
                         makeCustomItem<TableCapacity>(TableCapacity(4, 1, 0), QString(),
                                                       [](const TableCapacity &c) { return c.text(); }),
                         makeTextItem(QStringLiteral("no value"), QString(), Qt::AlignLeft)});
        LobbyTableFilter filter;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^got other than game type IntItem variant: .*single")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^got other than ValueColumnType variant: ")));
        filter.setSourceModel(&model);
        QCOMPARE(filter.rowCount(), 1);

        // The other conditions still judge the row.
        filter.setRulesFilterEnabled(true);
        QCOMPARE(filter.rowCount(), 0);
    }

    void lobbyModelHoldsTheFilterPathsWhileBothAreSet()
    {
        RequestLog log;
        auto model = std::make_unique<TableModel>(log.requests(), nullptr);
        auto lobby = std::make_unique<LobbyModel>();
        QAbstractItemModelTester tester(lobby.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        lobby->setSourceModel(model.get());
        TableLobbyFilter first;
        first.paths = QStringList{"101/Regular/A", QString(), "101/Regular/B"};
        first.tableIds = {8};
        lobby->setFilter(&first);
        drain(*model);
        QCOMPARE(log.sent, (QStringList{"+101/Regular/A", "+101/Regular/B"}));
        model->addOrUpdateTable(makeTable(7, QStringLiteral("101/Regular/A")));
        model->addOrUpdateTable(makeTable(8, QStringLiteral("101/Regular/B")));
        QCOMPARE(shownIds(*lobby), QList<int>{8});
        QCOMPARE(lobby->tableInfo(8).lobbyPath(), QStringLiteral("101/Regular/B"));

        // A filter of B only: A goes once, B ends held.
        TableLobbyFilter second;
        second.paths = QStringList{"101/Regular/B"};
        second.tableIds = {8};
        lobby->setFilter(&second);
        lobby->setFilter(&second);
        drain(*model);
        QCOMPARE(log.sent.count(QStringLiteral("-101/Regular/A")), 1);
        QCOMPARE(model->subscriptionCount("101/Regular/A"), 0);
        QCOMPARE(model->subscriptionCount("101/Regular/B"), 1);
        QCOMPARE(log.sent.last(), QStringLiteral("+101/Regular/B"));

        // Without a filter nothing is shown; an unknown id or no table model throws.
        model->addOrUpdateTable(makeTable(8, QStringLiteral("101/Regular/B")));
        QCOMPARE(shownIds(*lobby), QList<int>{8});
        LobbyModel bare;
        bare.setSourceModel(model.get());
        QCOMPARE(bare.rowCount(), 0);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, bare.tableInfo(99));
        LobbyModel unsourced;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, unsourced.tableInfo(8));

        // The destructor gives the paths back.
        lobby.reset();
        drain(*model);
        QCOMPARE(model->subscriptionCount("101/Regular/B"), 0);
        QCOMPARE(log.sent.last(), QStringLiteral("-101/Regular/B"));
    }

    void aLobbyModelOutlivingItsTableModelTouchesNothing()
    {
        RequestLog log;
        auto model = std::make_unique<TableModel>(log.requests(), nullptr);
        TableLobbyFilter filter;
        filter.paths = QStringList{"101/Regular/A"};
        LobbyModel lobby;
        lobby.setFilter(&filter);
        lobby.setSourceModel(model.get());
        drain(*model);
        QTest::ignoreMessage(QtWarningMsg, "Table subscriptions could be unbalanced");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("101/Regular/A.*1"));
        model.reset();
        QCOMPARE(lobby.sourceModel(), nullptr);
        QCOMPARE(lobby.tableModel(), nullptr);
        lobby.setFilter(nullptr);
        QCOMPARE(lobby.rowCount(), 0);
        QCOMPARE(log.sent, QStringList{"+101/Regular/A"});
    }
};

MAHJONG_TEST_MAIN(TestLobbyFilters)
#include "tst_lobbyfilters.moc"
