#pragma once

#include "connection/ComingEvent.h"

#include <QDateTime>
#include <QObject>

#include <map>
#include <vector>

class ConnectionManager;
class TournamentInfo;
class TournamentsLobbyModel;

// One time-ordered list of what is about to happen: the server's announcements merged
// with the starts and ends of the rounds of the tournaments the user is registered for.
// Every change of the list ends in one comingEventsChanged().
class ComingEventsModel : public QObject
{
    Q_OBJECT

public:
    // Takes the server's announcements from the connection manager (not owned) and asks
    // it for the current ones; follows the tournaments of the lobby model (not owned, may
    // be null), starting with those it already holds.
    ComingEventsModel(ConnectionManager *connection, TournamentsLobbyModel *tournaments,
                      QObject *parent);

    const ComingEvents &comingEvents() const { return m_merged; }

signals:
    void comingEventsChanged(const ComingEvents &events);

public slots:
    void onComingServerEvents(const ComingEvents &events);
    void onTournamentAdded(const TournamentInfo &info);
    void onTournamentUpdated(const TournamentInfo &info);
    void onTournamentRemoved(qint32 tournamentId);

private:
    struct Rounds
    {
        std::vector<QDateTime> starts;
        // Seconds per round.
        std::vector<int> lengths;

        bool operator==(const Rounds &other) const
        {
            return starts == other.starts && lengths == other.lengths;
        }
    };

    static bool isTracked(const TournamentInfo &info);
    static Rounds roundsOf(const TournamentInfo &info);
    void fillFromLobby();
    void rebuildTournamentEvents();
    void mergeAndPublish();

    TournamentsLobbyModel *m_tournaments;
    ComingEvents m_serverEvents;
    ComingEvents m_tournamentEvents;
    ComingEvents m_merged;
    std::map<qint32, Rounds> m_rounds;
};
