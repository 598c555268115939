#pragma once

#include "app/TournamentInfo.h"
#include "connection/TournamentRecords.h"
#include "ui/MahjongDialog.h"

#include <QHash>
#include <QPoint>
#include <QUrl>

#include <map>
#include <memory>

namespace Ui {
class TournamentDetailDialog;
}

class QLabel;
class TableModel;
class TournamentPlayerFilter;
class TournamentPrizeStructureModel;
class TournamentRankingModel;
class UPushButton;

// One row of the tables list: the table's name and its "Watch" button.
struct TableListRow
{
    std::shared_ptr<QLabel> nameLabel;
    std::shared_ptr<UPushButton> watchButton;
};

// One tournament in full: information, the running round, players or standings, the
// payout before the start or the tables while it is played, and its information page.
// It sends nothing itself: its signals are served by the controller and the main window.
class TournamentDetailDialog : public MahjongDialog
{
    Q_OBJECT

public:
    // How long a pressed "Watch" may keep a closed dialog hidden, waiting for the table.
    static constexpr int PendingWatchTimeoutMs = 15000;

    explicit TournamentDetailDialog(QWidget *parent);
    ~TournamentDetailDialog() override;

    void setTournament(const TournamentInfo &info);
    void setTableModel(TableModel *tableModel);
    qint32 tournamentId() const { return m_tournament.id(); }

signals:
    void registerTournament(qint32 id);
    void unregisterTournament(qint32 id);
    void userMenuRequested(const QString &playerName, const QPoint &globalPos);
    void watchTable(qint32 tableId);
    void launchBrowser(const QString &url);

public slots:
    void onTournamentUpdated(const TournamentInfo &info);
    void onTournamentRemoved(qint32 id);
    void onTournamentPrizeConfiguration(qint32 id, const tournament_prize_configuration_t &configuration);
    void onTournamentRankings(qint32 id, const TournamentRankings &rankings);
    void onTableWatched(qint32 tableId);
    void onWatchFailed(qint32 tableId);
    void onJoinButtonClicked();
    void onLeaveButtonClicked();
    void onPlayerListContextMenu(const QPoint &pos);
    void onFreeTextSearchChanged(const QString &text);
    void onTableAdded(qint32 tableId);
    void onTableRemoved(qint32 tableId);
    void onTableClicked(qint32 tableId);
    void onLoadFinished(bool ok);
    void onLinkClicked(const QUrl &url);
    void onModelDestroyed(QObject *model);

protected:
    void timerEvent(QTimerEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void updateView();
    void updateStartLine();
    void updateRoundInformation();
    void updateButtons();
    void updateInformation();
    void updatePlayerList();
    void updatePayoutAndTables();
    void choosePrizeStructure();
    void subscribeTables();
    void releaseTables();
    void dropPendingWatch(qint32 tableId);
    // The table's localized name, or its id in the table list's manner.
    QString tableRowName(qint32 tableId) const;

    std::map<qint32, TableListRow> m_tableRows;
    TournamentRankingModel *m_rankingModel = nullptr;
    TournamentInfo m_tournament;
    std::unique_ptr<Ui::TournamentDetailDialog> m_ui;
    int m_timerId = 0;
    bool m_tournamentPresent = true;
    TournamentPlayerFilter *m_playerFilter;
    TableModel *m_tableModel = nullptr;
    bool m_tablesSubscribed = false;
    TournamentPrizeStructureModel *m_prizeModel;
    tournament_prize_configuration_t m_prizeConfiguration;
    bool m_hiddenOnClose = false;
    // Tables whose "Watch" was pressed and not yet confirmed, with the press's number.
    QHash<qint32, quint64> m_pendingWatches;
    quint64 m_watchCount = 0;
};
