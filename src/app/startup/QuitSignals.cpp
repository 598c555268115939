#include "app/startup/QuitSignals.h"

#include <QDebug>
#include <QThread>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The pipe's write end, read by the handler; -1 while no object owns the signals.
volatile std::sig_atomic_t g_writeFd = -1;

void writeSignalToPipe(int signal)
{
    // Only async-signal-safe calls here. A full pipe drops the byte: a quit is
    // already waiting to be read then.
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    const int fd = g_writeFd;
    if (fd >= 0) {
        const ssize_t written = ::write(fd, &byte, 1);
        static_cast<void>(written);
    }
    errno = savedErrno;
}

} // namespace

QuitSignals::QuitSignals(QObject *parent)
    : QObject(parent)
{
    if (g_writeFd >= 0) {
        qWarning() << "SIGINT and SIGTERM are already handled by another object";
        return;
    }
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning() << "no pipe for SIGINT and SIGTERM:" << qt_error_string(errno);
        return;
    }
    m_readFd = fds[0];
    g_writeFd = fds[1];
    if (!take(SIGINT, &m_previousInt)) {
        closePipe();
        return;
    }
    if (!take(SIGTERM, &m_previousTerm)) {
        ::sigaction(SIGINT, &m_previousInt, nullptr);
        closePipe();
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_readFd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &QuitSignals::readPipe);
}

QuitSignals::~QuitSignals()
{
    if (!m_notifier)
        return;
    m_notifier.reset();
    ::sigaction(SIGINT, &m_previousInt, nullptr);
    ::sigaction(SIGTERM, &m_previousTerm, nullptr);
    closePipe();
}

bool QuitSignals::take(int signal, struct sigaction *previous)
{
    if (::sigaction(signal, nullptr, previous) != 0) {
        qWarning().noquote() << "cannot read the handler of" << signalName(signal) << qt_error_string(errno);
        return false;
    }
    if (previous->sa_handler == SIG_IGN)
        return true;
    struct sigaction action {};
    action.sa_handler = &writeSignalToPipe;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (::sigaction(signal, &action, nullptr) != 0) {
        qWarning().noquote() << "cannot handle" << signalName(signal) << qt_error_string(errno);
        return false;
    }
    return true;
}

void QuitSignals::closePipe()
{
    const int writeFd = g_writeFd;
    g_writeFd = -1;
    ::close(writeFd);
    ::close(m_readFd);
    m_readFd = -1;
}

QString QuitSignals::signalName(int signal)
{
    switch (signal) {
    case SIGINT:
        return QStringLiteral("SIGINT");
    case SIGTERM:
        return QStringLiteral("SIGTERM");
    default:
        return QString::number(signal);
    }
}

void QuitSignals::readPipe()
{
    // Start-up handles events before the application's event loop runs, and a quit asked
    // for there would be lost: the signal stays in the pipe until an event loop runs.
    if (QThread::currentThread()->loopLevel() == 0) {
        m_notifier->setEnabled(false);
        QMetaObject::invokeMethod(this, [this] { m_notifier->setEnabled(true); }, Qt::QueuedConnection);
        return;
    }
    unsigned char bytes[16];
    ssize_t count;
    while ((count = ::read(m_readFd, bytes, sizeof bytes)) > 0) {
        for (ssize_t i = 0; i < count; ++i)
            emit received(bytes[i]);
    }
}
