#pragma once

#include "ui/MahjongDialog.h"

#include <QModelIndex>

#include <functional>
#include <memory>
#include <vector>

class PlayerDb;
class QStandardItem;
class TableInviteFilter;
class TableInviteModel;

namespace Ui {
class TableInviteDialog;
}

// Invites available chat contacts to the player's table, one invitation per click or
// double-click. The players already at the table are hidden from the list.
class TableInviteDialog : public MahjongDialog
{
    Q_OBJECT

public:
    // The player ids of the chat contacts who are available now.
    using Roster = std::function<std::vector<qint32>()>;

    TableInviteDialog(Roster roster, PlayerDb *players, QWidget *parent);
    ~TableInviteDialog() override;

    void setTableId(qint32 tableId);
    void addRosterPlayers();
    void addPlayers(const std::vector<qint32> &players);
    void excludePlayer(qint32 id);
    void includePlayer(qint32 id);
    void clearPlayers();

    // The rows the list shows.
    int rowCount() const;
    // Every player invited through this dialog, in order.
    const std::vector<qint32> &selectedPlayers() const { return m_invitedPlayers; }
    int selectedCount() const { return int(m_invitedPlayers.size()); }
    std::vector<qint32> playerIds() const;

signals:
    void invitePlayers(qint32 tableId, const std::vector<qint32> &players);

public slots:
    void onCurrentChanged(const QModelIndex &current);
    void onActivated(const QModelIndex &index);
    void onInviteButtonClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    QStandardItem *currentItem() const;
    void inviteCurrentPlayer();

    std::unique_ptr<Ui::TableInviteDialog> m_ui;
    qint32 m_tableId = -1;
    std::vector<qint32> m_invitedPlayers;
    TableInviteModel *m_model;
    Roster m_roster;
    TableInviteFilter *m_filter;
};
