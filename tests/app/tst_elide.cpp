#include "app/Utils.h"

#include "testmain.h"

#include <QFont>
#include <QFontMetrics>

class TestElide : public QObject
{
    Q_OBJECT

private slots:
    void elideMiddle_data();
    void elideMiddle();
    void elideMiddleAlwaysFits();
    void elideTextModes();
};

void TestElide::elideMiddle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("expected");

    QTest::newRow("short") << "abc" << 10 << "abc";
    QTest::newRow("exactly max") << "abcdefghij" << 10 << "abcdefghij";
    QTest::newRow("max + 1") << "abcdefghijk" << 10 << "abc...hijk";
    QTest::newRow("even into odd") << "abcdefghij" << 7 << "ab...ij";
    QTest::newRow("odd into odd") << "abcdefghijk" << 7 << "ab...jk";
    QTest::newRow("even into even") << "abcdefghijkl" << 8 << "ab...jkl";
    QTest::newRow("only dots") << "abcdef" << 3 << "...";
    QTest::newRow("dots and one") << "abcdef" << 4 << "...f";
    QTest::newRow("two") << "abcdef" << 2 << "ab";
    QTest::newRow("one") << "abcdef" << 1 << "a";
    QTest::newRow("zero") << "abcdef" << 0 << "";
    QTest::newRow("negative") << "abcdef" << -4 << "";
    QTest::newRow("empty") << "" << 0 << "";
}

void TestElide::elideMiddle()
{
    QFETCH(QString, text);
    QFETCH(int, maxLength);
    QFETCH(QString, expected);
    QCOMPARE(Utils::elideMiddle(text, maxLength), expected);
}

void TestElide::elideMiddleAlwaysFits()
{
    const QString text = QStringLiteral("The quick brown fox jumps over the lazy dog");
    for (int maxLength = -1; maxLength <= text.size() + 1; ++maxLength) {
        const QString elided = Utils::elideMiddle(text, maxLength);
        QVERIFY2(elided.size() == qBound(0, maxLength, int(text.size())),
                 qPrintable(QStringLiteral("%1: %2").arg(QString::number(maxLength), elided)));
        if (maxLength >= 3 && maxLength < text.size()) {
            QVERIFY(elided.contains(QStringLiteral("...")));
            QVERIFY(text.startsWith(elided.section(QStringLiteral("..."), 0, 0)));
            QVERIFY(text.endsWith(elided.section(QStringLiteral("..."), 1)));
        }
    }
}

void TestElide::elideTextModes()
{
    const QFontMetrics metrics(QFont(QStringLiteral("Sans"), 10));
    const QString text = QStringLiteral("Tournament table of the week");
    const int full = metrics.horizontalAdvance(text);

    QCOMPARE(Utils::elideText(metrics, text, Qt::ElideRight, full), text);
    QCOMPARE(Utils::elideText(metrics, text, Qt::ElideNone, 10), text);
    QCOMPARE(Utils::elideText(metrics, QStringLiteral("W"), Qt::ElideRight, 0),
             QStringLiteral("W"));

    const int width = full / 2;
    const QString right = Utils::elideText(metrics, text, Qt::ElideRight, width);
    const QString left = Utils::elideText(metrics, text, Qt::ElideLeft, width);
    const QString middle = Utils::elideText(metrics, text, Qt::ElideMiddle, width);
    for (const QString &elided : {right, left, middle}) {
        QVERIFY(metrics.horizontalAdvance(elided) <= width);
        QVERIFY(elided.contains(QStringLiteral("...")));
    }
    QVERIFY(right.endsWith(QStringLiteral("...")));
    QVERIFY(text.startsWith(right.chopped(3)));
    QVERIFY(left.startsWith(QStringLiteral("...")));
    QVERIFY(text.endsWith(left.mid(3)));
    QVERIFY(text.startsWith(middle.section(QStringLiteral("..."), 0, 0)));
    QVERIFY(text.endsWith(middle.section(QStringLiteral("..."), 1)));
    QVERIFY(!middle.startsWith(QStringLiteral("...")) && !middle.endsWith(QStringLiteral("...")));

    // A long server text is shortened to the most that fits, without measuring every length.
    const QString chat = text.repeated(2000);
    const QString elided = Utils::elideText(metrics, chat, Qt::ElideRight, width);
    QVERIFY(metrics.horizontalAdvance(elided) <= width);
    const QString oneMore = chat.left(elided.size() - 2) + QStringLiteral("...");
    QVERIFY(metrics.horizontalAdvance(oneMore) > width);
}

MAHJONG_TEST_MAIN(TestElide)
#include "tst_elide.moc"
