// The table window's answers to the player: tile clicks, the default action, offers,
// ready, leave, join, reactivate, invite, the overlays and the table's messages.
#include "game/GameWindow.h"

#include "app/Utils.h"
#include "app/startup/GameSounds.h"
#include "connection/PlayerDb.h"
#include "game/GameWindowHelpers.h"
#include "lobby/LocalizationDb.h"
#include "table/dialogs/ConcealedActionDialog.h"
#include "table/dialogs/MeldAuction.h"
#include "table/dialogs/PlayerInactiveWindow.h"
#include "table/dialogs/RoundScoreBoard.h"
#include "table/dialogs/ScoreBoard.h"
#include "table/dialogs/SeatedWindow.h"
#include "table/dialogs/TableInviteDialog.h"
#include "table/dialogs/WaitingForPlayersWindow.h"
#include "table/dialogs/WashoutWindow.h"
#include "table/dialogs/WatchingWindow.h"
#include "table/scene/CityView.h"
#include "table/scene/DiscardView.h"
#include "table/scene/HandView.h"
#include "table/scene/Object3DView.h"
#include "table/scene/PlayerActionView.h"
#include "table/scene/RiichiStickView.h"
#include "table/scene/TileView.h"
#include "table/scene/WindView.h"
#include "table/sidebar/SideBar.h"
#include "table/sidebar/TimerView.h"
#include "ui/MahjongDialog.h"
#include "ui/ModelessMsgBox.h"

#include <QApplication>
#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QSettings>
#include <QTimer>
#include <QtDebug>

#include <algorithm>
#include <array>
#include <sstream>
#include <utility>

using namespace GameWindowHelpers;

namespace {

QDebug operator<<(QDebug debug, tile t)
{
    return debug << tileToString(t).c_str();
}

bool autoReplaceBonus()
{
    return QSettings().value(QStringLiteral("game/autoReplaceBonus"), true).toBool();
}

bool isSeatedState(GameModel::player_state_t state)
{
    return state == GameModel::SEAT_OFFERED || state == GameModel::WAITING || state == GameModel::PLAYING ||
           state == GameModel::SCORING;
}

} // namespace

// ---- model ---------------------------------------------------------------------------------

void GameWindow::setModel(GameModel *model)
{
    if (m_table)
        disconnect(m_table, nullptr, this, nullptr);
    m_table = model;
    if (!model) {
        clearTable();
        m_sideBar->reset();
        return;
    }
    m_sideBar->setTableInfoFromModel(model);
    connect(model, &GameModel::seatsRemainingChanged, m_waiting, &WaitingForPlayersWindow::onSeatsRemaining);
    connect(model, &GameModel::joinableChanged, m_watching, &WatchingWindow::onJoinableChanged);
    for (const qint32 id : model->seatedPlayerIds()) {
        if (const PlayerData *record = model->findPlayer(id))
            addPlayerRow(*record);
        m_inviteDialog->excludePlayer(id);
        emit playerAdded(tableId(), id);
    }
    onTableInfo(model->tableInfo());
    m_sideBar->setTournamentInfo(model->tournamentInfo());
    onGameStateChanged();
    const std::pair<qint32, TimeSpan> acting = model->actingPlayer();
    if (acting.first != -1)
        onPlayerShouldAct(acting.first, acting.second);
    followModel(model);
}

void GameWindow::followModel(GameModel *model)
{
    using GM = GameModel;
    using GW = GameWindow;
    connect(model, &GM::modelReset, this, &GW::reset);
    connect(model, qOverload<const TableInfo &>(&GM::tableInfo), this, &GW::onTableInfo);
    connect(model, qOverload<const TournamentInfo &>(&GM::tournamentInfo), this, &GW::onTournamentInfo);
    connect(model, &GM::playerShouldAct, this, &GW::onPlayerShouldAct);
    connect(model, &GM::waitingFor, this, &GW::onWaitingFor);
    connect(model, &GM::waitingOver, this, &GW::onWaitingOver);
    connect(model, &GM::privatePlayerData, this, &GW::onPrivatePlayerData);
    connect(model, &GM::tilesFromWall, this, &GW::onTilesFromWall);
    connect(model, &GM::kanDora, this, &GW::onKanDora);
    connect(model, &GM::hiddenTilesFromWall, this, &GW::onHiddenTilesFromWall);
    connect(model, &GM::tileDiscarded, this, &GW::onTileDiscarded);
    connect(model, &GM::tileClaimed, this, &GW::onTileClaimed);
    connect(model, &GM::playerSeated, this, &GW::onPlayerSeated);
    connect(model, &GM::playerUnseated, this, &GW::onPlayerUnseated);
    connect(model, &GM::playerLeft, this, &GW::onPlayerLeft);
    connect(model, &GM::meldDeclared, this, &GW::onMeldDeclared);
    connect(model, &GM::bonusDeclared, this, &GW::onBonusDeclared);
    connect(model, &GM::gameStateChanged, this, &GW::onGameStateChanged);
    connect(model, &GM::startHand, this, &GW::onStartHand);
    connect(model, &GM::handEnd, this, &GW::onHandEnd);
    connect(model, &GM::endOfTournamentRound, this, &GW::onEndOfTournamentRound);
    connect(model, &GM::tournamentRankings, this, &GW::onTournamentRankings);
    connect(model, &GM::tournamentRoundEnded, this, &GW::onTournamentRoundEnded);
    connect(model, &GM::furitenChanged, this, &GW::onFuritenChanged);
    connect(model, &GM::activeChanged, this, &GW::onActiveChanged);
    connect(model, &GM::areYouReady, this, &GW::onAreYouReady);
    connect(model, &GM::playerIsReady, this, &GW::onPlayerIsReady);
    connect(model, &GM::playerStateChanged, this, &GW::onPlayerStateChanged);
    connect(model, &GM::wallStateChanged, this, &GW::onWallStateChanged);
}

