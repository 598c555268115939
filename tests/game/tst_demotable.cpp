#include "DemoPlayer.h"

#include "SceneTestSetup.h"
#include "app/RulesetInfo.h"
#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "app/wind.h"
#include "connection/PlayerDb.h"
#include "protocol/TestServer.h"
#include "serverroundtrip.h"
#include "table/dialogs/RoundScoreBoard.h"
#include "table/dialogs/ScoreBoard.h"
#include "table/dialogs/SeatedWindow.h"
#include "table/dialogs/WashoutWindow.h"
#include "table/dialogs/WatchingWindow.h"
#include "table/scene/DeclaredView.h"
#include "table/scene/DiscardView.h"
#include "table/scene/HandView.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/PlayerActionView.h"
#include "table/scene/WindView.h"
#include "table/sidebar/EmptySeatWidget.h"
#include "table/sidebar/PlayerWidget.h"
#include "table/sidebar/SideBar.h"
#include "ui/ModelessMsgBox.h"
#include "ui/ULabel.h"

#include "lobby/TournamentDetailDialog.h"

#include "testmain.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QGraphicsView>
#include <QLabel>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeView>

#include <algorithm>
#include <map>
#include <memory>
#include <numeric>
#include <set>

namespace {

using DemoPlay::shownButton;

// The counters the server logs when a hand ends: the wall and every seat's concealed tiles.
struct HandEnd
{
    int kind = 0, live = 0, dead = 0, dealt = 0;
    std::map<qint32, int> concealed;
};

HandEnd lastHandEnd(TestServer &server)
{
    static const QRegularExpression line(QStringLiteral("HAND END table=\\d+ kind=(\\d+) live=(\\d+) dead=(\\d+) dealt=(\\d+) concealed=(\\S+)"));
    HandEnd end;
    auto it = line.globalMatch(server.output());
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        end = HandEnd{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt(), {}};
        for (const QString &seat : m.captured(5).split(QLatin1Char(',')))
            end.concealed[seat.section(QLatin1Char(':'), 0, 0).toInt()] = seat.section(QLatin1Char(':'), 1).toInt();
    }
    return end;
}

// What one other player pays for a win under the demo world's rules, from the winner's
// row: riichi pays base points of fu and han (x4, x6 for the dealer, on a discard; x1,
// x2 when the dealer is in it, from each on a self-draw), Classic the hand score from
// each (doubled when the dealer is in it), MCR 8 from each and the fans from the
// discarder or, self-drawn, from each, Hong Kong the paying chart's points of the faan
// from each, twice that from the discarder alone.
int share(int ruleset, const EndHandPlayer &winner, bool selfDrawn, bool dealerIn, bool discarder)
{
    static constexpr int payingChart[] = {2, 8, 16, 24, 32, 48, 64, 96};
    const int han = winner.doublesTotal;
    const bool limit = !winner.limits.empty();
    if (RulesetInfoInstance(ruleset).isRiichi()) {
        const int base = limit || han >= 13 ? 8000 : han >= 11 ? 6000 : han >= 8 ? 4000 : han >= 6 ? 3000
                       : han >= 5 ? 2000 : std::min(2000, winner.pointsTotal * (1 << (2 + han)));
        const int times = selfDrawn ? (dealerIn ? 2 : 1) : discarder ? (dealerIn ? 6 : 4) : 0;
        return (base * times + 99) / 100 * 100;
    }
    switch (ruleset) {
    case RulesetInfo::CLASSIC:
        return (limit ? 1000 : std::min(1000, winner.pointsTotal << std::min(han, 10))) * (dealerIn ? 2 : 1);
    case RulesetInfo::MCR:
        return 8 + (selfDrawn || discarder ? winner.handScore : 0);
    default: {
        const int points = payingChart[std::clamp(limit ? 8 : han, 1, 8) - 1];
        return selfDrawn ? points : discarder ? 2 * points : 0;
    }
    }
}

// Where the win of a hand's end does not follow from its score lines: a win without a
// double or a limit hand, totals that are not the lines', a hand score that is not the
// rule set's, or a settlement that no self-draw and no discarder explain; empty when
// it follows, or when nobody won.
QString winFault(const EndHand &end, int ruleset, qint32 dealer)
{
    const auto won = std::find_if(end.players.begin(), end.players.end(),
                                  [](const auto &row) { return row.second.result == EndHandPlayer::Won; });
    if (won == end.players.end())
        return QString();
    const qint32 winnerId = won->first;
    const EndHandPlayer &winner = won->second;
    const auto sum = [](const ScoreLines &lines) {
        return std::accumulate(lines.begin(), lines.end(), 0, [](int total, const ScoreLine &line) { return total + line.value; });
    };
    const bool riichi = RulesetInfoInstance(ruleset).isRiichi();
    // A limit hand is what it names, in the tiles of the hand shown.
    std::map<int, int> tiles;
    int count = 0;
    for (const TileGroup &group : winner.hand) {
        for (tile t : group.tiles) {
            if (t.code() < 34) {
                ++tiles[t.code()];
                ++count;
            }
        }
    }
    const auto atLeast = [&tiles](int first, int last, int each) {
        for (int t = first; t <= last; ++t) {
            if (tiles[t] < each)
                return false;
        }
        return true;
    };
    for (const ScoreLine &limit : winner.limits) {
        const bool orphans = count == 14 && tiles.size() == 13
            && std::all_of(tiles.begin(), tiles.end(), [](const auto &face) { return face.first >= 27 || face.first % 9 == 0 || face.first % 9 == 8; });
        const bool holds = limit.code == 0 ? orphans
                         : limit.code == 3 ? atLeast(31, 33, 3)
                         : limit.code == 5 ? atLeast(27, 30, 3)
                         : limit.code == 6 ? !tiles.empty() && tiles.begin()->first >= 27
                                           : false;
        if (!holds)
            return QStringLiteral("the limit hand %1 is not in the hand").arg(limit.name);
    }
    // The winning tile is marked once (a position from 1), where the wait named has it.
    std::vector<const TileGroup *> marked;
    for (const TileGroup &group : winner.hand) {
        if (group.highlight >= 1 && group.highlight <= int(group.tiles.size()))
            marked.push_back(&group);
    }
    if (marked.size() != 1)
        return QStringLiteral("the winning tile marked %1 times").arg(marked.size());
    const tile_vector &finished = marked.front()->tiles;
    const int position = marked.front()->highlight;
    const bool chow = finished.size() == 3 && finished[0] != finished[1];
    const int start = finished.front().code() % 9;
    for (const ScoreLine &line : winner.points) {
        const bool waits = line.code == 14 ? chow && ((position == 3 && start == 0) || (position == 1 && start == 6))
                         : line.code == 15 ? chow && position == 2
                         : line.code == 16 ? finished.size() == 2
                                           : true;
        if (!waits)
            return QStringLiteral("%1 with the winning tile marked at %2 of a group of %3").arg(line.name).arg(position).arg(finished.size());
    }
    if (winner.limits.empty()) {
        if (winner.doubles.empty())
            return QStringLiteral("a win without doubles");
        if (sum(winner.doubles) != winner.doublesTotal)
            return QStringLiteral("doubles total %1").arg(winner.doublesTotal);
        // Riichi rounds the fu up to ten; a hand of no more than the base points has 30.
        const int points = sum(winner.points);
        const bool sevenPairs = std::any_of(winner.points.begin(), winner.points.end(), [](const ScoreLine &line) { return line.value == 25; });
        if (riichi ? !sevenPairs && winner.pointsTotal != std::max((points + 9) / 10 * 10, 30) && !(points == 20 && winner.pointsTotal == 20)
                   : points != winner.pointsTotal)
            return QStringLiteral("points total %1 of lines summing to %2").arg(winner.pointsTotal).arg(points);
        if (ruleset == RulesetInfo::MCR && winner.handScore != winner.doublesTotal)
            return QStringLiteral("MCR hand score %1").arg(winner.handScore);
        if (ruleset == RulesetInfo::CLASSIC && winner.handScore != share(ruleset, winner, true, false, false))
            return QStringLiteral("classic hand score %1").arg(winner.handScore);
    }
    const int bonus = sum(winner.bonuses);
    // A self-draw, or a discard by one of the others.
    std::vector<qint32> discarders{-1};
    for (const auto &[id, row] : end.players) {
        if (id != winnerId)
            discarders.push_back(id);
    }
    for (qint32 discarder : discarders) {
        const bool selfDrawn = discarder == -1;
        if (riichi && selfDrawn != (end.endKind == EndHand::Tsumo))
            continue;
        int received = 0;
        bool follows = true;
        for (const auto &[id, row] : end.players) {
            if (id == winnerId)
                continue;
            const int pays = share(ruleset, winner, selfDrawn, id == dealer || winnerId == dealer, id == discarder);
            follows = follows && row.settlement == -pays;
            received += pays;
        }
        if (follows && winner.settlement == received + bonus)
            return QString();
    }
    QStringList settlements;
    for (const auto &[id, row] : end.players)
        settlements << QStringLiteral("%1:%2").arg(id).arg(row.settlement);
    return QStringLiteral("settlement %1 of %2 doubles, %3 points, hand score %4")
        .arg(settlements.join(QLatin1Char(' '))).arg(winner.doublesTotal).arg(winner.pointsTotal).arg(winner.handScore);
}

