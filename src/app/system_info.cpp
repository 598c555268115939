#include "app/system_info.h"

#include <QSysInfo>

system_info_t system_info_t::current()
{
    system_info_t info;
#if defined(Q_OS_WIN)
    info.platform = WINDOWS;
#elif defined(Q_OS_MACOS)
    info.platform = MAC_OS_X;
#endif
    info.os = QSysInfo::productType();
    info.osVersion = QSysInfo::productVersion();
    // Without a known distribution the kernel is the best description.
    if (info.os == QLatin1String("unknown")) {
        info.os = QSysInfo::kernelType();
        info.osVersion = QSysInfo::kernelVersion();
    }
    return info;
}

QString system_info_t::platformName(int platform)
{
    switch (platform) {
    case WINDOWS: return QStringLiteral("windows");
    case MAC_OS_X: return QStringLiteral("mac");
    default: return QStringLiteral("unknown");
    }
}
