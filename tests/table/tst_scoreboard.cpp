#include "testmain.h"
#include "imagecompare.h"

#include "SceneTestSetup.h"
#include "TestServerClock.h"
#include "app/RulesetInfo.h"
#include "app/TableInfo.h"
#include "app/Utils.h"
#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "connection/ScoreNames.h"
#include "lobby/lobbyscreenshot.h"
#include "table/dialogs/ScoreBoard.h"
#include "table/scene/MeldView.h"
#include "table/sidebar/TimerView.h"

#include <QDir>
#include <QFile>
#include <QGraphicsView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>

#include <algorithm>

namespace {

const QString head = QStringLiteral("<table rules=\"groups\" width=\"100%\">");

EndHandPlayer player(qint32 id, const QString &name, int result, int handScore)
{
    EndHandPlayer row;
    row.playerId = id;
    row.name = name;
    row.result = result;
    row.handScore = handScore;
    row.hand = {{{tile(0), tile(1), tile(2)}, -1}, {{tile(31), tile(31), tile(31)}, 2}};
    if (result == EndHandPlayer::Won) {
        row.points = {{QStringLiteral("Concealed hand"), 1000}, {QStringLiteral("Pung of dragons"), 2}};
        row.pointsTotal = 1002;
        row.doubles = {{QStringLiteral("Riichi"), 1}, {QStringLiteral("Dragon"), 1}};
        row.doublesTotal = 2;
        row.settlement = 3900;
        row.currentScore = 28900;
    }
    return row;
}

TableInfo table(int ruleset, int gameType)
{
    TableInfo info(3);
    info.setRuleset(ruleset);
    info.setGameType(gameType);
    info.setCapacity(TableCapacity(4, 4, 0));
    return info;
}

template <class T>
T *child(const QWidget &board, const QString &name)
{
    auto *found = board.findChild<T *>(name);
    Q_ASSERT(found);
    return found;
}

QImage pixmapOf(const ScoreBoard &board, const QString &name)
{
    return child<QLabel>(board, name)->pixmap().toImage();
}

QImage image(const QString &path)
{
    return QImage(path);
}

int tileCount(const ScoreBoard::TileScene &tiles)
{
    int count = 0;
    for (const MeldView *meld : tiles.view.melds())
        count += int(meld->items().size());
    return count;
}

// The lines of a score panel as shown, each cell's text on its own line.
QStringList shownLines(const ScoreBoard &board, const char *panel)
{
    return child<QTextEdit>(board, QLatin1String(panel))->toPlainText().split(u'\n');
}

} // namespace

class TestScoreBoard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void scoreTables();
    void scoreTablesInGerman();
    void columnsAndTabs();
    void buttonsAndCountdown();
    void languageChangeRedrawsTheBoard();
    void ruleFamiliesNameTheirHands();
    void mcrBoardNamesItsFans();

private:
    QTemporaryDir m_artwork;
    QTemporaryDir m_work;
    TestServerClock m_clock;
};

void TestScoreBoard::initTestCase()
{
    SceneTestSetup::install(m_artwork.path(), m_work.path());
}

