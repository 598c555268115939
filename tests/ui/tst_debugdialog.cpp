// The debug window against the test game server: round trips from real clock
// synchronisations, receive and send rates from the real connection's counters, and
// the style-sheet path of the widget under the mouse.

#include "contrast.h"

#include "app/Singleton.h"
#include "app/startup/MahjongApplication.h"
#include "app/startup/ResourceSearchPaths.h"
#include "connection/ConnectionManager.h"
#include "connection/ServerTime.h"
#include "protocol/Connection.h"
#include "protocol/TestServer.h"
#include "ui/DebugDialog.h"
#include "ui/GraphWidget.h"
#include "ui/screenshot.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// The clock synchronisation reads this clock; a test moves it between a request and
// its answer to give the round trip it wants.
struct ManualClock : ServerTime::Clock
{
    qint64 *elapsed;
    explicit ManualClock(qint64 *e) : elapsed(e) {}
    qint64 elapsedMs() const override { return *elapsed; }
    QDateTime utcNow() const override { return QDateTime::currentDateTimeUtc(); }
};

QString labelText(QWidget *dialog, const char *name)
{
    auto *label = dialog->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

} // namespace

class TestDebugDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTripsOfTheLastTenSynchronisations();
    void ratesFromTheConnectionCounters();
    void readsOnEverySkin();
    void graphOfZeroSamplesLiesOnTheBottomEdge();
    void styleSheetPathOfTheWidgetUnderTheMouse();
    void cleanupTestCase();

private:
    MahjongApplication *app() { return static_cast<MahjongApplication *>(qApp); }

    QTemporaryDir m_dir;
    TestServer m_server;
    ConnectionManager m_manager{false};
    qint64 m_elapsed = 1000;
};

