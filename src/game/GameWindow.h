#pragma once

#include "app/ClientText.h"

#include "app/TableInfo.h"
#include "app/TimeSpan.h"
#include "app/TournamentInfo.h"
#include "app/meld.h"
#include "app/tile.h"
#include "connection/GameRecords.h"
#include "connection/TournamentRecords.h"
#include "game/GameModel.h"
#include "game/GameWindowActionQueue.h"
#include "game/TableWindowServices.h"
#include "protocol/enums.h"
#include "table/scene/GameGraphicsScene.h"
#include "table/scene/TableLayoutHost.h"
#include "ui/ModelessMsgBox.h"

#include <QAction>
#include <QColor>
#include <QDateTime>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class ConcealedActionDialog;
class DealStartHandAnimation;
class GameTableLayout;
class MeldAuction;
class Object3DView;
class PlayerInactiveWindow;
class QGraphicsPixmapItem;
class QGraphicsRectItem;
class QGraphicsView;
class RoundScoreBoard;
class ScoreBoard;
class SeatedWindow;
class SideBar;
class TableInviteDialog;
class TileAnimation;
class TileAnimationSource;
class TileAnimationTarget;
class TimerView;
class WaitingForPlayersWindow;
class WashoutWindow;
class WatchingWindow;
class WindView;

namespace Ui {
class GameForm;
}

// The window of one joined or watched table: the table scene in a graphics view, the
// side bar beside it and the table's dialogs over it. Every change of the table's model
// is replayed through the action queue, so that tile moves never overlap.
class GameWindow : public QWidget, public TableLayoutHost
{
    Q_OBJECT
    Q_PROPERTY(QString backgroundAspectMode READ backgroundAspectMode WRITE setBackgroundAspectMode)
    Q_PROPERTY(qreal backgroundScale READ backgroundScale WRITE setBackgroundScale)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)

