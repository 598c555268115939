#include "app/startup/SingleInstance.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondInstanceIsRefusedWhileTheFirstRuns();
    void lockOfADeadProcessIsTakenOver();
};

void TestSingleInstance::secondInstanceIsRefusedWhileTheFirstRuns()
{
    QTemporaryDir dir;
    SingleInstance first(dir.path());
    SingleInstance second(dir.path());
    QVERIFY(first.tryLock());
    QVERIFY(!second.tryLock());
    QVERIFY(!second.isLocked());
    QVERIFY(first.tryLock());

    first.unlock();
    QVERIFY(second.tryLock());
    QVERIFY(!first.tryLock());
    QCOMPARE(SingleInstance::alreadyRunningText(),
             QStringLiteral("The application is already started in another window!"));
}

void TestSingleInstance::lockOfADeadProcessIsTakenOver()
{
    QProcess process;
    process.start(QStringLiteral("true"), {});
    QVERIFY(process.waitForStarted());
    const qint64 deadPid = process.processId();
    QVERIFY(process.waitForFinished());
    QTemporaryDir dir;
    QFile lock(QDir(dir.path()).filePath(QStringLiteral("mahjong.lock")));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + "\nmahjong\n"
               + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();

    SingleInstance instance(dir.path());
    QVERIFY(instance.tryLock());
}

MAHJONG_TEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
