#pragma once

#include "app/TournamentInfo.h"

#include <QList>
#include <QStandardItemModel>

#include <map>
#include <vector>

class QStandardItem;

// The lobby path under which the server lists the tables of a tournament.
QString tournamentLobbyPath(qint32 tournamentId);

// One held tournament: its record and the cells of its row (owned by the model).
struct TournamentRow
{
    TournamentInfo info;
    QList<QStandardItem *> items;
    // The model row, valid while the model's row numbers are not stale.
    int row = -1;
};

// The client's list of the tournaments the server announces, one row per tournament,
// ordered by start, and its memory of the tournaments the local player is registered for.
class TournamentsLobbyModel : public QStandardItemModel
{
    Q_OBJECT

public:
    enum Column {
        RegisteredColumn,
        StartColumn,
        StatusColumn,
        NameColumn,
        RulesColumn,
        PlayersColumn,
        BuyInColumn,
        PotColumn,
        ColumnCount
    };

    explicit TournamentsLobbyModel(QObject *parent);
    ~TournamentsLobbyModel() override;

    bool hasTournament(qint32 id) const;
    // Throws std::runtime_error for a tournament that is not held; test hasTournament() first.
    const TournamentInfo &tournamentInfo(qint32 id) const;
    // Ascending.
    QList<qint32> tournamentIds() const;
    // The first cell of the tournament's row; invalid for a tournament not held.
    QModelIndex indexOfTournament(qint32 id) const;
    // The smallest held id with that persistent id, -1 when none.
    qint32 tournamentIdByPersistentId(qint32 persistentId) const;

    void retranslate();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;

signals:
    void tournamentAdded(const TournamentInfo &info);
    void tournamentUpdated(const TournamentInfo &info);
    void tournamentRemoved(qint32 id);
    void tournamentStatusChanged(qint32 id, TournamentInfo::status_t oldStatus,
                                 TournamentInfo::status_t newStatus);

public slots:
    void addOrUpdateTournament(const TournamentInfo &info);
    void updateTournamentInfo(qint32 id, const TournamentInfoUpdates &updates);
    void onRegisteredNotification(const std::vector<qint32> &ids);
    void onTournamentRemoved(qint32 id);
    void onTournamentRegisterSuccess(qint32 id);
    void onTournamentUnregisterSuccess(qint32 id);
    void onTournamentLeaveSuccess(qint32 id);

private:
    bool isRegistered(qint32 id) const;
    void setRegistered(qint32 id, bool registered);
    void updateRow(TournamentRow &row, bool startChanged);
    void refreshRowNumbers() const;
    QList<QStandardItem *> makeRow(const TournamentInfo &info);

    std::vector<qint32> m_registeredIds;
    std::map<qint32, TournamentRow> m_tournaments;
    // Rows were appended, or a start changed, since the last sort.
    bool m_orderStale = false;
    // A sort or a removal moved rows since the row numbers were taken. The cells are found
    // by these numbers: a moved item looks for its own row from where it was.
    mutable bool m_rowNumbersStale = false;
};
