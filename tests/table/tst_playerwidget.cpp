#include "testmain.h"
#include "imagecompare.h"

#include "TestServerClock.h"
#include "app/startup/ResourceSearchPaths.h"
#include "app/TimeSpan.h"
#include "table/sidebar/EmptySeatWidget.h"
#include "table/sidebar/PlayerWidget.h"
#include "table/sidebar/TimerView.h"
#include "ui/ULabel.h"

#include <QFile>
#include <QLabel>
#include <QTranslator>
#include <QVBoxLayout>

namespace {

QLabel *label(const QWidget &plate, const char *name)
{
    auto *found = plate.findChild<QLabel *>(QString::fromLatin1(name));
    Q_ASSERT(found);
    return found;
}

QString scoreText(const PlayerWidget &plate)
{
    return label(plate, "scoresAndWins")->text() + QLatin1Char(' ') +
           label(plate, "scoresAndWinsLabel")->text();
}

QImage pixmapOf(const PlayerWidget &plate, const char *name)
{
    return label(plate, name)->pixmap().toImage();
}

QImage image(const QString &path)
{
    return QImage(path);
}

} // namespace

class TestPlayerWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_translator); }
    void newPlateShowsNothing();
    void scoresTakeTheNounForm();
    void windIconsFollowTheHighlight();
    void claimImagesByRuleset();
    void readyMarkSurvivesLanguageChange();
    void platesInTheSideBarStyle();

private:
    QTranslator m_translator;
    TestServerClock m_clock;
};

void TestPlayerWidget::initTestCase()
{
    setupResourceSearchPaths({}, QStringLiteral("default"));
    QVERIFY(m_translator.load(QStringLiteral(":/i18n/en/mahjong_en.qm")));
    QVERIFY(QCoreApplication::installTranslator(&m_translator));
}

void TestPlayerWidget::newPlateShowsNothing()
{
    PlayerWidget plate;
    QCOMPARE(plate.size(), QSize(228, 98));
    QCOMPARE(plate.minimumSize(), QSize(228, 98));
    QVERIFY(!plate.highlight());
    QVERIFY(plate.styleSheet().isEmpty());
    QVERIFY(label(plate, "scoresAndWins")->text().isEmpty());
    QVERIFY(label(plate, "scoresAndWinsLabel")->text().isEmpty());
    for (const char *name : {"claimLabel", "highlightLabel", "windLabel", "windText", "scoresAndWins",
                             "scoresAndWinsLabel"})
        QVERIFY2(!label(plate, name)->isVisibleTo(&plate), name);
    QCOMPARE(plate.findChild<TimerView *>("timer")->displayType(), TimerView::DEC_PIE);
}

void TestPlayerWidget::scoresTakeTheNounForm()
{
    PlayerWidget plate;
    plate.setGameType(0);
    plate.setWins(1);
    QCOMPARE(scoreText(plate), QStringLiteral("1 win"));
    plate.setWins(2);
    QCOMPARE(scoreText(plate), QStringLiteral("2 wins"));
    plate.setGameType(2);
    plate.setPoints(-5);
    QCOMPARE(scoreText(plate), QStringLiteral("-5 pts"));
    plate.setPoints(1);
    QCOMPARE(scoreText(plate), QStringLiteral("1 pt"));
    plate.setGameType(1);
    plate.setPoints(12345);
    QCOMPARE(scoreText(plate), QLocale().toString(12345) + QStringLiteral(" pts"));

    // An unknown game type empties the number and keeps the word.
    QTest::ignoreMessage(QtWarningMsg, "Unrecognized game_type: 7");
    plate.setGameType(7);
    QCOMPARE(scoreText(plate), QStringLiteral(" pts"));
    plate.setGameType(-1);
    QCOMPARE(scoreText(plate), QStringLiteral(" "));
}

void TestPlayerWidget::windIconsFollowTheHighlight()
{
    PlayerWidget plate;
    const QImage plain = image(QStringLiteral("resources:/sb-winds.png"));
    const QImage lit = image(QStringLiteral("resources:/sb-winds-hilight.png"));
    QVERIFY(!plain.isNull() && plain != lit);

    plate.setWind(2);
    MAHJONG_COMPARE_IMAGES(pixmapOf(plate, "windLabel"), plain.copy(52, 0, 26, 21));
    QCOMPARE(label(plate, "windText")->text(), QStringLiteral("West"));

    plate.setHighlight(true);
    QVERIFY(plate.property("highlight").toBool());
    QCOMPARE(plate.styleSheet(), QStringLiteral("/* */"));
    QVERIFY(label(plate, "highlightLabel")->isVisibleTo(&plate));
    QCOMPARE(label(plate, "highlightLabel")->geometry(), plate.rect());
    MAHJONG_COMPARE_IMAGES(pixmapOf(plate, "windLabel"), lit.copy(52, 0, 26, 21));

    plate.setHighlight(false);
    QVERIFY(plate.styleSheet().isEmpty());
    QVERIFY(!label(plate, "highlightLabel")->isVisibleTo(&plate));
    MAHJONG_COMPARE_IMAGES(pixmapOf(plate, "windLabel"), plain.copy(52, 0, 26, 21));
}

