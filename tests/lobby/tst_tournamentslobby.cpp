#include "lobbyscreenshot.h"
#include "rowbaseline.h"

#include "../app/loopbackhttpserver.h"

#include "app/startup/ResourceSearchPaths.h"
#include "connection/ConnectionManager.h"
#include "lobby/ComingTournamentsWidget.h"
#include "lobby/JoinDialog.h"
#include "lobby/LobbyWindow.h"
#include "lobby/TournamentLobbyFilter.h"
#include "lobby/TournamentPreview.h"
#include "lobby/TournamentsController.h"
#include "lobby/TournamentsLobbyModel.h"
#include "lobby/TournamentsLobbyWindow.h"
#include "ui/UPushButton.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>

namespace {

TournamentInfo tournament(qint32 id, const QString &name, int ruleset, int cost, int registered = 2,
                          int maximum = 8)
{
    TournamentInfo info(id);
    info.setPersistentId(id + 1000);
    info.setName(name);
    info.setStatus(TournamentInfo::Open);
    info.setRuleset(ruleset);
    info.setBet(cost);
    info.setFee(0);
    info.setRegisteredPlayers(registered);
    info.setMaxPlayers(maximum);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    info.setStart(now.addSecs(3600 + id));
    info.setCloseRegister(now.addSecs(3000 + id));
    return info;
}

// Four tournaments, one per buy-in level; the Hong Kong one is full.
void fill(TournamentsLobbyModel &model)
{
    model.addOrUpdateTournament(tournament(11, QStringLiteral("Practice Cup"), 0, 0));
    model.addOrUpdateTournament(tournament(12, QStringLiteral("Weekly Cup"), 3, 1100));
    model.addOrUpdateTournament(tournament(13, QStringLiteral("Harbour Masters"), 5, 5100, 8, 8));
    model.addOrUpdateTournament(tournament(14, QStringLiteral("Sunday Open"), 1, 500));
}

QList<int> shownIds(const QAbstractItemModel &view)
{
    QList<int> ids;
    for (int row = 0; row < view.rowCount(); ++row)
        ids << view.index(row, 0).data(Qt::UserRole).toInt();
    return ids;
}

QList<int> sorted(QList<int> ids)
{
    std::sort(ids.begin(), ids.end());
    return ids;
}

class NoHost : public TournamentsHost
{
public:
    qint64 accountBalance() const override { return 1000000; }
    void onDeposit() override {}
    void offerRegistrationCompletion(int) override {}
};

} // namespace

