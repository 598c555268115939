#pragma once

#include "app/WebPageRequest.h"
#include "chat/ChatController.h"
#include "chat/XMPPRosterModel.h"
#include "chat/xmpp/XMPPClient.h"
#include "connection/ClientConfig.h"
#include "connection/ComingEvent.h"
#include "connection/ConnectionManager.h"
#include "game/UsageReason.h"
#include "lobby/TournamentsController.h"
#include "protocol/enums.h"
#include "ui/ModelessMsgBox.h"

#include <QAction>
#include <QDateTime>
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QMenu>
#include <QPair>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <cstdint>
#include <functional>
#include <memory>
#include <set>

class ChatManager;
class ComingEventsModel;
class ComingEventsView;
class EmbeddedWebPage;
class FriendsWindow;
class GameController;
class GameWindow;
class LobbyController;
class LocalizationDb;
class PlayerDb;
class PlayerDbChatAdapter;
class PreferencesWindow;
class QCloseEvent;
class SetScreennameDialog;
class TableModel;
class TournamentLookup;
class TranslationsManager;
class UrlHandler;
class WindowFit;

namespace Ui {
class MainView;
}

// The one top-level window of the client and the owner of every long-lived service:
// the game connection, the chat client, the player directory, the lobby, tournament and
// game controllers. Before login it shows the login page; afterwards the header, the six
// lobby tabs with the side column, and one page per open table.
class MainWindow : public QMainWindow, public TournamentsHost
{
    Q_OBJECT
    Q_PROPERTY(QString trademarkStyle READ trademarkStyle WRITE setTrademarkStyle)

public:
    static constexpr int UpdateIntervalMs = 1000;
    static constexpr int MinimumScreenWidth = 1024;
    static constexpr int MinimumScreenHeight = 768;

    // The start-up values: the game server, the command line's user and password, the
    // SSL flag, the web host and page overrides of the URL handler, and the interface
    // language (not owned; it outlives the window).
    MainWindow(const QString &host, quint16 port, const QString &user, const QString &password,
               bool ssl, const QString &webHost,
               const QMap<WebPageRequest::enum_t, QString> &pageOverrides,
               TranslationsManager *translations, QWidget *parent = nullptr);
    ~MainWindow() override;

    // "Corvana Mahjong - <version>".
    static QString applicationTitle();

    QString trademarkStyle() const { return m_trademarkStyle; }
    void setTrademarkStyle(const QString &style);

    // The game connection, for the application's network statistics and for tests.
    ConnectionManager &connectionManager() { return m_connectionManager; }

    // TournamentsHost
    qint64 accountBalance() const override { return m_balance; }
    void offerRegistrationCompletion(int context) override;

    // ---- Window shell ------------------------------------------------------------------
    void restoreWindowGeometry();
    void saveWindowGeometry();

    // ---- Lobby tabs and pages ----------------------------------------------------------
    // Builds the logged-in page the first time; every time brings the lobby to the front.
    void displayLobby();

    // ---- Connection and login ----------------------------------------------------------
    enum ScreennameState {
        ScreennameNormal = 0,
        ScreennameLoggingOut = 1,
        ScreennameReconnecting = 2,
        ScreennameLoggingIn = 3,
    };
    static constexpr int ReconnectDelayMs = 1000;
    // How long the quit waits for the chat server to close the stream: long enough for
    // a live server, short enough that a dead link does not hold the quit.
    static constexpr int ChatCloseWaitMs = 300;
    // Ends the process on a fatal condition: by default a modal critical box, then
    // QCoreApplication::exit(exitCode). Tests replace it; null restores the default.
    using FatalHandler = std::function<void(QWidget *parent, const QString &title,
                                            const QString &text, int exitCode)>;
    static void setFatalHandler(FatalHandler handler);
    int screennameState() const { return m_screennameState; }
    QString searchService() const { return m_searchService; }
    PlayerDb *playerDb() const { return m_playerDb; }
    void showLoginPage(const QString &user, const QString &password);
    void askForScreenname(const QString &message);

    // ---- Tables, watching and invitations ----------------------------------------------
    using UsageReason = ::UsageReason;
    // Where the invitation throttle reads the local time; null restores the clock.
    void setInvitationClock(std::function<QDateTime()> clock);
    void showTable(qint32 id);
    // The active table of the selector, -1 for the lobby.
    qint32 activeTable() const;
    void showUserMenu(const XMPPJid &jid, const QPoint &pos);
    QMenu *userMenu() { return &m_userMenu; }

