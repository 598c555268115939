#include "chat/FriendDetailWindow.h"

#include "chat/FriendsRosterModel.h"
#include "connection/PlayerDb.h"
#include "lobby/CompactTableView.h"
#include "lobby/TableModel.h"
#include "ui_FriendDetailView.h"

#include <QDebug>
#include <QEvent>
#include <QRegularExpression>

namespace {

// A table as a player's presence names it: "<game id>/<lobby path>/<table id>".
bool readTablePath(const QString &path, QString &lobbyPath, qint32 &tableId)
{
    static const QRegularExpression shape(QStringLiteral("^([0-9]+/.*[^/])/([0-9]+)$"));
    const QRegularExpressionMatch match = shape.match(path);
    if (!match.hasMatch() || !match.captured(1).contains(QLatin1Char('/')))
        return false;
    bool ok = false;
    tableId = match.captured(2).toInt(&ok);
    lobbyPath = match.captured(1);
    return ok;
}

} // namespace

FriendDetailWindow::FriendDetailWindow(QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::FriendDetailView>())
{
    m_ui->setupUi(this);
    m_ui->messageButton->hide();
    for (QLabel *label : {m_ui->nameLabel, m_ui->presenceAndStatusLabel})
        label->setTextFormat(Qt::PlainText);
    m_ui->tableListView->setModel(&m_lobbyModel);
    clear();

    connect(m_ui->tableListView, &CompactTableView::tableDoubleClicked, this,
            &FriendDetailWindow::onTableDoubleClicked);
    connect(m_ui->messageButton, &QPushButton::clicked, this, &FriendDetailWindow::onMessageClicked);
    connect(m_ui->removeButton, &QPushButton::clicked, this, &FriendDetailWindow::removeClicked);
}

FriendDetailWindow::~FriendDetailWindow()
{
    m_ui->tableListView->setModel(nullptr);
    m_lobbyModel.setFilter(nullptr);
}

void FriendDetailWindow::setPlayerDb(PlayerDb *playerDb)
{
    if (playerDb == m_playerDb)
        return;
    if (m_playerDb)
        disconnect(m_playerDb, &PlayerDb::playerPictureUpdate, this, &FriendDetailWindow::onPlayerPictureUpdate);
    m_playerDb = playerDb;
    if (m_playerDb)
        connect(m_playerDb, &PlayerDb::playerPictureUpdate, this, &FriendDetailWindow::onPlayerPictureUpdate);
}

void FriendDetailWindow::setLocalizationDb(LocalizationDb *localizationDb)
{
    m_ui->tableListView->setLocalizationDb(localizationDb);
}

void FriendDetailWindow::setTableModel(TableModel *tableModel)
{
    m_lobbyModel.setSourceModel(tableModel);
}

void FriendDetailWindow::clear()
{
    m_playerId = -1;
    m_lobbyModel.setFilter(nullptr);
    m_ui->avatarLabel->clear();
    m_ui->presenceIconLabel->clear();
    m_ui->nameLabel->clear();
    m_ui->presenceAndStatusLabel->clear();
    m_ui->removeButton->setEnabled(false);
}

void FriendDetailWindow::setRosterItem(const XMPPRosterModel::Item &item)
{
    if (!m_playerDb) {
        qWarning() << "no player db set when setting roster item";
        clear();
        return;
    }
    m_playerId = PlayerDb::playerIdFromJid(item.jid);
    m_ui->presenceIconLabel->setPixmap(
        FriendsRosterModel::presenceIcon(item).pixmap(64, 64, QIcon::Normal, QIcon::On));
    const QString name = m_playerDb->playerName(item.jid);
    m_ui->nameLabel->setText(name);
    setWindowTitle(tr("Friend details for %1").arg(name));
    m_ui->presenceAndStatusLabel->setText(statusText(item));
    m_ui->avatarLabel->setPixmap(m_playerId < 0 ? QPixmap() : m_playerDb->picture(m_playerId, true));
    setTables(item);
    m_ui->removeButton->setEnabled(true);
}

void FriendDetailWindow::setTables(const XMPPRosterModel::Item &item)
{
    m_lobbyModel.setFilter(nullptr);
    m_tableFilter.tableIds.clear();
    m_tableFilter.paths.clear();
    if (const XMPPPresence *presence = item.bestPresence()) {
        int count = 0;
        for (const QString &path : presence->tables()) {
            QString lobbyPath;
            qint32 tableId = -1;
            if (!readTablePath(path, lobbyPath, tableId)) {
                qWarning() << "Ignoring the table path" << path << "of" << item.jid.toString();
                continue;
            }
            if (++count > MaxTables) {
                qWarning() << "Ignoring tables beyond" << MaxTables << "of" << item.jid.toString();
                break;
            }
            m_tableFilter.tableIds.insert(tableId);
            m_tableFilter.paths.append(lobbyPath);
        }
    }
    if (!m_tableFilter.tableIds.isEmpty())
        m_lobbyModel.setFilter(&m_tableFilter);
}

QString FriendDetailWindow::statusText(const XMPPRosterModel::Item &item)
{
    if (!(item.subscription & 1) && !(item.subscription & 4))
        return QString();
    const XMPPPresence *presence = item.bestPresence();
    if (!presence)
        return FriendsRosterModel::availabilityName(1, false);
    const QString status = presence->status();
    if (status.isEmpty())
        return FriendsRosterModel::availabilityName(presence->availability(), false);
    //: %1 is availability type, %2 is user status message
    return tr("%1 with status \"%2\"")
        .arg(FriendsRosterModel::availabilityName(presence->availability(), true), status);
}

void FriendDetailWindow::showMessageButton()
{
    m_ui->messageButton->show();
}

void FriendDetailWindow::displayStatusIcon(bool visible)
{
    m_ui->presenceIconLabel->setVisible(visible);
}

void FriendDetailWindow::onPlayerPictureUpdate(qint32 id)
{
    if (m_playerDb && id == m_playerId && id >= 0)
        m_ui->avatarLabel->setPixmap(m_playerDb->picture(id, true));
}

void FriendDetailWindow::on_joinButton_clicked()
{
    const qint32 id = m_ui->tableListView->selectedTableId();
    if (id != -1)
        emit joinTable(id);
}

void FriendDetailWindow::on_watchButton_clicked()
{
    const qint32 id = m_ui->tableListView->selectedTableId();
    if (id != -1)
        emit watchTable(id);
}

void FriendDetailWindow::onTableDoubleClicked(qint32 id)
{
    if (id != -1)
        emit joinTable(id);
}

void FriendDetailWindow::onMessageClicked()
{
    if (m_playerId != -1 && m_playerDb)
        emit reqestChat(m_playerDb->jidForPlayer(m_playerId));
}

void FriendDetailWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
