#include "GameServer.h"

#include "SocketFrames.h"

#include "Listener.h"
#include "protocol/packets_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpSocket>
#include <QTextStream>
#include <QTimer>

namespace {

// Replaces "$request.FIELD" values by the request's field and "$index" by the index
// of a repeated action (exactly, or inside a longer string).
QJsonValue substitute(const QJsonValue &v, const QJsonObject &request, int index)
{
    if (v.isString()) {
        const QString s = v.toString();
        if (s.startsWith(QLatin1String("$request.")))
            return request.value(s.mid(9));
        if (s == QLatin1String("$index"))
            return index;
        if (s.contains(QLatin1String("$index")))
            return QString(s).replace(QLatin1String("$index"), QString::number(index));
        return v;
    }
    if (v.isArray()) {
        QJsonArray a;
        for (const QJsonValue &e : v.toArray())
            a.append(substitute(e, request, index));
        return a;
    }
    if (v.isObject()) {
        QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            it.value() = substitute(it.value(), request, index);
        return o;
    }
    return v;
}

bool matches(const QJsonObject &request, const QJsonObject &match)
{
    for (auto it = match.begin(); it != match.end(); ++it) {
        if (request.value(it.key()) != it.value())
            return false;
    }
    return true;
}

} // namespace

GameSession::GameSession(QTcpSocket *socket, const Scenario &scenario, std::vector<int> &runTimesLeft,
                         int number, QObject *parent)
    : QObject(parent), m_socket(socket), m_scenario(scenario), m_runTimesLeft(runTimesLeft), m_number(number)
{
    for (const Scenario::Rule &rule : m_scenario.rules)
        m_timesLeft.push_back(rule.times);
    m_socket->setParent(this);
    if (!m_scenario.silent)
        connect(m_socket, &QTcpSocket::readyRead, this, &GameSession::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, [this] {
        log(QStringLiteral("CLOSED"));
        deleteLater();
    });
    log(QStringLiteral("CONNECTED"));
    if (m_scenario.silent)
        return;
    run(m_scenario.onConnect, 0, {});
    onReadyRead();
}

void GameSession::log(const QString &text) const
{
    QTextStream out(stdout);
    out << '[' << m_number << "] " << text << Qt::endl;
}

void GameSession::onReadyRead()
{
    readMessages(
        m_socket, m_frames, [this](const QString &text) { log(text); },
        [this](const protocol::message_t &message) { handle(message); });
}

void GameSession::handle(const protocol::message_t &message)
{
    std::pair<QString, QJsonObject> packet;
    try {
        packet = protocol::json::decode_to_json(message);
    } catch (const std::exception &e) {
        log(QStringLiteral("BAD PACKET class=%1: %2").arg(QString::number(message.classId()), QString::fromStdString(e.what())));
        return;
    }
    const auto &[name, fields] = packet;
    if (name.isEmpty()) {
        log(QStringLiteral("UNKNOWN class=%1").arg(message.classId()));
        return;
    }
    log(QStringLiteral("RECV %1 %2").arg(name, QString::fromUtf8(QJsonDocument(fields).toJson(QJsonDocument::Compact))));

    for (std::size_t i = 0; i < m_scenario.rules.size(); ++i) {
        const Scenario::Rule &rule = m_scenario.rules[i];
        if (rule.packet != name || m_timesLeft[i] == 0 || m_runTimesLeft[i] == 0 || !matches(fields, rule.match))
            continue;
        if (m_timesLeft[i] > 0)
            --m_timesLeft[i];
        if (m_runTimesLeft[i] > 0)
            --m_runTimesLeft[i];
        run(rule.reply, 0, fields);
        return;
    }

    // Built-in answers, unless a rule above took the request.
    if (name == QLatin1String("platform_version_t")) {
        if (!m_scenario.answerHandshake)
            return;
        sendPacket(QStringLiteral("platform_version_answer_t"),
                   {{QLatin1String("platform_version"), m_scenario.platformVersion}});
        sendPacket(QStringLiteral("game_version_answer_t"), {{QLatin1String("game_version"), m_scenario.gameVersion}});
        run(m_scenario.afterHandshake, 0, {});
    } else if (name == QLatin1String("server_time_request_t")) {
        sendPacket(QStringLiteral("server_time_t"),
                   {{QLatin1String("request"), fields.value(QLatin1String("request"))},
                    {QLatin1String("server_time"), QString::number(QDateTime::currentMSecsSinceEpoch())}});
    } else if (name == QLatin1String("logout_t")) {
        m_socket->disconnectFromHost();
    } else {
        log(QStringLiteral("UNHANDLED %1").arg(name));
    }
}

