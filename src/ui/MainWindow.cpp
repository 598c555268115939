#include "ui/MainWindow.h"

#include "ui_MainView.h"

#include "app/Singleton.h"
#include "app/Utils.h"
#include "app/startup/MahjongApplication.h"
#include "app/version.h"
#include "chat/ConferenceTableChat.h"
#include "chat/PlayerDbChatAdapter.h"
#include "chat/RosterAvailability.h"
#include "chat/TablePresenceManager.h"
#include "connection/PlayerDb.h"
#include "connection/ServerTime.h"
#include "game/GameController.h"
#include "game/TableWindowServices.h"
#include "lobby/ComingEventsModel.h"
#include "lobby/LobbyController.h"
#include "lobby/LocalizationDb.h"
#include "lobby/TournamentsControllerLookup.h"
#include "ui/ModelessMsgBox.h"
#include "ui/UrlHandler.h"
#include "ui/WindowFit.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QLocale>
#include <QScreen>
#include <QSettings>

namespace {

const QString defaultTrademarkStyle
    = QStringLiteral("font-size:8pt; font-weight:600; vertical-align:super;");

QDateTime serverNow()
{
    return Singleton<ServerTime>::instance().now();
}

} // namespace

MainWindow::MainWindow(const QString &host, quint16 port, const QString &user,
                       const QString &password, bool ssl, const QString &webHost,
                       const QMap<WebPageRequest::enum_t, QString> &pageOverrides,
                       TranslationsManager *translations, QWidget *parent)
    : QMainWindow(parent)
    , m_connectionManager(ssl)
    , m_playerDb(new PlayerDb(&m_connectionManager, nullptr, this))
    , m_playerDbChat(new PlayerDbChatAdapter(&m_chatClient, m_playerDb, this))
    , m_chatController(m_playerDb, &m_chatClient)
    , m_translations(translations)
    , m_ui(std::make_unique<Ui::MainView>())
    , m_host(host)
    , m_port(port)
    , m_user(user)
    , m_password(password)
    , m_webHost(webHost)
    , m_localizationDb(new LocalizationDb(&m_connectionManager, translations, this))
    , m_trademarkStyle(defaultTrademarkStyle)
    , m_rosterModel(&m_chatClient)
{
    // The clock and the next-tournament line; the login flow starts the timer.
    m_updateTimer.setInterval(UpdateIntervalMs);
    connect(&m_updateTimer, &QTimer::timeout, this, &MainWindow::onUpdateTimeout);

    m_ui->setupUi(this);
    m_windowFit = new WindowFit(this);

    m_urlHandler = new UrlHandler(&m_connectionManager, pageOverrides, translations, webHost, this);
    connect(m_urlHandler, &UrlHandler::webPageRequested, this, &MainWindow::onWebPageRequested);
    connect(m_urlHandler, &UrlHandler::webPageReceived, this, &MainWindow::onWebPageReceived);
    connect(m_urlHandler, &UrlHandler::launchBrowser, this,
            qOverload<const QUrl &, bool>(&MainWindow::onLaunchBrowser));
    connect(m_urlHandler, &UrlHandler::internalPage, this, &MainWindow::onInternalPage);
    connect(m_urlHandler, &UrlHandler::pageNotAvailable, this, &MainWindow::onPageNotAvailable);
    connect(m_urlHandler, &UrlHandler::accountPagesAvailable, this, &MainWindow::onAccountPagesAvailable);

    m_tournamentsController = new TournamentsController(&m_connectionManager, m_ui->lobbyWidget, this);
    connect(m_tournamentsController, &TournamentsController::launchBrowser, m_urlHandler,
            &UrlHandler::openUrl);
    m_tournamentLookup = new TournamentsControllerLookup(m_tournamentsController, this);
    TableWindowServices services;
    services.tableNames = m_localizationDb;
    services.players = m_playerDb;
    services.tableChat = [this]() -> std::unique_ptr<TableChat> {
        return std::make_unique<ConferenceTableChat>(&m_chatController);
    };
    services.roster = availableRosterPlayers(&m_rosterModel);
    m_gameController = new GameController(&m_connectionManager, services, m_tournamentLookup, this);
    m_gameController->setCompactTableLayout(
        QSettings().value(QStringLiteral("game/compactView"), true).toBool());
    m_lobbyController = new LobbyController(&m_connectionManager, m_ui->centralWidget);
    // Parented to the game controller, whose tables it follows.
    new TablePresenceManager(m_gameController, &m_chatClient);

    setWindowTitle(applicationTitle());

    connectLoginFlow();
    connectTables();

    m_styleSheetAction.setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R));
    addAction(&m_styleSheetAction);
    connect(&m_styleSheetAction, &QAction::triggered, this, [] {
        if (auto *application = qobject_cast<MahjongApplication *>(QCoreApplication::instance()))
            application->loadStyleSheet();
    });

    m_ui->adSidePage->setMahjongHost(m_host);
    m_ui->adSidePage->setWebHost(m_webHost);
    m_ui->adSidePage->setTopFrameHidden(true);
    connect(m_ui->adSidePage, &EmbeddedWebPage::displayTab, this, &MainWindow::onDisplayTab);
    connect(m_ui->adSidePage, &EmbeddedWebPage::launchBrowser, m_urlHandler, &UrlHandler::openUrl);
    m_ui->lobbySummary->setPlayerDb(m_playerDb);
    showLoginPage(m_user, m_password);
    connectQuit();

    updatePoweredByText();
    updateToggleWindowedText();
    m_ui->loginWindow->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    storeLobbyTab();
    releaseLobbyTables();
    // The table list goes last: the lobby's lists, the tables and the dialogs that follow
    // lobby paths give their subscriptions back to it first.
    m_lobbyController->setParent(nullptr);
    // Every object below the window reaches the connection manager, the chat client or the
    // chat context, which are members: the children go first, the latest built first, as
    // each may use those built before it (the player directory and the table names last).
    std::vector<QPointer<QObject>> owned;
    const QObjectList &all = children();
    for (auto child = all.rbegin(); child != all.rend(); ++child) {
        if (!qobject_cast<QLayout *>(*child))
            owned.emplace_back(*child);
    }
    for (const QPointer<QObject> &child : owned)
        delete child.data();
    delete m_lobbyController;
}