void TestPlayerWidget::claimImagesByRuleset()
{
    PlayerWidget plate;
    const auto shows = [&plate](const QString &name) {
        return imageDifference(pixmapOf(plate, "claimLabel"), image(QStringLiteral("textimages:%1.png").arg(name))).isEmpty();
    };
    struct Claim {
        int code, ruleset, winKind;
        const char *image;
    };
    const Claim claims[] = {
        {16, 0, 2, "claim-ron"},   {16, 3, 2, "claim-ron"},    {16, 5, 2, "claim-ron"},
        {16, 99, 2, "claim-ron"},  {16, 0, 3, "claim-tsumo"},  {16, 0, 1, "claim-mahjong"},
        {1, 5, 0, "claim-chow"},   {1, 3, 0, "claim-chii"},    {2, 2, 0, "claim-pon"},
        {8, 1, 0, "claim-kong"},   {128, 0, 0, "claim-riichi"},
    };
    for (const Claim &claim : claims) {
        plate.showClaim(claim.code, claim.ruleset, claim.winKind);
        QVERIFY2(shows(QLatin1String(claim.image)), claim.image);
    }

    // An unknown rule set counts as non-riichi.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("rule set 99 shown as non-riichi"));
    plate.showClaim(2, 99, 0);
    QVERIFY(shows("claim-pong"));

    plate.showClaim(4, 0, 0);
    QVERIFY(label(plate, "claimLabel")->pixmap().isNull());
    QVERIFY(label(plate, "claimLabel")->isVisibleTo(&plate));
    plate.hideClaim();
    QVERIFY(!label(plate, "claimLabel")->isVisibleTo(&plate));
}

void TestPlayerWidget::readyMarkSurvivesLanguageChange()
{
    PlayerWidget plate;
    plate.showClaim(2, 0, 0);
    plate.setReady(true);
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&plate, &change);
    MAHJONG_COMPARE_IMAGES(pixmapOf(plate, "claimLabel"), image(QStringLiteral("textimages:ready.png")));

    // A claim shown after the ready mark is what comes back.
    plate.showClaim(8, 3, 0);
    QCoreApplication::sendEvent(&plate, &change);
    MAHJONG_COMPARE_IMAGES(pixmapOf(plate, "claimLabel"), image(QStringLiteral("textimages:claim-kan.png")));

    plate.setReady(false);
    QVERIFY(!label(plate, "claimLabel")->isVisibleTo(&plate));
    QVERIFY(!label(plate, "claimLabel")->pixmap().isNull());

    EmptySeatWidget seat;
    QCOMPARE(seat.findChild<QLabel *>("label")->text(), QStringLiteral("Waiting for player"));
    QCOMPARE(seat.size(), QSize(228, 98));
}

void TestPlayerWidget::platesInTheSideBarStyle()
{
    QFile css(QStringLiteral("resources:/defaultui.css"));
    QVERIFY(css.open(QIODevice::ReadOnly));
    QWidget bar;
    bar.setStyleSheet(QString::fromUtf8(css.readAll()) +
                      QStringLiteral("QWidget#bar { background: rgb(40, 80, 50); }"));
    bar.setObjectName(QStringLiteral("bar"));
    auto *layout = new QVBoxLayout(&bar);
    layout->setSpacing(2);

    const QPixmap avatar(QStringLiteral("resources:/avatar-default-1.png"));
    m_clock.setMs(0);
    auto addPlate = [&](const QString &name, int wind, int gameType, int score) {
        auto *plate = new PlayerWidget(&bar);
        plate->setName(name);
        plate->setWind(wind);
        plate->setGameType(gameType);
        plate->setPoints(score);
        plate->setWins(score);
        plate->setPicture(avatar);
        plate->setWindVisible(true);
        plate->setScoresVisible(true);
        layout->addWidget(plate);
        return plate;
    };
    PlayerWidget *east = addPlate(QStringLiteral("Ayame"), 0, 2, 2500);
    east->setHighlight(true);
    east->setTimeSpan(TimeSpan(m_clock.at(-5000), m_clock.at(10000)));
    addPlate(QStringLiteral("Bartholomew the Exceedingly Long-Named"), 1, 2, -300)->showClaim(2, 0, 0);
    addPlate(QStringLiteral("Chen"), 2, 0, 1)->setReady(true);
    layout->addWidget(new EmptySeatWidget(&bar));
    bar.resize(240, 4 * 100 + 20);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));

    // The highlighted plate's texts take the highlight colour of the style sheet.
    QCOMPARE(label(*east, "nameLabel")->palette().color(QPalette::WindowText), QColor(60, 30, 0));
    east->setHighlight(false);
    QCOMPARE(label(*east, "nameLabel")->palette().color(QPalette::WindowText), QColor(255, 244, 189));
    east->setHighlight(true);
    QCOMPARE(east->findChild<TimerView *>()->shadowOffset(), 5);
    QVERIFY(east->findChild<ULabel *>()->text().endsWith(QStringLiteral("Ayame")));

    const QImage shot = bar.grab().toImage();
    QVERIFY(shot.save(QStringLiteral("%1/player-plates.png").arg(qEnvironmentVariable("MAHJONG_BINARY_DIR", "."))));
}

MAHJONG_TEST_MAIN(TestPlayerWidget)
#include "tst_playerwidget.moc"
