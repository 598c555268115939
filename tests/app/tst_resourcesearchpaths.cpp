#include "app/startup/ResourceSearchPaths.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

class TestResourceSearchPaths : public QObject
{
    Q_OBJECT

private slots:
    void searchDirectoriesComeBeforeTheSkins();
    void languageFoldersFallBackToEnglish();
};

void TestResourceSearchPaths::searchDirectoriesComeBeforeTheSkins()
{
    QTemporaryDir dir;
    QFile sheet(dir.filePath(QStringLiteral("customui.css")));
    QVERIFY(sheet.open(QIODevice::WriteOnly));
    sheet.write("/* override */\n");
    sheet.close();
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("sounds")));

    setupResourceSearchPaths({dir.path()}, QStringLiteral("corvana"));
    const QString root = QFileInfo(dir.path()).absoluteFilePath();
    QCOMPARE(QDir::searchPaths(QStringLiteral("resources")),
             (QStringList{root, ":/corvana"}));
    QCOMPARE(QDir::searchPaths(QStringLiteral("sounds")),
             (QStringList{root + "/sounds", ":/corvana/sounds"}));
    QCOMPARE(QDir::searchPaths(QStringLiteral("avatars")),
             (QStringList{root + "/avatars", ":/corvana/avatars"}));
    QCOMPARE(QDir::searchPaths(QStringLiteral("translations")),
             (QStringList{root + "/translations", ":/i18n"}));

    // A file on disk wins over the compiled-in one of the same name.
    const QFileInfo custom(QStringLiteral("resources:/customui.css"));
    QCOMPARE(custom.absoluteFilePath(), QDir(root).filePath(QStringLiteral("customui.css")));
    QVERIFY(custom.lastModified().isValid());
    const QFileInfo builtIn(QStringLiteral("resources:/defaultui.css"));
    QCOMPARE(builtIn.absoluteFilePath(), QStringLiteral(":/corvana/defaultui.css"));
    QVERIFY(QFileInfo::exists(QStringLiteral("sounds:/hover.wav")));
    QVERIFY(QFileInfo::exists(QStringLiteral(":/i18n/ja/mahjong_ja.qm")));

    setupResourceSearchPaths({}, QStringLiteral("default"));
    QCOMPARE(QDir::searchPaths(QStringLiteral("resources")), QStringList{":/default"});
}

void TestResourceSearchPaths::languageFoldersFallBackToEnglish()
{
    QTemporaryDir dir;
    setupResourceSearchPaths({dir.path()}, QStringLiteral("corvana"));
    const QString root = QFileInfo(dir.path()).absoluteFilePath();
    QCOMPARE(QDir::searchPaths(QStringLiteral("textimages")),
             (QStringList{root + "/text-images/en", ":/corvana/text-images/en"}));

    setLanguageSearchPaths(QStringLiteral("ja"));
    QCOMPARE(QDir::searchPaths(QStringLiteral("localwww")),
             (QStringList{root + "/www/ja", root + "/www/en", ":/corvana/www/ja", ":/corvana/www/en"}));
    QCOMPARE(QFileInfo(QStringLiteral("textimages:ready.png")).absoluteFilePath(),
             QStringLiteral(":/corvana/text-images/ja/ready.png"));
    QCOMPARE(QFileInfo(QStringLiteral("localwww:/welcome.html")).absoluteFilePath(),
             QStringLiteral(":/corvana/www/ja/welcome.html"));

    // A file missing from a language folder comes from the English one.
    QVERIFY(QDir(root).mkpath(QStringLiteral("text-images/en")));
    QFile only(QDir(root).filePath(QStringLiteral("text-images/en/only-english.png")));
    QVERIFY(only.open(QIODevice::WriteOnly));
    only.close();
    QVERIFY(QFileInfo::exists(QStringLiteral("textimages:only-english.png")));
}

MAHJONG_TEST_MAIN(TestResourceSearchPaths)
#include "tst_resourcesearchpaths.moc"
