// Tables, watching and invitations: joining or watching from every list, page and
// menu, the game pages beside the lobby, the questions about tables left open, every
// join refusal in its own words, table invitations, tournament notices and the user menu.
#include "ui/MainWindow.h"

#include "ui_MainView.h"

#include "app/Singleton.h"
#include "app/TournamentInfo.h"
#include "chat/FriendsWindow.h"
#include "chat/XMPPRosterModel.h"
#include "connection/PlayerDb.h"
#include "connection/QueryUserCallback.h"
#include "connection/ScoreNames.h"
#include "connection/ServerTime.h"
#include "game/GameController.h"
#include "game/GameModel.h"
#include "game/GameWindow.h"
#include "game/tiles/TileGraphics.h"
#include "lobby/ComingEventsView.h"
#include "lobby/LobbyController.h"
#include "lobby/LobbyWindow.h"
#include "lobby/LocalizationDb.h"
#include "lobby/TableInvitationDialog.h"
#include "lobby/TableModel.h"
#include "lobby/TournamentsLobbyModel.h"
#include "lobby/TournamentsLobbyWindow.h"
#include "table/dialogs/MeldAuction.h"
#include "table/dialogs/RoundScoreBoard.h"
#include "table/dialogs/ScoreBoard.h"
#include "table/scene/WindView.h"
#include "ui/BusyCursor.h"
#include "ui/ModelessMsgBox.h"
#include "ui/UrlHandler.h"

#include <QSettings>

#include <algorithm>
#include <vector>

namespace {

const QString practicePrefix = QStringLiteral("101/Practice");

// The answer to the name lookup behind the user menu: the menu of the player found, or
// the lookup's failure as its only entry.
class ScreennameCallback : public QueryUserCallback
{
public:
    ScreennameCallback(MainWindow *window, const QPoint &position)
        : QueryUserCallback(window), m_window(window), m_position(position)
    {
    }

    void queryOk(const UserRecord &user) override
    {
        m_window->showUserMenu(m_window->playerDb()->jidForPlayer(user.playerId), m_position);
    }

    void queryFailed(const QString &message) override
    {
        QMenu *menu = m_window->userMenu();
        menu->clear();
        menu->addAction(message)->setEnabled(false);
        menu->popup(m_position);
    }

private:
    MainWindow *m_window;
    QPoint m_position;
};

} // namespace

void MainWindow::connectTables()
{
    using CM = ConnectionManager;
    connect(&m_connectionManager, &CM::joinFailed, this, &MainWindow::onJoinFailed);
    connect(&m_connectionManager, &CM::watchFailed, this, &MainWindow::onWatchTableFailed);
    connect(&m_connectionManager, &CM::alreadySeated, this, &MainWindow::onAlreadySeated);
    connect(&m_connectionManager, &CM::notifyInvited, this, &MainWindow::onInvited);
    connect(&m_connectionManager, &CM::unwatchFailed, this, &MainWindow::onUnwatchTableFailed);
    connect(&m_connectionManager, qOverload<const TableInfo &>(&CM::tableInfoUpdate), this,
            &MainWindow::onTableInfoUpdate);
    connect(&m_connectionManager, &CM::notifySeated, this, &MainWindow::previouslySeated);
    connect(&m_connectionManager, &CM::notifyWatching, this, &MainWindow::previouslyWatching);
    connect(&m_connectionManager, &CM::playerDiscardedFromTournament, this,
            &MainWindow::onPlayerDiscardedFromTournament);
    // Any answer to a join gives its wait cursor back.
    connect(&m_connectionManager, &CM::joinSuccessful, this, [this] { BusyCursor::restore(&m_joinCursor); });
    connect(&m_connectionManager, &CM::watchSuccessful, this, [this] { BusyCursor::restore(&m_joinCursor); });

    GameController *games = m_gameController;
    connect(games, &GameController::tableViewCreated, this, &MainWindow::onTableViewCreated);
    connect(games, &GameController::tableViewDestroyed, this, &MainWindow::onTableViewDestroyed);
    connect(games, &GameController::tableViewAboutToBeDestroyed, this,
            &MainWindow::onTableViewAboutToBeDestroyed);
    connect(games, &GameController::regularTableJoined, this, &MainWindow::onRegularTableJoined);
    connect(games, &GameController::tableWatched, this, &MainWindow::onTableWatched);
    connect(games, &GameController::tournamentTableJoined, this, &MainWindow::onTournamentTableJoined);
    connect(games, &GameController::tournamentScoreDialogClosed, this,
            &MainWindow::onTournamentScoreDialogClosed);
    connect(games, &GameController::invitePlayers, this, &MainWindow::onInvitePlayers);
    connect(games, &GameController::tableUnavailableError, this, &MainWindow::onTableUnavailableError);
    connect(games, &GameController::depositFunds, this, &MainWindow::onDeposit);

    connect(m_tournamentsController, &TournamentsController::playerTournamentAborted, this,
            &MainWindow::onPlayerTournamentAborted);
    connect(m_tournamentsController, &TournamentsController::userMenuRequested, this,
            &MainWindow::onUserMenuRequested);
    connect(m_tournamentsController, &TournamentsController::watchTable, this, &MainWindow::watchTable);
    connect(this, &MainWindow::tableWatched, m_tournamentsController, &TournamentsController::onTableWatched);
    connect(&m_connectionManager, &CM::watchFailed, m_tournamentsController,
            &TournamentsController::onWatchFailed);

    m_testAction.setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D));
    addAction(&m_testAction);
    connect(&m_testAction, &QAction::triggered, this, &MainWindow::onDisplayMiscDialogs);

    connect(m_ui->adSidePage, &EmbeddedWebPage::joinTable, this, &MainWindow::onQuickJoinTable);
    connect(m_ui->adSidePage, &EmbeddedWebPage::displayTournament, this, &MainWindow::onDisplayTournament);
    connect(m_ui->lobbySummary, &LobbySummary::userMenuRequested, this, &MainWindow::onUserMenuRequested);
}

