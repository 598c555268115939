#include "testmain.h"

#include "app/TournamentInfo.h"
#include "app/Utils.h"
#include "connection/ConnectionManager.h"
#include "lobby/CheckedItem.h"
#include "lobby/ComingEventsModel.h"
#include "lobby/TournamentsLobbyModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <stdexcept>

namespace {

const QDateTime t0 = QDateTime(QDate(2029, 12, 1), QTime(12, 0), Qt::UTC);

TournamentInfo tournament(qint32 id, const QDateTime &start, bool registered = false)
{
    TournamentInfo info(id);
    info.setPersistentId(id * 10);
    info.setName(QStringLiteral("Cup %1").arg(id));
    info.setStatus(TournamentInfo::Open);
    info.setStart(start);
    info.setRegistered(registered);
    info.setRegisteredPlayers(3);
    info.setMaxPlayers(64);
    info.setBet(1000);
    info.setFee(100);
    info.setRoundsStart({start});
    info.setRoundsLength({1200});
    return info;
}

bool checkedAt(const TournamentsLobbyModel &model, qint32 id)
{
    return model.indexOfTournament(id).data(CheckedItem::CheckedRole).toBool();
}

QList<qint32> rowOrder(const TournamentsLobbyModel &model)
{
    QList<qint32> ids;
    for (int row = 0; row < model.rowCount(); ++row)
        ids << model.index(row, 0).data(Qt::UserRole).toInt();
    return ids;
}

} // namespace

class TestTournamentsLobbyModel : public QObject
{
    Q_OBJECT

private slots:
    void registeredFlagFollowsTheServer()
    {
        TournamentsLobbyModel model(nullptr);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy added(&model, &TournamentsLobbyModel::tournamentAdded);
        QSignalSpy updated(&model, &TournamentsLobbyModel::tournamentUpdated);

        model.onRegisteredNotification({1});
        model.addOrUpdateTournament(tournament(1, t0));
        model.addOrUpdateTournament(tournament(2, t0.addSecs(60), true));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.columnCount(), 8);
        QVERIFY(added.at(0).at(0).value<TournamentInfo>().isRegistered());
        QVERIFY(checkedAt(model, 1));
        // The notification, not the record, says whether a new row is registered.
        QVERIFY(!model.tournamentInfo(2).isRegistered());
        QVERIFY(!checkedAt(model, 2));
        QCOMPARE(model.indexOfTournament(1).data(Qt::DecorationRole).userType(), QMetaType::QPixmap);

        // A full record keeps the held flag whatever it says.
        model.addOrUpdateTournament(tournament(1, t0, false));
        QVERIFY(model.tournamentInfo(1).isRegistered());
        QVERIFY(updated.last().at(0).value<TournamentInfo>().isRegistered());

        model.onTournamentUnregisterSuccess(1);
        QVERIFY(!checkedAt(model, 1));
        model.onTournamentRegisterSuccess(2);
        QVERIFY(checkedAt(model, 2));
        model.onTournamentRegisterSuccess(99);
        QCOMPARE(model.rowCount(), 2);

        // A late notification corrects the rows already held.
        updated.clear();
        model.onRegisteredNotification({1});
        QVERIFY(checkedAt(model, 1));
        QVERIFY(!checkedAt(model, 2));
        QCOMPARE(updated.size(), 2);