public:
    static constexpr int DealSlots = 53;
    // The click that activates the window does not discard within this many ms.
    static constexpr qint64 ActivationClickMs = 251;

    GameWindow(const TableInfo &info, qint32 ownPlayerId, const TableWindowServices &services,
               QWidget *ownerWindow = nullptr);
    ~GameWindow() override;

    void setModel(GameModel *model);
    GameModel *model() const { return m_table; }
    const TableInfo &tableInfo() const { return m_tableInfo; }
    qint32 tableId() const { return m_tableInfo.id(); }
    qint32 ownPlayerId() const { return m_ownId; }
    void setCompactLayout(bool compact);
    bool isCompactLayout() const { return m_compact; }

    QString backgroundAspectMode() const;
    void setBackgroundAspectMode(const QString &mode);
    qreal backgroundScale() const { return m_backgroundScale; }
    void setBackgroundScale(qreal scale) { m_backgroundScale = scale; }
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor &color) { m_backgroundColor = color; }

    // Offers and announcements from the server, through the game controller.
    void meldSuggestion(const meld_offer_vector &offers, qint32 discarderId, tile lastDiscard,
                        const TimeSpan &time);
    void concealedMeldSuggestion(const meld_offer_vector &offers, const TimeSpan &time);
    void robTheKongSuggestion(const meld_offer_vector &offers, const TimeSpan &time);
    void replacementMeldSuggestion(const meld_offer_vector &offers, const TimeSpan &time);
    void showTimeout();
    void showEndOfRound(const MonetaryRoundScores &scores);
    void showMahjongDeclared(qint32 playerId, int variant);
    void showMeldDeclared(qint32 playerId, int kind);
    void setPlayerPicture(qint32 playerId, const QPixmap &picture);
    void setPlayersOnlineQuery(int requestId) { m_playersOnlineRequest = requestId; }
    void updateWatchingWindow();

    // The clock of the activation click filter (the current time by default).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    MeldAuction *meldAuction() const { return m_meldAuction; }
    ConcealedActionDialog *concealedActionDialog() const { return m_concealedDialog; }
    SeatedWindow *seatedWindow() const { return m_seated; }
    QWidget *leaveBox() const { return m_leaveBox; }

    // The dialogs shown over the table, but except, and their visible buttons, in the
    // window's coordinates.
    void shownDialogs(std::vector<QRect> &dialogs, std::vector<QRect> &buttons,
                      const QWidget *except = nullptr) const;

    // The seat of a player id; throws std::runtime_error "unknown player id <id>".
    int seatOf(qint32 playerId) const;
    // The player id at a seat, -1 when empty.
    qint32 seatPlayer(int seat) const { return m_seatPlayers[static_cast<size_t>(seat)]; }

    // For the deal and wind animations.
    QGraphicsView *view() const;
    WindView *windMarker(int seat) const { return m_windMarkers[static_cast<size_t>(seat)]; }
    std::array<WindView *, 4> &windMarkers() { return m_windMarkers; }
    std::unique_ptr<TileAnimation> &dealTile(int i) { return m_dealTiles[static_cast<size_t>(i)]; }
    // The wind of seat 0's player, EAST when the seat is empty.
    int ownSeatWind() const;

    GameWindowActionQueue &actionQueue() { return m_queue; }
    SideBar *sideBar() const { return m_sideBar; }
    ScoreBoard *scoreBoard() const { return m_scoreBoard; }
    WashoutWindow *washoutWindow() const { return m_washout; }
    TimerView *turnTimer() const { return m_turnTimer; }
    TimerView *claimTimer() const { return m_claimTimer; }
    QGraphicsPixmapItem *timeoutImage() const { return m_timeoutImage; }
    QGraphicsPixmapItem *furitenImage() const { return m_furitenImage; }
    GameTableLayout *tableLayout() const { return m_layout.get(); }

    // TableLayoutHost
    const TableInfo &layoutTableInfo() const override { return m_tableInfo; }
    QGraphicsScene *layoutScene() const override;
    QRectF viewSceneRect() const override;
    CityView *cityView() const override { return m_city.get(); }
    void replaceCityView(std::unique_ptr<CityView> city) override;
    void refreshCityView() override;
    HandView *handView() const override { return m_hand; }
    HiddenHandView *hiddenHandView(int seat) const override { return m_hidden[static_cast<size_t>(seat)]; }
    DiscardView *discardView(int seat) const override { return m_discards[static_cast<size_t>(seat)]; }
    DeclaredView *declaredView(int seat) const override { return m_declared[static_cast<size_t>(seat)]; }
    PlayerActionView *claimImage(int seat) const override { return m_claims[static_cast<size_t>(seat)]; }
    RiichiStickView *riichiSticks(int seat) const override { return m_sticks[static_cast<size_t>(seat)]; }
    PrevalentWindView *prevalentWindView() const override { return m_prevalent; }
    QPointF seatMarkerPos(int seat) const override { return m_seatMarkers[static_cast<size_t>(seat)]; }
    void setSeatMarkerPos(int seat, const QPointF &pos) override;
    QSizeF windMarkerSize(int seat) const override;
    QSizeF turnTimerSize() const override;
    void moveTurnTimer(const QPointF &scenePos) override;

signals:
    void tableActivity(qint32 tableId, bool active, const TimeSpan &time);
    void tableActivity(qint32 tableId, bool active);
    void tableActivity(qint32 tableId);
    void tournamentScoreDialogClosed(qint32 tournamentId, qint32 tableId, bool roundEnded);
    void clearTimeout(qint32 tableId);
    void leave(qint32 tableId);
    void reactivate(qint32 tableId);
    void join(qint32 tableId);
    void ready(qint32 tableId);
    void discardTile(qint32 tableId, qint32 playerId, tile t);
    void callPass(qint32 tableId, qint32 playerId, bool replacement);
    void callChow(qint32 tableId, qint32 playerId, tile t);
    void callPong(qint32 tableId, qint32 playerId, tile t);
    void callKong(qint32 tableId, qint32 playerId, tile t);
    void callPongToKong(qint32 tableId, qint32 playerId, tile t);
    void callBonus(qint32 tableId, qint32 playerId, tile t);
    void callRiichi(qint32 tableId, qint32 playerId, tile t);
    void callMahjong(qint32 tableId, qint32 playerId);
    void playerAdded(qint32 tableId, qint32 playerId);
    void kickedConfirmed(qint32 tableId);
    void userMenuRequested(const QString &name, const QPoint &globalPos);
    void linkActivated(const QString &link);
    void tableRemovedConfirmed(qint32 tableId);
    void depositFunds();
    void invitePlayers(qint32 tableId, const std::vector<qint32> &players);
    void queryPlayersOnline(qint32 tableId, int kind, const std::vector<qint32> &players);
    // Dialogs over the table were shown or moved.
    void dialogsPlaced();

