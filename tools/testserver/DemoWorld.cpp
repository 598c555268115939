#include "DemoWorld.h"

#include "DemoManager.h"
#include "DemoSession.h"
#include "HttpServer.h"
#include "Listener.h"
#include "WorldLanguage.h"

#include "app/RulesetInfo.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QPointer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <exception>

namespace {

constexpr int GameId = 101;
constexpr qint64 StartBalance = 100000;
constexpr int AccountPage = 1; // the web page kind of the account pages
constexpr int LatestLogins = 5;

// The world's answers that a client shows as they come, in the client's language.
const WorldText PleaseLogIn{"Please log in first.", "先にログインしてください。", "请先登录。", "請先登入。"};
const WorldText NameTaken{"That name is taken.", "その名前はすでに使われています。", "该名称已被使用。", "該名稱已被使用。"};
const WorldText NameRefused{"That name is taken or not allowed.", "その名前はすでに使われているか、使えません。",
                            "该名称已被使用或不被允许。", "該名稱已被使用或不被允許。"};
const WorldText NoSuchTable{"There is no such table.", "そのテーブルはありません。", "没有这张牌桌。", "沒有這張牌桌。"};
const WorldText NoSuchTournament{"There is no such tournament.", "そのトーナメントはありません。", "没有这个锦标赛。", "沒有這個錦標賽。"};
const WorldText NoSuchPlayer{"No such player.", "そのプレイヤーはいません。", "没有这位玩家。", "沒有這位玩家。"};
// The names of the tables outside tournaments, by their lobby paths.
const WorldText PracticeTables{"Practice {tableId}", "練習 {tableId}", "练习 {tableId}", "練習 {tableId}"};
const WorldText RegularTables{"Table {tableId}", "テーブル {tableId}", "牌桌 {tableId}", "牌桌 {tableId}"};

QJsonObject lobbyProperty(const QString &name, const QJsonValue &value)
{
    return {{QStringLiteral("name"), name}, {QStringLiteral("value"), value}};
}

QJsonObject i64(qint64 value)
{
    return {{QStringLiteral("i64"), QString::number(value)}};
}

QJsonObject leaf(const QString &name)
{
    return {{QStringLiteral("name"), name}, {QStringLiteral("leaf"), true}, {QStringLiteral("children"), QJsonArray()}};
}

// The players of the demo world's own making in lists and standings: the eight names,
// numbered again past them.
QJsonObject madeUpPlayer(int index)
{
    static const char *const names[] = {"Ayame", "Botan", "Chidori", "Daisuke", "Emi", "Fumio", "Goro", "Hana"};
    const QString name = index < 8 ? QLatin1String(names[index])
                                   : QStringLiteral("%1 %2").arg(QLatin1String(names[index % 8]), QString::number(index / 8 + 1));
    return {{QStringLiteral("pid"), 9500 + index}, {QStringLiteral("name"), name}};
}

Scenario::HttpEntry htmlPage(const QString &language, const QString &title, const QString &text)
{
    Scenario::HttpEntry entry;
    entry.contentType = QStringLiteral("text/html; charset=utf-8");
    // Small enough for the lobby's side page, light on dark as the client's skins.
    entry.body = QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\"><title>%2</title>\n"
                                "<style>body { margin: 8px; background: #13233a; color: #e8eef5; font: 13px sans-serif; }\n"
                                "h1 { font-size: 16px; margin: 0 0 6px; } p { margin: 0; }</style></head>\n"
                                "<body><h1>%2</h1><p>%3</p></body></html>\n")
                     .arg(QString(language).replace(QLatin1Char('_'), QLatin1Char('-')), title.toHtmlEscaped(),
                          text.toHtmlEscaped())
                     .toUtf8();
    return entry;
}

QString chatSecret(std::mt19937 &random)
{
    static const char digits[] = "0123456789abcdef";
    QString secret;
    std::uniform_int_distribution<int> pick(0, 15);
    for (int i = 0; i < 24; ++i)
        secret += QLatin1Char(digits[pick(random)]);
    return secret;
}

} // namespace

DemoWorld::DemoWorld(quint32 seed, int pace, int seatTime, const ChatSettings &chat, QObject *parent)
    : QObject(parent), m_random(seed), m_maintenanceAt(QDateTime::currentMSecsSinceEpoch() + 3 * 3600 * 1000), m_pace(pace), m_seatTime(seatTime), m_chat(chat)
{
    buildLobby();
    addTournaments();
    addAccountPages();
    addPages();
    addManager();
}

// The manager, whom nobody can log in as: the password is never told. Its secrets are not
// drawn from the world's generator, which deals the seeded walls.
void DemoWorld::addManager()
{
    std::mt19937 random(QRandomGenerator::system()->generate());
    Account manager;
    manager.id = ManagerId;
    manager.login = manager.screenName = QStringLiteral("Kaede");
    manager.password = chatSecret(random);
    manager.chatSecret = chatSecret(random);
    manager.manager = true;
    if (!m_chat.ejabberdDirectory.isEmpty()) {
        const auto player = [this](qint32 id) {
            DemoManager::Player found;
            for (const auto &entry : m_accounts) {
                if (entry.second.id == id)
                    found.name = entry.second.screenName;
            }
            // The language of the player's client (one per account), logged in before
            // it comes to the chat.
            for (const DemoSession *session : m_sessions) {
                if (session->playerId() == id)
                    found.language = session->language();
            }
            return found;
        };
        auto *chat = new DemoManager(m_chat, manager.id, manager.screenName, manager.chatSecret, player, this);
        chat->start();
    }
    m_accounts.emplace(manager.login, manager);
}

// The pages of "My account" and of the cashier, by their page hints, in each language.
void DemoWorld::addAccountPages()
{
    struct Page
    {
        const char *hint;
        WorldText title, text;
    };
    static const Page pages[] = {
        {"TTM",
         {"Cashier", "キャッシャー", "收银台", "收銀台"},
         {"The demo world plays for play money: every account starts with 1000.00 and nothing is deposited here.",
          "デモワールドはプレイマネーで遊びます。どのアカウントも1000.00から始まり、ここで入金することはありません。",
          "演示世界使用游戏币：每个账户初始有1000.00，这里不能充值。",
          "示範世界使用遊戲幣：每個帳戶初始有1000.00，這裡不能儲值。"}},
        {"TFM",
         {"Withdraw", "出金", "提款", "提款"},
         {"Play money stays in the demo world: nothing is paid out.",
          "プレイマネーはデモワールドの中だけのものです。出金はできません。",
          "游戏币只在演示世界中使用：不会支付任何款项。",
          "遊戲幣只在示範世界中使用：不會支付任何款項。"}},
        {"HH",
         {"Hand history", "対局履歴", "牌局记录", "牌局記錄"},
         {"The demo world keeps no hand history.", "デモワールドは対局履歴を保存しません。",
          "演示世界不保存牌局记录。", "示範世界不保存牌局記錄。"}},
    };
    for (const QString &language : languages()) {
        QJsonArray entries;
        for (const Page &page : pages) {
            const QString title = WorldLanguage::text(page.title, language);
            m_pages.http.insert(accountPagePath(language, QLatin1String(page.hint)),
                                htmlPage(language, title, WorldLanguage::text(page.text, language)));
            entries.append(QJsonObject{{QStringLiteral("page"), QLatin1String(page.hint)}, {QStringLiteral("title"), title}});
        }
        m_accountPages.insert(language, entries);
    }
}