void GameWindow::onTableInfo(const TableInfo &info)
{
    flush();
    m_tableInfo = info;
    m_sideBar->setTableInfo(info);
    if (m_city)
        m_city->setTableInfo(info);
    applyLayout();
    placeImages();
    if (m_table)
        setReadyVisible(scoreBoardReadyVisible());
    for (PlayerActionView *claim : m_claims)
        claim->setRulesetId(info.ruleset());
    m_seated->onTableInfo(info);
    m_washout->setTableInfo(info);
    m_inviteDialog->setTableId(info.id());
}

void GameWindow::onTournamentInfo(const TournamentInfo &info)
{
    m_sideBar->setTournamentInfo(info);
}

// ---- tile clicks and the default action ------------------------------------------------------

void GameWindow::onTileClick(tile t, bool highlighted)
{
    qInfo() << "Player clicked" << t;
    flush();
    if (!m_table) {
        qWarning() << "m_table not set";
        return;
    }
    if (!m_hand->isVisible() || !m_hand->isEnabled()) {
        qWarning() << "Player hand is not active";
        return;
    }
    const bool discard = m_pendingConcealedKind == 0 || m_pendingConcealedKind == RIICHI;
    if (discard && ownSeated() && !ownDiscardTurn()) {
        qInfo() << "discard of" << t << "kept back: not the own turn to discard";
        return;
    }
    m_hand->setTilesSelectable(false);
    deleteMeldAuction();
    m_concealedDialog->hide();
    if (!ownSeated()) {
        qWarning() << "onTileClick: handled when not seated";
        return;
    }
    if (m_pendingConcealedKind == 0 || m_pendingConcealedKind == RIICHI) {
        enqueueAnimation(m_hand->animationSource(highlighted), m_discards[BOTTOM], 300, tile_vector{t});
        enqueue([this] { markLastDiscard(BOTTOM); });
        m_predictedDiscard = true;
        m_predictedTile = t;
    }
    m_hand->clearMarks();
    m_sideBar->clearTimers();
    m_turnTimer->setTimeSpan(TimeSpan());
    m_windMarkers[BOTTOM]->setGlowing(false);
    const qint32 kind = m_pendingConcealedKind;
    m_pendingConcealedKind = 0;
    switch (kind) {
    case RIICHI:
        emit callRiichi(tableId(), m_ownId, t);
        break;
    case KONG:
        emit callKong(tableId(), m_ownId, t);
        break;
    case PONG_TO_KONG:
        emit callPongToKong(tableId(), m_ownId, t);
        break;
    case BONUS:
        emit callBonus(tableId(), m_ownId, t);
        break;
    default:
        emit discardTile(tableId(), m_ownId, t);
        break;
    }
}

bool GameWindow::ownDiscardTurn() const
{
    const PlayerData *own = ownRecord();
    return own && ownSeated() && m_table->gameState() == GameModel::HAND_IN_PLAY && m_table->turnPlayerId() == m_ownId
           && own->hand().size() % 3 == 2 && !m_predictedDiscard;
}

bool GameWindow::defaultActionArmed() const
{
    return ownDiscardTurn() && ownRecord()->pendingTiles().size() == 1;
}

void GameWindow::runDefaultAction()
{
    if (!defaultActionArmed())
        return;
    m_pendingConcealedKind = 0;
    onTileClick(ownRecord()->pendingTiles().front(), true);
}

bool GameWindow::focusInDialogBeside() const
{
    const QWidget *focus = QApplication::focusWidget();
    // The table's own dialogs (its boards, windows and boxes) are the table's.
    if (!focus || focus == this || isAncestorOf(focus))
        return false;
    for (const QWidget *widget = focus; widget; widget = widget->parentWidget()) {
        if (qobject_cast<const MahjongDialog *>(widget))
            return true;
    }
    return false;
}

void GameWindow::updateDefaultShortcut()
{
    m_defaultShortcut.setEnabled((!m_meldAuction || m_meldAuction->isHidden()) && !focusInDialogBeside());
}

void GameWindow::discardPendingTile()
{
    const PlayerData *own = ownRecord();
    if (own && !own->pendingTiles().empty())
        onTileClick(own->pendingTiles().front(), true);
}

