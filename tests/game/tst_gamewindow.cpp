#include "game/GameWindow.h"

#include "SceneTestSetup.h"
#include "contrast.h"
#include "skinstylesheets.h"
#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "app/RulesetInfo.h"
#include "app/Singleton.h"
#include "app/Utils.h"
#include "app/wind.h"
#include "connection/ServerTime.h"
#include "game/AssignWindAnimation.h"
#include "game/DealStartHandAnimation.h"
#include "lobby/LocalizationDb.h"
#include "table/dialogs/RoundScoreBoard.h"
#include "table/dialogs/ScoreBoard.h"
#include "table/dialogs/SeatedWindow.h"
#include "table/sidebar/SideBar.h"
#include "table/dialogs/WashoutWindow.h"
#include "table/scene/DeclaredView.h"
#include "table/scene/DiscardView.h"
#include "table/scene/HandView.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/MeldView.h"
#include "table/scene/PlayerActionView.h"
#include "table/scene/TileAnimation.h"
#include "table/scene/TileView.h"
#include "table/scene/WindView.h"
#include "table/dialogs/ConcealedActionDialog.h"
#include "table/dialogs/MeldAuction.h"
#include "table/sidebar/TableChat.h"
#include "table/sidebar/PlayerWidget.h"
#include "table/sidebar/TimerView.h"
#include "ui/ModelessMsgBox.h"
#include "ui/ULabel.h"

#include "testmain.h"
#include "textfit.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGraphicsView>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QScrollBar>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextTable>
#include <QTimeLine>

#include <cmath>
#include <memory>

namespace {

constexpr qint32 tableId = 77;
constexpr qint32 me = 10;

tile_vector tiles(std::initializer_list<int> codes)
{
    tile_vector result;
    for (int c : codes)
        result.push_back(tile(static_cast<std::uint8_t>(c)));
    return result;
}

PlayerData makePlayer(qint32 id, const QString &name)
{
    PlayerData p(id, name);
    p.setReady(true);
    return p;
}

// The table's chat room, keeping the side bar's system lines.
class RecordingChat : public TableChat
{
public:
    explicit RecordingChat(QStringList *lines) : m_lines(lines) {}
    QWidget *widget() override { return &m_view; }
    void setTableRoom(qint32) override {}
    void leaveRoom() override {}
    bool isJoined() const override { return true; }
    void addSystemMessage(const ClientText &text) override { m_lines->append(text.toHtml()); }
    void setSuppressedNotices(int) override {}
    void setUserMenuCallback(UserMenuCallback) override {}

private:
    QStringList *m_lines;
    QTextEdit m_view;
};

// A skin's resources, over the test's artwork, for the time of a test; the search paths
// are as before once it ends, also when it fails.
class SkinPaths
{
public:
    SkinPaths()
        : m_resources(QDir::searchPaths(QStringLiteral("resources"))),
          m_textImages(QDir::searchPaths(QStringLiteral("textimages")))
    {
    }
    SkinPaths(const QString &skin, const QString &artwork) : SkinPaths() { use(skin, artwork); }
    ~SkinPaths()
    {
        QDir::setSearchPaths(QStringLiteral("resources"), m_resources);
        QDir::setSearchPaths(QStringLiteral("textimages"), m_textImages);
    }
    SkinPaths(const SkinPaths &) = delete;
    SkinPaths &operator=(const SkinPaths &) = delete;

    static void use(const QString &skin, const QString &artwork)
    {
        setupResourceSearchPaths({}, skin);
        QDir::setSearchPaths(QStringLiteral("resources"),
                             QStringList{artwork} << QDir::searchPaths(QStringLiteral("resources")));
    }

private:
    const QStringList m_resources;
    const QStringList m_textImages;
};

// A full-game table of four with its window following it:
// me (10) East, 11 South, 12 West, 13 North; the hand is started and dealt.
struct Table
{
    explicit Table(int gameType = TableInfo::FULL_GAME, int players = 4, bool shown = false,
                   LocalizationDb *names = nullptr)
        : tableNames(names), info(makeInfo(gameType)), model(tableId, info, me, QStringLiteral("me")),
          window(info, me, services())
    {
        window.setModel(&model);
        window.resize(1100, 760);
        if (shown) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }

        model.setJustJoined();
        std::vector<PlayerData> records = {makePlayer(me, QStringLiteral("me")),
                                           makePlayer(11, QStringLiteral("<b>Ann</b>")),
                                           makePlayer(12, QStringLiteral("Bob")),
                                           makePlayer(13, QStringLiteral("Cid"))};
        records.resize(static_cast<size_t>(players));
        model.onGameData(-1, static_cast<server_game_state::enum_t>(0), records, TableState(), WallState());
        TableState table;
        table.referencePlayer = me;
        Seating seating;
        // Two players sit East and West.
        for (int w = 0; w < players; ++w)
            seating.players[static_cast<size_t>(players == 2 ? 2 * w : w)] = records[static_cast<size_t>(w)].id();
        model.onStartHand(501, seating, {}, true, table, WallState());
    }

    void deal()
    {
        model.onTilesFromWall(tiles({0, 1, 2, 4, 4, 4, 9, 20, 21, 31, 31, 33, 34}), false);
        for (qint32 id : {11, 12, 13})
            model.onHiddenTilesFromWall(id, 13, false);
        model.onTilesFromWall(tiles({7}), false);
    }

    TableWindowServices services()
    {
        TableWindowServices s;
        s.tableChat = [this] { return std::make_unique<RecordingChat>(&lines); };
        s.tableNames = tableNames;
        return s;
    }

    static TableInfo makeInfo(int gameType)
    {
        TableInfo info(tableId);
        info.setRuleset(0);
        info.setGameType(gameType);
        info.setCapacity(TableCapacity(4, 0, 0));
        info.setLobbyPath(QStringLiteral("101/Regular"));
        return info;
    }

    LocalizationDb *tableNames;
    QStringList lines;
    TableInfo info;
    GameModel model;
    GameWindow window;
};

// A hand won by one player, who has no score lines.
EndHand winOf(qint32 winner, int endKind)
{
    EndHand end;
    end.endKind = endKind;
    EndHandPlayer row;
    row.playerId = winner;
    row.result = EndHandPlayer::Won;
    end.players[winner] = row;
    return end;
}

// What a plate of the side bar reads: the name, then the wind and the score where shown.
QString plateText(const PlayerWidget *plate)
{
    QStringList parts{plate->findChild<ULabel *>(QStringLiteral("nameLabel"))->fullText()};
    for (const char *name : {"windText", "scoresAndWins", "scoresAndWinsLabel"}) {
        const auto *label = plate->findChild<QLabel *>(QLatin1String(name));
        if (label->isVisibleTo(plate))
            parts << label->text();
    }
    return parts.join(QLatin1Char(' '));
}

// The tables of a document, those inside others' cells too.
std::vector<const QTextTable *> tablesIn(const QTextFrame *frame)
{
    std::vector<const QTextTable *> tables;
    for (const QTextFrame *child : frame->childFrames()) {
        if (const auto *table = qobject_cast<const QTextTable *>(child))
            tables.push_back(table);
        const std::vector<const QTextTable *> inner = tablesIn(child);
        tables.insert(tables.end(), inner.begin(), inner.end());
    }
    return tables;
}

