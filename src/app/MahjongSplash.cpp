#include "app/MahjongSplash.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace {

const QSize splashSize(480, 280);
const QColor textColour(255, 244, 189);

} // namespace

MahjongSplash::MahjongSplash(const QString &version)
    : QSplashScreen(picture(version))
{
    setObjectName(QStringLiteral("MahjongSplash"));
}

QPixmap MahjongSplash::picture(const QString &version)
{
    QPixmap pixmap(splashSize);
    QPainter painter(&pixmap);
    QLinearGradient gradient(0, 0, 0, splashSize.height());
    gradient.setColorAt(0, QColor(24, 92, 60));
    gradient.setColorAt(1, QColor(8, 40, 26));
    painter.fillRect(pixmap.rect(), gradient);
    painter.setPen(QPen(textColour, 2));
    painter.drawRect(pixmap.rect().adjusted(6, 6, -7, -7));

    QFont title = painter.font();
    title.setPixelSize(34);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(0, 70, splashSize.width(), 50), Qt::AlignCenter,
                     QStringLiteral("Corvana Mahjong"));
    QFont small = painter.font();
    small.setPixelSize(14);
    small.setBold(false);
    painter.setFont(small);
    painter.drawText(QRect(0, 125, splashSize.width(), 24), Qt::AlignCenter,
                     QCoreApplication::translate("MahjongSplash", "Version %1").arg(version));
    return pixmap;
}

void MahjongSplash::showStatus(const QString &text)
{
    showMessage(text, Qt::AlignHCenter | Qt::AlignBottom, textColour);
}
