// The connection and the login: connecting after start-up (with a retry question when
// the server cannot be reached), the steps after a successful login, the chat client
// started from the server's configuration, the change of a provisional screen name, the
// registration form and the fatal conditions.
#include "ui/MainWindow.h"

#include "ui_MainView.h"

#include "app/MachineIdentifier.h"
#include "app/Singleton.h"
#include "app/startup/MahjongApplication.h"
#include "chat/ChatManager.h"
#include "chat/FriendsWindow.h"
#include "connection/PlayerDb.h"
#include "connection/ServerTime.h"
#include "game/GameController.h"
#include "game/GameWindow.h"
#include "lobby/ComingEventsModel.h"
#include "lobby/ComingEventsView.h"
#include "lobby/LocalizationDb.h"
#include "lobby/TournamentsLobbyModel.h"
#include "table/scene/WindView.h"
#include "ui/BusyCursor.h"
#include "ui/CreateUserWindow.h"
#include "ui/LoginWindow.h"
#include "ui/ModelessMsgBox.h"
#include "ui/SetScreennameDialog.h"
#include "ui/UrlHandler.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

constexpr quint16 defaultChatPort = 5222;

void showFatalBox(QWidget *parent, const QString &title, const QString &text, int exitCode)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    QCoreApplication::exit(exitCode);
}

// Where `place` moves clear of every one of `taken`, inside `area`: where it is, else
// along its row to the right of one of them, else down its column below one of them,
// nearest first; where none is clear, where it is.
QPoint clearOf(const QRect &place, const QRect &area, const std::vector<QRect> &taken)
{
    constexpr int Gap = 8;
    std::vector<QPoint> inRow;
    std::vector<QPoint> inColumn;
    for (const QRect &box : taken) {
        inRow.emplace_back(box.right() + 1 + Gap, place.y());
        inColumn.emplace_back(place.x(), box.bottom() + 1 + Gap);
    }
    const auto byX = [](const QPoint &a, const QPoint &b) { return a.x() < b.x(); };
    const auto byY = [](const QPoint &a, const QPoint &b) { return a.y() < b.y(); };
    std::sort(inRow.begin(), inRow.end(), byX);
    std::sort(inColumn.begin(), inColumn.end(), byY);
    std::vector<QPoint> candidates{place.topLeft()};
    candidates.insert(candidates.end(), inRow.begin(), inRow.end());
    candidates.insert(candidates.end(), inColumn.begin(), inColumn.end());
    for (const QPoint &corner : candidates) {
        const QRect rect(corner, place.size());
        if (area.contains(rect)
            && std::none_of(taken.begin(), taken.end(), [&rect](const QRect &box) { return box.intersects(rect); }))
            return corner;
    }
    return place.topLeft();
}

MainWindow::FatalHandler &fatalHandler()
{
    static MainWindow::FatalHandler handler = &showFatalBox;
    return handler;
}

} // namespace

void MainWindow::setFatalHandler(FatalHandler handler)
{
    fatalHandler() = handler ? std::move(handler) : FatalHandler(&showFatalBox);
}

void MainWindow::fatal(const QString &title, const QString &text)
{
    qWarning().noquote() << "ending the program:" << text;
    // The box may open inside the handling of a packet; what the server sent after it
    // must not be acted on while it is open, nor after.
    m_connectionManager.stopDispatching();
    fatalHandler()(this, title, text, 1);
}

ModelessMsgBox::MsgBox *MainWindow::plainBox(int kind, ModelessMsgBox::Wording wording,
                                             QDialogButtonBox::StandardButtons buttons)
{
    const auto defaultButton = buttons.testFlag(QDialogButtonBox::Yes) ? QDialogButtonBox::Yes
                                                                       : QDialogButtonBox::NoButton;
    ModelessMsgBox::MsgBox *box = ModelessMsgBox::create(this, kind, std::move(wording), buttons, defaultButton);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
    box->raise();
    box->centerOnParent();
    return box;
}

