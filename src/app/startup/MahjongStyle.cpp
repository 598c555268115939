#include "app/startup/MahjongStyle.h"

#include <QStyleFactory>

MahjongStyle::MahjongStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
    setObjectName(QStringLiteral("mahjong"));
}
