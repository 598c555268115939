#pragma once

#include "ui/MahjongDialog.h"

#include <memory>

namespace Ui {
class WaitingForPlayersWidget;
}

// Lies over a table that waits for more players: how many are missing, and the buttons
// to leave or to invite players. The table window decides when it shows.
class WaitingForPlayersWindow : public MahjongDialog
{
    Q_OBJECT

public:
    explicit WaitingForPlayersWindow(QWidget *parent);
    ~WaitingForPlayersWindow() override;

    void setLeaveEnabled(bool enabled);

signals:
    void leaveButtonClicked();
    void inviteButtonClicked();

public slots:
    // Hides the overlay when no seat is left; otherwise only updates its text.
    void onSeatsRemaining(int seats);

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::WaitingForPlayersWidget> m_ui;
    int m_seatsRemaining = 0;
};
