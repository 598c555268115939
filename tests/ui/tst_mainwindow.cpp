#include "contrast.h"
#include "game/TablePieces.h"
#include "imagecompare.h"
#include "labellink.h"
#include "logfile.h"
#include "postedevents.h"
#include "protocol/TestServer.h"
#include "screenshot.h"
#include "skinstylesheets.h"
#include "testmain.h"
#include "textfit.h"

#include "app/Utils.h"
#include "app/startup/CommandLine.h"
#include "app/startup/GameSounds.h"
#include "app/startup/MahjongSplash.h"
#include "app/startup/MahjongStyle.h"
#include "app/startup/ResourceSearchPaths.h"
#include "app/startup/Startup.h"
#include "app/startup/TranslationsManager.h"
#include "app/version.h"
#include "chat/ChatOutputWidget.h"
#include "connection/PlayerDb.h"
#include "connection/ServerTime.h"
#include "game/GameController.h"
#include "game/GameWindow.h"
#include "lobby/ComingEventPopup.h"
#include "lobby/ComingEventsModel.h"
#include "lobby/ComingEventsView.h"
#include "lobby/LobbyController.h"
#include "lobby/TablePreview.h"
#include "lobby/TablePreviewPlayersWidget.h"
#include "lobby/TableModel.h"
#include "lobby/TournamentDetailDialog.h"
#include "lobby/TournamentsController.h"
#include "lobby/TournamentsLobbyModel.h"
#include "lobby/TournamentsLobbyWindow.h"
#include "table/dialogs/MeldAuction.h"
#include "table/dialogs/RoundScoreBoard.h"
#include "table/dialogs/ScoreBoard.h"
#include "table/dialogs/SeatedWindow.h"
#include "table/dialogs/WatchingWindow.h"
#include "table/scene/DiscardView.h"
#include "table/scene/WindView.h"
#include "table/sidebar/EmptySeatWidget.h"
#include "table/sidebar/PlayerWidget.h"
#include "table/sidebar/SideBar.h"
#include "app/Singleton.h"
#include "ui/MainWindow.h"
#include "ui/WindowFit.h"
#include "ui/ModelessMsgBox.h"
#include "ui/SelectorButton.h"
#include "ui/TableSelector.h"
#include "ui/ULabel.h"
#include "ui/UTabWidget.h"
#include "ui/UrlHandler.h"
#include "ui/web/EmbeddedBrowser.h"
#include "ui/web/EmbeddedWebPage.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabBar>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <QWebEngineView>

#include <functional>
#include <utility>
#include <vector>

namespace {

// While it lives no web browser can be found: no PATH to search, no $BROWSER nor
// $DEFAULT_BROWSER.
class NoWebBrowser
{
public:
    NoWebBrowser()
    {
        for (const char *name : {"PATH", "BROWSER", "DEFAULT_BROWSER"}) {
            if (qEnvironmentVariableIsSet(name))
                m_saved.emplace_back(name, qgetenv(name));
            qunsetenv(name);
        }
        qputenv("PATH", "/nonexistent");
    }
    ~NoWebBrowser()
    {
        qunsetenv("PATH");
        for (const auto &[name, value] : m_saved)
            qputenv(name, value);
    }
    NoWebBrowser(const NoWebBrowser &) = delete;
    NoWebBrowser &operator=(const NoWebBrowser &) = delete;

private:
    std::vector<std::pair<const char *, QByteArray>> m_saved;
};

// What a widget shows as text: labels (rich text as its plain text), buttons, group
// boxes, tabs and the sections of a visible header.
QStringList shownTexts(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        const QString text = label->text();
        return {Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text};
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return {button->text()};
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        return {box->title()};
    // The chat keeps its lines in the words they were written in.
    if (qobject_cast<const ChatOutputWidget *>(widget))
        return {};
    if (const auto *edit = qobject_cast<const QTextEdit *>(widget))
        return {edit->toPlainText()};
    QStringList texts;
    if (const auto *bar = qobject_cast<const QTabBar *>(widget)) {
        for (int i = 0; i < bar->count(); ++i)
            texts << bar->tabText(i);
    } else if (const auto *header = qobject_cast<const QHeaderView *>(widget); header && header->model()) {
        for (int i = 0; i < header->count(); ++i) {
            if (!header->isSectionHidden(i))
                texts << header->model()->headerData(i, header->orientation()).toString();
        }
    }
    return texts;
}

// The visible texts of a window and its dialogs that still hold English words: every
// word of two or more Latin letters that is not a name or the same in every language.
QStringList englishLeftovers(const QWidget *root)
{
    static const QStringList kept{
        // names: players (provisional ones are "player-<id>", the local world's computer
        // players "<name> (bot)"), tables, tournaments, the service and its maker
        "alice", "bo", "chen", "Ayame", "Botan", "Chiyo", "Chidori", "Daisuke", "bot", "player", "Bamboo", "Grove", "Red", "Dragon",
        "Jade", "Hall", "Pine", "Court", "Free", "Roll", "Sunday", "Cup", "Corvana", "PellandorTM",
        // the same in every language: rule set abbreviations, the language's own name
        "MCR", "EMA", "English"};
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    // A tournament named in markup shows its tags as plain text (elided too).
    static const QRegularExpression tag(QStringLiteral("<[^>]*(>|$)"));
    QStringList found;
    QList<const QWidget *> widgets{root};
    for (const QWidget *child : root->findChildren<QWidget *>())
        widgets << child;
    for (const QWidget *widget : std::as_const(widgets)) {
        if (!widget->isVisible())
            continue;
        for (const QString &text : shownTexts(widget)) {
            for (auto it = word.globalMatch(QString(text).remove(tag)); it.hasNext();) {
                if (!kept.contains(it.next().captured())) {
                    found << widget->objectName() + QStringLiteral(": ") + text;
                    break;
                }
            }
        }
    }
    return found;
}

// The visible texts of a window in Japanese or Chinese script.
QStringList cjkTexts(const QWidget *root)
{
    static const QRegularExpression script(QStringLiteral("[\\p{Han}\\p{Hiragana}\\p{Katakana}]"));
    QStringList found;
    for (const QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        for (const QString &text : shownTexts(widget)) {
            if (text.contains(script))
                found << widget->objectName() + QStringLiteral(": ") + text;
        }
    }
    return found;
}

using TextFit::cutTexts;

tile_vector tiles(std::initializer_list<int> codes)
{
    tile_vector result;
    for (const int code : codes)
        result.push_back(tile(static_cast<std::uint8_t>(code)));
    return result;
}

// The dialogs a table window shows over its table: its own children but the view and the
// side bar.
QList<QWidget *> shownTableDialogs(const GameWindow *table)
{
    QList<QWidget *> shown;
    for (QWidget *child : table->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && child != table->sideBar() && child != table->view())
            shown << child;
    }
    return shown;
}

QString sizeName(const QSize &size)
{
    return QStringLiteral("%1x%2").arg(QString::number(size.width()), QString::number(size.height()));
}

// Where a widget stands in one of its ancestors.
QRect placeIn(const QWidget *widget, const QWidget *ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint()), widget->size());
}

QString placeOf(const QWidget *widget, const QRect &rect)
{
    return QStringLiteral("%1 at %2,%3 %4")
        .arg(QLatin1String(widget->metaObject()->className()), QString::number(rect.x()),
             QString::number(rect.y()), sizeName(rect.size()));
}

// Where a table's round wind disc stands in a widget above the table's view.
QRect roundWindIn(const GameWindow *table, const QWidget *ancestor)
{
    const QGraphicsView *view = table->view();
    const QRect disc = view->mapFromScene(table->prevalentWindView()->sceneBoundingRect()).boundingRect();
    return QRect(view->viewport()->mapTo(ancestor, disc.topLeft()), disc.size());
}

// The dialogs that reach beyond the table, over the side bar or the window's edge.
QStringList beyondTheTable(const GameWindow *table)
{
    const QRect area(0, 0, table->width() - table->sideBar()->width(), table->height());
    QStringList found;
    for (const QWidget *dialog : shownTableDialogs(table)) {
        if (!area.contains(dialog->geometry()))
            found << placeOf(dialog, dialog->geometry());
    }
    return found;
}

// The tiles that a view of the table's dialogs shows only in part.
QStringList cutTiles(const GameWindow *table)
{
    QStringList found;
    for (const QWidget *dialog : shownTableDialogs(table)) {
        for (const QGraphicsView *view : dialog->findChildren<QGraphicsView *>()) {
            if (!view->isVisible() || !view->scene())
                continue;
            const QRect shown = view->viewport()->rect().adjusted(-1, -1, 1, 1);
            for (const QGraphicsItem *item : view->scene()->items()) {
                const QRect tile = view->mapFromScene(item->sceneBoundingRect()).boundingRect();
                if (item->isVisible() && item->childItems().isEmpty() && !shown.contains(tile))
                    found << placeOf(dialog, tile) + QStringLiteral(" in a view of ")
                                 + sizeName(shown.size() - QSize(2, 2));
            }
        }
    }
    return found;
}

} // namespace

// The main window as the client runs it: handed over from a real start-up, connected to
// the test game server, logged in and showing its lobby.
class TestMainWindow : public QObject
{
    Q_OBJECT

public slots:
    void openExternally(const QUrl &url) { m_externalUrls << url; }

private:
    TestServer m_server;
    std::unique_ptr<LogFile> m_log;
    std::unique_ptr<TranslationsManager> m_translations;
    std::optional<CommandLine> m_commandLine;
    std::unique_ptr<Startup> m_startup;
    QList<QUrl> m_externalUrls;
    // The errors that would end the program, which the client shows in a box of its own
    // event loop that nobody here would answer.
    QStringList m_fatal;

    MainWindow *window() const { return m_startup->mainWindow(); }

    // Starts the client as the command line asks, with a window size stored on a larger
    // screen than some of those this runs on, and waits for start-up to hand it over.
    bool startClient()
    {
        QSettings().setValue(QStringLiteral("game/windowSize"), QSize(1366, 749));
        QSettings().setValue(QStringLiteral("game/windowFullscreen"), false);
        m_startup = std::make_unique<Startup>(*m_commandLine, *m_translations);
        m_startup->setWindowFactory([](const CommandLine &line, TranslationsManager &translations) {
            return std::make_unique<MainWindow>(line.host(), line.port(), line.user(), line.password(),
                                                line.ssl(), line.httpHost(), line.pageOverrides(),
                                                &translations);
        });
        QSignalSpy finished(m_startup.get(), &Startup::finished);
        m_startup->start();
        return QTest::qWaitFor([&] { return finished.count() == 1; }, 10000) && window();
    }

