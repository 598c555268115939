#include "DemoManager.h"

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
                         std::function<QString(qint32)> playerName, QObject *parent)
    : QObject(parent), m_chat(chat), m_id(id), m_name(name), m_password(password), m_playerName(std::move(playerName))
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
    const XMPPJid player = jidBare(jid);
    m_client.answerSubscription(player, true);
    m_client.subscribe(player);
    m_greeted.insert(player.toString());
    log(QStringLiteral("ADDED BY %1").arg(player.toString()));
    say(player.toString(), QString(),
        QStringLiteral("Hello %1, I am %2, the manager of this demo world. Write to me here whenever you like: "
                       "I answer every line.").arg(playerName(player), m_name));
}

// A player who has the manager as a friend comes online: greeted once until he goes.
void DemoManager::onPresence(const XMPPPresence &presence)
{
    const XMPPJid from = presence.from();
    const QString player = jidBare(from).toString();
    if (jidNode(from) == QString::number(m_id))
        return;
    std::set<QString> &resources = m_online[player];
    if (presence.availability() <= 1) {
        resources.erase(from.toString());
        if (resources.empty()) {
            m_online.erase(player);
            m_greeted.erase(player);
        }
        return;
    }
    resources.insert(from.toString());
    if (m_greeted.insert(player).second) {
        log(QStringLiteral("GREETS %1").arg(player));
        say(player, QString(),
            QStringLiteral("Welcome back, %1. Write to me here whenever you like.").arg(playerName(jidBare(from))));
    }
}

void DemoManager::onMessage(const XMPPMessage &message)
{
    if (message.type() != XMPPMessage::Chat || message.body().isEmpty())
        return;
    const XMPPJid from = parseJid(message.from());
    log(QStringLiteral("ANSWERS %1").arg(from.toString()));
    say(from.toString(), message.thread(),
        QStringLiteral("Thank you, %1. I have read your line: \u201C%2\u201D")
            .arg(playerName(from), Utils::cutText(message.body(), MaxQuotedLength)));
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

QString DemoManager::playerName(const XMPPJid &jid) const
{
    bool number = false;
    const qint32 id = jidNode(jid).toInt(&number);
    const QString name = number ? m_playerName(id) : QString();
    return name.isEmpty() ? jidNode(jid) : name;
}

void DemoManager::log(const QString &text)
{
    QTextStream(stdout) << "MANAGER " << text << Qt::endl;
}