void GameWindow::onDefaultAction()
{
    qInfo() << "default action triggered";
    runDefaultAction();
}

void GameWindow::onClickedOutsideHand()
{
    if (!QSettings().value(QStringLiteral("game/tableClickDiscardTile"), false).toBool())
        return;
    if (m_activationTime.isValid()) {
        const QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTimeUtc();
        if (Utils::msecsBetween(m_activationTime, now) < ActivationClickMs)
            return;
    }
    runDefaultAction();
}

// ---- turns and timers ------------------------------------------------------------------------

void GameWindow::startOwnTimers(const TimeSpan &time)
{
    if (m_ownId != -1 && m_sideBar->hasPlayer(m_ownId))
        m_sideBar->setPlayerTimer(m_ownId, time);
    m_turnTimer->setTimeSpan(time);
}

void GameWindow::onPlayerShouldAct(qint32 playerId, const TimeSpan &time)
{
    clearHighlights();
    stopTimers();
    if (playerId == -1)
        return;
    highlightPlayer(playerId);
    m_sideBar->setPlayerTimer(playerId, time);
    if (isOwn(playerId)) {
        const PlayerData *own = ownRecord();
        if (own && own->riichiDiscardIndex() != -1)
            m_hand->setSelectableTiles(own->pendingTiles());
        m_hand->setTilesSelectable(true);
        queueOwnHandRefresh();
        m_turnTimer->setTimeSpan(time);
        emit tableActivity(tableId(), true, time);
    } else {
        m_hand->clearMarks();
        m_hand->setTilesSelectable(false);
    }
}

void GameWindow::onWaitingFor(WaitCondition::enum_t condition, const TimeSpan &time,
                              const std::vector<qint32> &players)
{
    if (condition == WaitCondition::CLAIMS_ON_DISCARD) {
        enqueue([this, time] {
            if (!m_table)
                return;
            const int seat = seatOrWarn(m_table->lastDiscarderId(), "claim timer");
            if (seat < 0)
                return;
            const auto &items = m_discards[static_cast<size_t>(seat)]->items();
            if (items.empty())
                return;
            const QRectF rect = reinterpret_cast<QGraphicsItem *>(items.back())->sceneBoundingRect();
            const QPoint topLeft = view()->mapFromScene(
                QPointF(rect.right() + 2, rect.center().y() - m_claimTimer->height() / 2.0));
            m_claimTimer->move(topLeft);
            m_claimTimer->setTimeSpan(time);
            m_claimTimer->show();
            m_claimTimer->raise();
        });
    } else if (condition == WaitCondition::PLAYER && !players.empty() && players.front() != m_ownId) {
        m_sideBar->setPlayerTimer(players.front(), time);
    }
}

void GameWindow::onWaitingOver()
{
    enqueue([this] {
        m_claimTimer->setTimeSpan(TimeSpan());
        m_claimTimer->hide();
    });
    m_sideBar->clearTimers();
}

void GameWindow::showTimeout()
{
    clearHighlights();
    placeImages();
    m_timeoutImage->show();
    QTimer::singleShot(2000, this, &GameWindow::hideTimeoutItem);
    deleteMeldAuction();
    m_concealedDialog->hide();
    m_hand->setTilesSelectable(false);
    updateFuriten();
}

void GameWindow::hideTimeoutItem()
{
    m_timeoutImage->hide();
    updateFuriten();
}

// ---- offers --------------------------------------------------------------------------------

void GameWindow::deleteMeldAuction()
{
    if (m_meldAuction) {
        m_meldAuction->hide();
        m_meldAuction->deleteLater();
        m_meldAuction = nullptr;
    }
}

MeldAuction *GameWindow::newMeldAuction()
{
    deleteMeldAuction();
    m_meldAuction = new MeldAuction(this);
    m_meldAuction->hide();
    m_meldAuction->installEventFilter(this);
    m_meldAuction->setShortcutKey(QKeySequence(Qt::Key_Space));
    connect(m_meldAuction, &MeldAuction::meldSelected, this, &GameWindow::onMeldSelected);
    connect(m_meldAuction, &MeldAuction::passSelected, this, &GameWindow::onPassMeldSelected);
    connect(m_meldAuction, &MeldAuction::closeSelected, this, &GameWindow::onCloseMeldAuction);
    return m_meldAuction;
}

void GameWindow::placeConcealedDialog()
{
    m_concealedDialog->adjustSize();
    const QSize size = m_concealedDialog->size();
    const QRect area(QPoint(0, 0), viewSize());
    // Beside the hand's right end, raised by its own height; lower where something
    // stands there (the right seat's disc, its wall's end, the turn's countdown), else
    // higher, and never over the side bar.
    const QPoint hand = view()->mapFromScene(m_hand->pos());
    const QRect beside(QPoint(qBound(0, hand.x(), qMax(0, area.width() - size.width())), qMax(0, hand.y() - size.height())), size);
    std::vector<QRectF> things;
    for (const QGraphicsItem *item : m_scene.items()) {
        const bool thing = dynamic_cast<const TileView *>(item) || dynamic_cast<const WindView *>(item)
                           || dynamic_cast<const PrevalentWindView *>(item) || dynamic_cast<const RiichiStickView *>(item);
        const QRectF rect = item->sceneBoundingRect();
        if (thing && item->isVisible() && !rect.isEmpty())
            things.push_back(view()->viewportTransform().mapRect(rect));
    }
    if (m_turnTimer->isVisible())
        things.emplace_back(m_turnTimer->geometry());
    m_concealedDialog->move(clearInColumn(beside, area, things).topLeft());
}

