#include "testmain.h"

#include "app/TableValue.h"
#include "app/TournamentInfo.h"
#include "app/Utils.h"
#include "lobby/JoinDialog.h"
#include "lobby/TournamentPrizeStructureModel.h"
#include "lobby/TournamentRankingModel.h"
#include "protocol/packets.h"
#include "ui/screenshot.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

namespace {

TournamentInfo cup(int bet, int fee, int registered)
{
    TournamentInfo info(42);
    info.setName(QStringLiteral("Spring <b>Cup</b>"));
    info.setStatus(TournamentInfo::Open);
    info.setStart(QDateTime(QDate(2030, 3, 1), QTime(18, 0), Qt::UTC));
    info.setBet(bet);
    info.setFee(fee);
    info.setRegisteredPlayers(registered);
    info.setMaxPlayers(64);
    return info;
}

TournamentRanking ranking(qint32 pid, const QString &name, qint32 tablePoints, qint32 competition,
                          qint64 payout = 0)
{
    TournamentRanking r;
    r.pid = pid;
    r.screenName = name;
    r.table_points = tablePoints;
    r.competition_points = competition;
    r.payout = payout;
    return r;
}

QStringList column(const QAbstractItemModel &model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

} // namespace

class TestTournamentModels : public QObject
{
    Q_OBJECT

private slots:
    void joinDialogConfirmsOrAsksForADeposit()
    {
        QWidget window;
        window.resize(700, 450);
        window.show();
        auto *join = new JoinDialog(&window, cup(0, 0, 3), 0);
        join->setAttribute(Qt::WA_DeleteOnClose);
        join->showAndRaise(true);
        QPointer<JoinDialog> joinAlive = join;
        auto *accept = join->findChild<QPushButton *>("acceptButton");
        QVERIFY(accept->isVisible());
        QVERIFY(!join->findChild<QPushButton *>("depositButton")->isVisible());
        QCOMPARE(join->findChild<QLabel *>("buyInLabel")->text(),
                 QStringLiteral("Buy-in: %1").arg(TableValue::optionalAmountText(0)));
        QCOMPARE(join->findChild<QLabel *>("nameLabel")->text(), "Name: Spring <b>Cup</b>");
        QCOMPARE(join->windowTitle(), "Tournament registration");
        saveScreenshot(&window, "join-accept");
        QSignalSpy registered(join, &JoinDialog::registerTournament);
        accept->click();
        QCOMPARE(registered.size(), 1);
        QCOMPARE(registered.at(0).at(0).toInt(), 42);
        QTRY_VERIFY(!joinAlive);

        auto *deposit = new JoinDialog(&window, cup(1000, 100, 3), 1);
        deposit->setAttribute(Qt::WA_DeleteOnClose);
        deposit->showAndRaise(true);
        QPointer<JoinDialog> depositAlive = deposit;
        QVERIFY(!deposit->findChild<QPushButton *>("acceptButton")->isVisible());
        saveScreenshot(&window, "join-deposit");
        QSignalSpy deposits(deposit, &JoinDialog::deposit);
        QSignalSpy none(deposit, &JoinDialog::registerTournament);
        deposit->findChild<QPushButton *>("depositButton")->click();
        QCOMPARE(deposits.size(), 1);
        QCOMPARE(none.size(), 0);
        QTRY_VERIFY(!depositAlive);
    }

    void prizeRowsShowRangesSharesAndAmounts()
    {
        TournamentPrizeStructureModel model(nullptr);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.onTournamentPrizeStructure({}, cup(0, 0, 0));
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!model.hasPotShares());

        // A pool of 1001 cents: bet 1 from each of 1001 players.
        prize_structure_t structure{{position_range_t(1, 1), protocol::pot_share_t{500000}},
                                    {position_range_t(4, 10), protocol::pot_share_t{70000}}};
        model.onTournamentPrizeStructure(structure, cup(1, 0, 1001));
        QVERIFY(model.hasPotShares());
        QCOMPARE(column(model, 0), (QStringList{"#1", "#4 - #10"}));
        QCOMPARE(model.index(0, 1).data().toString(), Utils::percentText(500000, 1000000));
        QCOMPARE(model.index(0, 2).data().toString(), QStringLiteral("(%1)").arg(Utils::moneyText(500, true)));

