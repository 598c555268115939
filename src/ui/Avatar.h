#pragma once

#include <QImage>
#include <QItemDelegate>
#include <QMetaType>
#include <QPixmap>

// A picture of the avatar grid with the mark drawn over it when it is selected.
struct Avatar
{
    Avatar() = default;
    explicit Avatar(const QImage &picture);

    QImage image;
    QPixmap overlay;
};

Q_DECLARE_METATYPE(Avatar)

// Draws the avatars of the grid centred in their cells, marking the selected one.
class AvatarDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    explicit AvatarDelegate(QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
