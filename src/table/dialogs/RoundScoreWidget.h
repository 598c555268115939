#pragma once

#include <QPixmap>
#include <QWidget>

#include <memory>

namespace Ui {
class RoundScoreWidget;
}

// One player's row of the round score board: picture, name and the round's figures. A
// money table's row (mode 0) shows the round's balance; a tournament row (mode 1) the
// mahjong points, the round result and the tournament points, both in half points.
class RoundScoreWidget : public QWidget
{
    Q_OBJECT

public:
    enum Mode { MoneyTable = 0, Tournament = 1 };

    RoundScoreWidget(QWidget *parent, int mode);
    ~RoundScoreWidget() override;

    void setName(const QString &name);
    void setPicture(const QPixmap &picture);
    void setMahjongPoints(qint32 points);
    void setRoundResult(qint64 result);
    void setTournamentPoints(qint64 points);

    qint32 mahjongPoints() const { return m_mahjongPoints; }
    qint64 roundResult() const { return m_roundResult; }
    QString name() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void applyMode();
    void showFigures();

    std::unique_ptr<Ui::RoundScoreWidget> m_ui;
    int m_mode;
    qint32 m_mahjongPoints = 0;
    qint64 m_roundResult = 0;
    qint64 m_tournamentPoints = 0;
};