// Where the score board of a win does not show it: the winner first, with the name of
// every double and limit hand.
QString boardFault(const ScoreBoard *board, const EndHand &end)
{
    if (!board->isVisible() || board->columnPlayerIds().empty())
        return QStringLiteral("no score board");
    const EndHandPlayer &winner = end.players.at(board->columnPlayerIds().front());
    if (winner.result != EndHandPlayer::Won)
        return QStringLiteral("the winner is not first");
    const QString scores = board->findChild<QTextEdit *>(QStringLiteral("score1"))->toPlainText();
    for (const ScoreLines *lines : {&winner.doubles, &winner.limits}) {
        for (const ScoreLine &line : *lines) {
            if (!scores.contains(line.name))
                return QStringLiteral("\"%1\" is not on the board: %2").arg(line.name, scores);
        }
    }
    return QString();
}

// Saves the table window with its score board at both screen sizes, in English and
// Japanese, as NAME-LANGUAGE-WIDTH.png.
void saveBoardScreenshots(GameWindow *window, const QString &name)
{
    const QStringList translations = QDir::searchPaths(QStringLiteral("translations"));
    QDir::setSearchPaths(QStringLiteral("translations"), {QString::fromLatin1(translationsRoot)});
    TranslationsManager languages;
    const QSize size = window->size();
    for (const QString language : {"en", "ja"}) {
        languages.setLanguage(language);
        for (const QSize screen : {QSize(1024, 768), QSize(1920, 1080)}) {
            window->resize(screen);
            QTest::qWait(100);
            window->grab().save(QStringLiteral("%1/%2-%3-%4.png").arg(TestServer::binaryDir(), name, language, QString::number(screen.width())));
        }
    }
    languages.setLanguage(QStringLiteral("en"));
    window->resize(size);
    QDir::setSearchPaths(QStringLiteral("translations"), translations);
}

// What the side bar's seats read from the top: each plate's name, "Waiting for player"
// for a free seat.
QStringList sideBarSeats(GameWindow *window)
{
    std::vector<std::pair<int, QString>> seats;
    for (const PlayerWidget *plate : window->sideBar()->findChildren<PlayerWidget *>()) {
        if (plate->isVisible())
            seats.emplace_back(plate->y(), plate->findChild<ULabel *>(QStringLiteral("nameLabel"))->fullText());
    }
    for (const EmptySeatWidget *seat : window->sideBar()->findChildren<EmptySeatWidget *>()) {
        if (seat->isVisible())
            seats.emplace_back(seat->y(), seat->findChild<QLabel *>()->text());
    }
    std::sort(seats.begin(), seats.end());
    QStringList texts;
    for (const auto &seat : seats)
        texts << seat.second;
    return texts;
}

} // namespace

// The demo world's table engine as the client sees it: whole hands under every rule set,
// a refused move, a player who drops out during a hand and takes the seat again, and the
// quick join of the web pages.
class TestDemoTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playsWholeHands_data();
    void playsWholeHands();
    void takesTheSeatBackAfterALostConnection();
    void watchesTheSeatLeftDuringAHand();
    void aSeatNotTakenUpInTimeIsGivenUp();
    void aTurnLeftUnansweredDiscardsTheDrawnTile();
    void spaceDiscardsTheDrawnTileOnTheOwnTurnOnly();
    void gamesEndAfterTheirWindRoundsAndComputerPlayersWin();
    void riichiHandEndsAsScoredAndANewGameAtATableLeftIdle();
    void singleHandPlatesCountWinsAndTheWinnersSeatEmpties();
    void accountsPagesAndCountersAsPlayersComeAndGo();
    void tournamentDialogListsTheRegisteredPlayers();
    void theWorldSpeaksTheClientsLanguage_data();
    void theWorldSpeaksTheClientsLanguage();

private:
    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
};

void TestDemoTable::initTestCase()
{
    SceneTestSetup::install(m_artwork.path(), m_work.path());
    QSettings().setValue(QStringLiteral("game/animations"), false);
}

void TestDemoTable::playsWholeHands_data()
{
    QTest::addColumn<qint32>("table");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("classic") << 3009 << 3u;
    QTest::newRow("classic, four claimed sets and a pair") << 3001 << 10u;
    QTest::newRow("riichi") << 3010 << 5u;
    QTest::newRow("chinese official") << 3011 << 7u;
    QTest::newRow("three players") << 3012 << 11u;
    QTest::newRow("hong kong") << 3013 << 13u;
}