// The connections of the logged-in page, made once when its tabs are built.
void MainWindow::connectLobbyTables()
{
    connect(&m_connectionManager, &ConnectionManager::waitingList, this, &MainWindow::onWaitingList);
    for (EmbeddedWebPage *page : {m_welcomePage, m_howtoPage}) {
        connect(page, &EmbeddedWebPage::joinTable, this, &MainWindow::onQuickJoinTable);
        connect(page, &EmbeddedWebPage::displayTournament, this, &MainWindow::onDisplayTournament);
    }
    if (auto *lobby = m_ui->lobbyWidget->findChild<LobbyWindow *>())
        connect(lobby, &LobbyWindow::tableActivated, this, qOverload<qint32>(&MainWindow::joinTable));
    connect(m_ui->tablePreview, &TablePreview::userMenuRequested, this, &MainWindow::onUserMenuRequested);
    connect(m_ui->tablePreview, &TablePreview::joinTable, this, qOverload<qint32>(&MainWindow::joinTable));
    connect(m_ui->tablePreview, &TablePreview::watchTable, this, &MainWindow::watchTable);
    connect(m_ui->lobbyChat, &ConferenceWidget::userMenuRequested, this, &MainWindow::onUserMenuRequested);
    connect(m_friendsWindow, &FriendsWindow::joinTable, this, qOverload<qint32>(&MainWindow::joinTable));
    connect(m_friendsWindow, &FriendsWindow::watchTable, this, &MainWindow::watchTable);
    connect(m_ui->tableSelector, &TableSelector::tableClicked, this, &MainWindow::onTableClicked);
}

TableModel *MainWindow::tableModel() const
{
    return m_lobbyController->tableModel();
}

void MainWindow::setInvitationClock(std::function<QDateTime()> clock)
{
    m_invitationClock = clock ? std::move(clock) : [] { return QDateTime::currentDateTime(); };
}

bool MainWindow::tableUsable(qint32 id, UsageReason reason)
{
    if (id < 1)
        return false;
    if (!m_gameController->tableInfoAvailable(id)) {
        qWarning() << (reason == UsageReason::JoinRefused ? "won't join table without subscription"
                                                           : "won't watch table without subscription");
        onTableUnavailableError(id, reason);
        return false;
    }
    return true;
}

void MainWindow::joinTable(qint32 id)
{
    joinTable(id, false);
}

void MainWindow::joinTable(qint32 id, bool force)
{
    if (!tableUsable(id, UsageReason::JoinRefused))
        return;
    if (m_gameController->hasTable(id)) {
        showTable(id);
        return;
    }
    BusyCursor::set(&m_joinCursor);
    if (!force && tableModel()->isTableFull(id)) {
        qWarning().noquote() << " [INFO ] watching table" << id;
        m_connectionManager.watch_table(id);
        return;
    }
    qWarning().noquote() << " [INFO ] joining table" << id;
    if (!m_connectionManager.join_table(id, -1))
        BusyCursor::restore(&m_joinCursor);
}

