#pragma once

// The ejabberd test server the chat tests log in to, started by the ctest fixture.

#include <QByteArray>
#include <QDebug>
#include <QDeadlineTimer>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <memory>
#include <vector>

struct EjabberdTestServer
{
    QString dir;
    quint16 port = 0;
    QString searchDirectory;

    // Reads the server's env file and trusts its CA, besides those trusted already, for
    // every TLS connection of the test. False when the file is missing.
    bool load(const QString &serverDir)
    {
        dir = serverDir;
        QFile env(dir + "/env");
        if (!env.open(QIODevice::ReadOnly))
            return false;
        QList<QSslCertificate> ca;
        for (const QByteArray &line : env.readAll().split('\n')) {
            if (line.startsWith("XMPP_PORT="))
                port = line.mid(10).toUShort();
            if (line.startsWith("XMPP_CA="))
                ca = QSslCertificate::fromPath(QString::fromLocal8Bit(line.mid(8)));
            if (line.startsWith("SEARCH_DIRECTORY="))
                searchDirectory = QString::fromLocal8Bit(line.mid(17));
        }
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.addCaCertificates(ca);
        QSslConfiguration::setDefaultConfiguration(configuration);
        return true;
    }
};

// Runs the test server's script ("register", "ctl", ...); true when it exits cleanly.
// The script asks the node again while it does not answer, for up to two minutes; on a
// busy machine a command can take that long.
inline bool runEjabberdScript(const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.start(qEnvironmentVariable("MAHJONG_SOURCE_DIR") + "/tools/ejabberd/ejabberd-test-server.sh",
                  arguments);
    if (!process.waitForFinished(180000)) {
        qWarning().noquote() << "ejabberd-test-server.sh" << arguments.join(QLatin1Char(' ')) << "did not finish";
        return false;
    }
    if (output)
        *output = process.readAllStandardOutput();
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    qWarning().noquote() << "ejabberd-test-server.sh" << arguments.join(QLatin1Char(' ')) << "failed:"
                         << process.readAllStandardError() << process.readAllStandardOutput();
    return false;
}

// Registers the accounts first to last (password "secret") with the test server in
// the directory; true when every registration succeeded. Each starts a control node of
// its own, which takes a while on a busy machine: they all run at once.
inline bool registerEjabberdAccounts(const QString &serverDir, int first, int last)
{
    std::vector<std::unique_ptr<QProcess>> registrations;
    for (int account = first; account <= last; ++account) {
        registrations.push_back(std::make_unique<QProcess>());
        registrations.back()->start(qEnvironmentVariable("MAHJONG_SOURCE_DIR") + "/tools/ejabberd/ejabberd-test-server.sh",
                                    {"register", serverDir, QString::number(account), "secret"});
    }
    bool registered = true;
    for (const std::unique_ptr<QProcess> &registration : registrations) {
        if (!registration->waitForFinished(120000) || registration->exitStatus() != QProcess::NormalExit
            || registration->exitCode() != 0) {
            qWarning().noquote() << "registering failed:" << registration->readAllStandardError();
            registered = false;
        }
    }
    return registered;
}

// Another user at the chat server who writes the stream by hand, so that a test can
// send what no well-behaved client would.
class RawXmppUser
{
public:
    // How long a step may wait for the server's answer, and a destroyed room may refuse
    // joins: bounds for a server that does not answer, far above what a busy machine takes.
    static constexpr int ReadLimitMs = 30000;
    static constexpr int RefusalLimitMs = 60000;
    // How long a join waits for its answer before it is asked again.
    static constexpr int JoinAnswerMs = 5000;
    // How long a question after a room on its way out waits for its answer before it is
    // asked again.
    static constexpr int AskAgainMs = 1000;

    // Logs in over STARTTLS with SASL PLAIN and binds the resource; false when any
    // step fails.
    bool login(quint16 port, const QByteArray &user, const QByteArray &password,
               const QByteArray &resource = "raw")
    {
        m_socket.connectToHost(QStringLiteral("localhost"), port);
        if (!m_socket.waitForConnected(ReadLimitMs) || !openStream()
            || !send("<starttls xmlns='urn:ietf:params:xml:ns:xmpp-tls'/>", "<proceed"))
            return false;
        m_socket.startClientEncryption();
        if (!m_socket.waitForEncrypted(ReadLimitMs) || !openStream())
            return false;
        const QByteArray auth = QByteArray(1, '\0') + user + QByteArray(1, '\0') + password;
        if (!send("<auth xmlns='urn:ietf:params:xml:ns:xmpp-sasl' mechanism='PLAIN'>" + auth.toBase64() + "</auth>",
                  "<success"))
            return false;
        return openStream()
            && send("<iq type='set' id='bind'><bind xmlns='urn:ietf:params:xml:ns:xmpp-bind'>"
                    "<resource>" + resource + "</resource></bind></iq>",
                    "</iq>");
    }

