#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

#include <signal.h>

// Turns SIGINT (Ctrl+C in a terminal) and SIGTERM (a system shut-down, kill) into a Qt
// signal on the thread that owns the object, emitted from within a running event loop.
// The handler only writes the signal's number into a pipe; a socket notifier reads it.
// One object at a time: while it lives it owns the two signals, and its destructor gives
// back the handlers it found.
// A signal that whoever started the process ignores (SIGINT for a job started in the
// background) stays ignored.
class QuitSignals : public QObject
{
    Q_OBJECT

public:
    explicit QuitSignals(QObject *parent = nullptr);
    ~QuitSignals() override;

    // False when the pipe or a handler could not be set up; the signals then keep their
    // previous handlers.
    bool isActive() const { return m_notifier != nullptr; }

    // "SIGINT", "SIGTERM", or the number of another signal.
    static QString signalName(int signal);

signals:
    void received(int signal);

private:
    bool take(int signal, struct sigaction *previous);
    void readPipe();
    void closePipe();

    std::unique_ptr<QSocketNotifier> m_notifier;
    int m_readFd = -1;
    struct sigaction m_previousInt {};
    struct sigaction m_previousTerm {};
};