// The totals of a hand-score table that its viewport does not show whole: the value of
// each total row (overlined), and the rows of the riichi sticks and of the hand score.
// Empty when every total is in sight; "no totals" when the table has none.
QStringList totalsOutOfSight(const QTextEdit *edit)
{
    const QStringList rowsNamed = {QCoreApplication::translate("Scores", "Riichi sticks"),
                                   QCoreApplication::translate("ScoreBoard", "Hand Score")};
    const QRect sight = edit->viewport()->rect();
    QStringList hidden;
    int totals = 0;
    for (const QTextTable *table : tablesIn(edit->document()->rootFrame())) {
        if (table->columns() != 2)
            continue;
        for (int row = 0; row < table->rows(); ++row) {
            const QTextTableCell name = table->cellAt(row, 0);
            const QTextTableCell value = table->cellAt(row, 1);
            QTextCursor nameText(name.firstCursorPosition());
            nameText.setPosition(name.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            QTextCursor valueText(value.firstCursorPosition());
            valueText.setPosition(value.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            QTextCursor first(value.firstCursorPosition());
            first.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
            const bool total = !valueText.selectedText().isEmpty() && first.charFormat().fontOverline();
            if (!total && !rowsNamed.contains(nameText.selectedText()))
                continue;
            ++totals;
            const QRect place = edit->cursorRect(name.firstCursorPosition()) | edit->cursorRect(value.lastCursorPosition());
            if (!sight.contains(place))
                QDebug(&hidden.emplace_back()).nospace() << nameText.selectedText() << ' ' << valueText.selectedText()
                                                         << " at " << place << " outside " << sight;
        }
    }
    return totals > 0 ? hidden : QStringList{QStringLiteral("no totals")};
}

// The tiles of the own hand that the arrow marks new.
tile_vector markedNew(const GameWindow &window)
{
    tile_vector result;
    for (const HandTile *item : window.handView()->items())
        if (item->isMarked())
            result.push_back(item->tileValue());
    return result;
}

// Whether a text holds a word for a table, in one of the four languages.
bool wordForATable(const QString &text)
{
    for (const char *word : {"table", "テーブル", "卓", "桌", "檯"}) {
        if (text.contains(QString::fromUtf8(word), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

int tileCount(const DeclaredView *view)
{
    int count = 0;
    for (const MeldView *meld : view->melds())
        count += static_cast<int>(meld->tiles().size());
    return count;
}

} // namespace

class TestGameWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void dealAndFirstDraw();
    void handJoinedDuringItsPlaySaysItStarted();
    void windMarkersAndDealOpenTheHand_data();
    void windMarkersAndDealOpenTheHand();
    void ownDiscardPrediction();
    void othersMeldsAndOddKinds();
    void handEndNamesDeclarersAndChoosesDialog();
    void playersSeatedAtTheDealShowTheirScores_data();
    void playersSeatedAtTheDealShowTheirScores();
    void scoreBoardCaptionGoesWithItsCountdown();
    void washoutWindowFollowsTheGame();
    void dealMarksNoTileNew_data();
    void dealMarksNoTileNew();
    void newMarkOnlyOnTheDrawSinceTheLastDiscard_data();
    void newMarkOnlyOnTheDrawSinceTheLastDiscard();
    void scoreBoardTotalsInSight();
    void roundResultAndTheLastBoardInSight();
    void roundResultOfferedOnlyOutOfSight();
    void tableClickAfterActivation();
    void spaceInTheTablesOwnDialogs();
    void offersAndLeave();
    void concealedButtonsKeepClear();
    void announcementsStandInsideTheTable();
    void dialogsStayOverTheTable();
    void kickBoxes();
    void overlayTextsWhole_data();
    void overlayTextsWhole();
    void msecsBetweenCountsDays();
    void destroyMidDeal();

private:
    void dialogsOverTheTableIn(const QString &skin, const QString &styleSheet);

    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
};

void TestGameWindow::initTestCase()
{
    SceneTestSetup::install(m_artwork.path(), m_work.path());
    // Where the overlays' pictures go, also in a build no other test has written to.
    QVERIFY(QDir().mkpath(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")) + QStringLiteral("/screenshots")));
}

void TestGameWindow::init()
{
    QSettings().setValue(QStringLiteral("game/animations"), false);
}

void TestGameWindow::dealAndFirstDraw()
{
    QSettings().setValue(QStringLiteral("game/animations"), true);
    Table t(TableInfo::FULL_GAME, 4, true);
    // The deal flies 53 tiles; the wind markers and the deal hold the queue.
    QVERIFY(t.window.actionQueue().isBusy());
    const auto dealt = [&t] {
        int count = 0;
        for (int i = 0; i < GameWindow::DealSlots; ++i)
            count += t.window.dealTile(i) ? 1 : 0;
        return count;
    };
    QCOMPARE(dealt(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(dealt(), 53, 10000);
    QCOMPARE(DealStartHandAnimation::dealWind(4, 52), 0);
    QCOMPARE(DealStartHandAnimation::dealWind(3, 38), 2);
    QCOMPARE(DealStartHandAnimation::dealWind(2, 25), 2);
    t.window.grab().save(QCoreApplication::applicationDirPath() + QStringLiteral("/gamewindow-deal.png"));

    // The 13-tile draws change nothing; the first real draw ends the deal at once and
    // shows the hands the model holds.
    const int waiting = t.window.actionQueue().size();
    t.model.onTilesFromWall(tiles({0, 1, 2, 4, 4, 4, 9, 20, 21, 31, 31, 33, 34}), false);
    for (qint32 id : {11, 12, 13})
        t.model.onHiddenTilesFromWall(id, 13, false);
    QCOMPARE(t.window.actionQueue().size(), waiting);
    t.model.onTilesFromWall(tiles({7}), false);
    QTRY_VERIFY(!t.window.actionQueue().isBusy());
    QCOMPARE(t.window.handView()->tiles().size(), size_t(14));
    for (int seat = 1; seat < 4; ++seat)
        QCOMPARE(t.window.hiddenHandView(seat)->tileCount(), 13);
    for (int i = 0; i < GameWindow::DealSlots; ++i)
        QVERIFY(!t.window.dealTile(i)->tileItem()->isVisible());
    QVERIFY(t.lines.contains(QStringLiteral("Hand started")));
    t.window.grab().save(QCoreApplication::applicationDirPath() + QStringLiteral("/gamewindow-hand.png"));

    // The score board first stands over the middle of the table; the table around it
    // is drawn as it is without the board.
    const EndHand end = winOf(11, EndHand::Ron);
    t.window.onHandEnd(end);
    QWidget *board = t.window.scoreBoard();
    QVERIFY(board->isVisible());
    const QPoint middle = t.window.view()->geometry().center();
    QVERIFY((board->geometry().center() - middle).manhattanLength() <= 2);
    const QImage covered = t.window.grab().toImage();
    covered.save(QCoreApplication::applicationDirPath() + QStringLiteral("/gamewindow-score.png"));
    board->hide();
    const QImage open = t.window.grab().toImage();
    const QRect kept = board->geometry().adjusted(-8, -8, 8, 8);
    int differing = 0;
    for (int y = 0; y < open.height(); ++y)
        for (int x = 0; x < open.width(); ++x)
            differing += !kept.contains(x, y) && open.pixel(x, y) != covered.pixel(x, y) ? 1 : 0;
    QCOMPARE(differing, 0);
    // Where the player moves it, the next hand's board stays.
    board->move(20, 30);
    t.window.onHandEnd(end);
    QCOMPARE(board->pos(), QPoint(20, 30));
}

void TestGameWindow::windMarkersAndDealOpenTheHand_data()
{
    QTest::addColumn<int>("players");
    // The seat that receives each dealt tile (0 the own at the bottom, East): blocks of
    // four around the table three times, one tile each, and East's fourteenth.
    QTest::addColumn<QString>("order");
    QTest::newRow("four players") << 4 << QStringLiteral("0000111122223333").repeated(3) + QStringLiteral("01230");
    QTest::newRow("three players") << 3 << QStringLiteral("000011112222").repeated(3) + QStringLiteral("0120");
    QTest::newRow("two players") << 2 << QStringLiteral("00002222").repeated(3) + QStringLiteral("020");
}

// A hand joined during its play, from the table's snapshot, as after leaving it or losing
// the connection: the table's chat says it started, once however often the snapshot comes,
// and the next hand's start after its deal.
void TestGameWindow::handJoinedDuringItsPlaySaysItStarted()
{
    QStringList lines;
    TableWindowServices services;
    services.tableChat = [&lines] { return std::make_unique<RecordingChat>(&lines); };
    const TableInfo info = Table::makeInfo(TableInfo::FULL_GAME);
    GameModel model(tableId, info, me, QStringLiteral("me"));
    GameWindow window(info, me, services);
    window.setModel(&model);
    std::vector<PlayerData> records;
    Seating seating;
    for (int w = 0; w < 4; ++w) {
        records.push_back(makePlayer(me + w, QStringLiteral("player-%1").arg(w)));
        records.back().setWind(w);
        records.back().setHiddenTileCount(13);
        seating.players[static_cast<size_t>(w)] = me + w;
    }
    TableState table;
    table.referencePlayer = me;
    const auto started = [&lines] { return lines.count(QStringLiteral("Hand started")); };
    model.setJustJoined();
    model.onGameData(501, static_cast<server_game_state::enum_t>(1), records, table, WallState());
    QCOMPARE(model.playerState(), int(GameModel::PLAYING));
    QCOMPARE(started(), 1);
    model.onGameData(501, static_cast<server_game_state::enum_t>(1), records, table, WallState());
    QTRY_VERIFY(!window.actionQueue().isBusy() && window.actionQueue().isEmpty());
    QCOMPARE(started(), 1);

    model.onHandEnd(EndHand());
    model.onStartHand(502, seating, {}, false, table, WallState());
    QTRY_COMPARE(started(), 2);
}

// The hand opens as the players see it, each moment of the animations' time lines set in
// turn: the wind markers spiral out of the table's middle to their seats, turning once
// against the clock; the tiles leave the wall four at a time and land in the order of
// the deal, each seat's hand filling from its first place.
void TestGameWindow::windMarkersAndDealOpenTheHand()
{
    QFETCH(int, players);
    QFETCH(QString, order);
    QSettings().setValue(QStringLiteral("game/animations"), true);
    Table t(TableInfo::FULL_GAME, players, true);
    const int count = int(order.size());
    QTRY_VERIFY_WITH_TIMEOUT(t.window.dealTile(0), 10000);
    for (int i = 0; i < GameWindow::DealSlots; ++i)
        QCOMPARE(bool(t.window.dealTile(i)), i < count);
    // The deal's, which goes with the deal once it has run.
    const QPointer<QTimeLine> deal = t.window.dealTile(0)->timeLine();
    if (deal->state() == QTimeLine::Running)
        deal->setPaused(true);
    const auto centreOf = [&t](int i) { return t.window.dealTile(i)->tileItem()->pos(); };
    deal->setCurrentTime(0);
    std::vector<QPointF> onTheWall;
    for (int i = 0; i < count; ++i)
        onTheWall.push_back(centreOf(i));
    QList<int> leaving;
    for (int ms = 0; ms <= deal->duration(); ms += 5) {
        deal->setCurrentTime(ms);
        int left = 0;
        for (int i = 0; i < count; ++i)
            left += centreOf(i) != onTheWall[size_t(i)];
        if (leaving.isEmpty() || leaving.back() != left)
            leaving << left;
    }
    QStringList counts;
    for (int left : leaving)
        counts << QString::number(left);
    const QByteArray seen = QStringLiteral("tiles on their way: ").append(counts.join(QLatin1Char(' '))).toUtf8();
    QVERIFY2(leaving.size() > 2 && leaving.front() == 0 && leaving.back() == count, seen.constData());
    for (int k = 1; k < leaving.size(); ++k)
        QVERIFY2(leaving[k] > leaving[k - 1] && (leaving[k] % 4 == 0 || leaving[k] == count), seen.constData());

    // Landed: each tile at the place of its seat's hand that the deal gave it, the places
    // of a hand a tile's length apart.
    std::array<int, 4> received{};
    std::array<QPointF, 4> first{};
    for (int i = 0; i < count; ++i) {
        const QPointF landed = centreOf(i);
        int nearest = -1;
        double distance = 0;
        for (int seat = 0; seat < 4; ++seat) {
            for (int n = 0; n < 14; ++n) {
                const double d = QLineF(landed, t.window.hiddenHandView(seat)->tileScenePos(n)).length();
                if (nearest < 0 || d < distance) {
                    nearest = seat;
                    distance = d;
                }
            }
        }
        const int seat = order.at(i).digitValue();
        const int n = received[size_t(seat)]++;
        QVERIFY2(nearest == seat, qPrintable(QStringLiteral("tile %1 lands at seat %2, not %3")
                                                 .arg(QString::number(i), QString::number(nearest), QString::number(seat))));
        if (n == 0)
            first[size_t(seat)] = landed;
        const HiddenHandView *hand = t.window.hiddenHandView(seat);
        const QPointF step = landed - first[size_t(seat)] - (hand->tileScenePos(n) - hand->tileScenePos(0));
        QVERIFY2(step.manhattanLength() < 0.5, qPrintable(QStringLiteral("tile %1 lands as the %2th of seat %3, %4 off")
                                                              .arg(QString::number(i), QString::number(n), QString::number(seat),
                                                                   QString::number(step.manhattanLength()))));
    }
    if (deal->state() == QTimeLine::Paused)
        deal->setPaused(false);
    QTRY_VERIFY_WITH_TIMEOUT(!deal || deal->state() == QTimeLine::NotRunning, 10000);

    // The markers jump to the middle and spiral out from there. Angles are the scene's,
    // which grow with the clock on the screen.
    AssignWindAnimation spiral(&t.window);
    QPointF middle;
    for (int m = 0; m < 4; ++m)
        middle += t.window.seatMarkerPos(m) / 4;
    const auto offset = [&t, &middle](int m) { return t.window.windMarker(m)->pos() - middle; };
    for (int m = 0; m < 4; ++m)
        QVERIFY(offset(m).manhattanLength() < 0.01);
    QTimeLine *line = spiral.timeLine();
    std::array<double, 4> turned{};
    std::array<double, 4> lastAngle{};
    std::array<double, 4> lastRadius{};
    for (int ms = 0; ms <= line->duration(); ms += 5) {
        line->setCurrentTime(ms);
        for (size_t m = 0; m < 4; ++m) {
            const QPointF o = offset(int(m));
            const double radius = std::hypot(o.x(), o.y());
            QVERIFY2(radius >= lastRadius[m], qPrintable(QStringLiteral("marker %1 comes back at %2 ms").arg(m).arg(ms)));
            lastRadius[m] = radius;
            if (radius < 1)
                continue;
            const double angle = std::atan2(o.y(), o.x()) * 180 / M_PI;
            if (turned[m] != 0 || lastAngle[m] != 0) {
                const double change = std::remainder(angle - lastAngle[m], 360.0);
                QVERIFY2(change <= 0.01, qPrintable(QStringLiteral("marker %1 turns with the clock at %2 ms").arg(m).arg(ms)));
                turned[m] += change;
            }
            lastAngle[m] = angle == 0 ? 1e-9 : angle;
        }
    }
    for (int m = 0; m < 4; ++m) {
        QVERIFY2(std::abs(turned[size_t(m)] + 360) < 10,
                 qPrintable(QStringLiteral("marker %1 turns %2 degrees").arg(m).arg(turned[size_t(m)])));
        QVERIFY((t.window.windMarker(m)->pos() - t.window.seatMarkerPos(m)).manhattanLength() < 0.01);
    }
}

void TestGameWindow::ownDiscardPrediction()
{
    Table t;
    t.deal();
    QSignalSpy discards(&t.window, &GameWindow::discardTile);
    t.window.handView()->setTilesSelectable(true);
    t.window.onTileClick(tile(7), true);
    QCOMPARE(discards.size(), 1);
    QCOMPARE(discards.at(0).at(2).value<tile>(), tile(7));
    QCOMPARE(t.window.discardView(0)->items().size(), size_t(1));
    // The server agrees: nothing moves again.
    t.model.onTileDiscarded(me, tile(7), false);
    QCOMPARE(t.window.discardView(0)->items().size(), size_t(1));
    QCOMPARE(t.window.handView()->tiles().size(), size_t(13));

    // The next prediction is wrong: the clicked tile comes back, the reported one lies.
    t.model.onTilesFromWall(tiles({8}), false);
    t.window.handView()->setTilesSelectable(true);
    t.window.onTileClick(tile(0), false);
    t.model.onTileDiscarded(me, tile(8), false);
    QCOMPARE(t.window.discardView(0)->items().size(), size_t(2));
    QCOMPARE(t.window.discardView(0)->items().back()->tileValue(), tile(8));
    const tile_vector hand = t.window.handView()->tiles();
    QVERIFY(std::find(hand.begin(), hand.end(), tile(0)) != hand.end());
    QCOMPARE(hand.size(), size_t(13));
}

void TestGameWindow::othersMeldsAndOddKinds()
{
    Table t;
    t.deal();
    t.model.onTileDiscarded(me, tile(31), false);
    // A pair moves two tiles; a concealed kong moves four face down.
    t.model.onMeldDeclared(11, meld_tuple(PAIR, 0, tile(5), me));
    QCOMPARE(tileCount(t.window.declaredView(1)), 2);
    t.model.onHiddenTilesFromWall(12, 1, false);
    t.model.onMeldDeclared(12, meld_tuple(KONG, meld_tuple::FaceDown, tile(6)));
    QCOMPARE(tileCount(t.window.declaredView(2)), 4);
    // Kinds without a view and unknown players are passed over.
    t.window.onMeldDeclared(13, meld_tuple(MAHJONG, 0, tile(5)));
    t.window.onMeldDeclared(13, meld_tuple(RIICHI, 0, tile(5)));
    t.window.onMeldDeclared(99, meld_tuple(PONG, 0, tile(5)));
    t.window.onTileDiscarded(99, tile(5), false);
    t.window.onHiddenTilesFromWall(99, 1, false);
    QCOMPARE(tileCount(t.window.declaredView(3)), 0);
    QVERIFY_THROWS_EXCEPTION(std::exception, t.window.seatOf(99));
    QCOMPARE(t.window.seatOf(13), 3);
}

void TestGameWindow::handEndNamesDeclarersAndChoosesDialog()
{
    {
        Table t;
        t.deal();
        EndHand end;
        end.endKind = EndHand::Ron;
        for (qint32 id : {12, 11}) {
            EndHandPlayer row;
            row.playerId = id;
            row.result = EndHandPlayer::Won;
            end.players[id] = row;
        }
        t.window.onHandEnd(end);
        QCOMPARE(t.lines.last(), QStringLiteral("&lt;b&gt;Ann&lt;/b&gt; and Bob declared mahjong!"));
        QVERIFY(!t.window.scoreBoard()->isHidden());
    }
    struct Case
    {
        int gameType;
        int endKind;
        int payment;
        bool board;
    };
    const Case cases[] = {
        {TableInfo::FULL_GAME, 7, 100, true},
        {TableInfo::SINGLE_HAND, 7, 100, false},
        {TableInfo::SINGLE_HAND, 1, 0, true},
        {TableInfo::FULL_GAME, 7, 0, false},
    };
    for (const Case &c : cases) {
        Table t(c.gameType);
        t.deal();
        EndHand end;
        end.endKind = c.endKind;
        EndHandPlayer row;
        row.playerId = 11;
        row.payment = c.payment;
        row.result = c.endKind == 1 ? EndHandPlayer::Won : EndHandPlayer::NoResult;
        end.players[11] = row;
        t.window.onHandEnd(end);
        QCOMPARE(!t.window.scoreBoard()->isHidden(), c.board);
        QCOMPARE(!t.window.washoutWindow()->isHidden(), !c.board);
    }
}

void TestGameWindow::playersSeatedAtTheDealShowTheirScores_data()
{
    QTest::addColumn<bool>("readyBeforeTheDeal");
    QTest::newRow("joined, then the deal") << false;
    QTest::newRow("said ready, then the deal") << true;
}

// Computer players who take their seats as the hand is dealt: they join between hands,
// and the deal is the first the window hears of their seats. From the deal on, each
// plate of the side bar reads its player's name, wind and score, as it does for
// players who said ready before the deal.
void TestGameWindow::playersSeatedAtTheDealShowTheirScores()
{
    QFETCH(bool, readyBeforeTheDeal);
    QTest::failOnWarning(QRegularExpression(QStringLiteral("no such player")));
    TableInfo info = Table::makeInfo(TableInfo::FULL_GAME);
    info.setRuleset(RulesetInfo::MCR);
    GameModel model(tableId, info, me, QStringLiteral("me"));
    GameWindow window(info, me, TableWindowServices());
    window.setModel(&model);
    model.setJustJoined();
    model.onGameData(-1, static_cast<server_game_state::enum_t>(0),
                     {makePlayer(me, QStringLiteral("me")), makePlayer(11, QStringLiteral("Ann"))}, TableState(),
                     WallState());
    for (const qint32 bot : {9037, 9038}) {
        model.onPlayerJoined(makePlayer(bot, QStringLiteral("Bot %1").arg(bot)));
        if (readyBeforeTheDeal)
            model.onPlayerIsReady(bot);
    }
    TableState table;
    table.referencePlayer = me;
    Seating seating;
    seating.players = {me, 11, 9037, 9038};
    const round_score_vector scores = {{me, 2000, 0}, {11, 1990, 0}, {9037, 2010, 0}, {9038, 2000, 0}};
    model.onStartHand(900, seating, scores, true, table, WallState());
    QTRY_VERIFY(!window.actionQueue().isBusy());

    QStringList expected;
    for (int w = 0; w < 4; ++w) {
        const PlayerData &player = model.player(seating.players[size_t(w)]);
        expected << QStringList{player.name(), windDisplayName(w), QStringLiteral("%L1").arg(scores[size_t(w)].gameScore),
                                PlayerWidget::tr("%npts", "don't include %n in translation, only used to get correct noun form",
                                                 scores[size_t(w)].gameScore)}
                        .join(QLatin1Char(' '));
    }
    QStringList shown;
    for (const PlayerWidget *plate : window.sideBar()->playerRows())
        shown << plateText(plate);
    QCOMPARE(shown, expected);
}

// The score board left open: its caption "Next hand starts in:" shows beside the
// countdown the ready question starts, and no longer once the next hand has started,
// before the countdown's end, when Close stands in the place of Ready. A game's last
// board in the skin: the winner's table reads whole beside the countdown, and stays
// whole, unscrolled, when the countdown runs out and its caption and timer give their
// room to the board, which lays its tables out again.
void TestGameWindow::scoreBoardCaptionGoesWithItsCountdown()
{
    Table t;
    t.deal();
    t.model.onHandEnd(winOf(11, EndHand::Mahjong));
    ScoreBoard *board = t.window.scoreBoard();
    QVERIFY(board->isVisibleTo(&t.window));
    auto *caption = board->findChild<QLabel *>(QStringLiteral("nextRoundLabel"));
    auto *countdown = board->findChild<TimerView *>(QStringLiteral("nextRoundTimer"));
    const auto shown = [board](const QWidget *widget) { return widget->isVisibleTo(board); };

    const QDateTime now = Singleton<ServerTime>::instance().now();
    t.model.onAreYouReady(TimeSpan(now, now.addSecs(30)));
    QVERIFY(shown(caption));
    QVERIFY(shown(countdown) && countdown->showsTime());
    QVERIFY(shown(board->findChild<QPushButton *>(QStringLiteral("readyPushButton"))));

    TableState table;
    table.referencePlayer = me;
    Seating seating;
    seating.players = {me, 11, 12, 13};
    t.model.onStartHand(502, seating, {}, false, table, WallState());
    QVERIFY(board->isVisibleTo(&t.window));
    QVERIFY(shown(board->findChild<QPushButton *>(QStringLiteral("closePushButton"))));
    QVERIFY(!shown(countdown));
    QVERIFY(!shown(caption));

    // The last board of a riichi game: a self-drawn win of a line of points and two
    // doubles with the riichi sticks, and a dora, at table sizes from where the winner's
    // table stands over the others' columns to where it has one of its own, and at
    // 1920x1080, every countdown running out at once.
    const SkinPaths skinPaths(QStringLiteral("default"), m_artwork.path());
    EndHand last = winOf(11, EndHand::Tsumo);
    last.gameEnds = true;
    last.dora = {tile(4)};
    EndHandPlayer &winner = last.players[11];
    winner.name = QStringLiteral("Ann");
    winner.points = {{QString(), 20, 0}};
    winner.pointsTotal = 20;
    winner.doubles = {{QString(), 1, 3}, {QString(), 1, 4}};
    winner.doublesTotal = 2;
    winner.bonuses = {{QString(), 1000, 4}};
    winner.settlement = 1700;
    winner.hand = {{{tile(0), tile(1), tile(2)}, -1}, {{tile(31), tile(31), tile(31)}, 2}};
    for (const qint32 id : {me, qint32(12), qint32(13)}) {
        EndHandPlayer &loser = last.players[id];
        loser.playerId = id;
        loser.name = t.model.player(id).name();
        loser.settlement = -500;
        loser.hand = winner.hand;
    }
    std::vector<QSize> sizes;
    for (int height = 700; height <= 740; height += 8)
        sizes.emplace_back(1024, height);
    sizes.insert(sizes.end(), {QSize(1024, 768), QSize(1920, 1080)});
    std::vector<std::unique_ptr<Table>> tables;
    for (const QSize size : sizes) {
        Table &at = *tables.emplace_back(std::make_unique<Table>(TableInfo::FULL_GAME, 4, true));
        at.window.setStyleSheet(skinStyleSheets());
        TableInfo riichi = at.info;
        riichi.setRuleset(RulesetInfo::JAPANESE_RIICHI);
        at.model.onTableInfo(riichi);
        at.window.resize(size);
        QTRY_COMPARE(at.window.size(), size);
        at.deal();
        at.model.onHandEnd(last);
    }
    const QDateTime start = Singleton<ServerTime>::instance().now();
    for (const auto &at : tables)
        at->model.onAreYouReady(TimeSpan(start, start.addSecs(5)));
    // The table of the winner, shown whole without scrolling.
    const auto winnersTable = [](const Table &at) {
        return at.window.scoreBoard()->findChild<QTextEdit *>(QStringLiteral("score1"));
    };
    const auto whole = [&winnersTable](const Table &at) {
        const QTextEdit *box = winnersTable(at);
        return !box->verticalScrollBar()->isVisible() && box->verticalScrollBar()->value() == 0
               && totalsOutOfSight(box).isEmpty() && box->document()->size().height() <= box->viewport()->height();
    };
    const auto state = [&winnersTable](const Table &at) {
        QString text;
        const QTextEdit *box = winnersTable(at);
        QDebug(&text) << at.window.size() << "box" << box->size() << "text" << box->document()->size()
                      << totalsOutOfSight(box);
        return text;
    };
    const auto save = [](Table &at, const char *step) {
        const QSize size = at.window.size();
        if (size != QSize(1024, 768) && size != QSize(1920, 1080))
            return true;
        return at.window.grab().save(QStringLiteral("%1/table-board-countdown-%2-%3x%4.png")
                                         .arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")),
                                              QLatin1String(step), QString::number(size.width()),
                                              QString::number(size.height())));
    };
    const auto counting = [](const Table &at) {
        return at.window.scoreBoard()->findChild<QLabel *>(QStringLiteral("nextRoundLabel"))->isVisible();
    };
    std::vector<QSize> before;
    for (const auto &at : tables) {
        QVERIFY2(counting(*at), qPrintable(state(*at)));
        QTRY_VERIFY2(whole(*at), qPrintable(state(*at)));
        QVERIFY(save(*at, "running"));
        before.push_back(winnersTable(*at)->size());
    }
    // The countdown's room goes to the board, laid out again.
    for (size_t i = 0; i < tables.size(); ++i) {
        const Table &at = *tables[i];
        QTRY_VERIFY_WITH_TIMEOUT(!counting(at) && winnersTable(at)->size() != before[i], 10000);
    }
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    for (const auto &at : tables) {
        QVERIFY2(!at->window.scoreBoard()->findChild<TimerView *>(QStringLiteral("nextRoundTimer"))->isVisible(),
                 qPrintable(state(*at)));
        QVERIFY2(whole(*at), qPrintable(state(*at)));
        QVERIFY(save(*at, "ran-out"));
    }
}

// The last hand of a game washes out: the washout window offers the next game. Left
// open while the next game's first hand is dealt, it offers it no more: Ok stands in
// the place of Play and closes the window without a word to the server. The next
// washout offers the next hand again.
void TestGameWindow::washoutWindowFollowsTheGame()
{
    Table t(TableInfo::FULL_GAME, 4, true);
    t.deal();
    EndHand end;
    end.endKind = 4;
    end.gameEnds = true;
    for (const qint32 id : {me, qint32(11), qint32(12), qint32(13)})
        end.players[id].playerId = id;
    t.model.onHandEnd(end);
    WashoutWindow *washout = t.window.washoutWindow();
    QVERIFY(washout->isVisible());
    auto *ready = washout->findChild<QPushButton *>(QStringLiteral("readyButton"));
    auto *ok = washout->findChild<QPushButton *>(QStringLiteral("okButton"));
    const QDateTime now = Singleton<ServerTime>::instance().now();
    t.model.onAreYouReady(TimeSpan(now, now.addSecs(30)));
    QVERIFY(ready->isVisible() && ready->isDefault());
    QVERIFY2(ready->text().startsWith(QLatin1String("Play (")), qPrintable(ready->text()));
    QVERIFY(!ok->isVisible());

    QSignalSpy readies(&t.window, &GameWindow::ready);
    TableState table;
    table.referencePlayer = me;
    Seating seating;
    seating.players = {me, 11, 12, 13};
    t.model.onStartHand(502, seating, {}, true, table, WallState());
    QVERIFY(washout->isVisible());
    QVERIFY(!ready->isVisible());
    QVERIFY(ok->isVisible() && ok->isDefault());
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!washout->isVisible());
    QCOMPARE(readies.count(), 0);

    t.deal();
    end.gameEnds = false;
    t.model.onHandEnd(end);
    QVERIFY(washout->isVisible());
    QVERIFY(ready->isVisible() && !ok->isVisible());
    QCOMPARE(ready->text(), QStringLiteral("Next hand"));
    QTest::mouseClick(ready, Qt::LeftButton);
    QCOMPARE(readies.count(), 1);
}

void TestGameWindow::dealMarksNoTileNew_data()
{
    QTest::addColumn<QString>("inFront");
    for (const char *front : {"nothing", "the score board", "the washout window", "another tab"})
        QTest::newRow(front) << QString::fromLatin1(front);
}

// A hand dealt to a player who is not the dealer, with the deal's moves shown: the
// flower dealt is replaced, the dealer draws and discards, then the player draws. Whatever stands in front of the
// table (the last hand's score board or washout window left open, another tab of the
// main window), once the table is in sight the hand stands sorted and no tile is
// marked new until the player's own draw, which alone is.
void TestGameWindow::dealMarksNoTileNew()
{
    QFETCH(QString, inFront);
    QSettings().setValue(QStringLiteral("game/animations"), true);
    Table t(TableInfo::FULL_GAME, 4, true);
    t.deal();
    EndHand end = winOf(11, EndHand::Mahjong);
    if (inFront == QLatin1String("the washout window")) {
        end.endKind = 4;
        end.players.clear();
        end.players[12].playerId = 12;
    }
    t.model.onHandEnd(end);
    QWidget *front = inFront == QLatin1String("the score board")       ? static_cast<QWidget *>(t.window.scoreBoard())
                     : inFront == QLatin1String("the washout window") ? t.window.washoutWindow()
                                                                        : nullptr;
    if (!front) {
        t.window.scoreBoard()->hide();
        t.window.washoutWindow()->hide();
    }
    QVERIFY(!front || front->isVisible());
    if (inFront == QLatin1String("another tab"))
        t.window.hide();

    // Ann deals: the player sits South.
    TableState table;
    table.referencePlayer = me;
    Seating seating;
    seating.players = {11, me, 12, 13};
    t.model.onStartHand(502, seating, {}, false, table, WallState());
    const tile_vector dealt = tiles({33, 4, 20, 0, 9, 31, 1, 4, 34, 21, 2, 31, 4});
    t.model.onTilesFromWall(dealt, false);
    for (const qint32 id : {11, 12, 13})
        t.model.onHiddenTilesFromWall(id, 13, false);
    // The flower dealt is laid out and replaced before the first turn.
    t.model.onDeclareBonus(me, tiles({34}));
    t.model.onTilesFromWall(tiles({5}), true);
    t.model.onHiddenTilesFromWall(11, 1, false);
    t.model.onTileDiscarded(11, tile(8), false);
    QTRY_VERIFY(!t.window.actionQueue().isBusy());
    if (front) {
        // The board's Close, the washout window's Ok.
        const auto buttons = front->findChildren<QPushButton *>();
        const auto close = std::find_if(buttons.begin(), buttons.end(), [](const QPushButton *button) {
            return button->isVisible() && (button->objectName() == QLatin1String("closePushButton")
                                           || button->objectName() == QLatin1String("okButton"));
        });
        QVERIFY(close != buttons.end());
        QTest::mouseClick(*close, Qt::LeftButton);
    }
    if (inFront == QLatin1String("another tab")) {
        t.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    }
    QVERIFY(!t.window.scoreBoard()->isVisible() && !t.window.washoutWindow()->isVisible());
    const auto marked = [&t] {
        tile_vector result;
        for (const HandTile *item : t.window.handView()->items())
            if (item->isMarked())
                result.push_back(item->tileValue());
        return result;
    };
    tile_vector sorted = tiles({33, 4, 20, 0, 9, 31, 1, 4, 5, 21, 2, 31, 4});
    std::sort(sorted.rbegin(), sorted.rend());
    QCOMPARE(t.window.handView()->tiles(), sorted);
    QCOMPARE(marked(), tile_vector());
    t.window.grab().save(QStringLiteral("%1/table-dealt-behind-%2.png")
                             .arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")),
                                  inFront.section(QLatin1Char(' '), -1)));

    t.model.onTilesFromWall(tiles({7}), false);
    t.model.onPlayerShouldAct(me, TimeSpan());
    QTRY_VERIFY(!t.window.actionQueue().isBusy());
    QCOMPARE(marked(), tiles({7}));
    QCOMPARE(t.window.handView()->tiles().back(), tile(7));
    QCOMPARE(t.window.handView()->tiles().size(), size_t(14));
}

void TestGameWindow::newMarkOnlyOnTheDrawSinceTheLastDiscard_data()
{
    QTest::addColumn<int>("ruleset");
    QTest::addColumn<QString>("inFront");
    QTest::newRow("MCR, the table in front") << int(RulesetInfo::MCR) << QStringLiteral("table");
    QTest::newRow("riichi, another tab in front") << int(RulesetInfo::JAPANESE_RIICHI) << QStringLiteral("tab");
    QTest::newRow("MCR, the score board in front") << int(RulesetInfo::MCR) << QStringLiteral("board");
}

// The dealer leaves four turns in a row to time out, each drawing a tile the hand holds
// already, which the server discards; the others draw and discard between them. Then
// the player claims a pung, discards, and claims a kong. Whether the table is in front,
// behind another tab of the main window or behind the last hand's score board, the
// arrow marks the tile drawn since the player's last discard and no other: none after
// a discard, none after the pung, the kong's replacement draw.
void TestGameWindow::newMarkOnlyOnTheDrawSinceTheLastDiscard()
{
    QFETCH(int, ruleset);
    QFETCH(QString, inFront);
    Table t(TableInfo::FULL_GAME, 4, true);
    t.window.resize(1024, 768);
    TableInfo info = t.info;
    info.setRuleset(ruleset);
    t.model.onTableInfo(info);
    if (inFront == QLatin1String("tab"))
        t.window.hide();

    t.model.onTilesFromWall(tiles({0, 1, 2, 4, 4, 9, 20, 21, 31, 31, 33, 33, 33}), false);
    for (const qint32 id : {11, 12, 13})
        t.model.onHiddenTilesFromWall(id, 13, false);
    if (inFront == QLatin1String("board")) {
        t.window.onHandEnd(winOf(11, EndHand::Tsumo));
        QVERIFY(t.window.scoreBoard()->isVisible());
    }
    const auto othersDiscard = [&t](std::initializer_list<int> codes) {
        auto code = codes.begin();
        for (const qint32 id : {11, 12, 13}) {
            if (code == codes.end())
                return;
            t.model.onHiddenTilesFromWall(id, 1, false);
            t.model.onTileDiscarded(id, tile(static_cast<std::uint8_t>(*code++)), false);
        }
    };

    int turn = 0;
    for (const int drawn : {31, 20, 2, 9}) {
        t.model.onTilesFromWall(tiles({drawn}), false);
        t.model.onPlayerShouldAct(me, TimeSpan());
        QCOMPARE(markedNew(t.window), tiles({drawn}));
        QCOMPARE(t.window.handView()->tiles().back(), tile(static_cast<std::uint8_t>(drawn)));
        QCOMPARE(t.window.handView()->tiles().size(), size_t(14));
        if (++turn == 4)
            t.window.grab().save(QStringLiteral("%1/table-new-after-timeouts-%2.png")
                                  .arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")), inFront));
        t.window.showTimeout();
        t.model.onTileDiscarded(me, tile(static_cast<std::uint8_t>(drawn)), false);
        QCOMPARE(markedNew(t.window), tile_vector());
        if (turn < 4)
            othersDiscard({10 + turn, 13 + turn, 24 + turn});
    }

    // Ann's discard is claimed for a pung; the player discards without a draw.
    othersDiscard({4});
    t.model.onTileClaimed(me);
    t.model.onMeldDeclared(me, meld_tuple(PONG, 0, tile(4)));
    t.model.onPlayerShouldAct(me, TimeSpan());
    QCOMPARE(t.window.handView()->tiles(), tiles({33, 33, 33, 31, 31, 21, 20, 9, 2, 1, 0}));
    QCOMPARE(markedNew(t.window), tile_vector());
    t.window.onTileClick(tile(9), false);
    t.model.onTileDiscarded(me, tile(9), false);
    QCOMPARE(markedNew(t.window), tile_vector());

    // Bob's discard is claimed for a kong; the replacement draw alone is new.
    t.model.onHiddenTilesFromWall(11, 1, false);
    t.model.onTileDiscarded(11, tile(15), false);
    t.model.onHiddenTilesFromWall(12, 1, false);
    t.model.onTileDiscarded(12, tile(33), false);
    t.model.onTileClaimed(me);
    t.model.onMeldDeclared(me, meld_tuple(KONG, 0, tile(33)));
    t.model.onTilesFromWall(tiles({31}), true);
    t.model.onPlayerShouldAct(me, TimeSpan());
    QCOMPARE(markedNew(t.window), tiles({31}));
    QCOMPARE(t.window.handView()->tiles(), tiles({31, 31, 21, 20, 2, 1, 0, 31}));

    if (inFront == QLatin1String("board"))
        QVERIFY(t.window.scoreBoard()->isVisible());
    if (inFront == QLatin1String("tab")) {
        t.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.window));
        QCOMPARE(markedNew(t.window), tiles({31}));
    }
}

// A whole win read at a riichi and at an MCR table, in the skin's dialogs, with the
// countdown to the next hand: each total of the winner's hand-score table (points,
// doubles and fans, the riichi sticks, the hand score) stands inside its viewport
// without scrolling, at 1024x768 and 1920x1080, in English and Japanese.
void TestGameWindow::scoreBoardTotalsInSight()
{
    const SkinPaths skinPaths(QStringLiteral("default"), m_artwork.path());
    TranslationsManager translations;

    const auto lines = [](std::initializer_list<std::pair<qint32, qint32>> codesAndValues) {
        ScoreLines result;
        for (const auto &[code, value] : codesAndValues)
            result.push_back({QString(), value, code});
        return result;
    };
    // A concealed riichi hand drawn by its owner with the sticks of an earlier riichi on
    // the table; an MCR hand of four fans and two flowers.
    EndHandPlayer riichi;
    riichi.playerId = 11;
    riichi.name = QStringLiteral("Ann");
    riichi.result = EndHandPlayer::Won;
    riichi.points = lines({{0, 20}, {2, 2}, {4, 4}, {6, 8}, {11, 2}, {15, 2}});
    riichi.pointsTotal = 40;
    riichi.doubles = lines({{0, 1}, {3, 1}, {7, 1}, {28, 2}});
    riichi.doublesTotal = 5;
    riichi.bonuses = lines({{4, 1000}});
    riichi.settlement = 13000;
    riichi.currentScore = 38000;
    riichi.hand = {{{tile(0), tile(1), tile(2)}, -1}, {{tile(31), tile(31), tile(31)}, 2}};
    EndHandPlayer mcr = riichi;
    mcr.points.clear();
    mcr.doubles = lines({{3, 4}, {15, 16}, {24, 6}, {12, 8}});
    mcr.doublesTotal = 34;
    mcr.bonuses = lines({{0, 1}, {1, 1}});
    mcr.handScore = 34;
    mcr.settlement = 126;
    struct Board
    {
        const char *name;
        int ruleset;
        EndHandPlayer winner;
    };
    for (const Board &board : {Board{"riichi", RulesetInfo::JAPANESE_RIICHI, riichi}, Board{"mcr", RulesetInfo::MCR, mcr}}) {
        Table t(TableInfo::FULL_GAME, 4, true);
        t.window.setStyleSheet(skinStyleSheets());
        TableInfo info = t.info;
        info.setRuleset(board.ruleset);
        t.model.onTableInfo(info);
        t.deal();
        EndHand end;
        end.endKind = EndHand::Tsumo;
        if (board.ruleset == RulesetInfo::JAPANESE_RIICHI) {
            end.dora = {tile(4), tile(22)};
            end.uraDora = {tile(5), tile(23)};
        }
        end.players[11] = board.winner;
        for (const qint32 id : {me, qint32(12), qint32(13)}) {
            EndHandPlayer loser;
            loser.playerId = id;
            loser.name = t.model.player(id).name();
            loser.settlement = -board.winner.settlement / 3;
            loser.hand = board.winner.hand;
            end.players[id] = loser;
        }
        t.model.onHandEnd(end);
        const QDateTime now = Singleton<ServerTime>::instance().now();
        t.model.onAreYouReady(TimeSpan(now, now.addSecs(60)));
        ScoreBoard *scores = t.window.scoreBoard();
        QVERIFY(scores->isVisible());
        QVERIFY(scores->findChild<QLabel *>(QStringLiteral("nextRoundLabel"))->isVisible());
        auto *table = scores->findChild<QTextEdit *>(QStringLiteral("score1"));
        for (const QString language : {"en", "ja"}) {
            translations.setLanguage(language);
            QTRY_VERIFY(table->toPlainText().contains(QCoreApplication::translate("ScoreBoard", "Bonus points:")));
            for (const QSize size : {QSize(1024, 768), QSize(1920, 1080)}) {
                t.window.resize(size);
                QTRY_COMPARE(t.window.size(), size);
                const QString what = QStringLiteral("%1 %2 %3x%4").arg(QLatin1String(board.name), language,
                                                                       QString::number(size.width()), QString::number(size.height()));
                QTRY_VERIFY2(totalsOutOfSight(table).isEmpty(),
                             qPrintable(what + QStringLiteral(": ") + totalsOutOfSight(table).join(QStringLiteral("; "))));
                QVERIFY(t.window.grab().save(QStringLiteral("%1/table-board-%2-%3-%4x%5.png")
                                                 .arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")),
                                                      QLatin1String(board.name), language, QString::number(size.width()),
                                                      QString::number(size.height()))));
                QCOMPARE(table->verticalScrollBar()->value(), 0);
                QVERIFY(QRect(QPoint(0, 0), t.window.view()->size()).contains(scores->geometry()));
            }
        }
        // Made small while another tab stands in front: the board fits again once shown.
        t.window.hide();
        t.window.resize(1024, 768);
        t.window.show();
        QTRY_COMPARE(t.window.size(), QSize(1024, 768));
        QTRY_VERIFY2(totalsOutOfSight(table).isEmpty(), board.name);
        QVERIFY(t.window.grab().save(QStringLiteral("%1/table-board-%2-ja-shown-again-1024x768.png")
                                         .arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")),
                                              QLatin1String(board.name))));
    }
    translations.setLanguage(QStringLiteral("en"));
}

// A money table's game ends: the last hand's score board (an MCR win with its countdown)
// or washout window, and the round result, whichever comes first. The player reads both
// without a word to play on or leave: they stand side by side, each whole inside the
// table, where the table has room for both (the washout window everywhere, the board at
// 1920x1080); at 1024x768 the board offers the round result, closing for it, and comes
// back with Play and Leave Table when the round result closes. Play then goes on. The
// board keeps every total of the winner's table, the countdown and its buttons in
// sight; at 1024x768 and 1920x1080, in English and Japanese.
void TestGameWindow::roundResultAndTheLastBoardInSight()
{
    const SkinPaths skinPaths(QStringLiteral("default"), m_artwork.path());
    TranslationsManager translations;

    EndHandPlayer winner;
    winner.playerId = 11;
    winner.name = QStringLiteral("Ann");
    winner.result = EndHandPlayer::Won;
    for (const auto &[code, value] : {std::pair{3, 4}, {15, 16}, {24, 6}, {12, 8}})
        winner.doubles.push_back({QString(), value, code});
    winner.doublesTotal = 34;
    winner.bonuses = {{QString(), 1, 0}, {QString(), 1, 1}};
    winner.handScore = 34;
    winner.settlement = 126;
    winner.hand = {{{tile(0), tile(1), tile(2)}, -1}, {{tile(31), tile(31), tile(31)}, 2}};
    MonetaryRoundScores round;
    for (const qint32 id : {me, qint32(11), qint32(12), qint32(13)})
        round.push_back({id, 2000 + (id == 11 ? 126 : -42), id == 11 ? 3000 : -1000});

    for (const QString language : {"en", "ja"}) {
        translations.setLanguage(language);
        for (const QSize size : {QSize(1024, 768), QSize(1920, 1080)}) {
            for (const bool won : {true, false}) {
                for (const char *order : {"the hand's end first", "the round result first", "behind another tab"}) {
                    const bool roundFirst = QLatin1String(order) == QLatin1String("the round result first");
                    const bool behind = QLatin1String(order) == QLatin1String("behind another tab");
                    const QString what = QStringLiteral("%1 %2x%3 %4, %5")
                                             .arg(language, QString::number(size.width()), QString::number(size.height()),
                                                  QLatin1String(won ? "a win" : "a washout"), QLatin1String(order));
                    Table t(TableInfo::FULL_GAME, 4, true);
                    t.window.setStyleSheet(skinStyleSheets());
                    TableInfo info = t.info;
                    info.setRuleset(RulesetInfo::MCR);
                    t.model.onTableInfo(info);
                    t.window.resize(size);
                    QTRY_COMPARE(t.window.size(), size);
                    t.deal();
                    EndHand end;
                    end.endKind = won ? EndHand::Mahjong : 4;
                    end.gameEnds = true;
                    for (const qint32 id : {me, qint32(11), qint32(12), qint32(13)}) {
                        EndHandPlayer row;
                        row.playerId = id;
                        row.name = t.model.player(id).name();
                        row.settlement = won ? -42 : 0;
                        row.hand = winner.hand;
                        end.players[id] = won && id == 11 ? winner : row;
                    }
                    if (behind)
                        t.window.hide();
                    if (roundFirst)
                        t.window.showEndOfRound(round);
                    t.model.onHandEnd(end);
                    const QDateTime now = Singleton<ServerTime>::instance().now();
                    t.model.onAreYouReady(TimeSpan(now, now.addSecs(60)));
                    if (!roundFirst)
                        t.window.showEndOfRound(round);
                    if (behind) {
                        t.window.show();
                        QVERIFY(QTest::qWaitForWindowExposed(&t.window));
                    }

                    QWidget *board = won ? static_cast<QWidget *>(t.window.scoreBoard()) : t.window.washoutWindow();
                    auto *result = t.window.findChild<RoundScoreBoard *>();
                    auto *toResult = board->findChild<QPushButton *>(QLatin1String(won ? "roundResultPushButton" : "roundResultButton"));
                    const QRect table(QPoint(0, 0), t.window.view()->size());
                    const auto shot = [&](const QString &step) {
                        return QStringLiteral("%1/table-round-result-%2-%3-%4-%5x%6%7.png")
                            .arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")),
                                 QLatin1String(won ? "board" : "washout"),
                                 QLatin1String(roundFirst ? "after" : behind ? "behind" : "before"), language,
                                 QString::number(size.width()), QString::number(size.height()), step);
                    };
                    QSignalSpy ready(&t.window, &GameWindow::ready);
                    QSignalSpy leave(&t.window, &GameWindow::leave);
                    QVERIFY2(board->isVisible(), qPrintable(what));
                    QVERIFY2(table.contains(board->geometry()), qPrintable(what));
                    QVERIFY2(toResult, qPrintable(what));
                    const bool beside = !won || size.width() >= 1920;
                    if (beside) {
                        QVERIFY2(result->isVisible(), qPrintable(what));
                        QVERIFY2(table.contains(result->geometry()), qPrintable(what));
                        QVERIFY2(!result->geometry().intersects(board->geometry()), qPrintable(what));
                        QVERIFY2(!toResult->isVisible(), qPrintable(what));
                    } else {
                        // The board first, then the round result: the board closes for it
                        // without a word to the server, and comes back when it closes.
                        QVERIFY2(!result->isVisible(), qPrintable(what));
                        QVERIFY2(toResult->isVisible(), qPrintable(what));
                        QTest::mouseClick(toResult, Qt::LeftButton);
                        QVERIFY2(!board->isVisible(), qPrintable(what));
                        QVERIFY2(result->isVisible(), qPrintable(what));
                        QVERIFY2(table.contains(result->geometry()), qPrintable(what));
                        QCOMPARE(int(result->rows().size()), 4);
                        QVERIFY(t.window.grab().save(shot(QStringLiteral("-then-result"))));
                        QTest::mouseClick(result->findChild<QPushButton *>(QStringLiteral("closeButton")), Qt::LeftButton);
                        QVERIFY2(!result->isVisible(), qPrintable(what));
                        QVERIFY2(board->isVisible(), qPrintable(what));
                        QVERIFY2(table.contains(board->geometry()), qPrintable(what));
                        QVERIFY2(toResult->isVisible(), qPrintable(what));
                    }
                    QCOMPARE(ready.count(), 0);
                    QCOMPARE(leave.count(), 0);
                    if (won) {
                        const QTextEdit *scores = board->findChild<QTextEdit *>(QStringLiteral("score1"));
                        QTRY_VERIFY2(totalsOutOfSight(scores).isEmpty(),
                                     qPrintable(what + QStringLiteral(": ") + totalsOutOfSight(scores).join(QStringLiteral("; "))));
                    }
                    for (const char *name : {"nextRoundTimer", won ? "readyPushButton" : "readyButton",
                                             won ? "leavePushButton" : "leaveButton"})
                        QVERIFY2(board->findChild<QWidget *>(QLatin1String(name))->isVisible(), qPrintable(what + QLatin1Char(' ') + QLatin1String(name)));
                    QVERIFY(t.window.grab().save(shot(QString())));

                    // Play: the board closes, and the round result stands over the table.
                    QTest::mouseClick(board->findChild<QPushButton *>(QLatin1String(won ? "readyPushButton" : "readyButton")),
                                      Qt::LeftButton);
                    QCOMPARE(ready.count(), 1);
                    QCOMPARE(leave.count(), 0);
                    QVERIFY2(!board->isVisible(), qPrintable(what));
                    QVERIFY2(result->isVisible(), qPrintable(what));
                    QVERIFY2(table.contains(result->geometry()), qPrintable(what));
                    QVERIFY2(result->findChild<QPushButton *>(QStringLiteral("closeButton"))->isVisible(), qPrintable(what));
                    QCOMPARE(int(result->rows().size()), 4);
                }
            }
        }
    }
    translations.setLanguage(QStringLiteral("en"));
}

// The round result and the boards after it. At a money table at 1920x1080, Play pressed
// at a game's end with the round result beside the board: the round result stays open
// through the next game, and at that game's end shows where it stands, in sight beside
// the last hand's board or washout window, which offer no "Round results". At a
// tournament table at 1024x768, asked after the round's end whether ready for the next
// hand, the board offers "Round results" for want of room: closing the round result
// brings the board back and keeps the table, and once the board closes the round result
// shows again, whose Close ends the table's round.
void TestGameWindow::roundResultOfferedOnlyOutOfSight()
{
    const SkinPaths skinPaths(QStringLiteral("default"), m_artwork.path());
    const auto shot = [](GameWindow &window, const QString &name) {
        return window.grab().save(QStringLiteral("%1/table-round-result-%2-%3x%4.png")
                                      .arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")), name,
                                           QString::number(window.width()), QString::number(window.height())));
    };
    const auto lastHand = [](const Table &t, bool won) {
        EndHand end = winOf(11, won ? EndHand::Mahjong : 4);
        end.gameEnds = true;
        for (const qint32 id : {me, qint32(11), qint32(12), qint32(13)}) {
            EndHandPlayer &row = end.players[id];
            row.playerId = id;
            row.name = t.model.player(id).name();
            row.settlement = won ? (id == 11 ? 96 : -32) : 0;
            row.hand = {{{tile(0), tile(1), tile(2)}, -1}, {{tile(31), tile(31), tile(31)}, 2}};
            if (won && id == 11) {
                row.result = EndHandPlayer::Won;
                row.points = {{QString(), 20, 0}};
                row.pointsTotal = 20;
                row.doubles = {{QString(), 1, 7}, {QString(), 1, 24}};
                row.doublesTotal = 2;
                row.handScore = 80;
            }
        }
        return end;
    };
    const auto round = [](int game) {
        MonetaryRoundScores scores;
        for (const qint32 id : {me, qint32(11), qint32(12), qint32(13)})
            scores.push_back({id, 2000 + game * (id == 11 ? 96 : -32), game * (id == 11 ? 300 : -100)});
        return scores;
    };
    for (const bool won : {true, false}) {
        const QString what = QLatin1String(won ? "a win" : "a washout");
        Table t(TableInfo::FULL_GAME, 4, true);
        t.window.setStyleSheet(skinStyleSheets());
        t.window.resize(1920, 1080);
        QTRY_COMPARE(t.window.size(), QSize(1920, 1080));
        QWidget *board = won ? static_cast<QWidget *>(t.window.scoreBoard()) : t.window.washoutWindow();
        const auto button = [board, won](const char *onBoard, const char *onWashout) {
            return board->findChild<QPushButton *>(QLatin1String(won ? onBoard : onWashout));
        };
        auto *toResult = button("roundResultPushButton", "roundResultButton");
        auto *play = button("readyPushButton", "readyButton");
        auto *result = t.window.findChild<RoundScoreBoard *>();
        for (int game = 1; game <= 2; ++game) {
            if (game == 2) {
                TableState table;
                table.referencePlayer = me;
                Seating seating;
                seating.players = {me, 11, 12, 13};
                t.model.onStartHand(502, seating, {}, true, table, WallState());
            }
            t.deal();
            t.model.onHandEnd(lastHand(t, won));
            const QDateTime now = Singleton<ServerTime>::instance().now();
            t.model.onAreYouReady(TimeSpan(now, now.addSecs(60)));
            t.window.showEndOfRound(round(game));
            const QString step = QStringLiteral("%1, game %2").arg(what).arg(game);
            QVERIFY2(board->isVisible() && result->isVisible(), qPrintable(step));
            QVERIFY2(!result->geometry().intersects(board->geometry()), qPrintable(step));
            QVERIFY2(play->isVisible() && !toResult->isVisible(), qPrintable(step));
            QCOMPARE(result->rows().size(), round(game).size());
            if (game == 2)
                QVERIFY(shot(t.window, QLatin1String(won ? "board" : "washout") + QStringLiteral("-left-open")));
            // Play, the round result left open.
            QTest::mouseClick(play, Qt::LeftButton);
            QVERIFY2(!board->isVisible() && result->isVisible(), qPrintable(step));
        }
    }

    Table t(TableInfo::TOURNAMENT, 4, true);
    t.window.setStyleSheet(skinStyleSheets());
    t.window.resize(1024, 768);
    QTRY_COMPARE(t.window.size(), QSize(1024, 768));
    TournamentInfo cup(5);
    cup.setStatus(TournamentInfo::Playing);
    t.model.onTournamentInfo(cup);
    t.deal();
    t.model.onHandEnd(lastHand(t, true));
    t.model.onEndOfTournamentRound(false, {{me, 0, 2}, {11, 96, 8}, {12, 0, 2}, {13, 0, 2}});
    const QDateTime now = Singleton<ServerTime>::instance().now();
    t.model.onAreYouReady(TimeSpan(now, now.addSecs(60)));
    QSignalSpy roundDone(&t.window, &GameWindow::tournamentScoreDialogClosed);
    ScoreBoard *board = t.window.scoreBoard();
    auto *result = t.window.findChild<RoundScoreBoard *>();
    auto *toResult = board->findChild<QPushButton *>(QStringLiteral("roundResultPushButton"));
    auto *closeResult = result->findChild<QPushButton *>(QStringLiteral("closeButton"));
    QVERIFY(board->isVisible() && !result->isVisible());
    for (int time = 0; time < 2; ++time) {
        QVERIFY(toResult->isVisible());
        QTest::mouseClick(toResult, Qt::LeftButton);
        QVERIFY(!board->isVisible() && result->isVisible());
        QTest::mouseClick(closeResult, Qt::LeftButton);
        QVERIFY(board->isVisible() && !result->isVisible());
        QCOMPARE(roundDone.count(), 0);
    }
    QVERIFY(shot(t.window, QStringLiteral("tournament-board-back")));
    QTest::mouseClick(board->findChild<QPushButton *>(QStringLiteral("readyPushButton")), Qt::LeftButton);
    QVERIFY(!board->isVisible() && result->isVisible());
    QCOMPARE(roundDone.count(), 0);
    QTest::mouseClick(closeResult, Qt::LeftButton);
    QVERIFY(!result->isVisible());
    QCOMPARE(roundDone.count(), 1);
    QCOMPARE(roundDone.first().at(0).toInt(), 5);
}