void MainWindow::askPlain(ModelessMsgBox::Wording wording, std::function<void()> onYes)
{
    auto *box = plainBox(ModelessMsgBox::Question, std::move(wording), QDialogButtonBox::Yes | QDialogButtonBox::No);
    ModelessMsgBox::connectFinished(box, this, [onYes = std::move(onYes)](int result) {
        if (result == QDialogButtonBox::Yes)
            onYes();
    });
}

void MainWindow::connectLoginFlow()
{
    using CM = ConnectionManager;
    connect(&m_connectionManager, &CM::exceptionCaught, this, &MainWindow::onExceptionCaught);
    connect(&m_connectionManager, &CM::connected, this, &MainWindow::onConnected);
    connect(&m_connectionManager, &CM::disconnected, this, &MainWindow::onDisconnected);
    connect(&m_connectionManager, &CM::connectionFailed, this, &MainWindow::onConnectionFailed);
    connect(&m_connectionManager, &CM::forcedLogout, this, &MainWindow::onForcedLogout);
    connect(&m_connectionManager, &CM::systemMessage, this, &MainWindow::onSystemMessage);
    connect(&m_connectionManager, &CM::versionCheckComplete, this, &MainWindow::onVersionCheckComplete);
    connect(&m_connectionManager, &CM::loginSuccess, this, &MainWindow::loginSuccessful);
    connect(&m_connectionManager, &CM::clientConfig, this, &MainWindow::onClientConfig);
    connect(&m_connectionManager, &CM::currentAccountBalance, this, &MainWindow::onCurrentAccountBalance);
    connect(&m_connectionManager, &CM::playerMessage, this, &MainWindow::onPlayerMessage);
    connect(&m_connectionManager, &CM::lobbySummary, m_ui->lobbySummary, &LobbySummary::onLobbySummary);

    connect(m_playerDb, &PlayerDb::changePictureFailed, this, &MainWindow::onChangePictureFailed);
    connect(m_playerDb, &PlayerDb::playerNameUpdate, this, &MainWindow::onPlayerNameUpdate);
    connect(m_playerDb, &PlayerDb::playerPictureUpdate, this, &MainWindow::onPlayerPictureUpdate);
    connect(m_playerDb, &PlayerDb::setScreennameOk, this, &MainWindow::onSetScreennameOk);
    connect(m_playerDb, &PlayerDb::setScreennameFailed, this, &MainWindow::onSetScreennameFailed);

    LoginWindow *loginWindow = m_ui->loginWindow;
    connect(loginWindow, &LoginWindow::login, this, &MainWindow::login);
    connect(loginWindow, &LoginWindow::createUser, this, &MainWindow::onCreateUser);
    connect(loginWindow, &LoginWindow::resetPassword, this, &MainWindow::onResetPassword);
    connect(&m_connectionManager, &CM::loginFailed, this, [this] { BusyCursor::restore(&m_loginCursor); });
    connect(&m_connectionManager, &CM::loginFailed, loginWindow, &LoginWindow::onLoginFailed);
    connect(&m_connectionManager, &CM::connecting, loginWindow, &LoginWindow::onConnecting);
    connect(&m_connectionManager, &CM::connected, loginWindow, &LoginWindow::onConnected);
    connect(&m_connectionManager, &CM::disconnected, loginWindow, &LoginWindow::onDisconnected);

    CreateUserWindow *createUserWindow = m_ui->createUserWindow;
    connect(createUserWindow, &CreateUserWindow::cancelPressed, this, &MainWindow::onCreateUserCancel);
    connect(createUserWindow, &CreateUserWindow::termsPressed, this, &MainWindow::onCreateUserTerms);
    connect(createUserWindow, &CreateUserWindow::registerUser, this, &MainWindow::onCreateUserInfo);
    connect(m_playerDb, &PlayerDb::registerUserOk, createUserWindow, &CreateUserWindow::onRegisterSucceeded);
    connect(m_playerDb, &PlayerDb::registerUserFailed, createUserWindow, &CreateUserWindow::onRegisterFailed);
    // Through the window, so that a later reconnection logs in with these credentials.
    connect(createUserWindow, &CreateUserWindow::doLogin, this, &MainWindow::login);
    connect(&m_connectionManager, &CM::webPage, this, &MainWindow::onRegistrationPage);

    connect(&m_chatClient, &XMPPClient::connected, this, &MainWindow::onXMPPConnected);
    connect(&m_chatClient, &XMPPClient::disconnected, this, &MainWindow::onXMPPDisconnected);
    connect(&m_chatClient, &XMPPClient::conferenceRooms, this, &MainWindow::onConferenceRooms);
    connect(&m_chatClient, &XMPPClient::conferenceJID, this, &MainWindow::onConferenceJID);
}