void TestDemoTable::playsWholeHands()
{
    QFETCH(qint32, table);
    QFETCH(quint32, seed);
    TestServer server;
    QVERIFY(server.startDemo(seed, 0));
    DemoPlayer player;
    QVERIFY(player.login(server.gamePort(), QStringLiteral("tester")));
    QVERIFY(player.open(table));
    GameModel *model = player.model(table);
    GameWindow *window = player.window;

    QSignalSpy ends(player.connection.get(), &ConnectionManager::handEnd);
    QVERIFY(player.takeSeat());
    int claims = 0;
    // Two hands at least, and on until one is won.
    bool won = false;
    int hand = 0;
    for (; hand < 2 || (!won && hand < 8); ++hand) {
        QTRY_COMPARE_WITH_TIMEOUT(model->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
        if (hand == 1) {
            // A discard of a tile the player does not hold is refused; the hand goes on.
            QSignalSpy message(player.connection.get(), &ConnectionManager::playerMessage);
            QTRY_VERIFY_WITH_TIMEOUT(model->actingPlayer().first == player.id || model->gameState() != GameModel::HAND_IN_PLAY, 20000);
            player.connection->discard_tile(table, player.id, tile(200));
            QVERIFY(message.wait(5000));
            QVERIFY(server.output().contains(QStringLiteral("REFUSED discard_tile_t")));
        }
        const qint32 dealer = model->playerByWind(0)->id();
        QVERIFY2(player.playHand(table, &claims), qPrintable(server.output().right(3000)));
        QTRY_VERIFY_WITH_TIMEOUT(window->scoreBoard()->isVisible() || window->washoutWindow()->isVisible(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!window->actionQueue().isBusy() && window->actionQueue().isEmpty(), 10000);

        // A win's board lists its doubles, and its settlement follows from them.
        QTRY_COMPARE_WITH_TIMEOUT(ends.count(), hand + 1, 5000);
        const EndHand result = ends.last().at(1).value<EndHand>();
        const QString fault = winFault(result, model->tableInfo().ruleset(), dealer);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        if (result.endKind >= EndHand::Mahjong && result.endKind <= EndHand::Tsumo) {
            const QString board = boardFault(window->scoreBoard(), result);
            QVERIFY2(board.isEmpty(), qPrintable(board));
            if (!won)
                saveBoardScreenshots(window, QStringLiteral("demo-win-%1").arg(table));
            won = true;
        }

        // The client counted the wall and every hand as the server dealt them.
        const HandEnd end = lastHandEnd(server);
        QCOMPARE(int(model->liveTiles()), end.live);
        QCOMPARE(int(model->deadWallTiles()), end.dead);
        QCOMPARE(int(model->deadWallTilesDealt()), end.dealt);
        QCOMPARE(end.concealed.size(), model->players().size());
        for (const auto &[id, count] : end.concealed) {
            const PlayerData &p = model->player(id);
            const int held = id == player.id ? int(p.hand().size()) : int(p.hiddenTileCount());
            // The winner's tile of a discard win is held by the server's count only.
            QVERIFY2(held == count || ((end.kind == EndHand::Mahjong || end.kind == EndHand::Ron) && held + 1 == count), qPrintable(QStringLiteral("player %1").arg(id)));
        }
        QVERIFY(window->grab().save(QStringLiteral("%1/demo-table-%2-%3.png").arg(TestServer::binaryDir(), QString::number(table), QString::number(hand))));

        QVERIFY(DemoPlay::sayReady(window));
    }
    QVERIFY(won);
    QTRY_COMPARE_WITH_TIMEOUT(model->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
    QCOMPARE(server.output().count(QStringLiteral("RECV ready_t")), hand + 1);
    player.controller->destroyTable(table);
}

void TestDemoTable::takesTheSeatBackAfterALostConnection()
{
    constexpr qint32 table = 3010;
    TestServer server;
    QVERIFY(server.startDemo(21, 150));
    auto first = std::make_unique<DemoPlayer>();
    QVERIFY(first->login(server.gamePort(), QStringLiteral("dropper")));
    QVERIFY(first->open(table));
    QVERIFY(first->takeSeat());
    QTRY_VERIFY_WITH_TIMEOUT(first->model(table)->gameState() == GameModel::HAND_IN_PLAY
                                 && first->model(table)->ownPlayer()->hand().size() >= 13,
                             10000);
    first->controller->destroyTable(table);
    first.reset();

    // Played for meanwhile; after the login the server names the seat, and the join
    // brings back the hand with the own tiles.
    DemoPlayer again;
    QVERIFY(again.login(server.gamePort(), QStringLiteral("dropper")));
    QVERIFY(server.waitForOutput(QStringLiteral("SENT notify_seated_t")));
    QVERIFY(again.open(table));
    GameModel *model = again.model(table);
    QTRY_COMPARE_WITH_TIMEOUT(model->gameState(), int(GameModel::HAND_IN_PLAY), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(model->ownPlayer() && model->ownPlayer()->hand().size() >= 13, 5000);
    QVERIFY(again.playHand(table));
    const HandEnd end = lastHandEnd(server);
    QCOMPARE(int(model->liveTiles()), end.live);

    // Leave Table during the next hand: the seat is held for the player, and the lobby
    // shows it free, so that the client asks to join, which gives the seat back.
    QVERIFY(DemoPlay::sayReady(again.window));
    QTRY_COMPARE_WITH_TIMEOUT(model->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
    QSignalSpy left(again.connection.get(), &ConnectionManager::leaveSuccessful);
    QTest::mouseClick(shownButton(again.window, QStringLiteral("leaveButton")), Qt::LeftButton);
    ModelessMsgBox::MsgBox *sure = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((sure = again.window->findChild<ModelessMsgBox::MsgBox *>()) != nullptr, 5000);
    QTest::mouseClick(sure->buttonBox()->button(QDialogButtonBox::Yes), Qt::LeftButton);
    QVERIFY(left.wait(5000));
    again.window = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT(!again.tables->isTableFull(table), 5000);
    QSignalSpy joined(again.connection.get(), &ConnectionManager::joinSuccessful);
    again.connection->join_table(table);
    QVERIFY(joined.wait(5000));
    QVERIFY(again.showWindow());
    model = again.model(table);
    QTRY_VERIFY_WITH_TIMEOUT(model->gameState() == GameModel::HAND_IN_PLAY && model->ownPlayer()
                                 && model->ownPlayer()->hand().size() >= 13,
                             5000);
    again.controller->destroyTable(table);
}

// A riichi practice table of the quick join, whose Play is not pressed within the seated
// box's time: the demo world unseats the player as the box says, and the client closes
// the table, so that the next quick join seats the player afresh, where Play starts the
// hand.
void TestDemoTable::aSeatNotTakenUpInTimeIsGivenUp()
{
    TestServer server;
    QVERIFY(server.startDemo(6, 150, {QStringLiteral("--seat-time"), QStringLiteral("1500")}));
    DemoPlayer player;
    QVERIFY(player.login(server.gamePort(), QStringLiteral("dawdler")));
    constexpr qint32 table = 3010;
    QTRY_VERIFY_WITH_TIMEOUT(player.tables->hasTable(table), 5000);
    QSignalSpy joined(player.connection.get(), &ConnectionManager::joinSuccessful);
    player.connection->filter_join(QStringLiteral("ruleset=riichi"));
    QVERIFY(player.showWindow());
    QCOMPARE(joined.count(), 1);
    QCOMPARE(joined.takeFirst().at(0).toInt(), table);
    QTRY_VERIFY_WITH_TIMEOUT(player.window->seatedWindow()->isVisible(), 5000);
    QCOMPARE(player.model(table)->playerState(), int(GameModel::SEAT_OFFERED));
    // The seat is the player's while the box asks: his plate stands in it, first, before
    // the three computer players who sat down before him.
    const QStringList seats = sideBarSeats(player.window);
    QCOMPARE(seats.size(), 4);
    QCOMPARE(seats.first(), QStringLiteral("dawdler"));
    QVERIFY2(std::all_of(seats.begin() + 1, seats.end(), [](const QString &name) { return name.endsWith(QLatin1String(" (bot)")); }),
             qPrintable(seats.join(QLatin1String(", "))));
    player.window->sideBar()->grab().save(QStringLiteral("%1/demo-seated-sidebar.png").arg(TestServer::binaryDir()));
    QTRY_VERIFY_WITH_TIMEOUT(!player.controller->hasTable(table), 10000);
    QVERIFY(server.output().contains(QStringLiteral("UNSEATED %1 from table %2").arg(QString::number(player.id), QString::number(table))));

    player.window = nullptr;
    player.connection->filter_join(QStringLiteral("ruleset=riichi"));
    QVERIFY(player.showWindow());
    QCOMPARE(joined.count(), 1);
    QCOMPARE(joined.first().at(0).toInt(), table);
    QVERIFY(player.takeSeat());
    QTRY_COMPARE_WITH_TIMEOUT(player.model(table)->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
    QVERIFY(!server.output().contains(QStringLiteral("already_seated_t")));
    player.controller->destroyTable(table);
}

void TestDemoTable::watchesTheSeatLeftDuringAHand()
{
    constexpr qint32 table = 3001; // two bots sit down with the first hand
    TestServer server;
    QVERIFY(server.startDemo(31, 150));
    DemoPlayer player;
    QVERIFY(player.connect(server.gamePort()));
    PlayerDb players(player.connection.get(), nullptr);
    TableWindowServices services;
    services.players = &players;
    QVERIFY(player.login(QStringLiteral("walker"), services));
    QVERIFY(player.open(table));
    QVERIFY(player.takeSeat());
    QTRY_VERIFY_WITH_TIMEOUT(player.model(table)->gameState() == GameModel::HAND_IN_PLAY, 10000);

    // The bots sat down after the player: every row of the side bar has its picture.
    const auto rows = player.window->findChildren<PlayerWidget *>();
    QCOMPARE(rows.size(), 4);
    for (const PlayerWidget *row : rows)
        QVERIFY(!row->findChild<QLabel *>(QStringLiteral("avatarLabel"))->pixmap().isNull());
    QVERIFY(player.window->grab().save(QStringLiteral("%1/demo-table-pictures.png").arg(TestServer::binaryDir())));

    // Left during the hand and watched: the seat, played for by the server, is hidden.
    // The table list and the table's details count the seat alike, as free (the player's
    // way back is a join).
    player.controller->onLeave(table);
    QTRY_VERIFY_WITH_TIMEOUT(!player.controller->hasTable(table), 5000);
    QSignalSpy seated(player.connection.get(), &ConnectionManager::tableSeated);
    player.connection->query_table_seated(table);
    QVERIFY(seated.wait(5000));
    const auto seatedIds = seated.first().at(1).value<std::vector<qint32>>();
    QCOMPARE(std::count(seatedIds.begin(), seatedIds.end(), player.id), 0);
    QCOMPARE(player.tables->tableInfo(table).capacity().players(), int(seatedIds.size()));
    player.window = nullptr;
    QVERIFY(player.open(table, true));
    GameModel *model = player.model(table);
    QVERIFY(!model->isSeated());
    // After each of its discards the seat holds 13 tiles besides its melds.
    QList<int> held;
    QObject::connect(model, &GameModel::tileDiscarded, model, [&](qint32 id) {
        if (id != player.id)
            return;
        const PlayerData &p = model->player(id);
        const auto melds = std::count_if(p.melds().begin(), p.melds().end(),
                                         [](const meld_tuple &m) { return m.kind != BONUS; });
        held << p.hiddenTileCount() + 3 * int(melds);
    });
    QTRY_VERIFY_WITH_TIMEOUT(held.size() >= 3 || model->gameState() != GameModel::HAND_IN_PLAY, 20000);
    QCOMPARE(held, QList<int>(held.size(), 13));
    QVERIFY(held.size() >= 3);
    player.controller->destroyTable(table);
}

void TestDemoTable::aTurnLeftUnansweredDiscardsTheDrawnTile()
{
    constexpr qint32 table = 3008; // five seconds a move
    TestServer server;
    QVERIFY(server.startDemo(9, 0));
    DemoPlayer player;
    QVERIFY(player.login(server.gamePort(), QStringLiteral("sleeper")));
    QVERIFY(player.open(table));
    QVERIFY(player.takeSeat());
    QSignalSpy timeouts(player.connection.get(), &ConnectionManager::timeoutOccured);
    GameModel *model = player.model(table);
    // Claims offered meanwhile run out as passes.
    QTRY_VERIFY_WITH_TIMEOUT(model->actingPlayer().first == player.id && !model->ownPlayer()->pendingTiles().empty(), 30000);
    const tile drawn = model->ownPlayer()->pendingTiles().front();
    const size_t discarded = model->ownPlayer()->discards().size();
    QTRY_VERIFY_WITH_TIMEOUT(model->ownPlayer()->discards().size() > discarded, 8000);
    QCOMPARE(model->ownPlayer()->discards()[discarded], drawn);
    QVERIFY(timeouts.count() >= 1);
    QVERIFY(!server.output().contains(QStringLiteral("RECV discard_tile_t")));
    player.controller->destroyTable(table);

    // The web pages' quick join: a seat at a classic table, or a waiting list for a filter no table serves.
    QSignalSpy joined(player.connection.get(), &ConnectionManager::joinSuccessful);
    QSignalSpy waiting(player.connection.get(), &ConnectionManager::waitingList);
    player.connection->filter_join(QStringLiteral("ruleset=classic"));
    QVERIFY(joined.wait(5000));
    QCOMPARE(player.tables->tableInfo(joined.first().at(0).toInt()).ruleset(), int(RulesetInfo::CLASSIC));
    QVERIFY(player.tables->tableInfo(joined.first().at(0).toInt()).lobbyPath().startsWith(QLatin1String("101/Practice")));
    player.connection->filter_join(QStringLiteral("ruleset=bingo"));
    QVERIFY(waiting.wait(5000));
    player.controller->destroyTable(joined.first().at(0).toInt());
}

// Space at the table, pressed wherever the focus is. On every own turn it discards the
// drawn tile once, on the dealer's first turn after the deal too; out of turn, during the
// deal's bonus replacements, after a claim clicked with the mouse, after a discard by
// click and with the focus on the side bar's Leave Table it does nothing, and a focused
// button of the table's end-of-hand window does not take it either: the mouse answers
// there. What the server receives is the proof.
void TestDemoTable::spaceDiscardsTheDrawnTileOnTheOwnTurnOnly()
{
    TestServer server;
    QVERIFY(server.startDemo(4, 150));
    DemoPlayer player;
    QVERIFY(player.login(server.gamePort(), QStringLiteral("spacer")));
    const auto received = [&server](const QString &packet) { return server.output().count(QStringLiteral("RECV ") + packet); };
    // Presses Space; false when a question came up.
    const auto space = [&] {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : player.window, Qt::Key_Space);
        return !player.window->findChild<ModelessMsgBox::MsgBox *>();
    };
    const auto ownTurn = [&](qint32 table) {
        const PlayerData *own = player.model(table)->ownPlayer();
        return own && player.model(table)->actingPlayer().first == player.id && own->hand().size() % 3 == 2
            && !player.window->actionQueue().isBusy() && player.window->actionQueue().isEmpty();
    };
    const auto showTable = [&](qint32 table) {
        if (!player.open(table))
            return false;
        player.window->activateWindow();
        return QTest::qWaitForWindowActive(player.window) && player.takeSeat();
    };

    // A riichi table, empty but for the player, who deals the first hand: no bonus tile
    // is replaced, and the first draw after the deal is the player's own.
    constexpr qint32 riichi = 3004;
    QVERIFY(showTable(riichi));
    QTRY_COMPARE_WITH_TIMEOUT(player.model(riichi)->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
    QCOMPARE(player.model(riichi)->ownPlayer()->wind(), int(EAST));
    QDeadlineTimer dealt(10000);
    while (!ownTurn(riichi) && !dealt.hasExpired()) {
        QVERIFY(space());
        QTest::qWait(20);
    }
    QVERIFY(ownTurn(riichi));
    QCOMPARE(player.model(riichi)->ownPlayer()->discards().size(), size_t(0));
    QVERIFY(space());
    QTRY_COMPARE_WITH_TIMEOUT(received(QStringLiteral("discard_tile_t")), 1, 3000);
    player.controller->onLeave(riichi);
    QTRY_VERIFY_WITH_TIMEOUT(!player.controller->hasTable(riichi), 5000);
    player.window = nullptr;

    // A classic table with bonus tiles, seated after its computer players, for a hand and
    // the next one's first own turn.
    constexpr qint32 classic = 3009;
    QVERIFY(showTable(classic));
    GameModel *model = player.model(classic);
    GameWindow *window = player.window;
    // Whether the deal replaced a bonus tile of the player after another draw: the
    // replacement lay in the hand, out of turn, while Space was pressed.
    bool replacedInTheDeal = false;
    int drawsBeforeOwnTurn = -1;
    ConnectionManager *connection = player.connection.get();
    QObject::connect(connection, &ConnectionManager::startHand, window, [&] { drawsBeforeOwnTurn = 0; });
    QObject::connect(connection, &ConnectionManager::hiddenTilesFromWall, window, [&](qint32, qint32, qint32 count) {
        if (drawsBeforeOwnTurn >= 0 && count != 13)
            ++drawsBeforeOwnTurn;
    });
    QObject::connect(connection, &ConnectionManager::tilesFromWall, window, [&](qint32, const tile_vector &tiles, bool replacement) {
        if (drawsBeforeOwnTurn < 0 || tiles.size() == 13)
            return;
        replacedInTheDeal = replacedInTheDeal || (replacement && drawsBeforeOwnTurn > 0);
        ++drawsBeforeOwnTurn;
    });
    QObject::connect(connection, &ConnectionManager::playerShouldAct, window, [&](qint32, const TimeSpan &, qint32 id) {
        if (id == player.id)
            drawsBeforeOwnTurn = -1;
    });
    int spaceTurns = 0;
    int clickTurns = 0;
    int claims = 0;
    for (int hand = 0; hand < 2; ++hand) {
        QTRY_COMPARE_WITH_TIMEOUT(model->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
        if (hand == 1) {
            // The Tab key's way to the side bar's Leave Table.
            QPushButton *leave = nullptr;
            QTRY_VERIFY((leave = shownButton(window->sideBar(), QStringLiteral("leaveButton"))));
            leave->setFocus(Qt::TabFocusReason);
            QVERIFY(leave->hasFocus());
        }
        QDeadlineTimer deadline(60000);
        while (model->gameState() == GameModel::HAND_IN_PLAY && !deadline.hasExpired()
               && !(hand == 1 && spaceTurns > 0 && ownTurn(classic))) {
            QTest::qWait(20);
            if (MeldAuction *auction = window->meldAuction(); auction && auction->isVisible()) {
                QPushButton *take = nullptr;
                for (const char *name : {"mahjongButton", "meldChoiceButton", "passButton", "closeButton"}) {
                    if (!take)
                        take = shownButton(auction, QLatin1String(name));
                }
                if (take) {
                    QTest::mouseClick(take, Qt::LeftButton);
                    ++claims;
                    QTest::qWait(50);
                    QVERIFY(space());
                }
                continue;
            }
            if (!ownTurn(classic)) {
                QVERIFY(space());
                continue;
            }
            const PlayerData *own = model->ownPlayer();
            const int before = received(QStringLiteral("discard_tile_t"));
            if (own->pendingTiles().size() == 1 && (hand == 1 || clickTurns > 0)) {
                QVERIFY(space());
                QVERIFY2(QTest::qWaitFor([&] { return received(QStringLiteral("discard_tile_t")) > before; }, 3000),
                         qPrintable(QStringLiteral("hand %1").arg(hand)));
                ++spaceTurns;
            } else {
                // Another tile than the drawn one, by click; Space once the server took it.
                HandTile *item = DemoPlay::handTile(window, DemoPlay::chooseDiscard(*own));
                QVERIFY(item);
                const size_t discarded = own->discards().size();
                DemoPlay::clickItem(window, item);
                QVERIFY(QTest::qWaitFor([&] { return received(QStringLiteral("discard_tile_t")) > before; }, 3000));
                QTRY_VERIFY_WITH_TIMEOUT(model->ownPlayer()->discards().size() > discarded
                                             || model->gameState() != GameModel::HAND_IN_PLAY,
                                         3000);
                QVERIFY(space());
                ++clickTurns;
            }
            QTest::qWait(50);
        }
        QVERIFY(!deadline.hasExpired());
        if (hand == 0) {
            // The end-of-hand window's ready button, given the focus as the Tab key does,
            // is not pressed by Space, which has no default action to run; a click
            // presses it.
            QTRY_VERIFY_WITH_TIMEOUT(!window->actionQueue().isBusy() && window->actionQueue().isEmpty(), 10000);
            QPushButton *ready = DemoPlay::readyButton(window);
            QVERIFY(ready);
            const int readies = received(QStringLiteral("ready_t"));
            QSignalSpy said(window, &GameWindow::ready);
            ready->setFocus(Qt::TabFocusReason);
            QVERIFY(space());
            QCOMPARE(said.count(), 0);
            QVERIFY(ready->isVisible());
            QTest::mouseClick(ready, Qt::LeftButton);
            QCOMPARE(said.count(), 1);
            QTRY_COMPARE(received(QStringLiteral("ready_t")), readies + 1);
        }
    }
    QVERIFY(replacedInTheDeal);
    QVERIFY(spaceTurns >= 2);
    QVERIFY(clickTurns >= 1);
    QVERIFY(claims >= 1);
    const QString out = server.output();
    QVERIFY2(!out.contains(QStringLiteral("REFUSED")), qPrintable(out.right(3000)));
    QCOMPARE(received(QStringLiteral("leave_table_t {\"table\":3009}")), 0);
    player.controller->destroyTable(classic);
}

// An east-only game of four hands: computer players take wins, the round wind stays
// east for a player and for a watcher who comes during the last hand, the last hand ends
// the game, and Play starts a new one with the start scores. At a money table's game end
// Play starts and books the next game; left unanswered, it unseats the player for nothing.
void TestDemoTable::gamesEndAfterTheirWindRoundsAndComputerPlayersWin()
{
    constexpr qint32 table = 3007;
    TestServer server;
    // The Play of a game's end has the seat's time, that of a hand's end 30 s.
    QVERIFY(server.startDemo(3, 0, {QStringLiteral("--seat-time"), QStringLiteral("8000")}));
    DemoPlayer player;
    QVERIFY(player.login(server.gamePort(), QStringLiteral("easterner")));
    QVERIFY(player.open(table));
    GameModel *model = player.model(table);
    GameWindow *window = player.window;
    QSignalSpy ends(player.connection.get(), &ConnectionManager::handEnd);
    QVERIFY(player.takeSeat());
    std::unique_ptr<DemoPlayer> watcher;
    bool botWon = false;
    for (int hand = 0; hand < 4; ++hand) {
        QTRY_COMPARE_WITH_TIMEOUT(model->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
        QCOMPARE(model->prevalentWind(), 0);
        if (hand == 3) {
            watcher = std::make_unique<DemoPlayer>();
            QVERIFY(watcher->login(server.gamePort(), QStringLiteral("onlooker")));
            QVERIFY(watcher->open(table, true));
            QTRY_VERIFY_WITH_TIMEOUT(watcher->model(table) && watcher->model(table)->gameState() == GameModel::HAND_IN_PLAY, 5000);
            QCOMPARE(watcher->model(table)->prevalentWind(), 0);
        }
        QVERIFY2(player.playHand(table), qPrintable(server.output().right(3000)));
        QTRY_COMPARE_WITH_TIMEOUT(ends.count(), hand + 1, 5000);
        const EndHand end = ends.last().at(1).value<EndHand>();
        QCOMPARE(end.gameEnds, hand == 3);
        // A classic table's wins, on a discard or self-drawn, end as mahjong.
        const bool won = std::any_of(end.players.begin(), end.players.end(),
                                     [](const auto &row) { return row.second.result == EndHandPlayer::Won; });
        QCOMPARE(end.endKind, won ? int(EndHand::Mahjong) : 4);
        for (const auto &[id, row] : end.players) {
            if (row.result != EndHandPlayer::Won || id == player.id)
                continue;
            // A computer player's win, on the score board with its hand.
            botWon = true;
            QTRY_VERIFY_WITH_TIMEOUT(window->scoreBoard()->isVisible(), 5000);
            QCOMPARE(window->scoreBoard()->columnPlayerIds().front(), id);
            QCOMPARE(window->scoreBoard()->findChild<QLabel *>(QStringLiteral("name1"))->text(), model->player(id).name());
            QVERIFY(model->player(id).name().endsWith(QLatin1String(" (bot)")));
            const QGraphicsView *hand = window->scoreBoard()->findChild<QGraphicsView *>(QStringLiteral("graphicsView1"));
            QVERIFY(hand->scene()->items().size() >= 14);
            QVERIFY(window->grab().save(QStringLiteral("%1/demo-table-computer-win.png").arg(TestServer::binaryDir())));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!window->actionQueue().isBusy() && window->actionQueue().isEmpty(), 10000);
        // The end-of-hand window offers the next hand of the game, after its last a new game.
        QPushButton *ready = DemoPlay::readyButton(window);
        QVERIFY(ready);
        QVERIFY2(hand < 3 ? ready->text() == QLatin1String("Next hand") : ready->text().startsWith(QLatin1String("Play (")),
                 qPrintable(ready->text()));
        if (hand == 3)
            QVERIFY(window->grab().save(QStringLiteral("%1/demo-table-game-end.png").arg(TestServer::binaryDir())));
        QVERIFY(DemoPlay::sayReady(window));
    }
    QVERIFY(botWon);

    // A new game, with the start scores.
    QTRY_COMPARE_WITH_TIMEOUT(model->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
    QCOMPARE(model->prevalentWind(), 0);
    for (const auto &[id, p] : model->players())
        QCOMPARE(p.score(), 2000);
    watcher->controller->destroyTable(table);
    player.controller->destroyTable(table);

    // A money table of single hands: every hand is a game, settled on the round score
    // board and in the account's balance, which pays the table's fee besides.
    constexpr qint32 quick = 3008;
    DemoPlayer gambler;
    QVERIFY(gambler.login(server.gamePort(), QStringLiteral("gambler")));
    QVERIFY(gambler.open(quick));
    QSignalSpy rounds(gambler.connection.get(), &ConnectionManager::endOfRound);
    QSignalSpy balances(gambler.connection.get(), &ConnectionManager::currentAccountBalance);
    QVERIFY(gambler.takeSeat());
    QTRY_COMPARE_WITH_TIMEOUT(gambler.model(quick)->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
    const TableValue stake = gambler.model(quick)->tableInfo().value();
    QCOMPARE(stake.buyInText(), QStringLiteral("$1 + $0.10"));
    QVERIFY(gambler.playHand(quick));
    QTRY_COMPARE_WITH_TIMEOUT(rounds.count(), 1, 5000);
    const MonetaryRoundScores results = rounds.first().at(1).value<MonetaryRoundScores>();
    QCOMPARE(int(results.size()), 4);
    qint64 sum = 0;
    qint64 own = 0;
    for (const MonetaryRoundScore &result : results) {
        sum += result.balance;
        own += result.player == gambler.id ? result.balance : 0;
    }
    QCOMPARE(sum, qint64(0));
    // Beside the hand's board where the table has room for both, else once it closes.
    QVERIFY(DemoPlay::sayReady(gambler.window));
    QTRY_VERIFY_WITH_TIMEOUT(gambler.window->findChild<RoundScoreBoard *>()->isVisible(), 5000);
    own -= stake.fee();
    QTRY_VERIFY_WITH_TIMEOUT(!balances.isEmpty() && balances.last().at(0).value<std::int64_t>() == 100000 + own, 5000);

    // Play pressed: the next game is played and settled. Left unanswered at its end, its
    // Play costs nothing: the player is unseated and watches the table, told so, without
    // a Play to press; the table stops, as nobody else is there to play.
    QTRY_COMPARE_WITH_TIMEOUT(gambler.model(quick)->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
    QVERIFY(gambler.playHand(quick));
    QTRY_COMPARE_WITH_TIMEOUT(rounds.count(), 2, 5000);
    for (const MonetaryRoundScore &result : rounds.last().at(1).value<MonetaryRoundScores>())
        own += result.player == gambler.id ? result.balance : 0;
    own -= stake.fee();
    QTRY_VERIFY_WITH_TIMEOUT(balances.last().at(0).value<std::int64_t>() == 100000 + own, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(gambler.model(quick)->playerState(), int(GameModel::WATCHING), 20000);
    const QString unseated = QStringLiteral("UNSEATED %1 from table %2").arg(QString::number(gambler.id), QString::number(quick));
    QVERIFY(server.output().contains(unseated));
    // The table's own two computer players stay; no hand starts.
    QTRY_COMPARE_WITH_TIMEOUT(gambler.model(quick)->players().size(), size_t(2), 5000);
    const int balanceAnswers = balances.count();
    gambler.connection->query_account_balance();
    QTRY_COMPARE_WITH_TIMEOUT(balances.count(), balanceAnswers + 1, 5000);
    QCOMPARE(balances.last().at(0).value<std::int64_t>(), 100000 + own);
    QVERIFY(!server.output().section(unseated, 1).contains(QLatin1String("start_hand_t")));
    QVERIFY(!DemoPlay::shownButton(gambler.window, QStringLiteral("readyPushButton")));
    QVERIFY(!DemoPlay::shownButton(gambler.window, QStringLiteral("readyButton")));
    ScoreBoard *board = gambler.window->scoreBoard();
    QTRY_VERIFY_WITH_TIMEOUT(!board->findChild<QLabel *>(QStringLiteral("nextRoundLabel"))->isVisible(), 5000);
    // The board is read first: the box that says the player was unseated finds no place
    // clear of it at this size and waits, as does the round result.
    auto *watching = gambler.window->findChild<WatchingWindow *>();
    auto *result = gambler.window->findChild<RoundScoreBoard *>();
    QVERIFY(board->isVisible());
    QVERIFY(!watching->isVisible());
    QVERIFY(!result->isVisible());
    // The side bar seats whom the table seats: a plate for each of the two, and the
    // player's seat and the one the third computer player left empty.
    QStringList seated;
    for (const auto &[id, p] : gambler.model(quick)->players())
        seated << p.name();
    QStringList plates;
    for (const PlayerWidget *plate : gambler.window->sideBar()->playerRows())
        plates << plate->findChild<ULabel *>(QStringLiteral("nameLabel"))->fullText();
    seated.sort();
    plates.sort();
    QCOMPARE(plates, seated);
    QCOMPARE(gambler.window->sideBar()->emptySeatCount(), 2);
    saveBoardScreenshots(gambler.window, QStringLiteral("demo-table-unseated-at-game-end"));
    // Closed, the board gives way to the round result, and that to the box, each read
    // whole, nothing covering the other.
    QPushButton *close = DemoPlay::shownButton(board, QStringLiteral("closePushButton"));
    QVERIFY(close);
    close->click();
    QTRY_VERIFY_WITH_TIMEOUT(result->isVisible(), 5000);
    QVERIFY2(!watching->isVisible() || !watching->geometry().intersects(result->geometry()),
             "the unseated box covers the round result");
    QPushButton *closeResult = DemoPlay::shownButton(result, QStringLiteral("closeButton"));
    QVERIFY(closeResult);
    closeResult->click();
    QTRY_VERIFY_WITH_TIMEOUT(watching->findChild<QLabel *>(QStringLiteral("pickedUpInfo"))->isVisible(), 5000);
    saveBoardScreenshots(gambler.window, QStringLiteral("demo-table-unseated-box"));
    // Join seats the player again, and Play starts a new game.
    QPushButton *join = DemoPlay::shownButton(gambler.window, QStringLiteral("joinButton"));
    QVERIFY(join);
    join->click();
    QVERIFY(gambler.takeSeat());
    QTRY_COMPARE_WITH_TIMEOUT(gambler.model(quick)->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
    QCOMPARE(gambler.model(quick)->playerState(), int(GameModel::PLAYING));
    gambler.controller->destroyTable(quick);
}

// Every hand end of a riichi table, as the score board shows it: a self-drawn win is
// tsumo, paid alike by every other player, a win on a discard is ron, paid by the
// discarder alone, and a washout with ready and not ready hands moves the ready payments
// from the ones to the others; the current scores follow. Left by its last player in the
// middle of its game, the table starts a new one for the next.
void TestDemoTable::riichiHandEndsAsScoredAndANewGameAtATableLeftIdle()
{
    constexpr qint32 table = 3010;
    constexpr int startScore = 25000;
    constexpr int readyPayments = 3000;
    TestServer server;
    QVERIFY(server.startDemo(3, 0));
    DemoPlayer player;
    QVERIFY(player.login(server.gamePort(), QStringLiteral("scorer")));
    QVERIFY(player.open(table));
    GameModel *model = player.model(table);
    GameWindow *window = player.window;
    ScoreBoard *board = window->scoreBoard();
    QSignalSpy ends(player.connection.get(), &ConnectionManager::handEnd);
    QVERIFY(player.takeSeat());
    const auto image = [](const QString &name) { return QPixmap(QStringLiteral("textimages:%1.png").arg(name)).toImage(); };
    bool selfDrawn = false;
    bool readyPaid = false;
    for (int hand = 0; hand < 6 && !(selfDrawn && readyPaid); ++hand) {
        if (hand > 0) {
            QTRY_VERIFY_WITH_TIMEOUT(!window->actionQueue().isBusy() && window->actionQueue().isEmpty(), 10000);
            QVERIFY(DemoPlay::sayReady(window));
        }
        QTRY_COMPARE_WITH_TIMEOUT(model->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
        std::map<qint32, int> before;
        for (const auto &[id, p] : model->players())
            before[id] = p.score();
        const qint32 dealer = model->playerByWind(0)->id();
        QVERIFY2(player.playHand(table), qPrintable(server.output().right(3000)));
        QTRY_COMPARE_WITH_TIMEOUT(ends.count(), hand + 1, 5000);
        const EndHand end = ends.last().at(1).value<EndHand>();
        QCOMPARE(int(end.players.size()), 4);
        std::map<int, int> results;
        for (const auto &[id, row] : end.players) {
            QCOMPARE(row.currentScore, before.at(id) + row.settlement);
            ++results[row.result];
        }
        const int readyCount = results[EndHandPlayer::ReadyHand];
        if (end.endKind == EndHand::Tsumo || end.endKind == EndHand::Ron) {
            QCOMPARE(results[EndHandPlayer::Won], 1);
            selfDrawn = selfDrawn || end.endKind == EndHand::Tsumo;
            const QString fault = winFault(end, RulesetInfo::JAPANESE_RIICHI, dealer);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        } else {
            QCOMPARE(end.endKind, 4);
            const bool settled = readyCount > 0 && readyCount < 4;
            readyPaid = readyPaid || settled;
            for (const auto &[id, row] : end.players) {
                const int expected = !settled ? 0
                    : row.result == EndHandPlayer::ReadyHand ? readyPayments / readyCount
                                                             : -readyPayments / (4 - readyCount);
                QCOMPARE(row.settlement, expected);
            }
        }
        if (end.endKind != 4 || readyCount > 0) {
            // The board's claim pictures, hand scores and settlements agree with the end.
            QTRY_VERIFY_WITH_TIMEOUT(board->isVisible(), 5000);
            for (int column = 0; column < 4; ++column) {
                const EndHandPlayer &row = end.players.at(board->columnPlayerIds()[size_t(column)]);
                const QString n = QString::number(column + 1);
                const QImage claim = board->findChild<QLabel *>(QStringLiteral("exclamation") + n)->pixmap().toImage();
                const QString scores = board->findChild<QTextEdit *>(QStringLiteral("score") + n)->toPlainText();
                const QString total = board->findChild<QLabel *>(QStringLiteral("total") + n)->text();
                if (row.result == EndHandPlayer::Won) {
                    QCOMPARE(claim, image(end.endKind == EndHand::Tsumo ? QStringLiteral("claim-tsumo") : QStringLiteral("claim-ron")));
                    // Self-drawn: the points of an open hand, the double of a concealed one.
                    QCOMPARE(scores.contains(QLatin1String("Self-drawn")) || scores.contains(QLatin1String("Fully concealed hand")),
                             end.endKind == EndHand::Tsumo);
                    const QString shown = boardFault(board, end);
                    QVERIFY2(shown.isEmpty(), qPrintable(shown));
                } else {
                    QCOMPARE(claim, row.result == EndHandPlayer::ReadyHand ? image(QStringLiteral("claim-tenpai")) : QImage());
                }
                QVERIFY2(total.contains(QLocale().toString(row.settlement)), qPrintable(total));
            }
            QVERIFY(window->grab().save(QStringLiteral("%1/demo-table-riichi-end-%2.png").arg(TestServer::binaryDir(), QString::number(hand))));
        }
    }
    QVERIFY(selfDrawn);
    QVERIFY(readyPaid);

    // Left in the middle of the game: the next player to sit down starts a new one.
    player.controller->onLeave(table);
    QTRY_VERIFY_WITH_TIMEOUT(!player.controller->hasTable(table), 5000);
    DemoPlayer next;
    QVERIFY(next.login(server.gamePort(), QStringLiteral("newcomer")));
    QVERIFY(next.open(table));
    QSignalSpy starts(next.connection.get(), &ConnectionManager::startHand);
    QVERIFY(next.takeSeat());
    QVERIFY(starts.wait(10000));
    QVERIFY(starts.first().at(4).toBool());
    QTRY_COMPARE_WITH_TIMEOUT(next.model(table)->gameState(), int(GameModel::HAND_IN_PLAY), 5000);
    for (const auto &[id, p] : next.model(table)->players())
        QCOMPARE(p.score(), startScore);
    next.controller->destroyTable(table);
}

// The number each plate of a table window shows, by player.
std::map<qint32, QString> plateCounts(GameWindow *window, const GameModel *model)
{
    std::map<qint32, QString> counts;
    for (const auto &[id, p] : model->players()) {
        for (const PlayerWidget *plate : window->sideBar()->playerRows()) {
            if (plate->findChild<ULabel *>(QStringLiteral("nameLabel"))->fullText() == p.name())
                counts[id] = plate->findChild<QLabel *>(QStringLiteral("scoresAndWins"))->text();
        }
    }
    return counts;
}

// The single-hand money table, played by one player and watched by another: every plate
// counts its player's wins, none during the hand and one for the winner once it is won,
// in both windows. The winner, the computer player seated for the player, leaves with
// him: nothing of his stays at his seat on the watcher's table, his win's image neither.
void TestDemoTable::singleHandPlatesCountWinsAndTheWinnersSeatEmpties()
{
    constexpr qint32 table = 3008;
    TestServer server;
    QVERIFY(server.startDemo(2, 0));
    DemoPlayer gambler;
    QVERIFY(gambler.login(server.gamePort(), QStringLiteral("gambler")));
    QVERIFY(gambler.open(table));
    DemoPlayer onlooker;
    QVERIFY(onlooker.login(server.gamePort(), QStringLiteral("onlooker")));
    QVERIFY(onlooker.open(table, true));
    QSignalSpy ends(gambler.connection.get(), &ConnectionManager::handEnd);
    QVERIFY(gambler.takeSeat());
    GameModel *model = gambler.model(table);
    GameModel *watched = onlooker.model(table);
    QTRY_COMPARE_WITH_TIMEOUT(model->gameState(), int(GameModel::HAND_IN_PLAY), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(watched->gameState(), int(GameModel::HAND_IN_PLAY), 5000);
    std::map<qint32, QString> counted;
    for (const auto &[id, p] : model->players())
        counted[id] = QStringLiteral("0");
    QCOMPARE(plateCounts(gambler.window, model), counted);
    QCOMPARE(plateCounts(onlooker.window, watched), counted);

    QVERIFY(gambler.playHand(table));
    QTRY_COMPARE_WITH_TIMEOUT(ends.count(), 1, 5000);
    const EndHand end = ends.first().at(1).value<EndHand>();
    const auto won = std::find_if(end.players.begin(), end.players.end(),
                                  [](const auto &row) { return row.second.result == EndHandPlayer::Won; });
    QVERIFY(won != end.players.end());
    const qint32 winner = won->first;
    QTRY_VERIFY_WITH_TIMEOUT(!onlooker.window->actionQueue().isBusy() && onlooker.window->actionQueue().isEmpty(), 10000);
    counted[winner] = QStringLiteral("1");
    QTRY_COMPARE_WITH_TIMEOUT(plateCounts(gambler.window, model), counted, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(plateCounts(onlooker.window, watched), counted, 5000);
    int seat = 0;
    while (seat < 4 && !onlooker.window->claimImage(seat)->isVisible())
        ++seat;
    QVERIFY(seat < 4);

    gambler.controller->onLeave(table);
    QTRY_VERIFY_WITH_TIMEOUT(!watched->findPlayer(winner) && !watched->findPlayer(gambler.id), 5000);
    onlooker.window->scoreBoard()->hide();
    QVERIFY(onlooker.window->grab().save(QStringLiteral("%1/demo-table-winner-left.png").arg(TestServer::binaryDir())));
    QVERIFY(!onlooker.window->claimImage(seat)->isVisible());
    QVERIFY(!onlooker.window->windMarker(seat)->isVisible());
    QVERIFY(!onlooker.window->discardView(seat)->isVisible());
    QCOMPARE(onlooker.window->hiddenHandView(seat)->tileCount(), 0);
    QVERIFY(onlooker.window->declaredView(seat)->melds().empty());
    onlooker.controller->destroyTable(table);
}

// The world around the tables: pages asked for before the login, passwords, a second
// login of an account, the lobby counters, the account pages, one name for every
// computer player, an account locked after wrong passwords and one maintenance time for
// every player.
void TestDemoTable::accountsPagesAndCountersAsPlayersComeAndGo()
{
    TestServer server;
    QVERIFY(server.startDemo(1, 0));
    DemoPlayer ann;
    QVERIFY(ann.connect(server.gamePort()));
    QSignalSpy pages(ann.connection.get(), &ConnectionManager::webPage);
    QSignalSpy messages(ann.connection.get(), &ConnectionManager::playerMessage);
    QNetworkAccessManager web;
    const auto served = [&web](const QString &url) {
        std::unique_ptr<QNetworkReply> reply(web.get(QNetworkRequest(QUrl(url))));
        if (!QTest::qWaitFor([&] { return reply->isFinished(); }, 5000))
            return QByteArray();
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200 ? reply->readAll() : QByteArray();
    };
    // Every other kind of page, asked before the login: a page of the world's own, or no
    // address where the client shows its own (its registration form, welcome and how-to
    // pages).
    for (int kind = WebPageRequest::POST_REGISTRATION; kind <= WebPageRequest::RULES_HONGKONG; ++kind) {
        if (kind == WebPageRequest::ACCOUNT)
            continue;
        pages.clear();
        ann.connection->query_web_page(WebPageRequest::enum_t(kind), QStringLiteral("ja"), QString());
        QVERIFY(pages.wait(5000));
        QCOMPARE(pages.first().at(0).toInt(), kind);
        const QString url = pages.first().at(1).toString();
        const bool clientsOwn = kind == WebPageRequest::FULL_REGISTRATION || kind == WebPageRequest::INTERNAL_WELCOME
                                || kind == WebPageRequest::INTERNAL_HOWTO;
        QVERIFY2(url.isEmpty() == clientsOwn, WebPageRequest::name(kind));
        if (!clientsOwn)
            QVERIFY2(served(url).contains("<title>"), qPrintable(url));
    }
    QVERIFY(ann.login(QStringLiteral("ann")));
    QSignalSpy annsEvents(ann.connection.get(), &ConnectionManager::comingEvents);
    ann.connection->query_coming_events();
    QVERIFY(annsEvents.wait(5000));
    QSignalSpy summaries(ann.connection.get(), &ConnectionManager::lobbySummary);
    ann.connection->query_lobby_summary();
    QVERIFY(summaries.wait(5000));
    const auto summary = [&summaries] { return summaries.last().at(0).value<lobby_summary_t>(); };
    QCOMPARE(summary().playersOnline, 1);

    // Bob comes, and the counters follow; a wrong password is refused.
    DemoPlayer bob;
    QVERIFY(bob.login(server.gamePort(), QStringLiteral("bob")));
    QTRY_VERIFY_WITH_TIMEOUT(summary().playersOnline == 2 && summary().latestLogins.front() == bob.id, 5000);
    DemoPlayer intruder;
    QVERIFY(intruder.connect(server.gamePort()));
    QSignalSpy refused(intruder.connection.get(), &ConnectionManager::loginFailed);
    intruder.connection->login(QStringLiteral("bob"), QStringLiteral("guess"));
    QVERIFY(refused.wait(5000));
    QCOMPARE(refused.first().at(0).toInt(), 2);

    // Bob again, from elsewhere: the first session is told and closed.
    QSignalSpy forced(bob.connection.get(), &ConnectionManager::forcedLogout);
    QSignalSpy closed(bob.connection.get(), &ConnectionManager::disconnected);
    DemoPlayer bobAgain;
    QVERIFY(bobAgain.login(server.gamePort(), QStringLiteral("bob")));
    QCOMPARE(bobAgain.id, bob.id);
    QTRY_VERIFY_WITH_TIMEOUT(forced.count() == 1 && closed.count() == 1, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(summary().playersOnline, 2, 5000);
    bobAgain.connection.reset();
    QTRY_COMPARE_WITH_TIMEOUT(summary().playersOnline, 1, 5000);

    // The account menu's pages and the cashier's, each served.
    QSignalSpy subPages(ann.connection.get(), &ConnectionManager::subPagesAvailable);
    ann.connection->query_sub_pages_available(WebPageRequest::ACCOUNT, QStringLiteral("en"));
    QVERIFY(subPages.wait(5000));
    const auto menu = subPages.first().at(1).value<QList<QPair<QString, QString>>>();
    QCOMPARE(menu.size(), 3);
    for (const auto &[page, title] : menu) {
        pages.clear();
        ann.connection->query_web_page(WebPageRequest::ACCOUNT, QStringLiteral("en"), page);
        QVERIFY(pages.wait(5000));
        QVERIFY(served(pages.first().at(1).toString()).contains(title.toUtf8()));
    }
    QCOMPARE(messages.count(), 0);

    // A computer player answers to the name it has at the table.
    QVERIFY(ann.open(3009, true));
    QTRY_VERIFY_WITH_TIMEOUT(ann.model(3009) && ann.model(3009)->players().size() == 3, 5000);
    QSignalSpy users(ann.connection.get(), &ConnectionManager::queryUserAnswer);
    for (const auto &[id, p] : ann.model(3009)->players()) {
        users.clear();
        ann.connection->query_user(QStringLiteral("player-%1").arg(id));
        QVERIFY(users.wait(5000));
        QCOMPARE(users.first().at(2).value<UserRecord>().screenName, p.name());
    }
    ann.controller->destroyTable(3009);

    // The sixth wrong password in a row locks the account, which then refuses the right
    // one too, in the words of a lock; "locked" is a name as any other.
    DemoPlayer cho;
    QVERIFY(cho.login(server.gamePort(), QStringLiteral("cho")));
    for (int attempt = 1; attempt <= 6; ++attempt) {
        refused.clear();
        intruder.connection->login(QStringLiteral("cho"), QStringLiteral("guess"));
        QVERIFY(refused.wait(5000));
        QCOMPARE(refused.first().at(0).toInt(), attempt < 6 ? 2 : 7);
    }
    refused.clear();
    intruder.connection->login(QStringLiteral("cho"), QStringLiteral("pw"));
    QVERIFY(refused.wait(5000));
    QCOMPARE(refused.first().at(0).toInt(), 7);
    DemoPlayer locked;
    QVERIFY(locked.login(server.gamePort(), QStringLiteral("locked")));

    // The maintenance notice of a player who logs in later names the same time.
    QSignalSpy chosEvents(cho.connection.get(), &ConnectionManager::comingEvents);
    cho.connection->query_coming_events();
    QVERIFY(chosEvents.wait(5000));
    const auto maintenance = [](const QSignalSpy &events) {
        const auto list = events.first().at(0).value<ComingEvents>();
        return list.size() == 1 && list.front().kind == ComingEvent::ServerMaintenance ? list.front().time : QDateTime();
    };
    QVERIFY(maintenance(annsEvents).isValid());
    QCOMPARE(maintenance(chosEvents), maintenance(annsEvents));
}

void TestDemoTable::tournamentDialogListsTheRegisteredPlayers()
{
    // An open tournament of the demo world with 11 players registered: its dialog lists
    // them before the start, the player too once registered and no longer once
    // unregistered, and a played one its standings.
    TestServer server;
    QVERIFY(server.startDemo(23, 150));
    DemoPlayer player;
    QVERIFY(player.login(server.gamePort(), QStringLiteral("watcher")));
    QWidget lobby;
    const auto names = [](const QTreeView *list) {
        QStringList shown;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            for (int column = 0; column < list->model()->columnCount(); ++column)
                shown << list->model()->index(row, column).data().toString();
        }
        return shown;
    };
    for (const auto &[id, status, rows] : {std::tuple{502, TournamentInfo::Open, 11}, std::tuple{504, TournamentInfo::Done, 8}}) {
        TournamentInfo info(id);
        info.setStatus(status);
        TournamentDetailDialog dialog(&lobby);
        QObject::connect(player.connection.get(), &ConnectionManager::tournamentRankings, &dialog,
                         &TournamentDetailDialog::onTournamentRankings);
        dialog.setTournament(info);
        player.connection->get_tournament_ranking_list(id);
        auto *list = dialog.findChild<QTreeView *>(QStringLiteral("playerList"));
        QTRY_COMPARE_WITH_TIMEOUT(list->model()->rowCount(), rows, 5000);
        if (status != TournamentInfo::Open)
            continue;
        QCOMPARE(names(list).count(QStringLiteral("watcher")), 0);
        QSignalSpy registered(player.connection.get(), &ConnectionManager::tournamentRegisterSuccess);
        player.connection->register_tournament_request(id);
        QVERIFY(registered.wait(5000));
        player.connection->get_tournament_ranking_list(id);
        QTRY_COMPARE_WITH_TIMEOUT(list->model()->rowCount(), rows + 1, 5000);
        QCOMPARE(names(list).count(QStringLiteral("watcher")), 1);
        player.connection->unregister_tournament_request(id);
        QVERIFY(server.waitForOutput(QStringLiteral("SENT unregister_answer_t")));
        player.connection->get_tournament_ranking_list(id);
        QTRY_COMPARE_WITH_TIMEOUT(list->model()->rowCount(), rows, 5000);
        QCOMPARE(names(list).count(QStringLiteral("watcher")), 0);
    }
}

void TestDemoTable::theWorldSpeaksTheClientsLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("tableName");
    QTest::addColumn<QString>("tournament");
    QTest::addColumn<QString>("bot");
    QTest::addColumn<QString>("nameTaken");
    QTest::addColumn<QString>("noTable");
    QTest::addColumn<QString>("noPlayer");
    QTest::newRow("en") << "en" << "Table 3001" << "Demo Running Series" << " (bot)" << "That name is taken."
                        << "There is no such table." << "No such player.";
    QTest::newRow("ja") << "ja" << "テーブル 3001" << "デモ・開催中シリーズ" << "（CPU）" << "その名前はすでに使われています。"
                        << "そのテーブルはありません。" << "そのプレイヤーはいません。";
    QTest::newRow("zh_CN") << "zh_CN" << "牌桌 3001" << "演示进行中系列赛" << "（电脑）" << "该名称已被使用。"
                           << "没有这张牌桌。" << "没有这位玩家。";
    QTest::newRow("zh_TW") << "zh_TW" << "牌桌 3001" << "示範進行中系列賽" << "（電腦）" << "該名稱已被使用。"
                           << "沒有這張牌桌。" << "沒有這位玩家。";
}

// The demo world answers a client in the language it asks its table names in: the
// names of its tables, tournaments and computer players and its refusals. Every computer
// player has a name of his own, the one his lobby look-up answers to, so no two at a
// table share one.
void TestDemoTable::theWorldSpeaksTheClientsLanguage()
{
    QFETCH(QString, language);
    TestServer server;
    QVERIFY(server.startDemo(1, 0));
    DemoPlayer ann;
    QVERIFY(ann.connect(server.gamePort()));
    QSignalSpy names(ann.connection.get(), &ConnectionManager::localizedTableNames);
    ann.connection->query_localized_table_names(language, {});
    QVERIFY(names.wait(5000));
    QString regular;
    for (const LocalizedTableName &name : names.first().at(1).value<std::vector<LocalizedTableName>>()) {
        if (name.path == QLatin1String("Regular"))
            regular = QString(name.nameTemplate).replace(QLatin1String("{tableId}"), QLatin1String("3001"));
    }
    QTEST(regular, "tableName");
    QSignalSpy registered(ann.connection.get(), &ConnectionManager::registerUserAnswer);
    for (int attempt = 0; attempt < 2; ++attempt)
        ann.connection->register_user(QStringLiteral("ann"), QStringLiteral("pw"), QString(), QString());
    QTRY_COMPARE_WITH_TIMEOUT(registered.size(), 2, 5000);
    QCOMPARE(registered.at(0).at(0).toBool(), true);
    QCOMPARE(registered.at(1).at(0).toBool(), false);
    QTEST(registered.at(1).at(2).toString(), "nameTaken");
    QVERIFY(ann.login(QStringLiteral("ann")));

    QSignalSpy tournaments(ann.connection.get(), qOverload<const TournamentInfo &>(&ConnectionManager::tournamentInfoUpdate));
    const auto lastName = [&tournaments](qint32 id) {
        QString name;
        for (const QList<QVariant> &info : tournaments) {
            if (info.at(0).value<TournamentInfo>().id() == id)
                name = info.at(0).value<TournamentInfo>().name();
        }
        return name;
    };
    ann.connection->tournaments_lobby_subscribe();
    QTRY_VERIFY_WITH_TIMEOUT(!lastName(503).isEmpty(), 5000);
    QTEST(lastName(503), "tournament");

    // Every table watched: the computer players, each by a name of his own in the
    // language, which the look-up answers to.
    std::vector<qint32> tables;
    for (qint32 table = 3001; table <= 3014; ++table)
        tables.push_back(table);
    QTRY_VERIFY_WITH_TIMEOUT(std::all_of(tables.begin(), tables.end(), [&ann](qint32 table) { return ann.tables->hasTable(table); }),
                             5000);
    QSignalSpy watched(ann.connection.get(), &ConnectionManager::watchSuccessful);
    for (const qint32 table : tables)
        ann.connection->watch_table(table);
    QTRY_COMPARE_WITH_TIMEOUT(watched.size(), int(tables.size()), 10000);
    QVERIFY(serverRoundTrip(*ann.connection));
    std::map<qint32, QString> bots;
    for (const qint32 table : tables) {
        QVERIFY2(ann.model(table), qPrintable(QString::number(table)));
        for (const auto &[id, player] : ann.model(table)->players()) {
            if (id != ann.id)
                bots.emplace(id, player.name());
        }
    }
    QVERIFY2(bots.size() > 8, qPrintable(QString::number(bots.size())));
    QFETCH(QString, bot);
    std::set<QString> distinct;
    QSignalSpy users(ann.connection.get(), &ConnectionManager::queryUserAnswer);
    for (const auto &[id, name] : bots) {
        QVERIFY2(name.endsWith(bot), qPrintable(name));
        QVERIFY2(distinct.insert(name).second, qPrintable(name + QStringLiteral(" twice")));
        users.clear();
        ann.connection->query_user(name);
        QVERIFY(users.wait(5000));
        QCOMPARE(users.first().at(2).value<UserRecord>().playerId, id);
        QCOMPARE(users.first().at(2).value<UserRecord>().screenName, name);
    }
    users.clear();
    ann.connection->query_user(QStringLiteral("nobody here"));
    QVERIFY(users.wait(5000));
    QCOMPARE(users.first().at(1).toBool(), false);
    QTEST(users.first().at(3).toString(), "noPlayer");
    QSignalSpy refused(ann.connection.get(), &ConnectionManager::watchFailed);
    ann.connection->watch_table(5999);
    QVERIFY(refused.wait(5000));
    QTEST(refused.first().at(1).toString(), "noTable");

    // Back in English, the tournaments are named again in it.
    if (language != QLatin1String("en")) {
        ann.connection->query_localized_table_names(QStringLiteral("en"), {});
        QTRY_COMPARE_WITH_TIMEOUT(lastName(503), QStringLiteral("Demo Running Series"), 5000);
    }
}

MAHJONG_TEST_MAIN(TestDemoTable)
#include "tst_demotable.moc"