void TestGameWindow::tableClickAfterActivation()
{
    QSettings().setValue(QStringLiteral("game/tableClickDiscardTile"), true);
    Table t;
    t.deal();
    QSignalSpy discards(&t.window, &GameWindow::discardTile);
    const QDateTime activated(QDate(2026, 12, 6), QTime(23, 59, 59, 900), Qt::UTC);
    QDateTime now = activated;
    t.window.setClock([&now] { return now; });
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&t.window, &activate);
    now = activated.addMSecs(250);
    t.window.onClickedOutsideHand();
    QCOMPARE(discards.size(), 0);
    now = activated.addMSecs(251);
    t.window.onClickedOutsideHand();
    QCOMPARE(discards.size(), 1);
    QCOMPARE(discards.at(0).at(2).value<tile>(), tile(7));
    QSettings().remove(QStringLiteral("game/tableClickDiscardTile"));
}

// The score board of a single-hand table's won hand stays open while the player's turn
// comes: Space discards the drawn tile with the focus in the board's text, on its Close,
// on its Leave Table and on the side bar's Leave Table, and out of turn it presses none
// of them, while the mouse still does.
void TestGameWindow::spaceInTheTablesOwnDialogs()
{
    Table t(TableInfo::SINGLE_HAND, 4, true);
    t.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&t.window));
    t.deal();
    EndHand end;
    end.endKind = EndHand::Tsumo;
    end.gameEnds = true;
    EndHandPlayer row;
    row.playerId = 11;
    row.result = EndHandPlayer::Won;
    row.points.push_back(ScoreLine{QStringLiteral("Pung of dragons"), 8, -1});
    end.players[11] = row;
    t.window.onHandEnd(end);
    ScoreBoard *board = t.window.scoreBoard();
    QTRY_VERIFY(board->isVisible());
    QSignalSpy discards(&t.window, &GameWindow::discardTile);
    QSignalSpy leaves(&t.window, &GameWindow::leave);
    const auto shown = [](QWidget *parent, const char *name) {
        auto *widget = parent->findChild<QWidget *>(QLatin1String(name));
        return widget && widget->isVisible() ? widget : nullptr;
    };
    const auto space = [&](QWidget *focus) {
        focus->setFocus(Qt::TabFocusReason);
        QTest::keyClick(focus, Qt::Key_Space);
    };
    // Sets the focus, in turn, on what the player may have clicked.
    const std::vector<std::pair<QWidget *, const char *>> targets = {
        {board, "score1"}, {board, "closePushButton"}, {board, "leavePushButton"}, {t.window.sideBar(), "leaveButton"}};
    std::uint8_t drawn = 7;
    for (const auto &[parent, name] : targets) {
        QWidget *focus = shown(parent, name);
        QVERIFY2(focus, name);
        space(focus);
        QVERIFY2(focus->hasFocus(), name);
        QCOMPARE(discards.size(), 1);
        QCOMPARE(discards.takeFirst().at(2).value<tile>(), tile(drawn));
        // Out of turn, until the next draw, Space does nothing there.
        space(focus);
        QVERIFY2(discards.isEmpty(), name);
        QVERIFY2(board->isVisible(), name);
        QVERIFY2(!t.window.leaveBox(), name);
        t.model.onTileDiscarded(me, tile(drawn), false);
        drawn = static_cast<std::uint8_t>(drawn + 1);
        t.model.onTilesFromWall(tiles({drawn}), false);
    }
    QCOMPARE(leaves.size(), 0);
    // The buttons keep the mouse.
    QTest::mouseClick(shown(board, "closePushButton"), Qt::LeftButton);
    QTRY_VERIFY(!board->isVisible());
}