void TestScoreBoard::scoreTables()
{
    EndHandPlayer row = player(1, QString(), EndHandPlayer::NoResult, 0);
    QCOMPARE(ScoreBoard::handScoreHtml(row, 0), head + QStringLiteral("</table>"));

    row.points = {{QStringLiteral("Pung <b>%2</b>"), 1200}, {QStringLiteral("Pair"), 2}};
    row.pointsTotal = 1202;
    row.doubles = {{QStringLiteral("Dragon"), 1}};
    row.doublesTotal = 1;
    row.limits = {{QStringLiteral("Thirteen orphans"), 0}};
    row.bonuses = {{QStringLiteral("Flower"), 1500}};
    row.handScore = 8;
    const QString html = ScoreBoard::handScoreHtml(row, 1);
    QCOMPARE(html,
             head
                 + QStringLiteral(
                     "<tr><td align=\"left\" colspan=\"2\"><u>Points:</u></td></tr>\n"
                     "<tr><td align=\"left\">Pung &lt;b&gt;%2&lt;/b&gt;</td><td align=\"right\">1,200</td></tr>\n"
                     "<tr><td align=\"left\">Pair</td><td align=\"right\">2</td></tr>\n"
                     "<tr><td></td><td align=\"right\"><span style=\"text-decoration:overline;\">1202</span></td></tr>\n"
                     "<tr><td colspan=\"2\">&nbsp;</td></tr>\n"
                     "<tr><td align=\"left\" colspan=\"2\"><u>Fans:</u></td></tr>\n"
                     "<tr><td align=\"left\">Dragon</td><td align=\"right\">1</td></tr>\n"
                     "<tr><td></td><td align=\"right\"><span style=\"text-decoration:overline;\">1</span></td></tr>\n"
                     "<tr><td colspan=\"2\">&nbsp;</td></tr>\n"
                     "<tr><td align=\"left\" colspan=\"2\"><u>Limit hands:</u></td></tr>\n"
                     "<tr><td align=\"left\">Thirteen orphans</td><td align=\"right\"></td></tr>\n"
                     "<tr><td colspan=\"2\">&nbsp;</td></tr>\n"
                     "<tr><td align=\"left\" colspan=\"2\"><u>Bonus points:</u></td></tr>\n"
                     "<tr><td align=\"left\">Flower</td><td align=\"right\">1500</td></tr>\n"
                     "<tr><td colspan=\"2\">&nbsp;</td></tr>\n"
                     "<tr><td align=\"left\">Hand Score</td><td align=\"right\">8</td></tr>\n"
                     "</table>"));
    QVERIFY(ScoreBoard::handScoreHtml(row, 5).contains(QStringLiteral("<u>Fans:</u>")));
    QVERIFY(ScoreBoard::handScoreHtml(row, 0).contains(QStringLiteral("<u>Doubles:</u>")));
    // The hand score line only in the classic rule sets.
    QVERIFY(!ScoreBoard::handScoreHtml(row, 2).contains(QStringLiteral("Hand Score")));
    row.handScore = 0;
    QVERIFY(!ScoreBoard::handScoreHtml(row, 0).contains(QStringLiteral("Hand Score")));

    row.settlement = -2400;
    row.currentScore = 0;
    row.payment = 150;
    const QString settlementHead = QStringLiteral("<table border=\"0\" width=\"100%\">");
    QCOMPARE(ScoreBoard::settlementHtml(row, false),
             settlementHead
                 + QStringLiteral("<tr><td align=\"left\">Settlement</td><td align=\"right\">-2,400</td></tr>\n"
                                  "<tr><td align=\"left\">Current Score</td><td align=\"right\">0</td></tr>\n"
                                  "</table>"));
    QVERIFY(ScoreBoard::settlementHtml(row, true)
                .contains(QStringLiteral("<td align=\"left\">Payment</td><td align=\"right\">%1</td>")
                              .arg(Utils::moneyText(150, false))));
}

void TestScoreBoard::scoreTablesInGerman()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EndHandPlayer row = player(1, QString(), EndHandPlayer::NoResult, 0);
    row.points = {{QStringLiteral("Pung"), 1200}};
    row.pointsTotal = 1200;
    const QString html = ScoreBoard::handScoreHtml(row, 0);
    QLocale::setDefault(QLocale::c());
    QVERIFY(html.contains(QStringLiteral("<td align=\"right\">1.200</td>")));
    QVERIFY(html.contains(QStringLiteral("overline;\">1200</span>")));
}