void MainWindow::watchTable(qint32 id)
{
    if (!tableUsable(id, UsageReason::WatchRefused))
        return;
    if (m_gameController->hasTable(id)) {
        showTable(id);
        // Whoever waits for the watch (a tournament's detail dialog) hears it.
        emit tableWatched(id);
        return;
    }
    BusyCursor::set(&m_joinCursor);
    qWarning().noquote() << " [INFO ] watching table" << id;
    m_connectionManager.watch_table(id);
}

void MainWindow::showTable(qint32 id)
{
    // Selector clicks and join answers can name a table whose page has just gone.
    if (!m_gameController->hasTable(id)) {
        qWarning() << "no page for table" << id;
        return;
    }
    stopLobbyMusic();
    m_ui->loggedInStack->setCurrentWidget(m_gameController->gameWindow(id));
    m_ui->tableSelector->setActiveTable(id);
}

qint32 MainWindow::activeTable() const
{
    return m_ui->tableSelector->currentTable();
}

void MainWindow::onTableClicked(int id)
{
    if (id == -1)
        displayLobby();
    else
        showTable(id);
}

void MainWindow::onTableViewCreated(qint32 id, GameWindow *window)
{
    qWarning().noquote() << " [INFO ] creating game page for table" << id;
    m_ui->loggedInStack->addWidget(window);
    m_ui->tableSelector->addTable(window->tableInfo());
    connect(window, &GameWindow::userMenuRequested, this, &MainWindow::onUserMenuRequested);
    connect(window, &GameWindow::linkActivated, m_urlHandler, &UrlHandler::openUrl);
    connect(window, &GameWindow::dialogsPlaced, this, &MainWindow::placeQuitBox);
    // A notice over the table stays clear of the boxes over it, wherever they go.
    connect(window, &GameWindow::dialogsPlaced, this, [this] {
        if (m_comingEventsView)
            m_comingEventsView->updatePlace();
    });
    // A notice over the table stands beside the round wind: it follows the disc wherever
    // the table's layout puts it, and when the deal shows it.
    connect(window->prevalentWindView(), &PrevalentWindView::placeChanged, this, [this] {
        if (m_comingEventsView)
            m_comingEventsView->updatePlace();
    });
}

void MainWindow::onTableViewAboutToBeDestroyed(qint32 id)
{
    qWarning().noquote() << " [INFO ] table view" << id << "about to be destroyed";
    if (id == activeTable())
        displayLobby();
}

void MainWindow::onTableViewDestroyed(qint32 id)
{
    qWarning().noquote() << " [INFO ] table view" << id << "destroyed, destroying game page";
    m_ui->tableSelector->removeTable(id);
}

void MainWindow::onRegularTableJoined(qint32 id)
{
    if (id != activeTable())
        showTable(id);
}

void MainWindow::onTableWatched(qint32 id, bool show)
{
    if (show && id != activeTable())
        showTable(id);
    emit tableWatched(id);
}

void MainWindow::onUnwatchTableFailed(qint32 id)
{
    qWarning() << "unwatch table" << id << "failed";
    if (id == activeTable())
        displayLobby();
}

void MainWindow::onTournamentScoreDialogClosed(qint32 tournamentId, qint32, bool)
{
    m_tournamentsController->createTournamentDetailDialog(tournamentId);
}

void MainWindow::onInvitePlayers(qint32 tableId, const std::vector<qint32> &players)
{
    m_connectionManager.invite_players(tableId, players);
}

void MainWindow::onTournamentTableJoined(qint32 tournamentId, qint32 tableId, int kind)
{
    if (tableId == activeTable())
        return;
    if (kind != 0 && kind != 1) {
        showTable(tableId);
        return;
    }
    TournamentsLobbyModel *tournaments = m_tournamentsController->tournamentsModel();
    const QString name = tournaments->hasTournament(tournamentId)
                             ? tournaments->tournamentInfo(tournamentId).name()
                             : QString::number(tournamentId);
    askPlain(
        [kind, name, tableId] {
            return kind == 0
                ? ModelessMsgBox::Texts{tr("New tournament round - %1").arg(name),
                                        tr("You have been assigned to tournament table %1. Show now?").arg(QString::number(tableId))}
                : ModelessMsgBox::Texts{tr("Continuing tournament round - %1").arg(name),
                                        tr("You are assigned to tournament table %1. Show now?").arg(QString::number(tableId))};
        },
        [this, tableId] { showTable(tableId); });
}

