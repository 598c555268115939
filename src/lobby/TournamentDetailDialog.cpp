#include "lobby/TournamentDetailDialog.h"

#include "app/TableInfo.h"
#include "app/TableValue.h"
#include "app/Utils.h"
#include "lobby/LocalizationDb.h"
#include "lobby/TableModel.h"
#include "lobby/TournamentPrizeStructureModel.h"
#include "lobby/TournamentRankingModel.h"
#include "lobby/TournamentsLobbyModel.h"
#include "ui/UPushButton.h"
#include "ui/web/LinkDelegatingPage.h"
#include "ui/web/PageGround.h"

#include "ui_TournamentDetailDialog.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QTimer>
#include <QWebEngineView>

namespace {

bool isRunning(int status)
{
    return status == TournamentInfo::Seating || status == TournamentInfo::Playing;
}

bool isUnderway(int status)
{
    return isRunning(status) || status == TournamentInfo::Paused;
}

// The entry of a ROUNDS_* list, or null past its end.
template <typename T>
const T *roundEntry(const std::vector<T> &list, int round)
{
    return round >= 0 && std::size_t(round) < list.size() ? &list[std::size_t(round)] : nullptr;
}

} // namespace

TournamentDetailDialog::TournamentDetailDialog(QWidget *parent)
    : MahjongDialog(parent, ShowCloseButton)
    , m_ui(std::make_unique<Ui::TournamentDetailDialog>())
    , m_playerFilter(new TournamentPlayerFilter(this))
    , m_prizeModel(new TournamentPrizeStructureModel(this))
{
    auto *body = new QFrame;
    m_ui->setupUi(body);
    body->resize(1359, 657);
    body->setWindowTitle(QString());
    setContentWidget(body);

    m_ui->playerList->header()->hide();
    m_ui->playerList->sortByColumn(0, Qt::AscendingOrder);
    m_ui->playerList->setModel(m_playerFilter);
    m_ui->playerList->hide();
    m_ui->playerList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_ui->playerList, &QWidget::customContextMenuRequested, this,
            &TournamentDetailDialog::onPlayerListContextMenu);
    m_ui->prizeList->header()->hide();
    m_ui->prizeList->setModel(m_prizeModel);
    connect(m_ui->joinButton, &QPushButton::clicked, this, &TournamentDetailDialog::onJoinButtonClicked);
    connect(m_ui->leaveButton, &QPushButton::clicked, this, &TournamentDetailDialog::onLeaveButtonClicked);
    connect(m_ui->freeTextSearch, &QLineEdit::textChanged, this,
            &TournamentDetailDialog::onFreeTextSearchChanged);

    auto *page = new LinkDelegatingPage(m_ui->webView);
    m_ui->webView->setPage(page);
    PageGround::layOn(m_ui->webView);
    connect(m_ui->webView, &QWebEngineView::loadFinished, this, &TournamentDetailDialog::onLoadFinished);
    connect(page, &LinkDelegatingPage::linkClicked, this, &TournamentDetailDialog::onLinkClicked);
    m_ui->webView->hide();
    updateView();
}

TournamentDetailDialog::~TournamentDetailDialog()
{
    releaseTables();
}

void TournamentDetailDialog::setTournament(const TournamentInfo &info)
{
    if (info.id() == m_tournament.id())
        return;
    releaseTables();
    m_tournament = info;
    m_tableRows.clear();
    delete m_rankingModel;
    m_rankingModel = new TournamentRankingModel(info.id(), this);
    m_playerFilter->setSourceModel(m_rankingModel);
    if (!info.infoUrl().isEmpty())
        m_ui->webView->load(info.infoUrl());
    choosePrizeStructure();
    updateView();
}

void TournamentDetailDialog::setTableModel(TableModel *tableModel)
{
    if (tableModel == m_tableModel)
        return;
    if (m_tableModel) {
        releaseTables();
        disconnect(m_tableModel, nullptr, this, nullptr);
    }
    m_tableModel = tableModel;
    if (m_tableModel) {
        connect(m_tableModel, &TableModel::tableAdded, this, &TournamentDetailDialog::onTableAdded);
        connect(m_tableModel, &TableModel::tableRemoved, this, &TournamentDetailDialog::onTableRemoved);
        connect(m_tableModel, &QObject::destroyed, this, &TournamentDetailDialog::onModelDestroyed);
    }
    updateView();
}

void TournamentDetailDialog::onTournamentUpdated(const TournamentInfo &info)
{
    if (!m_tournamentPresent || info.id() != m_tournament.id())
        return;
    m_tournament = info;
    choosePrizeStructure();
    updateView();
}

