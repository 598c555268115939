#include "app/TournamentInfo.h"
#include "lobby/JoinDialog.h"
#include "lobby/TournamentDetailDialog.h"
#include "lobby/TournamentsController.h"
#include "lobby/TournamentsLobbyModel.h"
#include "ui/ModelessMsgBox.h"
#include "../ui/screenshot.h"
#include "lobbyserverfixture.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTreeView>

namespace {

struct TestHost : TournamentsHost
{
    qint64 balance = 100000;
    int deposits = 0;
    QList<int> offers;

    qint64 accountBalance() const override { return balance; }
    void onDeposit() override { ++deposits; }
    void offerRegistrationCompletion(int variant) override { offers << variant; }
};

// The main window with its lobby widget, as the controller finds them.
struct Lobby
{
    QMainWindow window;
    QWidget *lobbyWidget = new QWidget;

    Lobby()
    {
        lobbyWidget->setObjectName(QStringLiteral("lobbyWidget"));
        window.setCentralWidget(lobbyWidget);
        window.resize(1400, 760);
        window.show();
    }

    QList<ModelessMsgBox::MsgBox *> boxes() const
    {
        return window.findChildren<ModelessMsgBox::MsgBox *>();
    }

    static QString text(ModelessMsgBox::MsgBox *box)
    {
        return box->contentWidget()->findChild<QLabel *>()->text();
    }

    void closeBoxes()
    {
        const auto open = boxes();
        for (ModelessMsgBox::MsgBox *box : open)
            delete box;
    }
};

TournamentInfo tournament(qint32 id, int bet, int fee)
{
    TournamentInfo info(id);
    info.setName(QStringLiteral("Cup <%1>").arg(id));
    info.setStatus(TournamentInfo::Open);
    info.setBet(bet);
    info.setFee(fee);
    info.setMaxPlayers(16);
    return info;
}

int received(TestServer &server, const QString &packet, qint32 tournament)
{
    return server.output().count(QStringLiteral("RECV %1 {\"tournament\":%2}").arg(packet).arg(tournament));
}

} // namespace

