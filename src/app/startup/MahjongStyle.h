#pragma once

#include <QProxyStyle>

// The application style: Fusion underneath, which the skins' style sheets
// then dress.
class MahjongStyle : public QProxyStyle
{
    Q_OBJECT

public:
    MahjongStyle();
};
