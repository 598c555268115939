#pragma once

#include "game/TournamentLookup.h"

class TournamentsController;

// The tournament lookup of the table side over the lobby's tournaments controller and
// its tournament list (neither owned).
class TournamentsControllerLookup : public TournamentLookup
{
    Q_OBJECT

public:
    TournamentsControllerLookup(TournamentsController *controller, QObject *parent = nullptr);

    bool hasTournament(qint32 id) const override;
    TournamentInfo tournamentInfo(qint32 id) const override;

private:
    TournamentsController *m_controller;
};