void TestScoreBoard::columnsAndTabs()
{
    QWidget window;
    QFile css(QStringLiteral("resources:/defaultui.css"));
    QVERIFY(css.open(QIODevice::ReadOnly));
    window.setObjectName(QStringLiteral("table"));
    window.setStyleSheet(QString::fromUtf8(css.readAll())
                         + QStringLiteral("QWidget#table { background: rgb(30, 70, 45); }"));
    window.resize(900, 640);
    ScoreBoard board(&window);

    // A ron in a riichi game: winner first although the losers' hand scores are higher;
    // the two winners of equal hand score stay in player id order.
    EndHand ron;
    ron.endKind = EndHand::Ron;
    ron.players[4] = player(4, QStringLiteral("Di"), EndHandPlayer::NoResult, 9);
    ron.players[7] = player(7, QStringLiteral("<b>Gil</b> %2"), EndHandPlayer::Won, 0);
    ron.players[2] = player(2, QStringLiteral("Bo"), EndHandPlayer::Won, 0);
    ron.players[3] = player(3, QStringLiteral("Cy"), EndHandPlayer::ReadyHand, 5);
    ron.players[3].payment = -150;
    ron.dora = {tile(4), tile(5)};
    board.setEndHand(ron, 4, table(3, 2));
    QCOMPARE(board.columnPlayerIds(), std::vector<qint32>({2, 7, 4, 3}));
    auto *tabs = child<QTabWidget>(board, QStringLiteral("scoreMelds"));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Winning hand"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Losing hand"));
    QCOMPARE(tabs->tabText(3), QStringLiteral("Ready hand"));
    MAHJONG_COMPARE_IMAGES(pixmapOf(board, "exclamation1"), image(QStringLiteral("textimages:claim-ron.png")));
    MAHJONG_COMPARE_IMAGES(pixmapOf(board, "exclamation4"), image(QStringLiteral("textimages:claim-tenpai.png")));
    QVERIFY(child<QLabel>(board, "exclamation3")->pixmap().isNull());
    QCOMPARE(child<QLabel>(board, "name2")->text(), QStringLiteral("<b>Gil</b> %2"));
    QCOMPARE(child<QLabel>(board, "name2")->textFormat(), Qt::PlainText);
    for (const char *total : {"total1", "total2", "total3", "total4"})
        QVERIFY2(child<QLabel>(board, total)->text().contains(QStringLiteral("Payment")), total);
    QCOMPARE(tileCount(board.handScene(0)), 6);
    // The losers have no score lines under the riichi rules: no empty panels.
    QVERIFY(child<QWidget>(board, "score1")->isVisibleTo(&board));
    QVERIFY(!child<QWidget>(board, "score3")->isVisibleTo(&board));
    QVERIFY(!child<QWidget>(board, "score4")->isVisibleTo(&board));
    QCOMPARE(tileCount(board.doraScene()), 2);
    QVERIFY(child<QWidget>(board, "doraTilesFrame")->isVisibleTo(&board));
    QVERIFY(!child<QWidget>(board, "uraDoraTilesLable")->isVisibleTo(&board));
    QVERIFY(!child<QWidget>(board, "uraDoraTilesView")->isVisibleTo(&board));
    QCOMPARE(child<QPushButton>(board, "readyPushButton")->text(), QStringLiteral("Next hand"));
    QVERIFY(!child<QPushButton>(board, "leavePushButton")->isVisibleTo(&board));

    // A game-scale change leaves the board's tiles as they are: they use the base set.
    const QSize before = board.handScene(0).view.childrenBoundingRect().size().toSize();
    QSignalSpy rendered(&TileGraphics::instance(), &TileGraphics::gameScaleChanged);
    TileGraphics::instance().setGameScale(GameScale{0.5, 0.5, 0.5});
    QVERIFY(rendered.wait(20000));
    QCOMPARE(board.handScene(0).view.childrenBoundingRect().size().toSize(), before);

    board.setPlayerPicture(3, QPixmap(QStringLiteral("resources:/avatar-default-1.png")));
    QVERIFY(!child<QLabel>(board, "avatar4")->pixmap().isNull());
    board.setPlayerPicture(99, QPixmap(QStringLiteral("resources:/avatar-default-1.png")));
    board.showAndRaise(true);
    QVERIFY(saveScreenshot(window, QStringLiteral("scoreboard-ron")) > 20);
    board.clearPlayerPictures();
    QVERIFY(child<QLabel>(board, "avatar4")->pixmap().isNull());

    // A draw of three players in the classic rules, the last hand of a full game: the own
    // tab, no claim images, an empty fourth column, no payment line, no dora strip.
    EndHand draw;
    draw.gameEnds = true;
    draw.players[1] = player(1, QStringLiteral("Ann"), EndHandPlayer::ReadyHand, 0);
    draw.players[2] = player(2, QStringLiteral("Bo"), EndHandPlayer::NoResult, 0);
    draw.players[3] = player(3, QStringLiteral("Cy"), EndHandPlayer::NoResult, 0);
    TableInfo classic = table(0, 2);
    classic.setValue(TableValue());
    board.setEndHand(draw, 3, classic);
    QCOMPARE(tabs->currentIndex(), 2);
    QVERIFY(pixmapOf(board, "exclamation1").isNull());
    QVERIFY(child<QLabel>(board, "name4")->text().isEmpty());
    QVERIFY(child<QLabel>(board, "total4")->text().isEmpty());
    QVERIFY(tabs->tabText(3).isEmpty());
    QVERIFY(!child<QLabel>(board, "total1")->text().contains(QStringLiteral("Payment")));
    QVERIFY(!child<QWidget>(board, "doraTilesFrame")->isVisibleTo(&board));
    QCOMPARE(child<QPushButton>(board, "readyPushButton")->text(),
             QStringLiteral("Play (%1)").arg(classic.value().buyInText()));
    QVERIFY(child<QPushButton>(board, "leavePushButton")->isVisibleTo(&board));

    // A washout where the server sent only the ready hand: no panel without scores, no
    // tab without a hand, and the own column's missing hand gives way to the one sent.
    EndHand washout = draw;
    washout.endKind = 7;
    for (qint32 id : {2, 3})
        washout.players[id].hand.clear();
    board.setEndHand(washout, 3, classic);
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(tabs->isVisibleTo(&board));
    QVERIFY(tabs->isTabVisible(0));
    for (int i : {1, 2, 3})
        QVERIFY(!tabs->isTabVisible(i));
    for (const char *score : {"score1", "score2", "score3", "score4"})
        QVERIFY2(!child<QWidget>(board, score)->isVisibleTo(&board), score);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Ready hand"));
    QVERIFY(saveScreenshot(window, QStringLiteral("scoreboard-washout")) > 20);
    {
        const QStringList translations = QDir::searchPaths(QStringLiteral("translations"));
        QDir::setSearchPaths(QStringLiteral("translations"), {QString::fromLatin1(translationsRoot)});
        TranslationsManager languages;
        languages.setLanguage(QStringLiteral("ja"));
        QTRY_COMPARE(tabs->tabText(0), QStringLiteral("テンパイ"));
        QVERIFY(saveScreenshot(window, QStringLiteral("scoreboard-washout-ja")) > 20);
        languages.setLanguage(QStringLiteral("en"));
        QDir::setSearchPaths(QStringLiteral("translations"), translations);
    }
    washout.players[1].hand.clear();
    board.setEndHand(washout, 3, classic);
    QVERIFY(!tabs->isVisibleTo(&board));

    // While watching, the first column; ura dora shown beside the dora.
    draw.dora = {tile(9)};
    draw.uraDora = {tile(10)};
    board.setEndHand(draw, 42, table(2, 0));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tileCount(board.uraDoraScene()), 1);
    QVERIFY(child<QWidget>(board, "uraDoraTilesView")->isVisibleTo(&board));
    QCOMPARE(child<QPushButton>(board, "readyPushButton")->text(), QStringLiteral("Ready"));

    // No rows, and a rule set the client does not know.
    EndHand empty;
    EndHand unknownRules = draw;
    board.setEndHand(unknownRules, 1, table(9, 0));
    QVERIFY(pixmapOf(board, "exclamation1").isNull());
    board.setEndHand(empty, 1, table(0, 0));
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(board.columnPlayerIds().empty());
    QVERIFY(child<QLabel>(board, "name1")->text().isEmpty());
}

