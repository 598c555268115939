#include "game/GameWindow.h"

#include "SceneTestSetup.h"
#include "app/RulesetInfo.h"
#include "app/TableCapacity.h"
#include "app/Singleton.h"
#include "app/meld.h"
#include "connection/ServerTime.h"
#include "table/scene/CityView.h"
#include "table/scene/DeclaredView.h"
#include "table/scene/DiscardView.h"
#include "table/scene/HandView.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/Object3DView.h"
#include "table/scene/PlayerActionView.h"
#include "table/scene/RiichiStickView.h"
#include "table/scene/TileView.h"
#include "table/scene/WallView.h"
#include "table/scene/WindView.h"
#include "table/sidebar/TableChat.h"
#include "table/sidebar/TimerView.h"

#include "testmain.h"

#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
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

tile_vector run(int first, int count, int step)
{
    tile_vector tiles;
    for (int i = 0; i < count; ++i)
        tiles.push_back(tile(static_cast<std::uint8_t>((first + i * step) % 34)));
    return tiles;
}

// A seated table late in a hand: every seat has discarded 24 tiles (one turned for
// riichi), declared a kong and a pong (the own seat a chow and a kong), has its riichi
// stick out and, under bonus rules, a bonus tile (the own seat two); the own hand holds
// its drawn tile.
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

    void fill(int seats, bool bonus)
    {
        window.handView()->setTiles(run(0, 8, 4));
        window.handView()->markTile(tile(0));
        for (int seat = 0; seat < 4; ++seat) {
            const bool seated = seat < seats;
            window.discardView(seat)->setDiscards(seated ? run(seat * 3, 24, 5) : tile_vector(), 5 + seat);
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
        }
        const QDateTime now = Singleton<ServerTime>::instance().now();
        window.turnTimer()->setTimeSpan(TimeSpan(now, now.addSecs(20)));
        window.turnTimer()->show();
    }

    TableInfo info;
    GameModel model;
    GameWindow window;
};

struct Piece
{
    QString owner;
    QRectF rect;
};

// Every drawn piece a player reads, by the group it belongs to: a seat's hand, discards
// or melds, the walls, a wind disc, the wall counter, the riichi sticks, the turn timer.
// Claim words and the cube stand over the table on purpose and are left out, as are
// the empty places of the wall.
void collect(QGraphicsItem *item, const QString &owner, std::vector<Piece> &pieces)
{
    if (!item->isVisible())
        return;
    if (auto *tileItem = dynamic_cast<TileView *>(item); tileItem && tileItem->kind() == 8)
        return;
    const QList<QGraphicsItem *> children = item->childItems();
    if (children.isEmpty()) {
        const QRectF rect = item->sceneBoundingRect();
        if (!rect.isEmpty())
            pieces.push_back({owner, rect});
        return;
    }
    for (QGraphicsItem *child : children)
        collect(child, owner, pieces);
}

std::vector<Piece> tablePieces(GameWindow &window)
{
    std::vector<Piece> pieces;
    const auto seatName = [](const char *what, int seat) {
        return QStringLiteral("%1 %2").arg(QLatin1String(what)).arg(seat);
    };
    collect(window.handView(), QStringLiteral("hand"), pieces);
    for (int seat = 0; seat < 4; ++seat) {
        collect(window.hiddenHandView(seat), seatName("hidden hand", seat), pieces);
        collect(window.discardView(seat), seatName("discards", seat), pieces);
        collect(window.declaredView(seat), seatName("melds", seat), pieces);
        collect(window.windMarker(seat), seatName("wind", seat), pieces);
        collect(window.riichiSticks(seat), seatName("sticks", seat), pieces);
    }
    collect(window.prevalentWindView(), QStringLiteral("round wind"), pieces);
    for (QGraphicsItem *item : window.layoutScene()->items()) {
        if (item->parentItem())
            continue;
        if (dynamic_cast<WallView *>(item))
            collect(item, QStringLiteral("walls"), pieces);
        else if (dynamic_cast<QGraphicsSimpleTextItem *>(item))
            collect(item, QStringLiteral("wall counter"), pieces);
    }
    TimerView *timer = window.turnTimer();
    if (timer->isVisible()) {
        QGraphicsView *view = window.view();
        const QRect r = timer->geometry();
        pieces.push_back({QStringLiteral("turn timer"),
                          view->mapToScene(r).boundingRect()});
    }
    return pieces;
}