// A page of the world's own for every other kind of page the client asks for, in each
// language, but those whose empty address makes the client show its own: the
// registration form, the welcome and how-to pages (in the client's four languages, with
// their Play buttons).
void DemoWorld::addPages()
{
    struct Page
    {
        int kind;
        const char *name;
        WorldText title, text;
    };
    static const WorldText demoWorld{"Demo world", "デモワールド", "演示世界", "示範世界"};
    static const WorldText playMoneyOnly{
        "Play money only: the tables, tournaments and players here are the demo world's own.",
        "プレイマネー専用です。ここのテーブル、トーナメント、プレイヤーはすべてデモワールドのものです。",
        "仅限游戏币：这里的牌桌、锦标赛和玩家都属于演示世界。", "僅限遊戲幣：這裡的牌桌、錦標賽和玩家都屬於示範世界。"};
    static const Page pages[] = {
        {0, "registered",
         {"Welcome aboard", "ようこそ", "欢迎加入", "歡迎加入"},
         {"Your account is ready. The demo world plays for play money: every account starts with 1000.00.",
          "アカウントの準備ができました。デモワールドはプレイマネーで遊びます。どのアカウントも1000.00から始まります。",
          "您的账户已准备就绪。演示世界使用游戏币：每个账户初始有1000.00。",
          "您的帳戶已準備就緒。示範世界使用遊戲幣：每個帳戶初始有1000.00。"}},
        {5, "support",
         {"Support", "サポート", "客服", "客服"},
         {"The demo world is a local test server: nobody answers here. Its rules and limits are described in "
          "tools/testserver/README.md of the client's sources.",
          "デモワールドはローカルのテストサーバーです。ここでは誰も応答しません。そのルールと制限はクライアントのソースの "
          "tools/testserver/README.md に書かれています。",
          "演示世界是本地测试服务器：这里无人答复。它的规则和限制写在客户端源代码的 tools/testserver/README.md 中。",
          "示範世界是本機測試伺服器：這裡無人答覆。它的規則和限制寫在用戶端原始碼的 tools/testserver/README.md 中。"}},
        {6, "help",
         {"Help", "ヘルプ", "帮助", "說明"},
         {"Join a table on the Play tab and press Play: computer players take the free seats and the hand is dealt. "
          "Discard by clicking a tile; claims, kongs, riichi and mahjong are offered when the rules allow them.",
          "「プレイ」タブでテーブルに参加して「プレイ」を押すと、空席にコンピューターが着席し、配牌されます。"
          "牌をクリックして捨てます。チー、ポン、カン、リーチ、和了はルールが許すときに提示されます。",
          "在“游戏”标签页加入牌桌并按“开始游戏”：电脑玩家会坐上空位并开始发牌。点击一张牌即可打出；"
          "规则允许时会提示吃、碰、杠、立直和和牌。",
          "在「遊戲」分頁加入牌桌並按「開始遊戲」：電腦玩家會坐上空位並開始發牌。點擊一張牌即可打出；"
          "規則允許時會提示吃、碰、槓、立直和和牌。"}},
        {7, "rules-classic",
         {"Classic rules", "クラシックのルール", "经典麻将规则", "經典麻將規則"},
         {"A win needs a double or a limit hand. The hand scores its points doubled for each double, up to 1000, "
          "from every other player, twice from or to the dealer.",
          "和了には1翻以上または満貫が必要です。手の符は翻ごとに倍になり、1000点を上限にほかの全員から受け取ります。"
          "親が払う、または親が受け取るときは2倍です。",
          "和牌需要至少一番或满贯。牌型的符数每番翻倍，上限1000分，由其他每位玩家支付；庄家支付或收取双倍。",
          "和牌需要至少一番或滿貫。牌型的符數每番翻倍，上限1000分，由其他每位玩家支付；莊家支付或收取雙倍。"}},
        {8, "rules-international",
         {"International rules", "国際ルール", "国标麻将规则", "國標麻將規則"},
         {"A win needs a fan or a limit hand; the eight-fan minimum is left out. The discarder pays 8 and the fans, "
          "the others 8; a self-draw 8 and the fans from each.",
          "和了には1番以上または88番・64番の役が必要です（8番縛りはありません）。放銃者は8点と番数を、ほかの人は8点を支払い、"
          "ツモでは全員から8点と番数を受け取ります。",
          "和牌需要至少一番或88番、64番的番种；不设八番起和。点炮者支付8分加番数，其他玩家各付8分；自摸则每人支付8分加番数。",
          "和牌需要至少一番或88番、64番的番種；不設八番起和。放槍者支付8分加番數，其他玩家各付8分；自摸則每人支付8分加番數。"}},
        {9, "rules-riichi",
         {"Riichi rules", "リーチ麻雀のルール", "立直麻将规则", "立直麻將規則"},
         {"A win needs a han other than dora, or a limit hand. Base points are the fu times two to the power of two "
          "and the han, up to a mangan of 2000; the discarder pays four times that, six to the dealer.",
          "和了にはドラ以外の1翻以上、または役満が必要です。基本点は符×2の(2+翻)乗で、満貫の2000点が上限です。"
          "放銃者はその4倍（親へは6倍）を支払います。",
          "和牌需要宝牌以外的至少一番，或役满。基本点为符×2的(2+番)次方，上限为满贯2000点；点炮者支付其4倍，向庄家支付6倍。",
          "和牌需要寶牌以外的至少一番，或役滿。基本點為符×2的(2+番)次方，上限為滿貫2000點；放槍者支付其4倍，向莊家支付6倍。"}},
        {10, "terms",
         {"Terms of use", "利用規約", "使用条款", "使用條款"},
         {"The demo world is for trying the client: its accounts, money and games are not real, and they are gone "
          "when the server stops.",
          "デモワールドはクライアントを試すためのものです。アカウント、お金、対局は本物ではなく、サーバーが止まると消えます。",
          "演示世界用于试用客户端：其中的账户、金钱和对局都不是真的，服务器停止后就会消失。",
          "示範世界用於試用用戶端：其中的帳戶、金錢和對局都不是真的，伺服器停止後就會消失。"}},
        {11, "reset-password",
         {"Reset password", "パスワードの再設定", "重置密码", "重設密碼"},
         {"The demo world sends no mail and keeps its accounts only while it runs: log in with a new name to make a "
          "new account, or start the server again.",
          "デモワールドはメールを送らず、アカウントは動いている間だけ保存されます。新しい名前でログインして新しいアカウントを"
          "作るか、サーバーを起動し直してください。",
          "演示世界不发送邮件，账户只在运行期间保留：请用新名称登录以创建新账户，或重新启动服务器。",
          "示範世界不寄送郵件，帳戶只在執行期間保留：請用新名稱登入以建立新帳戶，或重新啟動伺服器。"}},
        {12, "lobby-side", demoWorld, playMoneyOnly},
        {13, "overlay", demoWorld, playMoneyOnly},
        {14, "rules-hongkong",
         {"Hong Kong rules", "香港麻雀のルール", "香港麻将规则", "香港麻將規則"},
         {"A win needs a faan or a limit hand. A self-draw takes the paying chart's points of the faan (2 at one faan "
          "to 96 at eight and more) from each, a discard twice that from the discarder.",
          "和了には1番以上または満貫が必要です。ツモでは番数に応じた点数（1番の2点から8番以上の96点まで）を全員から受け取り、"
          "ロンでは放銃者からその2倍を受け取ります。",
          "和牌需要至少一番或满贯。自摸时按番数的点数（一番2分至八番及以上96分）向每人收取，点炮时由点炮者支付两倍。",
          "和牌需要至少一番或滿貫。自摸時按番數的點數（一番2分至八番及以上96分）向每人收取，放槍時由放槍者支付兩倍。"}},
    };
    for (const Page &page : pages) {
        m_pageNames.insert(page.kind, QLatin1String(page.name));
        for (const QString &language : languages())
            m_pages.http.insert(pagePath(language, QLatin1String(page.name)),
                                htmlPage(language, WorldLanguage::text(page.title, language), WorldLanguage::text(page.text, language)));
    }
}

