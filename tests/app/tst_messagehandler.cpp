#include "app/ClientErrors.h"
#include "app/startup/MahjongApplication.h"
#include "app/startup/MessageHandler.h"
#include "testmain.h"
#include "ui/ModelessMsgBox.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include <memory>
#include <stdexcept>

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
    void onlyTheClientsOwnCriticalMessagesShowABox();

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

void TestMessageHandler::onlyTheClientsOwnCriticalMessagesShowABox()
{
    // A library that cannot reach its service repeats its critical message: every one is
    // logged, none opens a box, from the GUI thread or another. The client's own critical
    // messages (a message box's callback that failed, a chat write that failed on a worker)
    // each open an error box over the main window from the event loop, with their text as
    // it is.
    QTemporaryDir dir;
    QVERIFY(MessageHandler::openLog(dir.path()));
    QMainWindow window;
    window.resize(800, 600);
    window.show();
    MahjongApplication::installLogAlerts();
    m_previous = MessageHandler::install();

    qWarning("a warning");
    std::unique_ptr<QThread> worker(QThread::create([] {
        qCritical("from a worker");
        qCCritical(clientErrors) << "write failed with message: <b>closed</b>";
    }));
    worker->start();
    worker->wait();
    for (int i = 0; i < 3; ++i)
        qCritical("PulseAudioService: pa_context_connect() failed");
    const QLoggingCategory multimedia("qt.multimedia.ffmpeg");
    qCCritical(multimedia) << "no decoder";
    ModelessMsgBox::MsgBox *question = ModelessMsgBox::question(&window, QStringLiteral("Q"), QStringLiteral("Sure?"));
    ModelessMsgBox::connectFinished(question, [](int) { throw std::runtime_error("boom"); });
    question->buttonBox()->button(QDialogButtonBox::Yes)->click();

    const auto errors = [&window] {
        QStringList texts;
        for (const QLabel *label : window.findChildren<QLabel *>(QStringLiteral("messageText"))) {
            if (label->isVisible() && label->textFormat() == Qt::PlainText)
                texts << label->text();
        }
        texts.sort();
        return texts;
    };
    QTRY_COMPARE(errors(), (QStringList{QStringLiteral("message box callback failed: boom"),
                                        QStringLiteral("write failed with message: <b>closed</b>")}));
    QVERIFY(window.grab().save(qEnvironmentVariable("MAHJONG_BINARY_DIR") + QStringLiteral("/client-error-boxes.png")));

    qInstallMessageHandler(m_previous);
    m_previous = nullptr;
    MessageHandler::setAlert({});
    const QStringList lines = logLines(dir.filePath(QStringLiteral("mahjong.log")));
    QCOMPARE(lines.size(), 8);
    QVERIFY(lines.at(1).endsWith(QLatin1String(" [CRIT ] from a worker")));
    QVERIFY(lines.at(2).endsWith(QLatin1String(" [CRIT ] write failed with message: <b>closed</b>")));
    QVERIFY(lines.at(5).endsWith(QLatin1String(" [CRIT ] PulseAudioService: pa_context_connect() failed")));
    QVERIFY(lines.at(6).endsWith(QLatin1String(" [CRIT ] no decoder")));
    QVERIFY(lines.at(7).endsWith(QLatin1String(" [CRIT ] message box callback failed: boom")));
}

MAHJONG_TEST_MAIN(TestMessageHandler)
#include "tst_messagehandler.moc"
