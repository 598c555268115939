#include "table/dialogs/ScoreBoard.h"

#include "ui_ScoreBoard.h"

#include "app/RulesetInfo.h"
#include "app/Singleton.h"
#include "app/TableInfo.h"
#include "app/TimeSpan.h"
#include "app/Utils.h"
#include "connection/ScoreNames.h"
#include "connection/ServerTime.h"
#include "game/tiles/TileGraphics.h"

#include <QEvent>
#include <QGraphicsView>

#include <algorithm>

namespace {

const char handTableHead[] = "<table rules=\"groups\" width=\"100%\">";
const char settlementTableHead[] = "<table border=\"0\" width=\"100%\">";
const char sectionTitleRow[] = "<tr><td align=\"left\" colspan=\"2\"><u>%1</u></td></tr>\n";
const char lineRow[] = "<tr><td align=\"left\">%1</td><td align=\"right\">%2</td></tr>\n";
const char nameOnlyRow[] = "<tr><td align=\"left\">%1</td><td align=\"right\"></td></tr>\n";
const char totalRow[] =
    "<tr><td></td><td align=\"right\"><span style=\"text-decoration:overline;\">%1</span></td></tr>\n";
const char spacerRow[] = "<tr><td colspan=\"2\">&nbsp;</td></tr>\n";
const char tableEnd[] = "</table>";

QString localized(qint32 value)
{
    return ScoreBoard::tr("%L1").arg(value);
}

QString row(const char *fragment, const QString &name, const QString &value)
{
    return QString::fromLatin1(fragment).arg(name, value);
}

QString row(const char *fragment, const QString &text)
{
    return QString::fromLatin1(fragment).arg(text);
}

// A rule set id the client does not know counts as a rule set without riichi.
bool isRiichi(int rulesetId)
{
    return rulesetId >= 0 && rulesetId < RulesetInfo::Count && RulesetInfoInstance(rulesetId).isRiichi();
}

// The heading of the limit hands in the words of the table's rule family: the riichi
// limit hands, the Classic and Hong Kong limit, the MCR hands of 88 and 64 fans.
QString limitHandsTitle(int rulesetId)
{
    switch (ruleFamily(rulesetId)) {
    case RuleFamily::ClassicHongKong:
        return ScoreBoard::tr("Limit hands:", "Classic and Hong Kong");
    case RuleFamily::Mcr:
        return ScoreBoard::tr("Limit hands:", "MCR");
    case RuleFamily::Riichi:
        break;
    }
    return ScoreBoard::tr("Limit hands:");
}

} // namespace

ScoreBoard::TileScene::TileScene() : view(0, 2048.0)
{
    scene.addItem(&view);
}

ScoreBoard::TileScene::~TileScene()
{
    scene.removeItem(&view);
}

ScoreBoard::ScoreBoard(QWidget *parent)
    : MahjongDialog(parent, 0)
    , m_ui(std::make_unique<Ui::ScoreBoard>())
{
    auto *body = new QFrame;
    m_ui->setupUi(body);
    setContentWidget(body);

    TilePainter *base = &TileGraphics::instance().basePainter();
    const auto allViews = views();
    const auto allScenes = scenes();
    for (size_t i = 0; i < allViews.size(); ++i) {
        allScenes[i]->view.setImageSet(base);
        allViews[i]->setResizeAnchor(QGraphicsView::AnchorViewCenter);
        allViews[i]->setScene(&allScenes[i]->scene);
    }

    connect(m_ui->closePushButton, &QPushButton::clicked, this, &ScoreBoard::onCloseClick);
    connect(m_ui->readyPushButton, &QPushButton::clicked, this, &ScoreBoard::onReadyClick);
    connect(m_ui->leavePushButton, &QPushButton::clicked, this, &ScoreBoard::onLeaveClick);
    connect(m_ui->nextRoundTimer, &TimerView::ranOut, this, &ScoreBoard::stopCountdown);
    connect(&TileGraphics::instance(), &TileGraphics::tileGraphicsChanged, this,
            &ScoreBoard::onTileGraphicsChanged);
    m_ui->readyPushButton->show();
    m_ui->closePushButton->hide();
    m_ui->nextRoundLabel->hide();
    m_ui->nextRoundTimer->hide();
}

ScoreBoard::~ScoreBoard() = default;

std::array<QGraphicsView *, 6> ScoreBoard::views() const
{
    return {m_ui->graphicsView1, m_ui->graphicsView2, m_ui->graphicsView3,
            m_ui->graphicsView4, m_ui->doraTilesView, m_ui->uraDoraTilesView};
}

