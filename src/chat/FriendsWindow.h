#pragma once

#include <QMenu>
#include <QModelIndex>
#include <QWidget>

#include <memory>

#include "chat/XMPPRosterModel.h"
#include "chat/xmpp/XMPPJid.h"

class FriendsFilter;
class FriendsRosterModel;
class LocalizationDb;
class PlayerDb;
class QAction;
class TableModel;
class XMPPClient;

namespace Ui {
class FriendsView;
}

// The lobby's friends page: the friend list, the selected friend's details, and the
// search that finds players to add.
class FriendsWindow : public QWidget
{
    Q_OBJECT

public:
    FriendsWindow(XMPPClient *client, XMPPRosterModel *roster, PlayerDb *playerDb,
                  LocalizationDb *localizationDb, QWidget *parent = nullptr);
    ~FriendsWindow() override;

    void setTableModel(TableModel *tableModel);
    void setSearchService(const QString &searchService);
    void openSearchWindow(const QString &text);
    void addFriend(const XMPPJid &jid);
    const XMPPRosterModel::Item *rosterItem(const XMPPJid &jid) const;

signals:
    void joinTable(qint32 tableId);
    void watchTable(qint32 tableId);
    void reqestChat(const XMPPJid &jid);

public slots:
    void onXmppConnected();
    void onXmppDisconnected();
    void onFriendListContextMenu(const QPoint &pos);
    void onCurrentChanged(const QModelIndex &current, const QModelIndex &previous);
    void onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    void onRemoveAction();
    void onDetailAction();
    void onDoSearch();
    void onSelectedJid(const XMPPJid &jid);

protected:
    void changeEvent(QEvent *event) override;

private:
    // The list's source model when the chain is the one built here, else null.
    const FriendsRosterModel *friendsModel() const;
    const XMPPRosterModel::Item *currentRosterItem() const;
    void retranslate();

    QAction *m_removeAction;
    QMenu m_contextMenu;
    QString m_searchService;
    XMPPClient *m_client;
    PlayerDb *m_playerDb;
    TableModel *m_tableModel = nullptr;
    LocalizationDb *m_localizationDb;
    std::unique_ptr<Ui::FriendsView> m_ui;
};
