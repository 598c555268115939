#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class QAbstractItemModel;
class QModelIndex;

// How a lobby list filter judges one condition of a row.
enum FilterMode {
    RejectAll = 0,    // every row is rejected
    RequireMatch = 1, // rejected when the condition is false
    ExcludeMatch = 2, // rejected when the condition is true
    Ignore = 3        // the condition rejects nothing (as does any other value)
};

// True when a condition judged with the mode rejects the row.
bool filterModeRejects(int mode, bool condition);

// The words of a search text: its parts between single blanks, empty parts dropped, case
// kept.
QSet<QString> searchWords(const QString &text);

// True when every word occurs, without regard to case, in the display text of at least
// one column of the row; true without words.
bool rowContainsSearchWords(const QAbstractItemModel *model, int row, const QModelIndex &parent,
                            const QSet<QString> &words);
// The same over display texts read before.
bool textsContainSearchWords(const QStringList &texts, const QSet<QString> &words);
// The display texts of every column of the row.
QStringList rowDisplayTexts(const QAbstractItemModel *model, int row, const QModelIndex &parent);

// Names the lobby paths whose tables a list needs and accepts or rejects a table row.
struct LobbyFilter
{
    QStringList paths;

    virtual ~LobbyFilter() = default;
    virtual int pathCount() const = 0;
    virtual const QString &path(int i) const = 0;
    // index is column 0 of the row in model.
    virtual bool acceptsRow(const QAbstractItemModel *model, const QModelIndex &index) const = 0;
};

// The tables of the given ids (under the given paths).
struct TableLobbyFilter : LobbyFilter
{
    QSet<qint32> tableIds;

    int pathCount() const override { return int(paths.size()); }
    const QString &path(int i) const override { return paths.at(i); }
    bool acceptsRow(const QAbstractItemModel *model, const QModelIndex &index) const override;
};
