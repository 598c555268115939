// Every text the client shows reads on its ground, and every mark of a ticked check box
// or a chosen radio button in its box, in both skins: a session against the demo world
// of the test game server goes through the pages and windows a player meets (login, new
// account, screen name, the lobby tabs with their previews, the details of an ended
// tournament and of a running one with its tables, the picture dialog, the cashier, the
// quit question, a table seated, in play with a manager's chat beside it, watched and with
// its sample dialogs, the debug window), and at each of them every window shown is measured from a grab, whatever
// widgets it holds.

#include "DemoPlayer.h"
#include "contrast.h"
#include "postedevents.h"
#include "protocol/TestServer.h"
#include "screenshot.h"
#include "serverroundtrip.h"
#include "textfit.h"
#include "webviews.h"

#include "app/startup/MahjongApplication.h"
#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/TranslationsManager.h"
#include "game/GameModel.h"
#include "game/GameWindow.h"
#include "app/Utils.h"
#include "chat/ChatManager.h"
#include "chat/ChatWindow.h"
#include "chat/XMPPChatManager.h"
#include "connection/ConnectionManager.h"
#include "connection/PlayerDb.h"
#include "lobby/JoinDialog.h"
#include "lobby/TablePreview.h"
#include "lobby/TablePreviewPlayerWidget.h"
#include "lobby/TablePreviewPlayersWidget.h"
#include "lobby/TournamentDetailDialog.h"
#include "table/dialogs/MeldAuction.h"
#include "table/dialogs/RoundScoreBoard.h"
#include "table/dialogs/ScoreBoard.h"
#include "table/dialogs/WatchingWindow.h"
#include "table/sidebar/SideBar.h"
#include "ui/AvatarDialog.h"
#include "ui/DebugDialog.h"
#include "ui/MainWindow.h"
#include "ui/ModelessMsgBox.h"
#include "ui/SetScreennameDialog.h"
#include "ui/UTabWidget.h"
#include "ui/web/EmbeddedBrowser.h"
#include "ui/web/LocalPageSchemeHandler.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabBar>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <memory>

namespace {

// The lobby's row of a table, or an invalid index.
QModelIndex lobbyRow(const QTreeView *lobby, int tableId)
{
    for (int row = 0; row < lobby->model()->rowCount(); ++row) {
        const QModelIndex index = lobby->model()->index(row, 0);
        if (index.data(Qt::UserRole).toInt() == tableId)
            return index;
    }
    return {};
}

// Whether the preview's seats show players, each by a name from the player directory
// rather than the stand-in it shows until the server named them.
bool seatedByName(const TablePreviewPlayersWidget *players)
{
    int seated = 0;
    for (int seat = 0; seat < players->seatCount(); ++seat) {
        if (players->seatPlayer(seat) < 0)
            continue;
        if (players->seatWidget(seat)->name() == PlayerDb::placeholderName(players->seatPlayer(seat)))
            return false;
        ++seated;
    }
    return seated > 0;
}

} // namespace

class TestReadablePages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPageReadsOnEverySkin();
    void placeBonusesStandBesideTheirText();
    void cleanupTestCase();

private:
    MahjongApplication *app() { return static_cast<MahjongApplication *>(qApp); }
    template <class T>
    T *shown(const char *name = nullptr) const
    {
        const auto found = m_window->findChildren<T *>(name ? QLatin1String(name) : QString());
        for (T *widget : found) {
            if (widget->isVisible())
                return widget;
        }
        return nullptr;
    }
    void useSkin(const QString &skin);
    // Measures every window shown, in each skin, and keeps what does not read.
    void measure(const QString &page);
    // Whether the lobby's tab came in front.
    bool clickTab(int index);
    GameWindow *tableInFront(qint32 id) const;

    TestServer m_server;
    std::unique_ptr<TranslationsManager> m_translations;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_unreadable;
    QStringList m_measured;
    int m_marks = 0; // check boxes ticked and radio buttons chosen, measured
};