public slots:
    void reset();

    // Hand flow.
    void onStartHand(bool assignWinds);
    void onGameStateChanged();
    void onTilesFromWall(qint32 playerId, const tile_vector &tiles, bool replacement);
    void onHiddenTilesFromWall(qint32 playerId, qint32 count, bool replacement);
    void onTileDiscarded(qint32 playerId, tile t, bool riichi);
    void onTileClaimed(qint32 discarderId, qint32 playerId);
    void onMeldDeclared(qint32 playerId, const meld_tuple &m);
    void onBonusDeclared(qint32 playerId, const tile_vector &tiles);
    void onKanDora(tile t);
    void onWallStateChanged();
    void onPrivatePlayerData(const PrivatePlayerData &data);
    void onFuritenChanged(bool furiten);
    void onHandEnd(const EndHand &result);

    // Player actions and prompts.
    void onTileClick(tile t, bool highlighted);
    void onClickedOutsideHand();
    void onDefaultAction();
    void onLeaveButtonClick();
    void onReadyButtonClick();
    void onJoinButtonClick();
    void onReactivateButtonClicked();
    void onInviteButtonClick();
    void onRoundScoreCloseClick();
    void onTableInfo(const TableInfo &info);

    void onConcealedRiichiSelected();
    void onConcealedPongToKongSelected();
    void onConcealedKongSelected();
    void onConcealedReplaceFlowerSelected();
    void onConcealedActionCancel();

    void onPlayerShouldAct(qint32 playerId, const TimeSpan &time);
    void onWaitingFor(WaitCondition::enum_t condition, const TimeSpan &time, const std::vector<qint32> &players);
    void onWaitingOver();
    void onMeldSelected(const meld_offer &offer);
    void onPassMeldSelected();
    void onCloseMeldAuction();
    void requestPlayersOnline();
    void onPlayersOnline(int request, const std::vector<qint32> &players);
    void onPlayerSeated(qint32 playerId, qint32 tableId, bool fromGameData);
    void onPlayerUnseated(qint32 playerId);
    void onPlayerLeft(qint32 playerId);
    void onPlayerIsReady(qint32 playerId);
    void onAreYouReady(const TimeSpan &time, bool seatOffered);
    void onActiveChanged(bool active);
    void onPlayerStateChanged(GameModel::player_state_t state);
    void onJoinFailed();
    void hideTimeoutItem();
    void onEndOfTournamentRound(bool roundEnded, const TournamentRoundScores &scores);
    void onTournamentRoundEnded();
    void onTournamentRankings(const TournamentRankings &rankings);
    void onTournamentInfo(const TournamentInfo &info);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void onTileGraphicsChanged();
    void onGameScaleChanged();
    void onShowCube();
    void onCubeUpdate();