    // ---- Quitting ----------------------------------------------------------------------
    // The settings and the computer's description sent as player properties on quit.
    static QMap<QString, QString> playerProperties();

signals:
    void setToggleWindowedText(const QString &text);
    // A table is watched now (also when it was open already).
    void tableWatched(qint32 tableId);

public slots:
    // ---- Window shell ------------------------------------------------------------------
    void toggleWindowed();
    void onStartupFinished(bool ok);
    void onUpdateTimeout();
    void onComingEvents(const ComingEvents &events);
    void onCurrentAccountBalance(std::int64_t balance, std::int64_t reserved, std::int64_t sequence);
    void setPlayerName(const QString &name);
    void onPlayerNameUpdate(qint32 id, const QString &name);
    void onPlayerPictureUpdate(qint32 id);
    void onChangePictureFailed();

    // ---- Lobby tabs and pages ----------------------------------------------------------
    void onDisplayTab(const QString &keyword);
    void onCurrentTabChanged(int index);
    void onAccountPagesAvailable(const QList<QPair<QString, QString>> &pages);
    void onAccountMenuAction();
    void onWebPageRequested(WebPageRequest::enum_t request);
    void onWebPageReceived(WebPageRequest::enum_t request);
    void onInternalPage(WebPageRequest::enum_t request, const QUrl &url);
    // Tells the player that a page asked for has no address.
    void onPageNotAvailable();
    void onLaunchBrowser(const QUrl &url, bool external);
    void onLaunchBrowser(const QUrl &url);
    void onHelp();
    void onExternSupport();
    void onDeposit() override;
    void onResetPassword();
    void startLobbyMusic();
    void stopLobbyMusic();

    // ---- Connection and login ----------------------------------------------------------
    void onConnected();
    void onConnectionFailed(const QString &reason);
    void onVersionCheckComplete();
    void login(const QString &user, const QString &password);
    void loginSuccessful(qint32 playerId, const QString &name, const QString &secret,
                         bool fullyRegistered);
    void onClientConfig(const ClientConfig &config);
    void onXMPPConnected();
    void onXMPPDisconnected();
    void onConferenceJID(const XMPPJid &jid);
    void onConferenceRooms(const QList<XMPPJid> &rooms);
    void onDisconnected();
    void reconnectAfterScreenNameChange();
    void onForcedLogout();
    void onExceptionCaught(const std::string &what);
    void onSetScreenname(const QString &name);
    void onSetScreennameOk();
    void onSetScreennameFailed(const QString &message, bool retry);
    void onCreateUser();
    void onCreateUserCancel();
    void onCreateUserTerms();
    void onCreateUserInfo(const QString &name, const QString &password, const QString &email);
    void onSystemMessage(qint32 a, qint32 b, const QString &text);
    void onPlayerMessage(const QString &text);

    // ---- Tables, watching and invitations ----------------------------------------------
    void joinTable(qint32 id, bool force);
    void joinTable(qint32 id);
    void watchTable(qint32 id);
    void onTableClicked(int id);
    void onTableViewCreated(qint32 id, GameWindow *window);
    void onTableViewDestroyed(qint32 id);
    void onTableViewAboutToBeDestroyed(qint32 id);
    void onRegularTableJoined(qint32 id);
    void onTableWatched(qint32 id, bool show);
    void onUnwatchTableFailed(qint32 id);
    void onTournamentScoreDialogClosed(qint32 tournamentId, qint32 tableId, bool roundEnded);
    void onInvitePlayers(qint32 tableId, const std::vector<qint32> &players);
    void onTournamentTableJoined(qint32 tournamentId, qint32 tableId, int kind);
    void previouslySeated(qint32 tableId, qint32 seat, qint32 tournamentId);
    void previouslyWatching(qint32 tableId);
    void onTableInfoUpdate(const TableInfo &info);
    void onAlreadySeated(qint32 tableId);
    void onJoinFailed(qint32 tableId, join_failed_reason::enum_t reason);
    void onWatchTableFailed(qint32 tableId, const QString &message);
    void onTableUnavailableError(qint32 tableId, MainWindow::UsageReason reason);
    void onWaitingList(int id);
    void onQuickJoinTable(const QString &filter);
    void onInvited(qint32 tableId, qint32 playerId);
    void onTableInvitationAccepted(qint32 tableId);
    void onPlayerDiscardedFromTournament(qint32 tournamentId, MttDiscardedReason::enum_t reason);
    void onTournamentAdded(const TournamentInfo &info);
    void onPlayerTournamentAborted(qint32 tournamentId);
    // The tournament of a persistent id, shown in the Tournaments tab.
    void onDisplayTournament(qint32 persistentId);
    void onUserMenuRequested(const QString &name, const QPoint &pos);
    void onWatchTableAction();
    void onAddFriendAction();
    void onDisplayMiscDialogs();

    // ---- Quitting ----------------------------------------------------------------------
    void on_quitButton_clicked();
    void onAboutToQuit();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // ---- Window shell ------------------------------------------------------------------
    void updatePoweredByText();
    void updateToggleWindowedText();
    void updateNextTournamentText();
    void updateBalanceText();
    void retranslatePages();

