#include "ui/Avatar.h"

#include <QPainter>

namespace {

const int avatarTypeId = qRegisterMetaType<Avatar>("Avatar");

bool holdsAvatar(const QVariant &data)
{
    return data.userType() == avatarTypeId;
}

} // namespace

Avatar::Avatar(const QImage &picture)
    : image(picture), overlay(QStringLiteral("resources:/avatar-selected.png"))
{
}

AvatarDelegate::AvatarDelegate(QObject *parent) : QItemDelegate(parent)
{
}

void AvatarDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                           const QModelIndex &index) const
{
    const QVariant data = index.data(Qt::DisplayRole);
    if (!holdsAvatar(data)) {
        QItemDelegate::paint(painter, option, index);
        return;
    }
    const Avatar avatar = data.value<Avatar>();
    const QRect &r = option.rect;
    const QPoint at(r.left() + (r.width() / 2 - avatar.image.width() / 2),
                    r.top() + (r.height() / 2 - avatar.image.height() / 2));
    painter->drawImage(at, avatar.image);
    if (option.state.testFlag(QStyle::State_Selected))
        painter->drawPixmap(at, avatar.overlay);
}

QSize AvatarDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QVariant data = index.data(Qt::DisplayRole);
    if (!holdsAvatar(data))
        return QItemDelegate::sizeHint(option, index);
    const QImage image = data.value<Avatar>().image;
    return QSize(image.width() + 4, image.height() + 4);
}
