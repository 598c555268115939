#include "app/Utils.h"

#include "testmain.h"

#include <QColor>
#include <QLocale>
#include <QSettings>
#include <QSize>
#include <QVariant>

#include <limits>
#include <stdexcept>

class TestMoneyTexts : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void moneyText_data();
    void moneyText();
    void moneyTextGermanGrouping();
    void moneyTextMostNegativeAmount();
    void amountWithReservedText();
    void percentText_data();
    void percentText();
    void minutesTextTruncates();
    void durationTexts_data();
    void durationTexts();
    void checkStates();
    void variantToString();
    void htmlSnippets();
};

void TestMoneyTexts::moneyText_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("forceCents");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << qint64(0) << false << "$0";
    QTest::newRow("zero forced") << qint64(0) << true << "$0.00";
    QTest::newRow("whole") << qint64(1200) << false << "$12";
    QTest::newRow("whole forced") << qint64(1200) << true << "$12.00";
    QTest::newRow("fraction") << qint64(1205) << false << "$12.05";
    QTest::newRow("fraction forced") << qint64(1250) << true << "$12.50";
    QTest::newRow("cents only") << qint64(7) << false << "$0.07";
    QTest::newRow("negative whole") << qint64(-500) << false << "-$5";
    QTest::newRow("negative fraction") << qint64(-1) << false << "-$0.01";
    QTest::newRow("grouped") << qint64(123456789) << false << "$1,234,567.89";
    QTest::newRow("grouped whole") << qint64(100000000) << false << "$1,000,000";
}

void TestMoneyTexts::moneyText()
{
    QFETCH(qint64, amount);
    QFETCH(bool, forceCents);
    QFETCH(QString, expected);
    QCOMPARE(Utils::moneyText(amount, forceCents), expected);
}

void TestMoneyTexts::moneyTextGermanGrouping()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(Utils::moneyText(123456750, false), QStringLiteral("$1.234.567,50"));
    QCOMPARE(Utils::moneyText(-100000, true), QStringLiteral("-$1.000,00"));
}

void TestMoneyTexts::moneyTextMostNegativeAmount()
{
    // The magnitude of the most negative amount does not fit a signed 64-bit number.
    QCOMPARE(Utils::moneyText(std::numeric_limits<qint64>::min(), false),
             QStringLiteral("-$92,233,720,368,547,758.08"));
}

void TestMoneyTexts::amountWithReservedText()
{
    QCOMPARE(Utils::amountWithReservedText(1000, 0), QStringLiteral("$10"));
    QCOMPARE(Utils::amountWithReservedText(1000, -50), QStringLiteral("$10"));
    QCOMPARE(Utils::amountWithReservedText(1000, 250), QStringLiteral("$10 (+$2.50 reserved)"));
}

void TestMoneyTexts::percentText_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<qint64>("scale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole") << qint64(250000) << qint64(1000000) << "25%";
    QTest::newRow("all") << qint64(1000000) << qint64(1000000) << "100%";
    QTest::newRow("half per cent") << qint64(125) << qint64(1000) << "12.5%";
    QTest::newRow("third") << qint64(333333) << qint64(1000000) << "33.33%";
    QTest::newRow("nothing") << qint64(0) << qint64(1000) << "0%";
    QTest::newRow("no scale") << qint64(5) << qint64(0) << "";
}

void TestMoneyTexts::percentText()
{
    QFETCH(qint64, value);
    QFETCH(qint64, scale);
    QFETCH(QString, expected);
    QCOMPARE(Utils::percentText(value, scale), expected);
}

void TestMoneyTexts::minutesTextTruncates()
{
    QCOMPARE(Utils::minutesText(0), QStringLiteral("0 min(s)"));
    QCOMPARE(Utils::minutesText(59), QStringLiteral("0 min(s)"));
    QCOMPARE(Utils::minutesText(119), QStringLiteral("1 min(s)"));
    QCOMPARE(Utils::minutesText(3600), QStringLiteral("60 min(s)"));
}