QString MainWindow::applicationTitle()
{
    return QStringLiteral("Corvana Mahjong - ") + clientVersionString();
}

void MainWindow::setTrademarkStyle(const QString &style)
{
    m_trademarkStyle = style;
    updatePoweredByText();
}

void MainWindow::updatePoweredByText()
{
    const QString mark = QStringLiteral("<span style=\"%1\">%2</span>")
                             .arg(m_trademarkStyle.toHtmlEscaped(),
                                  tr("TM", "Trademark abbreviation").toHtmlEscaped());
    m_ui->pellandorLogo->setText(tr("Powered by Pellandor%1").arg(mark));
}

void MainWindow::updateToggleWindowedText()
{
    // A button's new text makes the text's mnemonic its shortcut: the form's Ctrl+F stays.
    QPushButton *button = m_ui->toggleFullscreenButton;
    const QKeySequence shortcut = button->shortcut();
    button->setText(m_fullscreen ? tr("Windowed") : tr("Fullscreen"));
    button->setShortcut(shortcut);
}

void MainWindow::restoreWindowGeometry()
{
    QSettings settings;
    // The stored size is a wish: a smaller screen than the one it was stored on shrinks
    // the window, and the wish stays for the next start.
    m_windowFit->setWishedSize(settings.value(QStringLiteral("game/windowSize"), QSize(1024, 768)).toSize());
    m_fullscreen = settings.value(QStringLiteral("game/windowFullscreen"), m_fullscreen).toBool();
    updateToggleWindowedText();
}

void MainWindow::saveWindowGeometry()
{
    QSettings settings;
    if (!(windowState() & Qt::WindowFullScreen))
        settings.setValue(QStringLiteral("game/windowSize"), m_windowFit->wishedSize());
    settings.setValue(QStringLiteral("game/windowFullscreen"), m_fullscreen);
}

void MainWindow::toggleWindowed()
{
    if (!(windowState() & Qt::WindowFullScreen))
        QSettings().setValue(QStringLiteral("game/windowSize"), m_windowFit->wishedSize());
    m_fullscreen = !m_fullscreen;
    setWindowState(m_fullscreen ? windowState() | Qt::WindowFullScreen
                                : windowState() & ~Qt::WindowFullScreen);
    updateToggleWindowedText();
    emit setToggleWindowedText(m_ui->toggleFullscreenButton->text());
}