private:
    // Every model signal the window follows.
    void followModel(GameModel *model);
    // The seat of a player, or -1 with a warning for an id at no seat.
    int seatOrWarn(qint32 playerId, const char *where) const;
    const PlayerData *seatRecord(int seat) const;
    bool isOwn(qint32 playerId) const { return playerId == m_ownId && m_ownId != -1; }
    bool ownSeated() const;
    const PlayerData *ownRecord() const;
    // The player's row in the side bar; a new row starts with the player's picture.
    void addPlayerRow(const PlayerData &record);
    void showOwnPlate();

    void enqueue(std::function<void()> callback);
    void enqueueAnimation(TileAnimationSource *source, TileAnimationTarget *target, int ms,
                          const tile_vector &tiles);
    void enqueueAnimation(TileAnimationSource *source, TileAnimationTarget *target, int ms, int count);
    void flush();
    // Parents the animation to the window and queues it.
    void enqueueOwned(GameWindowAnimation *animation);

    void relayout(const QSize &size);
    QSize viewSize() const;
    void applyLayout();
    void scaleWindMarkers();
    // The table's dialogs and boxes, for placing one clear of the others.
    std::vector<QWidget *> tableDialogs() const;
    // Shows a dialog raised over the table, never over the side bar, and clear of the
    // dialogs already shown where the table has room. It stays within the table when its
    // contents resize it.
    void showOverTable(QWidget *dialog);
    // Shows a dialog raised and centred over the table; the dialogs shown that it covers
    // move beside it where the table has room for them.
    void showCentredOverTable(QWidget *dialog);
    // The dialogs shown that `dialog` covers move clear of every one where the table has
    // room for them.
    void moveOthersClearOf(const QWidget *dialog);
    enum class FirstPlace { ClearOfOthers, Centred };
    // One of the two, by the first place asked for, the first time a dialog shows; later
    // it shows raised where it was left, within the table.
    void showOverTableOnce(QWidget *dialog, FirstPlace first = FirstPlace::ClearOfOthers);
    // The round's result, due or shown, and the last hand's score board or washout
    // window, shown: the two stand side by side where the table has room for both (the
    // dialogs they cover moving clear where there is room), else the round result
    // waits until that window closes, and the window offers to close for it.
    void placeRoundResult();
    void placeRoundResultBeside(QWidget *board);
    // The board or washout window closed for the round result without the player's
    // word: it comes back when the round result closes.
    void setBoardAside(QWidget *board);
    // Its form's size, or the size it was given when that holds its contents.
    static void fitToContents(QWidget *dialog);
    void raiseOverTable(QWidget *dialog);
    void loadTextImages();
    QString leaveQuestionText() const;
    void placeImages();
    void clearTable();
    void rebuildFromModel();
    // Tells the table's chat that the model's hand started, once a hand.
    void tellHandStarted();
    // A seat nobody holds shows nothing of the player who held it.
    void emptySeat(size_t seat);
    void prepareFirstDraw();
    void hideDealTiles();

    void stopTimers();
    void queueOwnHandRefresh();
    void queueHiddenHandRefresh(int seat, qint32 playerId);
    void queueSeatRefresh(qint32 playerId);
    void markLastDiscard(int seat);
    void highlightPlayer(qint32 playerId);
    void clearHighlights();
    void hideClaims();
    void showClaim(qint32 playerId, int kind, int endKind);
    void updateFuriten();
    void updateInactive();
    void updateWall();
    void playSound(int id);
    void updateOverlays();
    void showTableRemoved();
    // The own turn to discard: a hand in play, the model's turn is the own player's, the
    // hand holds a tile beyond its sets, and no discard of this turn awaits the server's
    // answer. A discard leaves the window only then.
    bool ownDiscardTurn() const;
    // The default action would discard the one tile drawn on the own turn.
    bool defaultActionArmed() const;
    void runDefaultAction();
    // Space in the table window runs the default action, or does nothing, wherever the
    // focus is, in the table's own dialogs too: their buttons keep Return and the mouse.
    // The meld auction takes it with its own default action while it shows, and a dialog
    // of the window around the table (its boxes, chats, pages) while it has the focus.
    bool focusInDialogBeside() const;
    void updateDefaultShortcut();
    void discardPendingTile();
    void chooseConcealed(int kind);
    MeldAuction *newMeldAuction();
    void deleteMeldAuction();
    void startOwnTimers(const TimeSpan &time);
    void placeConcealedDialog();
    void showKickedBox(kick_reason::enum_t reason);
    bool watchingShown() const;
    // Whether the dialog finds a place over the table clear of the last hand's board,
    // the washout window and the round result that are shown.
    bool clearOfResults(QWidget *dialog) const;
    bool scoreBoardReadyVisible() const;
    // The ready button of the score board and of the washout window, or their Close
    // and Ok in its place.
    void setReadyVisible(bool visible);
    void addSystemMessage(const ClientText &text);
    int claimedPosition(qint32 declarerId, qint32 fromId) const;
    void addMeldToView(int seat, qint32 declarerId, const meld_tuple &m);

    std::unique_ptr<Ui::GameForm> m_form;
    QPointer<QWidget> m_ownerWindow;
    TableWindowServices m_services;
    GameGraphicsScene m_scene;
    // Parent of every queued animation: an ended animation waiting for its deferred
    // deletion goes with the window, before the scene whose tiles it holds.
    QObject m_animations;
    std::array<QGraphicsRectItem *, 2> m_shading{};
    QPointer<GameModel> m_table;
    std::unique_ptr<CityView> m_city;
    MeldAuction *m_meldAuction = nullptr;
    ConcealedActionDialog *m_concealedDialog = nullptr;
    ScoreBoard *m_scoreBoard = nullptr;
    WaitingForPlayersWindow *m_waiting = nullptr;
    SeatedWindow *m_seated = nullptr;
    PlayerInactiveWindow *m_inactive = nullptr;
    WatchingWindow *m_watching = nullptr;
    HandView *m_hand = nullptr;
    std::array<DiscardView *, 4> m_discards{};
    std::array<DeclaredView *, 4> m_declared{};
    std::array<WindView *, 4> m_windMarkers{};
    std::array<QPointF, 4> m_seatMarkers{};
    PrevalentWindView *m_prevalent = nullptr;
    std::array<HiddenHandView *, 4> m_hidden{};
    std::array<PlayerActionView *, 4> m_claims{};
    std::array<RiichiStickView *, 4> m_sticks{};
    std::array<qint32, 4> m_seatPlayers{{-1, -1, -1, -1}};
    SideBar *m_sideBar = nullptr;
    WashoutWindow *m_washout = nullptr;
    TimerView *m_turnTimer = nullptr;
    TimerView *m_claimTimer = nullptr;
    QPointer<ModelessMsgBox::MsgBox> m_leaveBox;
    TableInviteDialog *m_inviteDialog = nullptr;
    std::unique_ptr<GameTableLayout> m_layout;
    // The table area the dialogs were placed in. A page resized while hidden gets its
    // resize event without the old size; this one is known.
    QSize m_dialogArea;
    // Set while a resize of the window moves the dialogs to their relative places: a
    // dialog resized meanwhile is kept within the table afterwards, not from the old place.
    bool m_keepingPlaces = false;
    bool m_compact = false;
    int m_backgroundAspectMode = 0;
    double m_backgroundScale = 1.0;
    QColor m_backgroundColor;
    meld_offer_vector m_offers;
    qint32 m_pendingConcealedKind = 0;
    bool m_predictedDiscard = false;
    tile m_predictedTile;
    qint32 m_ownId;
    TableInfo m_tableInfo;
    RoundScoreBoard *m_roundScoreBoard = nullptr;
    bool m_roundEnded = false;
    // The round result waits for the last hand's board or washout window to close.
    bool m_roundResultWaiting = false;
    QWidget *m_boardAside = nullptr;
    qint32 m_roundTournamentId = -1;
    bool m_discardSeen = false;
    bool m_dealDone = false;
    std::array<std::unique_ptr<TileAnimation>, DealSlots> m_dealTiles;
    QGraphicsPixmapItem *m_timeoutImage = nullptr;
    QGraphicsPixmapItem *m_furitenImage = nullptr;
    Object3DView *m_cube = nullptr;
    QTimer m_cubeTimer;
    QAction m_cubeAction;
    bool m_handStart = true;
    // The hand whose start the table's chat has told, -1 none.
    qint64 m_handStartTold = -1;
    int m_playersOnlineRequest = -1;
    QShortcut m_defaultShortcut;
    QDateTime m_activationTime;
    std::function<QDateTime()> m_clock;
    // The action queue goes first when the window is destroyed, so that no queued
    // animation outlives the views it moves tiles between.
    GameWindowActionQueue m_queue;
};
