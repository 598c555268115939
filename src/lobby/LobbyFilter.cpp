#include "lobby/LobbyFilter.h"

#include "lobby/CustomItem.h"

#include <QAbstractItemModel>

bool filterModeRejects(int mode, bool condition)
{
    switch (mode) {
    case RejectAll: return true;
    case RequireMatch: return !condition;
    case ExcludeMatch: return condition;
    default: return false;
    }
}

QSet<QString> searchWords(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return QSet<QString>(parts.cbegin(), parts.cend());
}

bool rowContainsSearchWords(const QAbstractItemModel *model, int row, const QModelIndex &parent,
                            const QSet<QString> &words)
{
    if (words.isEmpty())
        return true;
    QSet<QString> missing = words;
    const int columns = model->columnCount(parent);
    for (int column = 0; column < columns && !missing.isEmpty(); ++column) {
        const QString text = model->index(row, column, parent).data(Qt::DisplayRole).toString();
        for (auto it = missing.begin(); it != missing.end();) {
            if (text.contains(*it, Qt::CaseInsensitive))
                it = missing.erase(it);
            else
                ++it;
        }
    }
    return missing.isEmpty();
}

bool TableLobbyFilter::acceptsRow(const QAbstractItemModel *model, const QModelIndex &index) const
{
    if (tableIds.isEmpty())
        return false;
    const QVariant id = model->data(index, TableIdRole);
    return id.typeId() == QMetaType::Int && tableIds.contains(id.toInt());
}