void MainWindow::previouslySeated(qint32 tableId, qint32, qint32 tournamentId)
{
    if (tournamentId != -1)
        m_gameController->onTournamentSeated(tournamentId, tableId, 1);
    else
        m_seatedTables.insert(tableId);
}

void MainWindow::previouslyWatching(qint32 tableId)
{
    m_watchingTables.insert(tableId);
}

QString MainWindow::displayTableName(const TableInfo &info) const
{
    // The texts quote the name alone, as a server may name a table with or without a word
    // for one; a table the server has not named yet goes by the lobby's stand-in name.
    return LocalizationDb::displayName(m_localizationDb, info);
}

void MainWindow::onTableInfoUpdate(const TableInfo &info)
{
    BusyCursor::restore(&m_joinCursor);
    const qint32 id = info.id();
    if (m_seatedTables.erase(id) && info.storedGameType() != TableInfo::TOURNAMENT) {
        askPlain(
            [this, info] {
                return ModelessMsgBox::Texts{tr("Rejoin Table"),
                                             tr("Do you want to rejoin %1?", "%1 is the table's name").arg(displayTableName(info))};
            },
            [this, id] { joinTable(id, true); });
    }
    if (m_watchingTables.erase(id)) {
        askPlain(
            [this, info] {
                return ModelessMsgBox::Texts{tr("Watch Table"), tr("Do you want to continue watching %1?", "%1 is the table's name")
                                                                    .arg(displayTableName(info))};
            },
            [this, id] { watchTable(id); });
    }
}

void MainWindow::onAlreadySeated(qint32 tableId)
{
    BusyCursor::restore(&m_joinCursor);
    // A table's number is a name, never grouped as an amount is, whatever the wording's
    // placeholder asks.
    const auto wording = [tableId] {
        return ModelessMsgBox::Texts{tr("Rejoin Table"),
                                     tr("You are already seated at table %L1.\nDo you want to rejoin?").arg(QString::number(tableId))};
    };
    askPlain(wording, [this, tableId] {
        // A table the lobby does not hold goes the ordinary way, which reports it.
        if (!tableModel()->hasTable(tableId)) {
            joinTable(tableId, true);
            return;
        }
        const TableInfo &info = tableModel()->tableInfo(tableId);
        if (info.storedGameType() == TableInfo::TOURNAMENT)
            m_gameController->onTournamentSeated(info.mttId(), tableId, 2);
        else
            joinTable(tableId, true);
    });
}

void MainWindow::onJoinFailed(qint32 tableId, join_failed_reason::enum_t reason)
{
    BusyCursor::restore(&m_joinCursor);
    const char *text = nullptr;
    bool offerAccount = false;
    switch (reason) {
    case join_failed_reason::NOT_ALLOWED:
        text = QT_TR_NOOP("Not allowed to join table");
        break;
    case join_failed_reason::JOIN_ERROR:
        text = QT_TR_NOOP("Join Error");
        break;
    case join_failed_reason::TABLE_FULL:
        text = QT_TR_NOOP("Table Full");
        break;
    case join_failed_reason::TABLE_IN_PLAY:
        text = QT_TR_NOOP("Table In Play");
        break;
    case join_failed_reason::NOT_ENOUGH_MONEY:
        text = QT_TR_NOOP("You don't have enough money on your account to join the table.\nDo you want to make a deposit now?");
        offerAccount = true;
        break;
    case join_failed_reason::SAME_IP_ADDRESS:
        text = QT_TR_NOOP("A player with the same IP address as you has already joined the table.\nPlease contact the support to remedy the situation.");
        break;
    case join_failed_reason::NOT_ALLOWED_ON_MONEY_TABLES:
        text = QT_TR_NOOP("You are not allowed to play on money tables.");
        break;
    case join_failed_reason::NOT_FULLY_REGISTERED:
        text = QT_TR_NOOP("You are not fully registered and therefore not allowed to play for money.\nDo you want to complete your registration now?");
        offerAccount = true;
        break;
    case join_failed_reason::MAINTENANCE:
        text = QT_TR_NOOP("You are not allowed to play, server will be unavailable due to maintenance.");
        break;
    case join_failed_reason::TABLE_SOON_REMOVED:
        text = QT_TR_NOOP("You are not allowed to play, the table will soon be removed.");
        break;
    default:
        qWarning() << "join of table" << tableId << "failed for an unknown reason" << int(reason);
        text = QT_TR_NOOP("Join failed.");
        break;
    }
    const auto wording = [text] { return ModelessMsgBox::Texts{tr("Join Failed"), tr(text)}; };
    if (!offerAccount) {
        plainBox(ModelessMsgBox::Critical, wording);
        return;
    }
    askPlain(wording, [this] { m_urlHandler->openWebPage(WebPageRequest::ACCOUNT, QStringLiteral("TTM")); });
}

