#include "app/TableInfo.h"
#include "app/Utils.h"

#include "testmain.h"

#include <QTranslator>

// The texts with counts read naturally in English once the shipped English file,
// which carries the plural forms, is installed.
class TestEnglishPlurals : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_translator); }
    void durations();
    void tableTexts();

private:
    QTranslator m_translator;
};

void TestEnglishPlurals::initTestCase()
{
    QVERIFY(m_translator.load(QStringLiteral(":/i18n/en/mahjong_en.qm")));
    QVERIFY(QCoreApplication::installTranslator(&m_translator));
}

void TestEnglishPlurals::durations()
{
    QCOMPARE(Utils::durationText(60), QStringLiteral("1 minute"));
    QCOMPARE(Utils::durationText(0), QStringLiteral("0 minutes"));
    QCOMPARE(Utils::durationText(3600 + 60), QStringLiteral("1 hour 1 minute"));
    QCOMPARE(Utils::durationText(2 * 86400 + 5 * 3600), QStringLiteral("2 days 5 hours"));
    QCOMPARE(Utils::minutesText(1800), QStringLiteral("30 min"));
}

void TestEnglishPlurals::tableTexts()
{
    QCOMPARE(TableInfo::secondsPerMoveText(1), QStringLiteral("1 second"));
    QCOMPARE(TableInfo::secondsPerMoveText(20), QStringLiteral("20 seconds"));
    QCOMPARE(TableInfo::fanRangeText(3, 10), QStringLiteral("3-10 fans"));
}

MAHJONG_TEST_MAIN(TestEnglishPlurals)
#include "tst_englishplurals.moc"
