#pragma once

// What a test starts ends with it, however the test ends: a process started through these
// is killed by the kernel as soon as the test process is gone, after a clean end as after
// a failed check's abort, a crash or CTest's kill at its time-out. (The kernel watches the
// thread that started the process: start them from the test's main thread.)

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace ChildProcess {

// In the child, between its fork and its exec: async-signal-safe calls only.
inline void dieWithParent(pid_t parent)
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The test may have ended before the line above took effect.
    if (::getppid() != parent)
        ::_exit(127);
}

// Binds the process to the test before it is started.
inline void endWithTest(QProcess &process)
{
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] { dieWithParent(parent); });
}

// Starts the program (the first word of the command) in the directory, its output and
// errors into the file, without a Qt application: the process id, or -1 where it could
// not be started. stop() ends it.
inline pid_t spawn(const QString &directory, const QStringList &command, const QString &output)
{
    if (command.isEmpty())
        return -1;
    // All the child needs is made before the fork.
    const QByteArray dir = QFile::encodeName(directory);
    const QByteArray file = QFile::encodeName(output);
    std::vector<QByteArray> words;
    for (const QString &word : command)
        words.push_back(word.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    dieWithParent(parent);
    const int in = ::open("/dev/null", O_RDONLY);
    const int out = ::open(file.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || ::chdir(dir.constData()) != 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0
        || ::dup2(out, 2) < 0)
        ::_exit(127);
    ::execv(argv[0], argv.data());
    ::_exit(127);
}

// Ends a process that spawn() started and waits for its end.
inline void stop(pid_t pid)
{
    if (pid <= 0)
        return;
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
}

// Whether the process runs: an ended one that nobody reaped yet counts as ended.
inline bool running(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray fields = stat.readAll();
    const qsizetype end = fields.lastIndexOf(')');
    return end >= 0 && fields.mid(end + 2, 1) != "Z";
}

} // namespace ChildProcess