void MainWindow::onWatchTableFailed(qint32, const QString &message)
{
    BusyCursor::restore(&m_joinCursor);
    plainBox(ModelessMsgBox::Critical, [message] { return ModelessMsgBox::Texts{tr("Watch Failed"), message}; });
}

void MainWindow::onTableUnavailableError(qint32, MainWindow::UsageReason reason)
{
    plainBox(ModelessMsgBox::Critical, [reason] {
        return ModelessMsgBox::Texts{reason == UsageReason::JoinRefused ? tr("Join not allowed") : tr("Watch not allowed"),
                                     tr("Table not accessible.")};
    });
}

void MainWindow::onWaitingList(int id)
{
    m_connectionManager.cancel_filter_join(id);
    BusyCursor::restore(&m_joinCursor);
    plainBox(ModelessMsgBox::Warning, [] {
        return ModelessMsgBox::Texts{tr("Join game failed!"), tr("Failed to join game.\nPlease try again in a little "
                                                                 "while.\nIf problem persists please contact support")};
    });
}

void MainWindow::onQuickJoinTable(const QString &filter)
{
    m_connectionManager.filter_join(filter);
    BusyCursor::set(&m_joinCursor);
}

bool MainWindow::busyAtActiveTable() const
{
    const qint32 active = activeTable();
    if (active == -1)
        return false;
    if (!m_gameController->hasTable(active)) {
        qWarning() << "active table " << active << " not found in game controller";
        return false;
    }
    const GameModel *model = m_gameController->gameModel(active);
    if (model->tableInfo().lobbyPath().startsWith(practicePrefix))
        return false;
    return model->isInPlay() || model->playerState() != GameModel::WAITING;
}

void MainWindow::onInvited(qint32 tableId, qint32 playerId)
{
    const int limitSeconds = 60 * m_invitationIntervalMinutes;
    const QDateTime now = m_invitationClock();
    bool show = QSettings().value(QStringLiteral("game/showtableinvites"), true).toBool()
                && tableModel()->hasTable(tableId) && !busyAtActiveTable();
    if (show) {
        const auto last = m_lastInvitations.constFind(playerId);
        if (last != m_lastInvitations.constEnd()) {
            const qint64 seconds = last->secsTo(now);
            if (seconds <= limitSeconds) {
                qWarning() << "Too short since last table invite:" << seconds << "<" << limitSeconds;
                show = false;
            }
        }
    }
    if (!show) {
        qWarning() << "won't show invite from player " << playerId;
        return;
    }
    m_lastInvitations.insert(playerId, now);
    auto *dialog = new TableInvitationDialog(m_playerDb, tableModel()->tableInfo(tableId), playerId,
                                             m_gameController->playerName(), this);
    connect(dialog, &TableInvitationDialog::accepted, this, &MainWindow::onTableInvitationAccepted);
    connect(dialog, &TableInvitationDialog::watch, this, &MainWindow::watchTable);
    dialog->showAndRaise(true);
}

void MainWindow::onTableInvitationAccepted(qint32 tableId)
{
    joinTable(tableId, false);
}

void MainWindow::onPlayerDiscardedFromTournament(qint32 tournamentId, MttDiscardedReason::enum_t reason)
{
    TournamentsLobbyModel *tournaments = m_tournamentsController->tournamentsModel();
    if (tournaments->hasTournament(tournamentId))
        showDiscardNotice(tournaments->tournamentInfo(tournamentId).name(), reason);
    else
        m_pendingDiscards.insert(tournamentId, reason);
}

void MainWindow::onTournamentAdded(const TournamentInfo &info)
{
    const auto pending = m_pendingDiscards.find(info.id());
    if (pending == m_pendingDiscards.end())
        return;
    const MttDiscardedReason::enum_t reason = *pending;
    m_pendingDiscards.erase(pending);
    showDiscardNotice(info.name(), reason);
}

