#pragma once

#include "app/TournamentInfo.h"

#include <QFrame>
#include <QPointer>

#include <map>
#include <memory>
#include <vector>

class QFrame;
class TournamentsController;
class TournamentsLobbyModel;
class UPushButton;

namespace Ui {
class ComingTournamentsWidget;
}

// One listed tournament: its row frame (owning the name and the two buttons) and whether
// the button offers Unregister.
struct ComingTournamentRow
{
    bool registered = false;
    std::unique_ptr<QFrame> frame;
    UPushButton *joinLeaveButton = nullptr;
    UPushButton *infoButton = nullptr;
};

// The lobby panel "Upcoming tournaments": the open tournaments whose registration closes
// first, each with Register or Unregister and Info.
class ComingTournamentsWidget : public QFrame
{
    Q_OBJECT

public:
    static constexpr int MaxTournaments = 3;

    explicit ComingTournamentsWidget(QWidget *parent = nullptr);
    ~ComingTournamentsWidget() override;

    void setTournamentsController(TournamentsController *controller);
    void setTournamentsModel(TournamentsLobbyModel *model);

    // The listed tournaments, in display order.
    std::vector<qint32> listedIds() const;

signals:
    void unregisterTournament(qint32 id);

public slots:
    void onTournamentAdded(const TournamentInfo &info);
    void onTournamentUpdated(const TournamentInfo &info);
    void onTournamentRemoved(qint32 id);
    void onJoinLeaveButtonClicked(qint32 id);
    void onInfoButtonClicked(qint32 id);

protected:
    void changeEvent(QEvent *event) override;

private:
    std::vector<TournamentInfo> upcomingTournaments() const;
    void refresh();
    void rebuildRows();
    void retranslateRows();

    std::map<qint32, ComingTournamentRow> m_rows;
    std::vector<TournamentInfo> m_upcoming;
    QPointer<TournamentsController> m_controller;
    QPointer<TournamentsLobbyModel> m_model;
    std::unique_ptr<Ui::ComingTournamentsWidget> m_ui;
};
