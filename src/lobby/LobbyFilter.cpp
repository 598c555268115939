#include "lobby/LobbyFilter.h"

#include "lobby/CustomItem.h"

#include <QAbstractItemModel>

#include <algorithm>

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
    return words.isEmpty() || textsContainSearchWords(rowDisplayTexts(model, row, parent), words);
}

bool textsContainSearchWords(const QStringList &texts, const QSet<QString> &words)
{
    for (const QString &word : words) {
        const bool found = std::any_of(texts.cbegin(), texts.cend(), [&](const QString &text) {
            return text.contains(word, Qt::CaseInsensitive);
        });
        if (!found)
            return false;
    }
    return true;
}

QStringList rowDisplayTexts(const QAbstractItemModel *model, int row, const QModelIndex &parent)
{
    QStringList texts;
    const int columns = model->columnCount(parent);
    texts.reserve(columns);
    for (int column = 0; column < columns; ++column)
        texts << model->index(row, column, parent).data(Qt::DisplayRole).toString();
    return texts;
}

bool TableLobbyFilter::acceptsRow(const QAbstractItemModel *model, const QModelIndex &index) const
{
    if (tableIds.isEmpty())
        return false;
    const QVariant id = model->data(index, TableIdRole);
    return id.typeId() == QMetaType::Int && tableIds.contains(id.toInt());
}
