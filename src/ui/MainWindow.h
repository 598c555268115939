#pragma once

#include "app/WebPageRequest.h"
#include "chat/ChatController.h"
#include "chat/XMPPRosterModel.h"
#include "chat/xmpp/XMPPClient.h"
#include "connection/ComingEvent.h"
#include "connection/ConnectionManager.h"
#include "lobby/TournamentsController.h"

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
#include <memory>

class ComingEventsModel;
class ComingEventsView;
class EmbeddedWebPage;
class FriendsWindow;
class GameController;
class LobbyController;
class LocalizationDb;
class PlayerDb;
class PlayerDbChatAdapter;
class PreferencesWindow;
class TournamentLookup;
class TranslationsManager;
class UrlHandler;

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

signals:
    void setToggleWindowedText(const QString &text);

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
    void onLaunchBrowser(const QUrl &url, bool external);
    void onLaunchBrowser(const QUrl &url);
    void onHelp();
    void onExternSupport();
    void onDeposit() override;
    void onResetPassword();
    void startLobbyMusic();
    void stopLobbyMusic();

protected:
    void changeEvent(QEvent *event) override;
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
    void retranslateTabs();

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
};
