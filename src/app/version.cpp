#include "app/version.h"

QString clientVersionString()
{
    return QStringLiteral(MAHJONG_CLIENT_VERSION);
}
