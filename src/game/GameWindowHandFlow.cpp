// The table window's replay of a hand: hand start, draws, discards, claims, melds,
// bonus tiles, the wall, the rebuild from the model and the hand's end.
#include "game/GameWindow.h"

#include "app/RulesetInfo.h"
#include "app/startup/GameSounds.h"
#include "app/wind.h"
#include "connection/PlayerDb.h"
#include "game/AssignWindAnimation.h"
#include "game/DealStartHandAnimation.h"
#include "game/GameWindowHelpers.h"
#include "table/dialogs/ConcealedActionDialog.h"
#include "table/dialogs/MeldAuction.h"
#include "table/dialogs/PlayerInactiveWindow.h"
#include "table/dialogs/RoundScoreBoard.h"
#include "table/dialogs/ScoreBoard.h"
#include "table/dialogs/SeatedWindow.h"
#include "table/dialogs/TableInviteDialog.h"
#include "table/dialogs/WaitingForPlayersWindow.h"
#include "table/dialogs/WashoutWindow.h"
#include "table/scene/CityView.h"
#include "table/scene/DeclaredView.h"
#include "table/scene/DiscardView.h"
#include "table/scene/HandView.h"
#include "table/scene/HiddenHandView.h"
#include "table/scene/PlayerActionView.h"
#include "table/scene/RiichiStickView.h"
#include "table/scene/TileAnimation.h"
#include "table/scene/TileView.h"
#include "table/scene/WindView.h"
#include "table/sidebar/SideBar.h"
#include "table/sidebar/TimerView.h"

#include <QApplication>
#include <QGraphicsPixmapItem>
#include <QSettings>
#include <QtDebug>

#include <memory>
#include <utility>
#include <stdexcept>
#include <vector>

using namespace GameWindowHelpers;

namespace {

QDebug operator<<(QDebug debug, tile t)
{
    return debug << tileToString(t).c_str();
}

int nextWind(int w)
{
    if (w < EAST || w > NORTH)
        throw std::runtime_error("invalid wind");
    return (w + 1) % 4;
}

} // namespace

// ---- shared steps ----------------------------------------------------------------------

void GameWindow::playSound(int id)
{
    if (isVisible())
        GameSounds::instance().play(id, 0);
}

void GameWindow::addSystemMessage(const ClientText &text)
{
    m_sideBar->addSystemMessage(text);
}

void GameWindow::stopTimers()
{
    m_sideBar->clearTimers();
    m_turnTimer->setTimeSpan(TimeSpan());
    enqueue([this] {
        m_claimTimer->setTimeSpan(TimeSpan());
        m_claimTimer->hide();
    });
    if (m_table)
        emit clearTimeout(tableId());
}

void GameWindow::queueOwnHandRefresh()
{
    const PlayerData *own = ownRecord();
    if (!own)
        return;
    // The hand holds the pending tiles too; they alone are marked.
    auto hand = std::make_shared<tile_vector>(own->hand());
    auto pending = std::make_shared<tile_vector>(own->pendingTiles());
    enqueue([this, hand, pending] { m_hand->setTiles(*hand, *pending); });
}

void GameWindow::queueHiddenHandRefresh(int seat, qint32 playerId)
{
    const PlayerData *record = m_table ? m_table->findPlayer(playerId) : nullptr;
    if (!record || seat < 0)
        return;
    const unsigned count = static_cast<unsigned>(record->hiddenTileCount());
    HiddenHandView *hidden = m_hidden[static_cast<size_t>(seat)];
    enqueue([hidden, count] { hidden->setTileCount(count); });
}

void GameWindow::queueSeatRefresh(qint32 playerId)
{
    if (isOwn(playerId) && ownSeated())
        queueOwnHandRefresh();
    else if (const int seat = seatOrWarn(playerId, "hand refresh"); seat >= 0)
        queueHiddenHandRefresh(seat, playerId);
}

void GameWindow::markLastDiscard(int seat)
{
    playSound(SoundDiscard);
    for (int i = 0; i < 4; ++i)
        m_discards[static_cast<size_t>(i)]->setNewestMarked(i == seat);
    placeImages();
}

void GameWindow::highlightPlayer(qint32 playerId)
{
    m_sideBar->setActivePlayer(playerId);
    for (size_t seat = 0; seat < 4; ++seat)
        if (m_seatPlayers[seat] != -1)
            m_windMarkers[seat]->setGlowing(m_seatPlayers[seat] == playerId);
}