        model.onTournamentLeaveSuccess(1);
        QVERIFY(!model.tournamentInfo(1).isRegistered());
        QTest::ignoreMessage(QtWarningMsg, "No tournament found with id  7 , cannot leave");
        model.onTournamentUnregisterSuccess(7);
    }

    void updatesSignalInOrderAndRemovalsAreChecked()
    {
        TournamentsLobbyModel model(nullptr);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        TournamentInfo unset = tournament(2, t0);
        unset.setStatus(TournamentInfo::Unset);
        model.addOrUpdateTournament(tournament(1, t0));
        model.addOrUpdateTournament(unset);
        QStringList order;
        connect(&model, &TournamentsLobbyModel::tournamentUpdated, this,
                [&](const TournamentInfo &info) { order << QStringLiteral("updated %1").arg(info.id()); });
        connect(&model, &TournamentsLobbyModel::tournamentStatusChanged, this,
                [&](qint32 id, TournamentInfo::status_t from, TournamentInfo::status_t to) {
                    order << QStringLiteral("status %1 %2->%3").arg(id).arg(from).arg(to);
                });

        const TournamentInfoUpdates toSeating{{TournamentInfo::STATUS, 2}};
        model.updateTournamentInfo(1, toSeating);
        model.updateTournamentInfo(1, toSeating);
        model.updateTournamentInfo(2, toSeating);
        QCOMPARE(order, (QStringList{"updated 1", "status 1 0->2", "updated 1", "updated 2"}));
        QCOMPARE(model.indexOfTournament(1).siblingAtColumn(2).data().toString(),
                 TournamentInfo::statusName(2));

        QTest::ignoreMessage(QtWarningMsg, "No tournament with id 5 to update");
        model.updateTournamentInfo(5, toSeating);
        QTest::ignoreMessage(QtWarningMsg, "No tournament to remove with id 5");
        model.onTournamentRemoved(5);

        QSignalSpy removed(&model, &TournamentsLobbyModel::tournamentRemoved);
        model.onTournamentRemoved(1);
        QCOMPARE(removed.size(), 1);
        QCOMPARE(model.rowCount(), 1);
        QVERIFY(!model.hasTournament(1));
        QVERIFY(!model.indexOfTournament(1).isValid());
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, model.tournamentInfo(1));
        QCOMPARE(model.tournamentIdByPersistentId(20), 2);
        QCOMPARE(model.tournamentIdByPersistentId(10), -1);
    }

    void rowsSortByStartTimeNotByItsText()
    {
        // Short date texts do not sort chronologically across a year's end.
        const QDateTime december = t0;
        const QDateTime january = QDateTime(QDate(2030, 1, 2), QTime(12, 0), Qt::UTC);
        QVERIFY2(Utils::localDateTimeText(january) < Utils::localDateTimeText(december),
                 "the locale's short dates sort chronologically here");

        TournamentsLobbyModel model(nullptr);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.addOrUpdateTournament(tournament(1, january));
        model.addOrUpdateTournament(tournament(2, december.addDays(-1)));
        model.addOrUpdateTournament(tournament(3, december));
        // Additions alone do not sort.
        QCOMPARE(rowOrder(model), (QList<qint32>{1, 2, 3}));
        model.updateTournamentInfo(1, {{TournamentInfo::REGISTERED, 4}});
        QCOMPARE(rowOrder(model), (QList<qint32>{2, 3, 1}));
        model.updateTournamentInfo(2, {{TournamentInfo::START, january.addDays(1)}});
        QCOMPARE(rowOrder(model), (QList<qint32>{3, 1, 2}));

        // After the rows moved, an update announces the row where the tournament now is.
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.updateTournamentInfo(1, {{TournamentInfo::REGISTERED, 9}});
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().at(0).toModelIndex().row(), 1);
        QCOMPARE(changed.first().at(1).toModelIndex().column(), 7);
        QCOMPARE(model.index(1, TournamentsLobbyModel::PlayersColumn).data().toString(), "9/64");
        QCOMPARE(model.tournamentIds(), (QList<qint32>{1, 2, 3}));
        QCOMPARE(model.indexOfTournament(2).row(), 2);
    }

    void comingEventsFollowTheRegisteredTournaments()
    {
        ConnectionManager connection(false);
        TournamentsLobbyModel model(nullptr);
        model.onRegisteredNotification({1});
        model.addOrUpdateTournament(tournament(1, t0));
        model.addOrUpdateTournament(tournament(2, t0));

        ComingEventsModel events(&connection, &model, nullptr);
        QCOMPARE(events.comingEvents().size(), std::size_t(2));
        model.onTournamentRegisterSuccess(2);
        QCOMPARE(events.comingEvents().size(), std::size_t(4));
        model.onTournamentRemoved(1);
        QCOMPARE(events.comingEvents().size(), std::size_t(2));
    }
};

MAHJONG_TEST_MAIN(TestTournamentsLobbyModel)
#include "tst_tournamentslobbymodel.moc"
