#include "app/TournamentInfo.h"
#include "app/Utils.h"
#include "lobby/TableModel.h"
#include "lobby/TournamentDetailDialog.h"
#include "lobby/TournamentsLobbyModel.h"
#include "protocol/packets.h"
#include "ui/UPushButton.h"
#include "../app/loopbackhttpserver.h"
#include "../ui/screenshot.h"
#include "tablefixtures.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTreeView>
#include <QWebEngineView>

namespace {

constexpr int pageTimeout = 20000;
const qint32 cupId = 7;

TournamentInfo cup(TournamentInfo::status_t status, bool registered = false)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    TournamentInfo info(cupId);
    info.setName(QStringLiteral("Autumn Cup"));
    info.setStatus(status);
    info.setRegistered(registered);
    info.setStart(now.addSecs(3600));
    info.setCloseRegister(now.addSecs(3000));
    info.setRegisteredPlayers(12);
    info.setMinPlayers(8);
    info.setMaxPlayers(64);
    info.setNumberOfRounds(3);
    info.setCurrentRound(1);
    info.setRoundsStart({now.addSecs(-3600), now.addSecs(-600), now.addSecs(1800)});
    info.setRoundsLength({1200, 1200, 1200});
    info.setRuleset(3);
    info.setBet(1000);
    info.setFee(100);
    return info;
}

TableInfo tournamentTable(qint32 id, qint32 tournamentId)
{
    TableInfo table = makeTable(id, tournamentLobbyPath(tournamentId));
    table.setMttId(tournamentId);
    return table;
}

tournament_prize_configuration_t prizes()
{
    tournament_prize_configuration_t configuration;
    configuration[Range<int>(2, 8)] = {{position_range_t(1, 1), protocol::pot_share_t{1000000}}};
    configuration[Range<int>(9, 16)] = {{position_range_t(1, 1), protocol::pot_share_t{600000}},
                                        {position_range_t(2, 2), protocol::pot_share_t{400000}}};
    configuration[Range<int>(17, 32)] = {{position_range_t(1, 3), protocol::pot_share_t{500000}},
                                         {position_range_t(4, 6), protocol::pot_share_t{300000}},
                                         {position_range_t(7, 9), protocol::pot_share_t{200000}}};
    return configuration;
}

// Sends the queued subscription requests at once.
int held(TableModel &tables, const QString &path)
{
    while (tables.hasQueuedRequests())
        tables.processSubscriptions();
    return tables.subscriptionCount(path);
}

void settle(TableModel &tables)
{
    held(tables, QString());
}

template <typename T>
T *child(QWidget *dialog, const char *name)
{
    return dialog->findChild<T *>(QLatin1String(name));
}

bool shown(QWidget *dialog, const char *name)
{
    return child<QWidget>(dialog, name)->isVisibleTo(dialog);
}

QStringList tableNames(QWidget *dialog)
{
    QStringList names;
    const auto labels = child<QWidget>(dialog, "tableList")->findChildren<QLabel *>();
    for (const QLabel *label : labels)
        names << label->text();
    names.sort();
    return names;
}

} // namespace

class TestTournamentDetailDialog : public QObject
{
    Q_OBJECT

private:
    QWidget m_window;

private slots:
    void initTestCase()
    {
        m_window.resize(1400, 760);
        m_window.show();
    }