void GameWindow::clearHighlights()
{
    m_sideBar->clearHighlights();
    for (size_t seat = 0; seat < 4; ++seat)
        if (m_seatPlayers[seat] != -1)
            m_windMarkers[seat]->setGlowing(false);
}

void GameWindow::hideClaims()
{
    m_sideBar->hideClaims();
    for (PlayerActionView *claim : m_claims)
        claim->hide();
}

void GameWindow::showClaim(qint32 playerId, int kind, int endKind)
{
    m_sideBar->showPlayerClaim(playerId, kind, endKind);
    const int seat = seatOrWarn(playerId, "claim image");
    if (seat < 0)
        return;
    PlayerActionView *claim = m_claims[static_cast<size_t>(seat)];
    claim->setAction(kind, endKind);
    claim->show();
}

void GameWindow::updateFuriten()
{
    placeImages();
    const PlayerData *own = ownRecord();
    m_furitenImage->setVisible(own && own->isFuriten() && !m_timeoutImage->isVisible());
}

void GameWindow::updateInactive()
{
    const PlayerData *own = ownRecord();
    if (own && ownSeated() && !own->isActive()) {
        showOverTable(m_inactive);
    } else {
        m_inactive->hide();
    }
}

void GameWindow::updateWall()
{
    if (!m_city)
        return;
    if (!m_table) {
        m_city->setWall(EAST, 0, 0, 0, 0, {});
        return;
    }
    m_city->setWall(ownSeatWind(), m_table->liveTiles(), m_table->deadWallTiles(), m_table->deadWallPosition(),
                    m_table->deadWallTilesDealt(), m_table->doraTiles());
}

int GameWindow::claimedPosition(qint32 declarerId, qint32 fromId) const
{
    const PlayerData *declarer = m_table ? m_table->findPlayer(declarerId) : nullptr;
    const PlayerData *from = m_table ? m_table->findPlayer(fromId) : nullptr;
    if (!declarer || !from)
        return -1;
    const int position = ((declarer->wind() - from->wind() - 1) % 4 + 4) % 4;
    return position == 3 ? -1 : position;
}

void GameWindow::addMeldToView(int seat, qint32 declarerId, const meld_tuple &m)
{
    DeclaredView *declared = m_declared[static_cast<size_t>(seat)];
    if (m.kind == BONUS) {
        declared->addBonusTile(m.baseTile);
        return;
    }
    declared->addMeld(m.kind, m.baseTile, claimedPosition(declarerId, m.claimedFrom), m.claimedOffset,
                      m.concealed, 0);
}

// ---- clearing and the rebuild ----------------------------------------------------------

void GameWindow::hideDealTiles()
{
    for (auto &slot : m_dealTiles)
        if (slot && slot->tileItem())
            slot->tileItem()->hide();
}

void GameWindow::clearTable()
{
    m_queue.clear();
    m_predictedDiscard = false;
    m_pendingConcealedKind = 0;
    for (size_t seat = 0; seat < 4; ++seat) {
        m_discards[seat]->clear();
        m_declared[seat]->clear();
        m_hidden[seat]->setTileCount(0);
        m_windMarkers[seat]->hide();
        m_sticks[seat]->setCount(0);
    }
    m_sideBar->clearTimers();
    m_turnTimer->setTimeSpan(TimeSpan());
    m_claimTimer->setTimeSpan(TimeSpan());
    m_claimTimer->hide();
    clearHighlights();
    hideClaims();
    m_hand->clearTiles();
    updateWall();
    m_roundResultWaiting = false;
    m_boardAside = nullptr;
    m_scoreBoard->hide();
    m_washout->hide();
    m_roundScoreBoard->hide();
    delete std::exchange(m_meldAuction, nullptr);
    updateDefaultShortcut();
    m_concealedDialog->hide();
    m_seated->hide();
    m_waiting->hide();
    m_inviteDialog->hide();
    m_handStart = true;
    m_sideBar->updateStickCounts();
    updateFuriten();
    updateInactive();
}

void GameWindow::reset()
{
    clearTable();
    m_sideBar->reset();
}