// The buttons of concealed melds keep clear of every disc and tile on the table, of the
// turn's countdown and of the side bar's plates, in the skin's buttons, in English and
// Japanese, at 1024x768 and 1920x1080 (the right seat's disc stands above the hand's
// right end).
void TestGameWindow::concealedButtonsKeepClear()
{
    const SkinPaths skinPaths(QStringLiteral("corvana"), m_artwork.path());
    TranslationsManager translations;
    Table t(TableInfo::FULL_GAME, 4, true);
    t.window.setStyleSheet(skinStyleSheets());
    t.deal();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    t.window.onPlayerShouldAct(me, TimeSpan(now, now.addSecs(600)));
    t.window.concealedMeldSuggestion({meld_offer(KONG, tile(4)), meld_offer(PONG_TO_KONG, tile(7))}, TimeSpan());
    QWidget *panel = t.window.concealedActionDialog();
    const auto countdowns = t.window.view()->findChildren<TimerView *>();
    for (const QString language : {"en", "ja"}) {
        translations.setLanguage(language);
        const auto *kong = panel->findChild<QAbstractButton *>(QStringLiteral("kongButton"));
        QTRY_COMPARE(kong->text(), language == QLatin1String("en") ? QStringLiteral("Kong") : QStringLiteral("カン"));
        for (const QSize size : {QSize(1024, 768), QSize(1920, 1080)}) {
            t.window.resize(size);
            QTRY_COMPARE(t.window.size(), size);
            QVERIFY(panel->isVisible());
            const QString what = QStringLiteral("%1 %2x%3").arg(language, QString::number(size.width()), QString::number(size.height()));
            const QRect table(QPoint(0, 0), t.window.view()->size());
            QVERIFY2(table.contains(panel->geometry()), qPrintable(what));
            for (const TimerView *countdown : countdowns) {
                if (countdown->isVisible())
                    QVERIFY2(!countdown->geometry().intersects(panel->geometry()), qPrintable(what));
            }
            QVERIFY(std::any_of(countdowns.begin(), countdowns.end(), [](const TimerView *c) { return c->isVisible(); }));
            const QRectF place = t.window.view()->mapToScene(QRect(t.window.view()->mapFrom(&t.window, panel->pos()), panel->size())).boundingRect();
            QStringList covered;
            for (const QGraphicsItem *item : t.window.view()->scene()->items()) {
                const char *thing = dynamic_cast<const TileView *>(item)            ? "tile"
                                    : dynamic_cast<const WindView *>(item)          ? "disc"
                                    : dynamic_cast<const PrevalentWindView *>(item) ? "round wind disc"
                                                                                    : nullptr;
                if (thing && item->isVisible() && item->sceneBoundingRect().intersects(place))
                    QDebug(&covered.emplace_back()).nospace() << thing << ' ' << item->sceneBoundingRect();
            }
            QVERIFY2(covered.isEmpty(), qPrintable(what + QStringLiteral(": ") + covered.join(QStringLiteral(", "))));
            QVERIFY(t.window.grab().save(QStringLiteral("%1/table-concealed-%2-%3x%4.png")
                                             .arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")), language,
                                                  QString::number(size.width()), QString::number(size.height()))));
        }
    }
    translations.setLanguage(QStringLiteral("en"));
}