std::array<ScoreBoard::TileScene *, 6> ScoreBoard::scenes()
{
    return {&m_handScenes[0], &m_handScenes[1], &m_handScenes[2],
            &m_handScenes[3], &m_doraScene,     &m_uraDoraScene};
}

QString ScoreBoard::handScoreHtml(const EndHandPlayer &player, qint32 rulesetId)
{
    QString html = QString::fromLatin1(handTableHead);
    auto section = [&html](const QString &title, const ScoreLines &lines, bool localizedValues) {
        html += row(sectionTitleRow, title);
        for (const ScoreLine &line : lines)
            html += row(lineRow, line.name.toHtmlEscaped(),
                        localizedValues ? localized(line.value) : QString::number(line.value));
    };
    if (!player.points.empty()) {
        section(tr("Points:"), player.points, true);
        html += row(totalRow, QString::number(player.pointsTotal));
        html += QLatin1String(spacerRow);
    }
    if (!player.doubles.empty()) {
        const bool fans = rulesetId == RulesetInfo::HONG_KONG || rulesetId == RulesetInfo::MCR;
        section(fans ? tr("Fans:") : tr("Doubles:"), player.doubles, true);
        html += row(totalRow, QString::number(player.doublesTotal));
        html += QLatin1String(spacerRow);
    }
    if (!player.limits.empty()) {
        html += row(sectionTitleRow, limitHandsTitle(rulesetId));
        for (const ScoreLine &line : player.limits)
            html += row(nameOnlyRow, line.name.toHtmlEscaped());
        html += QLatin1String(spacerRow);
    }
    if (!player.bonuses.empty()) {
        section(tr("Bonus points:"), player.bonuses, false);
        html += QLatin1String(spacerRow);
    }
    if (player.handScore > 0 && (rulesetId == RulesetInfo::CLASSIC || rulesetId == RulesetInfo::MCR))
        html += row(lineRow, tr("Hand Score"), localized(player.handScore));
    return html + QLatin1String(tableEnd);
}

QString ScoreBoard::settlementHtml(const EndHandPlayer &player, bool paymentFlag)
{
    QString html = QString::fromLatin1(settlementTableHead);
    html += row(lineRow, tr("Settlement"), localized(player.settlement));
    html += row(lineRow, tr("Current Score"), localized(player.currentScore));
    if (paymentFlag)
        html += row(lineRow, tr("Payment"), Utils::moneyText(qint64(player.payment), false));
    return html + QLatin1String(tableEnd);
}

QPixmap ScoreBoard::claimPixmap(int rulesetId, const EndHandPlayer &player, int endKind)
{
    if (player.result == EndHandPlayer::ReadyHand && isRiichi(rulesetId))
        return QPixmap(QStringLiteral("textimages:claim-tenpai.png"));
    if (player.result == EndHandPlayer::Won) {
        switch (endKind) {
        case EndHand::Mahjong:
            return QPixmap(QStringLiteral("textimages:claim-mahjong-game-view.png"));
        case EndHand::Ron:
            return QPixmap(QStringLiteral("textimages:claim-ron.png"));
        case EndHand::Tsumo:
            return QPixmap(QStringLiteral("textimages:claim-tsumo.png"));
        default:
            break;
        }
    }
    return QPixmap();
}

QString ScoreBoard::handTabTitle(const std::vector<EndHandPlayer> &rows, int index)
{
    if (index < 0 || size_t(index) >= rows.size())
        return QString();
    switch (rows[size_t(index)].result) {
    case EndHandPlayer::NoResult:
        return tr("Losing hand");
    case EndHandPlayer::ReadyHand:
        return tr("Ready hand");
    case EndHandPlayer::Won:
        return tr("Winning hand");
    default:
        return QString();
    }
}

