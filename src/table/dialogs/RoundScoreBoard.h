#pragma once

#include "app/TableInfo.h"
#include "app/TournamentInfo.h"
#include "connection/GameRecords.h"
#include "connection/TournamentRecords.h"

#include <QFrame>
#include <QPoint>
#include <QPointer>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class LocalizationDb;
class PlayerDb;
class RoundScoreWidget;

namespace Ui {
class RoundScoreBoard;
}

// The scores of a finished round over the table, one row per player, best first: a
// tournament round's results and tournament points, or a money table's balances. It is
// dragged by its title and hidden with its close button.
class RoundScoreBoard : public QFrame
{
    Q_OBJECT

public:
    static constexpr int RowX = 11;
    static constexpr int FirstRowY = 55;
    static constexpr int RowStep = 95;
    static constexpr int RowWidth = 334;
    static constexpr int RowHeight = 94;

    RoundScoreBoard(QWidget *parent, PlayerDb *players, LocalizationDb *tableNames);
    ~RoundScoreBoard() override;

    void setTournament(const TournamentInfo &info);
    void setTable(const TableInfo &info);
    void setRoundScores(const TournamentRoundScores &scores);
    void setRoundResults(const MonetaryRoundScores &results);
    void setRankings(const TournamentRankings &rankings);

    // The rows in display order.
    const std::vector<RoundScoreWidget *> &rows() const { return m_rows; }

signals:
    void closeClick();

public slots:
    void onCloseClick();
    void onPlayerNameUpdate(qint32 id, const QString &name);
    void onPlayerPictureUpdate(qint32 id);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The title and round line of the tournament or table shown, in the current language.
    void applyTitle();
    void clearRows();
    RoundScoreWidget *addRow(qint32 playerId, int mode, qint32 mahjongPoints, qint64 roundResult);
    void layoutRows();

    std::unique_ptr<Ui::RoundScoreBoard> m_ui;
    QPointer<PlayerDb> m_players;
    std::vector<RoundScoreWidget *> m_rows;
    std::map<qint32, RoundScoreWidget *> m_rowsByPlayer;
    bool m_dragging = false;
    QPoint m_pressPoint;
    LocalizationDb *m_tableNames;
    std::optional<TournamentInfo> m_tournament;
    std::optional<TableInfo> m_table;
};
