#include "table/dialogs/TableInviteDialog.h"

#include "ui_TableInviteDialog.h"

#include "chat/TableInviteModel.h"

#include <QEvent>
#include <QItemSelectionModel>

TableInviteDialog::TableInviteDialog(Roster roster, PlayerDb *players, QWidget *parent)
    : MahjongDialog(parent, ShowCloseButton)
    , m_ui(std::make_unique<Ui::TableInviteDialog>())
    , m_model(new TableInviteModel(players, this))
    , m_roster(std::move(roster))
    , m_filter(new TableInviteFilter(this))
{
    m_filter->setSourceModel(m_model);
    auto *body = new QWidget;
    m_ui->setupUi(body);
    setContentWidget(body);

    connect(m_ui->inviteButton, &QPushButton::clicked, this, &TableInviteDialog::onInviteButtonClicked);
    m_ui->playerList->setModel(m_filter);
    connect(m_ui->playerList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TableInviteDialog::onCurrentChanged);
    connect(m_ui->playerList, &QAbstractItemView::activated, this, &TableInviteDialog::onActivated);
    m_ui->inviteButton->setEnabled(false);
}

TableInviteDialog::~TableInviteDialog() = default;

void TableInviteDialog::setTableId(qint32 tableId)
{
    m_tableId = tableId;
}

void TableInviteDialog::addRosterPlayers()
{
    if (m_roster)
        addPlayers(m_roster());
}

void TableInviteDialog::addPlayers(const std::vector<qint32> &players)
{
    for (qint32 id : players)
        m_model->addPlayer(id);
}

void TableInviteDialog::excludePlayer(qint32 id)
{
    m_filter->excludePlayer(id);
}

void TableInviteDialog::includePlayer(qint32 id)
{
    m_filter->includePlayer(id);
}

void TableInviteDialog::clearPlayers()
{
    m_model->clear();
    m_filter->clearExcluded();
}

int TableInviteDialog::rowCount() const
{
    return m_filter->rowCount();
}

std::vector<qint32> TableInviteDialog::playerIds() const
{
    return m_model->players();
}

QStandardItem *TableInviteDialog::currentItem() const
{
    return m_model->itemFromIndex(m_filter->mapToSource(m_ui->playerList->currentIndex()));
}

void TableInviteDialog::onCurrentChanged(const QModelIndex &)
{
    m_ui->inviteButton->setEnabled(currentItem() != nullptr);
}

void TableInviteDialog::onActivated(const QModelIndex &)
{
    inviteCurrentPlayer();
}

void TableInviteDialog::onInviteButtonClicked()
{
    inviteCurrentPlayer();
}

void TableInviteDialog::inviteCurrentPlayer()
{
    const QStandardItem *item = currentItem();
    if (m_tableId < 0 || !item)
        return;
    const qint32 id = item->data(Qt::UserRole).toInt();
    m_model->removePlayer(id);
    m_invitedPlayers.push_back(id);
    m_ui->inviteButton->setEnabled(currentItem() != nullptr);
    emit invitePlayers(m_tableId, {id});
}

void TableInviteDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(contentWidget());
    MahjongDialog::changeEvent(event);
}