void ScoreBoard::setEndHand(const EndHand &endHand, qint32 ownPlayerId, const TableInfo &tableInfo)
{
    std::vector<EndHandPlayer> rows;
    rows.reserve(endHand.players.size());
    // The lines are named in the words of the table's rule family.
    for (const auto &entry : endHand.players) {
        rows.push_back(entry.second);
        ScoreNames::nameLines(rows.back(), ruleFamily(tableInfo.ruleset()));
    }
    std::stable_sort(rows.begin(), rows.end(), [](const EndHandPlayer &a, const EndHandPlayer &b) {
        return std::make_pair(a.result == EndHandPlayer::Won, a.handScore)
            > std::make_pair(b.result == EndHandPlayer::Won, b.handScore);
    });

    // After a win the winner's hand is shown, after a draw the own hand.
    qint32 shownPlayer = -1;
    if (!rows.empty()) {
        shownPlayer = rows.front().result == EndHandPlayer::Won || endHand.players.count(ownPlayerId) == 0
            ? rows.front().playerId
            : ownPlayerId;
    }

    const int rulesetId = tableInfo.ruleset();
    m_rulesetId = rulesetId;
    m_endKind = endHand.endKind;
    m_gameType = tableInfo.storedGameType();
    m_gameEnds = endHand.gameEnds;
    m_value = tableInfo.value();

    m_columnIds.clear();
    for (const EndHandPlayer &player : rows)
        m_columnIds.push_back(player.playerId);

    QLabel *const names[] = {m_ui->name1, m_ui->name2, m_ui->name3, m_ui->name4};
    QTextEdit *const scores[] = {m_ui->score1, m_ui->score2, m_ui->score3, m_ui->score4};

    const size_t shown = std::min<size_t>(rows.size(), 4);
    const bool anyScores = std::any_of(rows.begin(), rows.begin() + long(shown),
                                       [rulesetId](const EndHandPlayer &player) { return hasScores(player, rulesetId); });
    for (size_t i = 0; i < 4; ++i) {
        m_handScenes[i].view.clear();
        if (i < shown) {
            const EndHandPlayer &player = rows[i];
            for (const TileGroup &group : player.hand)
                m_handScenes[i].view.addTiles(group.tiles, group.highlight);
            names[i]->setText(player.name);
        } else {
            names[i]->clear();
        }
        // A player without score lines gets no empty panel (its column keeps its width
        // beside others' panels), one without a hand shown no empty tab.
        QSizePolicy keepColumn = scores[i]->sizePolicy();
        keepColumn.setRetainSizeWhenHidden(anyScores);
        scores[i]->setSizePolicy(keepColumn);
        scores[i]->setVisible(i < shown && hasScores(rows[i], rulesetId));
        m_ui->scoreMelds->setTabVisible(int(i), i < shown && !rows[i].hand.empty());
    }
    const bool anyHand = std::any_of(rows.begin(), rows.begin() + long(shown),
                                     [](const EndHandPlayer &player) { return !player.hand.empty(); });
    m_ui->scoreMelds->setVisible(anyHand);

    m_doraScene.view.clear();
    m_uraDoraScene.view.clear();
    if (endHand.dora.empty()) {
        m_ui->doraTilesFrame->hide();
    } else {
        for (tile t : endHand.dora)
            m_doraScene.view.addTiles({t}, -1);
        const bool ura = !endHand.uraDora.empty();
        for (tile t : endHand.uraDora)
            m_uraDoraScene.view.addTiles({t}, -1);
        m_ui->uraDoraTilesView->setVisible(ura);
        m_ui->uraDoraTilesLable->setVisible(ura);
        m_ui->doraTilesFrame->show();
    }

    switch (m_gameType) {
    case TableInfo::SINGLE_HAND:
        m_ui->leavePushButton->show();
        break;
    case TableInfo::TOURNAMENT:
        m_ui->leavePushButton->hide();
        break;
    case TableInfo::FULL_GAME:
        m_ui->leavePushButton->setVisible(m_gameEnds);
        break;
    default:
        break;
    }
    m_rows = std::move(rows);
    applyScores();
    applyResultTexts();
    fitViews();
    showPlayerTab(shownPlayer);
}

void ScoreBoard::applyResultTexts()
{
    switch (m_gameType) {
    case TableInfo::SINGLE_HAND:
        m_ui->readyPushButton->setText(tr("Ready"));
        break;
    case TableInfo::TOURNAMENT:
        m_ui->readyPushButton->setText(tr("Next hand"));
        break;
    case TableInfo::FULL_GAME:
        m_ui->readyPushButton->setText(m_gameEnds ? tr("Play (%1)").arg(m_value.buyInText()) : tr("Next hand"));
        break;
    default:
        break;
    }
    if (m_gameType == -1)
        return;
    for (int i = 0; i < 4; ++i)
        m_ui->scoreMelds->setTabText(i, handTabTitle(m_rows, i));
}

void ScoreBoard::applyScores()
{
    QLabel *const exclamations[] = {m_ui->exclamation1, m_ui->exclamation2, m_ui->exclamation3,
                                    m_ui->exclamation4};
    QTextEdit *const scores[] = {m_ui->score1, m_ui->score2, m_ui->score3, m_ui->score4};
    QLabel *const totals[] = {m_ui->total1, m_ui->total2, m_ui->total3, m_ui->total4};
    const size_t shown = std::min<size_t>(m_rows.size(), 4);
    const bool paymentFlag = std::any_of(m_rows.begin(), m_rows.begin() + long(shown),
                                         [](const EndHandPlayer &player) { return player.payment != 0; });
    for (size_t i = 0; i < 4; ++i) {
        if (i < shown) {
            // The claim pictures are drawn in the language of the texts.
            exclamations[i]->setPixmap(claimPixmap(m_rulesetId, m_rows[i], m_endKind));
            scores[i]->setHtml(handScoreHtml(m_rows[i], m_rulesetId));
            totals[i]->setText(settlementHtml(m_rows[i], paymentFlag));
        } else {
            exclamations[i]->clear();
            scores[i]->clear();
            totals[i]->clear();
        }
    }
}