const QStringList &DemoWorld::languages()
{
    static const QStringList all{QStringLiteral("en"), QStringLiteral("ja"), QStringLiteral("zh_CN"), QStringLiteral("zh_TW")};
    return all;
}

QString DemoWorld::pagePath(const QString &language, const QString &name)
{
    return QStringLiteral("/pages/%1/%2.html").arg(language, name);
}

QString DemoWorld::accountPagePath(const QString &language, const QString &hint)
{
    return QStringLiteral("/account/%1/%2.html").arg(language, hint);
}

DemoWorld::~DemoWorld() = default;

bool DemoWorld::listen(quint16 port, const QSslConfiguration &tls)
{
    m_server = listenOnLoopback(port, tls, this);
    if (!m_server)
        return false;
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, &DemoWorld::onNewConnection);
    // The account pages over plain HTTP: the client's web view knows no test CA.
    m_pageServer = new HttpServer(m_pages, this);
    return m_pageServer->listen(0, QSslConfiguration());
}

quint16 DemoWorld::port() const
{
    return m_server->serverPort();
}

void DemoWorld::onNewConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        auto *session = new DemoSession(socket, ++m_sessionCount, this);
        m_sessions.insert(session);
        connect(session, &DemoSession::packetReceived, this, &DemoWorld::onPacket);
        connect(session, &DemoSession::closed, this, &DemoWorld::onSessionClosed);
    }
}

void DemoWorld::onSessionClosed(DemoSession *session)
{
    for (auto &entry : m_tables)
        entry.second->sessionClosed(session);
    m_subscriptions.erase(session);
    m_tournamentSubscribers.erase(session);
    m_summarySubscribers.erase(session);
    if (m_sessions.erase(session) > 0 && session->isLoggedIn())
        onSummaryChanged();
}

// ---- lobby set-up ----------------------------------------------------------------------------

void DemoWorld::buildLobby()
{
    struct Row
    {
        const char *path;
        const char *name;
        int ruleset, seats, gameType, windRounds, speed, valueKind, bet, bots;
    };
    // Every rule set, three and four seats, free and money tables, several speeds.
    static const Row rows[] = {
        {"Regular", "Jade Garden", 0, 4, 2, 2, 20000, 0, 0, 2},
        {"Regular", "Bamboo Court", 1, 4, 2, 2, 15000, 1, 100, 1},
        {"Regular", "Red Lantern", 2, 4, 2, 2, 15000, 0, 0, 3},
        {"Regular", "Cherry Hall", 3, 4, 2, 2, 10000, 2, 500, 0},
        {"Regular", "Kansai Corner", 4, 3, 2, 2, 15000, 0, 0, 1},
        {"Regular", "Harbour View", 5, 4, 2, 2, 20000, 4, 200, 2},
        {"Regular", "East Wind", 0, 4, 2, 1, 8000, 0, 0, 0},
        {"Regular", "Quick Hand", 3, 4, 0, 2, 5000, 3, 100, 2},
        {"Practice", "Practice Classic", 0, 4, 2, 2, 30000, 0, 0, 3},
        {"Practice", "Practice Riichi", 3, 4, 2, 2, 30000, 0, 0, 3},
        {"Practice", "Practice Chinese Official", 1, 4, 2, 2, 30000, 0, 0, 3},
        {"Practice", "Practice Three Players", 4, 3, 2, 2, 30000, 0, 0, 2},
        {"Practice", "Practice Hong Kong", 5, 4, 2, 2, 30000, 0, 0, 3},
        {"Practice", "Practice European Riichi", 2, 4, 2, 2, 30000, 0, 0, 3},
    };
    qint32 id = 3001;
    for (const Row &row : rows) {
        TableConfig c;
        c.id = id++;
        c.pathRest = QLatin1String(row.path);
        c.name = QLatin1String(row.name);
        c.ruleset = row.ruleset;
        c.seats = row.seats;
        c.gameType = row.gameType;
        c.windRounds = row.windRounds;
        c.speed = row.speed;
        c.valueKind = row.valueKind;
        c.bet = row.bet;
        c.fee = row.bet / 10;
        c.botsSeated = row.bots;
        addTable(c);
    }
}

void DemoWorld::addTable(TableConfig config)
{
    config.seatTime = m_seatTime;
    auto *engine = new TableEngine(config, [this] { return m_nextBotId++; }, m_random, m_pace, this);
    m_tables[config.id] = engine;
    connect(engine, &TableEngine::seatsChanged, this, &DemoWorld::onSeatsChanged);
    connect(engine, &TableEngine::handInPlayChanged, this, &DemoWorld::onSummaryChanged);
    connect(engine, &TableEngine::gameSettled, this, &DemoWorld::onGameSettled);
}