    // Joins the room under the nick, creating it, and configures it with the room
    // configuration fields given ("<field var='...'><value>...</value></field>"), which
    // opens it; false when any step fails.
    bool ownRoom(const QByteArray &room, const QByteArray &nick, const QByteArray &fields = QByteArray())
    {
        // A room destroyed a moment ago may still be on its way out, and refuses the join,
        // or leaves it unanswered, until it is gone: the join is asked again until the room
        // takes it.
        const QDeadlineTimer deadline(RefusalLimitMs);
        for (;;) {
            if (!send("<presence to='" + room + "/" + nick + "'><x xmlns='http://jabber.org/protocol/muc'/></presence>"))
                return false;
            while (!m_received.contains("code='110'") && !m_received.contains("type='error'")) {
                if (!m_socket.waitForReadyRead(JoinAnswerMs))
                    break;
                m_received += m_socket.readAll();
            }
            if (m_received.contains("code='110'"))
                break;
            if (deadline.hasExpired()) {
                qWarning() << "The join of" << room << "was refused or not answered:" << m_received;
                return false;
            }
            QTest::qWait(50);
        }
        return send("<iq type='set' id='config' to='" + room + "'><query xmlns='http://jabber.org/protocol/muc#owner'>"
                    "<x xmlns='jabber:x:data' type='submit'><field var='FORM_TYPE'>"
                    "<value>http://jabber.org/protocol/muc#roomconfig</value></field>" + fields + "</x></query></iq>",
                    "id='config'");
    }

    // Writes the bytes and, with an awaited text, reads until it has come.
    bool send(const QByteArray &bytes, const QByteArray &awaited = QByteArray())
    {
        m_received.clear();
        m_socket.write(bytes);
        if (!m_socket.waitForBytesWritten(ReadLimitMs) && m_socket.bytesToWrite() > 0)
            return false;
        while (!awaited.isEmpty() && !m_received.contains(awaited)) {
            if (!m_socket.waitForReadyRead(ReadLimitMs)) {
                qWarning() << "Waited in vain for" << awaited << "after" << bytes.left(200) << "; came:" << m_received;
                return false;
            }
            m_received += m_socket.readAll();
        }
        return true;
    }

    // Asks after the room until the server says that it is not there, without the event
    // loop. A room on its way out may drop a question unanswered: one unanswered for a
    // moment is asked again. False when the room is still there after the refusal limit.
    bool roomGone(const QByteArray &room)
    {
        const QDeadlineTimer deadline(RefusalLimitMs);
        for (int asked = 1;; ++asked) {
            const QByteArray id = "gone-" + QByteArray::number(asked);
            if (!send("<iq type='get' id='" + id + "' to='" + room
                      + "'><query xmlns='http://jabber.org/protocol/disco#info'/></iq>"))
                return false;
            // An answer to an earlier question, come late, tells as much.
            const QByteArray answered = "id='" + id + "'";
            const QDeadlineTimer answer(AskAgainMs);
            while (!m_received.contains(answered) && !m_received.contains("<item-not-found")
                   && m_socket.waitForReadyRead(int(answer.remainingTime())))
                m_received += m_socket.readAll();
            if (m_received.contains("<item-not-found"))
                return true;
            if (deadline.hasExpired()) {
                qWarning() << "The room" << room << "is still there; came:" << m_received;
                return false;
            }
            QThread::msleep(50);
        }
    }

    // Reads until the text has come since the last send or wait, taking in first what
    // the socket holds already; false when it does not come.
    bool waitFor(const QByteArray &awaited)
    {
        m_received += m_socket.readAll();
        while (!m_received.contains(awaited)) {
            if (!m_socket.waitForReadyRead(ReadLimitMs))
                return false;
            m_received += m_socket.readAll();
        }
        return true;
    }

    // What came since the last send.
    const QByteArray &received() const { return m_received; }

private:
    bool openStream()
    {
        return send("<?xml version='1.0'?><stream:stream to='localhost' xmlns='jabber:client' "
                    "xmlns:stream='http://etherx.jabber.org/streams' version='1.0'>",
                    "</stream:features>");
    }

    QSslSocket m_socket;
    QByteArray m_received;
};

// A relay on loopback between a chat client and the server, for links that fail in
// ways a server does not show: dead either way or one way only without either end
// noticing, slow, or cut at once. A failure lasts until the relay is cut.
class ChatRelay : public QObject
{
public:
    explicit ChatRelay(quint16 serverPort) : m_serverPort(serverPort)
    {
        m_listener.listen(QHostAddress::LocalHost, 0);
        connect(&m_listener, &QTcpServer::newConnection, this, &ChatRelay::accept);
    }