void TestScoreBoard::buttonsAndCountdown()
{
    QWidget window;
    window.resize(900, 640);
    ScoreBoard board(&window);
    EndHand tsumo;
    tsumo.endKind = EndHand::Tsumo;
    tsumo.players[1] = player(1, QStringLiteral("Ann"), EndHandPlayer::Won, 12);
    tsumo.players[2] = player(2, QStringLiteral("Bo"), EndHandPlayer::NoResult, 0);
    board.setEndHand(tsumo, 2, table(1, 1));
    board.stopCountdown();
    window.show();
    board.showAndRaise(true);
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto *label = child<QLabel>(board, "nextRoundLabel");
    m_clock.setMs(10000);
    board.startCountdown(m_clock.at(5000));
    QVERIFY(!label->isVisible());
    board.setReadyVisible(true);
    board.startCountdown(m_clock.at(25000));
    QVERIFY(label->isVisible());
    QVERIFY(child<QWidget>(board, "nextRoundTimer")->isVisible());
    QVERIFY(saveScreenshot(window, QStringLiteral("scoreboard-tournament")) > 20);

    // The caption shows only beside its countdown: the counter shows no number for the
    // last half second, and neither stays once it has run out; nor does a countdown
    // started that late show.
    auto *countdown = child<TimerView>(board, "nextRoundTimer");
    countdown->setDisplayType(TimerView::DEC_COUNTER);
    m_clock.setMs(24400);
    QCOMPARE(countdown->secondsShown(), 1);
    QVERIFY(label->isVisible());
    m_clock.setMs(24600);
    QTRY_VERIFY(!countdown->isVisible());
    QCOMPARE(countdown->secondsShown(), 0);
    QVERIFY(!label->isVisible());
    board.startCountdown(m_clock.at(25000));
    QVERIFY(!label->isVisible());
    QVERIFY(!countdown->isVisible());
    board.startCountdown(m_clock.at(40000));
    QVERIFY(label->isVisible());
    QVERIFY(countdown->isVisible());

    QSignalSpy leave(&board, &ScoreBoard::leaveClicked);
    QSignalSpy ready(&board, &ScoreBoard::readyClicked);
    QSignalSpy close(&board, &ScoreBoard::closeClicked);
    bool hiddenFirst = false;
    connect(&board, &ScoreBoard::readyClicked, this, [&] { hiddenFirst = !board.isVisible(); });
    QVERIFY(!child<QPushButton>(board, "leavePushButton")->isVisible()); // a tournament table
    board.setEndHand(tsumo, 2, table(1, 0));
    QTest::mouseClick(child<QPushButton>(board, "leavePushButton"), Qt::LeftButton);
    QCOMPARE(leave.size(), 1);
    QVERIFY(board.isVisible());
    QTest::mouseClick(child<QPushButton>(board, "readyPushButton"), Qt::LeftButton);
    QCOMPARE(ready.size(), 1);
    QVERIFY(hiddenFirst);

    board.setReadyVisible(false);
    board.showAndRaise(true);
    QVERIFY(!child<QPushButton>(board, "readyPushButton")->isVisible());
    QTest::mouseClick(child<QPushButton>(board, "closePushButton"), Qt::LeftButton);
    QCOMPARE(close.size(), 1);
    QVERIFY(!board.isVisible());
}

