#include "lobby/ComingEventsModel.h"

#include "app/TournamentInfo.h"
#include "connection/ConnectionManager.h"
#include "lobby/TournamentsLobbyModel.h"

#include <algorithm>
#include <iterator>

ComingEventsModel::ComingEventsModel(ConnectionManager *connection,
                                     TournamentsLobbyModel *tournaments, QObject *parent)
    : QObject(parent)
    , m_tournaments(tournaments)
{
    connect(connection, &ConnectionManager::comingEvents, this,
            &ComingEventsModel::onComingServerEvents);
    connection->query_coming_events();
    if (!m_tournaments)
        return;
    connect(m_tournaments, &TournamentsLobbyModel::tournamentAdded, this,
            &ComingEventsModel::onTournamentAdded);
    connect(m_tournaments, &TournamentsLobbyModel::tournamentUpdated, this,
            &ComingEventsModel::onTournamentUpdated);
    connect(m_tournaments, &TournamentsLobbyModel::tournamentRemoved, this,
            &ComingEventsModel::onTournamentRemoved);
    fillFromLobby();
}

void ComingEventsModel::fillFromLobby()
{
    m_rounds.clear();
    for (const qint32 id : m_tournaments->tournamentIds()) {
        const TournamentInfo &info = m_tournaments->tournamentInfo(id);
        if (isTracked(info))
            m_rounds[id] = roundsOf(info);
    }
    rebuildTournamentEvents();
}

void ComingEventsModel::onComingServerEvents(const ComingEvents &events)
{
    m_serverEvents = events;
    std::sort(m_serverEvents.begin(), m_serverEvents.end());
    mergeAndPublish();
}

void ComingEventsModel::onTournamentAdded(const TournamentInfo &info)
{
    if (!isTracked(info))
        return;
    m_rounds[info.id()] = roundsOf(info);
    rebuildTournamentEvents();
}

void ComingEventsModel::onTournamentUpdated(const TournamentInfo &info)
{
    if (!isTracked(info)) {
        onTournamentRemoved(info.id());
        return;
    }
    Rounds rounds = roundsOf(info);
    const auto stored = m_rounds.find(info.id());
    if (stored != m_rounds.end() && stored->second == rounds)
        return;
    m_rounds[info.id()] = std::move(rounds);
    rebuildTournamentEvents();
}

void ComingEventsModel::onTournamentRemoved(qint32 tournamentId)
{
    if (m_rounds.erase(tournamentId) > 0)
        rebuildTournamentEvents();
}

bool ComingEventsModel::isTracked(const TournamentInfo &info)
{
    return info.isRegistered() && info.isUnfinished();
}

ComingEventsModel::Rounds ComingEventsModel::roundsOf(const TournamentInfo &info)
{
    return Rounds{info.roundsStart(), info.roundsLength()};
}

void ComingEventsModel::rebuildTournamentEvents()
{
    m_tournamentEvents.clear();
    for (const auto &[id, rounds] : m_rounds) {
        // A start without its length gives no events.
        const std::size_t count = std::min(rounds.starts.size(), rounds.lengths.size());
        for (std::size_t i = 0; i < count; ++i) {
            const QDateTime &start = rounds.starts[i];
            m_tournamentEvents.emplace_back(
                i == 0 ? ComingEvent::TournamentStart : ComingEvent::RoundStart, start);
            m_tournamentEvents.emplace_back(ComingEvent::RoundEnd,
                                            start.addSecs(rounds.lengths[i]));
        }
    }
    std::sort(m_tournamentEvents.begin(), m_tournamentEvents.end());
    mergeAndPublish();
}

void ComingEventsModel::mergeAndPublish()
{
    m_merged.clear();
    m_merged.reserve(m_serverEvents.size() + m_tournamentEvents.size());
    // std::merge takes from the first range on ties: the server's events come first.
    std::merge(m_serverEvents.begin(), m_serverEvents.end(), m_tournamentEvents.begin(),
               m_tournamentEvents.end(), std::back_inserter(m_merged));
    emit comingEventsChanged(m_merged);
}