void MainWindow::onConnected()
{
    qWarning().noquote() << " [INFO ] connected to host";
    if (auto *application = qobject_cast<MahjongApplication *>(QCoreApplication::instance()))
        application->startNetworkStats(&m_connectionManager);
}

void MainWindow::onConnectionFailed(const QString &reason)
{
    auto *box = plainBox(
        ModelessMsgBox::Question,
        [reason] {
            return ModelessMsgBox::Texts{tr("Connection failed"),
                                         tr("Could not connect to the game server:\n%1\nTry again?").arg(reason)};
        },
        QDialogButtonBox::Yes | QDialogButtonBox::No);
    ModelessMsgBox::connectFinished(box, this, [this, reason](int result) {
        if (result == QDialogButtonBox::Yes)
            m_connectionManager.connectToServer();
        else
            fatal(tr("Connection failed"), tr("Could not connect to the game server:\n%1").arg(reason));
    });
}

void MainWindow::onVersionCheckComplete()
{
    qWarning().noquote() << " [INFO ] version check complete";
    // The reconnection after a new screen name logs in again once the server has
    // accepted the version: a login sent earlier would go out before the handshake.
    if (m_screennameState == ScreennameReconnecting) {
        m_screennameState = ScreennameLoggingIn;
        m_connectionManager.login(m_user, m_password);
    }
    m_ui->loginWindow->setLoginAllowed(true);
    m_urlHandler->openWebPage(WebPageRequest::ADVERTISEMENT_LOBBY_SIDE);
}

void MainWindow::login(const QString &user, const QString &password)
{
    m_user = user;
    m_password = password;
    QSettings().setValue(QStringLiteral("login/userName"), user);
    BusyCursor::set(&m_loginCursor);
    m_connectionManager.login(user, password);
}

