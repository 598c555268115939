#include "app/startup/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>

SingleInstance::SingleInstance(const QString &dir)
    : m_lock(QDir(dir).filePath(QStringLiteral("mahjong.lock")))
{
    // A lock is never stale while its process lives; a dead process's lock is removed.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::tryLock()
{
    if (m_lock.isLocked())
        return true;
    if (m_lock.tryLock(0))
        return true;
    if (m_lock.error() == QLockFile::LockFailedError && m_lock.removeStaleLockFile())
        return m_lock.tryLock(0);
    return false;
}

QString SingleInstance::alreadyRunningText()
{
    return QCoreApplication::translate("MahjongApplication",
                                       "The application is already started in another window!");
}
