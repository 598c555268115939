#pragma once

#include "app/TournamentInfo.h"

#include <QFrame>
#include <QPointer>

#include <memory>

class TournamentsController;
class TournamentsLobbyModel;

namespace Ui {
class TournamentPreview;
}

// The side panel that describes the tournament selected in the tournament lobby, with a
// countdown to its start and the Register, Unregister and Info buttons. It keeps no
// tournament data: every redraw reads the tournament list.
class TournamentPreview : public QFrame
{
    Q_OBJECT

public:
    static constexpr int CountdownIntervalMs = 1000;

    explicit TournamentPreview(QWidget *parent = nullptr);
    ~TournamentPreview() override;

    void setTournamentsController(TournamentsController *controller);
    void setTournamentsModel(TournamentsLobbyModel *model);

    qint32 tournamentId() const { return m_tournamentId; }
    bool isCountdownRunning() const { return m_timerId != 0; }

signals:
    void unregisterTournament(qint32 id);
    void deposit();

public slots:
    void onPreviewTournament(qint32 id);
    void onTournamentUpdated(const TournamentInfo &info);
    void onTournamentRemoved(qint32 id);

protected:
    void timerEvent(QTimerEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void on_joinButton_clicked();
    void on_leaveButton_clicked();
    void on_infoButton_clicked();
    void redraw();
    void showNoTournament();
    void showTournamentInfo(const TournamentInfo &info);
    void updateButtons(const TournamentInfo &info);
    void updateStartsIn();

    QPointer<TournamentsController> m_controller;
    QPointer<TournamentsLobbyModel> m_model;
    qint32 m_tournamentId = -1;
    std::unique_ptr<Ui::TournamentPreview> m_ui;
    int m_timerId = 0;
};
