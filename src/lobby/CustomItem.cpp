#include "lobby/CustomItem.h"

QStandardItem *makeTextItem(const QString &text, const QString &toolTip, Qt::Alignment alignment)
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    item->setTextAlignment(alignment);
    item->setToolTip(toolTip);
    return item;
}
