// The logged-in page: the six lobby tabs, the side column that follows them, and the
// account, help and browser pages.
#include "ui/MainWindow.h"

#include "ui_MainView.h"

#include "app/startup/GameSounds.h"
#include "chat/FriendsWindow.h"
#include "game/GameController.h"
#include "lobby/LobbyController.h"
#include "lobby/LobbyWindow.h"
#include "lobby/LocalizationDb.h"
#include "lobby/TableModel.h"
#include "lobby/TournamentsLobbyWindow.h"
#include "ui/BusyCursor.h"
#include "ui/ExternalBrowser.h"
#include "ui/ModelessMsgBox.h"
#include "ui/PreferencesWindow.h"
#include "ui/UrlHandler.h"
#include "ui/web/EmbeddedBrowser.h"
#include "ui/web/EmbeddedWebPage.h"

#include <QDebug>
#include <QLabel>
#include <QSettings>
#include <QUrlQuery>

namespace {

enum Tab { WelcomeTab, LobbyTab, TournamentTab, PreferencesTab, FriendsTab, HowtoTab, TabCount };

const char *const tabKeywords[TabCount] = {"welcome", "lobby", "tournament", "preferences", "friends", "howto"};
const char *const tabIcons[TabCount] = {
    "resources:tabicons/startpage.png", "resources:tabicons/lobby.png",
    "resources:tabicons/tournament.png", "resources:tabicons/preferences.png",
    "resources:tabicons/friends.png",   "resources:tabicons/help.png",
};

const QString practicePath = QStringLiteral("101/Practice");
const QString welcomeFallback = QStringLiteral("localwww:/welcome.html");
const QString howtoFallback = QStringLiteral("localwww:/howto.html");
constexpr int lobbyMusic = 13;

} // namespace

void MainWindow::displayLobby()
{
    if (m_ui->mainTabs->count() == 0) {
        buildTabs();
        m_ui->mainTabs->setCurrentIndex(QSettings().value(QStringLiteral("game/lobbyTab"), 0).toInt());
        onCurrentTabChanged(m_ui->mainTabs->currentIndex());
    }
    m_ui->tableSelector->setActiveTable(-1);
    m_ui->loggedInStack->setCurrentWidget(m_ui->lobbyWidget);
    m_ui->centralWidget->setCurrentWidget(m_ui->loggedInWidget);
    startLobbyMusic();
    BusyCursor::restore(this);
}

void MainWindow::releaseLobbyTables()
{
    if (m_ui->mainTabs->count() > 0)
        m_lobbyController->tableModel()->unsubscribe(practicePath);
}

EmbeddedWebPage *MainWindow::createTabPage(const QString &name)
{
    auto *page = new EmbeddedWebPage(this);
    page->setObjectName(name);
    page->setMahjongHost(m_host);
    page->setWebHost(m_webHost);
    connect(page, &EmbeddedWebPage::displayTab, this, &MainWindow::onDisplayTab);
    connect(page, &EmbeddedWebPage::launchBrowser, m_urlHandler, &UrlHandler::openUrl);
    return page;
}

