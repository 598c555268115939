#include "table/sidebar/PlayerWidget.h"

#include "app/RulesetInfo.h"
#include "app/TimeSpan.h"
#include "app/wind.h"
#include "ui_PlayerWidget.h"

#include <QEvent>
#include <QtDebug>

namespace {

constexpr int WindIconWidth = 26;
constexpr int WindIconHeight = 21;

bool isRiichiRuleset(int rulesetId)
{
    try {
        return RulesetInfoInstance(rulesetId).isRiichi() != 0;
    } catch (const std::exception &e) {
        qWarning() << "claim of rule set" << rulesetId << "shown as non-riichi:" << e.what();
        return false;
    }
}

} // namespace

PlayerWidget::PlayerWidget(QWidget *parent)
    : BugfixWidget(parent), m_ui(std::make_unique<Ui::PlayerWidget>())
{
    m_ui->setupUi(this);
    m_ui->windLabel->setBackgroundRole(QPalette::NoRole);
    setPoints(0);
    setWins(0);
    m_ui->claimLabel->hide();
    setHighlight(false);
    m_ui->windLabel->hide();
    m_ui->windText->hide();
    m_ui->scoresAndWins->hide();
    m_ui->scoresAndWinsLabel->hide();
    m_ui->highlightLabel->setPixmap(QPixmap(QStringLiteral("resources:/sb-hilight.png")));
    m_ui->timer->lower();
}

PlayerWidget::~PlayerWidget() = default;

void PlayerWidget::setName(const QString &name)
{
    m_ui->nameLabel->setText(name);
}

QString PlayerWidget::displayedName() const
{
    return m_ui->nameLabel->text();
}

void PlayerWidget::setWind(int wind)
{
    const QPixmap strip(m_highlight ? QStringLiteral("resources:/sb-winds-hilight.png")
                                    : QStringLiteral("resources:/sb-winds.png"));
    m_ui->windLabel->setPixmap(strip.copy(WindIconWidth * wind, 0, WindIconWidth, WindIconHeight));
    m_ui->windText->setText(windDisplayName(wind));
    m_wind = wind;
}

void PlayerWidget::setHighlight(bool highlight)
{
    if (highlight == m_highlight)
        return;
    m_highlight = highlight;
    m_ui->highlightLabel->setVisible(highlight);
    m_ui->highlightLabel->setGeometry(0, 0, width(), height());
    setWind(m_wind);
    // A new own style sheet makes Qt apply the rules on the highlight property again.
    setStyleSheet(highlight ? QStringLiteral("/* */") : QString());
    if (highlight)
        m_ui->highlightLabel->stackUnder(m_ui->timer);
}

void PlayerWidget::setReady(bool ready)
{
    if (ready) {
        m_ui->claimLabel->setPixmap(QPixmap(QStringLiteral("textimages:ready.png")));
        m_ui->claimLabel->show();
        m_readyShown = true;
    } else {
        m_ui->claimLabel->hide();
    }
}

QString PlayerWidget::claimImage(const Claim &claim)
{
    switch (claim.code) {
    case 1:
        return isRiichiRuleset(claim.rulesetId) ? QStringLiteral("textimages:claim-chii.png")
                                                : QStringLiteral("textimages:claim-chow.png");
    case 2:
        return isRiichiRuleset(claim.rulesetId) ? QStringLiteral("textimages:claim-pon.png")
                                                : QStringLiteral("textimages:claim-pong.png");
    case 8:
        return isRiichiRuleset(claim.rulesetId) ? QStringLiteral("textimages:claim-kan.png")
                                                : QStringLiteral("textimages:claim-kong.png");
    case 16:
        if (claim.winKind == 2)
            return QStringLiteral("textimages:claim-ron.png");
        if (claim.winKind == 3)
            return QStringLiteral("textimages:claim-tsumo.png");
        return QStringLiteral("textimages:claim-mahjong.png");
    case 128:
        return QStringLiteral("textimages:claim-riichi.png");
    default:
        return QString();
    }
}

void PlayerWidget::showClaim(int code, int rulesetId, int winKind)
{
    m_claim = Claim{code, rulesetId, winKind};
    m_readyShown = false;
    const QString image = claimImage(m_claim);
    m_ui->claimLabel->setPixmap(image.isEmpty() ? QPixmap() : QPixmap(image));
    m_ui->claimLabel->show();
}

void PlayerWidget::hideClaim()
{
    m_ui->claimLabel->hide();
}

void PlayerWidget::setPoints(int points)
{
    m_points = points;
    updateScoreText();
}

void PlayerWidget::setWins(int wins)
{
    m_wins = wins;
    updateScoreText();
}

void PlayerWidget::setGameType(int gameType)
{
    m_gameType = gameType;
    updateScoreText();
}

void PlayerWidget::updateScoreText()
{
    switch (m_gameType) {
    case -1:
        m_ui->scoresAndWins->clear();
        m_ui->scoresAndWinsLabel->clear();
        break;
    case 0:
        m_ui->scoresAndWins->setText(QStringLiteral("%L2").arg(m_wins));
        m_ui->scoresAndWinsLabel->setText(
            tr("%nwins", "don't include %n in translation, only used to get correct noun form", m_wins));
        break;
    case 1:
    case 2:
        m_ui->scoresAndWins->setText(QStringLiteral("%L2").arg(m_points));
        m_ui->scoresAndWinsLabel->setText(
            tr("%npts", "don't include %n in translation, only used to get correct noun form",
               qAbs(m_points)));
        break;
    default:
        m_ui->scoresAndWins->clear();
        qWarning("Unrecognized game_type: %d", m_gameType);
        break;
    }
}

void PlayerWidget::setTimeSpan(const TimeSpan &span)
{
    m_ui->timer->setTimeSpan(span);
}

void PlayerWidget::clearTimer()
{
    m_ui->timer->setTimeSpan(TimeSpan());
}

void PlayerWidget::setPicture(const QPixmap &picture)
{
    m_ui->avatarLabel->setPixmap(picture);
}

void PlayerWidget::setWindVisible(bool visible)
{
    m_ui->windLabel->setVisible(visible);
    m_ui->windText->setVisible(visible);
}

void PlayerWidget::setScoresVisible(bool visible)
{
    m_ui->scoresAndWins->setVisible(visible);
    m_ui->scoresAndWinsLabel->setVisible(visible);
}

void PlayerWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        updateScoreText();
        setWind(m_wind);
        if (m_ui->claimLabel->isVisibleTo(this)) {
            if (m_readyShown)
                setReady(true);
            else
                showClaim(m_claim.code, m_claim.rulesetId, m_claim.winKind);
        }
    }
    BugfixWidget::changeEvent(event);
}
