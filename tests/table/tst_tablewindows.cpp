#include "testmain.h"

#include "../ui/screenshot.h"
#include "TestServerClock.h"
#include "app/TableInfo.h"
#include "app/TimeSpan.h"
#include "app/startup/ResourceSearchPaths.h"
#include "lobby/LocalizationDb.h"
#include "table/dialogs/PlayerInactiveWindow.h"
#include "table/dialogs/RoundScoreBoard.h"
#include "table/dialogs/SeatedWindow.h"
#include "table/dialogs/WaitingForPlayersWindow.h"
#include "table/dialogs/WashoutWindow.h"
#include "table/dialogs/WatchingWindow.h"
#include "table/sidebar/TimerView.h"
#include "ui/UTimer.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>

namespace {

template <typename T = QLabel>
T *child(const QWidget &dialog, const char *name)
{
    auto *found = dialog.findChild<T *>(QString::fromLatin1(name));
    Q_ASSERT(found);
    return found;
}

QPushButton *button(const QWidget &dialog, const char *name)
{
    return child<QPushButton>(dialog, name);
}

bool shown(const QWidget &dialog, const char *name)
{
    return child<QWidget>(dialog, name)->isVisibleTo(&dialog);
}

void click(const QWidget &dialog, const char *name)
{
    QTest::mouseClick(button(dialog, name), Qt::LeftButton);
}

TableInfo table(int gameType, int valueKind)
{
    TableInfo info(42);
    info.setLobbyPath(QStringLiteral("101/Regular/classic"));
    info.setGameType(gameType);
    info.setCapacity(TableCapacity(4, 2, 0));
    info.setSpeed(20000);
    TableValue value;
    value.setKind(valueKind);
    value.setBet(1000);
    value.setFee(50);
    value.setPlayers(4);
    if (valueKind == 3) {
        value.setPlaceBonus(0, 1500);
        value.setPlaceBonus(1, 500);
        value.setPlaceBonus(3, -2000);
    }
    info.setValue(value);
    return info;
}

// The server names the tables of table()'s folder.
void nameTables(LocalizationDb &names, const QString &nameTemplate)
{
    names.onLocalizedTableNames(QString(), {LocalizedTableName{false, QStringLiteral("Regular/classic"), nameTemplate}});
}

} // namespace

class TestTableWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_translator); }
    void washoutReasonsButtonsAndCountdown();
    void seatedWindowTermsNameAndCountdown();
    void overlays();
    void languageChangeKeepsWhatIsShown();

private:
    // A table-sized parent in the application's style, for the dialogs to lie on.
    std::unique_ptr<QWidget> makeTable();

    QTranslator m_translator;
    TestServerClock m_clock;
    QString m_styleSheet;
};

void TestTableWindows::initTestCase()
{
    setupResourceSearchPaths({}, QStringLiteral("default"));
    QVERIFY(m_translator.load(QStringLiteral(":/i18n/en/mahjong_en.qm")));
    QVERIFY(QCoreApplication::installTranslator(&m_translator));
    QFile css(QStringLiteral("resources:/defaultui.css"));
    QVERIFY(css.open(QIODevice::ReadOnly));
    m_styleSheet = QString::fromUtf8(css.readAll());
}

std::unique_ptr<QWidget> TestTableWindows::makeTable()
{
    auto table = std::make_unique<QWidget>();
    table->setObjectName(QStringLiteral("table"));
    table->setStyleSheet(m_styleSheet + QStringLiteral("QWidget#table { background: rgb(36, 88, 58); }"));
    table->resize(520, 420);
    table->show();
    return table;
}

