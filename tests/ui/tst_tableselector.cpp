// The open-tables strip through its real buttons: clicks, scrolling, names, icons.
#include "screenshot.h"
#include "testmain.h"

#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "lobby/LocalizationDb.h"
#include "lobby/TableModel.h"
#include "ui/SelectorButton.h"
#include "table/sidebar/TimerView.h"
#include "ui/TableSelector.h"

#include "lobby/tablefixtures.h"

#include <QSignalSpy>
#include <QLabel>
#include <QToolButton>

namespace {

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(16, 16).toImage();
}

LocalizedTableName entry(const QString &path, const QString &nameTemplate)
{
    LocalizedTableName name;
    name.path = path;
    name.nameTemplate = nameTemplate;
    return name;
}

} // namespace

class TestTableSelector : public QObject
{
    Q_OBJECT

private:
    RequestLog m_log;
    TranslationsManager *m_translations = nullptr;
    TableModel *m_model = nullptr;
    LocalizationDb *m_names = nullptr;

    QWidget *strip(TableSelector &selector) { return selector.findChild<QWidget *>("buttons"); }
    QToolButton *arrow(TableSelector &selector, const char *name) { return selector.findChild<QToolButton *>(name); }

    void addTables(TableSelector &selector, qint32 first, int count)
    {
        for (qint32 id = first; id < first + count; ++id) {
            m_model->addOrUpdateTable(makeTable(id, "101/Practice"));
            selector.addTable(makeTable(id, "101/Practice"));
        }
    }

private slots:
    void initTestCase()
    {
        setupResourceSearchPaths({}, "default");
        m_translations = new TranslationsManager(this);
        m_translations->setLanguage("en");
        m_model = new TableModel(m_log.requests(), this);
        m_model->subscribe("101/Practice");
        m_model->subscribe("101/mtt/3");
        QTRY_COMPARE(m_log.sent.size(), 2);
        m_names = new LocalizationDb([](const QString &, const std::vector<QString> &) {}, m_translations, this);
        m_names->setTableModel(m_model);
        m_names->onLocalizedTableNames("en", {entry("Practice", "Table {tableId}")});
    }

    void clicksAndInconsistencies()
    {
        TableSelector selector(nullptr);
        selector.setLocalizationDb(m_names);
        selector.resize(600, 30);
        selector.show();
        addTables(selector, 42, 2);
        QSignalSpy clicked(&selector, &TableSelector::tableClicked);

        QTest::mouseClick(selector.findChild<QPushButton *>("lobbyButton"), Qt::LeftButton);
        QTest::mouseClick(selector.tableButton(43), Qt::LeftButton);
        QCOMPARE(clicked.size(), 2);
        QCOMPARE(clicked.at(0).at(0).toInt(), -1);
        QCOMPARE(clicked.at(1).at(0).toInt(), 43);
        QCOMPARE(selector.currentTable(), 43);
        selector.setActiveTable(-1);
        QCOMPARE(selector.currentTable(), -1);

        // Inconsistent calls are logged and change nothing.
        QTest::ignoreMessage(QtWarningMsg, "duplicate table: 42");
        selector.addTable(makeTable(42, "101/Practice"));
        QTest::ignoreMessage(QtWarningMsg, "set active table for missing id: 7");
        selector.setActiveTable(7);
        QTest::ignoreMessage(QtWarningMsg, "missing table when removing from table selector, id: 7");
        selector.removeTable(7);
        QTest::ignoreMessage(QtWarningMsg, "missing table on table info, id: 7");
        selector.onTableInfo(makeTable(7, "101/Practice"));
        QCOMPARE(selector.findChildren<SelectorButton *>().size(), 2);
        QCOMPARE(selector.currentTable(), -1);
        // Unknown tables are ignored without a word.
        selector.onTableActivity(7, true, TimeSpan());
        selector.onTableActiveChanged(7, false);
    }

