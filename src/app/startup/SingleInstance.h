#pragma once

#include <QLockFile>
#include <QString>

// Holds the lock that keeps a second copy of the client from running for the
// same user: a lock file that a crashed process leaves stale, not held.
class SingleInstance
{
public:
    // The lock "<dir>/mahjong.lock".
    explicit SingleInstance(const QString &dir);

    // Takes the lock; false when another running process holds it.
    bool tryLock();
    bool isLocked() const { return m_lock.isLocked(); }
    void unlock() { m_lock.unlock(); }

    // "The application is already started in another window!"
    static QString alreadyRunningText();

private:
    QLockFile m_lock;
};