void TestTableWindows::washoutReasonsButtonsAndCountdown()
{
    auto host = makeTable();
    WashoutWindow washout(host.get());
    QVERIFY(washout.isHidden());
    QVERIFY(!child(washout, "textImage")->pixmap().isNull());

    const std::pair<int, const char *> reasons[] = {
        {6, "Nine honors or terminals."},
        {7, "Four kongs."},
        {8, "Same wind discard."},
        {9, "No-one declared win after all player declared riichi."},
    };
    for (const auto &[code, text] : reasons) {
        washout.setReason(code);
        QCOMPARE(child(washout, "washoutReason")->text(), QString::fromLatin1(text));
        QVERIFY(shown(washout, "washoutReason"));
    }
    QVERIFY(child(washout, "washoutReason")->wordWrap());
    washout.setReason(5);
    QVERIFY(!shown(washout, "washoutReason"));
    QVERIFY(child(washout, "washoutReason")->text().isEmpty());

    // Single hand, tournament, and a full game with and without the play price.
    washout.setTableInfo(table(TableInfo::SINGLE_HAND, 2));
    QCOMPARE(button(washout, "readyButton")->text(), QStringLiteral("Ready"));
    QVERIFY(shown(washout, "leaveButton") && !shown(washout, "okButton"));
    washout.setTableInfo(table(TableInfo::TOURNAMENT, 0));
    QCOMPARE(button(washout, "readyButton")->text(), QStringLiteral("Next hand"));
    QVERIFY(shown(washout, "readyButton") && !shown(washout, "leaveButton"));
    washout.setTableInfo(table(TableInfo::FULL_GAME, 2));
    washout.setShowPlayPrice(true);
    QCOMPARE(button(washout, "readyButton")->text(), QStringLiteral("Play ($10 + $0.50)"));
    QVERIFY(shown(washout, "leaveButton"));
    washout.setShowPlayPrice(false);
    QCOMPARE(button(washout, "readyButton")->text(), QStringLiteral("Next hand"));
    QVERIFY(!shown(washout, "leaveButton"));

    // Ok only wins over every game type.
    washout.setOkOnly(true);
    for (int gameType : {0, 1, 2}) {
        washout.setTableInfo(table(gameType, 2));
        washout.setShowPlayPrice(true);
        QVERIFY(!shown(washout, "readyButton") && !shown(washout, "leaveButton"));
        QVERIFY(shown(washout, "okButton") && button(washout, "okButton")->isDefault());
    }

    // A deadline already passed keeps the countdown hidden.
    m_clock.setMs(0);
    auto *timer = child<TimerView>(washout, "nextRoundTimer");
    washout.startCountdown(m_clock.at(12000));
    QVERIFY(shown(washout, "nextRoundLabel") && shown(washout, "nextRoundTimer"));
    QCOMPARE(timer->secondsShown(), 12);
    washout.startCountdown(m_clock.at(-1000));
    QVERIFY(!shown(washout, "nextRoundLabel") && !shown(washout, "nextRoundTimer"));
    QCOMPARE(timer->secondsShown(), 0);
    washout.startCountdown(m_clock.at(12000));

    washout.setOkOnly(false);
    washout.setTableInfo(table(TableInfo::FULL_GAME, 2));
    washout.setReason(9);
    washout.showAndRaise(true);
    QVERIFY(QTest::qWaitForWindowExposed(host.get()));
    QTest::qWait(20);
    QVERIFY(saveScreenshot(host.get(), "washout-window"));

    // Ready and Leave emit, then hide; Ok only hides.
    QSignalSpy ready(&washout, &WashoutWindow::readyButtonClicked);
    QSignalSpy leave(&washout, &WashoutWindow::leaveButtonClicked);
    click(washout, "leaveButton");
    QCOMPARE(leave.count(), 1);
    QVERIFY(washout.isHidden());
    washout.showAndRaise(true);
    click(washout, "readyButton");
    QCOMPARE(ready.count(), 1);
    QVERIFY(washout.isHidden());
    washout.setOkOnly(true);
    washout.showAndRaise(true);
    click(washout, "okButton");
    QVERIFY(washout.isHidden());
    QCOMPARE(ready.count() + leave.count(), 2);

    washout.stopCountdown();
    QVERIFY(!shown(washout, "nextRoundTimer"));
    QCOMPARE(timer->length(), qint64(0));
}