void TestMoneyTexts::durationTexts_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("expected");

    QTest::newRow("past") << qint64(-30) << "0 minute(s)";
    QTest::newRow("seconds") << qint64(59) << "0 minute(s)";
    QTest::newRow("minutes") << qint64(5 * 60 + 59) << "5 minute(s)";
    QTest::newRow("hour") << qint64(3600) << "1 hour(s)";
    QTest::newRow("hours and minutes") << qint64(2 * 3600 + 7 * 60) << "2 hour(s) 7 minute(s)";
    QTest::newRow("day") << qint64(86400 + 59 * 60) << "1 day(s)";
    QTest::newRow("days and hours") << qint64(3 * 86400 + 4 * 3600 + 5) << "3 day(s) 4 hour(s)";
}

void TestMoneyTexts::durationTexts()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, expected);
    QCOMPARE(Utils::durationText(seconds), expected);

    const QDateTime from(QDate(2024, 3, 30), QTime(22, 0), Qt::UTC);
    QCOMPARE(Utils::timeLeftText(from, from.addSecs(seconds)), expected);
}

void TestMoneyTexts::checkStates()
{
    QSettings settings;
    settings.clear();
    settings.setValue("lobby/on", true);
    settings.setValue("lobby/off", false);
    QCOMPARE(Utils::settingCheckState(settings, "lobby/on", false), Qt::Checked);
    QCOMPARE(Utils::settingCheckState(settings, "lobby/off", true), Qt::Unchecked);
    QCOMPARE(Utils::settingCheckState(settings, "lobby/missing", true), Qt::Checked);
    QCOMPARE(Utils::settingCheckState(settings, "lobby/missing", false), Qt::Unchecked);
    settings.clear();

    QCOMPARE(Utils::invertCheckState(Qt::Checked), Qt::Unchecked);
    QCOMPARE(Utils::invertCheckState(Qt::Unchecked), Qt::Checked);
    QCOMPARE(Utils::invertCheckState(Qt::PartiallyChecked), Qt::PartiallyChecked);
}

void TestMoneyTexts::variantToString()
{
    QCOMPARE(Utils::variantToString(true), QStringLiteral("true"));
    QCOMPARE(Utils::variantToString(false), QStringLiteral("false"));
    QCOMPARE(Utils::variantToString(-42), QStringLiteral("-42"));
    QCOMPARE(Utils::variantToString(1.5), QStringLiteral("1.5"));
    QCOMPARE(Utils::variantToString(QStringLiteral("ja")), QStringLiteral("ja"));
    QCOMPARE(Utils::variantToString(QSize(1024, 768)), QStringLiteral("@Size(1024 768)"));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, Utils::variantToString(QVariant()));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             Utils::variantToString(QVariantMap{{"a", 1}}));
}

void TestMoneyTexts::htmlSnippets()
{
    QCOMPARE(Utils::fontHtml("<b>x</b>", QColor()), QStringLiteral("<font><b>x</b></font>"));
    QCOMPARE(Utils::fontHtml("x", QColor(255, 0, 0)),
             QStringLiteral("<font color=\"#ff0000\">x</font>"));
    QCOMPARE(Utils::linkHtml("client://help", "Help", QColor()),
             QStringLiteral("<a href=\"client://help\">Help</a>"));
    QCOMPARE(Utils::linkHtml("client://help", "Help", QColor(0, 0, 255)),
             QStringLiteral("<a href=\"client://help\" style=\"color: #0000ff;\">Help</a>"));
    QCOMPARE(Utils::styledLinkHtml("http://h/?a=1&b=2", "t", QString()),
             QStringLiteral("<a href=\"http://h/?a=1&amp;b=2\">t</a>"));
    QCOMPARE(Utils::styledLinkHtml("u", "t", "color: red;"),
             QStringLiteral("<a href=\"u\" style=\"color: red;\">t</a>"));
    // A quote in a link must not end the attribute.
    QVERIFY(!Utils::linkHtml("x\" onclick=\"y", "t", QColor()).contains("\" onclick"));

    QVERIFY(Utils::isPresenceAvailable(1));
    QVERIFY(Utils::isPresenceAvailable(4));
    QVERIFY(Utils::isPresenceAvailable(7));
    QVERIFY(!Utils::isPresenceAvailable(2));
    QVERIFY(!Utils::isPresenceAvailable(0));
}

MAHJONG_TEST_MAIN(TestMoneyTexts)
#include "tst_moneytexts.moc"