void MainWindow::buildTabs()
{
    UTabWidget *tabs = m_ui->mainTabs;
    updatePoweredByText();
    m_ui->tableSelector->setLocalizationDb(m_localizationDb);
    connect(tabs, &UTabWidget::currentChanged, this, &MainWindow::onCurrentTabChanged);

    m_welcomePage = createTabPage(QStringLiteral("welcomePage"));
    tabs->addTab(m_welcomePage, QString());
    m_urlHandler->openWebPage(WebPageRequest::INTERNAL_WELCOME);

    LobbyWindow *lobby = m_lobbyController->createLobbyWindow();
    lobby->setParent(m_ui->lobbyWidget);
    lobby->show();
    TableModel *tables = m_lobbyController->tableModel();
    tables->subscribe(practicePath);
    tables->setLocalizationDb(m_localizationDb);
    m_localizationDb->setTableModel(tables);
    m_gameController->setTableModel(tables);
    m_tournamentsController->setTableModel(tables);
    connect(lobby, &LobbyWindow::tableSelected, m_ui->tablePreview, &TablePreview::onPreviewTable);
    m_ui->tablePreview->setTableModel(tables);
    m_ui->tablePreview->setConnectionManager(&m_connectionManager);
    m_ui->tablePreview->setPlayerDb(m_playerDb);
    tabs->addTab(lobby, QString());

    TournamentsLobbyModel *tournaments = m_tournamentsController->tournamentsModel();
    m_ui->comingTournaments->setTournamentsModel(tournaments);
    m_ui->comingTournaments->setTournamentsController(m_tournamentsController);
    connect(m_ui->comingTournaments, &ComingTournamentsWidget::unregisterTournament,
            &m_connectionManager, &ConnectionManager::unregister_tournament_request);

    TournamentsLobbyWindow *tournamentsWindow = m_tournamentsController->createTournamentsLobbyWindow();
    connect(tournamentsWindow, &TournamentsLobbyWindow::launchBrowser, m_urlHandler, &UrlHandler::openUrl);
    tabs->addTab(tournamentsWindow, QString());
    connect(m_ui->tournamentPreview, &TournamentPreview::unregisterTournament, &m_connectionManager,
            &ConnectionManager::unregister_tournament_request);
    connect(m_ui->tournamentPreview, &TournamentPreview::deposit, this, &MainWindow::onDeposit);
    connect(tournamentsWindow, &TournamentsLobbyWindow::tournamentSelected, m_ui->tournamentPreview,
            &TournamentPreview::onPreviewTournament);
    connect(tournamentsWindow, &TournamentsLobbyWindow::tournamentActivated, m_tournamentsController,
            &TournamentsController::createTournamentDetailDialog);
    m_ui->tournamentPreview->setTournamentsController(m_tournamentsController);
    m_ui->tournamentPreview->setTournamentsModel(tournaments);

    m_preferencesWindow = new PreferencesWindow(m_translations, m_playerDb, m_ui->lobbyWidget);
    tabs->addTab(m_preferencesWindow, QString());
    connect(m_preferencesWindow, &PreferencesWindow::compactViewChanged, m_gameController,
            &GameController::setCompactTableLayout);

    m_ui->lobbyChat->setSuppressedNotices(ConferenceWidget::OwnJoinLeave
                                          | ConferenceWidget::ParticipantJoinLeave
                                          | ConferenceWidget::ParticipantKickBan);
    m_ui->lobbyChat->setXmppContext(&m_chatController);

    m_friendsWindow = new FriendsWindow(&m_chatClient, &m_rosterModel, m_playerDb, m_localizationDb,
                                        m_ui->lobbyWidget);
    m_friendsWindow->setTableModel(tables);
    tabs->addTab(m_friendsWindow, QString());

    m_howtoPage = createTabPage(QStringLiteral("howtoPage"));
    tabs->addTab(m_howtoPage, QString());
    m_urlHandler->openWebPage(WebPageRequest::INTERNAL_HOWTO);

    retranslateTabs();

    connect(m_gameController, &GameController::tableActivity, m_ui->tableSelector,
            &TableSelector::onTableActivity);
    connect(m_gameController, &GameController::tableActiveChanged, m_ui->tableSelector,
            &TableSelector::onTableActiveChanged);
    connect(m_ui->toggleFullscreenButton, &QPushButton::clicked, this, &MainWindow::toggleWindowed);
    connect(m_ui->supportButton, &QPushButton::clicked, this, &MainWindow::onExternSupport);
    connect(m_ui->cashierButton, &QPushButton::clicked, this, &MainWindow::onDeposit);
    m_ui->accountButton->setMenu(&m_accountMenu);
    connectLobbyTables();
}

void MainWindow::retranslateTabs()
{
    UTabWidget *tabs = m_ui->mainTabs;
    if (tabs->count() < TabCount)
        return;
    const QString labels[TabCount] = {tr("Start"),    tr("Play"),    tr("Tournaments"),
                                      tr("Settings"), tr("Friends"), tr("Game Guide")};
    for (int i = 0; i < TabCount; ++i) {
        tabs->setTabText(i, labels[i]);
        tabs->setTabIcon(i, QIcon(QString::fromLatin1(tabIcons[i])));
    }
    m_welcomePage->titleLabel()->setPixmap(QPixmap(QStringLiteral("textimages:welcome.png")));
    m_howtoPage->titleLabel()->setPixmap(QPixmap(QStringLiteral("textimages:howto.png")));
}

void MainWindow::onDisplayTab(const QString &keyword)
{
    for (int i = 0; i < TabCount; ++i) {
        if (keyword == QLatin1String(tabKeywords[i])) {
            m_ui->mainTabs->setCurrentIndex(i);
            return;
        }
    }
}

void MainWindow::onCurrentTabChanged(int index)
{
    Ui::MainView &ui = *m_ui;
    switch (index) {
    case WelcomeTab:
    case PreferencesTab:
    case HowtoTab:
        ui.lobbyChatFrame->hide();
        ui.containerWidget->show();
        ui.lobbySummaryContainer->show();
        ui.tablePreviewContainer->hide();
        ui.tournamentPreviewContainer->hide();
        ui.comingTournamentsContainer->show();
        break;
    case LobbyTab:
        ui.lobbyChatFrame->hide();
        ui.containerWidget->show();
        ui.lobbySummaryContainer->hide();
        ui.tablePreviewContainer->show();
        ui.tournamentPreviewContainer->hide();
        ui.comingTournamentsContainer->hide();
        break;
    case TournamentTab:
        ui.lobbyChatFrame->hide();
        ui.containerWidget->show();
        ui.lobbySummaryContainer->hide();
        ui.tablePreviewContainer->hide();
        ui.tournamentPreviewContainer->show();
        ui.comingTournamentsContainer->hide();
        break;
    case FriendsTab:
        ui.lobbyChatFrame->show();
        ui.containerWidget->hide();
        break;
    default:
        ui.containerWidget->show();
        break;
    }
}