void MainWindow::showDiscardNotice(const QString &tournamentName, MttDiscardedReason::enum_t reason)
{
    const char *text = nullptr;
    if (reason == 0)
        text = QT_TR_NOOP("Unfortunately you were among the last players to register for tournament '%1' "
                  "and you have been\n unregistered to make sure every tournament table has exactly "
                  "four players. Your buy-in and fee will be repaid.");
    else if (reason == 1)
        text = QT_TR_NOOP("You have been unregistered from tournament '%1' because you were offline when "
                  "the registration closed.");
    else
        return;
    plainBox(ModelessMsgBox::Information, [text, tournamentName] {
        return ModelessMsgBox::Texts{tr("Information"), tr(text).arg(tournamentName)};
    });
}

void MainWindow::onPlayerTournamentAborted(qint32 tournamentId)
{
    plainBox(ModelessMsgBox::Information, [tournamentId] {
        return ModelessMsgBox::Texts{
            tr("Information"), tr("A server error occurred during tournament %1 and the tournament was aborted.\n"
                                  "Check tournament rules for details regarding the distribution of the prize pool.")
                                   .arg(tournamentId)};
    });
}

void MainWindow::onDisplayTournament(qint32 persistentId)
{
    m_ui->mainTabs->setCurrentIndex(2);
    if (auto *window = qobject_cast<TournamentsLobbyWindow *>(m_ui->mainTabs->widget(2)))
        window->showTournament(persistentId);
}

void MainWindow::onUserMenuRequested(const QString &name, const QPoint &pos)
{
    qWarning().noquote() << " [INFO ] Received onUserMenuRequested, name " << name << ", pos " << pos;
    m_playerDb->queryUser(name, new ScreennameCallback(this, pos));
}

void MainWindow::showUserMenu(const XMPPJid &jid, const QPoint &pos)
{
    m_userMenu.clear();
    const qint32 playerId = PlayerDb::playerIdFromJid(jid);
    const XMPPRosterModel::Item *friendItem = m_friendsWindow ? m_friendsWindow->rosterItem(jid) : nullptr;
    if (playerId == m_playerDb->localPlayerId()) {
        m_userMenu.addAction(tr("This is you"))->setEnabled(false);
    } else if (!friendItem || !(friendItem->subscription & (1 | 4))) {
        QAction *action = m_userMenu.addAction(tr("Add to friends"));
        action->setData(QVariant::fromValue(jid));
        connect(action, &QAction::triggered, this, &MainWindow::onAddFriendAction);
    } else {
        const XMPPPresence *presence = friendItem->bestPresence();
        bool atThisTable = false;
        if (presence) {
            const auto paths = presence->tables();
            for (const QString &path : paths) {
                bool ok = false;
                const qint32 tableId = path.section(QLatin1Char('/'), -1).toInt(&ok);
                if (!ok)
                    continue;
                if (tableId == activeTable()) {
                    atThisTable = true;
                } else if (tableModel()->hasTable(tableId)) {
                    QAction *action = m_userMenu.addAction(
                        tr("Watch %1", "%1 is the table's name")
                            .arg(displayTableName(tableModel()->tableInfo(tableId))));
                    action->setData(tableId);
                    connect(action, &QAction::triggered, this, &MainWindow::onWatchTableAction);
                }
            }
        }
        if (m_userMenu.isEmpty()) {
            const QString text = !presence ? tr("Friend is offline")
                                 : atThisTable ? tr("Friend is only playing at this table")
                                               : tr("Friend is not playing");
            m_userMenu.addAction(text)->setEnabled(false);
        }
    }
    if (!m_userMenu.isEmpty())
        m_userMenu.popup(pos);
}

void MainWindow::onWatchTableAction()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action) {
        qWarning() << "bad sender of watch table action";
        return;
    }
    bool ok = false;
    const qint32 tableId = action->data().toInt(&ok);
    if (!ok) {
        qWarning() << "invalid table id data in watch table action";
        return;
    }
    watchTable(tableId);
}

void MainWindow::onAddFriendAction()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action) {
        qWarning() << "bad sender of add friend action";
        return;
    }
    if (!m_friendsWindow)
        return;
    if (action->data().canConvert<XMPPJid>() && action->data().userType() == qMetaTypeId<XMPPJid>()) {
        m_friendsWindow->addFriend(action->data().value<XMPPJid>());
        return;
    }
    m_friendsWindow->openSearchWindow(action->data().toString());
    m_ui->mainTabs->setCurrentIndex(4);
}