void TournamentDetailDialog::onTournamentRemoved(qint32 id)
{
    if (!m_tournamentPresent || id != m_tournament.id())
        return;
    releaseTables();
    m_tournament = TournamentInfo();
    m_tournamentPresent = false;
    updateView();
}

void TournamentDetailDialog::onTournamentPrizeConfiguration(
    qint32 id, const tournament_prize_configuration_t &configuration)
{
    if (!m_tournamentPresent || id != m_tournament.id())
        return;
    m_prizeConfiguration = configuration;
    choosePrizeStructure();
    updateView();
}

void TournamentDetailDialog::onTournamentRankings(qint32 id, const TournamentRankings &rankings)
{
    if (!m_tournamentPresent || id != m_tournament.id() || !m_rankingModel)
        return;
    m_rankingModel->onTournamentRankings(id, rankings);
    updateView();
}

void TournamentDetailDialog::updateView()
{
    if (!m_tournamentPresent) {
        if (m_timerId) {
            killTimer(m_timerId);
            m_timerId = 0;
        }
        m_ui->removedContainer->show();
        m_ui->contentContainer->hide();
        return;
    }
    const int status = m_tournament.status();
    const bool ticking = status == TournamentInfo::Open || status == TournamentInfo::Closed
        || status == TournamentInfo::Playing || status == TournamentInfo::Paused;
    if (ticking && !m_timerId) {
        m_timerId = startTimer(1000);
    } else if (!ticking && m_timerId) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
    updateButtons();
    m_ui->removedContainer->hide();
    m_ui->contentContainer->show();
    updateStartLine();
    setWindowTitle(m_tournament.name());
    updateInformation();
    updateRoundInformation();
    updatePlayerList();
    updatePayoutAndTables();
    if (isRunning(status))
        subscribeTables();
    else
        releaseTables();
}

void TournamentDetailDialog::updateInformation()
{
    const TournamentInfo &t = m_tournament;
    m_ui->statusLabel->setText(tr("Status: %1").arg(TournamentInfo::statusName(t.status())));
    m_ui->buyInLabel->setText(tr("Buy-in: %1").arg(TableValue::optionalAmountText(t.bet() + t.fee())));
    m_ui->potLabel->setText(tr("Pot: %1").arg(TableValue::amountText(int(t.prizePool()))));
    m_ui->rulesLabel->setText(
        tr("Rules: %1").arg(TableInfo::rulesetText(t.ruleset(), t.minDoubles(), t.maxDoubles())));
    m_ui->durationLabel->setText(tr("Duration: %1").arg(t.roundsText()));
    m_ui->registeredLabel->setText(
        tr("Registered players: %1")
            .arg(TournamentRegisteredInfo(t.registeredPlayers(), t.maxPlayers()).text()));
    m_ui->registrationCloseLabel->setText(
        tr("Registration closes: %1").arg(Utils::localDateTimeText(t.closeRegister())));
    m_ui->minimumLabel->setText(tr("Minimum players: %1").arg(t.minPlayers()));
    m_ui->maximumLabel->setText(tr("Maximum players: %1").arg(t.maxPlayers()));
    m_ui->pausesLabel->setText(tr("Pauses: %1").arg(t.breakText()));
}

void TournamentDetailDialog::updateStartLine()
{
    const int status = m_tournament.status();
    if (status == TournamentInfo::Open || status == TournamentInfo::Closed)
        m_ui->startsLabel->setText(tr("Starts in: %1").arg(Utils::timeToStartText(m_tournament.start())));
    else
        m_ui->startsLabel->setText(tr("Starts in: -"));
    m_ui->startsLabel->show();
}

void TournamentDetailDialog::updateRoundInformation()
{
    const int status = m_tournament.status();
    if (!isUnderway(status)) {
        m_ui->tournamentInPlayContainer->hide();
        return;
    }
    m_ui->tournamentInPlayContainer->show();
    const int round = m_tournament.currentRound();
    m_ui->currentRoundLabel->setText(tr("Round %1").arg(round + 1));
    const bool roundFollows = round + 1 < m_tournament.numberOfRounds();
    if (status == TournamentInfo::Playing) {
        const QDateTime *start = roundEntry(m_tournament.roundsStart(), round);
        const int *length = roundEntry(m_tournament.roundsLength(), round);
        const QString end = start && length ? Utils::timeToStartText(start->addSecs(*length))
                                            : QStringLiteral("-");
        m_ui->nextBreakLabel->setText(roundFollows ? tr("Next break in: %1").arg(end)
                                                   : tr("Ends in: %1").arg(end));
    } else if (status == TournamentInfo::Seating || !roundFollows) {
        m_ui->nextBreakLabel->clear();
    } else {
        const QDateTime *next = roundEntry(m_tournament.roundsStart(), round + 1);
        m_ui->nextBreakLabel->setText(
            tr("Next round in: %1").arg(next ? Utils::timeToStartText(*next) : QStringLiteral("-")));
    }
}

