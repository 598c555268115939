#include "app/startup/MahjongSplash.h"

#include <QDebug>
#include <QFont>
#include <QPainter>

namespace {

const QColor textColour(255, 244, 189);

} // namespace

MahjongSplash::MahjongSplash(const QString &version)
    : QSplashScreen(picture(version))
{
    setObjectName(QStringLiteral("MahjongSplash"));
    // Closing the splash while it is the only window ends the program, as
    // closing any main window does.
    setAttribute(Qt::WA_QuitOnClose);
}

QPixmap MahjongSplash::picture(const QString &version)
{
    QPixmap pixmap(QStringLiteral("resources:/splash.png"));
    if (pixmap.isNull()) {
        qWarning() << "splash picture not found: resources:/splash.png";
        pixmap = QPixmap(480, 300);
        pixmap.fill(QColor(20, 56, 38));
    }
    QPainter painter(&pixmap);
    QFont small = painter.font();
    small.setPixelSize(12);
    painter.setFont(small);
    painter.setPen(textColour);
    painter.drawText(pixmap.rect().adjusted(0, 8, -12, -8), Qt::AlignRight | Qt::AlignTop,
                     QCoreApplication::translate("MahjongSplash", "Version %1").arg(version));
    return pixmap;
}

void MahjongSplash::showStatus(const QString &text)
{
    showMessage(text, Qt::AlignHCenter | Qt::AlignBottom, textColour);
}

void MahjongSplash::mousePressEvent(QMouseEvent *)
{
    // A plain hide would leave the program running without a visible window.
    close();
}
