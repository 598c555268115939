#include "chat/FriendsWindow.h"

#include "chat/FriendSearchWindow.h"
#include "chat/FriendsFilter.h"
#include "chat/FriendsRosterModel.h"
#include "chat/xmpp/XMPPClient.h"
#include "connection/PlayerDb.h"
#include "ui/MahjongDialog.h"
#include "ui_FriendsView.h"

#include <QAction>
#include <QApplication>
#include <QDebug>
#include <QEvent>
#include <QMainWindow>
#include <QPointer>

namespace {

// Shows the detail panel's Message button when the local user is a manager.
class UserCallback : public QueryUserCallback
{
public:
    explicit UserCallback(FriendDetailWindow *detail) : QueryUserCallback(detail), m_detail(detail) {}

    void queryOk(const UserRecord &user) override
    {
        if (user.manager && m_detail)
            m_detail->showMessageButton();
    }
    void queryFailed(const QString &) override {}

private:
    QPointer<FriendDetailWindow> m_detail;
};

} // namespace

FriendsWindow::FriendsWindow(XMPPClient *client, XMPPRosterModel *roster, PlayerDb *playerDb,
                             LocalizationDb *localizationDb, QWidget *parent)
    : QWidget(parent),
      m_removeAction(new QAction(this)),
      m_client(client),
      m_playerDb(playerDb),
      m_localizationDb(localizationDb),
      m_ui(std::make_unique<Ui::FriendsView>())
{
    m_ui->setupUi(this);
    m_ui->friendSearchEdit->setEnabled(false);
    m_ui->searchButton->setEnabled(false);

    connect(m_client, &XMPPClient::connected, this, &FriendsWindow::onXmppConnected);
    connect(m_client, &XMPPClient::disconnected, this, &FriendsWindow::onXmppDisconnected);

    auto *filter = new FriendsFilter(this);
    auto *friends = new FriendsRosterModel(roster, playerDb, this);
    filter->setSourceModel(friends);
    filter->sort(0, Qt::AscendingOrder);
    m_ui->friendList->setModel(filter);
    m_ui->friendList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_ui->friendList, &QListView::customContextMenuRequested, this, &FriendsWindow::onFriendListContextMenu);

    FriendDetailWindow *detail = m_ui->friendDetail;
    detail->setPlayerDb(playerDb);
    detail->setLocalizationDb(localizationDb);
    connect(m_ui->friendList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FriendsWindow::onCurrentChanged);
    connect(filter, &QAbstractItemModel::dataChanged, this, &FriendsWindow::onDataChanged);
    connect(detail, &FriendDetailWindow::joinTable, this, &FriendsWindow::joinTable);
    connect(detail, &FriendDetailWindow::watchTable, this, &FriendsWindow::watchTable);
    connect(detail, &FriendDetailWindow::reqestChat, this, &FriendsWindow::reqestChat);
    connect(detail, &FriendDetailWindow::removeClicked, this, &FriendsWindow::onRemoveAction);

    connect(m_ui->searchButton, &QPushButton::clicked, this, &FriendsWindow::onDoSearch);
    connect(m_ui->friendSearchEdit, &QLineEdit::returnPressed, this, &FriendsWindow::onDoSearch);

    connect(m_removeAction, &QAction::triggered, this, &FriendsWindow::onRemoveAction);
    retranslate();
    m_contextMenu.addAction(m_removeAction);
}

FriendsWindow::~FriendsWindow() = default;

void FriendsWindow::retranslate()
{
    m_removeAction->setText(tr("Remove"));
    m_removeAction->setToolTip(tr("Remove user from list"));
}

void FriendsWindow::setTableModel(TableModel *tableModel)
{
    m_tableModel = tableModel;
    m_ui->friendDetail->setTableModel(tableModel);
}

void FriendsWindow::setSearchService(const QString &searchService)
{
    if (searchService == m_searchService)
        return;
    m_searchService = searchService;
    if (m_client->state() == XMPPClient::ConnectedState)
        onXmppConnected();
}

void FriendsWindow::onXmppConnected()
{
    const bool searchable = !m_searchService.isEmpty();
    m_ui->friendSearchEdit->setEnabled(searchable);
    m_ui->searchButton->setEnabled(searchable);
    if (m_playerDb)
        m_playerDb->queryUser(m_playerDb->localPlayerId(), new UserCallback(m_ui->friendDetail));
}

void FriendsWindow::onXmppDisconnected()
{
    m_ui->friendSearchEdit->setEnabled(false);
    m_ui->searchButton->setEnabled(false);
}