// An open board takes a new language at once: its headings, score lines, claim picture
// and buttons, whose texts keep their room in the table's area at 1024x768, the Japanese
// "Play" with a buy-in too.
void TestScoreBoard::languageChangeRedrawsTheBoard()
{
    const QStringList translations = QDir::searchPaths(QStringLiteral("translations"));
    QDir::setSearchPaths(QStringLiteral("translations"), {QString::fromLatin1(translationsRoot)});
    TranslationsManager languages;
    languages.setLanguage(QStringLiteral("en"));

    QWidget window;
    window.resize(794, 740);
    ScoreBoard board(&window);
    EndHand ron;
    ron.endKind = EndHand::Ron;
    ron.gameEnds = true;
    EndHandPlayer winner = player(1, QStringLiteral("Ann"), EndHandPlayer::Won, 0);
    winner.points = {{QString(), 20, 0}};
    winner.doubles = {{QString(), 1, 0}};
    ScoreNames::nameLines(winner);
    ron.players[1] = winner;
    ron.players[2] = player(2, QStringLiteral("Bo"), EndHandPlayer::NoResult, 0);
    ron.dora = {tile(4), tile(22)};
    ron.uraDora = {tile(5), tile(23)};
    TableInfo info = table(3, TableInfo::FULL_GAME);
    TableValue value;
    value.setBet(100000);
    value.setFee(10000);
    info.setValue(value);
    board.setEndHand(ron, 2, info);
    window.show();
    board.showAndRaise(true);
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // What the board lacks in the language: its texts, or room for its buttons' texts
    // once it is laid out anew for them.
    const auto lacking = [&board, &window, &value] {
        QStringList found;
        const QString scores = child<QTextEdit>(board, QStringLiteral("score1"))->toPlainText();
        for (const QString &text : {QCoreApplication::translate("ScoreBoard", "Points:"),
                                    QCoreApplication::translate("ScoreBoard", "Doubles:"),
                                    QCoreApplication::translate("Scores", "Base points"),
                                    QCoreApplication::translate("Scores", "Riichi")})
            if (!scores.contains(text))
                found << text;
        if (!child<QLabel>(board, QStringLiteral("total1"))->text().contains(
                QCoreApplication::translate("ScoreBoard", "Settlement")))
            found << QStringLiteral("the settlement");
        auto *play = child<QPushButton>(board, QStringLiteral("readyPushButton"));
        if (play->text() != QCoreApplication::translate("ScoreBoard", "Play (%1)").arg(value.buyInText()))
            found << play->text();
        if (board.geometry().right() >= window.width())
            found << QStringLiteral("the board's right edge");
        for (QPushButton *button : board.findChildren<QPushButton *>())
            if (button->isVisible() && button->width() < button->minimumSizeHint().width())
                found << QStringLiteral("%1 wider than its button").arg(button->text());
        return found.join(QStringLiteral(" | "));
    };
    for (const QString language : {"ja", "zh_CN", "zh_TW", "en"}) {
        languages.setLanguage(language);
        QTRY_VERIFY2(lacking().isEmpty(), qPrintable(language + QStringLiteral(": ") + lacking()));
        MAHJONG_COMPARE_IMAGES(pixmapOf(board, QStringLiteral("exclamation1")),
                               image(QStringLiteral(":/default/text-images/%1/claim-ron.png").arg(language)));
        if (language != QLatin1String("en"))
            QVERIFY(saveScreenshot(window, QStringLiteral("scoreboard-language-") + language) > 20);
    }
    QDir::setSearchPaths(QStringLiteral("translations"), translations);
}

