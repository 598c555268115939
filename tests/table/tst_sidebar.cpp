#include "testmain.h"

#include "TestServerClock.h"
#include "app/Utils.h"
#include "app/startup/ResourceSearchPaths.h"
#include "connection/LobbyRecords.h"
#include "game/GameModel.h"
#include "lobby/LocalizationDb.h"
#include "lobby/lobbyscreenshot.h"
#include "table/sidebar/PlayerWidget.h"
#include "table/sidebar/SideBar.h"
#include "table/sidebar/TableChat.h"
#include "table/sidebar/TimerView.h"
#include "ui/ULabel.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTranslator>

#include <limits>

namespace {

// Records what the side bar asks of the table's chat room.
class RecordingChat : public TableChat
{
public:
    QWidget *widget() override { return &view; }
    void setTableRoom(qint32 tableId) override
    {
        rooms.push_back(tableId);
        joined = true;
    }
    void leaveRoom() override
    {
        ++leaves;
        joined = false;
    }
    bool isJoined() const override { return joined; }
    void addSystemMessage(const ClientText &text) override { view.append(text.toHtml()); }
    void setSuppressedNotices(int mask) override { suppressed = mask; }
    void setUserMenuCallback(UserMenuCallback callback) override { userMenu = std::move(callback); }

    QTextEdit view;
    std::vector<qint32> rooms;
    int leaves = 0;
    bool joined = false;
    int suppressed = 0;
    UserMenuCallback userMenu;
};

TableInfo table(qint32 id, int ruleset, int gameType, int seats)
{
    TableInfo info(id);
    info.setLobbyPath(QStringLiteral("101/Practice"));
    info.setRuleset(ruleset);
    info.setGameType(gameType);
    info.setCapacity(TableCapacity(seats, 0, 0));
    return info;
}

QString text(const SideBar &bar, const char *name)
{
    auto *label = bar.findChild<QLabel *>(QString::fromLatin1(name));
    Q_ASSERT(label);
    if (auto *elided = qobject_cast<ULabel *>(label))
        return elided->fullText();
    return label->text();
}

bool shown(const SideBar &bar, const char *name)
{
    return bar.findChild<QWidget *>(QString::fromLatin1(name))->isVisibleTo(&bar);
}

QStringList order(const SideBar &bar)
{
    QStringList names;
    for (const PlayerWidget *plate : bar.playerRows())
        names << plate->findChild<ULabel *>(QStringLiteral("nameLabel"))->fullText();
    return names;
}

} // namespace

class TestSideBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_translator); }
    void platesInSeatOrder();
    void tableTexts();
    void tournamentCountdown();
    void tableChatAndPlayerMenu();
    void whatComesBeforeThePlate();

private:
    // A model whose hand names `reference` as the player the side bar orders from.
    std::unique_ptr<GameModel> model(const TableInfo &info, qint32 reference);

    QTranslator m_translator;
    TestServerClock m_clock;
    LocalizationDb *m_names = nullptr;
};

void TestSideBar::initTestCase()
{
    setupResourceSearchPaths({}, QStringLiteral("default"));
    QVERIFY(m_translator.load(QStringLiteral(":/i18n/en/mahjong_en.qm")));
    QVERIFY(QCoreApplication::installTranslator(&m_translator));
    m_names = new LocalizationDb([](const QString &, const std::vector<QString> &) {}, nullptr, this);
}

std::unique_ptr<GameModel> TestSideBar::model(const TableInfo &info, qint32 reference)
{
    auto result = std::make_unique<GameModel>(info.id(), info, 2, QStringLiteral("Bo"));
    TableState state;
    state.referencePlayer = reference;
    state.riichiSticks = 0;
    state.counterSticks = 3;
    result->onStartHand(7, Seating(), {}, false, state, WallState());
    return result;
}

