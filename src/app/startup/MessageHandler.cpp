#include "app/startup/MessageHandler.h"

#include "app/ClientErrors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace {

const QString infoPrefix = QStringLiteral(" [INFO ] ");

struct LogState
{
    QMutex mutex;
    QFile file;
    QtMsgType minimumLevel = QtWarningMsg;
    QRegularExpression filter;
    MessageHandler::Alert alert;
};

LogState &state()
{
    static LogState logState;
    return logState;
}

// Rank of a level: debug, then warning (and info), critical, fatal.
int rank(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return 0;
    case QtInfoMsg:
    case QtWarningMsg:
        return 1;
    case QtCriticalMsg:
        return 2;
    case QtFatalMsg:
        return 3;
    }
    return 1;
}

// Whether a message passes the level and the filter; the caller holds the mutex.
bool passes(const LogState &logState, QtMsgType type, const QString &text)
{
    if (rank(type) < rank(logState.minimumLevel))
        return false;
    const QRegularExpression &filter = logState.filter;
    return filter.pattern().isEmpty() || !filter.isValid() || filter.match(text).hasMatch();
}

// Whether a box is opening now; a message raised meanwhile opens no second one.
bool inAlert = false;

void runAlert(const MessageHandler::Alert &alert, QtMsgType type, const QString &text)
{
    if (inAlert)
        return;
    inAlert = true;
    alert(type, text);
    inAlert = false;
}

// A critical message of the client's own, by its category; the libraries log under theirs.
bool isClientError(QtMsgType type, const QMessageLogContext &context)
{
    return type == QtCriticalMsg && context.category
           && qstrcmp(context.category, clientErrors().categoryName()) == 0;
}

} // namespace

QString MessageHandler::formatLine(QtMsgType type, const QString &text, const QTime &time)
{
    const QString stamp = time.toString(QStringLiteral("hh:mm:ss.zzz"));
    if (type == QtInfoMsg)
        return stamp + infoPrefix + text;
    if (type == QtWarningMsg && text.startsWith(infoPrefix))
        return stamp + text;
    const char *tag = " [WARN ] ";
    switch (type) {
    case QtDebugMsg:
        tag = " [DEBUG] ";
        break;
    case QtCriticalMsg:
        tag = " [CRIT ] ";
        break;
    case QtFatalMsg:
        tag = " [FATAL] ";
        break;
    case QtInfoMsg:
    case QtWarningMsg:
        break;
    }
    return stamp + QLatin1String(tag) + text;
}

void MessageHandler::setMinimumLevel(QtMsgType level)
{
    QMutexLocker lock(&state().mutex);
    state().minimumLevel = level;
}

void MessageHandler::setFilter(const QRegularExpression &filter)
{
    QMutexLocker lock(&state().mutex);
    state().filter = filter;
}

bool MessageHandler::accepts(QtMsgType type, const QString &text)
{
    QMutexLocker lock(&state().mutex);
    return passes(state(), type, text);
}

bool MessageHandler::openLog(const QString &dir)
{
    QMutexLocker lock(&state().mutex);
    QFile &file = state().file;
    file.close();
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create the log directory %s\n", qUtf8Printable(dir));
        return false;
    }
    const QString path = QDir(dir).filePath(QStringLiteral("mahjong.log"));
    const QString old = path + QStringLiteral(".old");
    if (QFile::exists(path)) {
        QFile::remove(old);
        QFile::rename(path, old);
    }
    file.setFileName(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot open the log file %s: %s; logging to standard error\n",
                     qUtf8Printable(path), qUtf8Printable(file.errorString()));
        return false;
    }
    return true;
}

QString MessageHandler::logFilePath()
{
    QMutexLocker lock(&state().mutex);
    return state().file.isOpen() ? state().file.fileName() : QString();
}

void MessageHandler::closeLog()
{
    QMutexLocker lock(&state().mutex);
    state().file.close();
}

void MessageHandler::setAlert(Alert alert)
{
    QMutexLocker lock(&state().mutex);
    state().alert = std::move(alert);
}

QtMessageHandler MessageHandler::install()
{
    return qInstallMessageHandler(&MessageHandler::handle);
}

void MessageHandler::handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    Alert alert;
    {
        QMutexLocker lock(&state().mutex);
        if (type != QtFatalMsg && !passes(state(), type, text))
            return;
        const QByteArray line = formatLine(type, text, QTime::currentTime()).toUtf8() + '\n';
        if (state().file.isOpen()) {
            state().file.write(line);
            state().file.flush();
        } else {
            std::fputs(line.constData(), stderr);
        }
        alert = state().alert;
    }

    // The boxes belong to the GUI thread. The box of a client error opens from the
    // event loop, not inside the handler: while a handler runs, Qt sends every other
    // message past it, and those would miss the log file.
    QCoreApplication *app = QCoreApplication::instance();
    if (isClientError(type, context) && alert && app) {
        QMetaObject::invokeMethod(app, [alert, text] { runAlert(alert, QtCriticalMsg, text); },
                                  Qt::QueuedConnection);
    } else if (type == QtFatalMsg) {
        if (alert && app && QThread::currentThread() == app->thread())
            runAlert(alert, type, text);
        std::abort();
    }
}