void GameWindow::rebuildFromModel()
{
    flush();
    if (!m_table)
        return;
    const PlayerData *first = nullptr;
    int startWind = EAST;
    if (ownSeated()) {
        qInfo() << "WE ARE SEATED";
        first = ownRecord();
        m_hidden[BOTTOM]->hide();
        m_hand->show();
        m_hand->setTiles(first->hand(), first->pendingTiles());
        m_turnTimer->show();
        m_turnTimer->raise();
        startWind = first->wind();
    } else {
        qInfo() << "WE ARE OBSERVING";
        first = m_table->playerByWind(EAST);
        m_hand->hide();
        m_hidden[BOTTOM]->show();
        if (first)
            m_hidden[BOTTOM]->setTileCount(static_cast<unsigned>(first->hiddenTileCount()));
        m_turnTimer->hide();
    }
    m_seatPlayers[BOTTOM] = first ? first->id() : -1;
    int w = startWind;
    for (size_t seat = 1; seat < 4; ++seat) {
        w = nextWind(w);
        const PlayerData *record = m_table->playerByWind(w);
        m_seatPlayers[seat] = record ? record->id() : -1;
    }

    m_prevalent->setWind(m_table->prevalentWind());
    m_prevalent->show();
    m_sideBar->setWindRound(m_table->prevalentWind() + 1);

    for (size_t seat = 0; seat < 4; ++seat) {
        const int o = static_cast<int>(seat);
        m_declared[seat]->clear();
        m_claims[seat]->hide();
        m_windMarkers[seat]->setGlowing(false);
        const PlayerData *record = seatRecord(o);
        if (!record) {
            qInfo() << seatName(o) << "is free";
            emptySeat(seat);
            continue;
        }
        m_windMarkers[seat]->show();
        qInfo() << record->name() << windName(record->wind()) << seatName(o);
        m_discards[seat]->show();
        m_discards[seat]->setDiscards(record->discards(), record->riichiDiscardIndex());
        m_windMarkers[seat]->setWind(record->wind());
        if (seat != BOTTOM || !ownSeated())
            m_hidden[seat]->setTileCount(static_cast<unsigned>(record->hiddenTileCount()));
        m_sideBar->setPlayerWind(record->id(), record->wind());
        m_declared[seat]->clear();
        for (const meld_tuple &m : record->melds()) {
            if (m.kind == BONUS) {
                m_declared[seat]->addBonusTile(m.baseTile);
                continue;
            }
            if (meldTiles(m.kind, m.baseTile).empty()) {
                qWarning() << "table" << tableId() << "skips a meld of kind" << m.kind;
                continue;
            }
            addMeldToView(o, record->id(), m);
        }
        m_sticks[seat]->setCount(record->riichiDiscardIndex() != -1 ? 1 : 0);
    }
    m_sideBar->updateStickCounts();
    updateWall();
    updateFuriten();
    updateInactive();
}

void GameWindow::emptySeat(size_t seat)
{
    m_declared[seat]->clear();
    m_claims[seat]->hide();
    m_windMarkers[seat]->setGlowing(false);
    m_windMarkers[seat]->hide();
    m_hidden[seat]->setTileCount(0);
    m_discards[seat]->hide();
    m_sticks[seat]->setCount(0);
}

void GameWindow::tellHandStarted()
{
    if (!m_table || m_table->handId() == m_handStartTold)
        return;
    m_handStartTold = m_table->handId();
    addSystemMessage(ClientText("GameWindow", QT_TR_NOOP("Hand started")));
}

// ---- hand start --------------------------------------------------------------------------

void GameWindow::onStartHand(bool assignWinds)
{
    m_discardSeen = false;
    m_dealDone = false;
    m_pendingConcealedKind = 0;
    m_predictedDiscard = false;
    if (m_table) {
        for (size_t seat = 0; seat < 4; ++seat)
            if (const PlayerData *record = seatRecord(static_cast<int>(seat)))
                addPlayerRow(*record);
    }
    m_inviteDialog->hide();
    m_handStart = true;
    m_sideBar->clearReady();
    clearHighlights();
    updateFuriten();
    updateInactive();
    if (m_table) {
        m_sideBar->setWindsVisible(true);
        m_sideBar->setWindRound(m_table->prevalentWind() + 1);
    }
    m_scoreBoard->stopCountdown();
    m_washout->stopCountdown();

    const int players = m_table ? static_cast<int>(m_table->players().size()) : 0;
    if (assignWinds) {
        enqueueOwned(new AssignWindAnimation(this));
        enqueue([this] { playSound(SoundStart); });
    }
    if (players >= 2 && players <= 4)
        enqueueOwned(new DealStartHandAnimation(this));
    else
        qWarning() << "table" << tableId() << "starts a hand with" << players << "players: no deal shown";
    if (!assignWinds)
        playSound(SoundStart);
    if (ownSeated())
        QApplication::alert(this, 3000);
    enqueue([this] {
        if (QSettings().value(QStringLiteral("game/autoPopdownScoreDialog"), false).toBool()) {
            m_scoreBoard->hide();
            m_washout->hide();
            m_roundScoreBoard->hide();
        }
        tellHandStarted();
    });
    emit tableActivity(tableId(), true, TimeSpan());
}