void GameWindow::meldSuggestion(const meld_offer_vector &offers, qint32, tile lastDiscard, const TimeSpan &time)
{
    m_pendingConcealedKind = 0;
    if (offers.empty())
        return;
    m_offers = offers;
    MeldAuction *auction = newMeldAuction();
    auction->showPassButton();
    for (const meld_offer &offer : offers)
        auction->setMeldOffers(offer, lastDiscard);
    auction->setMode(0);
    showOverTableOnce(auction);
    startOwnTimers(time);
    emit tableActivity(tableId(), true, time);
    playSound(SoundMeldSuggestion);
}

void GameWindow::robTheKongSuggestion(const meld_offer_vector &offers, const TimeSpan &time)
{
    stopTimers();
    clearHighlights();
    if (offers.empty())
        return;
    m_offers = offers;
    MeldAuction *auction = newMeldAuction();
    auction->showPassButton();
    const tile last = m_table ? m_table->lastDiscardedTile() : tile();
    for (const meld_offer &offer : offers)
        auction->setMeldOffers(offer, last);
    auction->setMode(2);
    showOverTableOnce(auction);
    startOwnTimers(time);
    playSound(SoundMeldSuggestion);
}

void GameWindow::replacementMeldSuggestion(const meld_offer_vector &offers, const TimeSpan &time)
{
    m_pendingConcealedKind = 0;
    if (offers.empty()) {
        emit callPass(tableId(), m_ownId, true);
        return;
    }
    if (autoReplaceBonus()) {
        emit callBonus(tableId(), m_ownId, offers.front().baseTile);
        return;
    }
    m_offers = offers;
    MeldAuction *auction = newMeldAuction();
    auction->showPassButton();
    auction->setMode(3);
    showOverTableOnce(auction);
    chooseConcealed(BONUS);
    startOwnTimers(time);
    playSound(SoundMeldSuggestion);
}

void GameWindow::concealedMeldSuggestion(const meld_offer_vector &offers, const TimeSpan &)
{
    m_pendingConcealedKind = 0;
    if (offers.empty()) {
        const PlayerData *own = ownRecord();
        if (own && own->riichiDiscardIndex() != -1)
            discardPendingTile();
        return;
    }
    const auto bonus = std::find_if(offers.begin(), offers.end(),
                                    [](const meld_offer &offer) { return offer.kind == BONUS; });
    if (bonus != offers.end() && autoReplaceBonus()) {
        m_hand->setTilesSelectable(false);
        emit callBonus(tableId(), m_ownId, bonus->baseTile);
        return;
    }
    m_offers = offers;
    MeldAuction *auction = newMeldAuction();
    auction->showCloseButton();
    const auto mahjong = std::find_if(offers.begin(), offers.end(),
                                      [](const meld_offer &offer) { return offer.kind == MAHJONG; });
    if (mahjong != offers.end()) {
        auction->setMeldOffers(*mahjong, m_table ? m_table->lastDiscardedTile() : tile());
        auction->setMode(1);
        showOverTableOnce(auction);
    } else {
        deleteMeldAuction();
    }
    m_concealedDialog->setOffers(offers);
    placeConcealedDialog();
    showRaised(m_concealedDialog);
    emit dialogsPlaced();
    playSound(SoundMeldSuggestion);
}

void GameWindow::chooseConcealed(int kind)
{
    m_pendingConcealedKind = kind;
    tile_vector tiles;
    for (const meld_offer &offer : m_offers)
        if (offer.kind == kind)
            tiles.push_back(offer.baseTile);
    if (tiles.size() == 1) {
        qInfo() << "auto choose meld" << kind << tiles.front();
        m_hand->setTilesSelectable(true);
        onTileClick(tiles.front(), false);
        return;
    }
    m_hand->setSelectableTiles(tiles);
    m_hand->setTilesSelectable(true);
    std::ostringstream text;
    for (const tile t : tiles)
        text << tileToString(t) << ' ';
    qInfo() << "Choose meld/riichi from these tiles: " << text.str().c_str();
}

void GameWindow::onConcealedRiichiSelected()
{
    m_concealedDialog->showCancelOnly();
    placeConcealedDialog();
    chooseConcealed(RIICHI);
}

void GameWindow::onConcealedKongSelected()
{
    m_concealedDialog->showCancelOnly();
    placeConcealedDialog();
    chooseConcealed(KONG);
}

