#include "table/dialogs/RoundScoreBoard.h"

#include "ui_RoundScoreBoard.h"

#include "app/TableInfo.h"
#include "app/TournamentInfo.h"
#include "app/Utils.h"
#include "connection/PlayerDb.h"
#include "lobby/LocalizationDb.h"
#include "table/dialogs/RoundScoreWidget.h"

#include <QEvent>
#include <QMouseEvent>

#include <algorithm>

RoundScoreBoard::RoundScoreBoard(QWidget *parent, PlayerDb *players, LocalizationDb *tableNames)
    : QFrame(parent)
    , m_ui(std::make_unique<Ui::RoundScoreBoard>())
    , m_players(players)
    , m_tableNames(tableNames)
{
    m_ui->setupUi(this);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &RoundScoreBoard::onCloseClick);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &RoundScoreBoard::closeClick);
    if (players) {
        connect(players, &PlayerDb::playerNameUpdate, this, &RoundScoreBoard::onPlayerNameUpdate);
        connect(players, &PlayerDb::playerPictureUpdate, this, &RoundScoreBoard::onPlayerPictureUpdate);
    }
    if (tableNames)
        connect(tableNames, &LocalizationDb::tableNamesUpdated, this, &RoundScoreBoard::applyTitle);
    layoutRows();
}

RoundScoreBoard::~RoundScoreBoard() = default;

void RoundScoreBoard::setTournament(const TournamentInfo &info)
{
    m_tournament = info;
    m_table.reset();
    applyTitle();
}

void RoundScoreBoard::setTable(const TableInfo &info)
{
    m_table = info;
    m_tournament.reset();
    applyTitle();
}

void RoundScoreBoard::applyTitle()
{
    if (m_tournament) {
        m_ui->titleLabel->setText(m_tournament->name());
        m_ui->roundLabel->setText(Utils::roundText(m_tournament->currentRound() + 1, m_tournament->numberOfRounds(),
                                                   tr("Round %L1/%L2"), tr("Round %L1")));
    } else if (m_table) {
        m_ui->titleLabel->setText(LocalizationDb::displayName(m_tableNames, *m_table));
        m_ui->roundLabel->setText(tr("Round results"));
    }
}

void RoundScoreBoard::setRoundScores(const TournamentRoundScores &scores)
{
    clearRows();
    for (const TournamentRoundScore &score : scores)
        addRow(score.player, RoundScoreWidget::Tournament, score.mahjongPoints, score.roundResult)
            ->setTournamentPoints(0);
    layoutRows();
}

void RoundScoreBoard::setRoundResults(const MonetaryRoundScores &results)
{
    clearRows();
    for (const MonetaryRoundScore &result : results)
        addRow(result.player, RoundScoreWidget::MoneyTable, result.mahjongPoints, result.balance);
    layoutRows();
}

void RoundScoreBoard::setRankings(const TournamentRankings &rankings)
{
    for (RoundScoreWidget *row : m_rows)
        row->setTournamentPoints(0);
    for (const TournamentRanking &ranking : rankings) {
        const auto row = m_rowsByPlayer.find(ranking.pid);
        if (row != m_rowsByPlayer.end())
            row->second->setTournamentPoints(ranking.table_points);
    }
}

void RoundScoreBoard::onCloseClick()
{
    setVisible(false);
}

void RoundScoreBoard::onPlayerNameUpdate(qint32 id, const QString &name)
{
    const auto row = m_rowsByPlayer.find(id);
    if (row != m_rowsByPlayer.end())
        row->second->setName(name);
}

void RoundScoreBoard::onPlayerPictureUpdate(qint32 id)
{
    const auto row = m_rowsByPlayer.find(id);
    if (row != m_rowsByPlayer.end() && m_players)
        row->second->setPicture(m_players->picture(id, true));
}

void RoundScoreBoard::clearRows()
{
    for (RoundScoreWidget *row : m_rows)
        delete row;
    m_rows.clear();
    m_rowsByPlayer.clear();
}

RoundScoreWidget *RoundScoreBoard::addRow(qint32 playerId, int mode, qint32 mahjongPoints,
                                          qint64 roundResult)
{
    auto *row = new RoundScoreWidget(this, mode);
    m_rows.push_back(row);
    // A player listed twice keeps the row of the later entry for updates.
    m_rowsByPlayer[playerId] = row;
    if (m_players) {
        row->setName(m_players->playerName(playerId, true));
        row->setPicture(m_players->picture(playerId, true));
    }
    row->setMahjongPoints(mahjongPoints);
    row->setRoundResult(roundResult);
    return row;
}

void RoundScoreBoard::layoutRows()
{
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const RoundScoreWidget *a, const RoundScoreWidget *b) {
        if (a->roundResult() != b->roundResult())
            return a->roundResult() > b->roundResult();
        if (a->mahjongPoints() != b->mahjongPoints())
            return a->mahjongPoints() > b->mahjongPoints();
        return a->name() > b->name();
    });
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        m_rows[i]->setGeometry(RowX, FirstRowY + RowStep * int(i), RowWidth, RowHeight);
        m_rows[i]->show();
    }
    resize(RowX * 2 + RowWidth, FirstRowY + RowStep * int(m_rows.size()) + RowX);
}

void RoundScoreBoard::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && m_ui->titleLabel->geometry().contains(pos)) {
        m_pressPoint = pos;
        m_dragging = true;
        raise();
    }
}

void RoundScoreBoard::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QPoint point = mapToParent(event->position().toPoint());
    const QWidget *parent = parentWidget();
    if (!parent || parent->rect().contains(point))
        move(point - m_pressPoint);
}

void RoundScoreBoard::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}

void RoundScoreBoard::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        applyTitle();
    }
    QFrame::changeEvent(event);
}
