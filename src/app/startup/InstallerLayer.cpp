#include "app/startup/InstallerLayer.h"

#include <QCoreApplication>
#include <QSettings>

QString InstallerLayer::installerLocaleName()
{
    const QSettings store(QStringLiteral("Pellandor"), QStringLiteral("Installer"));
    const QString value = store.value(QStringLiteral("Installer Language")).toString().trimmed();
    bool isNumber = false;
    const int id = value.toInt(&isNumber);
    return isNumber ? localeNameForLanguageId(id) : value;
}

QString InstallerLayer::localeNameForLanguageId(int id)
{
    // Primary language in the low ten bits, sub-language above them.
    const int primary = id & 0x3ff;
    const int sub = id >> 10;
    switch (primary) {
    case 0x09:
        return QStringLiteral("en_US");
    case 0x11:
        return QStringLiteral("ja_JP");
    case 0x04:
        switch (sub) {
        case 0x01:
            return QStringLiteral("zh_TW");
        case 0x03:
            return QStringLiteral("zh_HK");
        case 0x05:
            return QStringLiteral("zh_MO");
        case 0x04:
            return QStringLiteral("zh_SG");
        default:
            return QStringLiteral("zh_CN");
        }
    default:
        return {};
    }
}

bool InstallerLayer::startInstaller(const QString &file, QString *message)
{
    *message = QCoreApplication::translate(
                   "InstallerLayer",
                   "The new client was saved as %1. On this system, please install updates "
                   "through your package manager.")
                   .arg(file);
    return false;
}