void MainWindow::loginSuccessful(qint32 playerId, const QString &name, const QString &secret,
                                 bool fullyRegistered)
{
    m_fullyRegistered = fullyRegistered;
    qWarning().noquote() << QStringLiteral(" [INFO ] logged in, pid: %1 fully registered: %2")
                                .arg(QString::number(playerId), fullyRegistered ? QStringLiteral("true")
                                                                                 : QStringLiteral("false"));
    m_gameController->setPlayerId(playerId);
    m_playerDb->setLocalPlayer(playerId, name);

    if (name.startsWith(QLatin1String("player-"), Qt::CaseInsensitive)) {
        askForScreenname(QString());
        BusyCursor::restore(&m_loginCursor);
        m_ui->loginWindow->hide();
        return;
    }

    m_urlHandler->setLoggedIn();
    m_urlHandler->requestAccountPages();
    m_connectionManager.log_client_uuid(MachineIdentifier::instance().id());
    m_connectionManager.query_account_balance();
    m_connectionManager.query_lobby_summary();
    m_localizationDb->refreshTableNames();
    Singleton<ServerTime>::instance().setConnection(&m_connectionManager);

    if (!m_comingEventsModel) {
        m_comingEventsModel = new ComingEventsModel(
            &m_connectionManager, m_tournamentsController->tournamentsModel(), this);
        connect(m_comingEventsModel, &ComingEventsModel::comingEventsChanged, this,
                &MainWindow::onComingEvents);
        m_comingEventsView = new ComingEventsView(m_comingEventsModel, m_ui->loggedInWidget);
        m_comingEventsView->setArea([this](const QSize &notice) { return comingEventArea(notice); });
        connect(m_ui->loggedInStack, &QStackedWidget::currentChanged, m_comingEventsView,
                &ComingEventsView::updatePlace);
    }
    m_loginSecret = secret;
    m_connectionManager.query_client_config();
    connect(m_tournamentsController->tournamentsModel(), &TournamentsLobbyModel::tournamentAdded, this,
            &MainWindow::onTournamentAdded, Qt::UniqueConnection);
    displayLobby();
    BusyCursor::restore(&m_loginCursor);
    setWindowState(m_fullscreen ? windowState() | Qt::WindowFullScreen
                                : windowState() & ~Qt::WindowFullScreen);
    m_connectionManager.tournaments_lobby_subscribe();

    ServerTime &clock = Singleton<ServerTime>::instance();
    connect(&clock, &ServerTime::updatedEstimate, this, &MainWindow::onUpdateTimeout, Qt::UniqueConnection);
    m_updateTimer.setInterval(UpdateIntervalMs);
    onUpdateTimeout();
    m_updateTimer.start();

    if (m_ui->createUserWindow->isRegistered())
        m_urlHandler->openWebPage(WebPageRequest::POST_REGISTRATION);
    if (!m_fullyRegistered)
        offerRegistrationCompletion(0);
}

// The lobby's pages below their tabs, in the window: a chat window in the corner at the
// bottom right leaves the tabs, the lists on the left of the pages (the friends among
// them) and the side column free.
QRect MainWindow::chatWindowArea() const
{
    const QWidget *pages = m_ui->loggedInStack;
    return QRect(pages->mapTo(this, QPoint()), pages->size()).adjusted(8, 8, -8, -8);
}

QList<QRect> MainWindow::chatWindowKeepClear() const
{
    QList<QRect> keepClear;
    for (const QWidget *widget : findChildren<QWidget *>()) {
        const bool control = qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLineEdit *>(widget)
                             || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget)
                             || qobject_cast<const QTabBar *>(widget);
        if (control && widget->isVisible())
            keepClear << QRect(widget->mapTo(this, QPoint()), widget->size());
    }
    if (auto *table = qobject_cast<GameWindow *>(m_ui->loggedInStack->currentWidget()))
        keepClear << QRect(table->view()->mapTo(this, QPoint()), table->view()->size());
    return keepClear;
}

QRect MainWindow::comingEventArea(const QSize &notice) const
{
    QWidget *host = m_ui->loggedInWidget;
    // Over a table: its top-left corner, away from the top seat's melds and the side bar,
    // beside the round wind when late ponds have sent that into the corner, and clear of
    // every box over the table: else along the top beside a box, or down the left side
    // below one.
    if (auto *table = qobject_cast<GameWindow *>(m_ui->loggedInStack->currentWidget())) {
        const QGraphicsView *view = table->view();
        const QWidget *viewport = view->viewport();
        const QGraphicsItem *wind = table->prevalentWindView();
        const QRect disc = view->mapFromScene(wind->sceneBoundingRect()).boundingRect();
        const bool inCorner = wind->isVisible() && disc.left() < disc.width() && disc.top() < disc.height();
        const QPoint first = viewport->mapTo(host, QPoint(inCorner ? disc.right() + 8 : 8, 4));
        std::vector<QRect> boxes;
        std::vector<QRect> buttons;
        table->shownDialogs(boxes, buttons);
        for (QRect &box : boxes)
            box.translate(table->mapTo(host, QPoint()));
        if (wind->isVisible())
            boxes.push_back(disc.translated(viewport->mapTo(host, QPoint())));
        return QRect(clearOf(QRect(first, notice), QRect(viewport->mapTo(host, QPoint()), viewport->size()), boxes),
                     QSize(0, 0));
    }
    // In the lobby: the header between the logo and the account.
    const int top = m_ui->topBar->geometry().bottom() + 1;
    const int left = m_ui->logo->mapTo(host, QPoint(m_ui->logo->width(), 0)).x();
    const int right = m_ui->accountInfo->mapTo(host, QPoint()).x();
    const int bottom = m_ui->mainTabs->mapTo(host, QPoint()).y();
    return QRect(left + 8, top + 4, right - left - 16, bottom - top - 8);
}