void TournamentDetailDialog::updateButtons()
{
    const bool open = m_tournament.status() == TournamentInfo::Open;
    m_ui->joinButton->setVisible(open && !m_tournament.isRegistered());
    m_ui->leaveButton->setVisible(open && m_tournament.isRegistered());
}

void TournamentDetailDialog::updatePlayerList()
{
    const int status = m_tournament.status();
    const bool standings = isUnderway(status) || status == TournamentInfo::Done;
    m_ui->playersHeader->setText(standings ? tr("Standings") : tr("Players"));
    m_ui->playerList->setColumnHidden(2, !standings);
    if (m_playerFilter->rowCount() > 0) {
        m_ui->playerList->setColumnHidden(0, true);
        m_ui->playerList->show();
        m_ui->playerList->setColumnWidth(0, 0);
        m_ui->playerList->setColumnWidth(1, 100);
        m_ui->playerList->setColumnWidth(2, 50);
    } else {
        m_ui->playerList->show();
    }
}

void TournamentDetailDialog::updatePayoutAndTables()
{
    const int status = m_tournament.status();
    if (status == TournamentInfo::Open || status == TournamentInfo::Closed) {
        m_ui->tableListScrollArea->hide();
        const bool payout = m_prizeModel->rowCount() > 0
            && (!m_prizeModel->hasPotShares() || m_tournament.bet() > 0
                || m_tournament.additionalPayoutAmount() > 0);
        m_ui->payoutAndTablesHeaderFrame->setVisible(payout);
        m_ui->prizeList->setVisible(payout);
        if (payout) {
            m_ui->payoutAndTablesHeader->setText(tr("Payout structure"));
            m_ui->prizeList->setColumnWidth(0, 80);
            m_ui->prizeList->setColumnWidth(1, 80);
        }
    } else if (isRunning(status)) {
        m_ui->payoutAndTablesHeaderFrame->show();
        m_ui->payoutAndTablesHeader->setText(tr("Tables"));
        m_ui->tableListScrollArea->show();
        m_ui->prizeList->hide();
    } else {
        m_ui->tableListScrollArea->hide();
        m_ui->prizeList->hide();
        m_ui->payoutAndTablesHeaderFrame->hide();
    }
}

void TournamentDetailDialog::choosePrizeStructure()
{
    if (m_prizeConfiguration.empty()) {
        m_prizeModel->clear();
        return;
    }
    const int registered = m_tournament.registeredPlayers();
    auto chosen = m_prizeConfiguration.lower_bound(Range<int>(registered, registered));
    if (chosen == m_prizeConfiguration.end())
        chosen = std::prev(m_prizeConfiguration.end()); // more players than any range covers
    else if (registered < chosen->first.first)
        chosen = m_prizeConfiguration.begin();
    m_prizeModel->onTournamentPrizeStructure(chosen->second, m_tournament);
}

void TournamentDetailDialog::subscribeTables()
{
    if (!m_tableModel || m_tablesSubscribed)
        return;
    m_tablesSubscribed = true;
    m_tableModel->subscribe(tournamentLobbyPath(m_tournament.id()));
    // Another part of the client may hold the path already: its tables are listed too.
    for (int row = 0; row < m_tableModel->rowCount(); ++row)
        onTableAdded(m_tableModel->index(row, 0).data(Qt::UserRole).toInt());
}

void TournamentDetailDialog::releaseTables()
{
    if (!m_tableModel || !m_tablesSubscribed)
        return;
    m_tablesSubscribed = false;
    m_tableModel->unsubscribe(tournamentLobbyPath(m_tournament.id()));
}

void TournamentDetailDialog::onTableAdded(qint32 tableId)
{
    if (!m_tableModel || !m_tableModel->hasTable(tableId) || m_tableRows.count(tableId))
        return;
    const TableInfo &table = m_tableModel->tableInfo(tableId);
    const QString path = tournamentLobbyPath(m_tournament.id());
    if (table.mttId() != m_tournament.id() || !table.lobbyPath().startsWith(path, Qt::CaseSensitive))
        return;
    TableListRow row;
    row.watchButton = std::make_shared<UPushButton>(tr("Watch"), this);
    row.watchButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    row.watchButton->setId(tableId);
    connect(row.watchButton.get(), qOverload<qint32>(&UPushButton::clicked), this,
            &TournamentDetailDialog::onTableClicked);
    row.nameLabel = std::make_shared<QLabel>(tableRowName(tableId));
    row.nameLabel->setTextFormat(Qt::PlainText);
    const int gridRow = m_ui->tableListLayout->rowCount();
    m_ui->tableListLayout->addWidget(row.nameLabel.get(), gridRow, 0, Qt::AlignLeft | Qt::AlignVCenter);
    m_ui->tableListLayout->addWidget(row.watchButton.get(), gridRow, 1, Qt::AlignLeft | Qt::AlignVCenter);
    m_tableRows.emplace(tableId, std::move(row));
}

