#pragma once

#include <QProxyStyle>

// The application style: Fusion underneath, which the skins' style sheets
// then dress.
class MahjongStyle : public QProxyStyle
{
    Q_OBJECT

public:
    MahjongStyle();

    // Check boxes' and radio buttons' marks stand out from their box: the skins colour
    // these buttons' labels for a dark ground, and the mark is drawn in the label's colour
    // inside the box's light fill.
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
