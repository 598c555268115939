#pragma once

#include "app/TournamentInfo.h"
#include "connection/TournamentRecords.h"
#include "protocol/enums.h"
#include "ui/ModelessMsgBox.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

class ConnectionManager;
class QWidget;
class TableModel;
class TournamentDetailDialog;
class TournamentsLobbyModel;
class TournamentsLobbyWindow;

// What the tournaments controller needs of the window that hosts the lobby.
class TournamentsHost
{
public:
    virtual ~TournamentsHost() = default;

    // The player's money, in cents.
    virtual qint64 accountBalance() const = 0;
    // Opens the deposit page.
    virtual void onDeposit() = 0;
    // Offers to complete the account's registration; variant 2 is for a tournament.
    virtual void offerRegistrationCompletion(int variant) = 0;
};

// The one place of tournament registration: keeps the tournament list, opens one detail
// dialog and one confirmation dialog per tournament inside the lobby widget, sends the
// register and unregister requests and explains every refusal in a message box.
class TournamentsController : public QObject
{
    Q_OBJECT

public:
    // The lobby widget (not owned) parents the dialogs and the controller; the host is not
    // owned either.
    TournamentsController(ConnectionManager *connectionManager, QWidget *lobbyWidget,
                          TournamentsHost *host);
    ~TournamentsController() override;

    void setTableModel(TableModel *tableModel);
    TournamentsLobbyModel *tournamentsModel() const { return m_model; }
    // A new Tournaments tab over the tournament list; the caller owns it.
    TournamentsLobbyWindow *createTournamentsLobbyWindow();
    // Throws std::runtime_error for a tournament that is not held.
    const TournamentInfo &tournamentInfo(qint32 id) const;

    static QString registerFailedReasonText(int reason);

signals:
    void updateTournamentInfo(qint32 id, const TournamentInfoUpdates &updates);
    void playerTournamentAborted(qint32 id);
    // Passed on from the detail dialogs.
    void userMenuRequested(const QString &playerName, const QPoint &globalPos);
    void watchTable(qint32 tableId);
    void launchBrowser(const QString &url);

public slots:
    void createTournamentDetailDialog(qint32 id);
    void createJoinTournamentDialog(qint32 id);
    void onTournamentRegister(qint32 id);
    void onTournamentUnregister(qint32 id);
    void getTournamentHighscores(const TournamentInfo &info);
    void getTournamentHighscores(qint32 id);
    void onTournamentRegisterFailed(qint32 id, tmnt_register_failed_reason::enum_t reason);
    void onTournamentUnregisterFailed(qint32 id, tmnt_register_failed_reason::enum_t reason);
    void onExtendedTournamentRegisterResponse(qint32 id,
                                              const extended_tournament_register_response &response);
    void onAccountNeeded();
    void onTournamentStatusChanged(qint32 id, TournamentInfo::status_t oldStatus,
                                   TournamentInfo::status_t newStatus);
    void onDepositAnswer(int result);
    // The host now watches the table, or could not: every open detail dialog hears it.
    void onTableWatched(qint32 tableId);
    void onWatchFailed(qint32 tableId);

private:
    TournamentDetailDialog *detailDialog(qint32 id) const;
    QWidget *boxParent() const;
    void showPlainBox(int kind, ModelessMsgBox::Wording wording);

    ConnectionManager *m_connectionManager;
    QPointer<QWidget> m_lobbyWidget;
    TournamentsHost *m_host;
    TournamentsLobbyModel *m_model;
    TableModel *m_tableModel = nullptr;
};