QString TournamentDetailDialog::tableRowName(qint32 tableId) const
{
    const QString name = m_tableModel && m_tableModel->hasTable(tableId)
        ? m_tableModel->tableName(m_tableModel->tableInfo(tableId))
        : QString();
    return LocalizationDb::nameOrStandIn(name, tableId);
}

void TournamentDetailDialog::onTableRemoved(qint32 tableId)
{
    m_tableRows.erase(tableId);
}

void TournamentDetailDialog::onTableClicked(qint32 tableId)
{
    const quint64 press = ++m_watchCount;
    m_pendingWatches.insert(tableId, press);
    QTimer::singleShot(PendingWatchTimeoutMs, this, [this, tableId, press] {
        if (m_pendingWatches.value(tableId) == press)
            dropPendingWatch(tableId);
    });
    emit watchTable(tableId);
}

void TournamentDetailDialog::onTableWatched(qint32 tableId)
{
    if (m_pendingWatches.contains(tableId))
        dropPendingWatch(tableId);
}

void TournamentDetailDialog::onWatchFailed(qint32 tableId)
{
    if (m_pendingWatches.contains(tableId))
        dropPendingWatch(tableId);
}

void TournamentDetailDialog::dropPendingWatch(qint32 tableId)
{
    m_pendingWatches.remove(tableId);
    if (m_pendingWatches.isEmpty() && m_hiddenOnClose)
        close();
}

void TournamentDetailDialog::onJoinButtonClicked()
{
    emit registerTournament(m_tournament.id());
}

void TournamentDetailDialog::onLeaveButtonClicked()
{
    emit unregisterTournament(m_tournament.id());
}

void TournamentDetailDialog::onPlayerListContextMenu(const QPoint &pos)
{
    const QModelIndex index = m_ui->playerList->indexAt(pos);
    auto *ranking = qobject_cast<TournamentRankingModel *>(m_playerFilter->sourceModel());
    if (!index.isValid() || !ranking)
        return;
    if (const RankingEntry *entry = ranking->rankingEntry(m_playerFilter->mapToSource(index)))
        emit userMenuRequested(entry->ranking.screenName,
                               m_ui->playerList->viewport()->mapToGlobal(pos));
}

void TournamentDetailDialog::onFreeTextSearchChanged(const QString &text)
{
    m_playerFilter->setSearchText(text);
    updatePlayerList();
}

void TournamentDetailDialog::onLoadFinished(bool ok)
{
    if (!ok) {
        m_ui->webView->hide();
        return;
    }
    QPalette palette = m_ui->webView->palette();
    palette.setBrush(QPalette::Base, Qt::transparent);
    m_ui->webView->setPalette(palette);
    m_ui->webView->setAttribute(Qt::WA_OpaquePaintEvent, false);
    m_ui->webView->show();
}

void TournamentDetailDialog::onLinkClicked(const QUrl &url)
{
    emit launchBrowser(url.toString());
}

void TournamentDetailDialog::onModelDestroyed(QObject *)
{
    m_tableModel = nullptr;
    m_tablesSubscribed = false;
}

void TournamentDetailDialog::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timerId) {
        MahjongDialog::timerEvent(event);
        return;
    }
    updateStartLine();
    updateRoundInformation();
}

void TournamentDetailDialog::closeEvent(QCloseEvent *event)
{
    if (!m_pendingWatches.isEmpty()) {
        m_hiddenOnClose = true;
        event->ignore();
        hide();
        return;
    }
    event->accept();
}

void TournamentDetailDialog::showEvent(QShowEvent *event)
{
    m_hiddenOnClose = false;
    MahjongDialog::showEvent(event);
}

void TournamentDetailDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(static_cast<QFrame *>(contentWidget()));
        updateView();
        for (auto &[tableId, row] : m_tableRows) {
            row.nameLabel->setText(tableRowName(tableId));
            row.watchButton->setText(tr("Watch"));
        }
    }
    MahjongDialog::changeEvent(event);
}
