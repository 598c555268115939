#include "testmain.h"

#include "../ui/screenshot.h"
#include "app/TableInfo.h"
#include "app/TournamentInfo.h"
#include "app/startup/ResourceSearchPaths.h"
#include "chat/TableInviteModel.h"
#include "connection/ConnectedManager.h"
#include "connection/PlayerDb.h"
#include "table/dialogs/RoundScoreBoard.h"
#include "table/dialogs/RoundScoreWidget.h"
#include "table/dialogs/TableInviteDialog.h"
#include "ui/ULabel.h"

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeView>

namespace {

// The players of the test server's "table-players" scenario; the last three names come late.

constexpr qint32 ayame = 3001;
constexpr qint32 bo = 3002; // "Bo <b>%2</b>"
constexpr qint32 chen = 3003;
constexpr qint32 dmitri = 3004;
constexpr qint32 eve = 3005;
constexpr qint32 farid = 3006;
constexpr qint32 gita = 3007;

QString text(const QWidget &widget, const char *name)
{
    auto *label = widget.findChild<QLabel *>(QString::fromLatin1(name));
    Q_ASSERT(label);
    return label->text();
}

QStringList names(const RoundScoreBoard &board)
{
    QStringList result;
    for (const RoundScoreWidget *row : board.rows())
        result << row->name();
    return result;
}

QStringList listed(const TableInviteDialog &dialog)
{
    const QAbstractItemModel *model = dialog.findChild<QTreeView *>("playerList")->model();
    QStringList result;
    for (int row = 0; row < model->rowCount(); ++row)
        result << model->index(row, 0).data().toString();
    return result;
}

} // namespace

class TestPlayerLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roundScoreBoard();
    void inviteModelWaitsForNames();
    void inviteDialogThroughItsButtons();

private:
    // A table-sized parent in the application's style.
    std::unique_ptr<QWidget> makeTable(const QSize &size);

    ConnectedManager m_server;
    std::unique_ptr<PlayerDb> m_players;
    QString m_styleSheet;
};

void TestPlayerLists::initTestCase()
{
    setupResourceSearchPaths({}, QStringLiteral("default"));
    QFile css(QStringLiteral("resources:/defaultui.css"));
    QVERIFY(css.open(QIODevice::ReadOnly));
    m_styleSheet = QString::fromUtf8(css.readAll());
    QVERIFY(m_server.start(QStringLiteral("table-players.json")));
    QVERIFY(m_server.login());
    m_players = std::make_unique<PlayerDb>(m_server.manager.get(), nullptr);
}

std::unique_ptr<QWidget> TestPlayerLists::makeTable(const QSize &size)
{
    auto table = std::make_unique<QWidget>();
    table->setObjectName(QStringLiteral("table"));
    table->setStyleSheet(m_styleSheet + QStringLiteral("QWidget#table { background: rgb(36, 88, 58); }"));
    table->resize(size);
    table->show();
    return table;
}