void TestDebugDialog::initTestCase()
{
    // After the handshake the server answers the lobby summary with 25,000 bytes: one
    // frame of a class the client does not know, counted and skipped.
    const int frameSize = 25000;
    QByteArray frame(frameSize, '\0');
    const quint32 length = frameSize - 4;
    frame[0] = char(length >> 24);
    frame[1] = char(length >> 16);
    frame[2] = char(length >> 8);
    frame[3] = char(length);
    frame[4] = char(250);
    const QJsonObject scenario{
        {QStringLiteral("requests"),
         QJsonArray{QJsonObject{
             {QStringLiteral("packet"), QStringLiteral("query_lobby_summary_t")},
             {QStringLiteral("reply"),
              QJsonArray{QJsonObject{{QStringLiteral("raw"), QString::fromLatin1(frame.toHex())}}}}}}}};
    QFile file(m_dir.filePath(QStringLiteral("debug.json")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(scenario).toJson());
    file.close();
    QVERIFY(m_server.start(file.fileName(), false));

    Singleton<ServerTime>::instance().setClock(std::make_unique<ManualClock>(&m_elapsed));
    app()->openDebugDialog();
    QVERIFY(app()->debugDialog());
    QCOMPARE(app()->debugDialog()->windowTitle(), QStringLiteral("Debug info"));

    QSignalSpy checked(&m_manager, &ConnectionManager::versionCheckComplete);
    m_manager.connectTo(QStringLiteral("127.0.0.1"), m_server.gamePort());
    QVERIFY(checked.wait(5000));
}

void TestDebugDialog::roundTripsOfTheLastTenSynchronisations()
{
    DebugDialog *dialog = app()->debugDialog();
    auto *graph = dialog->findChild<GraphWidget *>(QStringLiteral("pingGraph"));
    QVERIFY(graph);
    ServerTime &clock = Singleton<ServerTime>::instance();
    QSignalSpy pings(&clock, &ServerTime::updatedPing);
    auto synchronise = [&](int roundTrip) {
        clock.setConnection(&m_manager);
        m_elapsed += roundTrip;
        return pings.wait(5000);
    };

    QVERIFY(synchronise(80));
    QCOMPARE(labelText(dialog, "ping"), QStringLiteral("80ms (min 80, max 80, mean 80)"));
    QVERIFY(synchronise(100));
    QCOMPARE(labelText(dialog, "ping"), QStringLiteral("100ms (min 80, max 100, mean 90)"));
    QCOMPARE(graph->maximum(), 100);

    // Twelve in all: 80 and 100 drop out, 5 to 50 remain; a mean of 27.5 keeps its
    // decimals.
    for (int roundTrip = 5; roundTrip <= 50; roundTrip += 5)
        QVERIFY(synchronise(roundTrip));
    QCOMPARE(labelText(dialog, "ping"), QStringLiteral("50ms (min 5, max 50, mean 27.5)"));
    QCOMPARE(graph->minimum(), 5);
    QCOMPARE(graph->maximum(), 50);
    clock.setConnection(nullptr);
}

void TestDebugDialog::ratesFromTheConnectionCounters()
{
    DebugDialog *dialog = app()->debugDialog();
    QCOMPARE(labelText(dialog, "rx"), QString());
    app()->startNetworkStats(&m_manager);
    Connection *connection = m_manager.connection();
    const quint64 received = connection->bytesReceived();
    const quint64 sent = connection->bytesSent();

    m_manager.query_lobby_summary();
    QTRY_COMPARE(connection->bytesReceived(), received + 25000);
    dialog->readNetworkStats();
    QCOMPARE(labelText(dialog, "rx"), QStringLiteral("rx: 5000 b/s"));
    QCOMPARE(labelText(dialog, "tx"), QStringLiteral("tx: %1 b/s").arg((connection->bytesSent() - sent) / 5.0));

    dialog->readNetworkStats();
    QCOMPARE(labelText(dialog, "rx"), QStringLiteral("rx: 0 b/s"));
    QCOMPARE(labelText(dialog, "tx"), QStringLiteral("tx: 0 b/s"));
    dialog->resize(364, 610);
    QVERIFY(saveScreenshot(dialog, QStringLiteral("debugdialog")));
}

// In the client's style with each skin's style sheets, as the client starts: every label
// and group title reads on the window's ground, and the ping graph's line on the graph's,
// drawn in the graph's text colour one and a half pixels wide, upright: each round trip
// stands at its share of the highest above the bottom edge.
void TestDebugDialog::readsOnEverySkin()
{
    DebugDialog *dialog = app()->debugDialog();
    dialog->setCssPath(QStringLiteral("QWidget#window > QFrame#panel"));
    auto *graph = dialog->findChild<GraphWidget *>(QStringLiteral("pingGraph"));
    // The round trips of the synchronisations above: 5 to 50 ms in steps of 5, evenly
    // across the graph, so the line climbs from a tenth of the height to the top.
    QCOMPARE(graph->minimum(), 5);
    QCOMPARE(graph->maximum(), 50);
    for (const QString skin : {"default", "corvana"}) {
        setupResourceSearchPaths({}, skin);
        app()->setupStyle();
        QVERIFY(!app()->styleSheet().isEmpty());
        dialog->resize(364, 610);
        const QStringList unreadable = Contrast::unreadableLabels(dialog);
        QVERIFY2(unreadable.isEmpty(), qPrintable(skin + QLatin1Char('\n') + unreadable.join(QLatin1Char('\n'))));

        // The line: the pixels inside the graph's border that differ from its ground, and
        // the best contrast one of them has in each column it crosses.
        const QImage shot = dialog->grab(graph->geometry().translated(graph->parentWidget()->mapTo(dialog, QPoint())))
                                .toImage();
        const QRect inside = shot.rect().adjusted(3, 3, -3, -3);
        QHash<QRgb, int> counts;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                ++counts[shot.pixel(x, y)];
        const QColor ground = QColor::fromRgb(std::max_element(counts.begin(), counts.end()).key());
        int readable = 0;
        for (int x = inside.left(); x <= inside.right(); ++x) {
            double best = 1;
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                best = std::max(best, Contrast::ratio(shot.pixelColor(x, y), ground));
            readable += best >= 3;
        }
        QVERIFY2(readable > inside.width() * 9 / 10,
                 qPrintable(QStringLiteral("%1: the line stands out from %2 in %3 of %4 columns")
                                .arg(skin, ground.name(), QString::number(readable), QString::number(inside.width()))));

        // Each pixel's share of the pen's colour over the ground; per column, the line's
        // weight (the shares' sum) and its middle (the rows weighted by their shares),
        // where the line lies wholly inside the border.
        const QColor pen = graph->palette().color(graph->foregroundRole());
        const double span = std::pow(pen.red() - ground.red(), 2) + std::pow(pen.green() - ground.green(), 2)
                            + std::pow(pen.blue() - ground.blue(), 2);
        QVERIFY2(span > 0, qPrintable(skin + QStringLiteral(": the pen has the ground's colour")));
        QStringList misplaced;
        double weight = 0;
        int columns = 0;
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const double expected = 0.9 * shot.height() * (1.0 - (x + 0.5) / shot.width());
            if (expected < inside.top() + 2 || expected > inside.bottom() - 2)
                continue;
            double ink = 0;
            double rows = 0;
            for (int y = inside.top(); y <= inside.bottom(); ++y) {
                const QColor c = shot.pixelColor(x, y);
                const double share = ((c.red() - ground.red()) * (pen.red() - ground.red())
                                      + (c.green() - ground.green()) * (pen.green() - ground.green())
                                      + (c.blue() - ground.blue()) * (pen.blue() - ground.blue()))
                                     / span;
                const double clamped = std::clamp(share, 0.0, 1.0);
                ink += clamped;
                rows += clamped * (y + 0.5);
            }
            weight += ink;
            ++columns;
            if (ink == 0 || std::abs(rows / ink - expected) > 1.0)
                misplaced << QStringLiteral("x %1 at %2 for %3")
                                 .arg(QString::number(x), ink == 0 ? QStringLiteral("none") : QString::number(rows / ink, 'f', 1),
                                      QString::number(expected, 'f', 1));
        }
        QVERIFY(columns > inside.width() * 3 / 4);
        QVERIFY2(misplaced.isEmpty(), qPrintable(skin + QStringLiteral(": ") + misplaced.mid(0, 8).join(QStringLiteral(", "))));
        QVERIFY2(weight / columns > 1.3,
                 qPrintable(QStringLiteral("%1: the line weighs %2 pixels of %3 a column")
                                .arg(skin, QString::number(weight / columns, 'f', 2), pen.name())));
        QVERIFY(saveScreenshot(dialog, QStringLiteral("debugdialog-") + skin));
    }
    app()->setStyleSheet(QString());
}