void DemoWorld::addTournaments()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 hour = 3600 * 1000;
    struct Row
    {
        qint32 id;
        WorldText name;
        int status, registered, maxPlayers, rounds, currentRound, ruleset, bet;
        qint64 start;
    };
    const Row rows[] = {
        {501, {"Demo Free Roll", "デモ・フリーロール", "演示免费赛", "示範免費賽"}, 0, 6, 64, 2, 0, 3, 0, now + 2 * hour},
        {502, {"Demo Evening Cup", "デモ・イブニングカップ", "演示晚间杯", "示範晚間盃"}, 0, 11, 32, 3, 0, 0, 500, now + 5 * hour},
        {503, {"Demo Running Series", "デモ・開催中シリーズ", "演示进行中系列赛", "示範進行中系列賽"}, 3, 8, 8, 2, 1, 3, 100, now - hour / 2},
        {504, {"Demo Morning Classic", "デモ・モーニングクラシック", "演示早场经典赛", "示範早場經典賽"}, 5, 16, 16, 2, 2, 0, 200, now - 6 * hour},
    };
    for (const Row &row : rows) {
        QJsonArray starts;
        QJsonArray lengths;
        for (int r = 0; r < row.rounds; ++r) {
            starts.append(i64(row.start + r * 40 * 60 * 1000));
            lengths.append(1800);
        }
        QJsonArray properties{lobbyProperty(QStringLiteral("PERSISTENT_ID"), 9000 + row.id),
                              lobbyProperty(QStringLiteral("STATUS"), row.status),
                              lobbyProperty(QStringLiteral("NAME"), QString::fromUtf8(row.name.en)),
                              lobbyProperty(QStringLiteral("REGISTERED"), row.registered),
                              lobbyProperty(QStringLiteral("MIN_PLAYERS"), 4),
                              lobbyProperty(QStringLiteral("MAX_PLAYERS"), row.maxPlayers),
                              lobbyProperty(QStringLiteral("START"), i64(row.start)),
                              lobbyProperty(QStringLiteral("CLOSE_REGISTER"), i64(row.start - 10 * 60 * 1000)),
                              lobbyProperty(QStringLiteral("NUMBER_OF_ROUNDS"), row.rounds),
                              lobbyProperty(QStringLiteral("CURRENT_ROUND"), row.currentRound),
                              lobbyProperty(QStringLiteral("ROUNDS_START"), starts),
                              lobbyProperty(QStringLiteral("ROUNDS_LENGTH"), lengths),
                              lobbyProperty(QStringLiteral("RULESET"), row.ruleset),
                              lobbyProperty(QStringLiteral("MIN_DOUBLES"), 0),
                              lobbyProperty(QStringLiteral("MAX_DOUBLES"), 0),
                              lobbyProperty(QStringLiteral("BET"), row.bet),
                              lobbyProperty(QStringLiteral("FEE"), row.bet / 10)};
        // Who registered before the world started; the players who register join them.
        QJsonArray players;
        for (int i = 0; i < row.registered; ++i)
            players.append(madeUpPlayer(i));
        QJsonObject names;
        for (const QString &language : languages())
            names.insert(language, WorldLanguage::text(row.name, language));
        m_tournaments.push_back({{QStringLiteral("tournament"), row.id}, {QStringLiteral("properties"), properties},
                                 {QStringLiteral("names"), names},
                                 {QStringLiteral("registered"), row.registered}, {QStringLiteral("players"), players},
                                 {QStringLiteral("status"), row.status}});
        if (row.status == 3) {
            // A running tournament plays at tables of its own.
            for (int t = 0; t < 2; ++t) {
                TableConfig c;
                c.id = 4000 + row.id * 10 + t;
                c.pathRest = QStringLiteral("mtt/%1").arg(row.id);
                c.name = QStringLiteral("%1 %2").arg(QString::fromUtf8(row.name.en), QString::number(t + 1));
                c.ruleset = row.ruleset;
                c.gameType = 1;
                c.speed = 15000;
                c.mttId = row.id;
                c.botsSeated = 4;
                addTable(c);
            }
        }
    }
}

QJsonObject DemoWorld::tableInfo(const TableEngine &table) const
{
    return {{QStringLiteral("table"), table.config().id},
            {QStringLiteral("game_id"), GameId},
            {QStringLiteral("path_rest"), table.config().pathRest},
            {QStringLiteral("properties"), table.properties()}};
}

qint32 DemoWorld::tournamentId(const QJsonObject &tournament) const
{
    return tournament.value(QStringLiteral("tournament")).toInt();
}

QJsonObject DemoWorld::tournamentInfo(const QJsonObject &tournament, const QString &language) const
{
    QJsonArray properties = tournament.value(QStringLiteral("properties")).toArray();
    for (int i = 0; i < properties.size(); ++i) {
        if (properties[i].toObject().value(QStringLiteral("name")) == QLatin1String("NAME"))
            properties[i] = lobbyProperty(QStringLiteral("NAME"), tournament.value(QStringLiteral("names")).toObject().value(language));
    }
    return {{QStringLiteral("tournament"), tournamentId(tournament)}, {QStringLiteral("properties"), properties}};
}

void DemoWorld::sendTournaments(DemoSession *session) const
{
    for (const QJsonObject &t : m_tournaments)
        session->send(QStringLiteral("tournament_info_t"), tournamentInfo(t, session->language()));
}

void DemoWorld::onSeatsChanged(qint32 tableId)
{
    const TableEngine *engine = m_tables.at(tableId);
    const QJsonObject update{
        {QStringLiteral("table"), tableId},
        {QStringLiteral("seated_players"), engine->seatedCount()},
        {QStringLiteral("updates"), QJsonArray{QJsonObject{{QStringLiteral("field"), 4}, {QStringLiteral("value"), engine->seatedCount()}}}}};
    for (const auto &entry : m_subscriptions) {
        for (const QString &path : entry.second) {
            if (engine->lobbyPath().startsWith(path)) {
                entry.first->send(QStringLiteral("table_info_update_t"), update);
                break;
            }
        }
    }
}

TableEngine *DemoWorld::table(const QJsonObject &fields) const
{
    const auto it = m_tables.find(fields.value(QStringLiteral("table")).toInt(-1));
    return it == m_tables.end() ? nullptr : it->second;
}

DemoWorld::Account *DemoWorld::accountOf(DemoSession *session)
{
    for (auto &entry : m_accounts) {
        if (entry.second.id == session->playerId())
            return &entry.second;
    }
    return nullptr;
}

QJsonObject DemoWorld::lobbySummary() const
{
    int online = 0;
    for (DemoSession *s : m_sessions)
        online += s->isLoggedIn() ? 1 : 0;
    int inPlay = 0;
    for (const auto &entry : m_tables)
        inPlay += entry.second->isHandInPlay() ? 1 : 0;
    QJsonArray latest;
    for (qint32 id : m_latestLogins)
        latest.append(id);
    return {{QStringLiteral("players_online"), online}, {QStringLiteral("tables_in_play"), inPlay}, {QStringLiteral("latest_logins"), latest}};
}

void DemoWorld::onGameSettled(qint32 playerId, qint64 amount)
{
    for (auto &entry : m_accounts) {
        if (entry.second.id != playerId)
            continue;
        entry.second.balance += amount;
        for (DemoSession *s : m_sessions) {
            if (s->playerId() == playerId)
                sendBalance(s, entry.second);
        }
    }
}

void DemoWorld::sendBalance(DemoSession *session, const Account &account)
{
    session->send(QStringLiteral("account_balance_t"),
                  {{QStringLiteral("balance"), QString::number(account.balance)},
                   {QStringLiteral("reserved"), 0},
                   {QStringLiteral("sequence"), QString::number(QDateTime::currentMSecsSinceEpoch())}});
}

void DemoWorld::onSummaryChanged()
{
    const QJsonObject summary = lobbySummary();
    for (DemoSession *s : m_summarySubscribers)
        s->send(QStringLiteral("lobby_summary_t"), summary);
}

// ---- packets ---------------------------------------------------------------------------------

void DemoWorld::onPacket(DemoSession *session, const QString &name, const QJsonObject &fields)
{
    // A packet the world cannot serve is refused; it never brings the server down.
    try {
        dispatch(session, name, fields);
    } catch (const std::exception &e) {
        session->log(QStringLiteral("REFUSED %1: %2").arg(name, QString::fromStdString(e.what())));
    }
}

