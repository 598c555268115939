#include "app/startup/CaCertificates.h"
#include "testcertificates.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTemporaryDir>

class TestCaCertificates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void noCertificatesKeepsDefaultsAndWarns();
    void exactlyTheFoundCertificatesAreTrusted();
    void trustedCaAcceptsServerAndForeignCaIsRefused();

private:
    bool handshake(const TestCertificates &server);
    static bool copy(const QString &from, const QString &to);

    QTemporaryDir m_certs;
    TestCertificates m_first;
    TestCertificates m_second;
    QSslConfiguration m_originalDefault;
};

void TestCaCertificates::initTestCase()
{
    QVERIFY(QSslSocket::supportsSsl());
    QVERIFY(m_certs.isValid());
    m_first = TestCertificates::create(m_certs.path(), QStringLiteral("first"));
    QVERIFY2(m_first.error.isEmpty(), qPrintable(m_first.error));
    m_second = TestCertificates::create(m_certs.path(), QStringLiteral("second"));
    QVERIFY2(m_second.error.isEmpty(), qPrintable(m_second.error));
    m_originalDefault = QSslConfiguration::defaultConfiguration();
}

void TestCaCertificates::init()
{
    QSslConfiguration::setDefaultConfiguration(m_originalDefault);
}

bool TestCaCertificates::copy(const QString &from, const QString &to)
{
    return QDir().mkpath(QFileInfo(to).path()) && QFile::copy(from, to);
}

void TestCaCertificates::noCertificatesKeepsDefaultsAndWarns()
{
    QTemporaryDir empty;
    QDir::setSearchPaths(QStringLiteral("resources"), {empty.path()});
    const auto before = QSslConfiguration::defaultConfiguration().caCertificates();

    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^no ca certs found in .*ca-certs")));
    QVERIFY(loadCaCertificates().isEmpty());
    QCOMPARE(QSslConfiguration::defaultConfiguration().caCertificates(), before);
}

void TestCaCertificates::exactlyTheFoundCertificatesAreTrusted()
{
    // Two directories with "ca-certs" folders (PEM and DER, a stray non-certificate
    // file, a key); a certificate outside a "ca-certs" folder is not trusted, and a
    // duplicate counts once.
    QTemporaryDir skin;
    QTemporaryDir extra;
    QVERIFY(copy(m_first.caFile, skin.filePath(QStringLiteral("ca-certs/first.pem"))));
    const QSslCertificate second = QSslCertificate::fromPath(m_second.caFile).value(0);
    QVERIFY(!second.isNull());
    QFile der(skin.filePath(QStringLiteral("ca-certs/second.der")));
    QVERIFY(der.open(QIODevice::WriteOnly));
    der.write(second.toDer());
    der.close();
    QFile readme(skin.filePath(QStringLiteral("ca-certs/README")));
    QVERIFY(readme.open(QIODevice::WriteOnly));
    readme.write("not a certificate\n");
    readme.close();
    QVERIFY(copy(m_first.caFile, extra.filePath(QStringLiteral("ca-certs/again.crt"))));
    QVERIFY(copy(m_first.serverKeyFile, extra.filePath(QStringLiteral("ca-certs/server.key"))));
    QVERIFY(copy(m_second.serverCertFile, extra.filePath(QStringLiteral("server.pem"))));

    QDir::setSearchPaths(QStringLiteral("resources"), {extra.path(), skin.path()});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("INFO.*2 CA")));
    const QList<QSslCertificate> loaded = loadCaCertificates();

    const QSslCertificate first = QSslCertificate::fromPath(m_first.caFile).value(0);
    QCOMPARE(loaded.size(), 2);
    QVERIFY(loaded.contains(first));
    QVERIFY(loaded.contains(second));
    QCOMPARE(QSslConfiguration::defaultConfiguration().caCertificates(), loaded);
}

bool TestCaCertificates::handshake(const TestCertificates &server)
{
    QSslServer listener;
    QSslConfiguration serverConfig = QSslConfiguration::defaultConfiguration();
    serverConfig.setLocalCertificate(QSslCertificate::fromPath(server.serverCertFile).value(0));
    QFile keyFile(server.serverKeyFile);
    if (!keyFile.open(QIODevice::ReadOnly))
        return false;
    serverConfig.setPrivateKey(QSslKey(keyFile.readAll(), QSsl::Ec));
    serverConfig.setPeerVerifyMode(QSslSocket::VerifyNone);
    listener.setSslConfiguration(serverConfig);
    if (!listener.listen(QHostAddress::LocalHost))
        return false;

    QSslSocket client;
    QSignalSpy encrypted(&client, &QSslSocket::encrypted);
    QSignalSpy failed(&client, &QSslSocket::sslErrors);
    QSignalSpy errors(&client, &QSslSocket::errorOccurred);
    client.connectToHostEncrypted(QStringLiteral("localhost"), listener.serverPort());
    const bool finished = QTest::qWaitFor([&] { return encrypted.count() + failed.count() + errors.count() > 0; },
                    10000);
    return finished && encrypted.count() == 1 && failed.isEmpty();
}

void TestCaCertificates::trustedCaAcceptsServerAndForeignCaIsRefused()
{
    QTemporaryDir dir;
    QVERIFY(copy(m_first.caFile, dir.filePath(QStringLiteral("ca-certs/first.pem"))));
    QDir::setSearchPaths(QStringLiteral("resources"), {dir.path()});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("INFO")));
    QCOMPARE(loadCaCertificates().size(), 1);

    QVERIFY(handshake(m_first));
    QVERIFY(!handshake(m_second));
}

MAHJONG_TEST_MAIN(TestCaCertificates)
#include "tst_cacertificates.moc"