const FriendsRosterModel *FriendsWindow::friendsModel() const
{
    const auto *filter = qobject_cast<const QSortFilterProxyModel *>(m_ui->friendList->model());
    return filter ? qobject_cast<const FriendsRosterModel *>(filter->sourceModel()) : nullptr;
}

const XMPPRosterModel::Item *FriendsWindow::currentRosterItem() const
{
    const FriendsRosterModel *friends = friendsModel();
    if (!friends)
        return nullptr;
    const auto *filter = static_cast<const QSortFilterProxyModel *>(m_ui->friendList->model());
    return friends->itemFromIndex(filter->mapToSource(m_ui->friendList->currentIndex()));
}

const XMPPRosterModel::Item *FriendsWindow::rosterItem(const XMPPJid &jid) const
{
    const FriendsRosterModel *friends = friendsModel();
    return friends ? friends->itemFromJid(jid) : nullptr;
}

void FriendsWindow::onFriendListContextMenu(const QPoint &pos)
{
    const QModelIndex index = m_ui->friendList->indexAt(pos);
    const FriendsRosterModel *friends = friendsModel();
    if (!index.isValid() || !friends)
        return;
    const auto *filter = static_cast<const QSortFilterProxyModel *>(m_ui->friendList->model());
    const XMPPRosterModel::Item *item = friends->itemFromIndex(filter->mapToSource(index));
    if (!item)
        return;
    const int subscription = item->subscription;
    m_removeAction->setEnabled((subscription & 1) || ((subscription & 4) && !(subscription & 2)));
    m_ui->friendList->setCurrentIndex(index);
    m_contextMenu.popup(m_ui->friendList->viewport()->mapToGlobal(pos));
}

void FriendsWindow::onCurrentChanged(const QModelIndex &, const QModelIndex &)
{
    if (const XMPPRosterModel::Item *item = currentRosterItem())
        m_ui->friendDetail->setRosterItem(*item);
    else
        m_ui->friendDetail->clear();
}

void FriendsWindow::onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    const QModelIndex current = m_ui->friendList->currentIndex();
    if (current.isValid() && current.row() >= topLeft.row() && current.row() <= bottomRight.row())
        onCurrentChanged(current, current);
}

void FriendsWindow::onRemoveAction()
{
    const XMPPRosterModel::Item *item = currentRosterItem();
    if (!item)
        return;
    const XMPPJid jid = item->jid;
    if (item->subscription & 2) {
        qDebug() << "unsubscribing";
        m_client->subscribe(jid, true);
    } else {
        qDebug() << "removing roster item";
        m_client->updateRosterItem(jid, true, QString(), QString());
    }
}

void FriendsWindow::onDetailAction()
{
    const XMPPRosterModel::Item *item = currentRosterItem();
    if (!item)
        return;
    auto *window = new FriendDetailWindow(this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowFlags(Qt::Window);
    window->setPlayerDb(m_playerDb);
    window->setRosterItem(*item);
    window->setTableModel(m_tableModel);
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow *>(widget))
            window->move(widget->x() + widget->width() / 2 - window->width() / 2,
                         widget->y() + widget->height() / 2 - window->height() / 2);
    }
    window->show();
}

void FriendsWindow::onDoSearch()
{
    openSearchWindow(m_ui->friendSearchEdit->text());
}

void FriendsWindow::openSearchWindow(const QString &text)
{
    if (findChild<FriendSearchWindow *>() || text.isEmpty())
        return;
    auto *dialog = new MahjongDialog(this, MahjongDialog::HideTitleBar);
    auto *search = new FriendSearchWindow(m_client, m_searchService, dialog);
    connect(search, &FriendSearchWindow::selectedJid, this, &FriendsWindow::onSelectedJid);
    search->setSearchText(text);
    search->startSearch();
    dialog->setContentWidget(search);
    dialog->show();
    dialog->centerOnParent();
    new AutoCenterToParent(dialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
}

void FriendsWindow::addFriend(const XMPPJid &jid)
{
    const FriendsRosterModel *friends = friendsModel();
    if (!friends) {
        qWarning() << "no source model";
        return;
    }
    const XMPPRosterModel::Item *item = friends->itemFromJid(jid);
    if (jid == jidBare(parseJid(m_client->ownJid())))
        return;
    if (item && ((item->subscription & 1) || (item->subscription & 4)))
        return;
    m_client->subscribe(jid, false);
}

void FriendsWindow::onSelectedJid(const XMPPJid &jid)
{
    addFriend(jid);
}

void FriendsWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        retranslate();
        // The details' availability words are written with the friend's data.
        if (const XMPPRosterModel::Item *item = currentRosterItem())
            m_ui->friendDetail->setRosterItem(*item);
    }
    QWidget::changeEvent(event);
}
