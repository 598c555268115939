#include "TablePieces.h"

#include "game/GameWindow.h"
#include "table/scene/DeclaredView.h"
#include "table/scene/DiscardView.h"
#include "table/scene/HandView.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/RiichiStickView.h"
#include "table/scene/TileView.h"
#include "table/scene/WallView.h"
#include "table/scene/WindView.h"
#include "table/sidebar/TimerView.h"

#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>

namespace TablePieces {

namespace {

void collectItem(QGraphicsItem *item, const QString &owner, std::vector<Piece> &pieces)
{
    if (!item->isVisible())
        return;
    if (auto *tileItem = dynamic_cast<TileView *>(item); tileItem && tileItem->kind() == 8)
        return;
    const QList<QGraphicsItem *> children = item->childItems();
    if (children.isEmpty()) {
        const QRectF rect = item->sceneBoundingRect();
        if (!rect.isEmpty())
            pieces.push_back({owner, rect});
        return;
    }
    for (QGraphicsItem *child : children)
        collectItem(child, owner, pieces);
}

QString describe(const Piece &p)
{
    return QStringLiteral("%1 (%2,%3 %4x%5)")
        .arg(p.owner)
        .arg(p.rect.x())
        .arg(p.rect.y())
        .arg(p.rect.width())
        .arg(p.rect.height());
}

} // namespace

std::vector<Piece> collect(GameWindow &window)
{
    std::vector<Piece> pieces;
    const auto seatName = [](const char *what, int seat) {
        return QStringLiteral("%1 %2").arg(QLatin1String(what)).arg(seat);
    };
    collectItem(window.handView(), QStringLiteral("hand"), pieces);
    for (int seat = 0; seat < 4; ++seat) {
        collectItem(window.hiddenHandView(seat), seatName("hidden hand", seat), pieces);
        collectItem(window.discardView(seat), seatName("discards", seat), pieces);
        collectItem(window.declaredView(seat), seatName("melds", seat), pieces);
        collectItem(window.windMarker(seat), seatName("wind", seat), pieces);
        collectItem(window.riichiSticks(seat), seatName("sticks", seat), pieces);
    }
    collectItem(window.prevalentWindView(), QStringLiteral("round wind"), pieces);
    for (QGraphicsItem *item : window.layoutScene()->items()) {
        if (item->parentItem())
            continue;
        if (dynamic_cast<WallView *>(item))
            collectItem(item, QStringLiteral("walls"), pieces);
        else if (dynamic_cast<QGraphicsSimpleTextItem *>(item))
            collectItem(item, QStringLiteral("wall counter"), pieces);
    }
    TimerView *timer = window.turnTimer();
    if (timer->isVisible()) {
        QGraphicsView *view = window.view();
        const QRect r = timer->geometry();
        pieces.push_back({QStringLiteral("turn timer"), view->mapToScene(r).boundingRect()});
    }
    return pieces;
}

QStringList overlaps(const std::vector<Piece> &pieces)
{
    QStringList found;
    for (size_t i = 0; i < pieces.size(); ++i) {
        for (size_t j = i + 1; j < pieces.size(); ++j) {
            if (pieces[i].owner == pieces[j].owner)
                continue;
            const QRectF both = pieces[i].rect & pieces[j].rect;
            if (both.width() > 2 && both.height() > 2)
                found << describe(pieces[i]) + QStringLiteral(" covers ") + describe(pieces[j]);
        }
    }
    return found;
}

QStringList outside(const std::vector<Piece> &pieces, const QRectF &area)
{
    QStringList found;
    for (const Piece &p : pieces)
        if (!area.adjusted(-1, -1, 1, 1).contains(p.rect))
            found << describe(p);
    return found;
}

} // namespace TablePieces