// The Tournaments tab, its filter and the lobby's tournament panels.
class TestTournamentsLobby : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_settingsDir;

    static QCheckBox *box(QWidget &window, const char *name) { return window.findChild<QCheckBox *>(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        setupResourceSearchPaths({}, QStringLiteral("default"));
        QFile sheet(QStringLiteral("resources:/defaultui.css"));
        if (sheet.open(QIODevice::ReadOnly))
            qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    }

    void init() { QSettings().clear(); }

    void filterLevelsSearchAndRegisteredFirst()
    {
        QCOMPARE(TournamentLobbyFilter::buyInLevel(0, 0), 0);
        QCOMPARE(TournamentLobbyFilter::buyInLevel(0, 250), 1);
        QCOMPARE(TournamentLobbyFilter::buyInLevel(1099, 0), 1);
        QCOMPARE(TournamentLobbyFilter::buyInLevel(1100, 0), 2);
        QCOMPARE(TournamentLobbyFilter::buyInLevel(5100, 0), 3);
        QCOMPARE(TournamentLobbyFilter::buyInLevel(-1, 0), 3);

        TournamentsLobbyModel model(nullptr);
        TournamentLobbyFilter filter;
        QAbstractItemModelTester tester(&filter, QAbstractItemModelTester::FailureReportingMode::QtTest);
        filter.setSourceModel(&model);
        fill(model);
        QCOMPARE(filter.fullTournamentsMode(), int(Ignore));
        QCOMPARE(filter.rowCount(), 4);

        model.onTournamentRegisterSuccess(13);
        for (const int column : {1, 3, 6}) {
            filter.sort(column, Qt::AscendingOrder);
            QCOMPARE(shownIds(filter).first(), 13);
            filter.sort(column, Qt::DescendingOrder);
            QCOMPARE(shownIds(filter).first(), 13);
        }
        filter.sort(6, Qt::DescendingOrder);
        QCOMPARE(shownIds(filter), (QList<int>{13, 12, 14, 11}));

        filter.setFullTournamentsMode(ExcludeMatch);
        QCOMPARE(sorted(shownIds(filter)), (QList<int>{11, 12, 14}));
        filter.setFullTournamentsMode(Ignore);

        filter.setSearchText(QStringLiteral("   "));
        QCOMPARE(filter.rowCount(), 4);
        filter.setSearchText(QStringLiteral("cup cup"));
        QCOMPARE(sorted(shownIds(filter)), (QList<int>{11, 12}));
        // One word in the name, the other in the rules column, in another case.
        filter.setSearchText(QStringLiteral("WEEKLY riichi"));
        QCOMPARE(shownIds(filter), QList<int>{12});
        filter.setSearchText(QString());

        filter.setBuyInFilterEnabled(true);
        QCOMPARE(filter.rowCount(), 0);
        filter.addBuyInLevel(1);
        QCOMPARE(shownIds(filter), QList<int>{14});
        filter.setBuyInFilterEnabled(false);
        filter.setRulesFilterEnabled(true);
        filter.addRuleset(5);
        QCOMPARE(shownIds(filter), QList<int>{13});
    }

    void filterKeepsRowsOfUnexpectedCells()
    {
        QStandardItemModel model(1, 8);
        for (int column = 0; column < 8; ++column)
            model.setItem(0, column, new QStandardItem(QStringLiteral("x")));
        TournamentLobbyFilter filter;
        filter.setRulesFilterEnabled(true);
        filter.setBuyInFilterEnabled(true);
        filter.setFullTournamentsMode(ExcludeMatch);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("got other than RulesColumnType variant: "));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("got other than IntItems cost variant: "));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("got other than TournamentRegisteredInfo variant:"));
        filter.setSourceModel(&model);
        QCOMPARE(filter.rowCount(), 1);
    }

    void windowStoresItsBoxes()
    {
        TournamentsLobbyWindow window(nullptr);
        TournamentLobbyFilter *filter = window.filter();
        QSettings settings;
        for (const char *key : {"mttlobby/classic", "mttlobby/international", "mttlobby/riichi", "lobby/hongkong",
                                "mttlobby/level1buyin", "mttlobby/level2buyin", "mttlobby/level3buyin",
                                "mttlobby/nobuyin", "mttlobby/viewallavailabletournaments"})
            QVERIFY2(settings.value(QLatin1String(key)).toBool(), key);
        QCOMPARE(filter->rulesets(), (std::set<int>{0, 1, 2, 3, 4, 5}));
        QCOMPARE(filter->buyInLevels(), (std::set<int>{0, 1, 2, 3}));
        QCOMPARE(filter->fullTournamentsMode(), int(Ignore));

        box(window, "riichiRules")->setChecked(false);
        QCOMPARE(filter->rulesets(), (std::set<int>{0, 1, 5}));
        QCOMPARE(settings.value("mttlobby/riichi").toBool(), false);
        box(window, "riichiRules")->setChecked(true);
        QCOMPARE(filter->rulesets(), (std::set<int>{0, 1, 2, 3, 4, 5}));

        box(window, "viewAllAvailableTournamentsCheckBox")->setChecked(false);
        QCOMPARE(filter->fullTournamentsMode(), int(ExcludeMatch));

        box(window, "hongKongRules")->setChecked(false);
        QCOMPARE(settings.value("lobby/hongkong").toBool(), false);
        LobbyWindow tableLobby;
        QVERIFY(!box(tableLobby, "hongKongRules")->isChecked());
        TournamentsLobbyWindow second(nullptr);
        QVERIFY(!box(second, "hongKongRules")->isChecked());
        QVERIFY(!box(second, "viewAllAvailableTournamentsCheckBox")->isChecked());
        QCOMPARE(second.filter()->rulesets(), (std::set<int>{0, 1, 2, 3, 4}));
    }

    void windowListsAndReportsTournaments()
    {
        TournamentsLobbyModel model(nullptr);
        TournamentsLobbyWindow window(nullptr);
        auto *view = window.findChild<QTreeView *>("tournamentsLobbyTreeView");
        auto *pane = window.findChild<QWebEngineView *>("webView");
        window.setModel(&model);
        const QList<int> widths{20, 45, 100, 90, 80, 80, 60, 60};
        for (int column = 0; column < widths.size(); ++column)
            QCOMPARE(view->columnWidth(column), widths.at(column));

        fill(model);
        QTest::qWait(1500);
        QCOMPARE(view->columnWidth(3), 90);
        QTRY_VERIFY_WITH_TIMEOUT(view->columnWidth(3) != 90, 2000);

        QSignalSpy selected(&window, &TournamentsLobbyWindow::tournamentSelected);
        QSignalSpy activated(&window, &TournamentsLobbyWindow::tournamentActivated);
        const QModelIndex weekly = window.filter()->mapFromSource(model.indexOfTournament(12));
        view->setCurrentIndex(weekly);
        QCOMPARE(selected.takeFirst().at(0).toInt(), 12);
        QVERIFY(!pane->isVisibleTo(&window));
        QVERIFY(!window.isPageLoading());
        emit view->activated(weekly.sibling(weekly.row(), 3));
        QCOMPARE(activated.takeFirst().at(0).toInt(), 12);

        // A row of a tournament the list no longer holds.
        QStandardItemModel stale(1, 1);
        stale.setData(stale.index(0, 0), 99, Qt::UserRole);
        QTest::ignoreMessage(QtWarningMsg, "no tournament info for tmntId =  99");
        window.onCurrentTournamentChanged(stale.index(0, 0));
        QVERIFY(selected.isEmpty());

        window.showTournament(4711);
        QVERIFY(selected.isEmpty());
        box(window, "viewAllAvailableTournamentsCheckBox")->setChecked(false);
        view->selectionModel()->clearSelection();
        window.showTournament(1013);
        QCOMPARE(selected.takeFirst().at(0).toInt(), 13);
        QVERIFY(!view->selectionModel()->hasSelection());
        window.showTournament(1014);
        QCOMPARE(selected.takeFirst().at(0).toInt(), 14);
        QVERIFY(view->selectionModel()->isRowSelected(window.filter()->mapFromSource(model.indexOfTournament(14)).row(), {}));

        QTest::keyClicks(window.findChild<QLineEdit *>("freeTextSearch"), QStringLiteral("cup"));
        QCOMPARE(sorted(shownIds(*view->model())), (QList<int>{11, 12}));
    }

    // Tournaments named in Japanese, Chinese and Latin letters: each row's name, ending in
    // a digit, stands on the baseline of its start time, as in the table list.
    void rowsLineUpWhateverTheirScript()
    {
        TournamentsLobbyModel model(nullptr);
        model.addOrUpdateTournament(tournament(21, QStringLiteral(u"東風杯 7"), 3, 1100));
        model.addOrUpdateTournament(tournament(22, QStringLiteral("Weekly Cup 7"), 3, 1100));
        model.addOrUpdateTournament(tournament(23, QStringLiteral(u"麻将赛 7"), 1, 500));
        TournamentsLobbyWindow window(nullptr);
        window.setModel(&model);
        window.resize(738, 560);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *view = window.findChild<QTreeView *>("tournamentsLobbyTreeView");
        const QAbstractItemModel *rows = view->model();
        QCOMPARE(rows->rowCount(), 3);
        const QImage shot = view->viewport()->grab().toImage();
        for (int row = 0; row < rows->rowCount(); ++row) {
            const QModelIndex start = rows->index(row, TournamentsLobbyModel::StartColumn);
            const QModelIndex name = rows->index(row, TournamentsLobbyModel::NameColumn);
            const int baseline = lastGlyphBottom(shot, view->visualRect(start));
            QVERIFY(baseline > 0);
            QVERIFY2(lastGlyphBottom(shot, view->visualRect(name)) == baseline, qPrintable(name.data().toString()));
        }
        QVERIFY(saveScreenshot(window, QStringLiteral("tournamentslobby-scripts")) > 8);
    }

    void paneShowsTheShortInformationPage()
    {
        LoopbackHttpServer http;
        QVERIFY(http.isListening());
        http.serve(QStringLiteral("/short/12"),
                   "<html><body style='color:#2a2a2a'><h3>Weekly Cup</h3><p>Seven rounds of Japanese riichi."
                   "</p><a id='rules' href='https://example.com/rules'>Rules</a></body></html>",
                   200, "text/html");
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 closedPort = closed.serverPort();
        closed.close();

        TournamentsLobbyModel model(nullptr);
        for (int id = 20; id < 40; ++id)
            model.addOrUpdateTournament(tournament(id, QStringLiteral("Filler %1").arg(id), 2, 200));
        TournamentInfo weekly = tournament(12, QStringLiteral("Weekly Cup"), 3, 1100);
        weekly.setShortInfoUrl(QUrl(QStringLiteral("http://%1/short/12").arg(http.address())));
        model.addOrUpdateTournament(weekly);
        TournamentInfo broken = tournament(13, QStringLiteral("Broken Link"), 3, 1100);
        broken.setShortInfoUrl(QUrl(QStringLiteral("http://127.0.0.1:%1/short/13").arg(closedPort)));
        model.addOrUpdateTournament(broken);

        TournamentsLobbyWindow window(nullptr);
        window.setModel(&model);
        window.resize(760, 560);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *view = window.findChild<QTreeView *>("tournamentsLobbyTreeView");
        auto *pane = window.findChild<QWebEngineView *>("webView");
        QSignalSpy loaded(pane->page(), &QWebEnginePage::loadFinished);

        view->setCurrentIndex(window.filter()->mapFromSource(model.indexOfTournament(12)));
        QVERIFY(window.isPageLoading());
        QTRY_VERIFY_WITH_TIMEOUT(!window.isPageLoading(), 20000);
        QVERIFY(pane->isVisible());
        QCOMPARE(http.requests().count(QStringLiteral("/short/12")), 1);
        const QRect current = view->visualRect(view->currentIndex());
        QVERIFY(view->viewport()->rect().contains(current.center()));
        QTest::qWait(300);
        QVERIFY(saveScreenshot(window, QStringLiteral("tournamentslobby")) > 8);

        QSignalSpy browser(&window, &TournamentsLobbyWindow::launchBrowser);
        pane->page()->runJavaScript(QStringLiteral("document.getElementById('rules').click();"));
        QTRY_COMPARE_WITH_TIMEOUT(browser.count(), 1, 10000);
        QCOMPARE(browser.first().at(0).toString(), QStringLiteral("https://example.com/rules"));

        view->setCurrentIndex(window.filter()->mapFromSource(model.indexOfTournament(13)));
        QTRY_VERIFY_WITH_TIMEOUT(!window.isPageLoading(), 20000);
        QVERIFY(!pane->isVisible());
    }

    void previewFollowsTheTournament()
    {
        TournamentsLobbyModel model(nullptr);
        fill(model);
        TournamentInfo closed = tournament(15, QStringLiteral("Closed Cup"), 0, 0);
        closed.setStatus(TournamentInfo::Closed);
        model.addOrUpdateTournament(closed);
        TournamentInfo seating = tournament(16, QStringLiteral("Seating Cup"), 0, 0);
        seating.setStatus(TournamentInfo::Seating);
        model.addOrUpdateTournament(seating);
        TournamentInfo late = tournament(17, QStringLiteral("Late Cup"), 0, 0);
        late.setStart(QDateTime::currentDateTimeUtc().addSecs(-60));
        model.addOrUpdateTournament(late);

        TournamentPreview preview;
        preview.setTournamentsModel(&model);
        preview.resize(270, 260);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        auto visible = [&preview](const char *name) { return preview.findChild<QWidget *>(name)->isVisible(); };
        auto text = [&preview](const char *name) { return preview.findChild<QLabel *>(name)->text(); };
        QVERIFY(visible("chooseInfoLabel"));
        QVERIFY(!visible("infoButton"));

        preview.onPreviewTournament(12);
        QVERIFY(visible("joinButton") && visible("infoButton") && !visible("leaveButton"));
        QVERIFY(visible("startsLabel"));
        QVERIFY(preview.isCountdownRunning());
        QCOMPARE(text("buyInLabel"), QStringLiteral("Buy-in: $11"));
        QVERIFY(saveScreenshot(preview, QStringLiteral("tournamentpreview")) > 8);
        model.onTournamentRegisterSuccess(12);
        QVERIFY(!visible("joinButton") && visible("leaveButton"));
        QSignalSpy unregister(&preview, &TournamentPreview::unregisterTournament);
        preview.findChild<UPushButton *>("leaveButton")->click();
        QCOMPARE(unregister.takeFirst().at(0).toInt(), 12);

        preview.onPreviewTournament(15);
        QVERIFY(!visible("joinButton") && !visible("leaveButton") && visible("startsLabel"));
        preview.onPreviewTournament(16);
        QVERIFY(!visible("joinButton") && !visible("leaveButton") && !visible("startsLabel"));
        preview.onPreviewTournament(17);
        QCOMPARE(text("startsLabel"), QStringLiteral("Starts in: now"));
        QCOMPARE(text("potLabel"), QStringLiteral("Pot: -"));

        preview.onPreviewTournament(99);
        QCOMPARE(preview.tournamentId(), -1);
        QVERIFY(!preview.isCountdownRunning());
        model.addOrUpdateTournament(tournament(99, QStringLiteral("Newcomer"), 0, 0));
        QCOMPARE(preview.tournamentId(), -1);
        QVERIFY(visible("chooseInfoLabel"));

        preview.onPreviewTournament(14);
        QVERIFY(preview.isCountdownRunning());
        model.onTournamentRemoved(14);
        QCOMPARE(preview.tournamentId(), -1);
        QVERIFY(!preview.isCountdownRunning());
        QCOMPARE(preview.findChild<QLabel *>("tournamentPreviewHeaderLabel")->text(), QStringLiteral("Tournament"));
    }

    void comingTournamentsListTheEarliestOpen()
    {
        ConnectionManager connection(false);
        QWidget lobby;
        NoHost host;
        TournamentsController controller(&connection, &lobby, &host);
        TournamentsLobbyModel &model = *controller.tournamentsModel();
        ComingTournamentsWidget widget;
        widget.setTournamentsController(&controller);
        widget.setTournamentsModel(&model);

        const QDateTime today = QDateTime::currentDateTimeUtc().addDays(1);
        const QList<int> hours{10, 9, 11, 8, 12};
        for (int i = 0; i < hours.size(); ++i) {
            TournamentInfo info = tournament(30 + i, QStringLiteral("Cup %1").arg(hours.at(i)), 0, 0);
            info.setCloseRegister(QDateTime(today.date(), QTime(hours.at(i), 0), Qt::UTC));
            model.addOrUpdateTournament(info);
        }
        TournamentInfo playing = tournament(40, QStringLiteral("Playing"), 0, 0);
        playing.setStatus(TournamentInfo::Playing);
        playing.setCloseRegister(QDateTime(today.date(), QTime(7, 0), Qt::UTC));
        model.addOrUpdateTournament(playing);
        QCOMPARE(widget.listedIds(), (std::vector<qint32>{33, 31, 30}));

        const auto buttons = widget.findChildren<UPushButton *>("joinLeaveButton");
        QCOMPARE(buttons.size(), 3);
        model.onTournamentRegisterSuccess(31);
        QCOMPARE(widget.findChildren<UPushButton *>("joinLeaveButton"), buttons);
        QSignalSpy unregister(&widget, &ComingTournamentsWidget::unregisterTournament);
        auto buttonOf = [&buttons](qint32 id) {
            return *std::find_if(buttons.begin(), buttons.end(), [id](UPushButton *b) { return b->id() == id; });
        };
        UPushButton *registered = buttonOf(31);
        UPushButton *open = buttonOf(33);
        QCOMPARE(registered->text(), QStringLiteral("Unregister"));
        registered->click();
        QCOMPARE(unregister.takeFirst().at(0).toInt(), 31);
        QVERIFY(!lobby.findChild<JoinDialog *>());

        open->click();
        QVERIFY(unregister.isEmpty());
        QVERIFY(lobby.findChild<JoinDialog *>(QStringLiteral("joinmtt33")));

        // The controller's tab lists the same tournaments.
        std::unique_ptr<TournamentsLobbyWindow> tab(controller.createTournamentsLobbyWindow());
        QVERIFY(!tab->parent());
        QCOMPARE(tab->filter()->sourceModel(), &model);
        QCOMPARE(tab->filter()->rowCount(), 6);
    }
};

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestTournamentsLobby test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tournamentslobby.moc"
