#include "app/startup/MessageHandler.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

class TestMessageHandler : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void lineFormat_data();
    void lineFormat();
    void levelAndFilterDropMessages();
    void logFileIsRotatedAndWritten();
    void unopenableLogFallsBackToStandardError();
    void criticalMessagesOnlyGoToTheLog();

private:
    static QStringList logLines(const QString &path);
    QtMessageHandler m_previous = nullptr;
};

void TestMessageHandler::init()
{
    MessageHandler::setMinimumLevel(QtWarningMsg);
    MessageHandler::setFilter(QRegularExpression());
}

void TestMessageHandler::cleanup()
{
    if (m_previous)
        qInstallMessageHandler(m_previous);
    m_previous = nullptr;
    MessageHandler::closeLog();
    init();
}

QStringList TestMessageHandler::logLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestMessageHandler::lineFormat_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    QTest::newRow("debug") << int(QtDebugMsg) << "a" << "09:05:03.007 [DEBUG] a";
    QTest::newRow("warning") << int(QtWarningMsg) << "b" << "09:05:03.007 [WARN ] b";
    QTest::newRow("critical") << int(QtCriticalMsg) << "c" << "09:05:03.007 [CRIT ] c";
    QTest::newRow("fatal") << int(QtFatalMsg) << "d" << "09:05:03.007 [FATAL] d";
    QTest::newRow("info line is a warning without a second tag")
        << int(QtWarningMsg) << " [INFO ] e" << "09:05:03.007 [INFO ] e";
    QTest::newRow("qInfo gets the info prefix") << int(QtInfoMsg) << "f" << "09:05:03.007 [INFO ] f";
    QTest::newRow("INFO inside the text is no prefix")
        << int(QtWarningMsg) << "x [INFO ] g" << "09:05:03.007 [WARN ] x [INFO ] g";
}

void TestMessageHandler::lineFormat()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QString, line);
    QCOMPARE(MessageHandler::formatLine(QtMsgType(type), text, QTime(9, 5, 3, 7)), line);
}

void TestMessageHandler::levelAndFilterDropMessages()
{
    QVERIFY(!MessageHandler::accepts(QtDebugMsg, QStringLiteral("x")));
    QVERIFY(MessageHandler::accepts(QtWarningMsg, QStringLiteral("x")));
    QVERIFY(MessageHandler::accepts(QtInfoMsg, QStringLiteral("x")));

    MessageHandler::setMinimumLevel(QtCriticalMsg);
    QVERIFY(!MessageHandler::accepts(QtWarningMsg, QStringLiteral(" [INFO ] x")));
    QVERIFY(MessageHandler::accepts(QtCriticalMsg, QStringLiteral("x")));
    QVERIFY(MessageHandler::accepts(QtFatalMsg, QStringLiteral("x")));

    MessageHandler::setMinimumLevel(QtDebugMsg);
    MessageHandler::setFilter(QRegularExpression(QStringLiteral("^conn.*ok$")));
    QVERIFY(MessageHandler::accepts(QtDebugMsg, QStringLiteral("connect ok")));
    QVERIFY(!MessageHandler::accepts(QtCriticalMsg, QStringLiteral("connect failed")));
}

void TestMessageHandler::logFileIsRotatedAndWritten()
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("mahjong.log"));
    QFile previous(log);
    QVERIFY(previous.open(QIODevice::WriteOnly));
    previous.write("previous session\n");
    previous.close();
    QFile older(log + QStringLiteral(".old"));
    QVERIFY(older.open(QIODevice::WriteOnly));
    older.write("older session\n");
    older.close();

    QVERIFY(MessageHandler::openLog(dir.path()));
    QCOMPARE(MessageHandler::logFilePath(), log);
    QCOMPARE(logLines(log + QStringLiteral(".old")), QStringList{QStringLiteral("previous session")});

    MessageHandler::setFilter(QRegularExpression(QStringLiteral("keep")));
    m_previous = MessageHandler::install();
    qDebug() << "keep: below the level";
    qWarning() << "drop: no match";
    qWarning("keep %d", 1);
    qWarning().noquote() << " [INFO ] keep info";
    qCritical("keep critical");
    qInstallMessageHandler(m_previous);
    m_previous = nullptr;

    const QStringList lines = logLines(log);
    QCOMPARE(lines.size(), 3);
    const QRegularExpression stamp(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d "));
    for (const QString &line : lines)
        QVERIFY2(stamp.match(line).hasMatch(), qPrintable(line));
    QVERIFY(lines.at(0).endsWith(QLatin1String(" [WARN ] keep 1")));
    QVERIFY(lines.at(1).endsWith(QLatin1String(" [INFO ] keep info")));
    QVERIFY(!lines.at(1).contains(QLatin1String("[WARN ]")));
    QVERIFY(lines.at(2).endsWith(QLatin1String(" [CRIT ] keep critical")));
}

void TestMessageHandler::unopenableLogFallsBackToStandardError()
{
    QTemporaryDir dir;
    // A directory where the log file should be: it cannot be opened as a file.
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("mahjong.log.old")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("mahjong.log")));
    QVERIFY(!MessageHandler::openLog(dir.path()));
    QVERIFY(MessageHandler::logFilePath().isEmpty());

    m_previous = MessageHandler::install();
    qWarning("still running without a log file");
    qInstallMessageHandler(m_previous);
    m_previous = nullptr;
}

void TestMessageHandler::criticalMessagesOnlyGoToTheLog()
{
    // A library that cannot reach its service repeats its critical message: every one
    // is logged, none opens a box, from the GUI thread or another.
    QTemporaryDir dir;
    QVERIFY(MessageHandler::openLog(dir.path()));
    QStringList alerts;
    MessageHandler::setAlert([&alerts](QtMsgType, const QString &text) { alerts << text; });
    m_previous = MessageHandler::install();

    qWarning("a warning");
    std::unique_ptr<QThread> worker(QThread::create([] { qCritical("from a worker"); }));
    worker->start();
    worker->wait();
    for (int i = 0; i < 3; ++i)
        qCritical("PulseAudioService: pa_context_connect() failed");
    QCoreApplication::processEvents();
    QTest::qWait(10);

    qInstallMessageHandler(m_previous);
    m_previous = nullptr;
    MessageHandler::setAlert({});
    QCOMPARE(alerts, QStringList());
    const QStringList lines = logLines(dir.filePath(QStringLiteral("mahjong.log")));
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines.at(1).endsWith(QLatin1String(" [CRIT ] from a worker")));
    QVERIFY(lines.at(4).endsWith(QLatin1String(" [CRIT ] PulseAudioService: pa_context_connect() failed")));
}

MAHJONG_TEST_MAIN(TestMessageHandler)
#include "tst_messagehandler.moc"