class TestTournamentsController : public QObject
{
    Q_OBJECT

private slots:
    void refusalsExplainThemselves_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("text");
        QTest::newRow("failed") << 0 << "Registration for 'Cup <5>' failed";
        QTest::newRow("denied") << 1 << "";
        QTest::newRow("funds") << 2
                               << "You don't have enough money on your account to join the tournament.\n"
                                  "Do you want to make a deposit now?";
        QTest::newRow("full") << 3 << "Tournament 'Cup <5>' is full";
        QTest::newRow("access") << 4 << "";
        QTest::newRow("already") << 5 << "";
        QTest::newRow("running") << 6 << "Tournament 'Cup <5>' has already started";
    }

    void refusalsExplainThemselves()
    {
        QFETCH(int, reason);
        QFETCH(QString, text);
        Lobby lobby;
        ConnectionManager connection(false);
        TestHost host;
        TournamentsController controller(&connection, lobby.lobbyWidget, &host);
        controller.tournamentsModel()->addOrUpdateTournament(tournament(5, 100, 10));
        if (reason == 1)
            QTest::ignoreMessage(QtWarningMsg,
                                 "not connected to the game server, dropping query_extended_registration_t");
        controller.onTournamentRegisterFailed(5, tmnt_register_failed_reason::enum_t(reason));
        const auto boxes = lobby.boxes();
        QCOMPARE(boxes.size(), text.isEmpty() ? 0 : 1);
        QCOMPARE(host.offers, reason == 4 ? QList<int>{2} : QList<int>{});
        if (!text.isEmpty()) {
            QCOMPARE(boxes.first()->windowTitle(), "Register for tournament");
            QCOMPARE(Lobby::text(boxes.first()), text);
            QCOMPARE(boxes.first()->buttonBox()->buttons().size(), reason == 2 ? 2 : 1);
            QVERIFY(boxes.first()->isVisible());
            saveScreenshot(&lobby.window, QStringLiteral("tournament-refusal-%1").arg(reason));
        }
        // Boxes about a tournament the list does not hold are not shown.
        lobby.closeBoxes();
        controller.onTournamentRegisterFailed(6, tmnt_register_failed_reason::enum_t(reason == 1 ? 0 : reason));
        QCOMPARE(lobby.boxes().size(), reason == 2 ? 1 : 0);
    }

    void extendedAnswersAndDepositQuestions()
    {
        Lobby lobby;
        ConnectionManager connection(false);
        TestHost host;
        TournamentsController controller(&connection, lobby.lobbyWidget, &host);
        controller.tournamentsModel()->addOrUpdateTournament(tournament(5, 100, 10));

        controller.onExtendedTournamentRegisterResponse(5, {{}});
        QCOMPARE(Lobby::text(lobby.boxes().value(0)), "Registration for 'Cup <5>' failed");
        lobby.closeBoxes();
        controller.onExtendedTournamentRegisterResponse(5, {{0, 0}});
        QCOMPARE(Lobby::text(lobby.boxes().value(0)),
                 "To play 'Cup &lt;5&gt;' you have to<ul style=\"margin-top: 5px;\">"
                 "<li>deposit money</li><li>deposit money</li></ul>");
        QCOMPARE(lobby.boxes().value(0)->buttonBox()->buttons().size(), 1);
        saveScreenshot(&lobby.window, "tournament-requirements");
        lobby.closeBoxes();
        controller.onExtendedTournamentRegisterResponse(9, {{0}});
        QVERIFY(lobby.boxes().isEmpty());

        // Yes opens the deposit page; No and closing do not.
        controller.onExtendedTournamentRegisterResponse(5, {{0}});
        QVERIFY(Lobby::text(lobby.boxes().value(0)).startsWith("You have to make at least one real money deposit"));
        lobby.boxes().value(0)->buttonBox()->button(QDialogButtonBox::No)->click();
        controller.onTournamentRegisterFailed(5, tmnt_register_failed_reason::INSUFFICIENT_FUNDS);
        QTRY_COMPARE(lobby.boxes().size(), 1);
        lobby.boxes().value(0)->close();
        QTRY_VERIFY(lobby.boxes().isEmpty());
        QCOMPARE(host.deposits, 0);
        controller.onTournamentRegisterFailed(5, tmnt_register_failed_reason::INSUFFICIENT_FUNDS);
        lobby.boxes().value(0)->buttonBox()->button(QDialogButtonBox::Yes)->click();
        QCOMPARE(host.deposits, 1);

        lobby.closeBoxes();
        controller.onTournamentUnregisterFailed(77, tmnt_register_failed_reason::TOURNAMENT_RUNNING);
        QCOMPARE(lobby.boxes().value(0)->windowTitle(), "Unregister from tournament");
        QCOMPARE(Lobby::text(lobby.boxes().value(0)), "Unregister from tournament failed!\nTournament is running");
    }

    void joinDialogKnowsTheBalanceAndAbortsReachRegisteredPlayersOnly()
    {
        Lobby lobby;
        ConnectionManager connection(false);
        TestHost host;
        TournamentsController controller(&connection, lobby.lobbyWidget, &host);
        TournamentsLobbyModel *model = controller.tournamentsModel();
        model->addOrUpdateTournament(tournament(5, 1000, 100));
        model->addOrUpdateTournament(tournament(6, 1000, 100));

        host.balance = 1100;
        controller.createJoinTournamentDialog(5);
        auto *join = lobby.lobbyWidget->findChild<JoinDialog *>("joinmtt5");
        QVERIFY(join);
        QVERIFY(join->findChild<QPushButton *>("acceptButton")->isVisibleTo(join));
        controller.createJoinTournamentDialog(5);
        QCOMPARE(lobby.lobbyWidget->findChildren<JoinDialog *>().size(), 1);
        host.balance = 1099;
        controller.createJoinTournamentDialog(6);
        auto *poor = lobby.lobbyWidget->findChild<JoinDialog *>("joinmtt6");
        QVERIFY(poor->findChild<QPushButton *>("depositButton")->isVisibleTo(poor));
        QVERIFY(!poor->findChild<QPushButton *>("acceptButton")->isVisibleTo(poor));
        poor->findChild<QPushButton *>("depositButton")->click();
        QCOMPARE(host.deposits, 1);
        controller.createJoinTournamentDialog(99);
        QTRY_COMPARE(lobby.lobbyWidget->findChildren<JoinDialog *>().size(), 1);

        QSignalSpy aborted(&controller, &TournamentsController::playerTournamentAborted);
        model->onTournamentRegisterSuccess(5);
        model->updateTournamentInfo(5, {{TournamentInfo::STATUS, TournamentInfo::Aborted}});
        model->updateTournamentInfo(6, {{TournamentInfo::STATUS, TournamentInfo::Aborted}});
        QCOMPARE(aborted.size(), 1);
        QCOMPARE(aborted.first().first().toInt(), 5);
    }

    void registrationAndDetailsAgainstTheServer()
    {
        Lobby lobby;
        ServerLobby server;
        QVERIFY(server.start(QStringLiteral("tournaments.json")));
        TestHost host;
        TournamentsController controller(&server.connection, lobby.lobbyWidget, &host);
        controller.setTableModel(&server.model());
        TournamentsLobbyModel *model = controller.tournamentsModel();
        server.connection.tournaments_lobby_subscribe();
        QTRY_COMPARE(model->rowCount(), 5);
        QVERIFY(!model->tournamentInfo(100).isRegistered());
        QVERIFY(model->tournamentInfo(101).isRegistered());
        QVERIFY(model->tournamentInfo(102).isRegistered());
        QCOMPARE(model->tournamentInfo(102).roundsLength(), std::vector<int>{3600});
        QCOMPARE(model->tournamentIdByPersistentId(5103), 103);
        // No dialog is open: the records ask for no rankings.
        QCOMPARE(received(server.server, "get_ranking_list_t", 100), 0);

        // Registration through the confirmation dialog.
        controller.createJoinTournamentDialog(100);
        auto *join = lobby.lobbyWidget->findChild<JoinDialog *>("joinmtt100");
        QVERIFY(join);
        saveScreenshot(&lobby.window, "tournament-join-server");
        join->findChild<QPushButton *>("acceptButton")->click();
        QTRY_VERIFY(model->tournamentInfo(100).isRegistered());
        QCOMPARE(model->tournamentInfo(100).registeredPlayers(), 11);
        QCOMPARE(received(server.server, "register_tournament_t", 100), 1);

        // Denied: the server is asked why, and its answer is shown.
        controller.onTournamentRegister(103);
        QTRY_COMPARE(lobby.boxes().size(), 1);
        QCOMPARE(received(server.server, "query_extended_registration_t", 103), 1);
        QVERIFY(Lobby::text(lobby.boxes().first()).startsWith("To play 'Members Only' you have to"));
        lobby.closeBoxes();
        controller.onTournamentRegister(104);
        QTRY_COMPARE(lobby.boxes().size(), 1);
        QCOMPARE(Lobby::text(lobby.boxes().first()), "Tournament 'Full House' is full");
        QVERIFY(lobby.boxes().first()->isVisible());
        saveScreenshot(&lobby.window, "tournament-full-server");
        // The server refuses to unregister a player it never registered; each refusal is
        // shown, and a closed box is gone.
        controller.onTournamentUnregister(104);
        QTRY_COMPARE(lobby.boxes().size(), 2);
        QCOMPARE(lobby.boxes().last()->windowTitle(), "Unregister from tournament");
        for (ModelessMsgBox::MsgBox *box : lobby.boxes()) {
            QVERIFY(box->isVisible());
            QPointer<ModelessMsgBox::MsgBox> closed(box);
            box->close();
            QTRY_VERIFY(!closed);
        }
        QCOMPARE(received(server.server, "unregister_tournament_t", 104), 1);

        // The detail dialog asks once for rankings and prizes and shows them.
        controller.createTournamentDetailDialog(101);
        controller.createTournamentDetailDialog(101);
        auto *detail = lobby.lobbyWidget->findChild<TournamentDetailDialog *>("detailmtt101");
        QVERIFY(detail);
        QCOMPARE(lobby.lobbyWidget->findChildren<TournamentDetailDialog *>().size(), 1);
        auto *players = detail->findChild<QTreeView *>("playerList");
        auto *payout = detail->findChild<QTreeView *>("prizeList");
        QTRY_COMPARE(players->model()->rowCount(), 3);
        QTRY_COMPARE(payout->model()->rowCount(), 3);
        QCOMPARE(received(server.server, "get_ranking_list_t", 101), 1);
        QCOMPARE(received(server.server, "query_prize_configuration_t", 101), 1);
        QCOMPARE(payout->model()->index(1, 0).data().toString(), "#2 - #3");
        QVERIFY(detail->findChild<QPushButton *>("leaveButton")->isVisibleTo(detail));
        saveScreenshot(&lobby.window, "tournament-detail-server");

        // While it is open, updates of its tournament ask for the rankings again.
        detail->findChild<QPushButton *>("leaveButton")->click();
        QTRY_VERIFY(!model->tournamentInfo(101).isRegistered());
        QTRY_VERIFY(detail->findChild<QPushButton *>("joinButton")->isVisibleTo(detail));
        QVERIFY(!detail->findChild<QPushButton *>("leaveButton")->isVisibleTo(detail));
        controller.getTournamentHighscores(101);
        QTRY_COMPARE(received(server.server, "get_ranking_list_t", 101), 2);
        detail->close();
        QTRY_VERIFY(!lobby.lobbyWidget->findChild<TournamentDetailDialog *>("detailmtt101"));
        controller.getTournamentHighscores(101);
        controller.onTournamentRegister(100);
        QTRY_COMPARE(received(server.server, "register_tournament_t", 100), 2);
        QCOMPARE(received(server.server, "get_ranking_list_t", 101), 2);
    }
};

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestTournamentsController test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tournamentscontroller.moc"