void TestReadablePages::initTestCase()
{
    QSettings().clear();
    // Animations off: the hand waits for the player's moves alone.
    QSettings().setValue(QStringLiteral("game/animations"), false);
    useSkin(QStringLiteral("corvana"));
    m_translations = std::make_unique<TranslationsManager>();
    m_translations->setLanguage(QStringLiteral("en"));
    QVERIFY(m_server.startDemo(5, 0));
    m_window = std::make_unique<MainWindow>(QStringLiteral("127.0.0.1"), m_server.gamePort(), QString(), QString(),
                                            false, QStringLiteral("localhost"),
                                            QMap<WebPageRequest::enum_t, QString>(), m_translations.get());
    m_window->onStartupFinished(true);
    m_window->setWindowState(Qt::WindowNoState);
    m_window->resize(1280, 800);
}

void TestReadablePages::cleanupTestCase()
{
    if (m_window)
        m_window->connectionManager().setDisconnectExpected(true);
    m_window.reset();
}

void TestReadablePages::useSkin(const QString &skin)
{
    setupResourceSearchPaths({}, skin);
    app()->setupStyle();
    QVERIFY(!app()->styleSheet().isEmpty());
}

void TestReadablePages::measure(const QString &page)
{
    for (const QString skin : {"default", "corvana"}) {
        useSkin(skin);
        // Laid out anew under the skin's sheets (the grabs paint it), each page shown
        // drawn at the size its view has then, and laid out once more for what came in
        // meanwhile.
        QVERIFY(PostedEvents::settleWidgets());
        const QStringList notShown = WebViews::pagesNotShown(QApplication::topLevelWidgets());
        QVERIFY2(notShown.isEmpty(), qPrintable(QStringLiteral("%1 (%2) does not show %3")
                                                    .arg(page, skin, notShown.join(QStringLiteral(", ")))));
        QVERIFY(PostedEvents::settleWidgets());
        int index = 0;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || window->windowType() == Qt::ToolTip || window->windowType() == Qt::Popup)
                continue;
            for (const QString &text : Contrast::unreadableTexts(window) + Contrast::unreadableMarks(window, &m_marks))
                m_unreadable << QStringLiteral("%1 (%2) %3: %4")
                                    .arg(page, skin, QLatin1String(window->metaObject()->className()), text);
            QVERIFY(saveScreenshot(window, QStringLiteral("readable-%1-%2%3")
                                               .arg(page, skin, index ? QStringLiteral("-%1").arg(index) : QString())));
            ++index;
        }
    }
    m_measured << page;
}

bool TestReadablePages::clickTab(int index)
{
    auto *mainTabs = m_window->findChild<UTabWidget *>(QStringLiteral("mainTabs"));
    QTabBar *tabs = mainTabs->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    return QTest::qWaitFor([&] { return mainTabs->currentIndex() == index && mainTabs->widget(index)->isVisible(); });
}

GameWindow *TestReadablePages::tableInFront(qint32 id) const
{
    auto *stack = m_window->findChild<QStackedWidget *>(QStringLiteral("loggedInStack"));
    GameWindow *table = nullptr;
    const bool inFront = QTest::qWaitFor([&] {
        table = qobject_cast<GameWindow *>(stack->currentWidget());
        return table && table->tableId() == id && table->model();
    }, 15000);
    return inFront ? table : nullptr;
}

