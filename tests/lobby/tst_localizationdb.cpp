#include "testmain.h"

#include "tablefixtures.h"

#include "app/startup/TranslationsManager.h"
#include "lobby/CustomItem.h"
#include "lobby/LocalizationDb.h"

#include <QSignalSpy>

namespace {

struct Query
{
    QString language;
    std::vector<QString> paths;
};

LocalizedTableName entry(const QString &path, const QString &name)
{
    LocalizedTableName e;
    e.path = path;
    e.nameTemplate = name;
    return e;
}

} // namespace

class TestLocalizationDb : public QObject
{
    Q_OBJECT

private:
    std::vector<Query> m_queries;

    LocalizationDb::NameQuery recorder()
    {
        return [this](const QString &language, const std::vector<QString> &paths) {
            m_queries.push_back(Query{language, paths});
        };
    }

private slots:
    void init() { m_queries.clear(); }

    void namesFromTemplates()
    {
        TranslationsManager translations;
        translations.setLanguage("en");
        LocalizationDb db(recorder(), &translations, nullptr);

        TableInfo tournament = makeTable(4711, "101/mtt/3");
        tournament.setGameType(TableInfo::TOURNAMENT);
        QCOMPARE(db.tableName(tournament), QStringLiteral("Table(4711)"));
        QVERIFY(db.pendingQueries().empty());

        const TableInfo riichi = makeTable(12, "101/Regular/riichi");
        QCOMPARE(db.tableName(riichi), QString());
        QCOMPARE(db.pendingQueries().size(), size_t(1));

        QSignalSpy updated(&db, &LocalizationDb::tableNamesUpdated);
        db.onLocalizedTableNames("en", {entry("/Regular/riichi/", "Riichi {tableId}"),
                                        entry("Regular/double", "{tableId} and {tableId}")});
        QCOMPARE(updated.size(), 1);
        QCOMPARE(db.tableName(riichi), QStringLiteral("Riichi 12"));
        QCOMPARE(db.tableName(makeTable(7, "101/Regular/double")), QStringLiteral("7 and 7"));

        // The same templates again change nothing.
        db.onLocalizedTableNames("en", {entry("Regular/riichi", "Riichi {tableId}")});
        QCOMPARE(updated.size(), 1);
        // An entry without a path is skipped.
        db.onLocalizedTableNames("en", {entry("/", "Root")});
        QCOMPARE(updated.size(), 1);
    }

    void batchesQueriesAfterTheFirstAnswer()
    {
        TranslationsManager translations;
        translations.setLanguage("en");
        LocalizationDb db(recorder(), &translations, nullptr);
        db.refreshTableNames();
        QCOMPARE(m_queries.size(), size_t(1));
        QCOMPARE(m_queries.at(0).language, QStringLiteral("en"));
        QVERIFY(m_queries.at(0).paths.empty());

        // Queued before the first answer: dropped, the full answer covers them.
        db.tableName(makeTable(1, "101/Early"));
        QVERIFY(!db.isBatching());
        db.onLocalizedTableNames("en", {});
        QVERIFY(db.isBatching());
        QVERIFY(db.pendingQueries().empty());

        for (int i = 0; i < 20; ++i)
            db.tableName(makeTable(i, "101/Regular/x"));
        db.tableName(makeTable(30, "101/Practice"));
        db.tableName(makeTable(31, "1010/odd"));
        db.tableName(makeTable(32, "202/other"));
        db.onPendingTableNameQueriesTimeout();
        QCOMPARE(m_queries.size(), size_t(2));
        const std::vector<QString> expected{"/Practice", "/Regular/x", "1010/odd", "202/other"};
        QCOMPARE(m_queries.at(1).paths, expected);
        QVERIFY(db.pendingQueries().empty());

        db.onPendingTableNameQueriesTimeout();
        QCOMPARE(m_queries.size(), size_t(2));
    }

    void keepsNamesPerLanguage()
    {
        TranslationsManager translations;
        translations.setLanguage("en");
        QWidget window;
        auto *db = new LocalizationDb(recorder(), &translations, &window);
        const TableInfo table = makeTable(3, "101/Practice");
        db->onLocalizedTableNames("en", {entry("Practice", "Practice {tableId}")});
        QSignalSpy updated(db, &LocalizationDb::tableNamesUpdated);
        db->onLocalizedTableNames("ja", {entry("Practice", "Renshuu {tableId}")});
        QCOMPARE(updated.size(), 1);
        QCOMPARE(db->tableName(table), QStringLiteral("Practice 3"));

        // A language change reaches the object through its window; cached languages
        // need no new request.
        m_queries.clear();
        translations.setLanguage("ja");
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(&window, &change);
        QVERIFY(m_queries.empty());
        QCOMPARE(db->tableName(table), QStringLiteral("Renshuu 3"));

        translations.setLanguage("zh_CN");
        db->tableName(table);
        QApplication::sendEvent(&window, &change);
        QCOMPARE(m_queries.size(), size_t(1));
        QCOMPARE(m_queries.at(0).language, QStringLiteral("zh_CN"));
        QVERIFY(db->pendingQueries().empty());
    }

    void namesReachTheTableModel()
    {
        TranslationsManager translations;
        translations.setLanguage("en");
        RequestLog log;
        TableModel model(log.requests(), nullptr);
        LocalizationDb db(recorder(), &translations, nullptr);
        QCOMPARE(db.tableName(5), QString());
        db.setTableModel(&model);
        model.setLocalizationDb(&db);
        model.subscribe("101/Practice");
        QTRY_COMPARE(log.sent.size(), 1);
        model.addOrUpdateTable(makeTable(5, "101/Practice"));
        // No name yet: the cell shows the placeholder, the name itself is empty.
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Table(5)"));
        QCOMPARE(model.tableName(model.tableInfo(5)), QString());
        QCOMPARE(db.tableName(6), QString());

        db.onLocalizedTableNames("en", {entry("Practice", "Practice table {tableId}")});
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Practice table 5"));
        QVERIFY(model.index(0, 2).data(Qt::ToolTipRole).toString().startsWith("Practice table 5\n"));
        QCOMPARE(db.tableName(5), QStringLiteral("Practice table 5"));
        QCOMPARE(model.tableName(model.tableInfo(5)), QStringLiteral("Practice table 5"));

        // Markup in a server name stays text in the tool tip.
        db.onLocalizedTableNames("en", {entry("Practice", "<b>Bold</b> {tableId}")});
        const QString tip = model.index(0, 0).data(Qt::ToolTipRole).toString();
        QVERIFY(tip.contains("&lt;b&gt;Bold&lt;/b&gt; 5"));

        model.setLocalizationDb(nullptr);
        db.onLocalizedTableNames("en", {entry("Practice", "Changed {tableId}")});
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("<b>Bold</b> 5"));
        model.unsubscribe("101/Practice");
        QTRY_COMPARE(model.rowCount(), 0);
    }
};

MAHJONG_TEST_MAIN(TestLocalizationDb)
#include "tst_localizationdb.moc"
