// The test game server: a loopback server of the game protocol driven by a scenario
// file, with the start-up documents over HTTP(S). Test infrastructure only.

#include "GameServer.h"
#include "HttpServer.h"
#include "Scenario.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSslCertificate>
#include <QSslKey>
#include <QTextStream>

#include <cstdio>

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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Test game server (loopback only)"));
    parser.addHelpOption();
    const QCommandLineOption scenarioOption(QStringLiteral("scenario"), QStringLiteral("Scenario file (JSON)."), QStringLiteral("file"));
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Game port, 0 for any free port."), QStringLiteral("port"), QStringLiteral("0"));
    const QCommandLineOption httpPortOption(QStringLiteral("http-port"), QStringLiteral("HTTP(S) port, 0 for any free port."), QStringLiteral("port"), QStringLiteral("0"));
    const QCommandLineOption certOption(QStringLiteral("cert"), QStringLiteral("Server certificate (PEM); turns TLS on."), QStringLiteral("file"));
    const QCommandLineOption keyOption(QStringLiteral("key"), QStringLiteral("Server key (PEM)."), QStringLiteral("file"));
    parser.addOptions({scenarioOption, portOption, httpPortOption, certOption, keyOption});
    parser.process(app);

    QTextStream out(stdout);
    try {
        const Scenario scenario = parser.isSet(scenarioOption) ? Scenario::load(parser.value(scenarioOption)) : Scenario();
        QSslConfiguration tls;
        if (parser.isSet(certOption))
            tls = tlsConfiguration(parser.value(certOption), parser.value(keyOption));

        GameServer game(scenario);
        HttpServer http(scenario);
        if (!game.listen(quint16(parser.value(portOption).toUInt()), tls)
            || !http.listen(quint16(parser.value(httpPortOption).toUInt()), tls)) {
            std::fprintf(stderr, "cannot listen\n");
            return 1;
        }
        out << "LISTENING game=" << game.port() << " http=" << http.port() << (tls.isNull() ? " plain" : " tls")
            << Qt::endl;
        return app.exec();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
