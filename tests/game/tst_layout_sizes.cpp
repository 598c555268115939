#include "game/GameWindow.h"

#include "SceneTestSetup.h"
#include "TablePieces.h"
#include "app/PlayerData.h"
#include "app/RulesetInfo.h"
#include "app/Singleton.h"
#include "app/TableCapacity.h"
#include "app/meld.h"
#include "connection/ServerTime.h"
#include "table/scene/DeclaredView.h"
#include "table/scene/DiscardView.h"
#include "table/scene/HandView.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/RiichiStickView.h"
#include "table/sidebar/TableChat.h"
#include "table/sidebar/TimerView.h"

#include "testmain.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTextEdit>

#include <iterator>

namespace {

constexpr qint32 me = 10;

class QuietChat : public TableChat
{
public:
    QWidget *widget() override { return &m_view; }
    void setTableRoom(qint32) override {}
    void leaveRoom() override {}
    bool isJoined() const override { return true; }
    void addSystemMessage(const ClientText &) override {}
    void setSuppressedNotices(int) override {}
    void setUserMenuCallback(UserMenuCallback) override {}

private:
    QTextEdit m_view;
};

TableWindowServices services()
{
    TableWindowServices s;
    s.tableChat = [] { return std::make_unique<QuietChat>(); };
    return s;
}

TableInfo makeInfo(int ruleset, int seats)
{
    TableInfo info(90);
    info.setRuleset(ruleset);
    info.setGameType(TableInfo::FULL_GAME);
    info.setCapacity(TableCapacity(seats, 0, 0));
    return info;
}

// A seated table, its hand started, to be filled.
struct SeatedTable
{
    SeatedTable(int ruleset, int seats)
        : info(makeInfo(ruleset, seats)), model(90, info, me, QStringLiteral("me")), window(info, me, services())
    {
        window.setModel(&model);
        model.setJustJoined();
        std::vector<PlayerData> records;
        Seating seating;
        for (int w = 0; w < seats; ++w) {
            PlayerData p(me + w, QStringLiteral("player-%1").arg(w));
            p.setReady(true);
            records.push_back(p);
            seating.players[static_cast<size_t>(w)] = p.id();
        }
        model.onGameData(-1, static_cast<server_game_state::enum_t>(0), records, TableState(), WallState());
        TableState table;
        table.referencePlayer = me;
        model.onStartHand(700, seating, {}, true, table, WallState());
    }

    TableInfo info;
    GameModel model;
    GameWindow window;
};

tile_vector run(int first, int count, int step)
{
    tile_vector tiles;
    for (int i = 0; i < count; ++i)
        tiles.push_back(tile(static_cast<std::uint8_t>((first + i * step) % 34)));
    return tiles;
}

// One moment of a hand, the same at every seat: the concealed tiles each seat holds, its
// drawn tile among them, its melds (a kong, then a pong or chow, then kongs; four are all
// kongs) and, under bonus rules, its flowers and seasons.
struct Stage
{
    const char *name;
    int concealed;
    int melds;
    int bonus;
};

// The deal with a flower and a season each; every bonus tile with a full hand; the
// middle of a hand; four kongs beside the last two tiles and every bonus tile.
constexpr Stage Stages[] = {{"deal", 14, 0, 2}, {"all-bonus", 14, 0, 8}, {"late", 8, 2, 6}, {"four-kongs", 2, 4, 8}};
constexpr int StageCount = static_cast<int>(std::size(Stages));
constexpr int DealStage = 0;
constexpr int AllBonusStage = 1;
constexpr int LateStage = 2;

// Fills a seated table at that stage: every seat has discarded pond tiles and, under
// riichi rules, its riichi tile among them and its stick out; the first bonus tiles are
// the seat's own flower and season. The own hand's drawn tile stands apart and the turn
// timer runs.
void fillHand(GameWindow &window, int seats, const Stage &stage, int ruleset, int pond)
{
    const bool riichi = RulesetInfoInstance(ruleset).isRiichi() != 0;
    const bool bonus = !riichi;
    tile_vector own = run(0, stage.concealed, 4);
    window.handView()->setTiles(own, {own.front()});
    for (int seat = 0; seat < 4; ++seat) {
        const bool seated = seat < seats;
        window.discardView(seat)->setDiscards(seated ? run(seat * 3, pond, 5) : tile_vector(), riichi ? 5 + seat : -1);
        window.riichiSticks(seat)->setCount(seated && riichi ? 1 : 0);
        DeclaredView *declared = window.declaredView(seat);
        declared->clear();
        if (!seated)
            continue;
        if (seat > 0)
            window.hiddenHandView(seat)->setTileCount(static_cast<unsigned>(stage.concealed));
        const auto code = [](int c) { return tile(static_cast<std::uint8_t>(c)); };
        for (int m = 0; m < stage.melds; ++m) {
            if (m == 0)
                declared->addMeld(KONG, code(27 + seat), (seat + 1) % 3, 0, 0, 0);
            else if (m == 1 && stage.melds < 4 && seat == 0)
                declared->addMeld(CHOW, tile(11), 0, 1, 0, 0);
            else if (m == 1 && stage.melds < 4)
                declared->addMeld(PONG, code(2 + 9 * (seat - 1)), seat % 3, 0, 0, 0);
            else
                declared->addMeld(KONG, code(9 * (m - 1) + seat), (seat + m) % 3, 0, 0, 0);
        }
        if (!bonus)
            continue;
        std::vector<int> flowers{34 + seat, 38 + seat};
        for (int c = 34; c < 42; ++c)
            if (c != 34 + seat && c != 38 + seat)
                flowers.push_back(c);
        for (int i = 0; i < stage.bonus; ++i)
            declared->addBonusTile(code(flowers[static_cast<size_t>(i)]));
    }
    const QDateTime now = Singleton<ServerTime>::instance().now();
    window.turnTimer()->setTimeSpan(TimeSpan(now, now.addSecs(20)));
    window.turnTimer()->show();
}

} // namespace