    void stripScrollsWithinItsEnds()
    {
        QWidget window;
        QFile styleSheet("resources:/defaultui.css");
        QVERIFY(styleSheet.open(QIODevice::ReadOnly));
        window.setStyleSheet(QString::fromUtf8(styleSheet.readAll()));
        window.resize(320, 30);
        auto *selector = new TableSelector(&window);
        selector->setLocalizationDb(m_names);
        selector->resize(320, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QToolButton *left = arrow(*selector, "selectorLeft");
        QToolButton *right = arrow(*selector, "selectorRight");

        addTables(*selector, 100, 2);
        QVERIFY(left->isHidden() && right->isHidden());
        QCOMPARE(strip(*selector)->x(), 0);

        addTables(*selector, 102, 6);
        QVERIFY(!left->isHidden() && !right->isHidden());
        QWidget *viewport = selector->findChild<QWidget *>("scrollArea");
        for (int i = 0; i < 100; ++i)
            QTest::mouseClick(right, Qt::LeftButton);
        QCOMPARE(strip(*selector)->x() + strip(*selector)->width(), viewport->width());
        QTest::mouseClick(left, Qt::LeftButton);
        QCOMPARE(strip(*selector)->x() + strip(*selector)->width(), viewport->width() + 40);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (qint32 id = 100; id < 108; ++id)
            selector->onTableActivity(id, false, TimeSpan(now.addSecs(-id % 5 * 5), now.addSecs(30)));
        selector->onTableActiveChanged(106, false);
        QTest::qWait(50);
        for (int i = 0; i < 100; ++i)
            QTest::mouseClick(left, Qt::LeftButton);
        QCOMPARE(strip(*selector)->x(), 0);
        QVERIFY(saveScreenshot(selector, QStringLiteral("tableselector")));

        QTest::mouseClick(right, Qt::LeftButton);
        for (qint32 id = 102; id < 108; ++id)
            selector->removeTable(id);
        QVERIFY(left->isHidden() && right->isHidden());
        QCOMPARE(strip(*selector)->x(), 0);
    }

    void namesIconsAndActivity()
    {
        TableSelector selector(nullptr);
        selector.setLocalizationDb(m_names);
        TableInfo tournament = makeTable(4711, "101/mtt/3");
        tournament.setGameType(TableInfo::TOURNAMENT);
        m_model->addOrUpdateTable(tournament);
        selector.addTable(tournament);
        addTables(selector, 5, 1);

        SelectorButton *practice = selector.tableButton(5);
        SelectorButton *mtt = selector.tableButton(4711);
        QCOMPARE(practice->text(), QStringLiteral("Table 5"));
        QCOMPARE(mtt->text(), QStringLiteral("Table(4711)"));
        QCOMPARE(mtt->toolTip(), QStringLiteral("Table(4711)"));
        // A name too long for a button is cut in its middle, whole in the tool tip.
        const QString longName = QStringLiteral("Evening Cup, final round, table 12 of 16 (Riichi)");
        mtt->setText(longName);
        QVERIFY(mtt->text().startsWith(QStringLiteral("Evening")) && mtt->text().endsWith(QStringLiteral("(Riichi)")));
        QVERIFY(mtt->fontMetrics().horizontalAdvance(mtt->text()) <= SelectorButton::MaxTextWidth);
        QCOMPARE(mtt->toolTip(), longName);
        mtt->setText(QStringLiteral("Table(4711)"));
        QCOMPARE(iconImage(mtt->icon()), iconImage(QIcon("resources:/trophy-normal.png")));
        QCOMPARE(iconImage(practice->icon()), iconImage(QIcon("resources:/smiley-normal.png")));

        // The table's time limit runs on its button; the inactive icon takes its place.
        auto *countdown = practice->findChild<TimerView *>("tableTimeout");
        auto *inactiveIcon = practice->findChild<QLabel *>();
        selector.show();
        const QDateTime now = QDateTime::currentDateTimeUtc();
        selector.onTableActivity(5, true, TimeSpan(now, now.addSecs(30)));
        QCOMPARE(countdown->length(), 30000);
        QVERIFY(countdown->isVisible() && !inactiveIcon->isVisible());
        QCOMPARE(countdown->geometry(), QRect(practice->width() - 20, (practice->height() - 12) / 2, 12, 12));
        selector.onTableActiveChanged(5, false);
        QVERIFY(!countdown->isVisible() && inactiveIcon->isVisible());
        selector.onTableActiveChanged(5, true);
        QVERIFY(countdown->isVisible() && !inactiveIcon->isVisible());

        // New names reach every button.
        m_names->onLocalizedTableNames("en", {entry("Practice", "Riichi {tableId}")});
        QCOMPARE(practice->text(), QStringLiteral("Riichi 5"));
        auto *lobby = selector.findChild<QPushButton *>("lobbyButton");
        QCOMPARE(lobby->text(), QStringLiteral("Lobby"));

        // Another language: the lobby button at once, the tables with their names.
        m_translations->setLanguage("ja");
        QTRY_COMPARE(lobby->text(), QStringLiteral(u"ロビー"));
        m_names->onLocalizedTableNames("ja", {entry("Practice", QStringLiteral(u"卓 {tableId}"))});
        QCOMPARE(practice->text(), QStringLiteral(u"卓 5"));
        m_translations->setLanguage("en");
        QTRY_COMPARE(lobby->text(), QStringLiteral("Lobby"));
        QCOMPARE(practice->text(), QStringLiteral("Riichi 5"));
    }
};

MAHJONG_TEST_MAIN(TestTableSelector)
#include "tst_tableselector.moc"
