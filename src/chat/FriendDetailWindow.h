#pragma once

#include <QWidget>

#include <memory>

#include "chat/XMPPRosterModel.h"
#include "chat/xmpp/XMPPJid.h"
#include "lobby/LobbyFilter.h"
#include "lobby/LobbyModel.h"

class LocalizationDb;
class PlayerDb;
class TableModel;

namespace Ui {
class FriendDetailView;
}

// One friend: picture, presence, status and the tables the friend sits at, with the
// buttons to message, remove, join or watch.
class FriendDetailWindow : public QWidget
{
    Q_OBJECT

public:
    // A presence names at most this many tables; further ones are ignored.
    static constexpr int MaxTables = 16;

    explicit FriendDetailWindow(QWidget *parent = nullptr);
    ~FriendDetailWindow() override;

    void setPlayerDb(PlayerDb *playerDb);
    void setLocalizationDb(LocalizationDb *localizationDb);
    void setTableModel(TableModel *tableModel);
    // Without a player database nobody is shown.
    void setRosterItem(const XMPPRosterModel::Item &item);
    void clear();
    void showMessageButton();

    static QString statusText(const XMPPRosterModel::Item &item);

signals:
    void joinTable(qint32 tableId);
    void watchTable(qint32 tableId);
    void removeClicked();
    void reqestChat(const XMPPJid &jid);

public slots:
    void displayStatusIcon(bool visible);
    void onPlayerPictureUpdate(qint32 id);

private slots:
    void on_joinButton_clicked();
    void on_watchButton_clicked();
    void onTableDoubleClicked(qint32 id);
    void onMessageClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void setTables(const XMPPRosterModel::Item &item);

    qint32 m_playerId = -1;
    PlayerDb *m_playerDb = nullptr;
    // Before the model, which releases the filter's paths when it goes.
    TableLobbyFilter m_tableFilter;
    LobbyModel m_lobbyModel;
    std::unique_ptr<Ui::FriendDetailView> m_ui;
};