// ---- draws ---------------------------------------------------------------------------------

void GameWindow::prepareFirstDraw()
{
    flush();
    m_dealDone = true;
    hideDealTiles();
    for (size_t seat = 0; seat < 4; ++seat) {
        const qint32 id = m_seatPlayers[seat];
        if (id == -1)
            continue;
        if (seat == BOTTOM && ownSeated())
            queueOwnHandRefresh();
        else
            queueHiddenHandRefresh(static_cast<int>(seat), id);
    }
    enqueue([this] { updateWall(); });
}

void GameWindow::onTilesFromWall(qint32 playerId, const tile_vector &tiles, bool replacement)
{
    if (tiles.size() == 13)
        return;
    const bool first = !m_dealDone;
    if (first)
        prepareFirstDraw();
    m_timeoutImage->hide();
    updateFuriten();
    if (m_discardSeen)
        highlightPlayer(playerId);
    if (first || !m_city)
        return;
    stopTimers();
    enqueueAnimation(m_city->animationSource(replacement), m_hand->asAnimationTarget(), 500, tiles);
}

void GameWindow::onHiddenTilesFromWall(qint32 playerId, qint32 count, bool replacement)
{
    if (count == 13)
        return;
    const bool first = !m_dealDone;
    if (first)
        prepareFirstDraw();
    if (m_discardSeen)
        highlightPlayer(playerId);
    if (first || !m_city)
        return;
    stopTimers();
    const int seat = seatOrWarn(playerId, "hidden draw");
    if (seat < 0)
        return;
    enqueueAnimation(m_city->animationSource(replacement), m_hidden[static_cast<size_t>(seat)], 500, count);
}

// ---- discards and claims ----------------------------------------------------------------

void GameWindow::onTileDiscarded(qint32 playerId, tile t, bool riichi)
{
    m_discardSeen = true;
    stopTimers();
    clearHighlights();
    hideClaims();
    const int seat = seatOrWarn(playerId, "discard");
    if (seat < 0)
        return;
    const size_t s = static_cast<size_t>(seat);
    const bool own = isOwn(playerId) && seat == BOTTOM;
    if (own) {
        qInfo() << "player" << playerId << "got discard" << t;
        m_hand->setTilesSelectable(false);
    }
    if (riichi) {
        showClaim(playerId, RIICHI, 0);
        for (size_t i = 0; i < 4; ++i) {
            const PlayerData *record = seatRecord(static_cast<int>(i));
            m_sticks[i]->setCount(record && record->riichiDiscardIndex() != -1 ? 1 : 0);
        }
        if (const PlayerData *record = m_table ? m_table->findPlayer(playerId) : nullptr)
            m_sideBar->setPlayerPoints(playerId, record->score());
        m_sideBar->updateStickCounts();
    }
    DiscardView *discards = m_discards[s];
    if (own && m_predictedDiscard) {
        m_predictedDiscard = false;
        if (m_predictedTile == t) {
            if (riichi)
                enqueue([discards] { discards->turnNewestForRiichi(); });
            return;
        }
        enqueueAnimation(discards, m_hand->asAnimationTarget(), 300, tile_vector{m_predictedTile});
    }
    if (riichi)
        enqueue([discards] { discards->markNextForRiichi(); });
    if (own)
        enqueueAnimation(m_hand->animationSource(true), discards, 300, tile_vector{t});
    else
        enqueueAnimation(m_hidden[s], discards, 300, tile_vector{t});
    enqueue([this, seat] { markLastDiscard(seat); });
    queueSeatRefresh(playerId);
    if (own)
        emit tableActivity(tableId(), false, TimeSpan());
}