// A self-drawn win with the same lines at an MCR, a Hong Kong and a riichi table: each
// board names the hands, the limit hands' heading and the doubles' heading in the words
// of its rule family, as it opens in Simplified Chinese and after each language change,
// English too.
void TestScoreBoard::ruleFamiliesNameTheirHands()
{
    const QStringList translations = QDir::searchPaths(QStringLiteral("translations"));
    QDir::setSearchPaths(QStringLiteral("translations"), {QString::fromLatin1(translationsRoot)});
    TranslationsManager languages;
    languages.setLanguage(QStringLiteral("zh_CN"));

    EndHand tsumo;
    tsumo.endKind = EndHand::Tsumo;
    EndHandPlayer winner = player(1, QStringLiteral("Ann"), EndHandPlayer::Won, 0);
    winner.points = {{QString(), 20, 0}};
    // Fully concealed hand, after a kong, last tile from the wall, last discard, pinfu;
    // thirteen orphans.
    winner.doubles = {{QString(), 1, 3}, {QString(), 1, 11}, {QString(), 1, 12}, {QString(), 1, 13}, {QString(), 1, 4}};
    winner.limits = {{QString(), 0, 0}};
    // As the connection names them, before the table's rule set is known.
    ScoreNames::nameLines(winner);
    tsumo.players[1] = winner;
    tsumo.players[2] = player(2, QStringLiteral("Bo"), EndHandPlayer::NoResult, 0);

    constexpr int families = 3;
    const int rulesets[families] = {RulesetInfo::MCR, RulesetInfo::HONG_KONG, RulesetInfo::JAPANESE_RIICHI};
    const QString names[families] = {QStringLiteral("mcr"), QStringLiteral("hongkong"), QStringLiteral("riichi")};
    QWidget windows[families];
    ScoreBoard *boards[families];
    for (int i = 0; i < families; ++i) {
        boards[i] = new ScoreBoard(&windows[i]);
        windows[i].resize(1024, 768);
        boards[i]->setEndHand(tsumo, 1, table(rulesets[i], TableInfo::FULL_GAME));
        windows[i].show();
        boards[i]->showAndRaise(true);
        QVERIFY(QTest::qWaitForWindowExposed(&windows[i]));
    }

    // The lines each family's board shows: the doubles' heading, the five doubles, the
    // limit hands' heading and the limit hand; English says "Pinfu" at riichi tables only.
    struct Words
    {
        const char *language;
        QStringList lines[families];
    };
    const Words words[] = {
        {"zh_CN",
         {{"番：", "不求人", "杠上开花", "妙手回春", "海底捞月", "平和", "88番、64番：", "十三幺"},
          {"番：", "不求人", "杠上开花", "海底捞月", "河底捞鱼", "平和", "满贯：", "十三幺"},
          {"番：", "门前清自摸", "杠上开花", "海底摸月", "河底捞鱼", "平和", "役满：", "十三幺"}}},
        {"ja",
         {{"番:", "不求人", "槓上開花", "妙手回春", "海底撈月", "平和", "88番・64番:", "十三幺"},
          {"番:", "不求人", "槓上開花", "海底摸月", "河底撈魚", "平和", "満貫:", "十三幺"},
          {"翻:", "門前清自摸和", "嶺上開花", "海底摸月", "河底撈魚", "平和", "役満:", "国士無双"}}},
        {"zh_TW",
         {{"番：", "不求人", "槓上開花", "妙手回春", "海底撈月", "平和", "88番、64番：", "十三么"},
          {"番：", "不求人", "槓上開花", "海底撈月", "河底撈魚", "平和", "滿貫：", "十三么"},
          {"番：", "門前清自摸", "槓上開花", "海底撈月", "河底撈魚", "平和", "役滿：", "十三么"}}},
        {"en",
         {{"Fans:", "Fully concealed hand", "After a kong", "Last tile from the wall", "Last discard", "All chows",
           "Limit hands:", "Thirteen orphans"},
          {"Fans:", "Fully concealed hand", "After a kong", "Last tile from the wall", "Last discard", "All chows",
           "Limit hands:", "Thirteen orphans"},
          {"Doubles:", "Fully concealed hand", "After a kong", "Last tile from the wall", "Last discard", "Pinfu",
           "Limit hands:", "Thirteen orphans"}}},
    };
    for (const Words &said : words) {
        const QString language = QString::fromLatin1(said.language);
        languages.setLanguage(language);
        for (int i = 0; i < families; ++i) {
            const auto shows = [&] {
                const QStringList lines = shownLines(*boards[i], "score1");
                return std::all_of(said.lines[i].begin(), said.lines[i].end(),
                                   [&lines](const QString &line) { return lines.contains(line); });
            };
            // The language change reaches the board through the event loop.
            QTRY_VERIFY2(shows(), qPrintable(QStringList({language, names[i]}).join(u' ')
                                             + QLatin1Char('\n') + shownLines(*boards[i], "score1").join(u'|')));
            // The picture shows the end of the lines: the last doubles and the limit hands.
            auto *edit = child<QTextEdit>(*boards[i], QStringLiteral("score1"));
            edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
            QVERIFY(saveScreenshot(windows[i], QStringLiteral("scoreboard-%1-%2").arg(names[i], language)) > 20);
        }
    }
    languages.setLanguage(QStringLiteral("en"));
    QDir::setSearchPaths(QStringLiteral("translations"), translations);
}

