#include "DemoManager.h"

#include "WorldLanguage.h"

#include "app/Utils.h"

#include <QFile>
#include <QProcess>
#include <QSslConfiguration>
#include <QTextStream>

#include <exception>
#include <utility>

namespace {

// A player's line is quoted back up to this length.
constexpr int MaxQuotedLength = 200;

} // namespace

DemoManager::DemoManager(const ChatSettings &chat, qint32 id, const QString &name, const QString &password,
                         std::function<Player(qint32)> player, QObject *parent)
    : QObject(parent), m_chat(chat), m_id(id), m_name(name), m_password(password), m_player(std::move(player))
{
    connect(&m_client, &XMPPClient::connected, this, [] { log(QStringLiteral("CONNECTED")); });
    connect(&m_client, &XMPPClient::disconnected, this, [] { log(QStringLiteral("DISCONNECTED")); });
    connect(&m_client, &XMPPClient::xmppError, this,
            [](XMPPClient::XMPPError, const QString &text) { log(QStringLiteral("CHAT ERROR %1").arg(text)); });
    connect(&m_client, &XMPPClient::authorizationRequestReceived, this, &DemoManager::onAddedBy);
    connect(&m_client, &XMPPClient::presence, this, &DemoManager::onPresence);
    connect(&m_client, &XMPPClient::messageReceived, this, &DemoManager::onMessage);
}

void DemoManager::start()
{
    registerAccount(false);
}

// An account the chat server holds already (from an earlier run of the test server) gets
// the password of this run.
void DemoManager::registerAccount(bool again)
{
    const QString id = QString::number(m_id);
    const QStringList arguments = again
        ? QStringList{QStringLiteral("ctl"), m_chat.ejabberdDirectory, QStringLiteral("change_password"), id, m_chat.domain, m_password}
        : QStringList{QStringLiteral("register"), m_chat.ejabberdDirectory, id, m_password};
    auto *process = new QProcess(this);
    connect(process, &QProcess::finished, this, [this, process, again](int code) {
        process->deleteLater();
        if (code != 0 && !again)
            return registerAccount(true);
        if (code != 0) {
            log(QStringLiteral("REGISTRATION FAILED %1").arg(QString::fromUtf8(process->readAllStandardError()).trimmed()));
            return;
        }
        listInSearch();
        logIn();
    });
    process->start(m_chat.script, arguments);
}

void DemoManager::listInSearch()
{
    const QByteArray line = QStringLiteral("%1@%2\t%3\n").arg(QString::number(m_id), m_chat.domain, m_name).toUtf8();
    QFile directory(m_chat.ejabberdDirectory + QStringLiteral("/search-directory"));
    if (directory.open(QIODevice::ReadOnly) && directory.readAll().split('\n').contains(line.chopped(1)))
        return;
    directory.close();
    if (!directory.open(QIODevice::Append) || directory.write(line) != line.size())
        log(QStringLiteral("NOT IN THE USER SEARCH: %1").arg(directory.errorString()));
}

void DemoManager::logIn()
{
    // The chat server's certificate is of its own test CA.
    if (!m_chat.caFile.isEmpty()) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        if (!tls.addCaCertificates(m_chat.caFile))
            log(QStringLiteral("CANNOT READ THE CHAT SERVER'S CA %1").arg(m_chat.caFile));
        QSslConfiguration::setDefaultConfiguration(tls);
    }
    const QString host = m_chat.server.section(QLatin1Char(':'), 0, 0);
    const quint16 port = m_chat.server.section(QLatin1Char(':'), 1).toUShort();
    m_client.login(QString::number(m_id), m_password);
    m_client.connectToHost(host, port == 0 ? 5222 : port, XMPPClient::TlsRequired);
}

// A player adds the manager: taken, added back, and greeted.
void DemoManager::onAddedBy(const XMPPJid &jid)
{
    static const WorldText hello{
        "Hello %1, I am %2, the manager of this demo world. Write to me here whenever you like: I answer every line.",
        "%1さん、こんにちは。このデモワールドの管理者、%2です。いつでもここにメッセージをどうぞ。どのメッセージにもお返事します。",
        "%1，你好！我是%2，这个演示世界的管理员。随时可以在这里给我留言：每一句我都会回复。",
        "%1，你好！我是%2，這個示範世界的管理員。隨時可以在這裡給我留言：每一句我都會回覆。"};
    const XMPPJid address = jidBare(jid);
    m_client.answerSubscription(address, true);
    m_client.subscribe(address);
    // Clients of his online already have had their greeting.
    if (!m_online.count(address.toString()))
        m_greetedOnAdding.insert(address.toString());
    log(QStringLiteral("ADDED BY %1").arg(address.toString()));
    const Player added = player(address);
    say(address.toString(), QString(), WorldLanguage::text(hello, added.language).arg(added.name, m_name));
}

// A client of a player who has the manager as a friend comes online: greeted, once for as
// long as it stays.
void DemoManager::onPresence(const XMPPPresence &presence)
{
    static const WorldText welcomeBack{"Welcome back, %1. Write to me here whenever you like.",
                                       "%1さん、おかえりなさい。いつでもここに書いてください。",
                                       "%1，欢迎回来。随时可以在这里给我留言。",
                                       "%1，歡迎回來。隨時可以在這裡給我留言。"};
    const XMPPJid from = presence.from();
    const QString address = jidBare(from).toString();
    if (jidNode(from) == QString::number(m_id))
        return;
    if (presence.availability() <= 1) {
        const auto online = m_online.find(address);
        if (online != m_online.end() && online->second.erase(from.toString()) > 0 && online->second.empty())
            m_online.erase(online);
        return;
    }
    if (!m_online[address].insert(from.toString()).second || m_greetedOnAdding.erase(address) > 0)
        return;
    log(QStringLiteral("GREETS %1").arg(from.toString()));
    const Player greeted = player(from);
    say(from.toString(), QString(), WorldLanguage::text(welcomeBack, greeted.language).arg(greeted.name));
}

void DemoManager::onMessage(const XMPPMessage &message)
{
    static const WorldText thanks{"Thank you, %1. I have read your line: “%2”",
                                  "%1さん、ありがとうございます。メッセージを拝見しました：「%2」",
                                  "谢谢你，%1。我读到了你的话：“%2”",
                                  "謝謝你，%1。我讀到了你的話：「%2」"};
    if (message.type() != XMPPMessage::Chat || message.body().isEmpty())
        return;
    const XMPPJid from = parseJid(message.from());
    log(QStringLiteral("ANSWERS %1").arg(from.toString()));
    const Player writer = player(from);
    say(from.toString(), message.thread(),
        WorldLanguage::text(thanks, writer.language).arg(writer.name, Utils::cutText(message.body(), MaxQuotedLength)));
}

void DemoManager::say(const QString &to, const QString &thread, const QString &text)
{
    XMPPMessage line(to, XMPPMessage::Chat);
    line.setFrom(m_client.ownJid());
    line.setThread(thread);
    line.setBody(text);
    try {
        m_client.sendMessage(line);
    } catch (const std::exception &e) {
        log(QStringLiteral("NOT SENT to %1: %2").arg(to, QString::fromLocal8Bit(e.what())));
    }
}

DemoManager::Player DemoManager::player(const XMPPJid &jid) const
{
    bool number = false;
    const qint32 id = jidNode(jid).toInt(&number);
    Player found = number ? m_player(id) : Player();
    if (found.name.isEmpty())
        found.name = jidNode(jid);
    return found;
}

void DemoManager::log(const QString &text)
{
    QTextStream(stdout) << "MANAGER " << text << Qt::endl;
}