void GameWindow::onTileClaimed(qint32 discarderId, qint32 playerId)
{
    const int from = seatOrWarn(discarderId, "claim from");
    const int to = seatOrWarn(playerId, "claim by");
    if (from < 0 || to < 0 || !m_table)
        return;
    const bool own = isOwn(playerId) && to == BOTTOM;
    TileAnimationTarget *target =
        own ? m_hand->asAnimationTarget() : static_cast<TileAnimationTarget *>(m_hidden[static_cast<size_t>(to)]);
    enqueueAnimation(m_discards[static_cast<size_t>(from)], target, 300, tile_vector{m_table->lastDiscardedTile()});
    queueSeatRefresh(playerId);
}

void GameWindow::onMeldDeclared(qint32 playerId, const meld_tuple &m)
{
    stopTimers();
    const tile_vector tiles = meldTiles(m.kind, m.baseTile);
    if (tiles.empty()) {
        qWarning() << "table" << tableId() << "can't create view for unhandled meld-type" << m.kind;
        return;
    }
    const int seat = seatOrWarn(playerId, "meld");
    if (seat < 0)
        return;
    const size_t s = static_cast<size_t>(seat);
    const bool own = isOwn(playerId) && seat == BOTTOM;
    if (own)
        enqueueAnimation(m_hand->animationSource(true), m_declared[s], 300, tiles);
    else if (m.concealed == meld_tuple::FaceDown)
        enqueueAnimation(m_hidden[s], m_declared[s], 300, static_cast<int>(tiles.size()));
    else
        enqueueAnimation(m_hidden[s], m_declared[s], 300, tiles);
    const int position = claimedPosition(playerId, m.claimedFrom);
    DeclaredView *declared = m_declared[s];
    enqueue([declared, m, position] {
        declared->addMeld(m.kind, m.baseTile, position, m.claimedOffset, m.concealed, 0);
        if (m.kind == CHOW || m.kind == PONG || m.kind == KONG || m.kind == MAHJONG)
            GameSounds::instance().playMeldSound(m.kind);
    });
    queueSeatRefresh(playerId);
    if (m.kind == CHOW || m.kind == PONG || m.kind == KONG || m.kind == MAHJONG) {
        hideClaims();
        showClaim(playerId, m.kind, 0);
    }
    if (own)
        emit tableActivity(tableId(), false, TimeSpan());
}

void GameWindow::onBonusDeclared(qint32 playerId, const tile_vector &tiles)
{
    const int seat = seatOrWarn(playerId, "bonus");
    if (seat < 0)
        return;
    const size_t s = static_cast<size_t>(seat);
    const bool own = isOwn(playerId) && seat == BOTTOM;
    TileAnimationSource *source =
        own ? m_hand->animationSource(true) : static_cast<TileAnimationSource *>(m_hidden[s]);
    enqueueAnimation(source, m_declared[s], 300, tiles);
    auto shared = std::make_shared<tile_vector>(tiles);
    DeclaredView *declared = m_declared[s];
    enqueue([declared, shared] {
        for (const tile t : *shared)
            declared->addBonusTile(t);
    });
    queueSeatRefresh(playerId);
    if (own)
        emit tableActivity(tableId(), false, TimeSpan());
}

// ---- wall and private data -----------------------------------------------------------------

void GameWindow::onKanDora(tile t)
{
    enqueue([this, t] {
        if (m_city)
            m_city->addDoraIndicator(t);
    });
}

void GameWindow::onWallStateChanged()
{
    enqueue([this] { updateWall(); });
}

void GameWindow::onPrivatePlayerData(const PrivatePlayerData &data)
{
    const PlayerData *own = ownRecord();
    m_hand->setTiles(data.concealed, own ? own->pendingTiles() : tile_vector());
    updateFuriten();
    updateInactive();
    m_sideBar->setTableChatActive(true);
}

void GameWindow::onFuritenChanged(bool)
{
    updateFuriten();
}

// ---- game state and hand end -----------------------------------------------------------------

bool GameWindow::scoreBoardReadyVisible() const
{
    return m_table && ownSeated() && m_table->gameState() != GameModel::HAND_IN_PLAY &&
           m_tableInfo.storedGameType() != TableInfo::TOURNAMENT;
}

void GameWindow::setReadyVisible(bool visible)
{
    m_scoreBoard->setReadyVisible(visible);
    m_washout->setReadyVisible(visible);
}

