// The demo world's manager, as players meet her through the client's connection manager
// and chat client, against the test game server's demo world and a real ejabberd: she
// greets every client of a player that comes online, also while another client of his
// is still in the chat, in the language that client asked for its pages in, and the
// world's menu of account pages comes in that language too.

#include "EjabberdTestServer.h"
#include "protocol/TestServer.h"
#include "testmain.h"

#include "app/WebPageRequest.h"
#include "chat/xmpp/XMPPClient.h"
#include "connection/ConnectionManager.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const QString ManagerJid = QStringLiteral("1000@localhost");

// One client of a player: its game connection, logged in and asking for the account
// pages in its language as the client does, then its chat connection.
struct PlayerClient
{
    std::unique_ptr<ConnectionManager> game;
    std::unique_ptr<XMPPClient> chat;
    QStringList accountPages;
    QStringList greetings; // the manager's lines to this client

    bool logIn(quint16 gamePort, quint16 chatPort, const QString &name, const QString &language)
    {
        game = std::make_unique<ConnectionManager>(false);
        QSignalSpy versions(game.get(), &ConnectionManager::versionCheckComplete);
        game->connectTo(QStringLiteral("127.0.0.1"), gamePort);
        if (!versions.wait(15000))
            return false;
        QSignalSpy loggedIn(game.get(), &ConnectionManager::loginSuccess);
        game->login(name, QStringLiteral("pw"));
        if (!loggedIn.wait(60000))
            return false;
        QSignalSpy pages(game.get(), &ConnectionManager::subPagesAvailable);
        game->query_sub_pages_available(WebPageRequest::ACCOUNT, language);
        if (!pages.wait(15000))
            return false;
        for (const auto &page : pages.first().at(1).value<QList<QPair<QString, QString>>>())
            accountPages << page.second;

        chat = std::make_unique<XMPPClient>();
        QObject::connect(chat.get(), &XMPPClient::messageReceived, chat.get(), [this](const XMPPMessage &message) {
            if (jidBare(parseJid(message.from())).toString() == ManagerJid)
                greetings << message.body();
        });
        // The manager adds back whoever adds her.
        XMPPClient *client = chat.get();
        QObject::connect(client, &XMPPClient::authorizationRequestReceived, client,
                         [client](const XMPPJid &jid) { client->answerSubscription(jid, true); });
        QSignalSpy connected(chat.get(), &XMPPClient::connected);
        chat->login(QString::number(loggedIn.first().at(0).toInt()), loggedIn.first().at(2).toString());
        chat->connectToHost(QStringLiteral("localhost"), chatPort, XMPPClient::TlsRequired);
        return connected.wait(30000) || !connected.isEmpty();
    }
};

} // namespace

class TestDemoManager : public QObject
{
    Q_OBJECT

private slots:
    void greetsEverySecondClientInItsLanguage();
};

void TestDemoManager::greetsEverySecondClientInItsLanguage()
{
    EjabberdTestServer chat;
    QVERIFY(chat.load(qEnvironmentVariable("XMPP_SERVER_DIR")));
    TestServer server;
    QVERIFY(server.startDemo(1, 0, {QStringLiteral("--ejabberd"), chat.dir}));
    // The manager is in the chat before anyone adds her.
    QVERIFY(server.waitForOutput(QStringLiteral("MANAGER CONNECTED"), 180000));

    // Carol's first client, in English, adds the manager and is greeted. (Where the chat
    // server has her as Carol's friend from an earlier run already, she greets the
    // client as it comes online.)
    PlayerClient first;
    QVERIFY(first.logIn(server.gamePort(), chat.port, QStringLiteral("carol"), QStringLiteral("en")));
    QCOMPARE(first.accountPages, (QStringList{"Cashier", "Withdraw", "Hand history"}));
    first.chat->subscribe(parseJid(ManagerJid));
    QTRY_COMPARE_WITH_TIMEOUT(first.greetings.size(), 1, 30000);
    QVERIFY2(first.greetings.first().startsWith(QLatin1String("Hello carol, I am Kaede"))
                 || first.greetings.first().startsWith(QLatin1String("Welcome back, carol.")),
             qPrintable(first.greetings.first()));

    // A second client of hers, in each other language, while the clients before it stay
    // in the chat: greeted in its language, once, and the clients before it are not
    // greeted again.
    const struct
    {
        const char *language, *greeting;
        QStringList pages;
    } seconds[] = {
        {"ja", "carolさん、おかえりなさい。いつでもここに書いてください。", {"キャッシャー", "出金", "対局履歴"}},
        {"zh_CN", "carol，欢迎回来。随时可以在这里给我留言。", {"收银台", "提款", "牌局记录"}},
        {"zh_TW", "carol，歡迎回來。隨時可以在這裡給我留言。", {"收銀台", "提款", "牌局記錄"}},
    };
    std::vector<std::unique_ptr<PlayerClient>> clients;
    for (const auto &second : seconds) {
        auto client = std::make_unique<PlayerClient>();
        QVERIFY(client->logIn(server.gamePort(), chat.port, QStringLiteral("carol"), QLatin1String(second.language)));
        QCOMPARE(client->accountPages, second.pages);
        QTRY_COMPARE_WITH_TIMEOUT(client->greetings, QStringList{QString::fromUtf8(second.greeting)}, 30000);
        clients.push_back(std::move(client));
    }
    // A line is answered in the language of the player's client logged in last.
    XMPPMessage line(ManagerJid, XMPPMessage::Chat);
    line.setBody(QStringLiteral("Which table suits a beginner?"));
    clients.back()->chat->sendMessage(line);
    QTRY_COMPARE_WITH_TIMEOUT(clients.back()->greetings.size(), 2, 30000);
    QCOMPARE(clients.back()->greetings.last(), QStringLiteral("謝謝你，carol。我讀到了你的話：「Which table suits a beginner?」"));
    QCOMPARE(first.greetings.size(), 1);
}

MAHJONG_TEST_MAIN(TestDemoManager)
#include "tst_demomanager.moc"