    // Logs alice in on the login page; false where the lobby does not come with the
    // server's tables and tournaments.
    bool logIn()
    {
        auto *login = child<QWidget>("loginWindow");
        for (const auto &[edit, text] : {std::pair{"loginEdit", "alice"}, std::pair{"passwordEdit", "secret"}}) {
            auto *field = login->findChild<QLineEdit *>(QLatin1String(edit));
            field->clear();
            QTest::keyClicks(field, QLatin1String(text));
        }
        auto *button = login->findChild<QPushButton *>(QStringLiteral("loginButton"));
        if (!QTest::qWaitFor([&] { return button->isEnabled(); }))
            return false;
        QTest::mouseClick(button, Qt::LeftButton);
        auto *tabs = child<UTabWidget>("mainTabs");
        return QTest::qWaitFor([&] {
            if (tabs->count() != 6)
                return false;
            const TableModel *tables = window()->findChild<LobbyController *>()->tableModel();
            const auto *tournaments = tabs->widget(2)->findChild<QTreeView *>(QStringLiteral("tournamentsLobbyTreeView"));
            return tables->hasTable(5001) && tables->hasTable(6101) && tables->hasTable(6102)
                   && tournaments->model()->rowCount() == 2;
        }, 10000);
    }

    template <class T>
    T *child(const char *name) const
    {
        return window()->findChild<T *>(QLatin1String(name));
    }

    QString boxText() const
    {
        auto *box = window()->findChild<ModelessMsgBox::MsgBox *>();
        return box ? box->contentWidget()->findChild<QLabel *>()->text() : QString();
    }

    // Which of the side column's parts the tab shows: chat, container, summary, table
    // preview, tournament preview, coming tournaments.
    QString sideColumn() const
    {
        QString shown;
        for (const char *name : {"lobbyChatFrame", "containerWidget", "lobbySummaryContainer",
                                 "tablePreviewContainer", "tournamentPreviewContainer",
                                 "comingTournamentsContainer"})
            shown += child<QWidget>(name)->isHidden() ? QLatin1Char('-') : QLatin1Char('x');
        return shown;
    }

    static QList<int> shownIds(const QTreeView *view)
    {
        QList<int> ids;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            ids << view->model()->index(row, 0).data(Qt::UserRole).toInt();
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    static void selectId(QTreeView *view, int id)
    {
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            if (view->model()->index(row, 0).data(Qt::UserRole).toInt() == id)
                view->setCurrentIndex(view->model()->index(row, 0));
        }
    }

    // Joins the table, or brings it to the front, and waits for it there: its window, or
    // null when it does not come.
    GameWindow *tableInFront(qint32 id) const
    {
        window()->joinTable(id);
        auto *stack = child<QStackedWidget>("loggedInStack");
        GameWindow *table = nullptr;
        const bool shown = QTest::qWaitFor([&] {
            table = qobject_cast<GameWindow *>(stack->currentWidget());
            return table && table->tableId() == id;
        }, 10000);
        return shown ? table : nullptr;
    }

    // Clicks Quit: the question it asks, with its No, or null. Another box that an
    // earlier failure left open is not taken for it.
    ModelessMsgBox::MsgBox *askToQuit() const
    {
        child<QPushButton>("quitButton")->click();
        const QString question = QCoreApplication::translate("MainWindow", "Are you sure you want to quit?");
        for (auto *box : window()->findChildren<ModelessMsgBox::MsgBox *>(QString(), Qt::FindDirectChildrenOnly)) {
            const auto *text = box->findChild<QLabel *>(QStringLiteral("messageText"));
            if (text && text->text() == question && box->buttonBox()->button(QDialogButtonBox::No))
                return box;
        }
        return nullptr;
    }

    // Closes the sample dialogs of the main window; the table's own dialogs stay.
    void closeSampleDialogs()
    {
        for (QWidget *dialog : window()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<ScoreBoard *>(dialog) || qobject_cast<MeldAuction *>(dialog)
                || qobject_cast<RoundScoreBoard *>(dialog))
                delete dialog;
        }
    }

    // Asks the quit question over a table, saves a screenshot when named, and answers No:
    // the buttons of the table's dialogs that it hides, and its place when it leaves the
    // window.
    QStringList buttonsUnderTheQuitQuestion(const GameWindow *table, const QString &screenshot = QString())
    {
        MainWindow &w = *window();
        QPointer<ModelessMsgBox::MsgBox> box = askToQuit();
        if (!box || !box->isVisible())
            return {QStringLiteral("no quit question")};
        QStringList found;
        if (!w.rect().contains(box->geometry()))
            found << placeOf(box, box->geometry());
        for (const QWidget *dialog : shownTableDialogs(table)) {
            for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
                if (button->isVisible() && placeIn(button, &w).intersects(box->geometry()))
                    found << QLatin1String(dialog->metaObject()->className()) + QLatin1Char(' ') + button->text();
            }
        }
        if (!screenshot.isEmpty() && !saveScreenshot(&w, screenshot))
            found << QStringLiteral("no screenshot");
        box->buttonBox()->button(QDialogButtonBox::No)->click();
        if (!QTest::qWaitFor([&] { return box.isNull(); }))
            found << QStringLiteral("the quit question stays");
        return found;
    }

    // The tournament list, its columns sized to the texts of the language: every column
    // in view, the pot last, and nothing to scroll sideways once the list is laid out.
    void checkTournamentList(const QString &what)
    {
        auto *list = child<QTreeView>("tournamentsLobbyTreeView");
        QVERIFY(list->isVisible());
        window()->findChild<TournamentsLobbyWindow *>()->onResizeColumnsTimeout();
        const QHeaderView *header = list->header();
        const auto potEnd = [&] {
            return header->sectionViewportPosition(TournamentsLobbyModel::PotColumn)
                   + header->sectionSize(TournamentsLobbyModel::PotColumn);
        };
        QTRY_VERIFY2(potEnd() <= list->viewport()->width() && list->horizontalScrollBar()->maximum() == 0,
                     qPrintable(what));
    }

    // Checks a window in the language just chosen, once the change and what came for it
    // (the server's answers arrive whenever a busy machine lets them) have reached it
    // and it is laid out anew: no English, and no text cut.
    void checkLanguage(const QWidget *window, const QString &what)
    {
        QTRY_VERIFY2(englishLeftovers(window).isEmpty(),
                     qPrintable(what + QStringLiteral(" shows English: ") + englishLeftovers(window).join(QStringLiteral(" | "))));
        QTRY_VERIFY2(cutTexts(window).isEmpty(),
                     qPrintable(what + QStringLiteral(" cuts: ") + cutTexts(window).join(QStringLiteral(" | "))));
    }

    // A screen of the size the client needs at least.
    static bool supportedScreen()
    {
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        return screen.width() >= MainWindow::MinimumScreenWidth && screen.height() >= MainWindow::MinimumScreenHeight;
    }

