#include "app/MachineIdentifier.h"

#include <QSettings>
#include <QSysInfo>
#include <QUuid>

namespace {

// Namespace of the name-based ids made from machine ids.
const QUuid machineNamespace = QUuid::fromString(u"6f2d1c4e-8b1a-4f57-9c3e-215a7d90e43b");

QUuid storedRandomId()
{
    QSettings settings;
    const QString key = QStringLiteral("game/machineId");
    QUuid id = QUuid::fromString(settings.value(key).toString());
    if (id.isNull()) {
        id = QUuid::createUuid();
        settings.setValue(key, id.toString(QUuid::WithoutBraces));
    }
    return id;
}

} // namespace

MachineIdentifier &MachineIdentifier::instance()
{
    static MachineIdentifier identifier;
    return identifier;
}

MachineIdentifier::MachineIdentifier()
{
    const QByteArray machineId = QSysInfo::machineUniqueId();
    const QUuid id = machineId.isEmpty() ? storedRandomId()
                                         : QUuid::createUuidV5(machineNamespace, machineId);
    m_id = id.toString(QUuid::WithoutBraces).toStdString();
}