    // ---- Lobby tabs and pages ----------------------------------------------------------
    EmbeddedWebPage *createTabPage(const QString &name);
    void buildTabs();
    // Gives back the lobby's own table subscription of buildTabs().
    void releaseLobbyTables();
    void retranslateTabs();

    // ---- Connection and login ----------------------------------------------------------
    void connectLoginFlow();
    void fatal(const QString &title, const QString &text);
    // A box whose text is shown as it stands, never as markup.
    ModelessMsgBox::MsgBox *plainBox(int kind, ModelessMsgBox::Wording wording,
                                     QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok);
    // A plain Yes/No question; onYes runs on Yes.
    void askPlain(ModelessMsgBox::Wording wording, std::function<void()> onYes);
    void onRegistrationPage(WebPageRequest::enum_t request, const QString &url);
    // Where coming-event notices stand in the logged-in page, over no control.
    QRect comingEventArea(const QSize &notice) const;
    QRect chatWindowArea() const;
    // What a chat window that opens stays clear of: the controls shown, and the table in
    // front.
    QList<QRect> chatWindowKeepClear() const;

    // ---- Tables, watching and invitations ----------------------------------------------
    void connectTables();
    void connectLobbyTables();
    TableModel *tableModel() const;
    // False (after reporting it) for a table that cannot be joined or watched.
    bool tableUsable(qint32 id, UsageReason reason);
    // The table's localized name, or its id while the name is not known.
    QString displayTableName(const TableInfo &info) const;
    bool busyAtActiveTable() const;
    void showDiscardNotice(const QString &tournamentName, MttDiscardedReason::enum_t reason);

    // ---- Quitting ----------------------------------------------------------------------
    void connectQuit();
    void onQuitAnswered(int result);
    // The quit question stands centred, or where it hides no button of the dialogs over
    // the table in front.
    void placeQuitBox();
    // Run by the destructor: the geometry, the selected lobby tab, the clock detached.
    void storeLobbyTab();

    // ---- Members, in the order of construction -----------------------------------------
    ConnectionManager m_connectionManager;
    XMPPClient m_chatClient;
    PlayerDb *m_playerDb;
    PlayerDbChatAdapter *m_playerDbChat;
    ChatController m_chatController;
    TranslationsManager *m_translations;
    std::unique_ptr<Ui::MainView> m_ui;
    QAction m_styleSheetAction;
    QTimer m_updateTimer;
    QString m_host;
    quint16 m_port;
    QString m_user;
    QString m_password;
    QString m_webHost;
    QMenu m_accountMenu;
    LocalizationDb *m_localizationDb;
    QString m_trademarkStyle;
    bool m_fullscreen = true;
    qint64 m_balance = 0;
    qint64 m_reserved = 0;
    qint64 m_balanceSequence = -1;
    XMPPRosterModel m_rosterModel;
    QDateTime m_nextTournamentStart;
    WindowFit *m_windowFit = nullptr;
    UrlHandler *m_urlHandler = nullptr;
    TournamentsController *m_tournamentsController = nullptr;
    TournamentLookup *m_tournamentLookup = nullptr;
    GameController *m_gameController = nullptr;
    LobbyController *m_lobbyController = nullptr;
    EmbeddedWebPage *m_welcomePage = nullptr;
    PreferencesWindow *m_preferencesWindow = nullptr;
    FriendsWindow *m_friendsWindow = nullptr;
    EmbeddedWebPage *m_howtoPage = nullptr;
    ComingEventsModel *m_comingEventsModel = nullptr;
    ComingEventsView *m_comingEventsView = nullptr;
    bool m_loginPageShown = false;

    // ---- Connection and login ----------------------------------------------------------
    QObject m_loginCursor; // holds the wait cursor of a login
    QString m_loginSecret;
    bool m_fullyRegistered = false;
    int m_screennameState = ScreennameNormal;
    ClientConfig m_clientConfig;
    QString m_searchService;
    QPointer<SetScreennameDialog> m_screennameDialog;
    ChatManager *m_chatManager = nullptr;

    // ---- Tables, watching and invitations ----------------------------------------------
    QObject m_joinCursor; // holds the wait cursor of a join or watch
    std::set<qint32> m_seatedTables;
    std::set<qint32> m_watchingTables;
    QMap<qint32, QDateTime> m_lastInvitations;
    int m_invitationIntervalMinutes = 10;
    std::function<QDateTime()> m_invitationClock = [] { return QDateTime::currentDateTime(); };
    QMap<qint32, MttDiscardedReason::enum_t> m_pendingDiscards;
    QMenu m_userMenu;
    QAction m_testAction;

    // ---- Quitting ----------------------------------------------------------------------
    QPointer<ModelessMsgBox::MsgBox> m_quitBox;
};