void TestDebugDialog::graphOfZeroSamplesLiesOnTheBottomEdge()
{
    GraphWidget graph;
    graph.resize(120, 60);
    graph.setSamples({0, 0, 0});
    const QImage image = graph.grab().toImage();
    const QColor background = image.pixelColor(60, 20);
    int drawn = 0;
    for (int x = 0; x < image.width(); ++x)
        drawn += image.pixelColor(x, image.height() - 1) != background;
    QVERIFY2(drawn > image.width() * 9 / 10, qPrintable(QString::number(drawn)));
}

void TestDebugDialog::styleSheetPathOfTheWidgetUnderTheMouse()
{
    QWidget window;
    window.setObjectName(QStringLiteral("window"));
    auto *layout = new QVBoxLayout(&window);
    auto *frame = new QFrame(&window);
    frame->setObjectName(QStringLiteral("panel"));
    frame->setMinimumSize(200, 100);
    auto *inner = new QVBoxLayout(frame);
    auto *button = new QPushButton(QStringLiteral("Press"), frame);
    inner->addWidget(button);
    inner->addStretch();
    layout->addWidget(frame);
    // Beside the debug window, which would otherwise lie over it.
    window.move(app()->debugDialog()->frameGeometry().right() + 20, 0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    DebugDialog *dialog = app()->debugDialog();
    QTest::mouseMove(button);
    QTRY_COMPARE(labelText(dialog, "cssPath"), QStringLiteral("QWidget#window > QFrame#panel > QPushButton"));
    // Back from the button to the frame below it.
    QTest::mouseMove(&window, frame->mapTo(&window, QPoint(100, 90)));
    QTRY_COMPARE(labelText(dialog, "cssPath"), QStringLiteral("QWidget#window > QFrame#panel"));

    QSignalSpy reloads(dialog, &DebugDialog::loadStyleSheet);
    dialog->findChild<QPushButton *>(QStringLiteral("reloadCss"))->click();
    QCOMPARE(reloads.count(), 1);
}

void TestDebugDialog::cleanupTestCase()
{
    m_manager.setDisconnectExpected(true);
}

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    MahjongApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestDebugDialog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_debugdialog.moc"