QString describe(const Piece &p)
{
    return QStringLiteral("%1 (%2,%3 %4x%5)")
        .arg(p.owner)
        .arg(p.rect.x())
        .arg(p.rect.y())
        .arg(p.rect.width())
        .arg(p.rect.height());
}

// Pieces of different groups that cover each other by more than the shadows' two pixels.
QStringList overlaps(const std::vector<Piece> &pieces)
{
    QStringList found;
    for (size_t i = 0; i < pieces.size(); ++i) {
        for (size_t j = i + 1; j < pieces.size(); ++j) {
            if (pieces[i].owner == pieces[j].owner)
                continue;
            const QRectF both = pieces[i].rect & pieces[j].rect;
            if (both.width() > 2 && both.height() > 2)
                found << describe(pieces[i]) + QStringLiteral(" covers ") + describe(pieces[j]);
        }
    }
    return found;
}

QStringList outside(const std::vector<Piece> &pieces, const QRectF &area)
{
    QStringList found;
    for (const Piece &p : pieces)
        if (!area.adjusted(-1, -1, 1, 1).contains(p.rect))
            found << describe(p);
    return found;
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
    const struct
    {
        const char *name;
        int ruleset;
        int seats;
    } tables[] = {{"riichi-4", RulesetInfo::JAPANESE_RIICHI, 4},
                  {"classic-4", RulesetInfo::CLASSIC, 4},
                  {"kansai-3", RulesetInfo::KANSAI_RIICHI, 3},
                  {"mcr-3", RulesetInfo::MCR, 3}};
    for (const QSize size : {QSize(1024, 768), QSize(1280, 800), QSize(1600, 1000), QSize(1920, 1080)})
        for (const auto &table : tables)
            for (bool compact : {false, true})
                QTest::addRow("%s-%s-%dx%d", table.name, compact ? "compact" : "square", size.width(),
                              size.height())
                    << table.ruleset << table.seats << compact << size;
}

void TestLayoutSizes::lateHandReadsAtEverySize()
{
    QFETCH(int, ruleset);
    QFETCH(int, seats);
    QFETCH(bool, compact);
    QFETCH(QSize, size);

    LateHand t(ruleset, seats);
    t.window.setCompactLayout(compact);
    t.window.resize(size);
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    t.fill(seats, ruleset == RulesetInfo::CLASSIC || ruleset == RulesetInfo::MCR);
    // The layout again, as a resize does, now that every view holds its tiles.
    t.window.resize(size - QSize(1, 1));
    t.window.resize(size);
    QCOMPARE(t.window.size(), size);

    const std::vector<Piece> pieces = tablePieces(t.window);
    QVERIFY(pieces.size() > 100);
    const QStringList covered = overlaps(pieces);
    const QStringList out = outside(pieces, t.window.viewSceneRect());

    const QImage shot = t.window.grab().toImage();
    QVERIFY(shot.save(QStringLiteral("%1/layout-%2.png")
                          .arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", QStringLiteral(".")),
                               QString::fromLatin1(QTest::currentDataTag()))));
    QVERIFY2(covered.isEmpty(), qPrintable(covered.mid(0, 5).join(QLatin1Char('\n'))));
    QVERIFY2(out.isEmpty(), qPrintable(out.mid(0, 5).join(QLatin1Char('\n'))));
}

MAHJONG_TEST_MAIN(TestLayoutSizes)
#include "tst_layout_sizes.moc"