void TestPlayerLists::roundScoreBoard()
{
    // The names are known before the round ends, as they are at a real table.
    QSignalSpy named(m_players.get(), &PlayerDb::playerNameUpdate);
    for (qint32 id : {ayame, bo, chen})
        m_players->playerName(id, false);
    QTRY_COMPARE(named.count(), 3);

    auto host = makeTable(QSize(420, 480));
    RoundScoreBoard board(host.get(), m_players.get(), nullptr);
    QSignalSpy closed(&board, &RoundScoreBoard::closeClick);

    TournamentInfo tournament;
    tournament.setName(QStringLiteral("Spring <i>Cup</i>"));
    tournament.setNumberOfRounds(4);
    tournament.setCurrentRound(1);
    board.setTournament(tournament);
    QCOMPARE(board.findChild<ULabel *>("titleLabel")->fullText(), QStringLiteral("Spring <i>Cup</i>"));
    QCOMPARE(text(board, "roundLabel"), QStringLiteral("Round 2/4"));
    tournament.setNumberOfRounds(0);
    board.setTournament(tournament);
    QCOMPARE(text(board, "roundLabel"), QStringLiteral("Round 2"));
    tournament.setNumberOfRounds(4);
    board.setTournament(tournament);

    // Equal results go by mahjong points, then by name, greater first; a name that is
    // not known yet follows when it arrives.
    board.setRoundScores({{ayame, 900, 15}, {bo, 1200, 15}, {chen, 900, 15}, {farid, 2000, -4}});
    QCOMPARE(names(board), QStringList({"Bo <b>%2</b>", "Chen", "Ayame", "player-3006"}));
    QTRY_COMPARE(board.rows().back()->name(), QStringLiteral("Farid"));
    for (std::size_t i = 0; i < board.rows().size(); ++i)
        QCOMPARE(board.rows()[i]->geometry(), QRect(11, 55 + 95 * int(i), 334, 94));

    const RoundScoreWidget &first = *board.rows().front();
    QCOMPARE(first.findChild<QLabel *>("screenName")->textFormat(), Qt::PlainText);
    QCOMPARE(text(first, "mahjongPoints"), QStringLiteral("1200"));
    QCOMPARE(text(first, "roundResults"), QStringLiteral("7.5"));
    QCOMPARE(text(first, "tournamentPoints"), QStringLiteral("0"));

    // Rankings of players without a row are ignored; rows without a ranking show 0.
    board.setRankings({{chen, QString(), 21}, {9999, QString(), 40}});
    QCOMPARE(text(*board.rows()[1], "tournamentPoints"), QStringLiteral("10.5"));
    QCOMPARE(text(*board.rows()[2], "tournamentPoints"), QStringLiteral("0"));
    QCOMPARE(names(board).size(), 4);

    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(host.get()));
    QTest::qWait(20);
    QVERIFY(saveScreenshot(host.get(), "round-scores-tournament"));

    // Dragged by the title, but only while the mouse stays over the table.
    board.move(10, 10);
    auto *title = board.findChild<QWidget *>("titleLabel");
    const auto mouse = [title](QEvent::Type type, QPoint local) {
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(local), title->mapToGlobal(QPointF(local)), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(title, &event);
    };
    mouse(QEvent::MouseButtonPress, QPoint(5, 5));
    mouse(QEvent::MouseMove, title->mapFrom(host.get(), QPoint(50, 40)));
    QCOMPARE(board.pos(), QPoint(50 - 16, 40 - 13));
    mouse(QEvent::MouseMove, title->mapFrom(host.get(), QPoint(500, 40)));
    QCOMPARE(board.pos(), QPoint(50 - 16, 40 - 13));
    mouse(QEvent::MouseMove, title->mapFrom(host.get(), QPoint(60, 40)));
    QCOMPARE(board.pos(), QPoint(60 - 16, 40 - 13));
    mouse(QEvent::MouseButtonRelease, title->mapFrom(host.get(), QPoint(60, 40)));
    mouse(QEvent::MouseMove, title->mapFrom(host.get(), QPoint(90, 90)));
    QCOMPARE(board.pos(), QPoint(60 - 16, 40 - 13));

    QTest::mouseClick(board.findChild<QPushButton *>("closeButton"), Qt::LeftButton);
    QVERIFY(board.isHidden());
    QCOMPARE(closed.count(), 1);

    // A money table's round: balances in money, no tournament figures.
    TableInfo table(42);
    table.setLobbyPath(QStringLiteral("101/Regular/classic"));
    board.setTable(table);
    QCOMPARE(board.findChild<ULabel *>("titleLabel")->fullText(), QStringLiteral("Table(42)"));
    QCOMPARE(text(board, "roundLabel"), QStringLiteral("Round results"));
    board.setRoundResults({{chen, 300, -125050}, {ayame, 900, 125050}});
    QCOMPARE(names(board), QStringList({"Ayame", "Chen"}));
    const RoundScoreWidget &winner = *board.rows().front();
    QCOMPARE(text(winner, "mahjongPointsLabel"), QStringLiteral("Round balance:"));
    QCOMPARE(text(winner, "mahjongPoints"), QStringLiteral("$1,250.50"));
    QVERIFY(!winner.findChild<QLabel *>("roundResults")->isVisibleTo(&winner));
    QVERIFY(!winner.findChild<QLabel *>("tournamentPoints")->isVisibleTo(&winner));
    board.show();
    QTest::qWait(20);
    QVERIFY(saveScreenshot(host.get(), "round-scores-money"));

    // Updates of players without a row change nothing; an empty round leaves no rows.
    emit m_players->playerNameUpdate(eve, QStringLiteral("Eve"));
    QCOMPARE(names(board), QStringList({"Ayame", "Chen"}));
    board.setRoundResults({});
    QVERIFY(board.rows().empty());
    QVERIFY(board.findChildren<RoundScoreWidget *>().isEmpty());
}