void GameSession::run(const QJsonArray &actions, int index, const QJsonObject &request)
{
    for (; index < actions.size(); ++index) {
        const QJsonObject action = actions.at(index).toObject();
        const int delay = action.value(QLatin1String("delay_ms")).toInt(0);
        if (delay > 0) {
            QJsonObject now = action;
            now.remove(QLatin1String("delay_ms"));
            QJsonArray rest = actions;
            rest.replace(index, now);
            QTimer::singleShot(delay, this, [this, rest, index, request] { run(rest, index, request); });
            return;
        }
        perform(action, request);
    }
}

void GameSession::perform(const QJsonObject &action, const QJsonObject &request)
{
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    try {
        const int repeat = action.value(QLatin1String("repeat")).toInt(1);
        if (action.contains(QLatin1String("packet"))) {
            const QString name = action.value(QLatin1String("packet")).toString();
            QByteArray burst;
            for (int i = 0; i < repeat; ++i) {
                const QJsonObject fields = substitute(action.value(QLatin1String("fields")), request, i).toObject();
                burst += protocol::json::frame_from_json(name, fields);
            }
            m_socket->write(burst);
            log(QStringLiteral("SENT %1%2").arg(name, repeat > 1 ? QStringLiteral(" x%1").arg(repeat) : QString()));
        } else if (action.contains(QLatin1String("raw"))) {
            const QByteArray bytes = QByteArray::fromHex(action.value(QLatin1String("raw")).toString().toLatin1());
            for (int i = 0; i < repeat; ++i)
                m_socket->write(bytes);
            log(QStringLiteral("SENT raw %1 bytes").arg(bytes.size() * repeat));
        } else if (action.value(QLatin1String("close")).toBool()) {
            log(QStringLiteral("CLOSING"));
            m_socket->disconnectFromHost();
        } else if (action.value(QLatin1String("abort")).toBool()) {
            log(QStringLiteral("ABORTING"));
            m_socket->abort();
        } else {
            log(QStringLiteral("BAD ACTION %1").arg(QString::fromUtf8(QJsonDocument(action).toJson(QJsonDocument::Compact))));
        }
    } catch (const std::exception &e) {
        log(QStringLiteral("BAD ACTION %1").arg(QString::fromStdString(e.what())));
    }
}

void GameSession::sendPacket(const QString &name, const QJsonObject &fields)
{
    perform({{QLatin1String("packet"), name}, {QLatin1String("fields"), fields}}, {});
}

GameServer::GameServer(const Scenario &scenario, QObject *parent) : QObject(parent), m_scenario(scenario)
{
    for (const Scenario::Rule &rule : m_scenario.rules)
        m_runTimesLeft.push_back(rule.timesInRun);
}

bool GameServer::listen(quint16 port, const QSslConfiguration &tls)
{
    m_server = listenOnLoopback(port, tls, this);
    if (!m_server)
        return false;
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, &GameServer::onNewConnection);
    return true;
}

quint16 GameServer::port() const
{
    return m_server->serverPort();
}

void GameServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection())
        new GameSession(socket, m_scenario, m_runTimesLeft, ++m_sessions, this);
}