void MainWindow::onClientConfig(const ClientConfig &config)
{
    m_clientConfig = config;
    const QString chatHost = config.xmppHost(m_host);
    const quint16 chatPort = config.xmppPort(defaultChatPort);
    m_searchService = config.hasSearchService() ? config.searchService()
                                                : QStringLiteral("search.") + chatHost;
    if (m_friendsWindow)
        m_friendsWindow->setSearchService(m_searchService);

    if (!m_chatManager) {
        m_chatManager = new ChatManager(&m_chatClient, m_playerDb, this);
        m_chatManager->setArea([this] { return chatWindowArea(); });
        m_chatManager->setKeepClear([this] { return chatWindowKeepClear(); });
        if (m_friendsWindow)
            connect(m_friendsWindow, &FriendsWindow::reqestChat, m_chatManager, &ChatManager::reqestChat);
    }
    // The account password never goes to the chat server: without the login secret the
    // chat stays off.
    if (m_loginSecret.isEmpty()) {
        qWarning() << "no chat secret in the login answer, the chat is not started";
        return;
    }
    m_chatClient.login(m_playerDb->localPlayerIdString(), m_loginSecret);
    m_chatClient.connectToHost(chatHost, chatPort,
                               m_connectionManager.isUsingSsl() ? XMPPClient::TlsRequired
                                                                : XMPPClient::TlsIfAvailable);
}

void MainWindow::onXMPPConnected()
{
    qWarning().noquote() << " [INFO ] xmpp connected to host";
    // Without a configured one, the search service lives on the chat domain.
    try {
        if (!m_clientConfig.hasSearchService()) {
            const QString domain = jidDomain(parseJid(m_chatClient.ownJid()));
            if (!domain.isEmpty())
                m_searchService = QStringLiteral("search.") + domain;
        }
        if (m_friendsWindow)
            m_friendsWindow->setSearchService(m_searchService);
        if (!m_clientConfig.hasConferenceService()) {
            m_chatClient.discoverServerInfo();
            return;
        }
        m_chatController.setConferenceJid(m_clientConfig.conferenceService());
        if (m_clientConfig.hasRoomJid()) {
            m_chatController.setLobbyRoomJid(m_clientConfig.roomJid());
            m_ui->lobbyChat->setLobbyRoom();
        } else {
            m_chatClient.discoverItems(parseJid(m_clientConfig.conferenceService()));
        }
    } catch (const std::exception &e) {
        qWarning() << "chat service discovery failed:" << e.what();
    }
}

void MainWindow::onXMPPDisconnected()
{
    qWarning().noquote() << " [INFO ] xmpp disconnected";
}

void MainWindow::onConferenceJID(const XMPPJid &jid)
{
    m_chatController.setConferenceJid(jid.toString());
    try {
        m_chatClient.discoverItems(jid);
    } catch (const std::exception &e) {
        qWarning() << "chat room discovery failed:" << e.what();
    }
}

void MainWindow::onConferenceRooms(const QList<XMPPJid> &rooms)
{
    for (const XMPPJid &room : rooms) {
        if (jidNode(room) == QLatin1String("lobby")) {
            m_chatController.setLobbyRoomJid(room.toString());
            m_ui->lobbyChat->setLobbyRoom();
            return;
        }
    }
}