void GameWindow::onConcealedPongToKongSelected()
{
    m_concealedDialog->showCancelOnly();
    placeConcealedDialog();
    chooseConcealed(PONG_TO_KONG);
}

void GameWindow::onConcealedReplaceFlowerSelected()
{
    m_concealedDialog->showCancelOnly();
    placeConcealedDialog();
    chooseConcealed(BONUS);
}

void GameWindow::onConcealedActionCancel()
{
    m_pendingConcealedKind = 0;
    m_concealedDialog->setOffers(m_offers);
    placeConcealedDialog();
    m_hand->clearSelectableTiles();
}

void GameWindow::onMeldSelected(const meld_offer &offer)
{
    flush();
    deleteMeldAuction();
    m_concealedDialog->hide();
    if (offer.kind != RIICHI) {
        m_sideBar->clearTimers();
        m_turnTimer->setTimeSpan(TimeSpan());
    }
    clearHighlights();
    m_hand->setTilesSelectable(false);
    if (!m_table) {
        qWarning() << "m_table not set";
        return;
    }
    if (!ownSeated()) {
        qWarning() << "onMeldSelected: handled when not seated";
        return;
    }
    switch (offer.kind) {
    case CHOW:
        emit callChow(tableId(), m_ownId, offer.baseTile);
        break;
    case PONG:
        emit callPong(tableId(), m_ownId, offer.baseTile);
        break;
    case PONG_TO_KONG:
        emit callPongToKong(tableId(), m_ownId, offer.baseTile);
        break;
    case KONG:
        emit callKong(tableId(), m_ownId, offer.baseTile);
        break;
    case BONUS:
        emit callBonus(tableId(), m_ownId, offer.baseTile);
        break;
    case MAHJONG:
        emit callMahjong(tableId(), m_ownId);
        break;
    case RIICHI:
        chooseConcealed(RIICHI);
        break;
    default:
        qWarning() << "onMeldSelected: unknown meld kind" << offer.kind;
        break;
    }
}

void GameWindow::onPassMeldSelected()
{
    if (!m_table) {
        qWarning() << "m_table not set";
        return;
    }
    deleteMeldAuction();
    m_concealedDialog->hide();
    m_hand->setTilesSelectable(false);
    m_sideBar->clearTimers();
    m_turnTimer->setTimeSpan(TimeSpan());
    if (!ownSeated()) {
        qWarning() << "passMeldSelected: handled when not seated";
        return;
    }
    emit callPass(tableId(), m_ownId, false);
}

void GameWindow::onCloseMeldAuction()
{
    if (!m_table) {
        qWarning() << "m_table not set";
        return;
    }
    if (!ownSeated())
        return;
    const PlayerData *own = ownRecord();
    if (own && own->riichiDiscardIndex() != -1)
        discardPendingTile();
}

void GameWindow::showMahjongDeclared(qint32 playerId, int variant)
{
    hideClaims();
    showClaim(playerId, MAHJONG, variant);
}

void GameWindow::showMeldDeclared(qint32 playerId, int kind)
{
    if (kind == CHOW || kind == PONG || kind == KONG)
        showClaim(playerId, kind, 0);
}

// ---- ready, leave, join, reactivate ------------------------------------------------------------

void GameWindow::onReadyButtonClick()
{
    if (!m_table) {
        qWarning() << "m_table not set";
        return;
    }
    if (!ownSeated())
        return;
    m_inactive->hide();
    m_seated->hide();
    setReadyVisible(false);
    if (m_sideBar->hasPlayer(m_ownId))
        m_sideBar->setPlayerReady(m_ownId);
    m_boardAside = nullptr;
    m_scoreBoard->hide();
    emit ready(tableId());
}

void GameWindow::onAreYouReady(const TimeSpan &time, bool seatOffered)
{
    if (!seatOffered) {
        setReadyVisible(true);
        m_scoreBoard->startCountdown(time.end());
        m_washout->startCountdown(time.end());
        return;
    }
    m_seated->stopCountdown();
    if (time.end().isValid() && time.end().toSecsSinceEpoch() > 0)
        m_seated->startCountdown(time);
    showOverTable(m_seated);
}

void GameWindow::onLeaveButtonClick()
{
    if (!m_table) {
        qWarning() << "m_table not set";
        return;
    }
    if (m_leaveBox)
        return;
    m_sideBar->setLeaveEnabled(false);
    m_waiting->setLeaveEnabled(false);
    if (ownSeated() && m_table->gameState() == GameModel::HAND_IN_PLAY) {
        // The box is the table's child: it never outlives the table it asks about.
        ModelessMsgBox::MsgBox *box = ModelessMsgBox::question(this, [this] {
            return ModelessMsgBox::Texts{tr("Leave Table"), leaveQuestionText()};
        });
        box->setTextFormat(Qt::PlainText);
        showOverTable(box);
        m_leaveBox = box;
        ModelessMsgBox::connectFinished(box, this, [this](int result) {
            m_leaveBox = nullptr;
            m_sideBar->setLeaveEnabled(true);
            m_waiting->setLeaveEnabled(true);
            if (result == QDialogButtonBox::Yes)
                emit leave(tableId());
        });
        return;
    }
    emit leave(tableId());
}