void DemoWorld::dispatch(DemoSession *session, const QString &name, const QJsonObject &fields)
{
    // The requests for pages and table names say the client's language: the world
    // answers in it from then on, its manager too.
    if (fields.contains(QStringLiteral("language"))) {
        const QString language = WorldLanguage::of(fields.value(QStringLiteral("language")).toString());
        const bool changed = language != session->language();
        session->setLanguage(language);
        // The tournaments listed already are named again in it.
        if (changed && m_tournamentSubscribers.count(session))
            sendTournaments(session);
    }
    if (handleSession(session, name, fields))
        return;
    if (!session->isLoggedIn()) {
        // Before the login: the start-up requests and the pages that do not depend on the account.
        const bool accountPage = name == QLatin1String("query_web_page_t") && fields.value(QStringLiteral("kind")).toInt() == AccountPage;
        if (name != QLatin1String("query_localized_table_names_t") && name != QLatin1String("local_query_web_page_t")
            && name != QLatin1String("register_user_t") && (name != QLatin1String("query_web_page_t") || accountPage)) {
            session->log(QStringLiteral("REFUSED %1: not logged in").arg(name));
            session->send(QStringLiteral("player_message_t"), {{QStringLiteral("text"), WorldLanguage::text(PleaseLogIn, session->language())}});
            return;
        }
    }
    if (handleAccount(session, name, fields) || handleLobby(session, name, fields) || handleTables(session, name, fields)
        || handleTournaments(session, name, fields) || handleQuickJoin(session, name, fields))
        return;
    session->log(QStringLiteral("UNHANDLED %1").arg(name));
}

bool DemoWorld::handleSession(DemoSession *session, const QString &name, const QJsonObject &fields)
{
    if (name == QLatin1String("platform_version_t")) {
        session->send(QStringLiteral("platform_version_answer_t"), {{QStringLiteral("platform_version"), 6523}});
        session->send(QStringLiteral("game_version_answer_t"), {{QStringLiteral("game_version"), QStringLiteral("3204")}});
    } else if (name == QLatin1String("server_time_request_t")) {
        session->send(QStringLiteral("server_time_t"),
                      {{QStringLiteral("request"), fields.value(QStringLiteral("request"))},
                       {QStringLiteral("server_time"), QString::number(QDateTime::currentMSecsSinceEpoch())}});
    } else if (name == QLatin1String("login_t")) {
        login(session, fields.value(QStringLiteral("user")).toString(), fields.value(QStringLiteral("password")).toString());
    } else if (name == QLatin1String("logout_t")) {
        session->close();
    } else if (name == QLatin1String("log_client_uuid_t")) {
    } else {
        return false;
    }
    return true;
}

void DemoWorld::login(DemoSession *session, const QString &user, const QString &password)
{
    if (session->isLoggedIn()) {
        session->log(QStringLiteral("REFUSED login_t: already logged in"));
        return;
    }
    if (user.trimmed().isEmpty() || password.isEmpty() || user.size() > 64) {
        session->send(QStringLiteral("login_failed_t"), {{QStringLiteral("code"), 2}});
        return;
    }
    // Six wrong passwords in a row lock an account for ten minutes, as the client's
    // answer to code 7 says; the right password does not open it meanwhile.
    constexpr int wrongPasswordsToLock = 6;
    constexpr qint64 lockTime = 10 * 60 * 1000;
    auto it = m_accounts.find(user);
    if (it != m_accounts.end() && !it->second.locked.hasExpired()) {
        session->log(QStringLiteral("REFUSED login_t: %1 is locked").arg(user));
        session->send(QStringLiteral("login_failed_t"), {{QStringLiteral("code"), 7}});
        return;
    }
    if (it == m_accounts.end()) {
        it = createAccount(user, password);
    } else if (it->second.password != password) {
        Account &account = it->second;
        session->log(QStringLiteral("REFUSED login_t: wrong password for %1").arg(user));
        if (++account.wrongPasswords < wrongPasswordsToLock) {
            session->send(QStringLiteral("login_failed_t"), {{QStringLiteral("code"), 2}});
            return;
        }
        account.wrongPasswords = 0;
        account.locked.setRemainingTime(lockTime);
        session->send(QStringLiteral("login_failed_t"), {{QStringLiteral("code"), 7}});
        return;
    }
    Account &account = it->second;
    account.wrongPasswords = 0;
    if (account.chatRegistered || m_chat.ejabberdDirectory.isEmpty()) {
        completeLogin(session, account);
        return;
    }
    // The chat account first, so that the client's chat login that follows succeeds.
    registerChatAccount(session, user, QStringLiteral("register"));
}

// Registers the account on the chat server; an account the server holds already (from
// an earlier run of this server) gets the new chat secret as its password instead.
void DemoWorld::registerChatAccount(DemoSession *session, const QString &login, const QString &command)
{
    const Account &account = m_accounts.at(login);
    const QString id = QString::number(account.id);
    const QStringList arguments = command == QLatin1String("register")
        ? QStringList{command, m_chat.ejabberdDirectory, id, account.chatSecret}
        : QStringList{QStringLiteral("ctl"), m_chat.ejabberdDirectory, command, id, m_chat.domain, account.chatSecret};
    auto *process = new QProcess(this);
    // The session may close, and be deleted, while the script runs.
    const QPointer<DemoSession> guarded(session);
    connect(process, &QProcess::finished, this, [this, process, guarded, login, command](int code) {
        process->deleteLater();
        DemoSession *session = guarded.data();
        const auto found = m_accounts.find(login);
        if (found == m_accounts.end() || !session || !m_sessions.count(session))
            return;
        if (code != 0 && command == QLatin1String("register"))
            return registerChatAccount(session, login, QStringLiteral("change_password"));
        if (code != 0)
            session->log(QStringLiteral("CHAT REGISTRATION FAILED %1: %2").arg(login, QString::fromUtf8(process->readAllStandardError())));
        found->second.chatRegistered = code == 0;
        QFile directory(m_chat.ejabberdDirectory + QStringLiteral("/search-directory"));
        if (code == 0 && directory.open(QIODevice::Append))
            directory.write(QStringLiteral("%1@%2\t%3\n").arg(QString::number(found->second.id), m_chat.domain, found->second.screenName).toUtf8());
        completeLogin(session, found->second);
    });
    process->start(m_chat.script, arguments);
}

// The first login of a name creates its account, with the password of that login.
std::map<QString, DemoWorld::Account>::iterator DemoWorld::createAccount(const QString &user, const QString &password)
{
    Account account;
    account.id = m_nextPlayerId++;
    account.login = user;
    account.password = password;
    account.screenName = user;
    account.fullyRegistered = !user.startsWith(QLatin1String("player-"));
    account.chatSecret = chatSecret(m_random);
    account.balance = StartBalance;
    return m_accounts.emplace(user, account).first;
}

void DemoWorld::completeLogin(DemoSession *session, Account &account)
{
    // One session per account: the one logged in before is told and closed.
    for (DemoSession *other : std::set<DemoSession *>(m_sessions)) {
        if (other != session && other->playerId() == account.id) {
            other->log(QStringLiteral("FORCED LOGOUT: %1 logged in again").arg(account.login));
            other->send(QStringLiteral("forced_logout_t"), {});
            onSessionClosed(other);
            other->setPlayer(-1, QString());
            other->close();
        }
    }
    session->setPlayer(account.id, account.screenName);
    m_latestLogins.erase(std::remove(m_latestLogins.begin(), m_latestLogins.end(), account.id), m_latestLogins.end());
    m_latestLogins.insert(m_latestLogins.begin(), account.id);
    if (m_latestLogins.size() > LatestLogins)
        m_latestLogins.pop_back();
    onSummaryChanged();
    session->send(QStringLiteral("login_success_t"),
                  {{QStringLiteral("player_id"), account.id},
                   {QStringLiteral("name"), account.screenName},
                   {QStringLiteral("chat_secret"), account.chatSecret},
                   {QStringLiteral("fully_registered"), account.fullyRegistered}});
    // A seat left during a hand waits for its player.
    for (const auto &entry : m_tables) {
        const int seat = entry.second->awaySeatOf(account.id);
        if (seat != -1) {
            session->send(QStringLiteral("notify_seated_t"),
                          {{QStringLiteral("table"), entry.first}, {QStringLiteral("seat"), seat}, {QStringLiteral("tournament"), -1}});
        }
    }
}

