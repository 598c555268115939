#include "SceneTestSetup.h"
#include "TestTableHost.h"

#include "app/RulesetInfo.h"
#include "app/TableCapacity.h"
#include "app/wind.h"
#include "game/tiles/TileGraphics.h"
#include "table/scene/CompactCityView.h"
#include "table/scene/DeclaredView.h"
#include "table/scene/DiscardView.h"
#include "table/scene/GameTableLayout.h"
#include "table/scene/HandView.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/SquareCityView.h"
#include "table/scene/TileView.h"
#include "table/scene/WallView.h"
#include "table/scene/WindView.h"
#include "table/sidebar/TimerView.h"

#include "testmain.h"

#include <QGraphicsSimpleTextItem>
#include <QTemporaryDir>

namespace {

TableInfo table(int ruleset, int seats)
{
    TableInfo info;
    info.setRuleset(ruleset);
    info.setCapacity(TableCapacity(seats, seats, 0));
    return info;
}

void compareScale(const GameScale &actual, const GameScale &expected)
{
    QCOMPARE(actual.wall, expected.wall);
    QCOMPARE(actual.table, expected.table);
    QCOMPARE(actual.hand, expected.hand);
}

// Every tile, marker and claim on the scene, by its drawn rectangle.
QString itemOutside(const QGraphicsScene &scene, const QRectF &area)
{
    for (QGraphicsItem *item : scene.items()) {
        if (!item->isVisible() || !item->childItems().isEmpty())
            continue;
        if (auto *tileItem = dynamic_cast<TileView *>(item); tileItem && tileItem->kind() == 8)
            continue;
        const QRectF rect = item->sceneBoundingRect();
        if (rect.isEmpty())
            continue;
        if (!area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(rect))
            return QStringLiteral("%1 at %2,%3 %4x%5")
                .arg(QString::fromLatin1(typeid(*item).name()))
                .arg(rect.x())
                .arg(rect.y())
                .arg(rect.width())
                .arg(rect.height());
    }
    return QString();
}

} // namespace

class TestTableLayouts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void gameScaleFitsTheBaseSize();
    void regularLayoutPlacesAFullTable_data();
    void regularLayoutPlacesAFullTable();
    void cityIsCentredWithoutHandOverlap();
    void compactLayoutPlacesAFullTable_data();
    void compactLayoutPlacesAFullTable();
    void compactLayoutWithoutSeats();

private:
    void shoot(TestTableHost &host, const QString &name);

    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
};

void TestTableLayouts::initTestCase()
{
    SceneTestSetup::install(m_artwork.path(), m_work.path());
}