QString GameWindow::leaveQuestionText() const
{
    // The name stands alone, as a server may name a table with or without a word for
    // one; a table the server has not named yet goes by the lobby's stand-in name.
    const QString name = LocalizationDb::displayName(m_services.tableNames, m_tableInfo);
    return tr("Are you sure you want to leave %1?", "%1 is the table's name").arg(name);
}

void GameWindow::onJoinButtonClick()
{
    if (!m_table) {
        qWarning() << "m_table not set";
        return;
    }
    if (ownSeated()) {
        qWarning() << "Player attempted join an already joined table";
        return;
    }
    m_watching->hide();
    emit join(tableId());
}

void GameWindow::onReactivateButtonClicked()
{
    if (!m_table) {
        qWarning() << "m_table not set";
        return;
    }
    emit reactivate(tableId());
}

// ---- invitations ----------------------------------------------------------------------------

void GameWindow::onInviteButtonClick()
{
    bool requested = false;
    if (m_handStart) {
        m_handStart = false;
        if (m_table)
            for (const qint32 id : m_table->seatedPlayerIds())
                m_inviteDialog->excludePlayer(id);
        m_inviteDialog->addRosterPlayers();
        requestPlayersOnline();
        requested = true;
    }
    if (!m_inviteDialog->isVisible()) {
        if (m_inviteDialog->rowCount() == 0 && m_inviteDialog->selectedCount() < 40 && !requested)
            requestPlayersOnline();
        showOverTable(m_inviteDialog);
    }
}

void GameWindow::requestPlayersOnline()
{
    m_playersOnlineRequest = -1;
    std::vector<qint32> ids = m_inviteDialog->playerIds();
    const std::vector<qint32> &selected = m_inviteDialog->selectedPlayers();
    ids.insert(ids.end(), selected.begin(), selected.end());
    ids.push_back(m_ownId);
    emit queryPlayersOnline(tableId(), 10, ids);
}

void GameWindow::onPlayersOnline(int request, const std::vector<qint32> &players)
{
    if (m_playersOnlineRequest == -1 || m_playersOnlineRequest != request)
        return;
    m_playersOnlineRequest = -1;
    m_inviteDialog->addPlayers(players);
}

// ---- players ---------------------------------------------------------------------------------

void GameWindow::onPlayerSeated(qint32 playerId, qint32, bool fromGameData)
{
    const PlayerData *record = m_table ? m_table->findPlayer(playerId) : nullptr;
    if (record)
        addPlayerRow(*record);
    m_inviteDialog->excludePlayer(playerId);
    if (!isOwn(playerId) && !fromGameData) {
        const QString name = record ? record->name() : QString::number(playerId);
        addSystemMessage(ClientText("GameWindow", QT_TR_NOOP("%1 joined the table")).arg(ClientText::words(name)));
        playSound(SoundJoined);
    }
    emit playerAdded(tableId(), playerId);
}

void GameWindow::addPlayerRow(const PlayerData &record)
{
    const bool added = !m_sideBar->hasPlayer(record.id());
    m_sideBar->addPlayer(record);
    if (added && m_services.players)
        m_sideBar->setPlayerPicture(record.id(), m_services.players->picture(record.id(), true));
}

// The seat is the player's from the moment it is offered, while the others learn of it
// only once the player says ready: the side bar shows the own plate in it meanwhile, and
// again after a snapshot of the table has replaced the plates.
void GameWindow::showOwnPlate()
{
    const PlayerData *own = ownSeated() ? ownRecord() : nullptr;
    if (own && !m_sideBar->hasPlayer(own->id()))
        addPlayerRow(*own);
}

void GameWindow::onPlayerUnseated(qint32 playerId)
{
    const QString name = m_services.players ? m_services.players->playerName(playerId, true)
                                            : QString::number(playerId);
    m_sideBar->removePlayer(playerId);
    m_inviteDialog->includePlayer(playerId);
    if (isOwn(playerId)) {
        addSystemMessage(ClientText("GameWindow", QT_TR_NOOP("You've been unseated from this table.")));
        emit tableActivity(tableId(), true, TimeSpan());
    } else {
        addSystemMessage(ClientText("GameWindow", QT_TR_NOOP("%1 left the table")).arg(ClientText::words(name)));
    }
    playSound(SoundLeft);
}

void GameWindow::onPlayerLeft(qint32 playerId)
{
    // A player whose seat came with the deal, never announced ready, has a plate as well;
    // the table removes it without unseating the player.
    if (m_sideBar->hasPlayer(playerId))
        onPlayerUnseated(playerId);
    // The model lets a player go only between hands: his seat stays empty until the next
    // deal. The own seat keeps the hand it played for the player to read.
    if (isOwn(playerId))
        return;
    for (size_t seat = 0; seat < 4; ++seat) {
        if (m_seatPlayers[seat] == playerId) {
            m_seatPlayers[seat] = -1;
            emptySeat(seat);
        }
    }
}