void TestSideBar::platesInSeatOrder()
{
    SideBar bar(nullptr, m_names);
    auto reference = model(table(5, 0, 0, 4), 2);
    bar.setTableInfoFromModel(reference.get());
    QCOMPARE(bar.emptySeatCount(), 4);

    bar.setPlayer(1, QStringLiteral("Ann"), 0, 0, 0, false);
    bar.setPlayer(2, QStringLiteral("Bo"), 1, 0, 0, false);
    bar.setPlayer(3, QStringLiteral("Cy"), 2, 0, 0, false);
    QCOMPARE(order(bar), QStringList({"Bo", "Cy", "Ann"}));
    QCOMPARE(bar.emptySeatCount(), 1);
    bar.setPlayer(4, QStringLiteral("Di"), 3, 0, 0, true);
    QCOMPARE(order(bar), QStringList({"Bo", "Cy", "Di", "Ann"}));
    QCOMPARE(bar.emptySeatCount(), 0);
    bar.setPlayerWind(2, 3);
    QCOMPARE(order(bar), QStringList({"Bo", "Di", "Ann", "Cy"}));

    // A reference player without a plate orders from East.
    auto other = model(table(5, 0, 0, 4), 99);
    bar.setTableInfoFromModel(other.get());
    bar.setPlayerWind(2, 1);
    QCOMPARE(order(bar), QStringList({"Ann", "Bo", "Cy", "Di"}));

    // Removing the highlighted player clears the highlight; a free seat comes back.
    bar.setActivePlayer(3);
    QVERIFY(bar.playerWidget(3)->highlight());
    bar.removePlayer(3);
    QCOMPARE(bar.activePlayer(), -1);
    QCOMPARE(bar.emptySeatCount(), 1);
    QVERIFY(!bar.playerWidget(1)->highlight());

    // Removing a player without a plate is logged; a picture for one is dropped.
    QTest::ignoreMessage(QtWarningMsg, "no such player, pid: 42");
    bar.removePlayer(42);
    bar.setPlayerPicture(42, QPixmap());
    QCOMPARE(order(bar), QStringList({"Ann", "Bo", "Di"}));

    bar.reset();
    QVERIFY(bar.playerRows().empty());
    QCOMPARE(bar.emptySeatCount(), 0);
}

// A plate shows what came for its player before it: the highlight, a claim, the turn
// timer, and the scores and winds the side bar shows; the record brings the wind, points
// and ready mark. Of players without a plate, the side bar keeps no more than the table
// has seats: a server that names ever new players does not make it grow.
void TestSideBar::whatComesBeforeThePlate()
{
    SideBar bar(nullptr, m_names);
    auto reference = model(table(5, 2, 2, 4), 1);
    bar.setTableInfoFromModel(reference.get());
    const auto plateShows = [&bar](qint32 id, const char *name) {
        return bar.playerWidget(id)->findChild<QWidget *>(QLatin1String(name))->isVisibleTo(&bar);
    };
    const auto timerLength = [&bar](qint32 id) {
        return bar.playerWidget(id)->findChild<TimerView *>(QStringLiteral("timer"))->length();
    };
    m_clock.setMs(0);
    const TimeSpan turn(m_clock.at(0), m_clock.at(20000));

    bar.setPlayer(1, QStringLiteral("Ann"), 0, 25000, 0, false);
    bar.setActivePlayer(1);
    bar.setScoresVisible(true);
    bar.setWindsVisible(true);
    bar.setActivePlayer(2);
    QVERIFY(!bar.playerWidget(1)->highlight());
    bar.setPlayerWind(2, 3);
    bar.setPlayerPoints(2, 24000);
    bar.setPlayerReady(2);
    bar.showPlayerClaim(2, 128, 0);
    bar.setPlayerTimer(2, turn);
    bar.setPlayer(2, QStringLiteral("Bo"), 1, 24000, 0, false);
    QCOMPARE(bar.activePlayer(), 2);
    QVERIFY(bar.playerWidget(2)->highlight());
    QCOMPARE(bar.playerWidget(2)->wind(), 1);
    QVERIFY(plateShows(2, "claimLabel"));
    QCOMPARE(timerLength(2), 20000);
    for (const char *name : {"windLabel", "windText", "scoresAndWins", "scoresAndWinsLabel"})
        QVERIFY2(plateShows(2, name), name);
    QCOMPARE(bar.playerWidget(2)->findChild<QLabel *>(QStringLiteral("scoresAndWins"))->text(),
             QStringLiteral("%L1").arg(24000));

    // Cleared before the plate comes, nothing is kept.
    bar.showPlayerClaim(3, 128, 0);
    bar.setPlayerTimer(3, turn);
    bar.hideClaims();
    bar.clearTimers();
    bar.setScoresVisible(false);
    bar.setPlayer(3, QStringLiteral("Cy"), 2, 0, 0, false);
    QVERIFY(!plateShows(3, "claimLabel"));
    QCOMPARE(timerLength(3), 0);
    QVERIFY(!plateShows(3, "scoresAndWins"));
    QVERIFY(!bar.playerWidget(3)->highlight());

    // Ten players heard of at a table of four: the four heard of last keep their timers.
    for (qint32 id = 100; id < 110; ++id)
        bar.setPlayerTimer(id, turn);
    for (qint32 id = 100; id < 110; ++id) {
        bar.setPlayer(id, QStringLiteral("P%1").arg(id), 0, 0, 0, false);
        QCOMPARE(timerLength(id), id >= 106 ? 20000 : 0);
    }
    bar.reset();
    QVERIFY(bar.playerRows().empty());
}