private slots:
    void initTestCase()
    {
        QSettings().clear();
        // The client's own look: its skin, style and style sheets.
        setupResourceSearchPaths({}, QStringLiteral("corvana"));
        QApplication::setStyle(new MahjongStyle);
        const QString sheet = skinStyleSheets();
        QVERIFY(!sheet.isEmpty());
        qApp->setStyleSheet(sheet);
        for (const char *scheme : {"http", "file", "smb"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "openExternally");
        QVERIFY(m_server.start(TestServer::sourceDir() + QStringLiteral("/tests/ui/mainwindow.json"), false));
        m_log = std::make_unique<LogFile>();
        m_translations = std::make_unique<TranslationsManager>();
        m_translations->setLanguage(QStringLiteral("en"));
        m_commandLine = CommandLine::parse(
            {QStringLiteral("client"), QStringLiteral("--nossl"), QStringLiteral("-S"),
             QStringLiteral("127.0.0.1:%1").arg(m_server.httpPort()),
             QStringLiteral("127.0.0.1:%1").arg(m_server.gamePort())});
        MainWindow::setFatalHandler([this](QWidget *, const QString &title, const QString &text, int) {
            m_fatal << title + QStringLiteral(": ") + text;
        });
    }

    // Every function runs alone as well as after the others: the client is started where
    // no function before started it, and logged in for the functions that begin in the
    // lobby where none before logged in.
    void init()
    {
        const QLatin1String function(QTest::currentTestFunction());
        if (function == QLatin1String("startUpHandsOverToTheLoginPage"))
            return;
        if (!m_startup) {
            m_translations->setLanguage(QStringLiteral("en"));
            QVERIFY(startClient());
            QTRY_VERIFY(window()->connectionManager().isConnected());
            // The start-up's warning of a screen too small, which startUpHandsOverToTheLoginPage reads.
            qDeleteAll(window()->findChildren<ModelessMsgBox::MsgBox *>(QString(), Qt::FindDirectChildrenOnly));
        }
        static const QStringList onTheLoginPage{"pagesWithoutAnAddressAreNotAvailable", "headerFollowsBalanceScreenAndPicture",
                                                "loggedInLobbyShowsTheTabsAndPages", "windowFitsTheScreen"};
        if (!onTheLoginPage.contains(function) && child<UTabWidget>("mainTabs")->count() == 0)
            QVERIFY(logIn());
    }

    // A function that failed half-way leaves its boxes, dialogs, pages, menus and
    // language behind: they go, so that the next function starts as after a pass.
    void cleanup()
    {
        MainWindow *w = m_startup ? window() : nullptr;
        if (w && QTest::currentTestFailed()) {
            while (QWidget *popup = QApplication::activePopupWidget())
                popup->close();
            // Closed as the player closes them, so that what waits for their answer has it.
            const auto boxes = w->findChildren<ModelessMsgBox::MsgBox *>();
            for (const QPointer<ModelessMsgBox::MsgBox> &box : QList<QPointer<ModelessMsgBox::MsgBox>>(boxes.begin(), boxes.end())) {
                if (box)
                    box->close();
            }
            QTRY_VERIFY(w->findChildren<ModelessMsgBox::MsgBox *>().isEmpty());
            closeSampleDialogs();
            for (EmbeddedBrowser *browser : w->findChildren<EmbeddedBrowser *>())
                browser->close();
            m_translations->setLanguage(QStringLiteral("en"));
            w->setWindowState(Qt::WindowNoState);
        }
        QVERIFY2(m_fatal.isEmpty(), qPrintable(m_fatal.join(QStringLiteral(" | "))));
    }

    void cleanupTestCase()
    {
        for (const char *scheme : {"http", "file", "smb"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
        m_startup.reset();
    }

    // The client starts in its saved language, Japanese, and the player chooses English on
    // the login page.
    void startUpHandsOverToTheLoginPage()
    {
        m_translations->setLanguage(QStringLiteral("ja"));
        QVERIFY(startClient());
        QVERIFY(!m_startup->splash()->isVisible());
        QVERIFY(window()->isVisible());
        QCOMPARE(child<QStackedWidget>("centralWidget")->currentWidget(), child<QWidget>("loginWidget"));
        auto *language = child<QWidget>("loginWindow")->findChild<QComboBox *>(QStringLiteral("languageSelection"));
        QCOMPARE(language->currentData().toString(), QStringLiteral("ja"));
        language->setCurrentIndex(language->findData(QStringLiteral("en")));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(window()->windowTitle(), QStringLiteral("Corvana Mahjong - ") + clientVersionString());
        QTRY_VERIFY(m_log->text().contains(QLatin1String(" [INFO ] login page shown")));
        QTRY_VERIFY(window()->connectionManager().isConnected());
        QVERIFY(m_server.waitForOutput(QStringLiteral("RECV platform_version_t")));
        // The side page is asked for once the server accepted the client's version.
        QVERIFY(m_server.waitForOutput(QStringLiteral("RECV local_query_web_page_t")));

        // The screen decides the size: a small one warns and keeps the form's size, a large
        // one restores the stored size, as far as it fits with the window's frame, and the
        // full-screen flag.
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        auto *toggle = child<QPushButton>("toggleFullscreenButton");
        if (screen.width() < 1024 || screen.height() < 768) {
            QCOMPARE(boxText(), QStringLiteral("You should have a resolution of at least 1024x768, "
                                               "you currently have %1x%2")
                                    .arg(screen.width())
                                    .arg(screen.height()));
            QCOMPARE(window()->size(), QSize(1023, 663));
            QCOMPARE(toggle->text(), QStringLiteral("Windowed"));
        } else {
            QCOMPARE(boxText(), QString());
            const QRect area = window()->screen()->availableGeometry();
            QTRY_VERIFY(area.contains(window()->frameGeometry()));
            const QSize frame = window()->frameGeometry().size() - window()->size();
            QCOMPARE(window()->size(), QSize(1366, 749).boundedTo(area.size() - frame));
            QCOMPARE(toggle->text(), QStringLiteral("Fullscreen"));
        }
        QVERIFY(saveScreenshot(window(), QStringLiteral("mainwindow-login-") + sizeName(screen)));
        qDeleteAll(window()->findChildren<ModelessMsgBox::MsgBox *>());

    }

    // The pages a server gives no address for, asked on the login page and in the new
    // account form: a box tells the player that the page is not available, in the
    // player's language, and nothing opens.
    void pagesWithoutAnAddressAreNotAvailable()
    {
        MainWindow &w = *window();
        const QSize size = w.size();
        auto *pages = child<QStackedWidget>("centralWidget");
        auto *login = child<QWidget>("loginWindow");
        QPointer<ModelessMsgBox::MsgBox> box;
        const auto notAvailable = [&](const QString &what) {
            QTRY_VERIFY2((box = w.findChild<ModelessMsgBox::MsgBox *>()) && box->isVisible(), qPrintable(what));
            QCOMPARE(box->contentWidget()->windowTitle(), QStringLiteral("Page not available"));
            QCOMPARE(boxText(), QStringLiteral("This page is not available at the moment. Please try again later."));
        };
        QVERIFY(clickLink(login->findChild<QLabel *>(QStringLiteral("resetPasswordLabel"))));
        notAvailable(QStringLiteral("reset password"));
        if (QTest::currentTestFailed())
            return;
        QVERIFY(m_server.waitForOutput(QStringLiteral("RECV local_query_web_page_t {\"hint\":\"\",\"kind\":11")));
        for (const QString language : {"ja", "en"}) {
            m_translations->setLanguage(language);
            QTRY_COMPARE(cjkTexts(box).isEmpty(), language == QLatin1String("en"));
            for (const QSize shown : {QSize(1024, 768), QSize(1920, 1080)}) {
                w.resize(shown);
                QTRY_VERIFY2(cutTexts(box).isEmpty(), qPrintable(cutTexts(box).join(QStringLiteral(" | "))));
                QTRY_VERIFY(w.rect().contains(box->geometry()));
                QVERIFY(saveScreenshot(&w, QStringLiteral("mainwindow-page-not-available-%1-%2").arg(language, sizeName(shown))));
            }
        }
        w.resize(size);
        box->buttonBox()->button(QDialogButtonBox::Ok)->click();
        QTRY_VERIFY(box.isNull());

        // The client's own form stands in for a registration page without an address;
        // its terms have none either.
        QTest::mouseClick(login->findChild<QPushButton *>(QStringLiteral("createUserButton")), Qt::LeftButton);
        QTRY_COMPARE(pages->currentWidget(), child<QWidget>("createUserWidget"));
        QVERIFY(!w.findChild<ModelessMsgBox::MsgBox *>());
        QVERIFY(clickLink(child<QLabel>("tcUrl")));
        notAvailable(QStringLiteral("terms"));
        if (QTest::currentTestFailed())
            return;
        box->buttonBox()->button(QDialogButtonBox::Ok)->click();
        QTRY_VERIFY(box.isNull());
        QTest::mouseClick(child<QPushButton>("cancelButton"), Qt::LeftButton);
        QTRY_COMPARE(pages->currentWidget(), child<QWidget>("loginWidget"));
        QCOMPARE(m_externalUrls.size(), 0);
        QVERIFY(!w.findChild<EmbeddedBrowser *>());
    }

    void headerFollowsBalanceScreenAndPicture()
    {
        MainWindow &w = *window();
        auto *balance = child<QLabel>("accountBalanceLabel");
        auto *topBalance = child<QLabel>("topBarAccountBalanceLabel");

        // The balance by sequence: the first (0) is shown, an equal one ignored.
        w.onCurrentAccountBalance(700, 0, 0);
        QCOMPARE(balance->text(), QStringLiteral("You have $7"));
        QCOMPARE(topBalance->text(), QStringLiteral("$7"));
        QCOMPARE(w.accountBalance(), 700);
        w.onCurrentAccountBalance(900, 0, 0);
        QCOMPARE(w.accountBalance(), 700);
        w.onCurrentAccountBalance(250050, 1000, 3);
        QCOMPARE(balance->text(), QStringLiteral("You have $2,500.50 (+$10 reserved)"));
        w.onCurrentAccountBalance(1, 0, 2);
        QCOMPARE(topBalance->text(), QStringLiteral("$2,500.50 (+$10 reserved)"));

        // "Powered by" carries the style sheet's trademark style.
        w.setStyleSheet(QStringLiteral("MainWindow { qproperty-trademarkStyle: \"color:red;\"; }"));
        w.ensurePolished();
        QCOMPARE(w.trademarkStyle(), QStringLiteral("color:red;"));
        QCOMPARE(child<QLabel>("pellandorLogo")->text(),
                 QStringLiteral("Powered by Pellandor<span style=\"color:red;\">TM</span>"));
        w.setStyleSheet(QString());
        w.setTrademarkStyle(QStringLiteral("font-size:8pt; font-weight:600; vertical-align:super;"));

        // Full screen twice: the windowed size is stored once, when leaving the windowed
        // state, and the other state bits stay.
        QSettings().remove(QStringLiteral("game/windowSize"));
        w.setWindowState(Qt::WindowMaximized);
        const bool startsFullscreen = child<QPushButton>("toggleFullscreenButton")->text()
                                      == QLatin1String("Windowed");
        QSignalSpy texts(&w, &MainWindow::setToggleWindowedText);
        if (startsFullscreen)
            w.toggleWindowed();
        QSettings().remove(QStringLiteral("game/windowSize"));
        const QSize windowed = w.geometry().size();
        w.toggleWindowed();
        QCOMPARE(w.windowState(), Qt::WindowMaximized | Qt::WindowFullScreen);
        QCOMPARE(QSettings().value(QStringLiteral("game/windowSize")).toSize(), windowed);
        QCOMPARE(texts.last().at(0).toString(), QStringLiteral("Windowed"));
        QSettings().setValue(QStringLiteral("game/windowSize"), QSize(1, 1));
        w.toggleWindowed();
        QCOMPARE(w.windowState(), Qt::WindowMaximized);
        QCOMPARE(QSettings().value(QStringLiteral("game/windowSize")).toSize(), QSize(1, 1));
        QCOMPARE(texts.last().at(0).toString(), QStringLiteral("Fullscreen"));
        w.setWindowState(Qt::WindowNoState);

        // The next tournament: a start in the future is counted down, a past one clears it.
        const QDateTime now = Singleton<ServerTime>::instance().now();
        auto *next = child<QLabel>("nextTournamentTextLabel");
        w.onComingEvents({ComingEvent(ComingEvent::RoundStart, now.addSecs(60)),
                          ComingEvent(ComingEvent::TournamentStart, now.addSecs(3600))});
        w.onUpdateTimeout();
        QVERIFY2(next->text().startsWith(QLatin1String("Tournament starts in: ")), qPrintable(next->text()));
        QVERIFY(child<QLabel>("serverTime")->text().startsWith(QLatin1String("Local time is ")));
        w.onComingEvents({ComingEvent(ComingEvent::TournamentStart, now.addSecs(-10))});
        w.onUpdateTimeout();
        QCOMPARE(next->text(), QString());

        // Every picture update of the local player is shown, the first one too.
        auto *players = w.findChild<PlayerDb *>();
        players->setLocalPlayer(1001, QStringLiteral("alice"));
        auto *avatar = child<QLabel>("avatarLabel");
        avatar->clear();
        w.onPlayerPictureUpdate(1002);
        QVERIFY(avatar->pixmap().isNull());
        w.onPlayerPictureUpdate(1001);
        QVERIFY(!avatar->pixmap().isNull());
        avatar->clear();
        w.onPlayerPictureUpdate(1001);
        QVERIFY(!avatar->pixmap().isNull());
    }

    void loggedInLobbyShowsTheTabsAndPages()
    {
        MainWindow &w = *window();
        ConnectionManager &connection = w.connectionManager();
        // The login flow builds the lobby, which selects the stored tab.
        QSettings().setValue(QStringLiteral("game/lobbyTab"), 1);
        QSignalSpy loggedIn(&connection, &ConnectionManager::loginSuccess);
        connection.login(QStringLiteral("alice"), QStringLiteral("secret"));
        QVERIFY(loggedIn.wait(5000));
        w.findChild<PlayerDb *>()->setLocalPlayer(1001, QStringLiteral("alice"));
        w.setPlayerName(QStringLiteral("alice"));
        connect(&connection, &ConnectionManager::currentAccountBalance, &w, &MainWindow::onCurrentAccountBalance);
        connection.query_account_balance();
        connection.tournaments_lobby_subscribe();
        auto *urls = w.findChild<UrlHandler *>();
        urls->setLoggedIn();
        urls->requestAccountPages();

        GameSounds::instance().stop(13);
        w.displayLobby();
        auto *tabs = child<UTabWidget>("mainTabs");
        QCOMPARE(child<QStackedWidget>("centralWidget")->currentWidget(), child<QWidget>("loggedInWidget"));
        QCOMPARE(tabs->count(), 6);
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(GameSounds::instance().loopingSound(), 13);
        QStringList labels;
        for (int i = 0; i < tabs->count(); ++i)
            labels << tabs->tabBar()->tabText(i);
        QCOMPARE(labels, (QStringList{"Start", "Play", "Tournaments", "Settings", "Friends", "Game Guide"}));
        QVERIFY(!tabs->tabBar()->tabIcon(0).isNull());
        // Tabs added while the logged-in page was hidden still get their height.
        QTRY_COMPARE(tabs->tabBar()->height(), tabs->tabBar()->sizeHint().height());

        // Again: no second set of tabs, the stored tab is not read again, the music loops again.
        QSettings().setValue(QStringLiteral("game/lobbyTab"), 4);
        GameSounds::instance().stop(13);
        w.displayLobby();
        QCOMPARE(tabs->count(), 6);
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(GameSounds::instance().loopingSound(), 13);

        // The server's tables (the practice tables in the table list, the regular ones in
        // the lobby tab), tournaments and balance.
        TableModel *model = w.findChild<LobbyController *>()->tableModel();
        QTRY_VERIFY(model->hasTable(5001) && model->hasTable(5002));
        auto *tables = tabs->widget(1)->findChild<QTreeView *>(QStringLiteral("lobbyTreeView"));
        QTRY_COMPARE(shownIds(tables), (QList<int>{6101, 6102}));
        auto *tournaments = tabs->widget(2)->findChild<QTreeView *>(QStringLiteral("tournamentsLobbyTreeView"));
        QTRY_COMPARE(tournaments->model()->rowCount(), 2);
        // The lists' models were built in Japanese, before English was chosen.
        QCOMPARE(shownTexts(tables->header()),
                 (QStringList{"Table", "Rules", "Game Type", "Players", "Bet", "Max win"}));
        QCOMPARE(shownTexts(tournaments->header()),
                 (QStringList{"", "Start", "Status", "Name", "Rules", "Players", "Buy-in", "Pot"}));

        // What the server announces is bounded where it enters: a table's absurd seats,
        // players and wind rounds are skipped, so its preview keeps four seats and its
        // duration; a tournament named in markup reads as its name in the tool tip.
        QTRY_VERIFY(m_log->text().contains(QLatin1String("update skipped: field 3 SEATS")));
        QVERIFY(m_log->text().contains(QLatin1String("update skipped: field 18 WIND_ROUNDS")));
        selectId(tables, 6102);
        auto *preview = child<TablePreview>("tablePreview");
        QTRY_COMPARE(preview->findChild<TablePreviewPlayersWidget *>("players")->seatCount(), 4);
        QCOMPARE(preview->findChild<QLabel *>("durationValue")->text(), QStringLiteral("30-40 min"));
        const QString markupName = QStringLiteral("<img src=\"seat-free.png\"><b>Free</b> Roll");
        QString tip;
        for (int row = 0; row < tournaments->model()->rowCount(); ++row) {
            const QModelIndex name = tournaments->model()->index(row, 3);
            if (name.data().toString() == markupName)
                tip = name.data(Qt::ToolTipRole).toString();
        }
        QTextDocument shownTip;
        if (Qt::mightBeRichText(tip))
            shownTip.setHtml(tip);
        else
            shownTip.setPlainText(tip);
        QCOMPARE(shownTip.toPlainText(), markupName);
        QTRY_COMPARE(child<QLabel>("accountBalanceLabel")->text(), QStringLiteral("You have $1,234.56 (+$5 reserved)"));
        QCOMPARE(child<QLabel>("loggedInAsLabel")->text(), QStringLiteral("alice"));

        // Tab keywords match exactly; the side column follows the tab.
        w.onDisplayTab(QStringLiteral("tournament"));
        QCOMPARE(tabs->currentIndex(), 2);
        w.onDisplayTab(QStringLiteral("Tournaments"));
        QCOMPARE(tabs->currentIndex(), 2);
        const QStringList columns{"-xx--x", "-x-x--", "-x--x-", "-xx--x", "x-", "-xx--x"};
        const QStringList keywords{"welcome", "lobby", "tournament", "preferences", "friends", "howto"};
        for (int i = 0; i < 6; ++i) {
            w.onDisplayTab(keywords.at(i));
            QCOMPARE(tabs->currentIndex(), i);
            QCOMPARE(sideColumn().left(columns.at(i).size()), columns.at(i));
            QTest::qWait(i == 0 ? 1500 : 200);
            QVERIFY2(cjkTexts(&w).isEmpty(), qPrintable(keywords.at(i) + QStringLiteral(": ") + cjkTexts(&w).join(u'|')));
            QVERIFY(saveScreenshot(&w, QStringLiteral("mainwindow-tab%1-%2").arg(QString::number(i), keywords.at(i))));
        }
        w.onDisplayTab(QStringLiteral("friends"));
        w.onCurrentTabChanged(6);
        QCOMPARE(sideColumn().left(2), QStringLiteral("xx"));
        w.onDisplayTab(QStringLiteral("lobby"));
        QCOMPARE(sideColumn(), QStringLiteral("-x-x--"));

        // The empty internal pages fall back to the local ones.
        auto *welcome = w.findChild<EmbeddedWebPage *>(QStringLiteral("welcomePage"));
        QTRY_VERIFY(welcome->webView());
        QCOMPARE(welcome->webView()->url(), QUrl(QStringLiteral("localwww:/welcome.html")));
        auto *howto = w.findChild<EmbeddedWebPage *>(QStringLiteral("howtoPage"));
        QTRY_VERIFY(howto->webView());
        QCOMPARE(howto->webView()->url(), QUrl(QStringLiteral("localwww:/howto.html")));

        // The account pages fill the menu; an account page keeps both buttons disabled
        // until it arrives, other pages leave them alone.
        auto *account = child<QPushButton>("accountButton");
        auto *cashier = child<QPushButton>("cashierButton");
        QTRY_COMPARE(account->menu()->actions().size(), 2);
        QCOMPARE(account->menu()->actions().at(1)->text(), QStringLiteral("History"));
        w.onHelp();
        QVERIFY(account->isEnabled() && cashier->isEnabled());
        QTRY_COMPARE(m_externalUrls.size(), 1);
        QCOMPARE(m_externalUrls.last().path(), QStringLiteral("/about_rules.html"));
        // Pages on a share or in a local file never leave the client, whoever names them.
        urls->openWebPage(WebPageRequest::SUPPORT);
        urls->openWebPage(WebPageRequest::RULES_CLASSIC);
        w.onLaunchBrowser(QUrl(QStringLiteral("file:///etc/hosts?_Target=external")), false);
        QTRY_COMPARE(m_log->text().count(QLatin1String("outside the client: not a web page")), 3);
        QVERIFY(m_log->text().contains(QLatin1String("refused to open smb://files.example.test/share")));
        QCOMPARE(m_externalUrls.size(), 1);
        account->menu()->actions().at(1)->trigger();
        QVERIFY(!account->isEnabled() && !cashier->isEnabled());
        QTRY_VERIFY(account->isEnabled() && cashier->isEnabled());
        // Its "_Target" sends it to the system browser although account pages stay inside.
        QTRY_COMPARE(m_externalUrls.size(), 2);
        QCOMPARE(m_externalUrls.last().path(), QStringLiteral("/account/history"));
        QVERIFY(!w.findChild<EmbeddedBrowser *>());

        // Pages inside the client share one browser; an empty address opens nothing.
        w.onLaunchBrowser(QUrl());
        QVERIFY(!w.findChild<EmbeddedBrowser *>());
        w.onLaunchBrowser(QUrl(QStringLiteral("about:blank")));
        w.onLaunchBrowser(QUrl(QStringLiteral("about:blank#second")));
        QCOMPARE(w.findChildren<EmbeddedBrowser *>().size(), 1);
        QVERIFY(w.findChild<EmbeddedBrowser *>()->isVisible());
        w.onLaunchBrowser(QUrl(QStringLiteral("http://localhost/inside?_Target=internal")), true);
        QCOMPARE(m_externalUrls.size(), 2);
        QVERIFY(saveScreenshot(&w, QStringLiteral("mainwindow-browser")));
        w.findChild<EmbeddedBrowser *>()->close();

        // A page for the system's browser that no browser takes is not lost without a
        // word: a box says so, in the player's language, with the address to copy.
        const QUrl page(QStringLiteral("https://help.example.test/rules?topic=<b>riichi</b>"));
        {
            NoWebBrowser none;
            w.onLaunchBrowser(page, true);
        }
        auto *notice = w.findChild<ModelessMsgBox::MsgBox *>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(notice && notice->isVisible());
        QCOMPARE(notice->contentWidget()->windowTitle(), QStringLiteral("Page not opened"));
        auto *noticeText = notice->findChild<QLabel *>(QStringLiteral("messageText"));
        QVERIFY2(noticeText->text().endsWith(QLatin1String("\n\nhttps://help.example.test/rules?topic=%3Cb%3Eriichi%3C/b%3E")),
                 qPrintable(noticeText->text()));
        QCOMPARE(noticeText->textFormat(), Qt::PlainText);
        QVERIFY(noticeText->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
        QVERIFY(m_log->text().contains(QLatin1String("no web browser opened https://help.example.test/rules")));
        QCOMPARE(m_externalUrls.size(), 2);
        const QSize size = w.size();
        for (const QString language : {"en", "ja"}) {
            m_translations->setLanguage(language);
            QTRY_COMPARE(cjkTexts(notice).isEmpty(), language == QLatin1String("en"));
            QVERIFY(noticeText->text().endsWith(QLatin1String("https://help.example.test/rules?topic=%3Cb%3Eriichi%3C/b%3E")));
            for (const QSize shown : {QSize(1024, 768), QSize(1920, 1080)}) {
                w.resize(shown);
                QTRY_VERIFY2(cutTexts(notice).isEmpty(), qPrintable(cutTexts(notice).join(QStringLiteral(" | "))));
                QVERIFY(saveScreenshot(&w, QStringLiteral("mainwindow-page-not-opened-%1-%2x%3")
                                               .arg(language, QString::number(shown.width()), QString::number(shown.height()))));
            }
        }
        notice->buttonBox()->button(QDialogButtonBox::Ok)->click();
        QTRY_VERIFY(!w.findChild<ModelessMsgBox::MsgBox *>(QString(), Qt::FindDirectChildrenOnly));

        // A long address wraps: the box stands inside the window, its lines whole, and the
        // address selects as it is.
        const QString address = QStringLiteral("https://support.example.test/players/help-centre/contact-form/"
                                               "table-games/mahjong/page-not-opened?topic=web-browser&language=en&"
                                               "client=desktop&platform=linux&screen=lobby&session=4f2c9b7e1d3a5c0");
        QCOMPARE(address.size(), 194);
        {
            NoWebBrowser none;
            w.onLaunchBrowser(QUrl(address), true);
        }
        notice = w.findChild<ModelessMsgBox::MsgBox *>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(notice && notice->isVisible());
        noticeText = notice->findChild<QLabel *>(QStringLiteral("messageText"));
        for (const QString language : {"ja", "en"}) {
            m_translations->setLanguage(language);
            QTRY_COMPARE(cjkTexts(notice).isEmpty(), language == QLatin1String("en"));
            for (const QSize shown : {QSize(1024, 768), QSize(1920, 1080)}) {
                w.resize(shown);
                const QString what = language + QLatin1Char(' ') + sizeName(shown);
                QTRY_VERIFY2(w.rect().contains(notice->geometry()),
                             qPrintable(what + QStringLiteral(": ") + placeOf(notice, notice->geometry())));
                QTRY_VERIFY2(cutTexts(&w).isEmpty(), qPrintable(what + QStringLiteral(": ") + cutTexts(&w).join(QStringLiteral(" | "))));
                const int start = noticeText->text().indexOf(address);
                QVERIFY2(start > 0, qPrintable(noticeText->text()));
                noticeText->setSelection(start, int(address.size()));
                QCOMPARE(noticeText->selectedText(), address);
                QVERIFY(saveScreenshot(&w, QStringLiteral("mainwindow-long-address-%1-%2").arg(language, sizeName(shown))));
            }
        }
        w.resize(size);
        notice->buttonBox()->button(QDialogButtonBox::Ok)->click();
        QTRY_VERIFY(!w.findChild<ModelessMsgBox::MsgBox *>(QString(), Qt::FindDirectChildrenOnly));

        // A player without a full registration is offered to complete it on the account
        // pages.
        w.offerRegistrationCompletion(2);
        auto *box = w.findChild<ModelessMsgBox::MsgBox *>();
        QVERIFY(box);
        QCOMPARE(box->contentWidget()->windowTitle(), QStringLiteral("Tournament registration"));
        box->buttonBox()->button(QDialogButtonBox::Yes)->click();
        QVERIFY(m_server.waitForOutput(QStringLiteral("TTM")));
        QTRY_COMPARE(m_externalUrls.size(), 3);

        // A language change translates the form again and keeps what the code wrote into it.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&w, &change);
        QCOMPARE(w.windowTitle(), MainWindow::applicationTitle());
        QCOMPARE(tabs->tabBar()->tabText(5), QStringLiteral("Game Guide"));
        QCOMPARE(child<QLabel>("accountBalanceLabel")->text(), QStringLiteral("You have $1,234.56 (+$5 reserved)"));
        QVERIFY(child<QLabel>("pellandorLogo")->text().startsWith(QLatin1String("Powered by Pellandor<span")));
    }

    // Windows open before a language change take the new language at once: the lobby's
    // table preview (its name once the server sent it in that language), the table with
    // its claim and timeout pictures, an open score board with its tables and claim
    // picture, the round scores and the quit question, whose buttons show their whole
    // text in each language, whether it was asked before the change or after.
    void openWindowsFollowALanguageChange()
    {
        MainWindow &w = *window();
        w.setWindowState(Qt::WindowNoState);
        w.resize(1024, 768);
        w.onDisplayTab(QStringLiteral("lobby"));
        selectId(child<UTabWidget>("mainTabs")->widget(1)->findChild<QTreeView *>(QStringLiteral("lobbyTreeView")), 6101);
        auto *previewTitle = child<ULabel>("tablePreviewHeaderLabel");
        QTRY_COMPARE(previewTitle->fullText(), QStringLiteral("Pine 6101"));

        GameWindow *table = tableInFront(5001);
        QVERIFY(table);

        // bo's plate shows that he is ready, chen's a claim.
        table->sideBar()->showPlayerClaim(2002, PONG, 0);
        table->showTimeout();
        const auto plateLabel = [table](qint32 id) {
            return table->sideBar()->playerWidget(id)->findChild<QLabel *>(QStringLiteral("claimLabel"));
        };
        w.onDisplayMiscDialogs();
        auto *board = w.findChild<ScoreBoard *>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(board && board->isVisible());
        ModelessMsgBox::MsgBox *quit = askToQuit();
        QVERIFY(quit);

        const QStringList languages{"ja", "zh_CN", "zh_TW", "en"};
        const QStringList names{QStringLiteral("松の卓 6101"), QStringLiteral("松桌 6101"),
                                QStringLiteral("松檯 6101"), QStringLiteral("Pine 6101")};
        for (int i = 0; i < languages.size(); ++i) {
            const QString &language = languages.at(i);
            m_translations->setLanguage(language);
            // The names of a new language are asked for; the rest follows at once.
            QTRY_COMPARE(previewTitle->fullText(), names.at(i));
            if (language == QLatin1String("en"))
                QTRY_VERIFY2(cutTexts(&w).isEmpty(), qPrintable(cutTexts(&w).join(QStringLiteral(" | "))));
            else
                checkLanguage(&w, language + QStringLiteral(" after a change"));
            const auto picture = [&language](const char *name) {
                return QImage(QStringLiteral(":/corvana/text-images/%1/%2.png").arg(language, QLatin1String(name)));
            };
            MAHJONG_COMPARE_IMAGES(table->timeoutImage()->pixmap().toImage(), picture("timeout"));
            MAHJONG_COMPARE_IMAGES(plateLabel(2001)->pixmap().toImage(), picture("ready"));
            MAHJONG_COMPARE_IMAGES(plateLabel(2002)->pixmap().toImage(), picture("claim-pon"));
            MAHJONG_COMPARE_IMAGES(board->findChild<QLabel *>(QStringLiteral("exclamation1"))->pixmap().toImage(),
                                   picture("claim-mahjong-game-view"));
            for (QAbstractButton *button : quit->buttonBox()->buttons())
                QTRY_VERIFY2(button->width() >= button->minimumSizeHint().width(), qPrintable(button->text()));
            if (language != QLatin1String("en")) {
                QVERIFY(saveScreenshot(&w, QStringLiteral("language-change-%1-1024x768").arg(language)));
                w.resize(1920, 1080);
                checkLanguage(&w, language + QStringLiteral(" after a change at 1920x1080"));
                QVERIFY(saveScreenshot(&w, QStringLiteral("language-change-%1-1920x1080").arg(language)));
                w.resize(1024, 768);
            }
        }
        quit->buttonBox()->button(QDialogButtonBox::No)->click();
        QTRY_VERIFY(!w.findChild<ModelessMsgBox::MsgBox *>());

        // Asked in each language, the question shows its buttons whole as well.
        for (const QString &language : languages) {
            m_translations->setLanguage(language);
            quit = askToQuit();
            QVERIFY(quit);
            for (QAbstractButton *button : quit->buttonBox()->buttons())
                QTRY_VERIFY2(button->width() >= button->minimumSizeHint().width(), qPrintable(button->text()));
            QTRY_VERIFY2(cutTexts(quit).isEmpty(),
                         qPrintable(language + QStringLiteral(" quit question cuts: ") + cutTexts(quit).join(QStringLiteral(" | "))));
            if (language != QLatin1String("en"))
                QVERIFY(saveScreenshot(quit, QStringLiteral("language-quit-") + language));
            quit->buttonBox()->button(QDialogButtonBox::No)->click();
            QTRY_VERIFY(!w.findChild<ModelessMsgBox::MsgBox *>());
        }
        closeSampleDialogs();
    }

    // Switched to each language, the login page, the lobby's tabs, the tournament dialog,
    // a table with its side bar and the table's dialogs show no English and cut no text
    // at 1024x768.
    void everyWindowInEachLanguage()
    {
        MainWindow &w = *window();
        w.setWindowState(Qt::WindowNoState);
        w.resize(1024, 768);
        auto *pages = child<QStackedWidget>("centralWidget");
        auto *tabs = child<UTabWidget>("mainTabs");
        const QStringList keywords{"welcome", "lobby", "tournament", "preferences", "friends", "howto"};
        w.displayLobby();
        w.onDisplayTab(QStringLiteral("tournament"));
        checkTournamentList(QStringLiteral("en tournament list"));
        for (const QString language : {"ja", "zh_CN", "zh_TW"}) {
            m_translations->setLanguage(language);
            // The change is posted to the windows: delivered before the login page is read.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            const bool screenshots = language != QLatin1String("zh_CN");
            pages->setCurrentWidget(child<QWidget>("loginWidget"));
            checkLanguage(&w, language + QStringLiteral(" login page"));
            // Both language boxes follow the language, wherever it was chosen.
            for (auto *box : w.findChildren<QComboBox *>(QStringLiteral("languageSelection")))
                QCOMPARE(box->currentData().toString(), language);
            if (screenshots)
                QVERIFY(saveScreenshot(&w, QStringLiteral("language-login-") + language));
            pages->setCurrentWidget(child<QWidget>("loggedInWidget"));
            w.displayLobby();
            for (int i = 0; i < tabs->count(); ++i) {
                w.onDisplayTab(keywords.at(i));
                if (i == 2)
                    checkTournamentList(language + QStringLiteral(" tournament list"));
                checkLanguage(&w, language + QLatin1Char(' ') + keywords.at(i));
                if (screenshots)
                    QVERIFY(saveScreenshot(&w, QStringLiteral("language-%1-%2").arg(keywords.at(i), language)));
            }

            w.findChild<TournamentsController *>()->createTournamentDetailDialog(100);
            auto *dialog = w.findChild<TournamentDetailDialog *>();
            QTRY_VERIFY(dialog && dialog->isVisible());
            checkLanguage(dialog, language + QStringLiteral(" tournament dialog"));
            if (screenshots)
                QVERIFY(saveScreenshot(dialog, QStringLiteral("language-tournamentdialog-") + language));
            delete dialog;

            QVERIFY(tableInFront(5001));
            checkLanguage(&w, language + QStringLiteral(" table"));
            if (screenshots)
                QVERIFY(saveScreenshot(&w, QStringLiteral("language-table-") + language));

            w.onDisplayMiscDialogs();
            auto *scores = w.findChild<ScoreBoard *>();
            QTRY_VERIFY(scores && scores->isVisible());
            for (QWidget *shown : std::initializer_list<QWidget *>{scores, w.findChild<MeldAuction *>(),
                                                                    w.findChild<RoundScoreBoard *>()})
                checkLanguage(shown, language + QLatin1Char(' ') + QString::fromLatin1(shown->metaObject()->className()));
            if (screenshots)
                QVERIFY(saveScreenshot(&w, QStringLiteral("language-scoreboard-") + language));
            closeSampleDialogs();
        }
        m_translations->setLanguage(QStringLiteral("en"));
    }

    // Resized both ways, with the table or the lobby in front meanwhile, a table keeps
    // every dialog over the table, beside the side bar, whether the dialog was shown
    // before the resize or after it; the meld choice shows its tiles whole, and the quit
    // question hides none of the dialogs' buttons.
    void tableDialogsFollowTheWindow()
    {
        MainWindow &w = *window();
        w.setWindowState(Qt::WindowNoState);
        auto *stack = child<QStackedWidget>("loggedInStack");
        GameWindow *table = tableInFront(5001);
        QVERIFY(table);

        EndHand win;
        win.endKind = EndHand::Ron;
        for (const qint32 id : {2001, 2002}) {
            EndHandPlayer row;
            row.playerId = id;
            row.name = id == 2001 ? QStringLiteral("bo") : QStringLiteral("chen");
            row.result = id == 2001 ? EndHandPlayer::Won : EndHandPlayer::NoResult;
            row.points = {{QStringLiteral("Riichi"), 1}};
            row.pointsTotal = 1;
            row.settlement = id == 2001 ? 1000 : -1000;
            row.currentScore = 25000 + row.settlement;
            row.hand = {{tiles({0, 1, 2}), -1}, {tiles({31, 31, 31}), 2}};
            win.players[id] = row;
        }
        EndHand washout;
        washout.endKind = 7;
        EndHandPlayer still;
        still.playerId = 2001;
        washout.players[2001] = still;
        const QDateTime now = Singleton<ServerTime>::instance().now();
        const TimeSpan span(now, now.addSecs(60));
        const auto showDialogs = [&] {
            table->showEndOfRound({{2001, 12, 500}, {2002, 0, -500}});
            table->onHandEnd(washout);
            table->onHandEnd(win);
            table->meldSuggestion({meld_offer(PONG, tile(4)), meld_offer(CHOW, tile(3))}, 2001, tile(4), span);
            table->onAreYouReady(span, true);
            table->onInviteButtonClick();
        };
        // A round result that waited for the board shows when the board closes: it goes too.
        const auto hideDialogs = [table] {
            for (auto shown = shownTableDialogs(table); !shown.empty(); shown = shownTableDialogs(table))
                for (QWidget *dialog : shown)
                    dialog->hide();
        };

        const QSize small(1024, 768);
        const QSize large(1920, 1080);
        const struct
        {
            QSize from;
            QSize to;
            bool lobbyInFront;
            const char *language;
        } cases[] = {{large, small, true, "en"}, {small, large, true, "ja"}, {large, small, false, "ja"},
                     {small, large, false, "en"}};
        for (const auto &c : cases) {
            const QLatin1String language(c.language);
            const QString size = sizeName(c.to);
            const QLatin1String front(c.lobbyInFront ? "lobby" : "table");
            const QString what = QStringLiteral("%1 %2 with the %3 in front").arg(language, size, front);
            m_translations->setLanguage(language);
            w.resize(c.from);
            QTRY_COMPARE(table->size(), stack->size());
            showDialogs();
            for (QWidget *dialog : table->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                if (QStringList{"WatchingWindow", "WaitingForPlayersWindow", "PlayerInactiveWindow"}.contains(
                        QLatin1String(dialog->metaObject()->className())))
                    dialog->show();
            }
            // The round result has no room beside the score board at 1024x768: it
            // waits for the board to close.
            QCOMPARE(shownTableDialogs(table).size(), c.from == small ? 7 : 8);
            if (c.lobbyInFront)
                w.displayLobby();
            w.resize(c.to);
            // Laid out at the new size with the lobby in front, before the table comes.
            QVERIFY(PostedEvents::settleWidgets());
            w.joinTable(5001);
            QTRY_COMPARE(table->size(), stack->size());
            QStringList out = beyondTheTable(table);
            QVERIFY2(out.isEmpty(), qPrintable(what + QStringLiteral(", shown before: ") + out.join(QStringLiteral(" | "))));

            hideDialogs();
            showDialogs();
            QCOMPARE(shownTableDialogs(table).size(), c.to == small ? 4 : 5);
            out = beyondTheTable(table);
            QVERIFY2(out.isEmpty(), qPrintable(what + QStringLiteral(", shown after: ") + out.join(QStringLiteral(" | "))));
            QTRY_VERIFY2(cutTiles(table).isEmpty(), qPrintable(what + QLatin1Char(' ') + cutTiles(table).join(QStringLiteral(" | "))));
            QVERIFY(saveScreenshot(&w, QStringLiteral("table-dialogs-%1-%2-after-%3").arg(language, size, front)));

            // The quit question hides no button, beside all of them and beside each
            // dialog that a hand's end, a seat or a claim brings alone.
            QStringList hidden = buttonsUnderTheQuitQuestion(table);
            QVERIFY2(hidden.isEmpty(), qPrintable(what + QStringLiteral(": ") + hidden.join(QStringLiteral(" | "))));
            const std::function<void()> alone[] = {
                [&] { table->onHandEnd(washout); },
                [&] { table->onAreYouReady(span, true); },
                [&] { table->meldSuggestion({meld_offer(PONG, tile(4))}, 2001, tile(4), span); }};
            for (const auto &show : alone) {
                hideDialogs();
                show();
                QCOMPARE(shownTableDialogs(table).size(), 1);
                hidden = buttonsUnderTheQuitQuestion(
                    table, &show == alone ? QStringLiteral("table-quit-%1-%2").arg(language, size) : QString());
                QVERIFY2(hidden.isEmpty(), qPrintable(what + QStringLiteral(": ") + hidden.join(QStringLiteral(" | "))));
            }
            hideDialogs();
        }
        m_translations->setLanguage(QStringLiteral("en"));
    }

    // The side bar's plates read on the ground they are drawn on, the plate of the
    // player whose turn it is as well as the others and the free seats, in both skins.
    void sideBarPlatesRead()
    {
        MainWindow &w = *window();
        w.resize(1024, 768);
        const QDateTime now = Singleton<ServerTime>::instance().now();
        const struct
        {
            const char *skin;
            qint32 table;
            qint32 active;
        } cases[] = {{"corvana", 6102, 1001}, {"default", 6101, 2001}};
        for (const auto &c : cases) {
            // A table's plates take the skin they are built in: each skin has a table of
            // its own.
            setupResourceSearchPaths({}, QLatin1String(c.skin));
            qApp->setStyleSheet(skinStyleSheets());
            GameWindow *table = tableInFront(c.table);
            QVERIFY(table);
            auto *plates = table->sideBar()->findChild<QWidget *>(QStringLiteral("playersFrame"));
            QTRY_COMPARE(plates->findChildren<PlayerWidget *>().size(), 3);
            QCOMPARE(plates->findChildren<EmptySeatWidget *>().size(), 1);
            table->onPlayerShouldAct(c.active, TimeSpan(now, now.addSecs(20)));
            const auto seated = plates->findChildren<PlayerWidget *>();
            QCOMPARE(std::count_if(seated.begin(), seated.end(), [](const PlayerWidget *plate) { return plate->highlight(); }), 1);
            // Read once the plates have their places in the side bar.
            QTRY_VERIFY2(Contrast::unreadableLabels(plates, &w).isEmpty(),
                         qPrintable(QLatin1String(c.skin) + QLatin1Char('\n')
                                    + Contrast::unreadableLabels(plates, &w).join(QLatin1Char('\n'))));
            QVERIFY(saveScreenshot(&w, QStringLiteral("table-plates-") + QLatin1String(c.skin)));
        }
        setupResourceSearchPaths({}, QStringLiteral("corvana"));
        qApp->setStyleSheet(skinStyleSheets());
    }

    // Full screen to windowed and back, with a table in front and behind the lobby, in
    // both table layouts: a late hand's pieces stay clear of each other and inside the
    // table, and the maintenance notice stands whole in the page's free part.
    void tableAndNoticeFollowEveryResize()
    {
        MainWindow &w = *window();
        w.setWindowState(Qt::WindowNoState);
        auto *stack = child<QStackedWidget>("loggedInStack");
        auto *lobbyButton = child<QPushButton>("lobbyButton");
        auto *games = w.findChild<GameController *>();
        GameWindow *table = tableInFront(5002);
        QVERIFY(table);
        QTRY_COMPARE(table->discardView(2)->items().size(), size_t(24));
        QAbstractButton *tableButton = child<TableSelector>("tableSelector")->tableButton(5002);
        w.findChild<ComingEventsModel *>()->onComingServerEvents(
            {ComingEvent(ComingEvent::ServerMaintenance, Singleton<ServerTime>::instance().now().addSecs(300))});
        ComingEventsView *notices = w.findChild<ComingEventsView *>();
        QVERIFY(notices->currentPopup());

        // Each checks the window once its layouts have placed everything at its present size
        // and the notice has been placed after them.
        const auto checkTable = [&](const QString &tag) {
            QVERIFY(PostedEvents::settleWidgets());
            const std::vector<TablePieces::Piece> pieces = TablePieces::collect(*table);
            const QStringList covered = TablePieces::overlaps(pieces);
            const QStringList out = TablePieces::outside(pieces, table->viewSceneRect());
            QVERIFY(saveScreenshot(&w, QStringLiteral("resize-table-") + tag));
            QVERIFY2(covered.isEmpty(), qPrintable(tag + QLatin1Char(' ') + covered.mid(0, 5).join(QLatin1Char('\n'))));
            QVERIFY2(out.isEmpty(), qPrintable(tag + QLatin1Char(' ') + out.mid(0, 5).join(QLatin1Char('\n'))));
        };
        // The notice shows its whole text inside the window and covers none of the
        // controls around it: the top bar, the lobby's header and tabs, the side bar.
        const auto checkNotice = [&](const QString &tag) {
            QVERIFY(PostedEvents::settleWidgets());
            ComingEventPopup *notice = notices->currentPopup();
            QVERIFY(notice && notice->isVisible());
            QVERIFY2(notice->width() >= notice->sizeHint().width(), qPrintable(tag));
            const QRect place = placeIn(notice, &w);
            QVERIFY2(w.rect().contains(place), qPrintable(tag));
            QStringList beneath;
            for (const char *name : {"topBar", "logo", "accountInfo", "mainTabs"}) {
                const QWidget *control = child<QWidget>(name);
                if (control->isVisible() && placeIn(control, &w).intersects(place))
                    beneath << QLatin1String(name);
            }
            if (stack->currentWidget() == table) {
                if (placeIn(table->sideBar(), &w).intersects(place))
                    beneath << QStringLiteral("side bar");
                if (roundWindIn(table, &w).intersects(place))
                    beneath << QStringLiteral("round wind");
            }
            QVERIFY2(beneath.isEmpty(), qPrintable(tag + QStringLiteral(": over ") + beneath.join(QStringLiteral(", "))));
        };

        const QSize full(1920, 1080);
        const QSize windowed(1024, 768);
        for (const QString language : {"en", "ja"}) {
            m_translations->setLanguage(language);
            for (const bool compact : {true, false}) {
                games->setCompactTableLayout(compact);
                for (const QSize size : compact ? QList<QSize>{full, windowed, full} : QList<QSize>{windowed, full, windowed}) {
                    w.resize(size);
                    const QString tag = QStringLiteral("%1-%2-%3").arg(sizeName(size), QLatin1String(compact ? "compact" : "square"), language);
                    checkTable(tag);
                    checkNotice(tag);
                }
            }
            // Resized while the lobby is in front, and while the table is behind it.
            for (const QSize size : {windowed, full}) {
                lobbyButton->click();
                QCOMPARE(stack->currentWidget(), child<QWidget>("lobbyWidget"));
                w.resize(size);
                const QString tag = sizeName(size) + QLatin1Char('-') + language;
                checkNotice(QStringLiteral("lobby ") + tag);
                QVERIFY(saveScreenshot(&w, QStringLiteral("resize-lobby-") + tag));
                tableButton->click();
                QCOMPARE(stack->currentWidget(), table);
                checkTable(QStringLiteral("shown-") + tag);
                checkNotice(QStringLiteral("table ") + tag);
                w.resize(size == full ? windowed : full);
                checkNotice(QStringLiteral("table after ") + tag);
                lobbyButton->click();
                checkNotice(QStringLiteral("lobby after ") + tag);
                tableButton->click();
            }
        }
        m_translations->setLanguage(QStringLiteral("en"));
    }

    // Space at a table runs its default action or nothing: neither the top bar's account
    // menu nor the side bar's Leave Table takes it, in either language and size, while
    // with the lobby in front the focused menu button still opens on Space.
    void spaceAtTheTableReachesNoButtonOrMenu()
    {
        MainWindow &w = *window();
        w.setWindowState(Qt::WindowNoState);
        auto *account = child<QPushButton>("accountButton");
        QStringList opened;
        // Presses Space on a control that has the focus the Tab key gives, in the window
        // that has the keyboard, as a player does: a menu closed before may have left the
        // activation with itself. A menu opens in an event loop of its own, so it is
        // noted and closed from a timer as soon as it shows; the key's click, and the
        // question it asks, come before the key press returns.
        const auto press = [&](QWidget *control, const QString &what) {
            w.activateWindow();
            if (!QTest::qWaitFor([&w] { return QApplication::activeWindow() == &w; })) {
                opened << what + QStringLiteral(": the window has no keyboard");
                return;
            }
            control->setFocus(Qt::TabFocusReason);
            const QList<ModelessMsgBox::MsgBox *> open = w.findChildren<ModelessMsgBox::MsgBox *>();
            bool menu = false;
            QTimer closer;
            connect(&closer, &QTimer::timeout, &w, [&menu] {
                if (QWidget *popup = QApplication::activePopupWidget()) {
                    menu = true;
                    popup->close();
                }
            });
            closer.start(0);
            QTest::keyClick(control, Qt::Key_Space);
            closer.stop();
            if (menu)
                opened << what + QStringLiteral(" menu");
            // A box the key asked, not one left open before.
            for (ModelessMsgBox::MsgBox *asked : w.findChildren<ModelessMsgBox::MsgBox *>()) {
                if (open.contains(asked))
                    continue;
                opened << what + QStringLiteral(": ") + asked->windowTitle();
                const QPointer<ModelessMsgBox::MsgBox> box = asked;
                if (QAbstractButton *no = asked->buttonBox()->button(QDialogButtonBox::No))
                    no->click();
                else
                    asked->close();
                QTRY_VERIFY(box.isNull());
            }
        };

        w.displayLobby();
        press(account, QStringLiteral("lobby account"));
        QCOMPARE(opened, QStringList{QStringLiteral("lobby account menu")});
        opened.clear();

        GameWindow *table = tableInFront(6101);
        QVERIFY(table);
        QCOMPARE(table->model()->gameState(), int(GameModel::HAND_IN_PLAY));
        for (const QString language : {"en", "ja"}) {
            m_translations->setLanguage(language);
            for (const QSize size : {QSize(1024, 768), QSize(1920, 1080)}) {
                w.resize(size);
                QTRY_COMPARE(table->size(), child<QStackedWidget>("loggedInStack")->size());
                const QString what = language + QLatin1Char(' ') + sizeName(size);
                press(account, what + QStringLiteral(" account"));
                QAbstractButton *leave = table->sideBar()->findChild<QAbstractButton *>(QStringLiteral("leaveButton"));
                QVERIFY(leave->isVisible());
                press(leave, what + QStringLiteral(" leave"));
                QVERIFY(saveScreenshot(&w, QStringLiteral("table-space-%1-%2").arg(language, sizeName(size))));
            }
        }
        // A box of the main window over the table keeps its keyboard.
        QPointer<ModelessMsgBox::MsgBox> quit = askToQuit();
        QVERIFY(quit);
        QAbstractButton *no = quit->buttonBox()->button(QDialogButtonBox::No);
        no->setFocus(Qt::TabFocusReason);
        QTest::keyClick(no, Qt::Key_Space);
        QTRY_VERIFY(quit.isNull());
        QVERIFY2(opened.isEmpty(), qPrintable(opened.join(QStringLiteral(" | "))));
        QCOMPARE(m_server.output().count(QStringLiteral("RECV leave_table_t")), 0);
        m_translations->setLanguage(QStringLiteral("en"));
    }

    // A watcher's score board at the hand's end stands centred over the table, as a
    // player's does, with the watching window beside it where the table has room, and
    // stays centred through resizes, in English and Japanese. At the table's end the
    // round's results stand beside the board, the watching window clear of both where
    // the table has room, and a maintenance notice stays clear of every box over the
    // table, the watching window's title among them, through resizes.
    void watchersScoreBoardStandsCentred()
    {
        MainWindow &w = *window();
        w.resize(1920, 1080);
        auto *stack = child<QStackedWidget>("loggedInStack");
        GameWindow *table = tableInFront(5003);
        QVERIFY(table);
        QTRY_COMPARE(table->size(), stack->size());
        ScoreBoard *board = table->scoreBoard();
        QTRY_VERIFY_WITH_TIMEOUT(board->isVisible(), 5000);
        QVERIFY(!table->model()->isSeated());
        auto *watching = table->findChild<WatchingWindow *>();
        QVERIFY(watching->isVisible());
        QVERIFY2(!watching->geometry().intersects(board->geometry()),
                 qPrintable(placeOf(watching, watching->geometry()) + QStringLiteral(", ") + placeOf(board, board->geometry())));
        for (const QString language : {"en", "ja"}) {
            m_translations->setLanguage(language);
            QTRY_COMPARE(child<QPushButton>("lobbyButton")->text(),
                         language == QLatin1String("en") ? QStringLiteral("Lobby") : QStringLiteral("ロビー"));
            for (const QSize size : {QSize(1920, 1080), QSize(1024, 768)}) {
                w.resize(size);
                QTRY_COMPARE(table->size(), stack->size());
                const QRect area(0, 0, table->width() - table->sideBar()->width(), table->height());
                const QPoint off = board->geometry().center() - area.center();
                const QString what = language + QLatin1Char(' ') + sizeName(size) + QStringLiteral(": ")
                                     + placeOf(board, board->geometry());
                QVERIFY2(std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2, qPrintable(what));
                QVERIFY2(beyondTheTable(table).isEmpty(), qPrintable(beyondTheTable(table).join(QStringLiteral(" | "))));
                QVERIFY(saveScreenshot(&w, QStringLiteral("table-watcher-board-%1-%2").arg(language, sizeName(size))));
            }
        }
        m_translations->setLanguage(QStringLiteral("en"));

        w.resize(1920, 1080);
        QTRY_COMPARE(table->size(), stack->size());
        emit w.connectionManager().endOfRound(5003, {{2101, 2168, 300}, {2102, 1944, -100}, {2103, 1944, -100}, {2104, 1944, -100}});
        auto *result = table->findChild<RoundScoreBoard *>();
        QTRY_VERIFY(result->isVisible());
        w.findChild<ComingEventsModel *>()->onComingServerEvents(
            {ComingEvent(ComingEvent::ServerMaintenance, Singleton<ServerTime>::instance().now().addSecs(900))});
        ComingEventsView *notices = w.findChild<ComingEventsView *>();
        QVERIFY(notices->currentPopup());
        for (const QSize size : {QSize(1920, 1080), QSize(1366, 768), QSize(1024, 768)}) {
            w.resize(size);
            QTRY_COMPARE(table->size(), stack->size());
            QVERIFY(PostedEvents::settleWidgets());
            const ComingEventPopup *notice = notices->currentPopup();
            QVERIFY(notice && notice->isVisible());
            const QRect place = placeIn(notice, &w);
            QStringList beneath;
            for (const QWidget *box : {static_cast<QWidget *>(watching), static_cast<QWidget *>(board), static_cast<QWidget *>(result)}) {
                if (box->isVisible() && placeIn(box, &w).intersects(place))
                    beneath << placeOf(box, placeIn(box, &w));
            }
            std::vector<QRect> boxes;
            std::vector<QRect> buttons;
            table->shownDialogs(boxes, buttons);
            for (const QRect &box : boxes) {
                if (box.translated(table->mapTo(&w, QPoint())).intersects(place))
                    beneath << QStringLiteral("a box at %1,%2").arg(QString::number(box.x()), QString::number(box.y()));
            }
            if (roundWindIn(table, &w).intersects(place) || placeIn(table->sideBar(), &w).intersects(place)
                || !placeIn(table->view(), &w).contains(place))
                beneath << QStringLiteral("the round wind, the side bar or beyond the table");
            QVERIFY(saveScreenshot(&w, QStringLiteral("table-watcher-end-notice-") + sizeName(size)));
            // Where the table has room, the round's results beside the board leave the
            // watching window in sight.
            if (size == QSize(1920, 1080)) {
                for (const QWidget *box : {static_cast<QWidget *>(board), static_cast<QWidget *>(result)})
                    QVERIFY2(!box->geometry().intersects(watching->geometry()),
                             qPrintable(placeOf(box, box->geometry()) + QStringLiteral(" covers ") + placeOf(watching, watching->geometry())));
            }
            QVERIFY2(beneath.isEmpty(), qPrintable(sizeName(size) + QStringLiteral(": the notice at ") + placeOf(notice, place)
                                                   + QStringLiteral(" covers ") + beneath.join(QStringLiteral(", "))));
        }
    }

    // On a screen of the client's smallest sizes (run on a 1366x768 screen beside a
    // 1024x768 one, and on a 1024x768 screen alone) the window, frame included, stays
    // inside the screen's free area: as start-up restored it from a size stored on a
    // larger screen, after login, back from full screen, at a table, where the chat's
    // input and Send are in reach, with the default size, and moved to the smaller
    // screen. The stored size stays the wish.
    void windowFitsTheScreen()
    {
        if (!supportedScreen())
            QSKIP("a screen smaller than 1024x768, where the window keeps its form's size");
        MainWindow &w = *window();
        const QSize stored(1366, 749);
        QSize wish = stored;
        const auto checkInside = [&](const QString &what, const QStringList &controls) {
            const QRect area = w.screen()->availableGeometry();
            const QString where = QStringLiteral("%1 (window %2 at %3,%4 in %5)")
                                      .arg(what, sizeName(w.frameGeometry().size()), QString::number(w.frameGeometry().x()),
                                           QString::number(w.frameGeometry().y()), sizeName(area.size()));
            QTRY_VERIFY2(area.contains(w.frameGeometry()), qPrintable(where));
            // The controls stand where the window's layouts put them at its size.
            QVERIFY(PostedEvents::settleWidgets());
            QCOMPARE(w.size(), wish.boundedTo(area.size() - (w.frameGeometry().size() - w.size())));
            for (const QString &name : controls) {
                const QWidget *control = nullptr;
                for (const QWidget *found : w.findChildren<QWidget *>(name)) {
                    if (found->isVisible())
                        control = found;
                }
                QVERIFY2(control, qPrintable(where + QStringLiteral(": no ") + name));
                QVERIFY2(area.contains(QRect(control->mapToGlobal(QPoint()), control->size())),
                         qPrintable(where + QStringLiteral(": ") + name + QStringLiteral(" beyond the screen")));
            }
            QVERIFY(saveScreenshot(&w, QStringLiteral("window-fit-%1-%2").arg(sizeName(area.size()), what)));
        };
        const QStringList topBar{"accountButton", "supportButton", "toggleFullscreenButton", "quitButton"};
        checkInside(QStringLiteral("login"), {QStringLiteral("loginButton")});

        auto *tabs = child<UTabWidget>("mainTabs");
        if (tabs->count() == 0)
            QVERIFY(logIn());
        checkInside(QStringLiteral("lobby"), topBar);

        // Full screen and back with the top bar's button.
        auto *toggle = child<QPushButton>("toggleFullscreenButton");
        QCOMPARE(toggle->text(), QStringLiteral("Fullscreen"));
        QTest::mouseClick(toggle, Qt::LeftButton);
        QTRY_VERIFY(w.windowState().testFlag(Qt::WindowFullScreen));
        QCOMPARE(QSettings().value(QStringLiteral("game/windowSize")).toSize(), stored);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QTRY_VERIFY(!w.windowState().testFlag(Qt::WindowFullScreen));
        checkInside(QStringLiteral("windowed"), topBar);

        QTRY_VERIFY(w.findChild<LobbyController *>()->tableModel()->hasTable(5001));
        GameWindow *table = tableInFront(5001);
        QVERIFY(table);
        checkInside(QStringLiteral("table"), topBar + QStringList{"chatInput", "send"});
        w.saveWindowGeometry();
        QCOMPARE(QSettings().value(QStringLiteral("game/windowSize")).toSize(), stored);

        // Another screen, smaller than the one the window stands on.
        const QList<QScreen *> screens = QGuiApplication::screens();
        if (screens.size() > 1) {
            QScreen *smaller = screens.last();
            w.move(smaller->geometry().topLeft() + QPoint(40, 30));
            QTRY_COMPARE(w.screen(), smaller);
            checkInside(QStringLiteral("moved"), topBar + QStringList{"chatInput", "send"});
            w.move(QGuiApplication::primaryScreen()->geometry().topLeft());
            QTRY_COMPARE(w.screen(), QGuiApplication::primaryScreen());
        }

        // A size chosen on a larger screen, after a session here: the window manager's
        // shrink as the window leaves full screen (to its room, reckoned its own way) is
        // not the player's choice and the chosen size stays stored; a size the player
        // gives is stored.
        w.displayLobby();
        const QSize chosen(1700, 1000);
        QSettings().setValue(QStringLiteral("game/windowSize"), chosen);
        wish = chosen;
        w.restoreWindowGeometry();
        QTest::mouseClick(toggle, Qt::LeftButton);
        QTRY_VERIFY(w.windowState().testFlag(Qt::WindowFullScreen));
        QTest::mouseClick(toggle, Qt::LeftButton);
        QTRY_VERIFY(!w.windowState().testFlag(Qt::WindowFullScreen));
        QVERIFY(PostedEvents::settleWidgets());
        const QSize shrunk = w.screen()->availableGeometry().size() - QSize(2, 25);
        w.windowHandle()->resize(shrunk);
        QTRY_COMPARE(w.size(), shrunk);
        QVERIFY(PostedEvents::settleWidgets());
        w.saveWindowGeometry();
        QCOMPARE(QSettings().value(QStringLiteral("game/windowSize")).toSize(), chosen);
        const QSize given(1023, 680);
        w.windowHandle()->resize(given);
        QTRY_COMPARE(w.size(), given);
        QVERIFY(PostedEvents::settleWidgets());
        QCOMPARE(w.size(), given);
        w.saveWindowGeometry();
        QCOMPARE(QSettings().value(QStringLiteral("game/windowSize")).toSize(), given);

        // A first window, before the window manager has framed it, leaves room for a
        // title bar and borders.
        {
            QWidget first;
            WindowFit fit(&first);
            fit.setWishedSize(QSize(1024, 768));
            const QSize area = first.screen()->availableGeometry().size();
            QVERIFY2(first.width() + 8 <= area.width() && first.height() + 34 <= area.height(),
                     qPrintable(sizeName(first.size())));
        }

        // Nothing stored: the default size, as full screen leaves it.
        QSettings().remove(QStringLiteral("game/windowSize"));
        wish = QSize(1024, 768);
        w.restoreWindowGeometry();
        QTest::mouseClick(toggle, Qt::LeftButton);
        QTRY_VERIFY(w.windowState().testFlag(Qt::WindowFullScreen));
        QTest::mouseClick(toggle, Qt::LeftButton);
        QTRY_VERIFY(!w.windowState().testFlag(Qt::WindowFullScreen));
        checkInside(QStringLiteral("default"), topBar);
    }

    // Back from full screen, by Ctrl+F and by the top bar's button, the whole frame stands
    // inside the screen's free area, title bar included, also where the window manager
    // tells its frame late. openbox tells it only by a property once it has taken the
    // window back, after the fit has looked, with the window where full screen had it:
    // nothing moves or resizes the window then, and the frame is drawn around the window
    // where the fit left it. Run where the window system tells the frame at once, and
    // (tst_mainwindow_lateframe) where it tells none, the window standing at the screen's
    // corner as it leaves full screen, with openbox's frame drawn around it.
    void frameToldLateStaysOnTheScreen()
    {
        if (!supportedScreen())
            QSKIP("a screen smaller than 1024x768, where the window's minimum size ends full screen");
        MainWindow &w = *window();
        w.setWindowState(Qt::WindowNoState);
        QTRY_VERIFY(!w.windowState().testFlag(Qt::WindowFullScreen));
        // A 20-pixel title bar, 1-pixel borders and a 5-pixel handle below.
        const QMargins drawn(1, 20, 1, 5);
        const auto frame = [&w, &drawn] {
            return w.frameGeometry() == w.geometry() ? w.geometry().marginsAdded(drawn) : w.frameGeometry();
        };
        auto *toggle = child<QPushButton>("toggleFullscreenButton");
        for (const bool key : {true, false}) {
            const QString what = QLatin1String(key ? "Ctrl+F" : "button");
            const QRect area = w.screen()->availableGeometry();
            w.move(area.topLeft());
            QTRY_COMPARE(w.pos(), area.topLeft());
            for (const bool full : {true, false}) {
                w.activateWindow();
                QTRY_VERIFY(QApplication::activeWindow() == &w);
                if (key) {
                    QWidget *focus = QApplication::focusWidget();
                    QTest::keyClick(focus ? focus : &w, Qt::Key_F, Qt::ControlModifier);
                } else {
                    QTest::mouseClick(toggle, Qt::LeftButton);
                }
                QTRY_COMPARE(w.windowState().testFlag(Qt::WindowFullScreen), full);
            }
            QVERIFY(PostedEvents::settleWidgets());
            const QRect drawnFrame = frame();
            QVERIFY2(area.contains(drawnFrame), qPrintable(QStringLiteral("%1: frame %2 at %3,%4 in %5").arg(
                what, sizeName(drawnFrame.size()), QString::number(drawnFrame.x()), QString::number(drawnFrame.y()), sizeName(area.size()))));
            QVERIFY(saveScreenshot(&w, QStringLiteral("window-frame-%1-%2").arg(sizeName(area.size()), QLatin1String(key ? "key" : "button"))));
        }
    }

    // With the full wall on, the round wind stands in the table's top-left corner from
    // the deal on: a maintenance notice shown over the table before the deal moves
    // beside the disc when the deal shows it, at 1024x768 and at 1920x1080.
    void noticeStaysClearOfTheRoundWindAtTheDeal()
    {
        MainWindow &w = *window();
        w.setWindowState(Qt::WindowNoState);
        w.displayLobby();
        w.onDisplayTab(QStringLiteral("preferences"));
        auto *fullWall = child<QCheckBox>("compactViewBox");
        QVERIFY(fullWall && fullWall->isVisible());
        if (!fullWall->isChecked())
            QTest::mouseClick(fullWall, Qt::LeftButton, {}, QPoint(8, fullWall->height() / 2));
        QVERIFY(fullWall->isChecked());
        w.findChild<ComingEventsModel *>()->onComingServerEvents(
            {ComingEvent(ComingEvent::ServerMaintenance, Singleton<ServerTime>::instance().now().addSecs(600))});
        ComingEventsView *notices = w.findChild<ComingEventsView *>();
        QVERIFY(notices->currentPopup());

        const struct
        {
            QSize size;
            qint32 table;
        } cases[] = {{QSize(1024, 768), 5004}, {QSize(1920, 1080), 5005}};
        for (const auto &c : cases) {
            const QString what = sizeName(c.size);
            w.resize(c.size);
            GameWindow *table = tableInFront(c.table);
            QVERIFY(table);
            QPushButton *play = nullptr;
            QTRY_VERIFY((play = table->seatedWindow()->findChild<QPushButton *>(QStringLiteral("playButton")))
                        && play->isVisible());
            const auto overTheDisc = [&] {
                const ComingEventPopup *notice = notices->currentPopup();
                return notice && roundWindIn(table, &w).intersects(placeIn(notice, &w));
            };
            QVERIFY(!table->prevalentWindView()->isVisible());
            QTest::mouseClick(play, Qt::LeftButton);
            QTRY_COMPARE(table->model()->gameState(), int(GameModel::HAND_IN_PLAY));
            QTRY_VERIFY(table->prevalentWindView()->isVisible());
            // The disc in the corner, where the notice stood before the deal.
            const QRect disc = roundWindIn(table, table->view()->viewport());
            QVERIFY2(disc.left() < disc.width() && disc.top() < disc.height(),
                     qPrintable(what + QStringLiteral(": the disc at ") + placeOf(table, disc)));
            QTRY_VERIFY2(!overTheDisc(), qPrintable(what + QStringLiteral(": the notice covers the round wind")));
            QVERIFY(saveScreenshot(&w, QStringLiteral("table-deal-notice-") + what));
        }
    }

    // Ctrl+F toggles full screen each time it is pressed, twice in a row in the lobby and
    // at a table, in each language, before the first language change and after each.
    // Run on the screens of windowFitsTheScreen.
    void ctrlFTogglesFullScreenEveryTime()
    {
        if (!supportedScreen())
            QSKIP("a screen smaller than 1024x768, where the window's minimum size ends full screen");
        MainWindow &w = *window();
        auto *toggle = child<QPushButton>("toggleFullscreenButton");
        // The window's state as the button says it is.
        w.setWindowState(toggle->text() == QLatin1String("Windowed") ? Qt::WindowFullScreen : Qt::WindowNoState);
        const auto pressTwice = [&](const QString &what) {
            for (int press = 1; press <= 2; ++press) {
                w.activateWindow();
                QTRY_VERIFY(QApplication::activeWindow() == &w);
                const bool wasFull = w.windowState().testFlag(Qt::WindowFullScreen);
                const QString text = toggle->text();
                QWidget *focus = QApplication::focusWidget();
                QTest::keyClick(focus ? focus : &w, Qt::Key_F, Qt::ControlModifier);
                const QString pressed = QStringLiteral("%1, press %2").arg(what, QString::number(press));
                QTRY_VERIFY2(w.windowState().testFlag(Qt::WindowFullScreen) != wasFull, qPrintable(pressed));
                QVERIFY2(toggle->text() != text, qPrintable(pressed));
            }
        };
        GameWindow *table = tableInFront(5001);
        QVERIFY(table);
        for (const QString language : {"", "ja", "zh_CN", "zh_TW", "en"}) {
            if (!language.isEmpty()) {
                m_translations->setLanguage(language);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            }
            w.displayLobby();
            pressTwice(language + QStringLiteral(" lobby"));
            QVERIFY(tableInFront(5001));
            pressTwice(language + QStringLiteral(" table"));
        }
        w.setWindowState(Qt::WindowNoState);
    }
};

MAHJONG_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