void MainWindow::askForScreenname(const QString &message)
{
    delete m_screennameDialog;
    m_screennameDialog = new SetScreennameDialog(this);
    connect(m_screennameDialog, &SetScreennameDialog::setScreenname, this, &MainWindow::onSetScreenname);
    if (!message.isEmpty())
        m_screennameDialog->setErrorMessage(message);
    m_screennameDialog->showAndRaise(true);
}

void MainWindow::onSetScreenname(const QString &name)
{
    m_playerDb->setScreenname(name);
}

void MainWindow::onSetScreennameFailed(const QString &message, bool retry)
{
    if (retry) {
        askForScreenname(message);
        return;
    }
    delete m_screennameDialog;
    plainBox(ModelessMsgBox::Warning, [message] { return ModelessMsgBox::Texts{tr("Failed"), message}; });
}

void MainWindow::onSetScreennameOk()
{
    delete m_screennameDialog;
    m_screennameState = ScreennameLoggingOut;
    m_connectionManager.logout();
}

void MainWindow::onDisconnected()
{
    qWarning().noquote() << " [INFO ] disconnected";
    if (m_screennameState == ScreennameLoggingOut) {
        m_screennameState = ScreennameReconnecting;
        QTimer::singleShot(ReconnectDelayMs, this, &MainWindow::reconnectAfterScreenNameChange);
        return;
    }
    fatal(tr("Error"), tr("The server closed the connection"));
}

void MainWindow::reconnectAfterScreenNameChange()
{
    m_connectionManager.connectToServer();
}

void MainWindow::onForcedLogout()
{
    // The other windows close; this one keeps what it showed behind the notice until the
    // client ends.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        if (widget != this)
            widget->close();
    }
    m_connectionManager.setDisconnectExpected(true);
    fatal(tr("Forced logout"), tr("You were forcefully logged out!"));
}

void MainWindow::onExceptionCaught(const std::string &what)
{
    fatal(tr("Error"), QString::fromStdString(what));
}

void MainWindow::onCreateUser()
{
    m_urlHandler->openWebPage(WebPageRequest::FULL_REGISTRATION);
}

void MainWindow::onRegistrationPage(WebPageRequest::enum_t request, const QString &url)
{
    // Without a registration page on the web the client's own form takes the user in.
    if (request == WebPageRequest::FULL_REGISTRATION && url.isEmpty())
        m_ui->centralWidget->setCurrentWidget(m_ui->createUserWidget);
}

void MainWindow::onCreateUserCancel()
{
    showLoginPage(QString(), QString());
}

void MainWindow::onCreateUserTerms()
{
    m_urlHandler->openWebPage(WebPageRequest::TERMS);
}

void MainWindow::onCreateUserInfo(const QString &name, const QString &password, const QString &email)
{
    m_playerDb->registerUser(name, password, email, QString());
}

void MainWindow::showLoginPage(const QString &user, const QString &password)
{
    LoginWindow *loginWindow = m_ui->loginWindow;
    const QString name = user.isEmpty() ? QSettings().value(QStringLiteral("login/userName")).toString() : user;
    loginWindow->setUserName(name);
    loginWindow->setPassword(password);
    loginWindow->setTranslationsManager(m_translations);
    loginWindow->setInitialFocus();
    loginWindow->show();
    m_ui->centralWidget->setCurrentWidget(m_ui->loginWidget);
}

void MainWindow::onSystemMessage(qint32, qint32, const QString &text)
{
    plainBox(ModelessMsgBox::Information, [text] { return ModelessMsgBox::Texts{tr("System message"), text}; });
}

void MainWindow::onPlayerMessage(const QString &text)
{
    plainBox(ModelessMsgBox::Information, [text] { return ModelessMsgBox::Texts{tr("Information"), text}; });
}
