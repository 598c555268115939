#include "lobby/TournamentsControllerLookup.h"

#include "lobby/TournamentsController.h"
#include "lobby/TournamentsLobbyModel.h"

TournamentsControllerLookup::TournamentsControllerLookup(TournamentsController *controller,
                                                         QObject *parent)
    : TournamentLookup(parent), m_controller(controller)
{
    connect(controller, &TournamentsController::updateTournamentInfo, this,
            &TournamentLookup::tournamentInfoUpdated);
    connect(controller->tournamentsModel(), &TournamentsLobbyModel::tournamentAdded, this,
            &TournamentLookup::tournamentAdded);
}

bool TournamentsControllerLookup::hasTournament(qint32 id) const
{
    return m_controller->tournamentsModel()->hasTournament(id);
}

TournamentInfo TournamentsControllerLookup::tournamentInfo(qint32 id) const
{
    return m_controller->tournamentInfo(id);
}
