#include "app/TimeSpan.h"

#include <QCoreApplication>

namespace {

void registerTimeSpan()
{
    qRegisterMetaType<TimeSpan>("TimeSpan");
}
Q_COREAPP_STARTUP_FUNCTION(registerTimeSpan)

} // namespace
