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

namespace {

constexpr qint32 me = 10;

class QuietChat : public TableChat
{
public:
    QWidget *widget() override { return &m_view; }
    void setTableRoom(qint32) override {}
    void leaveRoom() override {}
    bool isJoined() const override { return true; }
    void addSystemMessage(const QString &) override {}
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

// A seated table, its hand started, to be filled as late in a hand.
struct LateHand
{
    LateHand(int ruleset, int seats)
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

// Fills a seated table as late in a hand: every seat has discarded pond tiles (one turned
// for riichi), declared a kong and a pong (the own seat a chow and a kong), has its riichi
// stick out and, under bonus rules, a bonus tile (the own seat two, the top seat three
// flowers and three seasons); the own hand holds its drawn tile and the turn timer runs.
void fillLateHand(GameWindow &window, int seats, bool bonus, int pond)
{
    window.handView()->setTiles(run(0, 8, 4), {tile(0)});
    for (int seat = 0; seat < 4; ++seat) {
        const bool seated = seat < seats;
        window.discardView(seat)->setDiscards(seated ? run(seat * 3, pond, 5) : tile_vector(), 5 + seat);
        window.riichiSticks(seat)->setCount(seated ? 1 : 0);
        DeclaredView *declared = window.declaredView(seat);
        declared->clear();
        if (!seated)
            continue;
        if (seat > 0)
            window.hiddenHandView(seat)->setTileCount(7);
        declared->addMeld(KONG, tile(static_cast<std::uint8_t>(27 + seat)), (seat + 1) % 3, 0, 0, 0);
        if (seat == 0)
            declared->addMeld(CHOW, tile(11), 0, 1, 0, 0);
        else
            declared->addMeld(PONG, tile(static_cast<std::uint8_t>(2 + 9 * (seat - 1))), seat % 3, 0, 0, 0);
        if (bonus)
            declared->addBonusTile(tile(static_cast<std::uint8_t>(34 + seat)));
        if (bonus && seat == 0)
            declared->addBonusTile(tile(38));
        if (bonus && seat == 2) {
            for (const int more : {34, 35, 38, 39, 40})
                declared->addBonusTile(tile(static_cast<std::uint8_t>(more)));
        }
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
    void lateHandReadsAtEverySize_data();
    void lateHandReadsAtEverySize();

private:
    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
};

void TestLayoutSizes::initTestCase()
{
    SceneTestSetup::install(m_artwork.path(), m_work.path());
    QSettings().setValue(QStringLiteral("game/animations"), false);
}

void TestLayoutSizes::lateHandReadsAtEverySize_data()
{
    QTest::addColumn<int>("ruleset");
    QTest::addColumn<int>("seats");
    QTest::addColumn<bool>("compact");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("pond");
    const struct
    {
        const char *name;
        int ruleset;
        int seats;
    } tables[] = {{"riichi-4", RulesetInfo::JAPANESE_RIICHI, 4},
                  {"classic-4", RulesetInfo::CLASSIC, 4},
                  {"kansai-3", RulesetInfo::KANSAI_RIICHI, 3},
                  {"mcr-3", RulesetInfo::MCR, 3}};
    // The window sizes players use, and the table's part of the main window at its
    // windowed and full-screen sizes, below the top bar.
    const QSize sizes[] = {QSize(1024, 768), QSize(1280, 800), QSize(1600, 1000),
                           QSize(1920, 1080), QSize(1024, 742), QSize(1920, 1054)};
    for (const QSize size : sizes)
        for (const auto &table : tables)
            for (bool compact : {false, true})
                QTest::addRow("%s-%s-%dx%d", table.name, compact ? "compact" : "square", size.width(),
                              size.height())
                    << table.ruleset << table.seats << compact << size << 24;
    // Every pond holding as many discards as a pond may.
    for (const QSize size : {QSize(1024, 742), QSize(1920, 1054)})
        for (const auto &table : tables)
            for (bool compact : {false, true})
                QTest::addRow("%s-%s-%dx%d-full-ponds", table.name, compact ? "compact" : "square", size.width(),
                              size.height())
                    << table.ruleset << table.seats << compact << size << int(PlayerData::MaxDiscards);
}

void TestLayoutSizes::lateHandReadsAtEverySize()
{
    QFETCH(int, ruleset);
    QFETCH(int, seats);
    QFETCH(bool, compact);
    QFETCH(QSize, size);
    QFETCH(int, pond);

    LateHand t(ruleset, seats);
    t.window.setCompactLayout(compact);
    t.window.resize(size);
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    fillLateHand(t.window, seats, ruleset == RulesetInfo::CLASSIC || ruleset == RulesetInfo::MCR, pond);
    // The layout again, as a resize does, now that every view holds its tiles.
    t.window.resize(size - QSize(1, 1));
    t.window.resize(size);
    QCOMPARE(t.window.size(), size);

    const std::vector<TablePieces::Piece> pieces = TablePieces::collect(t.window);
    QVERIFY(pieces.size() > 100);
    const QStringList covered = TablePieces::overlaps(pieces);
    const QStringList out = TablePieces::outside(pieces, t.window.viewSceneRect());

    const QImage shot = t.window.grab().toImage();
    QVERIFY(shot.save(QStringLiteral("%1/layout-%2.png")
                          .arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")),
                               QString::fromLatin1(QTest::currentDataTag()))));
    QVERIFY2(covered.isEmpty(), qPrintable(covered.mid(0, 5).join(QLatin1Char('\n'))));
    QVERIFY2(out.isEmpty(), qPrintable(out.mid(0, 5).join(QLatin1Char('\n'))));
}

MAHJONG_TEST_MAIN(TestLayoutSizes)
#include "tst_layout_sizes.moc"
