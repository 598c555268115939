#include "testmain.h"

#include "lobbyscreenshot.h"
#include "rowbaseline.h"
#include "tablefixtures.h"

#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "lobby/CustomItem.h"
#include "lobby/LobbyModel.h"
#include "lobby/LobbyTableFilter.h"
#include "lobby/LobbyWindow.h"
#include "lobby/LocalizationDb.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QTreeView>

#include <memory>

// The table lobby window over the real table list, with settings of its own.
class TestLobbyWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_settingsDir;

    static void drain(TableModel &model)
    {
        while (model.hasQueuedRequests())
            model.processSubscriptions();
    }

    static LobbyStructure node(const QString &name, bool leaf, std::vector<LobbyStructure> children = {})
    {
        LobbyStructure n;
        n.name = name;
        n.isLeaf = leaf;
        n.children = std::move(children);
        return n;
    }

    static LobbyStructure lobbyTree()
    {
        return node("101", false, {node("Practice", true),
                                   node("Regular", false, {node("A", true),
                                                           node("B", false, {node("x", true), node("y", true)})})});
    }

    static TableInfo table(qint32 id, const QString &path, int ruleset, int gameType, int seated, int bet)
    {
        TableInfo info = makeTable(id, path, 0, seated);
        info.setRuleset(ruleset);
        info.setGameType(gameType == TableInfo::EAST_ONLY ? TableInfo::FULL_GAME : gameType);
        info.setWindRounds(gameType == TableInfo::EAST_ONLY ? 1 : 2);
        info.setSpeed(15000);
        TableValue value;
        if (bet > 0) {
            value.setKind(2);
            value.setBet(bet);
            value.setPlayers(4);
        }
        info.setValue(value);
        return info;
    }

    // Tables of every rule set, game type and buy-in level, one of them full and one empty.
    static void addTables(TableModel &model)
    {
        model.addOrUpdateTable(table(1, "101/Regular/A", 0, TableInfo::SINGLE_HAND, 2, 0));
        model.addOrUpdateTable(table(2, "101/Regular/A", 3, TableInfo::FULL_GAME, 1, 500));
        model.addOrUpdateTable(table(3, "101/Regular/A", 5, TableInfo::EAST_ONLY, 4, 2000));
        model.addOrUpdateTable(table(4, "101/Regular/B/x", 1, TableInfo::FULL_GAME, 0, 6000));
        model.addOrUpdateTable(table(5, "101/Regular/B/y", 4, TableInfo::SINGLE_HAND, 3, 0));
        model.addOrUpdateTable(table(6, "101/Practice", 0, TableInfo::SINGLE_HAND, 1, 0));
    }

    static QList<int> shownIds(const LobbyWindow &window)
    {
        QList<int> ids;
        const QAbstractItemModel *model = window.findChild<QTreeView *>("lobbyTreeView")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            ids << model->index(row, 0).data(TableIdRole).toInt();
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    static QCheckBox *box(const LobbyWindow &window, const char *name)
    {
        return window.findChild<QCheckBox *>(QLatin1String(name));
    }

    static const QList<const char *> &boxNames()
    {
        static const QList<const char *> names{
            "classicRules", "internationalRules", "riichiRules", "hongKongRules",
            "level1BuyIn", "level2BuyIn", "level3BuyIn", "noBuyIn",
            "expressGames", "eastOnlyGames", "sitNGoGames", "viewAllAvailableTablesCheckBox"};
        return names;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QCoreApplication::setOrganizationName(QStringLiteral("Pellandor"));
        QCoreApplication::setApplicationName(QStringLiteral("Pellandor-test"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        QSettings().clear();
        setupResourceSearchPaths({}, QStringLiteral("default"));
        QFile sheet(QStringLiteral("resources:/defaultui.css"));
        if (sheet.open(QIODevice::ReadOnly))
            qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    }

    void filtersSubscriptionsAndRememberedBoxes()
    {
        RequestLog log;
        TableModel model(log.requests(), nullptr);
        model.subscribe(QStringLiteral("101/Practice"));
        auto window = std::make_unique<LobbyWindow>();
        window->setTableModel(&model);
        QCOMPARE(log.lobbyStructureQueries, 1);

        // A first start checks every box and fills every set.
        for (const char *name : boxNames())
            QVERIFY2(box(*window, name)->isChecked(), name);
        const LobbyTableFilter &filter = *window->tableFilter();
        QCOMPARE(filter.rulesets(), (std::set<int>{0, 1, 2, 3, 4, 5}));
        QCOMPARE(filter.gameTypes(), (std::set<int>{0, 2, 3}));
        QCOMPARE(filter.buyInLevels(), (std::set<int>{0, 1, 2, 3}));
        QCOMPARE(filter.fullTablesMode(), int(Ignore));
        QCOMPARE(filter.emptyTablesMode(), int(Ignore));

        model.onLobbyStructure(lobbyTree());
        QCOMPARE(window->paths(), (QStringList{"101/Regular/A", "101/Regular/B/x", "101/Regular/B/y"}));
        drain(model);
        QCOMPARE(log.sent, (QStringList{"+101/Practice", "+101/Regular/A", "+101/Regular/B/x", "+101/Regular/B/y"}));
        addTables(model);
        QCOMPARE(shownIds(*window), (QList<int>{1, 2, 3, 4, 5}));

        window->resize(738, 595);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(saveScreenshot(*window, QStringLiteral("lobbywindow")) > 8);

        // Unchecking Riichi hides its three rule sets and is remembered.
        QTest::mouseClick(box(*window, "riichiRules"), Qt::LeftButton);
        QCOMPARE(QSettings().value("lobby/riichi").toBool(), false);
        QCOMPARE(filter.rulesets(), (std::set<int>{0, 1, 5}));
        QCOMPARE(shownIds(*window), (QList<int>{1, 3, 4}));

        for (const char *name : {"level1BuyIn", "level2BuyIn", "level3BuyIn", "noBuyIn"})
            box(*window, name)->setChecked(false);
        QCOMPARE(shownIds(*window), QList<int>());
        for (const char *name : {"level1BuyIn", "level2BuyIn", "level3BuyIn", "noBuyIn"})
            box(*window, name)->setChecked(true);

        box(*window, "viewAllAvailableTablesCheckBox")->setChecked(false);
        QCOMPARE(shownIds(*window), (QList<int>{1, 4}));
        QCOMPARE(QSettings().value("lobby/viewallavailabletables").toBool(), false);
        box(*window, "viewAllAvailableTablesCheckBox")->setChecked(true);

        auto *search = window->findChild<QLineEdit *>("freeTextSearch");
        QTest::keyClicks(search, QStringLiteral("hong"));
        QCOMPARE(shownIds(*window), QList<int>{3});
        search->clear();

        // Sorted by players, most first; a click selects, a double click joins.
        auto *view = window->findChild<QTreeView *>("lobbyTreeView");
        QCOMPARE(view->model()->index(0, 0).data(TableIdRole).toInt(), 3);
        QSignalSpy selected(window.get(), &LobbyWindow::tableSelected);
        QSignalSpy activated(window.get(), &LobbyWindow::tableActivated);
        const QModelIndex second = view->model()->index(1, 1);
        const qint32 secondId = second.data(TableIdRole).toInt();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(second).center());
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.at(0).at(0).toInt(), secondId);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(second).center());
        QCOMPARE(activated.size(), 1);
        QCOMPARE(activated.at(0).at(0).toInt(), secondId);

        // A tree without regular tables keeps the current list.
        QTest::ignoreMessage(QtWarningMsg, "Lobby path not found");
        model.onLobbyStructure(node("101", false, {node("Practice", true)}));
        QCOMPARE(window->paths().size(), 3);

        // A second structure moves the subscriptions over.
        model.onLobbyStructure(node("101", false, {node("Regular", true)}));
        drain(model);
        QCOMPARE(window->paths(), QStringList{"101/Regular"});
        for (const char *path : {"101/Regular/A", "101/Regular/B/x", "101/Regular/B/y"})
            QCOMPARE(model.subscriptionCount(path), 0);
        QCOMPARE(model.subscriptionCount("101/Regular"), 1);
        addTables(model);
        QCOMPARE(shownIds(*window), (QList<int>{1, 3, 4}));

        window.reset();
        drain(model);
        QCOMPARE(model.subscriptionCount("101/Regular"), 0);
        QCOMPARE(model.rowCount(), 1);

        // The next window starts with Riichi unchecked.
        {
            LobbyWindow next;
            next.setTableModel(&model);
            QVERIFY(!box(next, "riichiRules")->isChecked());
            QVERIFY(box(next, "classicRules")->isChecked());
            model.onLobbyStructure(lobbyTree());
            drain(model);
            addTables(model);
            QCOMPARE(shownIds(next), (QList<int>{1, 3, 4}));
            box(next, "riichiRules")->setChecked(true);
            QCOMPARE(shownIds(next), (QList<int>{1, 2, 3, 4, 5}));
        }
        model.unsubscribe(QStringLiteral("101/Practice"));
        drain(model);
        QCOMPARE(model.serverSubscriptionCount(), 0);
    }

    // Tables named in Japanese, Chinese and Latin letters: every row has one height, high
    // enough for the text of any of them, so the rows line up.
    void rowsLineUpWhateverTheirScript()
    {
        RequestLog log;
        TableModel model(log.requests(), nullptr);
        TranslationsManager translations;
        translations.setLanguage(QStringLiteral("en"));
        LocalizationDb names([](const QString &, const std::vector<QString> &) {}, &translations, nullptr);
        names.setTableModel(&model);
        model.setLocalizationDb(&names);
        const auto entry = [](const char *path, const QString &name) {
            LocalizedTableName n;
            n.path = QString::fromLatin1(path);
            n.nameTemplate = name;
            return n;
        };
        names.onLocalizedTableNames(QStringLiteral("en"),
                                    {entry("Regular/A", QStringLiteral(u"東の卓 {tableId}")),
                                     entry("Regular/B/x", QStringLiteral(u"麻将桌 {tableId}")),
                                     entry("Regular/B/y", QStringLiteral("Table {tableId}"))});
        LobbyWindow window;
        window.setTableModel(&model);
        model.onLobbyStructure(lobbyTree());
        drain(model);
        addTables(model);
        window.resize(738, 595);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *view = window.findChild<QTreeView *>("lobbyTreeView");
        const QAbstractItemModel *rows = view->model();
        QVERIFY(rows->rowCount() >= 4);
        const int height = view->visualRect(rows->index(0, 0)).height();
        for (int row = 0; row < rows->rowCount(); ++row) {
            const QRect rect = view->visualRect(rows->index(row, 0));
            QCOMPARE(rect.height(), height);
            QCOMPARE(rect.top(), view->visualRect(rows->index(0, 0)).top() + row * height);
            QTextLayout line(rows->index(row, 0).data().toString(), view->font());
            line.beginLayout();
            const qreal textHeight = line.createLine().height();
            line.endLayout();
            QVERIFY2(textHeight <= height, qPrintable(rows->index(row, 0).data().toString()));
        }
        // The names end in a digit: it stands on the same baseline in every row.
        const QImage shot = view->viewport()->grab().toImage();
        const auto digitBottom = [&](int row) { return lastGlyphBottom(shot, view->visualRect(rows->index(row, 0))); };
        const int latinBottom = digitBottom(1);
        QVERIFY(latinBottom > 0);
        for (int row = 0; row < rows->rowCount(); ++row)
            QCOMPARE(digitBottom(row), latinBottom);
        QVERIFY(saveScreenshot(window, QStringLiteral("lobbywindow-scripts")) > 8);
    }
};

MAHJONG_TEST_MAIN(TestLobbyWindow)
#include "tst_lobbywindow.moc"