void GameWindow::onPlayerIsReady(qint32 playerId)
{
    m_sideBar->setPlayerReady(playerId);
}

void GameWindow::setPlayerPicture(qint32 playerId, const QPixmap &picture)
{
    if (m_sideBar->hasPlayer(playerId))
        m_sideBar->setPlayerPicture(playerId, picture);
    if (isOwn(playerId) && !picture.isNull()) {
        QBrush face(picture);
        face.setTransform(QTransform::fromScale(1.0 / picture.width(), 1.0 / picture.height()));
        m_cube->setBrush(face);
    }
}

void GameWindow::onActiveChanged(bool)
{
    updateInactive();
}

// ---- overlays ---------------------------------------------------------------------------------

bool GameWindow::watchingShown() const
{
    if (!m_table)
        return false;
    const int state = m_table->gameState();
    return m_table->playerState() == GameModel::WATCHING && m_tableInfo.storedGameType() != TableInfo::TOURNAMENT &&
           state != GameModel::NOTHING_KNOWN && state != GameModel::TABLE_REMOVED && !m_table->isHandInPlay();
}

void GameWindow::updateWatchingWindow()
{
    if (!watchingShown()) {
        m_watching->hide();
        return;
    }
    m_seated->hide();
    m_watching->setPickedUpInfoHidden(m_table->isWatchingByChoice());
    m_watching->onJoinableChanged(m_table->isJoinable());
    // The last hand's board and the round result are read first: where the box finds no
    // place clear of them, it waits until they close.
    if (!m_watching->isVisibleTo(this) && !clearOfResults(m_watching))
        return;
    showOverTable(m_watching);
}

bool GameWindow::clearOfResults(QWidget *dialog) const
{
    std::vector<QRect> taken;
    std::vector<QRect> buttons;
    shownDialogs(taken, buttons, dialog);
    fitToContents(dialog);
    const QRect place(clearPlace(dialog->size(), m_dialogArea, taken, buttons), dialog->size());
    const std::array<const QWidget *, 3> results{m_scoreBoard, m_washout, m_roundScoreBoard};
    return std::none_of(results.begin(), results.end(), [this, &place](const QWidget *result) {
        return result->isVisibleTo(this) && result->geometry().intersects(place);
    });
}

void GameWindow::updateOverlays()
{
    updateWatchingWindow();
    if (!m_table) {
        m_waiting->hide();
        return;
    }
    const int state = m_table->gameState();
    const GameModel::player_state_t player = m_table->playerState();
    if (player == GameModel::WAITING && m_table->seatsRemaining() > 0 &&
        m_tableInfo.storedGameType() != TableInfo::TOURNAMENT && state != GameModel::HAND_IN_PLAY &&
        !m_table->isHandInPlay()) {
        m_waiting->onSeatsRemaining(m_table->seatsRemaining());
        showOverTable(m_waiting);
    } else {
        m_waiting->hide();
    }
    const bool leave = (state == GameModel::HAND_IN_PLAY && player == GameModel::PLAYING) ||
                       (state == GameModel::HAND_OVER && player == GameModel::WAITING) ||
                       (player == GameModel::WATCHING && state != GameModel::NOTHING_KNOWN &&
                        state != GameModel::TABLE_REMOVED && !watchingShown());
    m_sideBar->setLeaveVisible(leave);
    if (leave)
        m_sideBar->setLeaveEnabled(true);
}

void GameWindow::onJoinFailed()
{
    updateWatchingWindow();
}

void GameWindow::showKickedBox(kick_reason::enum_t reason)
{
    const qint32 id = tableId();
    ModelessMsgBox::MsgBox *box = nullptr;
    // A warning worded in the language of the moment from fixed texts.
    const auto warning = [this](const char *title, const char *text,
                               QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok,
                               QDialogButtonBox::StandardButton defaultButton = QDialogButtonBox::NoButton) {
        return ModelessMsgBox::warning(
            this, [title, text] { return ModelessMsgBox::Texts{tr(title), tr(text)}; }, buttons, defaultButton);
    };
    switch (reason) {
    case kick_reason::KICKED:
    case kick_reason::REMOVED:
        box = warning(QT_TR_NOOP("Kicked"), QT_TR_NOOP("You were kicked from the table."));
        break;
    case kick_reason::NOT_ENOUGH_FUNDS:
        box = warning(QT_TR_NOOP("Kicked"),
                     QT_TR_NOOP("You do not have enough funds to play another hand.\nDo you want to make a deposit now?"),
                     QDialogButtonBox::Yes | QDialogButtonBox::No, QDialogButtonBox::Yes);
        ModelessMsgBox::connectFinished(box, this, [this, id](int result) {
            if (result == QDialogButtonBox::Yes)
                emit depositFunds();
            emit kickedConfirmed(id);
        });
        return;
    case kick_reason::SERVER_ERROR:
        box = warning(QT_TR_NOOP("Server error"),
                     m_tableInfo.storedGameType() == TableInfo::TOURNAMENT
                         ? QT_TR_NOOP("A server error occurred and the tournament will be aborted.\nCheck tournament "
                                      "rules for details regarding the distribution of the prize pool.")
                         : QT_TR_NOOP("A server error occurred and the game was aborted.\nYour bet and fee will be "
                                      "repaid."));
        break;
    case kick_reason::MAINTENANCE:
        box = warning(QT_TR_NOOP("Kicked"),
                     QT_TR_NOOP("You were kicked from the table as the server will be unavailable due to "
                                "mainenance."));
        break;
    case kick_reason::TABLE_REMOVED:
        box = warning(QT_TR_NOOP("Kicked"), QT_TR_NOOP("You were kicked from the table as it will be removed."));
        break;
    default:
        return;
    }
    ModelessMsgBox::connectFinished(box, this, [this, id](int) { emit kickedConfirmed(id); });
}

