#include "app/startup/InstallerLayer.h"
#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "testmain.h"

#include <QDir>
#include <QEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

namespace {

// Counts the language changes a widget receives.
class LanguageWatcher : public QWidget
{
public:
    int changes = 0;

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++changes;
        QWidget::changeEvent(event);
    }
};

} // namespace

class TestTranslationsManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void shippedLanguagesNameThemselves();
    void setLanguageSwitchesEverything();
    void sameLanguageTwiceDoesNothingMore();
    void startLanguagePrecedence();
    void localeNamesMapToLanguages_data();
    void localeNamesMapToLanguages();
    void installerLanguageIds();

private:
    QTemporaryDir m_skin;
    QString m_translations;
};

void TestTranslationsManager::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Pellandor"));
    QCoreApplication::setApplicationName(QStringLiteral("Pellandor-test"));
    QVERIFY(m_skin.isValid());
    m_translations = qEnvironmentVariable("MAHJONG_TEST_TRANSLATIONS");
    QVERIFY(QDir(m_translations).exists(QStringLiteral("ja")));
}

void TestTranslationsManager::init()
{
    setupResourceSearchPaths({m_skin.path()}, QStringLiteral("corvana"));
    QDir::setSearchPaths(QStringLiteral("translations"), {m_translations});
    QSettings().clear();
    QSettings(QStringLiteral("Pellandor"), QStringLiteral("Installer")).clear();
}

void TestTranslationsManager::shippedLanguagesNameThemselves()
{
    const TranslationsManager manager;
    const std::vector<TranslationsManager::Language> expected{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("ja"), QStringLiteral("日本語")},
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
        {QStringLiteral("zh_TW"), QStringLiteral("繁體中文")},
    };
    QCOMPARE(manager.availableLanguages(), expected);
    QVERIFY(manager.language().isEmpty());
}

void TestTranslationsManager::setLanguageSwitchesEverything()
{
    LanguageWatcher widget;
    TranslationsManager manager;
    const QString skin = QFileInfo(m_skin.path()).absoluteFilePath();

    manager.setLanguage(QStringLiteral("ja"));
    QCOMPARE(manager.language(), QStringLiteral("ja"));
    QCOMPARE(QCoreApplication::translate("TranslationsManager", "English"), QStringLiteral("日本語"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
    QCOMPARE(QLocale().language(), QLocale::Japanese);
    QCOMPARE(QSettings().value(QStringLiteral("game/language")).toString(), QStringLiteral("ja"));
    QTRY_VERIFY(widget.changes > 0);
    QCOMPARE(QDir::searchPaths(QStringLiteral("translations")),
             QStringList{m_translations + "/ja"});
    QCOMPARE(QDir::searchPaths(QStringLiteral("textimages")).mid(0, 4),
             (QStringList{skin + "/text-images/ja", skin + "/text-images/en",
                          ":/corvana/text-images/ja", ":/corvana/text-images/en"}));
    QCOMPARE(QDir::searchPaths(QStringLiteral("localwww")).mid(0, 2),
             (QStringList{skin + "/www/ja", skin + "/www/en"}));

    widget.changes = 0;
    manager.setLanguage(QStringLiteral("zh_TW"));
    QCOMPARE(QCoreApplication::translate("TranslationsManager", "English"), QStringLiteral("繁體中文"));
    QTRY_VERIFY(widget.changes > 0);

    widget.changes = 0;
    manager.setLanguage(QStringLiteral("en"));
    QCOMPARE(QCoreApplication::translate("TranslationsManager", "English"), QStringLiteral("English"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    QTRY_VERIFY(widget.changes > 0);
    QCOMPARE(QDir::searchPaths(QStringLiteral("textimages")).mid(0, 2),
             (QStringList{skin + "/text-images/en", ":/corvana/text-images/en"}));
    QCOMPARE(QSettings().value(QStringLiteral("game/language")).toString(), QStringLiteral("en"));
}

void TestTranslationsManager::sameLanguageTwiceDoesNothingMore()
{
    LanguageWatcher widget;
    TranslationsManager manager;
    manager.setLanguage(QStringLiteral("zh_CN"));
    QTRY_VERIFY(widget.changes > 0);
    QSettings().remove(QStringLiteral("game/language"));
    QLocale::setDefault(QLocale(QLocale::French));
    widget.changes = 0;

    manager.setLanguage(QStringLiteral("zh_CN"));
    QCoreApplication::processEvents();
    QCOMPARE(widget.changes, 0);
    QVERIFY(!QSettings().contains(QStringLiteral("game/language")));
    // The default locale is set again all the same.
    QCOMPARE(QLocale().language(), QLocale::Chinese);
}

void TestTranslationsManager::startLanguagePrecedence()
{
    const TranslationsManager manager;
    QSettings installer(QStringLiteral("Pellandor"), QStringLiteral("Installer"));
    installer.setValue(QStringLiteral("Installer Language"), 1041);
    installer.sync();
    QSettings().setValue(QStringLiteral("game/language"), QStringLiteral("zh_CN"));

    QCOMPARE(manager.startLanguage(QStringLiteral("zh_TW")), QStringLiteral("zh_TW"));
    QCOMPARE(manager.startLanguage(QString()), QStringLiteral("zh_CN"));
    QSettings().remove(QStringLiteral("game/language"));
    QCOMPARE(manager.startLanguage(QString()), QStringLiteral("ja"));
    installer.setValue(QStringLiteral("Installer Language"), QStringLiteral("zh_HK"));
    installer.sync();
    QCOMPARE(manager.startLanguage(QString()), QStringLiteral("zh_TW"));
    installer.remove(QStringLiteral("Installer Language"));
    installer.sync();
    QCOMPARE(manager.startLanguage(QString()), manager.languageForLocale(QLocale::system().name()));
}

void TestTranslationsManager::localeNamesMapToLanguages_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("exact") << "zh_TW" << "zh_TW";
    QTest::newRow("language of a territory") << "ja_JP" << "ja";
    QTest::newRow("Singapore writes simplified") << "zh_SG" << "zh_CN";
    QTest::newRow("Hong Kong writes traditional") << "zh_HK" << "zh_TW";
    QTest::newRow("plain Chinese") << "zh" << "zh_CN";
    QTest::newRow("unsupported language") << "fr_FR" << "en";
    QTest::newRow("garbage") << "??" << "en";
}

void TestTranslationsManager::localeNamesMapToLanguages()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QCOMPARE(TranslationsManager().languageForLocale(locale), language);
}

void TestTranslationsManager::installerLanguageIds()
{
    QCOMPARE(InstallerLayer::localeNameForLanguageId(1033), QStringLiteral("en_US"));
    QCOMPARE(InstallerLayer::localeNameForLanguageId(1041), QStringLiteral("ja_JP"));
    QCOMPARE(InstallerLayer::localeNameForLanguageId(2052), QStringLiteral("zh_CN"));
    QCOMPARE(InstallerLayer::localeNameForLanguageId(1028), QStringLiteral("zh_TW"));
    QCOMPARE(InstallerLayer::localeNameForLanguageId(3076), QStringLiteral("zh_HK"));
    QCOMPARE(InstallerLayer::localeNameForLanguageId(1031), QString());
}

MAHJONG_TEST_MAIN(TestTranslationsManager)
#include "tst_translationsmanager.moc"
