#include "table/dialogs/RoundScoreWidget.h"

#include "ui_RoundScoreWidget.h"

#include "app/Utils.h"

#include <QEvent>
#include <QLocale>

namespace {

// Half points as a number: 15 reads 7.5.
QString halfPointsText(qint64 halfPoints)
{
    return QLocale().toString(double(halfPoints) * 0.5, 'g', 6);
}

} // namespace

RoundScoreWidget::RoundScoreWidget(QWidget *parent, int mode)
    : QWidget(parent), m_ui(std::make_unique<Ui::RoundScoreWidget>()), m_mode(mode)
{
    m_ui->setupUi(this);
    // The row's background comes from the style sheet.
    setAttribute(Qt::WA_StyledBackground);
    applyMode();
}

RoundScoreWidget::~RoundScoreWidget() = default;

void RoundScoreWidget::setName(const QString &name)
{
    m_ui->screenName->setText(name);
}

QString RoundScoreWidget::name() const
{
    return m_ui->screenName->fullText();
}

void RoundScoreWidget::setPicture(const QPixmap &picture)
{
    m_ui->avatar->setPixmap(picture);
}

void RoundScoreWidget::setMahjongPoints(qint32 points)
{
    m_mahjongPoints = points;
    if (m_mode == Tournament)
        m_ui->mahjongPoints->setText(QString::number(points));
}

void RoundScoreWidget::setRoundResult(qint64 result)
{
    m_roundResult = result;
    if (m_mode == MoneyTable)
        m_ui->mahjongPoints->setText(Utils::moneyText(result, true));
    else
        m_ui->roundResults->setText(halfPointsText(result));
}

void RoundScoreWidget::setTournamentPoints(qint64 points)
{
    m_tournamentPoints = points;
    m_ui->tournamentPoints->setText(halfPointsText(points));
}

void RoundScoreWidget::applyMode()
{
    if (m_mode == MoneyTable) {
        m_ui->mahjongPointsLabel->setText(tr("Round balance:"));
        m_ui->roundResultsLabel->hide();
        m_ui->roundResults->hide();
        m_ui->tournamentPointsLabel->hide();
        m_ui->tournamentPoints->hide();
    } else {
        m_ui->roundResultsLabel->setText(tr("Round results:"));
    }
}

void RoundScoreWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        const QString name = m_ui->screenName->fullText();
        m_ui->retranslateUi(this);
        applyMode();
        // The figures and the name are data, not texts of the form.
        m_ui->screenName->setText(name);
        showFigures();
    }
    QWidget::changeEvent(event);
}

void RoundScoreWidget::showFigures()
{
    setMahjongPoints(m_mahjongPoints);
    setRoundResult(m_roundResult);
    if (m_mode == Tournament)
        setTournamentPoints(m_tournamentPoints);
}