void TestTableWindows::seatedWindowTermsNameAndCountdown()
{
    auto host = makeTable();
    LocalizationDb names(LocalizationDb::NameQuery(), nullptr, nullptr);
    SeatedWindow seated(&names, host.get());
    QCOMPARE(seated.windowTitle(), QStringLiteral("You have been seated"));
    QVERIFY(child(seated, "rules")->text().isEmpty());

    // A table without place bonus or feeding penalty hides their rows and the note.
    seated.onTableInfo(table(TableInfo::FULL_GAME, 2));
    for (const char *name : {"placeBonus", "placeBonusLabel", "feedingPenalty", "feedingPenaltyLabel",
                             "feedingPenaltyInfo"})
        QVERIFY2(!shown(seated, name), name);
    QCOMPARE(child(seated, "capacity")->text(), QStringLiteral("4"));
    QCOMPARE(child(seated, "speed")->text(), QStringLiteral("20 seconds"));
    QCOMPARE(child(seated, "buyIn")->text(), table(TableInfo::FULL_GAME, 2).value().betText());

    seated.onTableInfo(table(TableInfo::FULL_GAME, 3));
    QVERIFY(shown(seated, "placeBonus") && shown(seated, "placeBonusLabel"));
    QCOMPARE(child(seated, "placeBonus")->text().count(QLatin1Char('\n')), 2);
    QVERIFY(!shown(seated, "feedingPenaltyInfo"));
    seated.onTableInfo(table(TableInfo::FULL_GAME, 1));
    QVERIFY(!shown(seated, "placeBonus"));
    QVERIFY(shown(seated, "feedingPenalty") && shown(seated, "feedingPenaltyInfo"));

    // The id stands in until the server names the table.
    QCOMPARE(child(seated, "tableName")->text(), QStringLiteral("Table(42)"));
    nameTables(names, QStringLiteral("Jade <b>{tableId}</b>"));
    QCOMPARE(child(seated, "tableName")->text(), QStringLiteral("Jade <b>42</b>"));
    QCOMPARE(child(seated, "tableName")->textFormat(), Qt::PlainText);

    // Whole seconds to the nearest; under half a second left the window hides.
    m_clock.setMs(0);
    seated.showAndRaise(true);
    QVERIFY(QTest::qWaitForWindowExposed(host.get()));
    seated.startCountdown(TimeSpan(m_clock.at(0), m_clock.at(1499)));
    QCOMPARE(child(seated, "leaveWarning")->text(),
             QStringLiteral("You will automatically be unseated from this table in 1 second"));
    seated.startCountdown(TimeSpan(QDateTime(), m_clock.at(1500)));
    QCOMPARE(child(seated, "leaveWarning")->text(),
             QStringLiteral("You will automatically be unseated from this table in 2 seconds"));
    QVERIFY(seated.isVisible());
    seated.startCountdown(TimeSpan(m_clock.at(0), m_clock.at(30000)));
    QTest::qWait(20);
    QVERIFY(saveScreenshot(host.get(), "seated-window"));
    // Play and Leave Table stand apart.
    const int between = seated.findChild<QPushButton *>("leaveButton")->x()
        - seated.findChild<QPushButton *>("playButton")->geometry().right() - 1;
    QVERIFY2(between >= 4, qPrintable(QString::number(between)));

    QSignalSpy timeout(&seated, &SeatedWindow::timeout);
    seated.startCountdown(TimeSpan(m_clock.at(0), m_clock.at(499)));
    QVERIFY(seated.isHidden());
    m_clock.setMs(600);
    QTRY_COMPARE(timeout.count(), 1);

    // Play and Leave stop the countdown: the window no longer hides by time.
    QSignalSpy play(&seated, &SeatedWindow::playButtonClicked);
    QSignalSpy leave(&seated, &SeatedWindow::leaveButtonClicked);
    for (const char *name : {"playButton", "leaveButton"}) {
        m_clock.setMs(0);
        seated.showAndRaise(true);
        seated.startCountdown(TimeSpan(m_clock.at(0), m_clock.at(1200)));
        QVERIFY(seated.countdown().isActive());
        click(seated, name);
        QVERIFY(!seated.countdown().isActive());
        m_clock.setMs(5000);
        QTest::qWait(1100);
        QVERIFY2(seated.isVisible(), name);
    }
    QCOMPARE(play.count(), 1);
    QCOMPARE(leave.count(), 1);
    QCOMPARE(timeout.count(), 1);

    seated.stopCountdown();
    QVERIFY(child(seated, "leaveWarning")->text().isEmpty());
}