void ScoreBoard::fitViews()
{
    const auto allViews = views();
    const auto allScenes = scenes();
    for (size_t i = 0; i < allViews.size(); ++i) {
        DeclaredView &view = allScenes[i]->view;
        allViews[i]->setSceneRect(view.childrenBoundingRect());
        allViews[i]->centerOn(&view);
    }
}

void ScoreBoard::showPlayerTab(qint32 playerId)
{
    const size_t columns = std::min<size_t>(m_columnIds.size(), 4);
    for (size_t i = 0; i < columns; ++i) {
        if (m_columnIds[i] == playerId && m_ui->scoreMelds->isTabVisible(int(i))) {
            m_ui->scoreMelds->setCurrentIndex(int(i));
            return;
        }
    }
    // That player's hand was not sent: the first hand that was.
    for (int i = 0; i < m_ui->scoreMelds->count(); ++i) {
        if (m_ui->scoreMelds->isTabVisible(i)) {
            m_ui->scoreMelds->setCurrentIndex(i);
            return;
        }
    }
    m_ui->scoreMelds->setCurrentIndex(0);
}

bool ScoreBoard::hasScores(const EndHandPlayer &player, qint32 rulesetId)
{
    return !player.points.empty() || !player.doubles.empty() || !player.limits.empty() ||
           !player.bonuses.empty() ||
           (player.handScore > 0 && (rulesetId == RulesetInfo::CLASSIC || rulesetId == RulesetInfo::MCR));
}

void ScoreBoard::refreshTileViews()
{
    for (TileScene *tiles : scenes())
        tiles->view.setImageSet(&TileGraphics::instance().basePainter());
    fitViews();
}

void ScoreBoard::clearPlayerPictures()
{
    for (QLabel *avatar : {m_ui->avatar1, m_ui->avatar2, m_ui->avatar3, m_ui->avatar4})
        avatar->setPixmap(QPixmap());
}

void ScoreBoard::setPlayerPicture(qint32 playerId, const QPixmap &picture)
{
    QLabel *const avatars[] = {m_ui->avatar1, m_ui->avatar2, m_ui->avatar3, m_ui->avatar4};
    const size_t columns = std::min<size_t>(m_columnIds.size(), 4);
    for (size_t i = 0; i < columns; ++i) {
        if (m_columnIds[i] == playerId) {
            avatars[i]->setPixmap(picture);
            return;
        }
    }
}

void ScoreBoard::startCountdown(const QDateTime &deadline)
{
    // The caption shows only beside the time it announces: not for a deadline reached,
    // and no longer once the countdown has run out (ranOut()).
    m_ui->nextRoundTimer->setTimeSpan(TimeSpan(Singleton<ServerTime>::instance().now(), deadline));
    const bool running = m_ui->nextRoundTimer->showsTime();
    m_ui->nextRoundLabel->setVisible(running);
    m_ui->nextRoundTimer->setVisible(running);
}

void ScoreBoard::stopCountdown()
{
    m_ui->nextRoundTimer->setTimeSpan(TimeSpan());
    m_ui->nextRoundLabel->hide();
    m_ui->nextRoundTimer->hide();
}

void ScoreBoard::setReadyVisible(bool visible)
{
    m_ui->readyPushButton->setVisible(visible);
    m_ui->closePushButton->setVisible(!visible);
}

void ScoreBoard::onCloseClick()
{
    hide();
    emit closeClicked();
}

void ScoreBoard::onReadyClick()
{
    hide();
    emit readyClicked();
}

void ScoreBoard::onLeaveClick()
{
    emit leaveClicked();
}

void ScoreBoard::onTileGraphicsChanged()
{
    refreshTileViews();
}

void ScoreBoard::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(static_cast<QFrame *>(contentWidget()));
        setWindowTitle(contentWidget()->windowTitle());
        for (EndHandPlayer &row : m_rows)
            ScoreNames::nameLines(row, ruleFamily(m_rulesetId));
        applyScores();
        applyResultTexts();
    }
    MahjongDialog::changeEvent(event);
}
