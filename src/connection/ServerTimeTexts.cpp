#include "app/Singleton.h"
#include "app/Utils.h"
#include "connection/ServerTime.h"

#include <QCoreApplication>

QString Utils::timeToStartText(const QDateTime &start)
{
    const qint64 seconds = Singleton<ServerTime>::instance().now().secsTo(start);
    if (seconds <= 0)
        return QCoreApplication::translate("Utils", "now");
    return QCoreApplication::translate("Utils", "%1", "%1 - time to start").arg(Utils::durationText(seconds));
}
