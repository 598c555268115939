#pragma once

#include "app/TournamentInfo.h"
#include "ui/MahjongDialog.h"

#include <memory>

namespace Ui {
class JoinDialog;
}

// The confirmation before registering for a tournament: what it costs and either an
// "Accept" (join type 0) or, when the account lacks the buy-in, a "Deposit" (join type 1).
class JoinDialog : public MahjongDialog
{
    Q_OBJECT

public:
    JoinDialog(QWidget *parent, const TournamentInfo &info, int joinType);
    ~JoinDialog() override;

signals:
    void registerTournament(qint32 tournamentId);
    void deposit();

public slots:
    void onAcceptClicked();
    void onDepositClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void fillTexts();

    const TournamentInfo info;
    int eventType;
    int joinType;
    std::unique_ptr<Ui::JoinDialog> ui;
};