void TestTableLayouts::shoot(TestTableHost &host, const QString &name)
{
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QImage shot = host.grab().toImage();
    QVERIFY(shot.save(QStringLiteral("%1/%2.png").arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", "."), name)));
}

void TestTableLayouts::gameScaleFitsTheBaseSize()
{
    TestTableHost four(table(RulesetInfo::CLASSIC, 4));
    GameTableLayout *layout = four.tableLayout();
    compareScale(layout->baseFactors(), GameScale{0.85, 1.0, 1.1});
    const QSizeF base = layout->baseSize(layout->baseFactors());
    QVERIFY(base.width() > 100 && base.height() > 100);
    compareScale(layout->gameScale(QSize(2 * base.width(), base.height())), GameScale{0.85, 1.0, 1.1});
    compareScale(layout->gameScale(QSize(base.width(), 3 * base.height())), GameScale{0.85, 1.0, 1.1});
    const GameScale half = layout->gameScale(QSize(base.width() / 2, base.height()));
    QVERIFY(qAbs(half.table - 0.5) < 0.01);

    // Three seats: the short Kansai wall keeps the four-seat factors, a full wall not.
    TestTableHost kansai(table(RulesetInfo::KANSAI_RIICHI, 3));
    compareScale(kansai.tableLayout()->baseFactors(), GameScale{0.85, 1.0, 1.1});
    TestTableHost mcr(table(RulesetInfo::MCR, 3));
    compareScale(mcr.tableLayout()->baseFactors(), GameScale{1.0, 1.0, 1.25});
    mcr.setCompact(true);
    compareScale(mcr.tableLayout()->baseFactors(), GameScale{0.75, 1.0, 1.0});
    QVERIFY(qobject_cast<CompactCityView *>(mcr.cityView()));
}

void TestTableLayouts::regularLayoutPlacesAFullTable_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("800x600") << QSize(800, 600);
    QTest::newRow("1024x768") << QSize(1024, 768);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
}

void TestTableLayouts::regularLayoutPlacesAFullTable()
{
    QFETCH(QSize, size);
    TestTableHost host(table(RulesetInfo::CLASSIC, 4));
    host.fillTable();
    host.resizeTable(size);

    auto *city = qobject_cast<SquareCityView *>(host.cityView());
    QVERIFY(city);
    const QRectF bounds = city->boundingRect().translated(city->pos());
    const QRectF inner = city->innerRect().translated(city->pos());
    const GameScale g = TileGraphics::instance().gameScale();
    const int hh = handAreaHeight() - int(DeclaredView::declaredAreaDepth(BOTTOM) * g.table) / 2;
    QVERIFY(host.handView()->pos().y() >= int(bounds.bottom() + hh));
    QCOMPARE(host.handView()->pos().x(), bounds.right());
    // The walls stand around the middle of the view, the discards inside them.
    QVERIFY(qAbs(bounds.center().x() - size.width() / 2) <= 1);
    for (int seat = 0; seat < 4; ++seat)
        QVERIFY(inner.contains(host.discardView(seat)->pos()));
    // The own disc stands below the walls, left of the own row that begins with the melds.
    const QPointF disc = host.windMarker(BOTTOM)->pos();
    QVERIFY(disc.y() >= bounds.bottom());
    QVERIFY(disc.x() + host.windMarkerSize(BOTTOM).width() <= host.declaredView(BOTTOM)->pos().x());
    QVERIFY(disc.x() + host.windMarkerSize(BOTTOM).width() <= inner.left());
    QCOMPARE(host.declaredView(RIGHT)->maxRowLength(), inner.height());
    const QPoint timer = host.turnTimer()->pos();
    QVERIFY(timer.x() > bounds.right() && timer.y() > bounds.bottom());

    const QString outside = itemOutside(host.tableScene(), host.sceneRect());
    QVERIFY2(outside.isEmpty(), qPrintable(outside));
    shoot(host, QStringLiteral("table-regular-%1x%2").arg(size.width()).arg(size.height()));
}

void TestTableLayouts::cityIsCentredWithoutHandOverlap()
{
    TestTableHost host(table(RulesetInfo::CLASSIC, 4));
    host.resize(1000, 800);
    host.setSceneRect(0, 0, 1000, 800);
    // A small hand under a deep bottom meld area: no overlap.
    TileGraphics::instance().setGameScale(GameScale{1.0, 2.0, 0.25});
    const GameScale g = TileGraphics::instance().gameScale();
    QVERIFY(handAreaHeight() - int(DeclaredView::declaredAreaDepth(BOTTOM) * g.table) / 2 <= 0);
    host.tableLayout()->apply();
    auto *city = qobject_cast<SquareCityView *>(host.cityView());
    const double middle = city->pos().y() + (city->height() + city->depth()) / 2;
    QVERIFY2(qAbs(middle - 400) <= 1, qPrintable(QString::number(middle)));
    QCOMPARE(city->pos().x() + city->width() / 2, 500);
}

void TestTableLayouts::compactLayoutPlacesAFullTable_data()
{
    regularLayoutPlacesAFullTable_data();
}

void TestTableLayouts::compactLayoutPlacesAFullTable()
{
    QFETCH(QSize, size);
    TestTableHost host(table(RulesetInfo::JAPANESE_RIICHI, 4));
    host.setCompact(true);
    host.fillTable();
    host.resizeTable(size);

    auto *city = qobject_cast<CompactCityView *>(host.cityView());
    QVERIFY(city);
    QCOMPARE(city->counter()->text(), QStringLiteral("60"));
    const QRectF wall = city->boundingRect().translated(city->pos());
    QVERIFY(host.handView()->pos().y() >= wall.bottom() - 1);
    // The discards lie above the wall, around the middle.
    for (int seat = 0; seat < 4; ++seat)
        QVERIFY(host.discardView(seat)->pos().y() < wall.top() + 1);
    QVERIFY(qAbs(wall.center().x() - size.width() / 2) <= 1);

    shoot(host, QStringLiteral("table-compact-%1x%2").arg(size.width()).arg(size.height()));
    const QString outside = itemOutside(host.tableScene(), host.sceneRect());
    QVERIFY2(outside.isEmpty(), qPrintable(outside));

    // Back to the regular layout: the square walls come back with the same wall state.
    host.setCompact(false);
    host.resizeTable(size);
    QVERIFY(qobject_cast<SquareCityView *>(host.cityView()));
    QCOMPARE(host.cityView()->liveTiles(), 60);
}

void TestTableLayouts::compactLayoutWithoutSeats()
{
    for (int seats : {0, 2, 7}) {
        TestTableHost host(table(RulesetInfo::CLASSIC, seats));
        host.setCompact(true);
        host.resizeTable(QSize(640, 480));
        QVERIFY(host.tableLayout()->baseSize(host.tableLayout()->baseFactors()).width() > 0);
    }
}

MAHJONG_TEST_MAIN(TestTableLayouts)
#include "tst_tablelayouts.moc"