// Every announcement the table shows (the own timeout and furiten pictures, each
// seat's claims: chow, pong, kong, riichi, mahjong, ron and tsumo, in riichi's words and
// in the others') stands whole inside the table, clear of the side bar, in the regular
// and the compact layout, at 1024x768 and 1920x1080, in English and Japanese.
void TestGameWindow::announcementsStandInsideTheTable()
{
    const SkinPaths skinPaths(QStringLiteral("corvana"), m_artwork.path());
    TranslationsManager translations;
    const std::pair<int, int> claims[] = {{CHOW, 0},    {PONG, 0},    {KONG, 0},   {RIICHI, 0},
                                          {MAHJONG, 2}, {MAHJONG, 3}, {MAHJONG, 1}};
    for (const int ruleset : {int(RulesetInfo::CLASSIC), int(RulesetInfo::JAPANESE_RIICHI)}) {
        Table t(TableInfo::FULL_GAME, 4, true);
        t.window.setStyleSheet(skinStyleSheets());
        TableInfo info = t.info;
        info.setRuleset(ruleset);
        t.model.onTableInfo(info);
        t.deal();
        QGraphicsView *view = t.window.view();
        for (const QString language : {"en", "ja"}) {
            translations.setLanguage(language);
            QTRY_COMPARE(t.window.timeoutImage()->pixmap().toImage(),
                         QPixmap(QStringLiteral("textimages:/timeout.png")).toImage());
            for (const bool compact : {false, true}) {
                t.window.setCompactLayout(compact);
                for (const QSize size : {QSize(1024, 768), QSize(1920, 1080)}) {
                    t.window.resize(size);
                    QTRY_COMPARE(t.window.size(), size);
                    // The side bar lays its plates out for the language's words.
                    QCoreApplication::sendPostedEvents();
                    const QString what = QStringLiteral("rule set %1 %2 %3 %4x%5")
                                             .arg(QString::number(ruleset), language,
                                                  QLatin1String(compact ? "compact" : "regular"),
                                                  QString::number(size.width()), QString::number(size.height()));
                    const QRectF table = view->mapToScene(view->viewport()->rect()).boundingRect();
                    QCOMPARE(view->geometry().right() + 1, t.window.sideBar()->geometry().left());
                    QStringList outside;
                    const auto inside = [&](const QGraphicsItem *item, const QString &name) {
                        QVERIFY2(item->isVisible(), qPrintable(what + QLatin1Char(' ') + name));
                        if (!table.contains(item->sceneBoundingRect()))
                            QDebug(&outside.emplace_back()).nospace() << name << ' ' << item->sceneBoundingRect();
                    };
                    // Each seat's claims, the widest last, left in sight with the timeout.
                    for (int seat = 0; seat < 4; ++seat) {
                        PlayerActionView *claim = t.window.claimImage(seat);
                        for (const auto &[kind, detail] : claims) {
                            claim->setAction(kind, detail);
                            claim->show();
                            inside(claim, QStringLiteral("seat %1 %2").arg(QString::number(seat), claim->imagePath()));
                        }
                    }
                    t.window.showTimeout();
                    inside(t.window.timeoutImage(), QStringLiteral("timeout"));
                    QVERIFY(t.window.grab().save(QStringLiteral("%1/table-announcements-%2-%3-%4-%5x%6.png")
                                                     .arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")),
                                                          QString::number(ruleset), language,
                                                          QLatin1String(compact ? "compact" : "regular"),
                                                          QString::number(size.width()), QString::number(size.height()))));
                    t.window.hideTimeoutItem();
                    for (int seat = 0; seat < 4; ++seat)
                        t.window.claimImage(seat)->hide();
                    t.model.onFuritenChanged(true);
                    inside(t.window.furitenImage(), QStringLiteral("furiten"));
                    t.model.onFuritenChanged(false);
                    QVERIFY2(outside.isEmpty(), qPrintable(what + QStringLiteral(": ") + outside.join(QStringLiteral(", "))));
                }
            }
        }
    }
    translations.setLanguage(QStringLiteral("en"));
}

