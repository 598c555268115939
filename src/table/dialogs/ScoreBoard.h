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
class QTextEdit;
class TableInfo;

namespace Ui {
class ScoreBoard;
}

// The end-of-hand score board: for up to four players their picture, name and claim
// picture, hand-score and settlement tables, each hand drawn with tiles, the dora and
// ura-dora indicators, and the countdown to the next hand with Ready, Close and Leave.
// Where the round's result waits for the board to close, the board offers to stand
// aside for it without the player's word to go on. It shows what the server sent and
// computes nothing.
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
    // Whether the round's result waits for the board: with the ready button shown, the
    // board offers to close for it.
    void setRoundResultOffered(bool offered);

    // The HTML tables of one player's row.
    static QString handScoreHtml(const EndHandPlayer &row, qint32 rulesetId);
    // The same lines for a wide table: its sections in two tables side by side, the
    // first sections on the left, as evenly tall as whole sections allow.
    static QString handScoreColumnsHtml(const EndHandPlayer &row, qint32 rulesetId);
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
    void roundResultClicked();
    void leaveClicked();

public slots:
    void onCloseClick();
    void onReadyClick();
    void onRoundResultClick();
    void onLeaveClick();
    void onTileGraphicsChanged();

protected:
    void changeEvent(QEvent *event) override;
    // Arranges the hand-score tables again when their boxes change size.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One section of a hand-score table (a title, its lines, a total, a spacer) and its
    // number of rows.
    struct ScoreSection
    {
        QString html;
        int rows = 0;
    };
    static std::vector<ScoreSection> handScoreSections(const EndHandPlayer &row, qint32 rulesetId);

    void fitViews();
    void applyButtons();
    void applyResultTexts();
    // The claim pictures and the score and settlement tables of the shown rows.
    void applyScores();
    // Each hand-score table in its own column while it reads whole there. Where one does
    // not (a small board), the hand tabs give the tables the height their tiles do not
    // need and the countdown stands beside the buttons; if that is not enough, a table
    // spreads over the columns beside it that show none, its sections side by side.
    // With refill every table is filled again, else those whose place changed.
    void arrangeScoreTables(bool refill);
    void placeScoreTables(const std::array<int, 4> &spans, bool tight);
    // Whether every hand-score table shown reads whole in its box.
    bool scoreTablesFit() const;
    // The hand tabs' height that shows their tiles whole, at most the full height.
    int handTabsHeightNeeded() const;
    std::array<QTextEdit *, 4> scoreBoxes() const;
    std::array<QGraphicsView *, 6> views() const;
    std::array<TileScene *, 6> scenes();

    std::unique_ptr<Ui::ScoreBoard> m_ui;
    std::array<TileScene, 4> m_handScenes;
    std::vector<qint32> m_columnIds;
    // How many columns each hand-score table takes.
    std::array<int, 4> m_scoreSpans{{1, 1, 1, 1}};
    bool m_arranging = false;
    TileScene m_doraScene;
    TileScene m_uraDoraScene;
    // What the texts and pictures of the last hand end are made from, for a language change.
    std::vector<EndHandPlayer> m_rows;
    int m_rulesetId = -1;
    int m_endKind = 0;
    int m_gameType = -1;
    bool m_gameEnds = false;
    bool m_readyVisible = true;
    bool m_roundResultOffered = false;
    TableValue m_value;
};