void MainWindow::onStartupFinished(bool ok)
{
    if (!ok)
        return;
    m_connectionManager.connectTo(m_host, m_port);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->geometry() : QRect();
    if (available.width() < MinimumScreenWidth || available.height() < MinimumScreenHeight) {
        const QSize size = available.size();
        ModelessMsgBox::warning(this, [size] {
            return ModelessMsgBox::Texts{
                tr("Resolution too low!"),
                tr("You should have a resolution of at least 1024x768, you currently have %1x%2")
                    .arg(QString::number(size.width()), QString::number(size.height()))};
        });
    } else {
        restoreWindowGeometry();
    }
    show();
}

void MainWindow::onUpdateTimeout()
{
    m_ui->serverTime->setText(tr("Local time is %1").arg(Utils::localDateTimeText(serverNow())));
    updateNextTournamentText();
}

void MainWindow::updateNextTournamentText()
{
    if (m_nextTournamentStart.isValid() && m_nextTournamentStart < serverNow()) {
        m_nextTournamentStart = QDateTime();
        if (m_comingEventsModel)
            onComingEvents(m_comingEventsModel->comingEvents());
    }
    if (m_nextTournamentStart.isValid())
        m_ui->nextTournamentTextLabel->setText(
            tr("Tournament starts in: %1").arg(Utils::timeToStartText(m_nextTournamentStart)));
    else
        m_ui->nextTournamentTextLabel->clear();
}

void MainWindow::onComingEvents(const ComingEvents &events)
{
    const QDateTime now = serverNow();
    m_nextTournamentStart = QDateTime();
    for (const ComingEvent &event : events) {
        if (event.kind == ComingEvent::TournamentStart && event.time > now) {
            m_nextTournamentStart = event.time;
            break;
        }
    }
}

void MainWindow::onCurrentAccountBalance(std::int64_t balance, std::int64_t reserved,
                                         std::int64_t sequence)
{
    if (sequence <= m_balanceSequence)
        return;
    m_balance = balance;
    m_reserved = reserved;
    m_balanceSequence = sequence;
    updateBalanceText();
}

void MainWindow::updateBalanceText()
{
    if (m_balanceSequence < 0)
        return;
    const QString text = Utils::amountWithReservedText(m_balance, m_reserved);
    m_ui->accountBalanceLabel->setText(tr("You have %1").arg(text));
    m_ui->topBarAccountBalanceLabel->setText(text);
}

void MainWindow::setPlayerName(const QString &name)
{
    m_gameController->setPlayerName(name);
    m_ui->loggedInAsLabel->setText(m_gameController->playerName());
}

void MainWindow::onPlayerNameUpdate(qint32 id, const QString &name)
{
    if (id == m_gameController->playerId())
        setPlayerName(name);
}

void MainWindow::onPlayerPictureUpdate(qint32 id)
{
    if (id == m_playerDb->localPlayerId())
        m_ui->avatarLabel->setPixmap(m_playerDb->picture(id, true));
}

void MainWindow::onChangePictureFailed()
{
    qWarning() << "changing avatar picture failed :(";
}

void MainWindow::offerRegistrationCompletion(int context)
{
    auto *box = ModelessMsgBox::question(this, [context] {
        QString title;
        switch (context) {
        case 0:
            title = tr("Registration");
            break;
        case 1:
            title = tr("Join Failed");
            break;
        case 2:
            title = tr("Tournament registration");
            break;
        default:
            break;
        }
        return ModelessMsgBox::Texts{title, tr("You are not fully registered and therefore not allowed to play "
                                               "for money.\nDo you want to complete your registration now?")};
    });
    ModelessMsgBox::connectFinished(box, this, [this](int result) {
        if (result == QDialogButtonBox::Yes)
            m_urlHandler->openWebPage(WebPageRequest::ACCOUNT, QStringLiteral("TTM"));
    });
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        setWindowTitle(applicationTitle());
        retranslatePages();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslatePages()
{
    updatePoweredByText();
    updateBalanceText();
    retranslateTabs();
    updateToggleWindowedText();
    onUpdateTimeout();
    m_urlHandler->requestAccountPages();
    m_urlHandler->openWebPage(WebPageRequest::INTERNAL_WELCOME);
    m_urlHandler->openWebPage(WebPageRequest::INTERNAL_HOWTO);
    m_urlHandler->openWebPage(WebPageRequest::ADVERTISEMENT_LOBBY_SIDE);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->loginWindow && event->type() == QEvent::Paint && !m_loginPageShown) {
        m_loginPageShown = true;
        m_ui->loginWindow->removeEventFilter(this);
        qWarning().noquote() << " [INFO ] login page shown";
    }
    return QMainWindow::eventFilter(watched, event);
}