void TestGameWindow::offersAndLeave()
{
    Table t;
    t.deal();
    QSignalSpy riichi(&t.window, &GameWindow::callRiichi);
    QSignalSpy bonus(&t.window, &GameWindow::callBonus);
    QSignalSpy pass(&t.window, &GameWindow::callPass);
    QSignalSpy discards(&t.window, &GameWindow::discardTile);

    // One riichi discard on offer: choosing riichi discards it at once.
    t.window.concealedMeldSuggestion({meld_offer(RIICHI, tile(9))}, TimeSpan());
    QVERIFY(!t.window.concealedActionDialog()->isHidden());
    t.window.onConcealedRiichiSelected();
    QCOMPARE(riichi.size(), 1);
    QCOMPARE(riichi.at(0).at(2).value<tile>(), tile(9));
    QCOMPARE(discards.size(), 0);
    QVERIFY(t.window.concealedActionDialog()->isHidden());

    // Bonus tiles are replaced without a dialog; nothing to replace passes.
    t.window.replacementMeldSuggestion({meld_offer(BONUS, tile(36))}, TimeSpan());
    QCOMPARE(bonus.size(), 1);
    QVERIFY(!t.window.meldAuction());
    t.window.replacementMeldSuggestion({}, TimeSpan());
    QCOMPARE(pass.size(), 1);
    QCOMPARE(pass.at(0).at(2).toBool(), true);

    // Leaving during a hand asks once; a second click while asked does nothing.
    QSignalSpy leave(&t.window, &GameWindow::leave);
    t.window.onLeaveButtonClick();
    QWidget *box = t.window.leaveBox();
    QVERIFY(box);
    t.window.onLeaveButtonClick();
    QCOMPARE(t.window.leaveBox(), box);
    QCOMPARE(leave.size(), 0);
    QCOMPARE(t.window.findChildren<ModelessMsgBox::MsgBox *>().size(), 1);
}

