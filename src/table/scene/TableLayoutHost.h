#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <memory>

class CityView;
class DeclaredView;
class DiscardView;
class HandView;
class HiddenHandView;
class PlayerActionView;
class PrevalentWindView;
class QGraphicsScene;
class RiichiStickView;
class TableInfo;

// What a table layout reads and moves of the table window: its views, seat markers and
// turn timer. The table window implements it.
class TableLayoutHost
{
public:
    virtual ~TableLayoutHost() = default;

    virtual const TableInfo &layoutTableInfo() const = 0;
    virtual QGraphicsScene *layoutScene() const = 0;
    // The visible part of the scene.
    virtual QRectF viewSceneRect() const = 0;

    virtual CityView *cityView() const = 0;
    // Deletes the current city view and takes the new one.
    virtual void replaceCityView(std::unique_ptr<CityView> city) = 0;
    // Shows the model's wall on the city view at once (seat 0's wind, EAST when empty).
    virtual void refreshCityView() = 0;

    virtual HandView *handView() const = 0;
    virtual HiddenHandView *hiddenHandView(int seat) const = 0;
    virtual DiscardView *discardView(int seat) const = 0;
    virtual DeclaredView *declaredView(int seat) const = 0;
    virtual PlayerActionView *claimImage(int seat) const = 0;
    virtual RiichiStickView *riichiSticks(int seat) const = 0;
    virtual PrevalentWindView *prevalentWindView() const = 0;

    virtual QPointF seatMarkerPos(int seat) const = 0;
    // Stores the point and moves the seat's wind marker there.
    virtual void setSeatMarkerPos(int seat, const QPointF &pos) = 0;
    virtual QSizeF windMarkerSize(int seat) const = 0;

    virtual QSizeF turnTimerSize() const = 0;
    // Puts the turn timer's top left corner on a scene point (mapped into the view).
    virtual void moveTurnTimer(const QPointF &scenePos) = 0;
};
