// The test game server: a loopback server of the game protocol driven by a scenario
// file, or playing the demo world, with the start-up documents over HTTP(S). Test
// infrastructure only.

#include "DemoWorld.h"
#include "GameServer.h"
#include "HttpServer.h"
#include "Scenario.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QSslCertificate>
#include <QSslKey>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

QSslConfiguration tlsConfiguration(const QString &certFile, const QString &keyFile)
{
    QFile certIn(certFile);
    QFile keyIn(keyFile);
    if (!certIn.open(QIODevice::ReadOnly) || !keyIn.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the certificate or key");
    const QList<QSslCertificate> chain = QSslCertificate::fromData(certIn.readAll(), QSsl::Pem);
    const QSslKey key(keyIn.readAll(), QSsl::Ec, QSsl::Pem);
    if (chain.isEmpty() || key.isNull())
        throw std::runtime_error("bad certificate or key");
    QSslConfiguration c = QSslConfiguration::defaultConfiguration();
    c.setLocalCertificate(chain.first());
    c.setPrivateKey(key);
    c.setProtocol(QSsl::TlsV1_2OrLater);
    c.setPeerVerifyMode(QSslSocket::VerifyNone);
    return c;
}

// The chat server of a running ejabberd-test-server.sh, from the "env" file of its directory.
ChatSettings chatSettings(const QString &directory)
{
    QFile env(directory + QStringLiteral("/env"));
    if (!env.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the ejabberd directory's env file");
    ChatSettings chat;
    chat.ejabberdDirectory = directory;
    chat.script = QStringLiteral(MAHJONG_EJABBERD_SCRIPT);
    QString port;
    for (const QByteArray &line : env.readAll().split('\n')) {
        if (line.startsWith("XMPP_PORT="))
            port = QString::fromUtf8(line.mid(10));
        else if (line.startsWith("XMPP_DOMAIN="))
            chat.domain = QString::fromUtf8(line.mid(12));
        else if (line.startsWith("XMPP_CA="))
            chat.caFile = QString::fromUtf8(line.mid(8));
    }
    chat.server = QStringLiteral("%1:%2").arg(chat.domain, port);
    return chat;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The demo world's chat client keeps its debug lines out of the server's log.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Test game server (loopback only)"));
    parser.addHelpOption();
    const QCommandLineOption scenarioOption(QStringLiteral("scenario"), QStringLiteral("Scenario file (JSON)."), QStringLiteral("file"));
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Game port, 0 for any free port."), QStringLiteral("port"), QStringLiteral("0"));
    const QCommandLineOption httpPortOption(QStringLiteral("http-port"), QStringLiteral("HTTP(S) port, 0 for any free port."), QStringLiteral("port"), QStringLiteral("0"));
    const QCommandLineOption certOption(QStringLiteral("cert"), QStringLiteral("Server certificate (PEM); turns TLS on."), QStringLiteral("file"));
    const QCommandLineOption keyOption(QStringLiteral("key"), QStringLiteral("Server key (PEM)."), QStringLiteral("file"));
    const QCommandLineOption demoOption(QStringLiteral("demo"), QStringLiteral("Play the demo world: accounts, lobby, tables with computer players. A scenario then serves only its documents."));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed of the demo world's walls."), QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption paceOption(QStringLiteral("pace"), QStringLiteral("Milliseconds a computer player takes for a move."), QStringLiteral("ms"), QStringLiteral("600"));
    const QCommandLineOption seatTimeOption(QStringLiteral("seat-time"), QStringLiteral("Milliseconds a player seated at a demo table, or at a game's end, has to press Play before being unseated."), QStringLiteral("ms"), QStringLiteral("30000"));
    const QCommandLineOption ejabberdOption(QStringLiteral("ejabberd"), QStringLiteral("Directory of a running ejabberd-test-server.sh: the chat server named to clients, where accounts are registered."), QStringLiteral("dir"));
    parser.addOptions({scenarioOption, portOption, httpPortOption, certOption, keyOption, demoOption, seedOption, paceOption, seatTimeOption, ejabberdOption});
    parser.process(app);

    QTextStream out(stdout);
    try {
        const Scenario scenario = parser.isSet(scenarioOption) ? Scenario::load(parser.value(scenarioOption)) : Scenario();
        QSslConfiguration tls;
        if (parser.isSet(certOption))
            tls = tlsConfiguration(parser.value(certOption), parser.value(keyOption));

        const quint16 gamePort = quint16(parser.value(portOption).toUInt());
        std::unique_ptr<GameServer> game;
        std::unique_ptr<DemoWorld> demo;
        bool listening = false;
        if (parser.isSet(demoOption)) {
            ChatSettings chat;
            if (parser.isSet(ejabberdOption))
                chat = chatSettings(parser.value(ejabberdOption));
            demo = std::make_unique<DemoWorld>(parser.value(seedOption).toUInt(), parser.value(paceOption).toInt(),
                                               std::clamp(parser.value(seatTimeOption).toInt(), 1, 600000), chat);
            listening = demo->listen(gamePort, tls);
        } else {
            game = std::make_unique<GameServer>(scenario);
            listening = game->listen(gamePort, tls);
        }
        HttpServer http(scenario);
        if (!listening || !http.listen(quint16(parser.value(httpPortOption).toUInt()), tls)) {
            std::fprintf(stderr, "cannot listen\n");
            return 1;
        }
        out << "LISTENING game=" << (demo ? demo->port() : game->port()) << " http=" << http.port()
            << (tls.isNull() ? " plain" : " tls") << Qt::endl;
        return app.exec();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