void TestSideBar::tableTexts()
{
    SideBar bar(nullptr, m_names);
    TableInfo hongKong = table(8, 5, 2, 4);
    hongKong.setMinDoubles(3);
    hongKong.setMaxDoubles(8);
    hongKong.setWindRounds(4);
    auto hongKongModel = model(hongKong, 2);
    bar.setTableInfoFromModel(hongKongModel.get());
    QCOMPARE(text(bar, "tableDescription"),
             QStringLiteral("<a href=\"client://rules/hongkong\" style=\"color: rgb(255,244,189); "
                            "text-decoration: underline;\">Hong Kong</a> (%1)  full game")
                 .arg(TableInfo::fanRangeText(3, 8)));
    // The name stands in as "Table(id)" until the server's answer arrives.
    QCOMPARE(text(bar, "tableName"), QStringLiteral("Table(8)"));
    LocalizedTableName name;
    name.path = QStringLiteral("Practice");
    name.nameTemplate = QStringLiteral("Lotus {tableId}");
    m_names->onLocalizedTableNames(QString(), {name});
    QCOMPARE(text(bar, "tableName"), QStringLiteral("Lotus 8"));
    QVERIFY(!shown(bar, "riichiInfo"));
    QVERIFY(!shown(bar, "handId"));
    bar.setHandId(0);
    QVERIFY(shown(bar, "handId"));
    QCOMPARE(text(bar, "handId"), QStringLiteral("Hand Id: 0"));
    bar.setHandId(-1);
    QVERIFY(!shown(bar, "handId"));
    bar.setWindRound(2);
    QCOMPARE(text(bar, "tableWindRound"), QStringLiteral("Wind round 2 of 4"));
    // Wind rounds skipped as out of range leave the total unknown, and none is shown.
    auto unknownRounds = model(table(11, 5, 2, 4), 2);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("WIND_ROUNDS")));
    unknownRounds->onTableInfo(4, {{TableInfo::WIND_ROUNDS, QVariant(std::numeric_limits<int>::max())}});
    bar.setTableInfoFromModel(unknownRounds.get());
    bar.setWindRound(1);
    QCOMPARE(text(bar, "tableWindRound"), QStringLiteral("Wind round 1"));

    // East only, two players, the reference player not East.
    TableInfo eastOnly = table(9, 3, 2, 4);
    eastOnly.setWindRounds(1);
    auto eastModel = model(eastOnly, 2);
    bar.setTableInfoFromModel(eastModel.get());
    bar.setPlayer(1, QStringLiteral("Ann"), 0, 0, 0, false);
    bar.setPlayer(2, QStringLiteral("Bo"), 3, 0, 0, false);
    bar.setWindRound(1);
    QCOMPARE(text(bar, "tableWindRound"), QStringLiteral("2nd player is East"));
    QVERIFY(shown(bar, "riichiInfo"));
    QCOMPARE(text(bar, "counterStickText"), QStringLiteral("x3"));
    QCOMPARE(bar.emptySeatCount(), 2);
    bar.setPlayer(3, QStringLiteral("Cy"), 1, 0, 0, false);
    bar.setWindRound(1);
    QCOMPARE(text(bar, "tableWindRound"), QStringLiteral("1st player is East"));

    // A tournament table: no game type suffix.
    TableInfo tournament = table(10, 2, 1, 4);
    auto tournamentModel = model(tournament, 2);
    bar.setTableInfoFromModel(tournamentModel.get());
    QVERIFY(shown(bar, "tournamentTableInfo"));
    QVERIFY(!shown(bar, "tableInfo"));
    QVERIFY(text(bar, "tournamentTableDescription").endsWith(QStringLiteral("</a> ")));

    QSignalSpy links(&bar, &SideBar::linkActivated);
    bar.findChild<QLabel *>(QStringLiteral("tournamentTableDescription"))->linkActivated(QStringLiteral("client://rules/riichi"));
    QCOMPARE(links.value(0).value(0).toString(), QStringLiteral("client://rules/riichi"));
}