// Wins at an MCR table name the fans by MCR's own fan list in every language, on a
// board in a window of 1024x768 and one of 1920x1080: the six fans the demo world
// counts there besides those above, the chows, pungs and kongs that a server sends
// too, and the hands of 64 and 88 fans.
void TestScoreBoard::mcrBoardNamesItsFans()
{
    const QStringList translations = QDir::searchPaths(QStringLiteral("translations"));
    QDir::setSearchPaths(QStringLiteral("translations"), {QString::fromLatin1(translationsRoot)});
    TranslationsManager languages;

    // The lines' codes and fans.
    constexpr std::size_t hands = 3;
    const ScoreLines wins[hands] = {
        // All pungs, seven pairs, all simples, dragon pung, seat wind, prevalent wind.
        {{QString(), 6, 17}, {QString(), 24, 21}, {QString(), 2, 5}, {QString(), 2, 7}, {QString(), 2, 8}, {QString(), 2, 9}},
        // Pure double chow, mixed triple chow, pure straight, outside hand, triple pung,
        // three kongs, all terminals and honours, robbing a kong.
        {{QString(), 1, 6}, {QString(), 8, 14}, {QString(), 16, 15}, {QString(), 4, 16}, {QString(), 16, 19},
         {QString(), 32, 20}, {QString(), 32, 22}, {QString(), 8, 10}},
        // All terminals, four kongs: limit hands.
        {{QString(), 0, 7}, {QString(), 0, 9}},
    };
    struct Words
    {
        const char *language;
        QStringList lines[hands];
    };
    const Words words[] = {
        {"en",
         {{"All pungs", "Seven pairs", "All simples", "Dragon pung", "Seat wind", "Prevalent wind"},
          {"Pure double chow", "Mixed triple chow", "Pure straight", "Outside hand", "Triple pung", "Three kongs",
           "All terminals and honours", "Robbing a kong"},
          {"All terminals", "Four kongs"}}},
        {"ja",
         {{"碰碰和", "七対", "断么", "箭刻", "門風刻", "圏風刻"},
          {"一般高", "三色三同順", "清龍", "全帯么", "三同刻", "三槓", "混么九", "搶槓和"},
          {"清么九", "四槓"}}},
        {"zh_CN",
         {{"碰碰和", "七对", "断幺", "箭刻", "门风刻", "圈风刻"},
          {"一般高", "三色三同顺", "清龙", "全带幺", "三同刻", "三杠", "混幺九", "抢杠和"},
          {"清幺九", "四杠"}}},
        {"zh_TW",
         {{"碰碰和", "七對", "斷幺", "箭刻", "門風刻", "圈風刻"},
          {"一般高", "三色三同順", "清龍", "全帶幺", "三同刻", "三槓", "混幺九", "搶槓和"},
          {"清幺九", "四槓"}}},
    };

    const QSize sizes[] = {{1024, 768}, {1920, 1080}};
    QWidget windows[std::size(sizes)];
    ScoreBoard *boards[std::size(sizes)];
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        boards[i] = new ScoreBoard(&windows[i]);
        windows[i].resize(sizes[i]);
        windows[i].show();
    }
    for (const Words &said : words) {
        const QString language = QString::fromLatin1(said.language);
        languages.setLanguage(language);
        // The language change reaches the boards through the event loop.
        for (const ScoreBoard *board : boards)
            QTRY_COMPARE(board->windowTitle(), QCoreApplication::translate("ScoreBoard", "Scores"));
        for (std::size_t win = 0; win < hands; ++win) {
            EndHand tsumo;
            tsumo.endKind = EndHand::Tsumo;
            EndHandPlayer winner = player(1, QStringLiteral("Ann"), EndHandPlayer::Won, 0);
            winner.points.clear();
            winner.pointsTotal = 0;
            winner.doubles.clear();
            winner.doublesTotal = 0;
            if (win + 1 < hands) {
                winner.doubles = wins[win];
                for (const ScoreLine &line : winner.doubles)
                    winner.doublesTotal += line.value;
            } else {
                winner.limits = wins[win];
            }
            ScoreNames::nameLines(winner);
            tsumo.players[1] = winner;
            tsumo.players[2] = player(2, QStringLiteral("Bo"), EndHandPlayer::NoResult, 0);
            for (std::size_t i = 0; i < std::size(sizes); ++i) {
                boards[i]->setEndHand(tsumo, 1, table(RulesetInfo::MCR, TableInfo::FULL_GAME));
                boards[i]->showAndRaise(true);
                QVERIFY(QTest::qWaitForWindowExposed(&windows[i]));
                // The settlement below the lines reads whole once the board is laid out anew.
                const auto *total = child<QLabel>(*boards[i], QStringLiteral("total1"));
                QTRY_VERIFY(total->height() >= total->sizeHint().height());
                const QStringList lines = shownLines(*boards[i], "score1");
                for (const QString &name : said.lines[win])
                    QVERIFY2(lines.contains(name), qPrintable(language + QLatin1Char(' ') + name + QLatin1Char('\n')
                                                              + lines.join(u'|')));
                QVERIFY(saveScreenshot(windows[i], QStringLiteral("scoreboard-mcr-fans%1-%2-%3x%4")
                                                       .arg(QString::number(win + 1), language,
                                                            QString::number(sizes[i].width()),
                                                            QString::number(sizes[i].height())))
                        > 20);
            }
        }
    }
    languages.setLanguage(QStringLiteral("en"));
    QDir::setSearchPaths(QStringLiteral("translations"), translations);
}

MAHJONG_TEST_MAIN(TestScoreBoard)
#include "tst_scoreboard.moc"