void GameWindow::onGameStateChanged()
{
    if (m_table)
        setReadyVisible(scoreBoardReadyVisible());
    const int state = m_table ? m_table->gameState() : 0;
    m_sideBar->setScoresVisible(state != GameModel::NOTHING_KNOWN && state != GameModel::BETWEEN_HANDS);
    if (state == GameModel::HAND_OVER || state == GameModel::ROUND_OVER || state == GameModel::TABLE_REMOVED) {
        clearHighlights();
        stopTimers();
        flush();
    }
    if (state == GameModel::TABLE_REMOVED)
        showTableRemoved();
    if (state == GameModel::HAND_IN_PLAY) {
        rebuildFromModel();
        m_sideBar->clearReady();
        m_sideBar->setWindsVisible(true);
        // A hand joined from the table's snapshot (again after leaving it, or after a lost
        // connection) started before this window heard of it: its start is told now; a
        // dealt hand tells it after its deal.
        if (m_table && !m_table->isDealing())
            tellHandStarted();
    }
    if (m_table)
        m_sideBar->setHandId(m_table->handId());
    showOwnPlate();
    updateOverlays();
}

void GameWindow::onHandEnd(const EndHand &result)
{
    if (!m_table) {
        qWarning() << "m_table not set";
        return;
    }
    const bool mahjong = result.endKind >= EndHand::Mahjong && result.endKind <= EndHand::Tsumo;
    if (!mahjong) {
        addSystemMessage(ClientText("GameWindow", QT_TR_NOOP("Hand ended in washout!")));
    } else {
        std::vector<ClientText> names;
        for (const auto &row : result.players) {
            if (row.second.result != EndHandPlayer::Won)
                continue;
            const PlayerData *record = m_table->findPlayer(row.first);
            QString name = record ? record->name() : row.second.name;
            if (name.isEmpty() && m_services.players)
                name = m_services.players->playerName(row.first, true);
            names.push_back(ClientText::words(name));
        }
        switch (names.size()) {
        case 1:
            addSystemMessage(ClientText("GameWindow", QT_TR_NOOP("%1 declared mahjong!")).arg(names[0]));
            break;
        case 2:
            addSystemMessage(
                ClientText("GameWindow", QT_TR_NOOP("%1 and %2 declared mahjong!")).arg(names[0], names[1]));
            break;
        case 3:
            addSystemMessage(ClientText("GameWindow", QT_TR_NOOP("%1, %2 and %3 declared mahjong!"))
                                 .arg(names[0], names[1], names[2]));
            break;
        case 0:
            qWarning() << "Hand ended in mahjong, but no player declared mahjong!";
            addSystemMessage(ClientText());
            break;
        default:
            qWarning() << "more than 3 mahjong declarers!";
            addSystemMessage(ClientText());
            break;
        }
    }
    playSound(mahjong ? SoundMahjong : SoundWashout);
    // A single-hand table's plates count the wins the model has counted with this hand.
    for (const auto &row : result.players) {
        if (const PlayerData *record = m_table->findPlayer(row.first))
            m_sideBar->setPlayerWins(row.first, record->roundScore());
    }
    if (result.gameEnds)
        m_sideBar->setWindRound(-1);

    bool board = mahjong;
    if (!board && m_tableInfo.storedGameType() != TableInfo::SINGLE_HAND) {
        const bool riichi = m_tableInfo.rulesetInfo().isRiichi();
        for (const auto &row : result.players) {
            const EndHandPlayer &p = row.second;
            if (p.settlement > 0 || p.payment > 0 || (riichi && p.result == EndHandPlayer::ReadyHand))
                board = true;
        }
    }
    if (board) {
        m_washout->hide();
        hideClaims();
        for (const auto &row : result.players) {
            if (row.second.result == EndHandPlayer::Won)
                showClaim(row.first, MAHJONG, result.endKind);
            m_sideBar->setPlayerPoints(row.first, row.second.currentScore);
        }
        m_scoreBoard->setEndHand(result, m_ownId, m_tableInfo);
        m_scoreBoard->clearPlayerPictures();
        if (m_services.players)
            for (const auto &row : result.players)
                m_scoreBoard->setPlayerPicture(row.first, m_services.players->picture(row.first, true));
        m_scoreBoard->stopCountdown();
        showOverTableOnce(m_scoreBoard, FirstPlace::Centred);
    } else {
        m_scoreBoard->hide();
        m_washout->stopCountdown();
        m_washout->setReason(result.endKind);
        m_washout->setShowPlayPrice(result.gameEnds);
        showOverTableOnce(m_washout, FirstPlace::Centred);
    }
    placeRoundResult();
    emit tableActivity(tableId(), true, TimeSpan());
}