void TestReadablePages::everyPageReadsOnEverySkin()
{
    // The login page filled in with a provisional name, which asks for the screen name.
    auto *login = m_window->findChild<QWidget *>(QStringLiteral("loginWindow"));
    auto *loginButton = login->findChild<QPushButton *>(QStringLiteral("loginButton"));
    const auto fillIn = [login] {
        auto *userEdit = login->findChild<QLineEdit *>(QStringLiteral("loginEdit"));
        auto *passwordEdit = login->findChild<QLineEdit *>(QStringLiteral("passwordEdit"));
        userEdit->clear();
        passwordEdit->clear();
        QTest::keyClicks(userEdit, QStringLiteral("player-reader"));
        QTest::keyClicks(passwordEdit, QStringLiteral("pw"));
    };
    fillIn();
    QTRY_VERIFY_WITH_TIMEOUT(loginButton->isEnabled(), 15000);
    measure(QStringLiteral("login"));

    QTest::mouseClick(login->findChild<QPushButton *>(QStringLiteral("createUserButton")), Qt::LeftButton);
    QWidget *createUser = m_window->findChild<QWidget *>(QStringLiteral("createUserWindow"));
    QTRY_VERIFY(createUser->isVisible());
    // Filled in wrongly: the form says what is wrong under each field.
    const QList<QPair<const char *, const char *>> typed{
        {"loginEdit", "ab"}, {"emailEdit", "nowhere"}, {"passwordEdit", "pw"}, {"repeatPasswordEdit", "px"}};
    for (const auto &[field, text] : typed) {
        auto *edit = createUser->findChild<QLineEdit *>(QLatin1String(field));
        QTest::keyClicks(edit, QLatin1String(text));
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // The boxes a new player must tick, ticked.
    for (const char *box : {"ageCheckBox", "tcCheckBox"})
        createUser->findChild<QCheckBox *>(QLatin1String(box))->click();
    const int marks = m_marks;
    measure(QStringLiteral("new-account"));
    QCOMPARE(m_marks - marks, 4);
    QTest::mouseClick(createUser->findChild<QPushButton *>(QStringLiteral("cancelButton")), Qt::LeftButton);
    QTRY_VERIFY(login->isVisible());

    fillIn();
    QTRY_VERIFY(loginButton->isEnabled());
    QTest::mouseClick(loginButton, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(shown<SetScreennameDialog>(), 15000);
    measure(QStringLiteral("screen-name"));
    auto *nameEdit = shown<SetScreennameDialog>()->findChild<QLineEdit *>(QStringLiteral("screennameEdit"));
    QTest::keyClicks(nameEdit, QStringLiteral("Reader"));
    QTest::keyClick(nameEdit, Qt::Key_Return);
    auto *central = m_window->findChild<QStackedWidget *>(QStringLiteral("centralWidget"));
    QTRY_COMPARE_WITH_TIMEOUT(central->currentWidget()->objectName(), QStringLiteral("loggedInWidget"), 20000);
    auto *mainTabs = m_window->findChild<UTabWidget *>(QStringLiteral("mainTabs"));
    QTRY_COMPARE(mainTabs->count(), 6);

    // The lobby's tabs, the Play tab with the preview of a money table of place bonuses,
    // the tournaments with the preview of one.
    const QStringList tabNames{"start", "play", "tournaments", "settings", "friends", "guide"};
    for (int i = 0; i < mainTabs->count(); ++i) {
        QVERIFY2(clickTab(i), qPrintable(tabNames.at(i)));
        if (i == 0) {
            // With the coming tournaments beside the page.
            QTRY_VERIFY_WITH_TIMEOUT(shown<QPushButton>("joinLeaveButton"), 15000);
        } else if (i == 1) {
            auto *list = shown<QTreeView>("lobbyTreeView");
            QVERIFY(list);
            QTRY_VERIFY(lobbyRow(list, 3008).isValid());
            list->setCurrentIndex(lobbyRow(list, 3008));
            QTRY_VERIFY(shown<QWidget>("houseDetailContainer"));
            // With the players seated there, by name: the server's answers to the preview.
            auto *players = shown<TablePreviewPlayersWidget>();
            QVERIFY(players);
            QTRY_VERIFY_WITH_TIMEOUT(seatedByName(players), 15000);
        } else if (i == 2) {
            auto *list = shown<QTreeView>("tournamentsLobbyTreeView");
            QVERIFY(list);
            QTRY_VERIFY(list->model()->rowCount() > 0);
            list->setCurrentIndex(list->model()->index(0, 0));
            QTRY_VERIFY(shown<QWidget>("tournamentPreviewContainer"));
        }
        measure(QStringLiteral("tab-") + tabNames.at(i));

        if (i == 0) {
            // A tournament's registration from the coming tournaments beside the page.
            QTest::mouseClick(shown<QPushButton>("joinLeaveButton"), Qt::LeftButton);
            QTRY_VERIFY(shown<JoinDialog>());
            measure(QStringLiteral("tournament-registration"));
            shown<JoinDialog>()->close();
            QTRY_VERIFY(!shown<JoinDialog>());
        } else if (i == 2) {
            // A tournament's details over its tab, with the standings and the payout it
            // asks the server for: the first one, which has ended, and the running one,
            // with the tables it plays at listed.
            auto *list = shown<QTreeView>("tournamentsLobbyTreeView");
            for (const QString &which : {QStringLiteral("first"), QStringLiteral("running")}) {
                if (which == QLatin1String("running")) {
                    QVERIFY(lobbyRow(list, 503).isValid());
                    list->setCurrentIndex(lobbyRow(list, 503));
                }
                QSignalSpy rankings(&m_window->connectionManager(), &ConnectionManager::tournamentRankings);
                QSignalSpy prizes(&m_window->connectionManager(), &ConnectionManager::tournamentPrizeConfiguration);
                emit list->activated(list->currentIndex());
                QTRY_VERIFY(shown<TournamentDetailDialog>());
                auto *dialog = shown<TournamentDetailDialog>();
                const qint32 tournament = dialog->tournamentId();
                const auto answered = [tournament](const QSignalSpy &spy) {
                    return std::any_of(spy.begin(), spy.end(), [tournament](const QList<QVariant> &answer) {
                        return answer.at(0).toInt() == tournament;
                    });
                };
                QTRY_VERIFY_WITH_TIMEOUT(answered(rankings) && answered(prizes), 15000);
                if (which == QLatin1String("running")) {
                    // Its two tables, each by name beside its Watch button.
                    auto *tables = dialog->findChild<QWidget *>(QStringLiteral("tableList"));
                    QVERIFY(tables);
                    const auto named = [tables] {
                        int count = 0;
                        for (const QLabel *label : tables->findChildren<QLabel *>())
                            count += label->isVisible() && !label->text().isEmpty() ? 1 : 0;
                        return count;
                    };
                    QTRY_COMPARE_WITH_TIMEOUT(named(), 2, 15000);
                }
                measure(QStringLiteral("tournament-details-") + which);
                dialog->close();
                QTRY_VERIFY(!shown<TournamentDetailDialog>());
            }
        } else if (i == 3) {
            QTest::mouseClick(shown<QPushButton>("setAvatarButton"), Qt::LeftButton);
            QTRY_VERIFY(shown<AvatarDialog>());
            measure(QStringLiteral("avatar"));
            QTest::mouseClick(shown<AvatarDialog>()->findChild<QPushButton *>(QStringLiteral("cancelButton")),
                              Qt::LeftButton);
            QTRY_VERIFY(!shown<AvatarDialog>());
        }
    }

    // The cashier's page in its dialog.
    QTest::mouseClick(shown<QPushButton>("cashierButton"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(shown<EmbeddedBrowser>(), 15000);
    measure(QStringLiteral("cashier"));
    shown<EmbeddedBrowser>()->close();
    QTRY_VERIFY(!shown<EmbeddedBrowser>());

    // A box: the quit question, answered No.
    QTest::mouseClick(shown<QPushButton>("quitButton"), Qt::LeftButton);
    QTRY_VERIFY(shown<ModelessMsgBox::MsgBox>());
    measure(QStringLiteral("quit-question"));
    QPointer<ModelessMsgBox::MsgBox> box = shown<ModelessMsgBox::MsgBox>();
    QTest::mouseClick(box->buttonBox()->button(QDialogButtonBox::No), Qt::LeftButton);
    QTRY_VERIFY(box.isNull());

    // A table: seated, in play, with the sample dialogs of Ctrl+Alt+D.
    m_window->joinTable(3001);
    GameWindow *table = tableInFront(3001);
    QVERIFY(table);
    QTRY_VERIFY_WITH_TIMEOUT(DemoPlay::shownButton(table->seatedWindow(), QStringLiteral("playButton")), 15000);
    measure(QStringLiteral("table-seated"));
    QTest::mouseClick(DemoPlay::shownButton(table->seatedWindow(), QStringLiteral("playButton")), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(table->model()->gameState(), GameModel::HAND_IN_PLAY, 20000);
    // Dealt: the wall counts its tiles, the hand is on the table and nothing waits to be drawn.
    QTRY_VERIFY_WITH_TIMEOUT(table->model()->liveTiles() > 0 && !table->handView()->items().empty()
                                 && table->actionQueue().isEmpty() && !table->actionQueue().isBusy(),
                             15000);
    measure(QStringLiteral("table-hand"));
    QTest::keyClick(m_window.get(), Qt::Key_D, Qt::ControlModifier | Qt::AltModifier);
    QTRY_VERIFY(shown<RoundScoreBoard>() && shown<ScoreBoard>());
    measure(QStringLiteral("table-samples"));
    for (QWidget *sample : m_window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<ScoreBoard *>(sample) || qobject_cast<MeldAuction *>(sample)
            || qobject_cast<RoundScoreBoard *>(sample))
            sample->close();
    }

    // A manager's chat, opened beside the table in play.
    auto *chats = m_window->findChild<ChatManager *>();
    QVERIFY(chats);
    chats->chatManager()->chatWith(parseJid(QStringLiteral("1000@localhost")));
    QTRY_VERIFY(shown<ChatWindow>());
    measure(QStringLiteral("manager-chat"));
    shown<ChatWindow>()->close();
    QTRY_VERIFY(!shown<ChatWindow>());

    // The question of leaving in the middle of a hand, answered No.
    QTest::mouseClick(DemoPlay::shownButton(table->sideBar(), QStringLiteral("leaveButton")), Qt::LeftButton);
    QTRY_VERIFY(table->findChild<ModelessMsgBox::MsgBox *>() && table->findChild<ModelessMsgBox::MsgBox *>()->isVisible());
    measure(QStringLiteral("leave-question"));
    box = table->findChild<ModelessMsgBox::MsgBox *>();
    QTest::mouseClick(box->buttonBox()->button(QDialogButtonBox::No), Qt::LeftButton);
    QTRY_VERIFY(box.isNull());

    // Another table, watched.
    m_window->watchTable(3002);
    GameWindow *watched = tableInFront(3002);
    QVERIFY(watched);
    QTRY_VERIFY_WITH_TIMEOUT(shown<WatchingWindow>(), 15000);
    measure(QStringLiteral("table-watched"));

    // The debug window beside the client.
    app()->openDebugDialog();
    QTRY_VERIFY(app()->debugDialog() && app()->debugDialog()->isVisible());
    app()->debugDialog()->resize(364, 610);
    measure(QStringLiteral("debug"));

    for (const QString &text : std::as_const(m_unreadable))
        qWarning().noquote() << "does not read:" << text;
    QVERIFY2(m_unreadable.isEmpty(), qPrintable(QStringLiteral("%1 texts do not read (listed above) on the pages %2")
                                                    .arg(m_unreadable.size())
                                                    .arg(m_measured.join(QStringLiteral(", ")))));
}

// The place-bonus table's preview says its bonuses stand on the right of its text: there
// they are, whole and in sight, at the smallest and a large window, in every language.
void TestReadablePages::placeBonusesStandBesideTheirText()
{
    QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("lobbyButton")), Qt::LeftButton);
    QVERIFY(clickTab(1));
    auto *list = shown<QTreeView>("lobbyTreeView");
    QVERIFY(list);
    list->setCurrentIndex(lobbyRow(list, 3008));
    auto *preview = shown<TablePreview>();
    QVERIFY(preview);
    auto *text = preview->findChild<QLabel *>(QStringLiteral("houseDetailValue"));
    // The demo world's bonuses of a table of four at a bet of $1.
    const QStringList amounts{Utils::moneyText(60, false), Utils::moneyText(20, false), Utils::moneyText(-20, false),
                              Utils::moneyText(-60, false)};
    const auto placeOf = [this](const QWidget *widget) {
        return QRect(widget->mapTo(m_window.get(), QPoint()), widget->size());
    };
    m_window->setWindowState(Qt::WindowNoState);
    for (const QSize size : {QSize(1024, 768), QSize(1920, 1080)}) {
        m_window->resize(size);
        QTRY_COMPARE(m_window->size(), size);
        for (const QString language : {"en", "ja", "zh_CN", "zh_TW"}) {
            m_translations->setLanguage(language);
            const QString what = QStringLiteral("%1x%2 %3").arg(size.width()).arg(size.height()).arg(language);
            // Retranslated, with what the preview asks the server anew (the table's name in
            // the language, the players seated) answered, and laid out.
            QVERIFY2(PostedEvents::settleWidgets(), qPrintable(what));
            QVERIFY2(serverRoundTrip(m_window->connectionManager()), qPrintable(what));
            QVERIFY2(PostedEvents::settleWidgets(), qPrintable(what));
            QTRY_VERIFY2(text->isVisible(), qPrintable(what));
            QVERIFY2(TextFit::labelShortfall(text).isEmpty(), qPrintable(what + QLatin1Char(' ') + TextFit::labelShortfall(text)));
            const QRect textPlace = placeOf(text);
            QRect rows;
            for (int place = 1; place <= 4; ++place) {
                for (const QString &name : {QStringLiteral("placeBonusLabel%1"), QStringLiteral("placeBonus%1")}) {
                    auto *label = preview->findChild<QLabel *>(name.arg(place));
                    const QString row = what + QLatin1Char(' ') + name.arg(place);
                    QVERIFY2(label->isVisible(), qPrintable(row + QStringLiteral(" hidden")));
                    // In sight: nothing around it cuts it off, and its text is whole.
                    QVERIFY2(label->visibleRegion() == QRegion(label->rect()), qPrintable(row + QStringLiteral(" cut off")));
                    QVERIFY2(TextFit::labelShortfall(label).isEmpty(), qPrintable(row + QLatin1Char(' ') + TextFit::labelShortfall(label)));
                    rows |= placeOf(label);
                }
                QCOMPARE(preview->findChild<QLabel *>(QStringLiteral("placeBonus%1").arg(place))->text(), amounts.at(place - 1));
            }
            // On the right of the text, beginning beside it.
            QVERIFY2(rows.left() >= textPlace.right() && rows.top() < textPlace.bottom() && rows.top() >= textPlace.top(),
                     qPrintable(QStringLiteral("%1: the text at %2,%3 %4x%5, the bonuses at %6,%7 %8x%9")
                                    .arg(what).arg(textPlace.x()).arg(textPlace.y()).arg(textPlace.width())
                                    .arg(textPlace.height()).arg(rows.x()).arg(rows.y()).arg(rows.width())
                                    .arg(rows.height())));
            QVERIFY(saveScreenshot(m_window.get(), QStringLiteral("readable-preview-%1").arg(what).replace(QLatin1Char(' '), QLatin1Char('-'))));
        }
    }
    m_translations->setLanguage(QStringLiteral("en"));
}

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    registerWebSchemes();
    MahjongApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestReadablePages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_readablepages.moc"
