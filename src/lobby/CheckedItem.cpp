#include "lobby/CheckedItem.h"

CheckedItem::CheckedItem(bool checked)
    : checked(checked)
    , m_checkedImage(QStringLiteral("resources:/checkbox-checked-normal.png"))
    , m_uncheckedImage(QStringLiteral("resources:/empty-box.png"))
{
}

CheckedItem::~CheckedItem() = default;

QVariant CheckedItem::data(int role) const
{
    // An image and no text: views ask the display role for text only.
    if (role == Qt::DecorationRole)
        return checked ? m_checkedImage : m_uncheckedImage;
    if (role == Qt::DisplayRole)
        return QVariant();
    if (role == CheckedRole)
        return checked;
    return QStandardItem::data(role);
}