void TestPlayerLists::inviteModelWaitsForNames()
{
    TableInviteModel model(m_players.get(), nullptr);
    TableInviteFilter filter(nullptr);
    filter.setSourceModel(&model);

    // Listed only once the name is known, and only once.
    model.addPlayer(dmitri);
    QCOMPARE(model.rowCount(), 0);
    QTRY_COMPARE(model.rowCount(), 1);
    model.addPlayer(dmitri);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.item(0)->text(), QStringLiteral("Dmitri"));
    QCOMPARE(model.item(0)->data(Qt::UserRole).toInt(), dmitri);
    QVERIFY(!model.item(0)->isEditable());

    // A player removed while the name is awaited does not come back with the name.
    QSignalSpy named(m_players.get(), &PlayerDb::playerNameUpdate);
    model.addPlayer(gita);
    model.removePlayer(gita);
    QTRY_VERIFY(!named.isEmpty());
    QCOMPARE(named.first().first().toInt(), gita);
    QCOMPARE(model.rowCount(), 1);

    // Excluding hides without removing.
    model.addPlayer(ayame);
    QCOMPARE(model.rowCount(), 2);
    filter.excludePlayer(dmitri);
    QCOMPARE(filter.rowCount(), 1);
    QCOMPARE(model.players(), std::vector<qint32>({ayame, dmitri}));
    filter.includePlayer(dmitri);
    QCOMPARE(filter.rowCount(), 2);
    filter.excludePlayer(ayame);
    filter.clearExcluded();
    QCOMPARE(filter.rowCount(), 2);
    model.clear();
    QCOMPARE(filter.rowCount(), 0);
    QVERIFY(model.players().empty());
}

void TestPlayerLists::inviteDialogThroughItsButtons()
{
    auto host = makeTable(QSize(360, 360));
    std::vector<std::pair<qint32, std::vector<qint32>>> sent;

    TableInviteDialog withoutRoster({}, m_players.get(), host.get());
    withoutRoster.addRosterPlayers();
    QCOMPARE(withoutRoster.rowCount(), 0);

    TableInviteDialog dialog([] { return std::vector<qint32>{eve, ayame, chen}; }, m_players.get(),
                             host.get());
    connect(&dialog, &TableInviteDialog::invitePlayers, this,
            [&sent](qint32 table, const std::vector<qint32> &players) { sent.emplace_back(table, players); });
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Invite players"));
    dialog.addRosterPlayers();
    dialog.addPlayers({bo});
    QTRY_COMPARE(dialog.rowCount(), 4);
    QCOMPARE(listed(dialog), QStringList({"Ayame", "Chen", "Bo <b>%2</b>", "Eve"}));

    auto *view = dialog.findChild<QTreeView *>("playerList");
    auto *invite = dialog.findChild<QPushButton *>("inviteButton");
    QVERIFY(!invite->isEnabled());
    dialog.showAndRaise(true);
    QVERIFY(QTest::qWaitForWindowExposed(host.get()));
    auto clickRow = [view](int row) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(row, 0)).center());
    };
    clickRow(1);
    QVERIFY(invite->isEnabled());
    QTest::qWait(20);
    QVERIFY(saveScreenshot(host.get(), "table-invite"));

    // Nothing is sent before the table is known.
    QTest::mouseClick(invite, Qt::LeftButton);
    QVERIFY(sent.empty());
    QCOMPARE(dialog.rowCount(), 4);

    // One invitation per player: by the button, then by Enter on the list.
    dialog.setTableId(77);
    QTest::mouseClick(invite, Qt::LeftButton);
    QCOMPARE(sent.size(), std::size_t(1));
    QCOMPARE(sent.back(), std::make_pair(qint32(77), std::vector<qint32>{chen}));
    QCOMPARE(listed(dialog), QStringList({"Ayame", "Bo <b>%2</b>", "Eve"}));

    // Players at the table are hidden and come back when they leave, without being added.
    dialog.excludePlayer(bo);
    QCOMPARE(listed(dialog), QStringList({"Ayame", "Eve"}));
    dialog.includePlayer(bo);
    QCOMPARE(listed(dialog), QStringList({"Ayame", "Bo <b>%2</b>", "Eve"}));
    QCOMPARE(dialog.playerIds(), std::vector<qint32>({ayame, bo, eve}));

    clickRow(0);
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(sent.size(), std::size_t(2));
    QCOMPARE(sent.back().second, std::vector<qint32>{ayame});
    while (dialog.rowCount() > 0) {
        clickRow(0);
        QVERIFY(invite->isEnabled());
        QTest::mouseClick(invite, Qt::LeftButton);
    }
    QVERIFY(!invite->isEnabled());
    QCOMPARE(dialog.selectedPlayers(), std::vector<qint32>({chen, ayame, bo, eve}));
    QCOMPARE(dialog.selectedCount(), 4);
    QCOMPARE(sent.size(), std::size_t(4));

    dialog.addPlayers({eve});
    dialog.excludePlayer(eve);
    dialog.clearPlayers();
    QCOMPARE(dialog.rowCount(), 0);
    dialog.addPlayers({eve});
    QCOMPARE(dialog.rowCount(), 1);
}

MAHJONG_TEST_MAIN(TestPlayerLists)
#include "tst_playerlists.moc"
