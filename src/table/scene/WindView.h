#pragma once

#include <QGraphicsObject>

// The side of a wind disc's square at scale 1.
inline constexpr double WindDiscSize = 62;

// A seat's wind disc, turned to face the seat, glowing for the seat to play.
class WindView : public QGraphicsItem
{
public:
    explicit WindView(int seat, QGraphicsItem *parent = nullptr);

    void setWind(int wind);
    void setGlowing(bool glowing);
    void setScale(double scale);
    void retranslate();

    int seat() const { return m_seat; }
    int wind() const { return m_wind; }
    bool isGlowing() const { return m_glowing; }
    double scale() const { return m_scale; }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget) override;

private:
    int m_seat;
    int m_wind = 0;
    bool m_glowing = false;
    double m_scale = 1.0;
};

// The prevalent (round) wind, never turned. It tells when its place in the scene changes
// (it moves, takes another size, shows or hides), so that what stands beside it follows.
class PrevalentWindView : public QGraphicsObject
{
    Q_OBJECT

public:
    explicit PrevalentWindView(QGraphicsItem *parent = nullptr);

    void setWind(int wind);
    void setScale(double scale);
    void retranslate();

    int wind() const { return m_wind; }
    double scale() const { return m_scale; }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget) override;

signals:
    void placeChanged();

private:
    int m_wind = 0;
    double m_scale = 1.0;
};
