#include "app/TableCapacity.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPixmapCache>
#include <QRect>

#include <algorithm>
#include <climits>

namespace {

const QString takenSeatIcon = QStringLiteral("resources:/seat-taken.png");
const QString freeSeatIcon = QStringLiteral("resources:/seat-free.png");

// The skin's icon, or a null pixmap when the skin has none.
QPixmap seatIcon(const QString &name)
{
    QPixmap pixmap;
    if (!QPixmapCache::find(name, &pixmap) && pixmap.load(name))
        QPixmapCache::insert(name, pixmap);
    return pixmap;
}

// A plain disc (taken) or ring (free) in the palette's text colour.
void paintFallbackIcon(QPainter *painter, const QRect &box, const QPalette &palette, bool taken)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QColor colour = palette.color(QPalette::WindowText);
    painter->setPen(QPen(colour, 1.5));
    painter->setBrush(taken ? QBrush(colour) : QBrush(Qt::NoBrush));
    painter->drawEllipse(QRectF(box).adjusted(1.5, 1.5, -1.5, -1.5));
    painter->restore();
}

} // namespace

QString TableCapacity::text() const
{
    const QString seated = QCoreApplication::translate("TableCapacity", "%L2 of %L3 players seated")
                               .arg(QLocale().toString(m_players), QLocale().toString(m_seats));
    if (m_bots <= 0)
        return seated;
    return QCoreApplication::translate("TableCapacity", "%1 (+%2 reserved)")
        .arg(seated, QLocale().toString(m_bots));
}

QSize TableCapacity::sizeHint() const
{
    const qint64 width = qint64(m_seats) * IconPitch - 1;
    return QSize(int(std::clamp<qint64>(width, -1, INT_MAX)), IconHeight);
}

void TableCapacity::paint(QPainter *painter, const QRect &rect, const QPalette &palette,
                          Qt::Alignment alignment) const
{
    if (!painter || m_seats <= 0)
        return;
    const qint64 width = qint64(m_seats) * IconPitch - 1;

    qint64 x = rect.left();
    if (alignment & Qt::AlignRight)
        x = rect.right() - width + 1;
    else if (alignment & Qt::AlignHCenter)
        x = rect.left() + (rect.width() - width) / 2;
    int y = rect.top();
    if (alignment & Qt::AlignBottom)
        y = rect.bottom() - IconHeight + 1;
    else if (alignment & Qt::AlignVCenter)
        y = rect.top() + (rect.height() - IconHeight) / 2;

    const QPixmap taken = seatIcon(takenSeatIcon);
    const QPixmap free = seatIcon(freeSeatIcon);
    // Only the seats inside the rectangle are drawn.
    const qint64 firstSeat = x < rect.left() ? (rect.left() - x) / IconPitch : 0;
    for (qint64 seat = firstSeat; seat < m_seats; ++seat) {
        const qint64 left = x + seat * IconPitch;
        if (left > rect.right())
            break;
        const bool isTaken = seat < m_players;
        const QPixmap &icon = isTaken ? taken : free;
        const QRect box(int(left), y, IconPitch - 1, IconHeight);
        if (icon.isNull())
            paintFallbackIcon(painter, box, palette, isTaken);
        else
            painter->drawPixmap(box.left(), box.top() + (box.height() - icon.height()) / 2, icon);
    }
}

bool operator<(const TableCapacity &a, const TableCapacity &b)
{
    if (a.m_players != b.m_players)
        return a.m_players < b.m_players;
    if (a.m_seats != b.m_seats)
        return a.m_seats < b.m_seats;
    return a.m_bots > b.m_bots;
}