void TestTableWindows::overlays()
{
    auto host = makeTable();

    WaitingForPlayersWindow waiting(host.get());
    QCOMPARE(waiting.windowTitle(), QStringLiteral("Waiting for players"));
    waiting.onSeatsRemaining(1);
    QCOMPARE(child(waiting, "mainText")->text(), QStringLiteral("Waiting for 1 player to join table."));
    waiting.onSeatsRemaining(3);
    QCOMPARE(child(waiting, "mainText")->text(), QStringLiteral("Waiting for 3 players to join table."));
    QVERIFY(waiting.isHidden());
    waiting.showAndRaise(true);
    QVERIFY(QTest::qWaitForWindowExposed(host.get()));
    QTest::qWait(20);
    QVERIFY(saveScreenshot(host.get(), "waiting-for-players"));
    for (int seats : {0, -2}) {
        waiting.showAndRaise(true);
        waiting.onSeatsRemaining(seats);
        QVERIFY(waiting.isHidden());
        QCOMPARE(child(waiting, "mainText")->text(), QStringLiteral("Waiting for 3 players to join table."));
    }
    waiting.onSeatsRemaining(2);
    QVERIFY(waiting.isHidden());
    QCOMPARE(child(waiting, "mainText")->text(), QStringLiteral("Waiting for 2 players to join table."));
    waiting.showAndRaise(true);
    QSignalSpy invite(&waiting, &WaitingForPlayersWindow::inviteButtonClicked);
    QSignalSpy leaveWaiting(&waiting, &WaitingForPlayersWindow::leaveButtonClicked);
    click(waiting, "inviteButton");
    waiting.setLeaveEnabled(false);
    click(waiting, "leaveButton");
    QCOMPARE(leaveWaiting.count(), 0);
    waiting.setLeaveEnabled(true);
    click(waiting, "leaveButton");
    QCOMPARE(invite.count(), 1);
    QCOMPARE(leaveWaiting.count(), 1);
    waiting.hide();

    WatchingWindow watching(host.get());
    watching.setPickedUpInfoHidden(false);
    watching.onJoinableChanged(true);
    watching.showAndRaise(true);
    QTest::qWait(20);
    QVERIFY(saveScreenshot(host.get(), "watching-window"));
    QSignalSpy join(&watching, &WatchingWindow::joinButtonClicked);
    QSignalSpy leaveWatching(&watching, &WatchingWindow::leaveButtonClicked);
    click(watching, "joinButton");
    watching.onJoinableChanged(false);
    click(watching, "joinButton");
    click(watching, "leaveButton");
    QCOMPARE(join.count(), 1);
    QCOMPARE(leaveWatching.count(), 1);
    watching.setPickedUpInfoHidden(true);
    QVERIFY(!shown(watching, "pickedUpInfo") && shown(watching, "watchingInfo"));
    watching.hide();

    // Reactivate takes one press per showing; Leave Table never shows.
    PlayerInactiveWindow inactive(host.get());
    inactive.showAndRaise(true);
    QTest::qWait(20);
    QVERIFY(saveScreenshot(host.get(), "player-inactive"));
    QVERIFY(!shown(inactive, "leaveButton"));
    QSignalSpy reactivate(&inactive, &PlayerInactiveWindow::reactivateButtonClicked);
    click(inactive, "reactivateButton");
    click(inactive, "reactivateButton");
    QCOMPARE(reactivate.count(), 1);
    QVERIFY(!button(inactive, "reactivateButton")->isEnabled());
    inactive.hide();
    QVERIFY(!button(inactive, "reactivateButton")->isEnabled());
    inactive.showAndRaise(true);
    QVERIFY(button(inactive, "reactivateButton")->isEnabled());
    click(inactive, "reactivateButton");
    QCOMPARE(reactivate.count(), 2);
    QVERIFY(!shown(inactive, "leaveButton"));
}

void TestTableWindows::languageChangeKeepsWhatIsShown()
{
    auto host = makeTable();
    const auto changeLanguage = [](QWidget &widget) {
        QEvent event(QEvent::LanguageChange);
        QApplication::sendEvent(&widget, &event);
    };

    WashoutWindow washout(host.get());
    washout.setTableInfo(table(TableInfo::TOURNAMENT, 0));
    washout.setReason(7);
    changeLanguage(washout);
    QCOMPARE(button(washout, "readyButton")->text(), QStringLiteral("Next hand"));
    QVERIFY(!shown(washout, "leaveButton"));
    QCOMPARE(child(washout, "washoutReason")->text(), QStringLiteral("Four kongs."));
    QVERIFY(!child(washout, "textImage")->pixmap().isNull());

    SeatedWindow seated(nullptr, host.get());
    changeLanguage(seated);
    QVERIFY(child(seated, "tableName")->text().isEmpty());
    seated.onTableInfo(table(TableInfo::FULL_GAME, 1));
    m_clock.setMs(0);
    seated.startCountdown(TimeSpan(m_clock.at(0), m_clock.at(9000)));
    changeLanguage(seated);
    QCOMPARE(child(seated, "tableName")->text(), QStringLiteral("Table(42)"));
    QCOMPARE(child(seated, "speed")->text(), QStringLiteral("20 seconds"));
    QVERIFY(shown(seated, "feedingPenaltyInfo"));
    QVERIFY(child(seated, "leaveWarning")->text().endsWith(QStringLiteral("in 9 seconds")));
    seated.stopCountdown();

    WaitingForPlayersWindow waiting(host.get());
    waiting.onSeatsRemaining(2);
    waiting.showAndRaise(true);
    changeLanguage(waiting);
    QVERIFY(waiting.isVisible());
    QCOMPARE(child(waiting, "mainText")->text(), QStringLiteral("Waiting for 2 players to join table."));

    // The round scores keep their table's title, and take its name when it arrives.
    LocalizationDb names(LocalizationDb::NameQuery(), nullptr, nullptr);
    RoundScoreBoard scores(host.get(), nullptr, &names);
    scores.setTable(table(TableInfo::FULL_GAME, 1));
    changeLanguage(scores);
    QCOMPARE(child(scores, "titleLabel")->text(), QStringLiteral("Table(42)"));
    QCOMPARE(child(scores, "roundLabel")->text(), QStringLiteral("Round results"));
    nameTables(names, QStringLiteral("Jade {tableId}"));
    QCOMPARE(child(scores, "titleLabel")->text(), QStringLiteral("Jade 42"));
}

MAHJONG_TEST_MAIN(TestTableWindows)
#include "tst_tablewindows.moc"
