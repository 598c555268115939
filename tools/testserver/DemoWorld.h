#pragma once

#include "Scenario.h"
#include "TableEngine.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QObject>
#include <QSslConfiguration>
#include <QString>
#include <QStringList>

#include <map>
#include <random>
#include <set>
#include <vector>

class DemoSession;
class HttpServer;
class QTcpServer;

// Where the demo world's players chat: the local ejabberd started by
// tools/ejabberd/ejabberd-test-server.sh. With a directory, every account that logs in
// is registered there (id as user name, the login's chat secret as password) before
// the login is answered.
struct ChatSettings
{
    QString server = QStringLiteral("localhost:5222");
    QString domain = QStringLiteral("localhost");
    QString ejabberdDirectory; // empty: accounts are not registered
    QString script; // ejabberd-test-server.sh
    QString caFile; // the CA of the chat server's certificate
};

// The demo world of the test server: accounts, the lobby with its tables and
// tournaments, a table engine per table and computer players, and the account pages.
// The first login of a user name creates its account with the login's password;
// "locked" is refused. The world's manager has an account of its own, and with a chat
// server it chats there.
class DemoWorld : public QObject
{
    Q_OBJECT

public:
    // `seatTime` is the time a player just seated has to say ready, in milliseconds.
    DemoWorld(quint32 seed, int pace, int seatTime, const ChatSettings &chat, QObject *parent = nullptr);
    ~DemoWorld() override;

    bool listen(quint16 port, const QSslConfiguration &tls);
    quint16 port() const;

private:
    struct Account
    {
        qint32 id = 0;
        QString login;
        QString password;
        QString screenName;
        QString chatSecret;
        bool fullyRegistered = true;
        bool chatRegistered = false;
        bool manager = false;
        qint64 balance = 0;
        std::set<qint32> tournaments;
        int wrongPasswords = 0; // in a row
        QDeadlineTimer locked; // expired unless locked after wrong passwords
    };

    void onNewConnection();
    void onPacket(DemoSession *session, const QString &name, const QJsonObject &fields);
    void dispatch(DemoSession *session, const QString &name, const QJsonObject &fields);
    void onSessionClosed(DemoSession *session);
    bool handleSession(DemoSession *session, const QString &name, const QJsonObject &fields);
    bool handleAccount(DemoSession *session, const QString &name, const QJsonObject &fields);
    bool handleLobby(DemoSession *session, const QString &name, const QJsonObject &fields);
    bool handleTables(DemoSession *session, const QString &name, const QJsonObject &fields);
    bool handleTournaments(DemoSession *session, const QString &name, const QJsonObject &fields);
    bool handleQuickJoin(DemoSession *session, const QString &name, const QJsonObject &fields);
    TableEngine *quickJoinTable(DemoSession *session, const QString &filter);

    void login(DemoSession *session, const QString &user, const QString &password);
    void registerChatAccount(DemoSession *session, const QString &login, const QString &command);
    std::map<QString, Account>::iterator createAccount(const QString &user, const QString &password);
    void addManager();
    void completeLogin(DemoSession *session, Account &account);
    QJsonObject lobbySummary() const;
    void onSummaryChanged();
    void onGameSettled(qint32 playerId, qint64 amount);
    static void sendBalance(DemoSession *session, const Account &account);
    Account *accountOf(DemoSession *session);
    void buildLobby();
    void addAccountPages();
    void addPages();
    static const QStringList &languages();
    static QString accountPagePath(const QString &language, const QString &hint);
    static QString pagePath(const QString &language, const QString &name);
    void addTable(TableConfig config);
    void addTournaments();
    QJsonObject tableInfo(const TableEngine &table) const;
    void onSeatsChanged(qint32 tableId);
    TableEngine *table(const QJsonObject &fields) const;
    // In the client's language (WorldLanguage), as every text of the world.
    QJsonObject tournamentInfo(const QJsonObject &tournament, const QString &language) const;
    void sendTournaments(DemoSession *session) const;
    qint32 tournamentId(const QJsonObject &tournament) const;

    std::mt19937 m_random;
    // The coming maintenance, one time for every player: three hours after the start.
    const qint64 m_maintenanceAt;
    int m_pace;
    int m_seatTime;
    ChatSettings m_chat;
    QTcpServer *m_server = nullptr;
    Scenario m_pages;
    HttpServer *m_pageServer = nullptr;
    QHash<QString, QJsonArray> m_accountPages; // the account pages' menu entries, by language
    QHash<int, QString> m_pageNames; // by page kind, the account pages aside
    int m_sessionCount = 0;
    std::set<DemoSession *> m_sessions;
    std::map<QString, Account> m_accounts; // by login name
    qint32 m_nextPlayerId = 1001;
    static constexpr qint32 ManagerId = 1000;
    static constexpr qint32 FirstBotId = TableEngine::FirstBotId;
    qint32 m_nextBotId = FirstBotId;
    std::map<qint32, TableEngine *> m_tables;
    std::map<DemoSession *, std::set<QString>> m_subscriptions;
    std::vector<QJsonObject> m_tournaments;
    std::set<DemoSession *> m_tournamentSubscribers;
    std::set<DemoSession *> m_summarySubscribers;
    std::vector<qint32> m_latestLogins;
    qint32 m_nextWaitingId = 1;
};