void MainWindow::onAccountPagesAvailable(const QList<QPair<QString, QString>> &pages)
{
    m_accountMenu.clear();
    for (const auto &[page, title] : pages) {
        QAction *action = m_accountMenu.addAction(title);
        action->setData(page);
        connect(action, &QAction::triggered, this, &MainWindow::onAccountMenuAction);
    }
}

void MainWindow::onAccountMenuAction()
{
    if (auto *action = qobject_cast<QAction *>(sender()))
        m_urlHandler->openWebPage(WebPageRequest::ACCOUNT, action->data().toString());
}

void MainWindow::onWebPageRequested(WebPageRequest::enum_t request)
{
    if (request != WebPageRequest::ACCOUNT)
        return;
    m_ui->accountButton->setEnabled(false);
    m_ui->cashierButton->setEnabled(false);
}

void MainWindow::onWebPageReceived(WebPageRequest::enum_t request)
{
    if (request != WebPageRequest::ACCOUNT)
        return;
    m_ui->accountButton->setEnabled(true);
    m_ui->cashierButton->setEnabled(true);
}

void MainWindow::onInternalPage(WebPageRequest::enum_t request, const QUrl &url)
{
    switch (request) {
    case WebPageRequest::INTERNAL_WELCOME:
    case WebPageRequest::INTERNAL_HOWTO: {
        const bool welcome = request == WebPageRequest::INTERNAL_WELCOME;
        EmbeddedWebPage *page = welcome ? m_welcomePage : m_howtoPage;
        if (!page)
            return;
        const QUrl fallback(welcome ? welcomeFallback : howtoFallback);
        page->setFallbackUrl(fallback);
        page->setUrl(url.isEmpty() ? fallback : url);
        break;
    }
    case WebPageRequest::ADVERTISEMENT_LOBBY_SIDE:
        m_ui->adSidePage->setUrl(url.isEmpty() ? QUrl(QStringLiteral("about:blank")) : url);
        break;
    default:
        break;
    }
}

void MainWindow::onPageNotAvailable()
{
    plainBox(ModelessMsgBox::Warning, [] {
        return ModelessMsgBox::Texts{tr("Page not available"),
                                     tr("This page is not available at the moment. Please try again later.")};
    });
}

void MainWindow::onLaunchBrowser(const QUrl &url, bool external)
{
    if (url.isEmpty())
        return;
    const QString target = QUrlQuery(url).queryItemValue(QStringLiteral("_Target"));
    if (target == QLatin1String("internal"))
        external = false;
    else if (target == QLatin1String("external"))
        external = true;
    if (external) {
        // Addresses come from the game server and from pages: only web pages leave the
        // client, never local files, shares or other programs' schemes.
        const QString scheme = url.scheme();
        if (scheme.compare(QLatin1String("http"), Qt::CaseInsensitive) != 0
            && scheme.compare(QLatin1String("https"), Qt::CaseInsensitive) != 0) {
            qWarning().noquote() << QStringLiteral("refused to open %1 outside the client: not a web page")
                                        .arg(url.toDisplayString());
            return;
        }
        ExternalBrowser::open(this, url);
        return;
    }
    auto *browser = findChild<EmbeddedBrowser *>(QString(), Qt::FindDirectChildrenOnly);
    if (!browser) {
        browser = new EmbeddedBrowser(this);
        browser->setWebHost(m_webHost);
        connect(browser, &EmbeddedBrowser::launchBrowser, m_urlHandler, &UrlHandler::openUrl);
    }
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->load(url);
    browser->showAndRaise(true);
}

void MainWindow::onLaunchBrowser(const QUrl &url)
{
    onLaunchBrowser(url, false);
}

void MainWindow::onHelp()
{
    m_urlHandler->openWebPage(WebPageRequest::HELP);
}

void MainWindow::onExternSupport()
{
    m_urlHandler->openWebPage(WebPageRequest::SUPPORT);
}

void MainWindow::onDeposit()
{
    m_urlHandler->openUrl(QStringLiteral("client://my-account/deposit"));
}

void MainWindow::onResetPassword()
{
    m_urlHandler->openWebPage(WebPageRequest::RESET_PASSWORD);
}

void MainWindow::startLobbyMusic()
{
    GameSounds::instance().play(lobbyMusic, GameSounds::LOOP | GameSounds::EXCLUSIVE);
}

void MainWindow::stopLobbyMusic()
{
    GameSounds::instance().stop(lobbyMusic);
}