bool DemoWorld::handleAccount(DemoSession *session, const QString &name, const QJsonObject &fields)
{
    Account *account = accountOf(session);
    if (name == QLatin1String("query_account_balance_t")) {
        sendBalance(session, account ? *account : Account());
    } else if (name == QLatin1String("query_client_config_t")) {
        session->send(QStringLiteral("client_config_t"),
                      {{QStringLiteral("xmpp_server"), m_chat.server},
                       {QStringLiteral("conference_service"), QString(QStringLiteral("conference.") + m_chat.domain)},
                       {QStringLiteral("room_jid"), QString(QStringLiteral("lobby@conference.") + m_chat.domain)},
                       {QStringLiteral("search_service"), QString(QStringLiteral("search.") + m_chat.domain)}});
    } else if (name == QLatin1String("query_coming_events_t")) {
        session->send(QStringLiteral("coming_events_t"),
                      {{QStringLiteral("service"), 1},
                       {QStringLiteral("events"), QJsonArray{QJsonObject{{QStringLiteral("kind"), 0}, {QStringLiteral("at"), QString::number(m_maintenanceAt)}}}}});
    } else if (name == QLatin1String("set_screenname_t")) {
        const QString wanted = fields.value(QStringLiteral("screen_name")).toString().trimmed();
        bool taken = wanted.startsWith(QLatin1String("player-"), Qt::CaseInsensitive);
        for (const auto &entry : m_accounts)
            taken = taken || (entry.second.screenName.compare(wanted, Qt::CaseInsensitive) == 0 && &entry.second != account);
        const bool ok = account && !wanted.isEmpty() && wanted.size() <= 32 && !taken;
        if (ok) {
            account->screenName = wanted;
            account->fullyRegistered = true;
            session->setPlayer(account->id, wanted);
        }
        session->send(QStringLiteral("set_screenname_answer_t"),
                      {{QStringLiteral("service"), 1}, {QStringLiteral("ok"), ok}, {QStringLiteral("retry_allowed"), !ok},
                       {QStringLiteral("message"), ok ? QString() : WorldLanguage::text(NameRefused, session->language())}});
    } else if (name == QLatin1String("query_user_t")) {
        const QString wanted = fields.value(QStringLiteral("screen_name")).toString();
        qint32 id = -1;
        QString screenName;
        bool manager = false;
        for (const auto &entry : m_accounts) {
            if (entry.second.screenName == wanted || QStringLiteral("player-%1").arg(entry.second.id) == wanted) {
                id = entry.second.id;
                screenName = entry.second.screenName;
                manager = entry.second.manager;
            }
        }
        // Computer players go by the name they have at the tables, in any of the world's
        // languages; the answer names them in the client's.
        for (qint32 bot = FirstBotId; id == -1 && bot < m_nextBotId; ++bot) {
            bool named = QStringLiteral("player-%1").arg(bot) == wanted;
            for (const QString &language : languages())
                named = named || TableEngine::botName(bot, language) == wanted;
            if (named) {
                id = bot;
                screenName = TableEngine::botName(bot, session->language());
            }
        }
        session->send(QStringLiteral("query_user_answer_t"),
                      {{QStringLiteral("service"), 1}, {QStringLiteral("request"), fields.value(QStringLiteral("request"))},
                       {QStringLiteral("ok"), id != -1}, {QStringLiteral("player_id"), id}, {QStringLiteral("screen_name"), screenName},
                       {QStringLiteral("user_flags"), manager ? 1 : 0},
                       {QStringLiteral("failure_text"), id == -1 ? WorldLanguage::text(NoSuchPlayer, session->language()) : QString()}});
    } else if (name == QLatin1String("store_player_properties_t")) {
    } else if (name == QLatin1String("query_web_page_t") || name == QLatin1String("local_query_web_page_t")) {
        // The world's own pages, in the language asked for; no address where the client's
        // own pages stand in.
        const int kind = fields.value(QStringLiteral("kind")).toInt();
        const QString language = session->language();
        QString path = m_pageNames.contains(kind) ? pagePath(language, m_pageNames.value(kind)) : QString();
        if (kind == AccountPage) {
            path = accountPagePath(language, fields.value(QStringLiteral("hint")).toString());
            if (!m_pages.http.contains(path))
                path = accountPagePath(language, QStringLiteral("TTM"));
        }
        const QString url = path.isEmpty() ? QString() : QStringLiteral("http://127.0.0.1:%1%2").arg(QString::number(m_pageServer->port()), path);
        session->send(name == QLatin1String("query_web_page_t") ? QStringLiteral("web_page_t") : QStringLiteral("local_web_page_t"),
                      {{QStringLiteral("service"), 1}, {QStringLiteral("kind"), fields.value(QStringLiteral("kind"))}, {QStringLiteral("url"), url}});
    } else if (name == QLatin1String("query_sub_pages_t")) {
        const bool account = fields.value(QStringLiteral("kind")).toInt() == AccountPage;
        session->send(QStringLiteral("sub_pages_t"),
                      {{QStringLiteral("service"), 1}, {QStringLiteral("kind"), fields.value(QStringLiteral("kind"))},
                       {QStringLiteral("pages"), account ? m_accountPages.value(session->language()) : QJsonArray()}});
    } else if (name == QLatin1String("register_user_t")) {
        const QString user = fields.value(QStringLiteral("name")).toString();
        const QString password = fields.value(QStringLiteral("password")).toString();
        const bool ok = !user.trimmed().isEmpty() && !password.isEmpty() && !m_accounts.count(user);
        if (ok)
            createAccount(user, password);
        session->send(QStringLiteral("register_user_answer_t"),
                      {{QStringLiteral("service"), 1}, {QStringLiteral("ok"), ok}, {QStringLiteral("flag"), 0},
                       {QStringLiteral("reason"), ok ? QString() : WorldLanguage::text(NameTaken, session->language())}});
    } else if (name == QLatin1String("query_localized_table_names_t")) {
        session->send(QStringLiteral("localized_table_names_t"),
                      {{QStringLiteral("service"), 1},
                       {QStringLiteral("language"), fields.value(QStringLiteral("language"))},
                       {QStringLiteral("names"), QJsonArray{QJsonObject{{QStringLiteral("flag"), false}, {QStringLiteral("path"), QStringLiteral("Practice")}, {QStringLiteral("name_template"), WorldLanguage::text(PracticeTables, session->language())}},
                                                            QJsonObject{{QStringLiteral("flag"), false}, {QStringLiteral("path"), QStringLiteral("Regular")}, {QStringLiteral("name_template"), WorldLanguage::text(RegularTables, session->language())}}}}});
    } else {
        return false;
    }
    return true;
}