void GameWindow::onPlayerStateChanged(GameModel::player_state_t state)
{
    if (state == GameModel::KICKED) {
        const kick_reason::enum_t reason = m_table ? m_table->kickReason() : kick_reason::KICKED;
        if (reason != kick_reason::SERVER_ERROR) {
            clearTable();
            m_sideBar->reset();
        }
        showKickedBox(reason);
        m_sideBar->setTableChatActive(false);
    } else if (state == GameModel::WATCHING || state == GameModel::SEAT_OFFERED) {
        m_sideBar->setTableChatActive(true);
    }
    m_washout->setOkOnly(!isSeatedState(state));
    showOwnPlate();
    updateOverlays();
}

void GameWindow::showTableRemoved()
{
    const qint32 id = tableId();
    ModelessMsgBox::MsgBox *box = ModelessMsgBox::question(
        this,
        [] {
            return ModelessMsgBox::Texts{tr("Table does not exist"),
                                         tr("Table has been removed from server, press Ok to go back to lobby")};
        },
        QDialogButtonBox::Ok, QDialogButtonBox::Ok);
    ModelessMsgBox::connectFinished(box, this, [this, id](int) { emit tableRemovedConfirmed(id); });
}

// ---- round ends ---------------------------------------------------------------------------------

void GameWindow::showEndOfRound(const MonetaryRoundScores &scores)
{
    m_hand->setTilesSelectable(false);
    addSystemMessage(ClientText("GameWindow", QT_TR_NOOP("Table round ended")));
    deleteMeldAuction();
    m_concealedDialog->hide();
    const bool allZero = std::all_of(scores.begin(), scores.end(),
                                     [](const MonetaryRoundScore &score) { return score.balance == 0; });
    if (allZero)
        return;
    m_roundScoreBoard->setTable(m_tableInfo);
    m_roundScoreBoard->setRoundResults(scores);
    m_roundEnded = false;
    m_roundTournamentId = -1;
    m_roundResultWaiting = true;
    placeRoundResult();
    emit tableActivity(tableId(), true, TimeSpan());
}

void GameWindow::onEndOfTournamentRound(bool roundEnded, const TournamentRoundScores &scores)
{
    m_hand->setTilesSelectable(false);
    addSystemMessage(ClientText("GameWindow", QT_TR_NOOP("Tournament round ended")));
    deleteMeldAuction();
    m_concealedDialog->hide();
    m_inactive->hide();
    if (m_table) {
        m_roundScoreBoard->setTournament(m_table->tournamentInfo());
        m_roundTournamentId = m_table->tournamentInfo().id();
    }
    m_roundScoreBoard->setRoundScores(scores);
    m_roundEnded = roundEnded;
    m_roundResultWaiting = true;
    placeRoundResult();
    emit tableActivity(tableId(), true, TimeSpan());
}

void GameWindow::onRoundScoreCloseClick()
{
    // The board that stood aside for the round result offers to go on or leave again,
    // and to show the round result again; it is back before the round result closes, so
    // that nothing waiting for both takes its place. A tournament table's round is
    // done with once its result closes with no board to come back to: the round result
    // shows again when that board closes.
    QWidget *board = std::exchange(m_boardAside, nullptr);
    if (board)
        showOverTableOnce(board, FirstPlace::Centred);
    m_roundScoreBoard->hide();
    if (board) {
        m_roundResultWaiting = true;
        placeRoundResult();
    } else if (m_table && m_roundTournamentId != -1) {
        emit tournamentScoreDialogClosed(m_roundTournamentId, tableId(), m_roundEnded);
    }
}

void GameWindow::onTournamentRoundEnded()
{
    ModelessMsgBox::MsgBox *box = ModelessMsgBox::question(
        this,
        [] {
            return ModelessMsgBox::Texts{tr("Tournament round ended"),
                                         tr("The tournament round has ended, press Ok to go back to lobby")};
        },
        QDialogButtonBox::Ok, QDialogButtonBox::Ok);
    ModelessMsgBox::connectFinished(box, this, [this](int result) {
        if (result == QDialogButtonBox::Ok)
            onLeaveButtonClick();
    });
}

void GameWindow::onTournamentRankings(const TournamentRankings &rankings)
{
    m_roundScoreBoard->setRankings(rankings);
}