void TestGameWindow::dialogsStayOverTheTable()
{
    // A washout, then the offer of a seat, then the question before leaving: each
    // stands over the table beside the side bar, at its form's size, none hides the
    // buttons of one shown before it, and their texts read in every skin.
    const SkinPaths skinPaths;
    for (const QString &skin : {QStringLiteral("default"), QStringLiteral("corvana")}) {
        SkinPaths::use(skin, m_artwork.path());
        const QString sheet = skinStyleSheets();
        QVERIFY(!sheet.isEmpty());
        dialogsOverTheTableIn(skin, sheet);
    }
}

void TestGameWindow::dialogsOverTheTableIn(const QString &skin, const QString &styleSheet)
{
    Table t(TableInfo::SINGLE_HAND, 4, false);
    t.window.setStyleSheet(styleSheet);
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    t.window.resize(1024, 768);
    t.deal();
    EndHand end;
    end.endKind = 7;
    EndHandPlayer row;
    row.playerId = 11;
    row.payment = 100;
    end.players[11] = row;
    t.window.onHandEnd(end);
    t.window.onAreYouReady(TimeSpan(QDateTime::currentDateTimeUtc(), QDateTime::currentDateTimeUtc().addSecs(20)),
                           true);
    t.window.onLeaveButtonClick();
    const std::vector<QWidget *> shown = {t.window.washoutWindow(), t.window.seatedWindow(),
                                          t.window.leaveBox()};
    const int tableRight = t.window.width() - t.window.sideBar()->width();
    for (size_t i = 0; i < shown.size(); ++i) {
        QWidget *dialog = shown[i];
        QVERIFY(dialog && dialog->isVisible());
        const QRect rect = dialog->geometry();
        QVERIFY2(rect.left() >= 0 && rect.right() < tableRight && rect.top() >= 0 && rect.bottom() < t.window.height(),
                 qPrintable(dialog->metaObject()->className()));
        QVERIFY(rect.width() >= dialog->minimumSizeHint().width());
        QVERIFY(rect.height() >= dialog->minimumSizeHint().height());
        for (size_t j = 0; j < i; ++j)
            for (QAbstractButton *button : shown[j]->findChildren<QAbstractButton *>()) {
                if (!button->isVisible())
                    continue;
                const QRect place(button->mapTo(&t.window, QPoint()), button->size());
                QVERIFY2(!place.intersects(rect), qPrintable(QStringLiteral("%1 hides %2 of %3")
                                                                 .arg(QLatin1String(dialog->metaObject()->className()),
                                                                      button->text(),
                                                                      QLatin1String(shown[j]->metaObject()->className()))));
            }
        const QStringList unreadable = Contrast::unreadableLabels(dialog);
        QVERIFY2(unreadable.isEmpty(), qPrintable(skin + QLatin1Char('\n') + unreadable.join(QLatin1Char('\n'))));
        // No text is cut: every label has the room its text needs.
        for (QLabel *label : dialog->findChildren<QLabel *>())
            if (label->isVisibleTo(dialog) && !label->wordWrap() && !label->text().isEmpty())
                QVERIFY2(label->width() >= label->minimumSizeHint().width(), qPrintable(label->text()));
    }
    QVERIFY(t.window.grab().save(QStringLiteral("%1/table-dialogs-%2-1024x768.png")
                                     .arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")), skin)));

    // A narrower window moves them along, still clear of the side bar.
    t.window.resize(900, 700);
    for (QWidget *dialog : shown)
        QVERIFY(dialog->geometry().right() < t.window.width() - t.window.sideBar()->width());

    // The other windows over the table read as well, the score board after a win too.
    for (QWidget *dialog : shown)
        dialog->hide();
    EndHand win;
    win.endKind = EndHand::Ron;
    EndHandPlayer winner;
    winner.playerId = 11;
    winner.name = QStringLiteral("Ann");
    winner.result = EndHandPlayer::Won;
    winner.points = {{QStringLiteral("Concealed hand"), 10}};
    winner.pointsTotal = 10;
    winner.hand = {{{tile(0), tile(1), tile(2)}, -1}};
    win.players[11] = winner;
    t.window.onHandEnd(win);
    QVERIFY(t.window.scoreBoard()->isVisible());
    std::vector<QWidget *> others{t.window.scoreBoard()};
    for (const char *name : {"WatchingWindow", "WaitingForPlayersWindow", "PlayerInactiveWindow"})
        for (QWidget *child : t.window.findChildren<QWidget *>())
            if (QLatin1String(child->metaObject()->className()) == QLatin1String(name))
                others.push_back(child);
    QCOMPARE(others.size(), size_t(4));
    for (QWidget *dialog : others) {
        dialog->show();
        dialog->raise();
        const QStringList unreadable = Contrast::unreadableLabels(dialog);
        QVERIFY2(unreadable.isEmpty(), qPrintable(skin + QLatin1Char(' ') + QLatin1String(dialog->metaObject()->className())
                                                  + QLatin1Char('\n') + unreadable.join(QLatin1Char('\n'))));
        dialog->hide();
    }
}

void TestGameWindow::kickBoxes()
{
    for (int reason = 0; reason <= 6; ++reason) {
        Table t;
        t.deal();
        QSignalSpy confirmed(&t.window, &GameWindow::kickedConfirmed);
        t.model.onPlayerKicked(static_cast<kick_reason::enum_t>(reason));
        const auto boxes = t.window.findChildren<ModelessMsgBox::MsgBox *>();
        QCOMPARE(boxes.size(), reason == 3 ? 0 : 1);
        // A server error keeps the table as it is; any other kick clears it.
        QCOMPARE(t.window.handView()->tiles().empty(), reason != 4);
        if (!boxes.isEmpty()) {
            boxes.front()->onFinished(QDialogButtonBox::Ok);
            QCOMPARE(confirmed.size(), 1);
        }
    }
}

void TestGameWindow::overlayTextsWhole_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QSize>("size");
    for (const char *language : {"en", "ja", "zh_CN", "zh_TW"})
        for (const QSize size : {QSize(1024, 768), QSize(1920, 1080)})
            QTest::addRow("%s %dx%d", language, size.width(), size.height()) << QString::fromLatin1(language) << size;
}

// Every window the table shows over itself, in the skin, as a game goes: watched, a seat
// offered, waiting for a player with the invitation open, a claim and a concealed meld
// offered, the question before leaving, the player inactive, a washout, a win, the round
// result, the round ended, the table removed and each kick. Each stands inside the window
// and each text of its labels and buttons stands whole in its widget.
void TestGameWindow::overlayTextsWhole()
{
    QFETCH(QString, language);
    QFETCH(QSize, size);
    const SkinPaths skinPaths(QStringLiteral("default"), m_artwork.path());
    TranslationsManager translations;
    translations.setLanguage(language);
    // The table named as the local world names its tables.
    LocalizationDb names(LocalizationDb::NameQuery(), &translations, nullptr);
    names.onLocalizedTableNames(language, {{false, QStringLiteral("Regular"), QStringLiteral("Table {tableId}")}});
    const QString tableName = QStringLiteral("Table %1").arg(tableId);
    Table t(TableInfo::FULL_GAME, 4, true, &names);
    TableInfo info = t.info;
    TableValue value;
    value.setKind(2);
    value.setBet(1000);
    value.setFee(50);
    value.setPlayers(4);
    info.setValue(value);
    t.model.onTableInfo(info);
    t.window.setStyleSheet(skinStyleSheets());
    t.window.resize(size);
    QTRY_COMPARE(t.window.size(), size);
    const QRect table(QPoint(0, 0), t.window.view()->size());
    const QString row = QStringLiteral("%1-%2x%3").arg(language, QString::number(size.width()), QString::number(size.height()));
    const auto check = [&](QWidget *dialog, const char *what) -> QString {
        const QString name = row + QLatin1Char(' ') + QLatin1String(what);
        if (!dialog || !dialog->isVisible())
            return QStringLiteral("%1 not shown").arg(name);
        const bool box = qobject_cast<ModelessMsgBox::MsgBox *>(dialog);
        if (!(box ? t.window.rect() : table).contains(dialog->geometry()))
            return QStringLiteral("%1 beyond the table at %2,%3 %4x%5").arg(name).arg(dialog->x()).arg(dialog->y())
                .arg(dialog->width()).arg(dialog->height());
        // Measured as laid out: the requests of the dialog's body, then of the dialog.
        for (int level = 0; level < 2; ++level)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QStringList cuts = TextFit::cutTexts(dialog);
        if (!cuts.isEmpty())
            return name + QStringLiteral(" cuts: ") + cuts.join(QStringLiteral(" | "));
        dialog->grab().save(QStringLiteral("%1/screenshots/overlay-%2-%3.png")
                                .arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")), row,
                                     QLatin1String(what)));
        return QString();
    };
    const auto dialog = [&t](const char *className) -> QWidget * {
        for (QWidget *child : t.window.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (QLatin1String(child->metaObject()->className()) == QLatin1String(className) && child->isVisible())
                return child;
        return nullptr;
    };
    const auto newestBox = [&t]() -> QWidget * {
        const auto boxes = t.window.findChildren<ModelessMsgBox::MsgBox *>();
        return boxes.isEmpty() ? nullptr : boxes.last();
    };
    const auto closeBoxes = [&t] {
        for (ModelessMsgBox::MsgBox *box : t.window.findChildren<ModelessMsgBox::MsgBox *>())
            delete box;
    };
    const QDateTime now = Singleton<ServerTime>::instance().now();
    const TimeSpan span(now, now.addSecs(60));
    QStringList cut;

    // Watching a table between hands where two of four are ready, then seated there.
    const std::vector<PlayerData> two = {makePlayer(11, QStringLiteral("Ann")), makePlayer(12, QStringLiteral("Bob"))};
    t.model.onWatching(false);
    t.model.onGameData(-1, static_cast<server_game_state::enum_t>(0), two, TableState(), WallState());
    cut << check(dialog("WatchingWindow"), "watching");
    t.model.setJustJoined();
    t.model.onGameData(-1, static_cast<server_game_state::enum_t>(0), two, TableState(), WallState());
    t.model.onAreYouReady(span);
    cut << check(t.window.seatedWindow(), "seated");
    // A seat offered at a table of every rule set and game type: mostly the window put
    // away in between, and the terms of each rule set's first table arriving while the
    // window shows those of the last.
    for (int ruleset = 0; ruleset < RulesetInfo::Count; ++ruleset) {
        for (const int gameType : {int(TableInfo::SINGLE_HAND), int(TableInfo::TOURNAMENT), int(TableInfo::FULL_GAME),
                                   int(TableInfo::EAST_ONLY)}) {
            if (gameType != TableInfo::SINGLE_HAND)
                t.window.seatedWindow()->hide();
            TableInfo offered = info;
            offered.setRuleset(ruleset);
            offered.setGameType(gameType == TableInfo::EAST_ONLY ? int(TableInfo::FULL_GAME) : gameType);
            offered.setWindRounds(gameType == TableInfo::EAST_ONLY ? 1 : 4);
            offered.setMinDoubles(1);
            offered.setMaxDoubles(8);
            t.model.onTableInfo(offered);
            t.window.onAreYouReady(span, true);
            cut << check(t.window.seatedWindow(),
                         qPrintable(QStringLiteral("seated-%1-%2").arg(ruleset).arg(gameType)));
        }
    }
    QVERIFY(t.window.grab().save(QStringLiteral("%1/screenshots/overlay-%2-table-seated.png")
                                     .arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")), row)));
    t.model.onTableInfo(info);
    t.window.onAreYouReady(span, true);
    QTest::mouseClick(t.window.seatedWindow()->findChild<QPushButton *>(QStringLiteral("playButton")), Qt::LeftButton);
    t.model.onPlayerIsReady(me);
    cut << check(dialog("WaitingForPlayersWindow"), "waiting");
    QVERIFY(t.window.grab().save(QStringLiteral("%1/screenshots/overlay-%2-table-waiting.png")
                                     .arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")), row)));
    t.window.onInviteButtonClick();
    QWidget *invite = dialog("TableInviteDialog");
    QVERIFY(invite);
    cut << check(invite, "invite");
    invite->hide();

    // The fourth sits down and a hand is dealt.
    t.model.onPlayerJoined(makePlayer(13, QStringLiteral("Cid")));
    t.model.onPlayerIsReady(13);
    TableState state;
    state.referencePlayer = me;
    Seating seating;
    seating.players = {me, 11, 12, 13};
    t.model.onStartHand(502, seating, {}, false, state, WallState());
    t.deal();
    t.window.meldSuggestion({meld_offer(PONG, tile(4)), meld_offer(CHOW, tile(3))}, 13, tile(4), span);
    cut << check(t.window.meldAuction(), "claim");
    t.window.onPassMeldSelected();
    t.window.concealedMeldSuggestion({meld_offer(RIICHI, tile(9)), meld_offer(KONG, tile(4))}, span);
    cut << check(t.window.concealedActionDialog(), "concealed");
    t.window.onConcealedActionCancel();
    t.window.onLeaveButtonClick();
    cut << check(t.window.leaveBox(), "leave");
    // The question quotes the table's name as it stands, without a word for a table of its
    // own beside it.
    if (const auto *box = qobject_cast<ModelessMsgBox::MsgBox *>(t.window.leaveBox())) {
        const QString question = box->contentWidget()->findChild<QLabel *>()->text();
        if (!question.contains(tableName) || wordForATable(QString(question).remove(tableName)))
            cut << row + QStringLiteral(" leave question: ") + question;
    }
    closeBoxes();
    t.model.onActiveChanged(false);
    cut << check(dialog("PlayerInactiveWindow"), "inactive");
    t.model.onActiveChanged(true);

    // The game's last hand washes out, offering the next game at its price; the next
    // game's last hand is won, and its round result waits beside the board or behind it.
    EndHand washout;
    washout.endKind = 9;
    washout.gameEnds = true;
    for (const qint32 id : {me, qint32(11), qint32(12), qint32(13)}) {
        EndHandPlayer player;
        player.playerId = id;
        washout.players[id] = player;
    }
    t.model.onHandEnd(washout);
    t.model.onAreYouReady(span);
    cut << check(t.window.washoutWindow(), "washout");
    t.window.washoutWindow()->hide();
    EndHand win = winOf(11, EndHand::Ron);
    win.players[11].name = QStringLiteral("Ann");
    win.players[11].points = {{QString(), 20, 0}, {QString(), 10, 2}};
    win.players[11].pointsTotal = 30;
    win.players[11].doubles = {{QString(), 1, 3}};
    win.players[11].doublesTotal = 1;
    win.players[11].hand = {{{tile(0), tile(1), tile(2)}, -1}, {{tile(31), tile(31), tile(31)}, 2}};
    win.gameEnds = true;
    t.window.onHandEnd(win);
    t.window.onAreYouReady(span, false);
    t.window.showEndOfRound({{me, 10, -500}, {11, 40, 1500}, {12, 0, -500}, {13, 0, -500}});
    cut << check(t.window.scoreBoard(), "scores");
    t.window.scoreBoard()->hide();
    auto *round = t.window.findChild<RoundScoreBoard *>();
    QVERIFY(round);
    cut << check(round, "round");
    round->hide();
    t.window.onTournamentRoundEnded();
    cut << check(newestBox(), "round-ended");
    closeBoxes();

    // The table goes: removed, or the player, seated again each time, kicked for each
    // reason with a word of its own.
    t.model.onTableRemoved();
    cut << check(newestBox(), "removed");
    closeBoxes();
    for (const auto reason : {kick_reason::KICKED, kick_reason::NOT_ENOUGH_FUNDS, kick_reason::SERVER_ERROR,
                              kick_reason::MAINTENANCE, kick_reason::TABLE_REMOVED}) {
        t.model.setJustJoined();
        t.model.onGameData(-1, static_cast<server_game_state::enum_t>(0), two, TableState(), WallState());
        t.model.onPlayerKicked(reason);
        cut << check(newestBox(), qPrintable(QStringLiteral("kicked-%1").arg(int(reason))));
        closeBoxes();
    }
    translations.setLanguage(QStringLiteral("en"));
    cut.removeAll(QString());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

void TestGameWindow::msecsBetweenCountsDays()
{
    const QDateTime a(QDate(2026, 12, 6), QTime(23, 59, 59, 900), Qt::UTC);
    QCOMPARE(Utils::msecsBetween(a, a.addMSecs(251)), 251);
    QCOMPARE(Utils::msecsBetween(a, a.addDays(2)), 2 * 86400000LL);
    QCOMPARE(Utils::msecsBetween(a.addMSecs(100), a), -100);
}

void TestGameWindow::destroyMidDeal()
{
    QSettings().setValue(QStringLiteral("game/animations"), true);
    for (int players : {4, 1}) {
        auto t = std::make_unique<Table>(TableInfo::FULL_GAME, players, true);
        // In the middle of the deal: a move under way and more waiting behind it.
        const GameWindowActionQueue &deal = t->window.actionQueue();
        QTRY_VERIFY(deal.isBusy() && !deal.isEmpty());
        t->window.onTileDiscarded(11, tile(3), false);
        // A resize ends every started move at once; the window goes before they are
        // deleted.
        t->window.resize(900, 700);
        t.reset();
    }
}

MAHJONG_TEST_MAIN(TestGameWindow)
#include "tst_gamewindow.moc"