bool DemoWorld::handleLobby(DemoSession *session, const QString &name, const QJsonObject &fields)
{
    const QString path = QStringLiteral("%1/%2").arg(QString::number(fields.value(QStringLiteral("game_id")).toInt()), fields.value(QStringLiteral("path_rest")).toString());
    if (name == QLatin1String("query_lobby_summary_t")) {
        // Asked once; the changes follow as players come and go and hands start and end.
        m_summarySubscribers.insert(session);
        session->send(QStringLiteral("lobby_summary_t"), lobbySummary());
    } else if (name == QLatin1String("query_lobby_structure_t")) {
        session->send(QStringLiteral("lobby_structure_t"),
                      {{QStringLiteral("root"), QJsonObject{{QStringLiteral("name"), QString::number(GameId)},
                                                            {QStringLiteral("leaf"), false},
                                                            {QStringLiteral("children"), QJsonArray{leaf(QStringLiteral("Regular")), leaf(QStringLiteral("Practice"))}}}}});
    } else if (name == QLatin1String("lobby_table_subscribe_t")) {
        m_subscriptions[session].insert(path);
        for (const auto &entry : m_tables) {
            if (entry.second->lobbyPath().startsWith(path))
                session->send(QStringLiteral("table_info_t"), tableInfo(*entry.second));
        }
    } else if (name == QLatin1String("lobby_table_unsubscribe_t")) {
        m_subscriptions[session].erase(path);
    } else if (name == QLatin1String("query_table_seated_t")) {
        const TableEngine *engine = table(fields);
        QJsonArray players;
        if (engine) {
            for (qint32 id : engine->seatedIds())
                players.append(id);
        }
        session->send(QStringLiteral("table_seated_t"), {{QStringLiteral("table"), fields.value(QStringLiteral("table"))}, {QStringLiteral("players"), players}});
    } else if (name == QLatin1String("query_players_online_t")) {
        QJsonArray online;
        for (const QJsonValue &v : fields.value(QStringLiteral("players")).toArray()) {
            const qint32 id = v.toInt();
            bool on = false;
            for (DemoSession *s : m_sessions)
                on = on || s->playerId() == id;
            for (const auto &entry : m_tables)
                on = on || entry.second->isBot(id);
            if (on)
                online.append(id);
        }
        session->send(QStringLiteral("players_online_t"), {{QStringLiteral("request"), fields.value(QStringLiteral("request"))}, {QStringLiteral("online"), online}});
    } else {
        return false;
    }
    return true;
}

bool DemoWorld::handleTables(DemoSession *session, const QString &name, const QJsonObject &fields)
{
    static const QStringList tableRequests{QStringLiteral("join_table_t"), QStringLiteral("watch_table_t"), QStringLiteral("unwatch_table_t"),
                                           QStringLiteral("leave_table_t"), QStringLiteral("reactivate_table_t"), QStringLiteral("invite_players_t")};
    const bool game = fields.contains(QStringLiteral("table")) && !tableRequests.contains(name)
                      && name != QLatin1String("query_table_seated_t");
    if (!tableRequests.contains(name) && !game)
        return false;
    TableEngine *engine = table(fields);
    const qint32 tableId = fields.value(QStringLiteral("table")).toInt(-1);
    if (!engine) {
        session->log(QStringLiteral("REFUSED %1: no table %2").arg(name, QString::number(tableId)));
        if (name == QLatin1String("join_table_t"))
            session->send(QStringLiteral("join_table_answer_t"), {{QStringLiteral("table"), tableId}, {QStringLiteral("ok"), false}, {QStringLiteral("reason"), 1}});
        else if (name == QLatin1String("watch_table_t"))
            session->send(QStringLiteral("watch_table_answer_t"),
                          {{QStringLiteral("table"), tableId}, {QStringLiteral("ok"), false}, {QStringLiteral("message"), WorldLanguage::text(NoSuchTable, session->language())}});
        else if (name == QLatin1String("leave_table_t"))
            session->send(QStringLiteral("leave_table_answer_t"),
                          {{QStringLiteral("table"), tableId}, {QStringLiteral("ok"), false}, {QStringLiteral("message"), WorldLanguage::text(NoSuchTable, session->language())}});
        else
            session->send(QStringLiteral("player_message_t"), {{QStringLiteral("text"), WorldLanguage::text(NoSuchTable, session->language())}});
        return true;
    }
    if (name == QLatin1String("join_table_t")) {
        engine->join(session, fields.value(QStringLiteral("seat")).toInt(-1));
    } else if (name == QLatin1String("watch_table_t")) {
        engine->watch(session);
    } else if (name == QLatin1String("unwatch_table_t")) {
        engine->unwatch(session);
    } else if (name == QLatin1String("leave_table_t")) {
        engine->leave(session);
    } else if (name == QLatin1String("reactivate_table_t")) {
    } else if (name == QLatin1String("invite_players_t")) {
        for (const QJsonValue &v : fields.value(QStringLiteral("players")).toArray()) {
            for (DemoSession *s : m_sessions) {
                if (s->playerId() == v.toInt() && s != session)
                    s->send(QStringLiteral("notify_invited_t"),
                            {{QStringLiteral("table"), tableId}, {QStringLiteral("inviter"), session->playerId()}, {QStringLiteral("extra"), 0}});
            }
        }
    } else {
        engine->handleGamePacket(session, name, fields);
    }
    return true;
}

