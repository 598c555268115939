#include "testmain.h"

#include "tablefixtures.h"

#include "connection/ConnectionManager.h"
#include "lobby/ColumnTypes.h"
#include "lobby/CustomItem.h"
#include "lobby/LobbyController.h"
#include "lobby/LocalizationDb.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QSortFilterProxyModel>

class TestTableModel : public QObject
{
    Q_OBJECT

private:
    // Runs the paced queue until it is empty.
    static void drain(TableModel &model, const RequestLog &log, int expected)
    {
        QTRY_VERIFY_WITH_TIMEOUT(!model.hasQueuedRequests(), 3000);
        QCOMPARE(log.sent.size(), expected);
    }

    static QStringList rowIds(const TableModel &model)
    {
        QStringList ids;
        for (int row = 0; row < model.rowCount(); ++row)
            ids << model.index(row, 0).data(TableIdRole).toString();
        ids.sort();
        return ids;
    }

private slots:
    void countsSubscriptionsPerPath()
    {
        RequestLog log;
        TableModel model(log.requests(), nullptr);
        model.subscribe("101/Regular");
        model.subscribe("101/Regular");
        model.unsubscribe("101/Regular");
        drain(model, log, 1);
        QCOMPARE(log.sent, QStringList{"+101/Regular"});
        QCOMPARE(model.subscriptionCount("101/Regular"), 1);

        model.unsubscribe("101/Regular");
        drain(model, log, 2);
        QCOMPARE(log.sent.last(), QStringLiteral("-101/Regular"));
        QCOMPARE(model.serverSubscriptionCount(), 0);
    }

    void pacesRequests()
    {
        RequestLog log;
        TableModel model(log.requests(), nullptr);
        model.subscribe("101/a");
        model.subscribe("101/b");
        model.subscribe("101/c");
        QCOMPARE(log.sent.size(), 0);
        drain(model, log, 3);
        QCOMPARE(log.sent, (QStringList{"+101/a", "+101/b", "+101/c"}));
        QVERIFY(log.times.at(1) - log.times.at(0) >= TableModel::RequestIntervalMs);
        QVERIFY(log.times.at(2) - log.times.at(1) >= TableModel::RequestIntervalMs);

        // A request asked for just after one left still waits for the interval, counted
        // from when the last one had left, however long it took to go.
        log.sendMs = 30;
        model.subscribe("101/d");
        QTRY_COMPARE(log.sent.size(), 4);
        log.sendMs = 0;
        QTest::qWait(10);
        model.subscribe("101/e");
        QTRY_COMPARE(log.sent.size(), 5);
        QVERIFY(log.times.at(4) - log.times.at(3) >= TableModel::RequestIntervalMs);
    }