class TestLayoutSizes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void handReadsAtEverySize_data();
    void handReadsAtEverySize();

private:
    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
};

void TestLayoutSizes::initTestCase()
{
    SceneTestSetup::install(m_artwork.path(), m_work.path());
    QSettings().setValue(QStringLiteral("game/animations"), false);
}

void TestLayoutSizes::handReadsAtEverySize_data()
{
    QTest::addColumn<int>("ruleset");
    QTest::addColumn<int>("seats");
    QTest::addColumn<bool>("compact");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("pond");
    const struct
    {
        const char *name;
        int ruleset;
        int seats;
    } tables[] = {{"riichi-4", RulesetInfo::JAPANESE_RIICHI, 4},
                  {"classic-4", RulesetInfo::CLASSIC, 4},
                  {"hongkong-4", RulesetInfo::HONG_KONG, 4},
                  {"kansai-3", RulesetInfo::KANSAI_RIICHI, 3},
                  {"mcr-3", RulesetInfo::MCR, 3}};
    const auto addRows = [&tables](const QSize size, int stage, int pond, const char *suffix) {
        for (const auto &table : tables) {
            // Without bonus tiles every bonus tile is the deal again.
            if (stage == AllBonusStage && RulesetInfoInstance(table.ruleset).isRiichi())
                continue;
            for (bool compact : {false, true})
                QTest::addRow("%s-%s-%s-%dx%d%s", table.name, compact ? "compact" : "square", Stages[stage].name,
                              size.width(), size.height(), suffix)
                    << table.ruleset << table.seats << compact << size << stage << pond;
        }
    };
    // The window sizes players use, and the table's part of the main window at its
    // windowed and full-screen sizes, below the top bar, late in a hand; the other stages
    // at the sizes of the screens most players have, and in a full 1366x768 screen.
    const QSize sizes[] = {QSize(1024, 768), QSize(1280, 800),  QSize(1366, 768), QSize(1600, 1000),
                           QSize(1920, 1080), QSize(1024, 742), QSize(1366, 742), QSize(1920, 1054)};
    for (const QSize size : sizes)
        addRows(size, LateStage, 24, "");
    for (const QSize size : {QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080), QSize(1366, 742)})
        for (int stage = 0; stage < StageCount; ++stage)
            if (stage != LateStage)
                addRows(size, stage, stage == DealStage ? 6 : 24, "");
    // Every pond holding as many discards as a pond may.
    for (const QSize size : {QSize(1024, 742), QSize(1920, 1054)})
        addRows(size, LateStage, int(PlayerData::MaxDiscards), "-full-ponds");
}

void TestLayoutSizes::handReadsAtEverySize()
{
    QFETCH(int, ruleset);
    QFETCH(int, seats);
    QFETCH(bool, compact);
    QFETCH(QSize, size);
    QFETCH(int, stage);
    QFETCH(int, pond);

    SeatedTable t(ruleset, seats);
    t.window.setCompactLayout(compact);
    t.window.resize(size);
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    // The tiles come as they do in play, into the table laid out at the start.
    fillHand(t.window, seats, Stages[stage], ruleset, pond);
    const auto check = [&t](const char *when) {
        const std::vector<TablePieces::Piece> pieces = TablePieces::collect(t.window);
        QVERIFY(pieces.size() > 50);
        const QStringList covered = TablePieces::overlaps(pieces);
        const QStringList out = TablePieces::outside(pieces, t.window.viewSceneRect());
        QVERIFY2(covered.isEmpty(), qPrintable(QLatin1String(when) + covered.mid(0, 5).join(QLatin1Char('\n'))));
        QVERIFY2(out.isEmpty(), qPrintable(QLatin1String(when) + out.mid(0, 5).join(QLatin1Char('\n'))));
    };
    const QImage shot = t.window.grab().toImage();
    QVERIFY(shot.save(QStringLiteral("%1/layout-%2.png")
                          .arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")),
                               QString::fromLatin1(QTest::currentDataTag()))));
    check("in play: ");
    if (QTest::currentTestFailed())
        return;
    // The layout again, as a resize does, now that every view holds its tiles.
    t.window.resize(size - QSize(1, 1));
    t.window.resize(size);
    QCOMPARE(t.window.size(), size);
    check("after a resize: ");
}

MAHJONG_TEST_MAIN(TestLayoutSizes)
#include "tst_layout_sizes.moc"