bool DemoWorld::handleTournaments(DemoSession *session, const QString &name, const QJsonObject &fields)
{
    Account *account = accountOf(session);
    if (name == QLatin1String("tournaments_lobby_subscribe_t")) {
        m_tournamentSubscribers.insert(session);
        QJsonArray registered;
        for (qint32 id : account ? account->tournaments : std::set<qint32>())
            registered.append(id);
        session->send(QStringLiteral("notify_registered_t"), {{QStringLiteral("tournaments"), registered}});
        sendTournaments(session);
        return true;
    }
    if (!fields.contains(QStringLiteral("tournament")))
        return false;
    const qint32 id = fields.value(QStringLiteral("tournament")).toInt();
    const auto it = std::find_if(m_tournaments.begin(), m_tournaments.end(), [&](const QJsonObject &t) { return tournamentId(t) == id; });
    if (it == m_tournaments.end()) {
        session->log(QStringLiteral("REFUSED %1: no tournament %2").arg(name, QString::number(id)));
        session->send(QStringLiteral("player_message_t"), {{QStringLiteral("text"), WorldLanguage::text(NoSuchTournament, session->language())}});
        return true;
    }
    QJsonObject &tournament = *it;
    const int status = tournament.value(QStringLiteral("status")).toInt();
    auto changeRegistered = [&](const QJsonArray &players) {
        const int registered = int(players.size());
        tournament.insert(QStringLiteral("players"), players);
        tournament.insert(QStringLiteral("registered"), registered);
        QJsonArray properties = tournament.value(QStringLiteral("properties")).toArray();
        for (int i = 0; i < properties.size(); ++i) {
            if (properties[i].toObject().value(QStringLiteral("name")) == QLatin1String("REGISTERED"))
                properties[i] = lobbyProperty(QStringLiteral("REGISTERED"), registered);
        }
        tournament.insert(QStringLiteral("properties"), properties);
        const QJsonObject update{{QStringLiteral("tournament"), id},
                                 {QStringLiteral("updates"), QJsonArray{QJsonObject{{QStringLiteral("field"), 3}, {QStringLiteral("value"), registered}}}}};
        for (DemoSession *s : m_tournamentSubscribers)
            s->send(QStringLiteral("tournament_info_update_t"), update);
    };
    if (name == QLatin1String("register_tournament_t")) {
        // Reasons on the wire are 1-7: 4 full, 6 already registered, 7 running.
        int reason = 0;
        if (status != 0)
            reason = 7;
        else if (account && account->tournaments.count(id))
            reason = 6;
        session->send(QStringLiteral("register_answer_t"), {{QStringLiteral("tournament"), id}, {QStringLiteral("ok"), reason == 0}, {QStringLiteral("reason"), reason}});
        if (reason == 0 && account) {
            account->tournaments.insert(id);
            QJsonArray players = tournament.value(QStringLiteral("players")).toArray();
            players.append(QJsonObject{{QStringLiteral("pid"), session->playerId()}, {QStringLiteral("name"), session->playerName()}});
            changeRegistered(players);
        }
    } else if (name == QLatin1String("unregister_tournament_t")) {
        const bool ok = status == 0 && account && account->tournaments.erase(id) > 0;
        session->send(QStringLiteral("unregister_answer_t"), {{QStringLiteral("tournament"), id}, {QStringLiteral("ok"), ok}, {QStringLiteral("reason"), ok ? 0 : 1}});
        if (ok) {
            QJsonArray players;
            for (const QJsonValue &player : tournament.value(QStringLiteral("players")).toArray()) {
                if (player.toObject().value(QStringLiteral("pid")).toInt() != session->playerId())
                    players.append(player);
            }
            changeRegistered(players);
        }
    } else if (name == QLatin1String("get_ranking_list_t")) {
        // Before the start the list holds the players registered so far, without points;
        // a started one its eight standings.
        QJsonArray rankings;
        const QJsonArray registered = tournament.value(QStringLiteral("players")).toArray();
        const int players = status != 0 ? 8 : int(registered.size());
        for (int i = 0; i < players; ++i) {
            QJsonObject row = status != 0 ? madeUpPlayer(i) : registered[i].toObject();
            row.insert(QStringLiteral("table_points"), status != 0 ? 16 - 2 * i : 0);
            row.insert(QStringLiteral("competition_points"), status != 0 ? 1000 - 90 * i : 0);
            row.insert(QStringLiteral("flag"), false);
            row.insert(QStringLiteral("payout"), status == 5 && i < 2 ? QString::number(5000 / (i + 1)) : QStringLiteral("0"));
            rankings.append(row);
        }
        session->send(QStringLiteral("ranking_list_t"), {{QStringLiteral("tournament"), id}, {QStringLiteral("rankings"), rankings}});
    } else if (name == QLatin1String("query_prize_configuration_t")) {
        const QJsonArray prizes{QJsonObject{{QStringLiteral("first_position"), 1}, {QStringLiteral("last_position"), 1}, {QStringLiteral("prize"), QJsonObject{{QStringLiteral("pot_share_t"), QJsonObject{{QStringLiteral("share"), 600000}}}}}},
                                QJsonObject{{QStringLiteral("first_position"), 2}, {QStringLiteral("last_position"), 3}, {QStringLiteral("prize"), QJsonObject{{QStringLiteral("pot_share_t"), QJsonObject{{QStringLiteral("share"), 200000}}}}}}};
        session->send(QStringLiteral("prize_configuration_t"),
                      {{QStringLiteral("tournament"), id},
                       {QStringLiteral("ranges"), QJsonArray{QJsonObject{{QStringLiteral("first"), 4}, {QStringLiteral("last"), 64}, {QStringLiteral("prizes"), prizes}}}}});
    } else if (name == QLatin1String("query_extended_registration_t")) {
        session->send(QStringLiteral("extended_registration_response_t"), {{QStringLiteral("tournament"), id}, {QStringLiteral("requirements"), QJsonArray()}});
    } else {
        return false;
    }
    return true;
}

// The quick join of the web pages: "ruleset=riichi", "ruleset=classic" or
// "ruleset=hongkong" is answered as a join of the table chosen; any other filter, or no
// table with a free seat, gets a waiting list that no table ever calls.
bool DemoWorld::handleQuickJoin(DemoSession *session, const QString &name, const QJsonObject &fields)
{
    if (name == QLatin1String("filter_join_t")) {
        const QString filter = fields.value(QStringLiteral("filter")).toString();
        if (const TableEngine *engine = quickJoinTable(session, filter)) {
            handleTables(session, QStringLiteral("join_table_t"), {{QStringLiteral("table"), engine->config().id}});
        } else {
            const qint32 waitingId = m_nextWaitingId++;
            session->log(QStringLiteral("WAITING %1 for filter %2").arg(QString::number(waitingId), filter));
            session->send(QStringLiteral("waiting_list_t"), {{QStringLiteral("waiting_id"), waitingId}});
        }
    } else if (name == QLatin1String("cancel_filter_join_t")) {
        session->log(QStringLiteral("CANCELLED waiting %1").arg(QString::number(fields.value(QStringLiteral("waiting_id")).toInt())));
    } else {
        return false;
    }
    return true;
}

// A table of the filter's rule set family outside tournaments: the one the player sits at
// already, else a practice table with a seat, else another free table with a seat, else a
// money table with a seat that the player's balance covers.
TableEngine *DemoWorld::quickJoinTable(DemoSession *session, const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("^ruleset=(riichi|classic|hongkong)$"));
    const QRegularExpressionMatch match = pattern.match(filter.trimmed());
    if (!match.hasMatch())
        return nullptr;
    const QString family = match.captured(1);
    const auto inFamily = [&family](int ruleset) {
        if (family == QLatin1String("riichi"))
            return RulesetInfoInstance(ruleset).isRiichi() != 0;
        return ruleset == (family == QLatin1String("classic") ? RulesetInfo::CLASSIC : RulesetInfo::HONG_KONG);
    };
    const Account *account = accountOf(session);
    const qint64 balance = account ? account->balance : 0;
    TableEngine *chosen = nullptr;
    int chosenRank = 4;
    for (const auto &entry : m_tables) {
        const TableConfig &config = entry.second->config();
        if (config.mttId != -1 || config.gameType == 1 || !inFamily(config.ruleset))
            continue;
        const std::vector<qint32> seated = entry.second->seatedIds();
        const bool sitsThere = std::find(seated.begin(), seated.end(), session->playerId()) != seated.end()
                               || entry.second->awaySeatOf(session->playerId()) != -1;
        const bool open = entry.second->seatedCount() < config.seats && !entry.second->isHandInPlay();
        const bool affordable = balance >= config.stake();
        if (!sitsThere && !(open && affordable))
            continue;
        const bool practice = config.pathRest == QLatin1String("Practice");
        const int rank = sitsThere ? 0 : practice ? 1 : config.valueKind == 0 ? 2 : 3;
        if (rank < chosenRank) {
            chosen = entry.second;
            chosenRank = rank;
        }
    }
    return chosen;
}
