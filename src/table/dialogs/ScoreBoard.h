#pragma once

#include "app/TableValue.h"
#include "connection/GameRecords.h"
#include "table/scene/DeclaredView.h"
#include "ui/MahjongDialog.h"

#include <QGraphicsScene>
#include <QPixmap>
#include <QString>

#include <array>
#include <memory>
#include <vector>

class QDateTime;
class QGraphicsView;
class TableInfo;

namespace Ui {
class ScoreBoard;
}

// The end-of-hand score board: for up to four players their picture, name and claim
// picture, hand-score and settlement tables, each hand drawn with tiles, the dora and
// ura-dora indicators, and the countdown to the next hand with Ready, Close and Leave.
// It shows what the server sent and computes nothing.
class ScoreBoard : public MahjongDialog
{
    Q_OBJECT

public:
    // One row of tiles in a scene of its own, drawn with the base tile images so that
    // the board's tiles do not follow the table's game scale.
    struct TileScene
    {
        TileScene();
        ~TileScene();
        QGraphicsScene scene;
        DeclaredView view;
    };

    explicit ScoreBoard(QWidget *parent = nullptr);
    ~ScoreBoard() override;

    void setEndHand(const EndHand &endHand, qint32 ownPlayerId, const TableInfo &tableInfo);
    void clearPlayerPictures();
    void setPlayerPicture(qint32 playerId, const QPixmap &picture);
    void startCountdown(const QDateTime &deadline);
    void stopCountdown();
    void setReadyVisible(bool visible);

    // The HTML tables of one player's row.
    static QString handScoreHtml(const EndHandPlayer &row, qint32 rulesetId);
    static QString settlementHtml(const EndHandPlayer &row, bool paymentFlag);
    static QPixmap claimPixmap(int rulesetId, const EndHandPlayer &row, int endKind);
    static QString handTabTitle(const std::vector<EndHandPlayer> &rows, int index);
    // Whether the player's score table has a line to show under the rule set.
    static bool hasScores(const EndHandPlayer &player, qint32 rulesetId);

    // Selects the tab of a player's column; without one (or -1), the first tab shown.
    void showPlayerTab(qint32 playerId);
    void refreshTileViews();

    const std::vector<qint32> &columnPlayerIds() const { return m_columnIds; }
    const TileScene &handScene(int column) const { return m_handScenes[size_t(column)]; }
    const TileScene &doraScene() const { return m_doraScene; }
    const TileScene &uraDoraScene() const { return m_uraDoraScene; }

signals:
    void closeClicked();
    void readyClicked();
    void leaveClicked();

public slots:
    void onCloseClick();
    void onReadyClick();
    void onLeaveClick();
    void onTileGraphicsChanged();

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitViews();
    void applyResultTexts();
    // The claim pictures and the score and settlement tables of the shown rows.
    void applyScores();
    std::array<QGraphicsView *, 6> views() const;
    std::array<TileScene *, 6> scenes();

    std::unique_ptr<Ui::ScoreBoard> m_ui;
    std::array<TileScene, 4> m_handScenes;
    std::vector<qint32> m_columnIds;
    TileScene m_doraScene;
    TileScene m_uraDoraScene;
    // What the texts and pictures of the last hand end are made from, for a language change.
    std::vector<EndHandPlayer> m_rows;
    int m_rulesetId = -1;
    int m_endKind = 0;
    int m_gameType = -1;
    bool m_gameEnds = false;
    TableValue m_value;
};