        // Without a pool only the percentage; another prize kind leaves the range alone.
        structure.emplace(position_range_t(2, 3), QStringLiteral("a trophy"));
        model.onTournamentPrizeStructure(structure, cup(0, 0, 0));
        QVERIFY(!model.hasPotShares());
        QCOMPARE(model.columnCount(), 2);
        QVERIFY(!model.index(1, 1).data().isValid());
        QCOMPARE(model.index(2, 1).data().toString(), Utils::percentText(70000, 1000000));
    }

    void rankingsUpdateInPlaceAndShareTiedPositions()
    {
        TournamentRankingModel model(42, nullptr);
        TournamentPlayerFilter filter(nullptr);
        filter.setSourceModel(&model);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester filterTester(&filter, QAbstractItemModelTester::FailureReportingMode::QtTest);

        model.onTournamentRankings(42, {ranking(1, "dora", 8, 3), ranking(2, "carl", 8, 3),
                                        ranking(3, "bea", 8, 3), ranking(4, "abe", 7, 2)});
        model.onTournamentRankings(7, {});
        QCOMPARE(column(model, 0), (QStringList{"1", "1", "1", "4"}));
        QCOMPARE(column(model, 2), (QStringList{"4/3", "4/3", "4/3", "3.5/2"}));
        // Equal positions are ordered by name.
        QCOMPARE(column(filter, 1), (QStringList{"bea", "carl", "dora", "abe"}));
        QStandardItem *abeName = model.item(3, 1);

        // abe climbs with a payout, dora leaves, then returns at the end.
        model.onTournamentRankings(42, {ranking(4, "abe", 20, 5, 1500), ranking(2, "carl", 8, 3),
                                        ranking(3, "bea", 6, 1)});
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.item(2, 1), abeName);
        QCOMPARE(column(filter, 1), (QStringList{"abe", "carl", "bea"}));
        QCOMPARE(column(filter, 2).first(), QStringLiteral("10/5/%1").arg(Utils::moneyText(1500, false)));
        QCOMPARE(column(filter, 2).last(), QStringLiteral("3/1/%1").arg(Utils::moneyText(0, false)));
        model.onTournamentRankings(42, {ranking(4, "abe", 20, 5), ranking(2, "carl", 8, 3),
                                        ranking(3, "bea", 6, 1), ranking(1, "dora", 1, 0)});
        QCOMPARE(column(model, 1), (QStringList{"carl", "bea", "abe", "dora"}));

        const RankingEntry *entry = model.rankingEntry(filter.mapToSource(filter.index(3, 1)));
        QVERIFY(entry);
        QCOMPARE(entry->ranking.screenName, "dora");
        QVERIFY(!model.rankingEntry(QModelIndex()));

        filter.setSearchText("  A  ");
        QCOMPARE(column(filter, 1), (QStringList{"abe", "carl", "bea", "dora"}));
        filter.setSearchText("e b");
        QCOMPARE(column(filter, 1), (QStringList{"abe", "bea"}));

        // Sorted by score: by its numbers, half points and all, equal ones by name.
        filter.setSearchText(QString());
        model.onTournamentRankings(42, {ranking(5, "eve", 30, 9), ranking(6, "finn", 7, 10),
                                        ranking(7, "gus", 7, 12), ranking(8, "hal", 8, 1),
                                        ranking(9, "ida", 7, 10)});
        filter.sort(2, Qt::DescendingOrder);
        QCOMPARE(column(filter, 2), (QStringList{"15/9", "4/1", "3.5/12", "3.5/10", "3.5/10"}));
        QCOMPARE(column(filter, 1), (QStringList{"eve", "hal", "gus", "ida", "finn"}));
        filter.sort(2, Qt::AscendingOrder);
        QCOMPARE(column(filter, 1), (QStringList{"finn", "ida", "gus", "hal", "eve"}));
    }
};

MAHJONG_TEST_MAIN(TestTournamentModels)
#include "tst_tournamentmodels.moc"