void TestSideBar::tournamentCountdown()
{
    SideBar bar(nullptr, m_names);
    auto tournamentModel = model(table(11, 0, 1, 4), 2);
    bar.setTableInfoFromModel(tournamentModel.get());
    TournamentInfo info(3);
    info.setName(QStringLiteral("<b>Spring</b> cup"));
    info.setStatus(TournamentInfo::Playing);
    info.setNumberOfRounds(2);
    info.setCurrentRound(1);
    info.setRoundsStart({m_clock.at(-3600000), m_clock.at(-1800000)});
    info.setRoundsLength({1200, 1800});
    m_clock.setMs(500);
    bar.setTournamentInfo(info);
    QCOMPARE(text(bar, "tournamentName"), QStringLiteral("<b>Spring</b> cup"));
    QCOMPARE(text(bar, "tournamentRound"), QStringLiteral("Round 2 of 2"));
    QCOMPARE(text(bar, "tournamentRoundTime"), QStringLiteral("Round ends in now"));
    m_clock.setMs(-600000);
    bar.onTimerTimeout();
    QCOMPARE(text(bar, "tournamentRoundTime"),
             QStringLiteral("Round ends in %1").arg(Utils::timeLeftText(m_clock.at(-600000), m_clock.at(0))));

    // A current round past the round lists is no round.
    info.setCurrentRound(2);
    QTest::ignoreMessage(QtWarningMsg, "tournament 3 has no round 2");
    bar.setTournamentInfo(info);
    QCOMPARE(text(bar, "tournamentRoundTime"), QStringLiteral("No round playing"));
    info.setCurrentRound(0);
    info.setStatus(TournamentInfo::Paused);
    bar.setTournamentInfo(info);
    QCOMPARE(text(bar, "tournamentRoundTime"), QStringLiteral("No round playing"));
    // A tournament whose rounds are not known yet gives no total of 0.
    info.setNumberOfRounds(0);
    bar.setTournamentInfo(info);
    QCOMPARE(text(bar, "tournamentRound"), QStringLiteral("Round 1"));
}

void TestSideBar::tableChatAndPlayerMenu()
{
    auto chat = std::make_unique<RecordingChat>();
    RecordingChat *room = chat.get();
    QFile css(QStringLiteral("resources:/defaultui.css"));
    QVERIFY(css.open(QIODevice::ReadOnly));
    QWidget window;
    window.setObjectName(QStringLiteral("window"));
    window.setStyleSheet(QString::fromUtf8(css.readAll())
                         + QStringLiteral("QWidget#window { background: rgb(30, 70, 45); }"));
    auto *bar = new SideBar(std::move(chat), m_names, &window);
    bar->setObjectName(QStringLiteral("SideBar"));
    QCOMPARE(room->suppressed, 11);
    QCOMPARE(room->view.parentWidget()->objectName(), QStringLiteral("chatContainer"));

    TableInfo riichi = table(12, 3, 2, 4);
    riichi.setWindRounds(2);
    auto riichiModel = model(riichi, 2);
    bar->setTableInfoFromModel(riichiModel.get());
    bar->setHandId(4711);
    bar->setWindRound(1);
    bar->setPlayer(1, QStringLiteral("Ann"), 0, 25000, 0, false);
    bar->setPlayer(2, QStringLiteral("Bo <i>%2</i>"), 1, 24000, 0, true);
    bar->setPlayer(3, QStringLiteral("Cy"), 2, 26000, 0, false);
    bar->setWindsVisible(true);
    bar->setScoresVisible(true);
    bar->setActivePlayer(3);

    bar->setTableChatActive(false);
    QCOMPARE(room->leaves, 0);
    bar->setTableChatActive(true);
    bar->setTableChatActive(true);
    QCOMPARE(room->rooms, std::vector<qint32>({12}));
    bar->addSystemMessage(ClientText::words(QStringLiteral("Ann joined the table.")));
    QCOMPARE(room->view.toPlainText(), QStringLiteral("Ann joined the table."));

    QSignalSpy menus(bar, &SideBar::userMenuRequested);
    room->userMenu(QStringLiteral("Cy"), QPoint(3, 4));
    PlayerWidget *plate = bar->playerWidget(2);
    plate->customContextMenuRequested(QPoint(5, 6));
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus.at(0).value(0).toString(), QStringLiteral("Cy"));
    QCOMPARE(menus.at(1).value(0).toString(), QStringLiteral("Bo <i>%2</i>"));

    struct Receiver : QObject
    {
        void onLeaveButtonClick() { ++clicks; }
        int clicks = 0;
    } receiver;
    bar->connectLeaveButton(&receiver);
    bar->resize(229, 640);
    window.resize(229, 640);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(bar->findChild<QPushButton *>(QStringLiteral("leaveButton")), Qt::LeftButton);
    QCOMPARE(receiver.clicks, 1);
    QCOMPARE(bar->linkStyle(), QStringLiteral("color: rgba(255,244,189,200);"));
    QVERIFY(saveScreenshot(window, QStringLiteral("sidebar")) > 20);

    bar->setTableChatActive(false);
    QCOMPARE(room->leaves, 1);
}

MAHJONG_TEST_MAIN(TestSideBar)
#include "tst_sidebar.moc"