    void eachStatusShowsItsSections_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("registered");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QString>("right");
        QTest::addColumn<bool>("standings");
        QTest::addColumn<bool>("round");
        QTest::addColumn<int>("subscriptions");
        QTest::newRow("open") << 0 << false << "join" << "payout" << false << false << 0;
        QTest::newRow("open-registered") << 0 << true << "leave" << "payout" << false << false << 0;
        QTest::newRow("closed") << 1 << true << "" << "payout" << false << false << 0;
        QTest::newRow("seating") << 2 << true << "" << "tables" << true << true << 1;
        QTest::newRow("playing") << 3 << false << "" << "tables" << true << true << 1;
        QTest::newRow("paused") << 4 << false << "" << "" << true << true << 0;
        QTest::newRow("done") << 5 << false << "" << "" << true << false << 0;
        QTest::newRow("cancelled") << 6 << false << "" << "" << false << false << 0;
        QTest::newRow("aborted") << 7 << false << "" << "" << false << false << 0;
    }

    void eachStatusShowsItsSections()
    {
        QFETCH(int, status);
        QFETCH(bool, registered);
        QFETCH(QString, buttons);
        QFETCH(QString, right);
        QFETCH(bool, standings);
        QFETCH(bool, round);
        QFETCH(int, subscriptions);

        // Another part of the client holds the tournament's tables already.
        RequestLog log;
        TableModel tables(log.requests(), nullptr);
        tables.subscribe(tournamentLobbyPath(cupId));
        settle(tables);
        tables.addOrUpdateTable(tournamentTable(70, cupId));
        auto *dialog = new TournamentDetailDialog(&m_window);
        dialog->setTableModel(&tables);
        dialog->setTournament(cup(TournamentInfo::status_t(status), registered));
        dialog->onTournamentPrizeConfiguration(cupId, prizes());
        dialog->onTournamentRankings(cupId, {{1, "ann", 10, 2, false, 0}, {2, "bob", 8, 1, false, 0}});
        dialog->showAndRaise(true);

        QCOMPARE(dialog->windowTitle(), "Autumn Cup");
        QCOMPARE(shown(dialog, "joinButton"), buttons == "join");
        QCOMPARE(shown(dialog, "leaveButton"), buttons == "leave");
        QCOMPARE(shown(dialog, "prizeList"), right == "payout");
        QCOMPARE(shown(dialog, "tableListScrollArea"), right == "tables");
        QCOMPARE(shown(dialog, "payoutAndTablesHeaderFrame"), !right.isEmpty());
        QCOMPARE(child<QLabel>(dialog, "playersHeader")->text(), standings ? "Standings" : "Players");
        QCOMPARE(child<QTreeView>(dialog, "playerList")->isColumnHidden(2), !standings);
        QVERIFY(child<QTreeView>(dialog, "playerList")->isColumnHidden(0));
        QCOMPARE(shown(dialog, "tournamentInPlayContainer"), round);
        QCOMPARE(held(tables, tournamentLobbyPath(cupId)), 1 + subscriptions);
        QCOMPARE(tableNames(dialog).size(), subscriptions);
        if (status <= 1)
            QVERIFY(child<QLabel>(dialog, "startsLabel")->text().startsWith("Starts in: "));
        else
            QCOMPARE(child<QLabel>(dialog, "startsLabel")->text(), "Starts in: -");
        if (status == TournamentInfo::Playing)
            QVERIFY(child<QLabel>(dialog, "nextBreakLabel")->text().startsWith("Next break in: "));
        if (status == TournamentInfo::Paused)
            QVERIFY(child<QLabel>(dialog, "nextBreakLabel")->text().startsWith("Next round in: "));
        saveScreenshot(&m_window, QStringLiteral("tournament-detail-%1").arg(QTest::currentDataTag()));
        delete dialog;
        QCOMPARE(held(tables, tournamentLobbyPath(cupId)), 1);
    }

    void tablesFollowTheSubscription()
    {
        RequestLog log;
        TableModel tables(log.requests(), nullptr);
        tables.subscribe(tournamentLobbyPath(cupId + 1));
        tables.subscribe(QStringLiteral("101/Practice"));
        auto *dialog = new TournamentDetailDialog(&m_window);
        dialog->setTableModel(&tables);
        dialog->setTournament(cup(TournamentInfo::Seating));
        settle(tables);
        tables.addOrUpdateTables({tournamentTable(70, cupId), tournamentTable(71, cupId)});
        tables.addOrUpdateTable(tournamentTable(90, cupId + 1));
        tables.addOrUpdateTable(makeTable(91, "101/Practice"));
        QCOMPARE(tableNames(dialog).size(), 2);
        tables.onTableRemoved(71);
        QCOMPARE(tableNames(dialog).size(), 1);
        dialog->onTournamentUpdated(cup(TournamentInfo::Playing));
        QCOMPARE(held(tables, tournamentLobbyPath(cupId)), 1);

        // Paused releases the path, and the table list lets its tables go.
        TournamentInfo paused = cup(TournamentInfo::Paused);
        paused.setCurrentRound(2);
        dialog->onTournamentUpdated(paused);
        QCOMPARE(held(tables, tournamentLobbyPath(cupId)), 0);
        QCOMPARE(child<QLabel>(dialog, "nextBreakLabel")->text(), QString());
        QCOMPARE(tableNames(dialog).size(), 0);

        // Short round lists are not read past their end.
        TournamentInfo playing = cup(TournamentInfo::Playing);
        playing.setCurrentRound(5);
        dialog->onTournamentUpdated(playing);
        QCOMPARE(child<QLabel>(dialog, "currentRoundLabel")->text(), "Round 6");
        QCOMPARE(child<QLabel>(dialog, "nextBreakLabel")->text(), "Ends in: -");

        dialog->onTournamentRemoved(cupId + 1);
        QVERIFY(shown(dialog, "contentContainer"));
        dialog->onTournamentRemoved(cupId);
        QCOMPARE(held(tables, tournamentLobbyPath(cupId)), 0);
        QVERIFY(!shown(dialog, "contentContainer"));
        QVERIFY(shown(dialog, "removedContainer"));
        delete dialog;
        settle(tables);
        QVERIFY(log.sent.contains("+" + tournamentLobbyPath(cupId)));
        QVERIFY(log.sent.contains("-" + tournamentLobbyPath(cupId)));
    }

    void prizeStructureFitsTheRegisteredPlayers_data()
    {
        QTest::addColumn<int>("registered");
        QTest::addColumn<QStringList>("ranges");
        QTest::newRow("none") << 0 << QStringList{"#1"};
        QTest::newRow("inside") << 12 << QStringList{"#1", "#2"};
        QTest::newRow("top") << 32 << QStringList{"#1 - #3", "#4 - #6", "#7 - #9"};
        QTest::newRow("above the top") << 40 << QStringList{"#1 - #3", "#4 - #6", "#7 - #9"};
    }

    void prizeStructureFitsTheRegisteredPlayers()
    {
        QFETCH(int, registered);
        QFETCH(QStringList, ranges);
        TournamentDetailDialog dialog(&m_window);
        TournamentInfo info = cup(TournamentInfo::Open);
        info.setRegisteredPlayers(registered);
        dialog.setTournament(info);
        dialog.onTournamentPrizeConfiguration(cupId, prizes());
        const QAbstractItemModel *model = child<QTreeView>(&dialog, "prizeList")->model();
        QStringList shownRanges;
        for (int row = 0; row < model->rowCount(); ++row)
            shownRanges << model->index(row, 0).data().toString();
        QCOMPARE(shownRanges, ranges);

        // A free tournament paying shares of an empty pot shows no payout.
        info.setBet(0);
        dialog.onTournamentUpdated(info);
        QVERIFY(!shown(&dialog, "prizeList"));
        QVERIFY(!shown(&dialog, "payoutAndTablesHeaderFrame"));
    }

    void closingWaitsForAPendingWatch()
    {
        RequestLog log;
        TableModel tables(log.requests(), nullptr);
        tables.subscribe(tournamentLobbyPath(cupId));
        settle(tables);
        tables.addOrUpdateTables({tournamentTable(70, cupId), tournamentTable(71, cupId)});
        QPointer<TournamentDetailDialog> dialog = new TournamentDetailDialog(&m_window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setTableModel(&tables);
        dialog->setTournament(cup(TournamentInfo::Playing));
        dialog->showAndRaise(true);
        QSignalSpy watch(dialog.data(), &TournamentDetailDialog::watchTable);
        const auto buttons = child<QWidget>(dialog, "tableList")->findChildren<UPushButton *>();
        QCOMPARE(buttons.size(), 2);
        buttons.at(0)->click();
        buttons.at(1)->click();
        QCOMPARE(watch.size(), 2);

        dialog->close();
        QVERIFY(dialog);
        QVERIFY(dialog->isHidden());
        dialog->onTableWatched(buttons.at(0)->id());
        dialog->onTableWatched(99);
        QVERIFY(dialog);
        dialog->onWatchFailed(buttons.at(1)->id());
        QTRY_VERIFY(!dialog);

        // Without an answer the time-out lets it go.
        dialog = new TournamentDetailDialog(&m_window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setTableModel(&tables);
        dialog->setTournament(cup(TournamentInfo::Playing));
        dialog->showAndRaise(true);
        child<QWidget>(dialog, "tableList")->findChildren<UPushButton *>().at(0)->click();
        dialog->close();
        QVERIFY(dialog);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog, TournamentDetailDialog::PendingWatchTimeoutMs + 2000);
    }

    void informationPageShowsAfterAGoodLoadAndHandsOverLinks()
    {
        LoopbackHttpServer http;
        http.serve("/info.html",
                   "<html><body style='margin:0'><a id='out' href='http://example.invalid/rules' "
                   "style='display:block;width:300px;height:300px'>Rules</a></body></html>",
                   200, "text/html");
        TournamentInfo info = cup(TournamentInfo::Open);
        info.setInfoUrl(QUrl(QStringLiteral("http://%1/missing.html").arg(http.address())));
        TournamentDetailDialog broken(&m_window);
        auto *brokenView = child<QWebEngineView>(&broken, "webView");
        QSignalSpy brokenLoads(brokenView, &QWebEngineView::loadFinished);
        broken.setTournament(info);
        broken.showAndRaise(true);
        QTRY_VERIFY_WITH_TIMEOUT(!brokenLoads.isEmpty(), pageTimeout);
        QVERIFY(!brokenView->isVisible());
        broken.hide();

        info.setInfoUrl(QUrl(QStringLiteral("http://%1/info.html").arg(http.address())));
        TournamentDetailDialog dialog(&m_window);
        auto *view = child<QWebEngineView>(&dialog, "webView");
        QSignalSpy loads(view, &QWebEngineView::loadFinished);
        QSignalSpy links(&dialog, &TournamentDetailDialog::launchBrowser);
        dialog.setTournament(info);
        dialog.showAndRaise(true);
        QVERIFY(!view->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!loads.isEmpty(), pageTimeout);
        QVERIFY(loads.first().first().toBool());
        QVERIFY(view->isVisible());
        QTest::qWait(300);
        QTest::mouseClick(view->focusProxy() ? view->focusProxy() : view, Qt::LeftButton, {}, QPoint(50, 50));
        QTRY_COMPARE_WITH_TIMEOUT(links.size(), 1, pageTimeout);
        QCOMPARE(links.first().first().toString(), "http://example.invalid/rules");
        QCOMPARE(view->url(), info.infoUrl());
        saveScreenshot(&m_window, "tournament-detail-page");
    }
};

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestTournamentDetailDialog test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tournamentdetaildialog.moc"