    void coveredPathsSendNothingAndNeverLeak()
    {
        RequestLog log;
        TableModel model(log.requests(), nullptr);
        model.subscribe("101/mtt");
        model.subscribe("101/mtt/7");
        drain(model, log, 1);
        QCOMPARE(log.sent, QStringList{"+101/mtt"});
        QCOMPARE(model.subscriptionCount("101/mtt/7"), 1);
        model.addOrUpdateTable(makeTable(1, "101/mtt/7"));
        model.addOrUpdateTable(makeTable(2, "101/mtt/9"));

        // Releasing the wide path keeps the narrow one on the server and its rows here.
        model.unsubscribe("101/mtt");
        drain(model, log, 3);
        QCOMPARE(log.sent, (QStringList{"+101/mtt", "+101/mtt/7", "-101/mtt"}));
        QCOMPARE(rowIds(model), QStringList{"1"});

        model.unsubscribe("101/mtt/7");
        drain(model, log, 4);
        QCOMPARE(log.sent.last(), QStringLiteral("-101/mtt/7"));
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.serverSubscriptionCount(), 0);
    }

    void overlappingSubscriptionsReleaseInEitherOrder_data()
    {
        QTest::addColumn<bool>("wideFirst");
        QTest::newRow("narrow released first") << false;
        QTest::newRow("wide released first") << true;
    }

    void overlappingSubscriptionsReleaseInEitherOrder()
    {
        QFETCH(bool, wideFirst);
        RequestLog log;
        TableModel model(log.requests(), nullptr);
        model.subscribe("101/mtt/5");
        model.subscribe("101/mtt");
        drain(model, log, 2);
        QCOMPARE(log.sent, (QStringList{"+101/mtt/5", "+101/mtt"}));
        model.addOrUpdateTable(makeTable(5, "101/mtt/5"));
        model.addOrUpdateTable(makeTable(6, "101/mtt/6"));
        QCOMPARE(model.rowCount(), 2);

        model.unsubscribe(wideFirst ? "101/mtt" : "101/mtt/5");
        drain(model, log, 3);
        QCOMPARE(rowIds(model), wideFirst ? QStringList{"5"} : (QStringList{"5", "6"}));
        model.unsubscribe(wideFirst ? "101/mtt/5" : "101/mtt");
        drain(model, log, 4);

        QCOMPARE(log.sent.filter(QRegularExpression("^-")).size(), 2);
        QVERIFY(log.sent.contains("-101/mtt"));
        QVERIFY(log.sent.contains("-101/mtt/5"));
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.serverSubscriptionCount(), 0);
    }

    void unknownAndMalformedPathsKeepTheQueueGoing()
    {
        RequestLog log;
        TableModel model(log.requests(), nullptr);
        model.addOrUpdateTable(makeTable(1, "101/x"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("can't unsubscribe.*no subscription"));
        model.unsubscribe("101/never");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused.*invalid path"));
        model.subscribe("nogameid");
        model.subscribe("101/x");
        drain(model, log, 1);
        QCOMPARE(log.sent, QStringList{"+101/x"});

        // The refused path is still counted, so its release is quiet and sends nothing.
        model.unsubscribe("nogameid");
        drain(model, log, 1);

        // What never went out is never released either.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("offline.*was not sent"));
        model.subscribe("101/offline");
        model.unsubscribe("101/offline");
        drain(model, log, 1);
    }

    void acceptsRecordsOnlyUnderSubscribedPaths()
    {
        RequestLog log;
        TableModel model(log.requests(), nullptr);
        QSignalSpy added(&model, &TableModel::tableAdded);
        model.subscribe("101/mtt/5");
        drain(model, log, 1);
        model.addOrUpdateTable(makeTable(1, "101/mtt/50"));
        model.addOrUpdateTable(makeTable(2, "101/mtt"));
        model.addOrUpdateTable(makeTable(3, "101/mtt/5/final"));
        model.addOrUpdateTable(makeTable(4, "101/mtt/5"));
        QCOMPARE(rowIds(model), (QStringList{"3", "4"}));
        QCOMPARE(added.size(), 2);
        QVERIFY(!model.hasTable(1));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, model.tableInfo(1));
        try {
            model.tableInfo(77);
        } catch (const std::runtime_error &e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("info for table 77 unavailable"));
        }
    }

    void cellsCarryValuesAndRoles()
    {
        RequestLog log;
        TableModel model(log.requests(), nullptr);
        model.subscribe("101/Practice");
        drain(model, log, 1);
        TableInfo info = makeTable(42, "101/Practice", 200, 3);
        info.setAborted(true);
        model.addOrUpdateTable(info);

        QCOMPARE(model.columnCount(), 6);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Table"));
        QCOMPARE(model.headerData(5, Qt::Horizontal).toString(), QStringLiteral("Max win"));
        for (int column = 0; column < 6; ++column) {
            const QModelIndex cell = model.index(0, column);
            QCOMPARE(cell.data(TableIdRole).toInt(), 42);
            QVERIFY(!(model.flags(cell) & Qt::ItemIsEditable));
            QVERIFY(cell.data(Qt::ToolTipRole).toString().contains("3 of 4"));
        }
        const QModelIndex name = model.index(0, 0);
        // No name service yet: the placeholder with the id stands in for the name.
        QCOMPARE(name.data().toString(), QStringLiteral("Table(42)"));
        QCOMPARE(name.data(LobbyTablePathRole).toString(), QStringLiteral("101/Practice"));
        QCOMPARE(name.data(TableAbortedRole).toBool(), true);

        const auto rules = model.index(0, 1).data(CustomItemValueRole).value<RulesColumnType>();
        QCOMPARE(rules.ruleset, 3);
        QCOMPARE(model.index(0, 1).data().toString(), TableInfo::rulesetText(3, 0, 0));
        QCOMPARE(model.index(0, 2).data(CustomItemValueRole).toInt(), info.gameType());
        QCOMPARE(model.index(0, 3).data().toString(), QStringLiteral("3/4"));
        QCOMPARE(model.index(0, 3).data(CustomItemValueRole).value<TableCapacity>(),
                 TableCapacity(4, 3, 0));
        QCOMPARE(model.index(0, 4).data(CustomItemValueRole).value<ValueColumnType>().buyIn(), 220);
        QCOMPARE(model.index(0, 4).data().toString(), info.value().totalText());
        QCOMPARE(model.index(0, 5).data(CustomItemValueRole).toInt(), info.value().maxWin());
        QCOMPARE(QMetaType::fromType<RulesColumnType>().name(), "RulesColumnType");
        QCOMPARE(QMetaType::fromType<ValueColumnType>().name(), "ValueColumnType");
    }

    void updatesInPlaceAndCountsMoneyTables()
    {
        RequestLog log;
        TableModel model(log.requests(), nullptr);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy money(&model, &TableModel::hasMoneraryTablesChanged);
        QSignalSpy added(&model, &TableModel::tableAdded);
        QSignalSpy removed(&model, &TableModel::tableRemoved);
        QSignalSpy changed(&model, &QStandardItemModel::itemChanged);
        model.subscribe("101/Regular");
        model.subscribe("101/Practice");
        drain(model, log, 2);

        model.addOrUpdateTable(makeTable(1, "101/Practice"));
        QCOMPARE(money.size(), 0);
        model.addOrUpdateTable(makeTable(2, "101/Regular", 100));
        QCOMPARE(money.size(), 1);
        QCOMPARE(money.last().at(0).toBool(), true);
        model.addOrUpdateTable(makeTable(3, "101/Regular", 500));
        QCOMPARE(money.size(), 1);

        // A full record for a held id updates the same row.
        changed.clear();
        model.addOrUpdateTable(makeTable(1, "101/Practice", 0, 4));
        QCOMPARE(added.size(), 3);
        QCOMPARE(model.rowCount(), 3);
        QVERIFY(model.isTableFull(1));
        QVERIFY(changed.size() >= TableModel::ColumnCount - 1);

        // A partial update turns the free table into a money table and back.
        model.updateTableInfo(1, 2, {{TableInfo::VALUE_KIND, 2}, {TableInfo::BET, 50}});
        QCOMPARE(model.tableInfo(1).capacity().players(), 2);
        QVERIFY(!model.isTableFull(1));
        QCOMPARE(money.size(), 1);
        model.onTableRemoved(2);
        model.onTableRemoved(3);
        QCOMPARE(money.size(), 1);
        model.updateTableInfo(1, 2, {{TableInfo::VALUE_KIND, 0}});
        QCOMPARE(money.size(), 2);
        QCOMPARE(money.last().at(0).toBool(), false);
        QCOMPARE(removed.size(), 2);

        QTest::ignoreMessage(QtWarningMsg, "No table with id 9 to update");
        model.updateTableInfo(9, 1, {});
        QTest::ignoreMessage(QtWarningMsg, "No table to remove with id 9");
        model.onTableRemoved(9);
        QCOMPARE(removed.size(), 2);
        QCOMPARE(model.rowCount(QModelIndex()), 1);
        QCOMPARE(model.rowCount(model.index(0, 0)), 0);
        QVERIFY(!model.isTableFull(9));
    }

    void removalFollowsRowsThatMoved()
    {
        RequestLog log;
        TableModel model(log.requests(), nullptr);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.subscribe("101/Practice");
        drain(model, log, 1);
        for (int id = 1; id <= 20; ++id)
            model.addOrUpdateTable(makeTable(id, "101/Practice"));
        for (int id : {5, 1, 20, 10, 11})
            model.onTableRemoved(id);
        QCOMPARE(model.rowCount(), 15);
        for (int row = 0; row < model.rowCount(); ++row) {
            const int id = model.index(row, 0).data(TableIdRole).toInt();
            QVERIFY(model.hasTable(id));
            QCOMPARE(model.index(row, 3).data(TableIdRole).toInt(), id);
        }
    }

    void aFolderLeavesWithItsTablesOnly_data()
    {
        QTest::addColumn<int>("tables");
        QTest::addColumn<int>("runLength");
        QTest::newRow("arrived together") << 40 << 20;
        QTest::newRow("in a few runs") << 40 << 5;
        QTest::newRow("scattered one by one") << 2400 << 1;
    }

    // The practice folder leaves: its tables go, every other table stays where it was,
    // in its order, and a view's persistent index of a staying table keeps it.
    void aFolderLeavesWithItsTablesOnly()
    {
        QFETCH(int, tables);
        QFETCH(int, runLength);
        RequestLog log;
        TableModel model(log.requests(), nullptr);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSortFilterProxyModel sorted;
        sorted.setSourceModel(&model);
        sorted.sort(TableModel::PlayersColumn);
        QAbstractItemModelTester sortedTester(&sorted, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.subscribe("101/Practice");
        model.subscribe("101/Regular");
        drain(model, log, 2);
        std::vector<TableInfo> burst;
        QList<int> staying;
        QList<int> leaving;
        for (int id = 1; id <= tables; ++id) {
            const bool practice = (id - 1) / runLength % 2 == 0;
            burst.push_back(practice ? makeTable(id, "101/Practice", 100, id % 4)
                                     : makeTable(id, "101/Regular/A", 0, id % 4));
            (practice ? leaving : staying) << id;
        }
        model.addOrUpdateTables(burst);
        const QPersistentModelIndex kept = sorted.mapFromSource(model.index(tables - 1, 0));
        QCOMPARE(kept.data(TableIdRole).toInt(), staying.last());
        QSignalSpy removed(&model, &TableModel::tableRemoved);
        QSignalSpy money(&model, &TableModel::hasMoneraryTablesChanged);

        model.unsubscribe("101/Practice");
        drain(model, log, 3);

        QList<int> rows;
        for (int row = 0; row < model.rowCount(); ++row) {
            rows << model.index(row, 0).data(TableIdRole).toInt();
            QCOMPARE(model.index(row, TableModel::BetColumn).data(TableIdRole).toInt(), rows.last());
        }
        QCOMPARE(rows, staying);
        QList<int> told;
        for (const QList<QVariant> &signal : removed)
            told << signal.at(0).toInt();
        QCOMPARE(told, leaving);
        QVERIFY(!model.hasTable(leaving.first()));
        QCOMPARE(money.size(), 1);
        QCOMPARE(money.first().at(0).toBool(), false);
        QCOMPARE(sorted.rowCount(), staying.size());
        QVERIFY(kept.isValid());
        QCOMPARE(kept.data(TableIdRole).toInt(), staying.last());
        model.unsubscribe("101/Regular");
        drain(model, log, 4);
        QCOMPARE(model.rowCount(), 0);
    }

    void lobbyStructureIsPassedOn()
    {
        RequestLog log;
        TableModel model(log.requests(), nullptr);
        QSignalSpy structure(&model, &TableModel::lobbyStructure);
        model.queryLobbyStructure();
        QCOMPARE(log.lobbyStructureQueries, 1);
        LobbyStructure root;
        root.name = "101";
        model.onLobbyStructure(root);
        QCOMPARE(structure.size(), 1);
        QCOMPARE(structure.at(0).at(0).value<LobbyStructure>().name, QStringLiteral("101"));
    }

    void unbalancedSubscriptionsAreReportedAtTheEnd()
    {
        RequestLog log;
        auto model = std::make_unique<TableModel>(log.requests(), nullptr);
        model->subscribe("101/Practice");
        drain(*model, log, 1);
        QTest::ignoreMessage(QtWarningMsg, "Table subscriptions could be unbalanced");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("101/Practice.*1"));
        model.reset();
    }

    void recordsOfOneBurstArriveTogetherAndInOrder()
    {
        ConnectionManager connection(false);
        LobbyController controller(&connection, nullptr);
        TableModel &model = *controller.tableModel();
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSortFilterProxyModel sorted;
        sorted.setSourceModel(&model);
        sorted.sort(TableModel::PlayersColumn);
        QAbstractItemModelTester sortedTester(&sorted, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("was not sent"));
        model.subscribe("101/Regular");
        QTRY_VERIFY(!model.hasQueuedRequests());
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

        for (qint32 id : {1, 2, 3})
            emit connection.tableInfoUpdate(makeTable(id, "101/Regular/A", 0, 4 - id));
        QCOMPARE(model.rowCount(), 0);
        // Other news about the tables hands the burst over first.
        emit connection.tableInfoUpdate(2, 4, TableInfoUpdates{});
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(rowIds(model), (QStringList{"1", "2", "3"}));
        QCOMPARE(model.tableInfo(2).capacity().players(), 4);
        QCOMPARE(sorted.index(2, 0).data(TableIdRole).toInt(), 2);

        emit connection.tableInfoUpdate(makeTable(4, "101/Regular/A"));
        emit connection.tableRemoved(4);
        QVERIFY(!model.hasTable(4));
        emit connection.tableInfoUpdate(makeTable(5, "101/Regular/A"));
        emit connection.tableInfoUpdate(makeTable(1, "101/Regular/A", 500));
        QTRY_COMPARE(model.rowCount(), 4);
        QCOMPARE(model.tableInfo(1).value().bet(), 500);
        QCOMPARE(sorted.rowCount(), 4);
        model.unsubscribe("101/Regular");
        QTRY_VERIFY(!model.hasQueuedRequests());
    }

    void isPathUnderUsesWholeComponents()
    {
        QVERIFY(isPathUnder("101/mtt/5", "101/mtt"));
        QVERIFY(isPathUnder("101/mtt", "101/mtt"));
        QVERIFY(!isPathUnder("101/mttx", "101/mtt"));
        QVERIFY(!isPathUnder("101/mtt/50", "101/mtt/5"));
        QVERIFY(!isPathUnder("101", "101/mtt"));
    }
};

MAHJONG_TEST_MAIN(TestTableModel)
#include "tst_tablemodel.moc"