    // What a client wrote as it ended, its stream's close, passes on where the client's
    // direction passes: the server ends the session rather than keep it for a resumption.
    ~ChatRelay() override
    {
        for (QTcpSocket *client : m_listener.findChildren<QTcpSocket *>(QString(), Qt::FindDirectChildrenOnly)) {
            const QList<QTcpSocket *> servers = client->findChildren<QTcpSocket *>();
            if (!m_passFromClient || servers.isEmpty() || servers.first()->state() != QAbstractSocket::ConnectedState)
                continue;
            client->waitForReadyRead(100);
            servers.first()->write(client->readAll());
            servers.first()->waitForBytesWritten(1000);
        }
    }

    quint16 port() const { return m_listener.serverPort(); }
    // The bytes the server has sent through the relay so far.
    qint64 fromServer() const { return m_fromServer; }

    // Nothing passes any more, either way, and neither end is told.
    void goDead() { m_passFromClient = m_passFromServer = false; }
    // What the client sends no longer passes; what the server sends does.
    void dropFromClient() { m_passFromClient = false; }
    // What the server sends no longer passes; what the client sends does.
    void dropFromServer() { m_passFromServer = false; }
    // Everything passes this much later, each way.
    void delay(int ms) { m_delayMs = ms; }

    // Ends every relayed connection at both ends; new ones pass again, at once.
    void cut()
    {
        for (QTcpSocket *client : m_listener.findChildren<QTcpSocket *>(QString(), Qt::FindDirectChildrenOnly)) {
            disconnect(client, nullptr, this, nullptr);
            for (QTcpSocket *server : client->findChildren<QTcpSocket *>()) {
                server->disconnect();
                server->abort();
            }
            client->abort();
            client->deleteLater();
        }
        m_passFromClient = m_passFromServer = true;
        m_delayMs = 0;
    }

    // Ends every relayed connection as a server that closes it would: nothing more
    // passes, and the client gets what was passed on to it before the end.
    void hangUp()
    {
        for (QTcpSocket *client : m_listener.findChildren<QTcpSocket *>(QString(), Qt::FindDirectChildrenOnly)) {
            disconnect(client, nullptr, this, nullptr);
            for (QTcpSocket *server : client->findChildren<QTcpSocket *>()) {
                server->disconnect();
                server->abort();
            }
            client->disconnectFromHost();
        }
    }

private:
    void accept()
    {
        while (QTcpSocket *client = m_listener.nextPendingConnection()) {
            auto server = new QTcpSocket(client);
            server->connectToHost(QHostAddress::LocalHost, m_serverPort);
            connect(client, &QTcpSocket::readyRead, this,
                    [this, client, server] { pass(client, server, m_passFromClient); });
            connect(server, &QTcpSocket::readyRead, this,
                    [this, client, server] { m_fromServer += pass(server, client, m_passFromServer); });
            connect(client, &QTcpSocket::disconnected, this,
                    [this, client, server] { passClose(client, server, m_passFromClient); });
            connect(server, &QTcpSocket::disconnected, this,
                    [this, client, server] { m_fromServer += passClose(server, client, m_passFromServer); });
        }
    }

    // One end closed: what it wrote last and its close pass on where its direction
    // passes, so that a client's clean end reaches the server as one; where it does not
    // pass, the other end is dropped as a lost link is. The bytes read.
    qint64 passClose(QTcpSocket *from, QTcpSocket *to, bool passes)
    {
        if (to->state() != QAbstractSocket::ConnectedState)
            return 0;
        if (!passes) {
            to->abort();
            return 0;
        }
        const qint64 read = from->isOpen() ? pass(from, to, true) : 0;
        if (m_delayMs > 0)
            QTimer::singleShot(m_delayMs, to, [to] { to->disconnectFromHost(); });
        else
            to->disconnectFromHost();
        return read;
    }

    // The bytes read.
    qint64 pass(QTcpSocket *from, QTcpSocket *to, bool passes)
    {
        const QByteArray data = from->readAll();
        if (!passes)
            return data.size();
        // Timers of one interval fire in the order they were started.
        if (m_delayMs > 0)
            QTimer::singleShot(m_delayMs, to, [to, data] { to->write(data); });
        else
            to->write(data);
        return data.size();
    }

    QTcpServer m_listener;
    quint16 m_serverPort;
    bool m_passFromClient = true;
    bool m_passFromServer = true;
    int m_delayMs = 0;
    qint64 m_fromServer = 0;
};
