#include "app/startup/UserPaths.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

QString UserPaths::temporaryDirectory()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (QDir().mkpath(dir))
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return dir;
}