void MainWindow::onDisplayMiscDialogs()
{
    QSettings settings;
    TileGraphics::instance().setTileSet(settings.value(QStringLiteral("game/tileblank"), 0).toInt(),
                                        settings.value(QStringLiteral("game/tileface"), 0).toInt());

    EndHand endHand;
    endHand.endKind = EndHand::Mahjong;
    // The local world's first three computer players, by their ids and names there.
    const qint32 ids[] = {9001, 9002, 9003};
    const char *const names[] = {"Botan (bot)", "Chidori (bot)", "Daisuke (bot)"};
    const char *const pictures[] = {"resources:/avatar-default-1.png", "resources:/avatar-default-2.png",
                                    "resources:/avatar-default-blue.png"};
    for (int i = 0; i < 3; ++i) {
        EndHandPlayer row;
        row.playerId = ids[i];
        row.name = QString::fromLatin1(names[i]);
        row.result = i == 0 ? EndHandPlayer::Won : EndHandPlayer::NoResult;
        row.points = {{QString(), 4, 6}, {QString(), 2, 0}};
        ScoreNames::nameLines(row);
        row.pointsTotal = 6;
        row.handScore = i == 0 ? 48 : 0;
        row.settlement = i == 0 ? 96 : -48;
        row.currentScore = 25000 + row.settlement;
        row.hand = {{tile_vector{tile(0), tile(1), tile(2)}, -1}, {tile_vector{tile(31), tile(31), tile(31)}, 2}};
        endHand.players.emplace(ids[i], row);
    }
    auto *scoreBoard = new ScoreBoard(this);
    scoreBoard->setAttribute(Qt::WA_DeleteOnClose);
    scoreBoard->setEndHand(endHand, ids[0], TableInfo());
    for (int i = 0; i < 3; ++i)
        scoreBoard->setPlayerPicture(ids[i], QPixmap(QString::fromLatin1(pictures[i])));
    scoreBoard->showAndRaise(true);

    // Two claims of one discard, each offer on its own as the server sends them: a chow,
    // a pong, a kong and the win, and a chow of another run, a pong and the win.
    const tile discard = tile(4);
    const meld_offer_vector auctions[] = {
        {meld_offer(CHOW, discard), meld_offer(PONG, discard), meld_offer(KONG, discard),
         meld_offer(MAHJONG, discard)},
        {meld_offer(CHOW, tile(3)), meld_offer(PONG, discard), meld_offer(MAHJONG, discard)}};
    std::vector<MeldAuction *> shown;
    for (const meld_offer_vector &offers : auctions) {
        auto *auction = new MeldAuction(this);
        auction->setAttribute(Qt::WA_DeleteOnClose);
        for (const meld_offer &offer : offers)
            auction->setMeldOffers(offer, discard);
        auction->showPassButton();
        auction->showCloseButton();
        auction->setMode(0);
        auction->showAndRaise(true);
        shown.push_back(auction);
    }
    // Side by side about the middle, rather than one hiding the other.
    const int gap = 8;
    int x = shown[0]->x() - (gap + shown[1]->width()) / 2;
    for (MeldAuction *auction : shown) {
        auction->move(std::max(0, x), auction->y());
        x += auction->width() + gap;
    }

    auto *roundScores = new RoundScoreBoard(this, m_playerDb, m_localizationDb);
    roundScores->setAttribute(Qt::WA_DeleteOnClose);
    roundScores->setTournament(TournamentInfo());
    roundScores->setRoundScores({{ids[0], 12, 6}, {ids[1], 4, 2}, {ids[2], 0, -2}});
    // Named as on the score board, also where the directory has yet to learn the names.
    for (int i = 0; i < 3; ++i)
        roundScores->onPlayerNameUpdate(ids[i], QString::fromLatin1(names[i]));
    roundScores->show();
    // The claims stay in front, where the player would meet them.
    for (MeldAuction *auction : shown)
        auction->raise();

    // A sample notice where real ones stand, until the next look at the coming events.
    if (m_comingEventsView)
        m_comingEventsView->updatePopup({ComingEvent(ComingEvent::TournamentStart,
                                                     Singleton<ServerTime>::instance().now().addSecs(180))});
}
