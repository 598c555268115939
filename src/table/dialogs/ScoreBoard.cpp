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
#include <QScrollBar>
#include <QScopedValueRollback>
#include <QTextDocument>
#include <QtMath>

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
// The hand tabs' height while the hand-score tables have room enough.
constexpr int HandTabsHeight = 107;
const char sideBySideTable[] = "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
                               "<td width=\"50%\" valign=\"top\" style=\"padding-right:8px;\">%1</td>"
                               "<td width=\"50%\" valign=\"top\" style=\"padding-left:8px;\">%2</td></tr></table>";

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
    connect(m_ui->roundResultPushButton, &QPushButton::clicked, this, &ScoreBoard::onRoundResultClick);
    connect(m_ui->nextRoundTimer, &TimerView::ranOut, this, &ScoreBoard::stopCountdown);
    for (QTextEdit *box : scoreBoxes())
        box->installEventFilter(this);
    connect(&TileGraphics::instance(), &TileGraphics::tileGraphicsChanged, this,
            &ScoreBoard::onTileGraphicsChanged);
    applyButtons();
    m_ui->nextRoundLabel->hide();
    m_ui->nextRoundTimer->hide();
}

ScoreBoard::~ScoreBoard() = default;

std::array<QTextEdit *, 4> ScoreBoard::scoreBoxes() const
{
    return {m_ui->score1, m_ui->score2, m_ui->score3, m_ui->score4};
}

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

std::vector<ScoreBoard::ScoreSection> ScoreBoard::handScoreSections(const EndHandPlayer &player, qint32 rulesetId)
{
    std::vector<ScoreSection> sections;
    auto section = [&sections](const QString &title, const ScoreLines &lines, bool localizedValues) {
        ScoreSection &added = sections.emplace_back();
        added.html = row(sectionTitleRow, title);
        for (const ScoreLine &line : lines)
            added.html += row(lineRow, line.name.toHtmlEscaped(),
                              localizedValues ? localized(line.value) : QString::number(line.value));
        added.rows = int(lines.size()) + 2;
        return &added;
    };
    if (!player.points.empty()) {
        ScoreSection *points = section(tr("Points:"), player.points, true);
        points->html += row(totalRow, QString::number(player.pointsTotal)) + QLatin1String(spacerRow);
        ++points->rows;
    }
    if (!player.doubles.empty()) {
        const bool fans = rulesetId == RulesetInfo::HONG_KONG || rulesetId == RulesetInfo::MCR;
        ScoreSection *doubles = section(fans ? tr("Fans:") : tr("Doubles:"), player.doubles, true);
        doubles->html += row(totalRow, QString::number(player.doublesTotal)) + QLatin1String(spacerRow);
        ++doubles->rows;
    }
    if (!player.limits.empty()) {
        ScoreSection &limits = sections.emplace_back();
        limits.html = row(sectionTitleRow, limitHandsTitle(rulesetId));
        for (const ScoreLine &line : player.limits)
            limits.html += row(nameOnlyRow, line.name.toHtmlEscaped());
        limits.html += QLatin1String(spacerRow);
        limits.rows = int(player.limits.size()) + 2;
    }
    if (!player.bonuses.empty())
        section(tr("Bonus points:"), player.bonuses, false)->html += QLatin1String(spacerRow);
    if (player.handScore > 0 && (rulesetId == RulesetInfo::CLASSIC || rulesetId == RulesetInfo::MCR))
        sections.push_back({row(lineRow, tr("Hand Score"), localized(player.handScore)), 1});
    return sections;
}

QString ScoreBoard::handScoreHtml(const EndHandPlayer &player, qint32 rulesetId)
{
    QString html = QString::fromLatin1(handTableHead);
    for (const ScoreSection &section : handScoreSections(player, rulesetId))
        html += section.html;
    return html + QLatin1String(tableEnd);
}

QString ScoreBoard::handScoreColumnsHtml(const EndHandPlayer &player, qint32 rulesetId)
{
    const std::vector<ScoreSection> sections = handScoreSections(player, rulesetId);
    // The sections in order, split where the taller side is lowest.
    int total = 0;
    for (const ScoreSection &section : sections)
        total += section.rows;
    size_t split = sections.size();
    int tallest = total;
    int left = 0;
    for (size_t i = 0; i + 1 < sections.size(); ++i) {
        left += sections[i].rows;
        if (std::max(left, total - left) < tallest) {
            tallest = std::max(left, total - left);
            split = i + 1;
        }
    }
    QString sides[2] = {QString::fromLatin1(handTableHead), QString::fromLatin1(handTableHead)};
    for (size_t i = 0; i < sections.size(); ++i)
        sides[i < split ? 0 : 1] += sections[i].html;
    return QString::fromLatin1(sideBySideTable)
        .arg(sides[0] + QLatin1String(tableEnd), split < sections.size() ? sides[1] + QLatin1String(tableEnd) : QString());
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
    const auto scores = scoreBoxes();

    const size_t shown = std::min<size_t>(rows.size(), 4);
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
        // A player without score lines gets no empty panel, one without a hand shown no
        // empty tab.
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
    QLabel *const totals[] = {m_ui->total1, m_ui->total2, m_ui->total3, m_ui->total4};
    const size_t shown = std::min<size_t>(m_rows.size(), 4);
    const bool paymentFlag = std::any_of(m_rows.begin(), m_rows.begin() + long(shown),
                                         [](const EndHandPlayer &player) { return player.payment != 0; });
    for (size_t i = 0; i < 4; ++i) {
        if (i < shown) {
            // The claim pictures are drawn in the language of the texts.
            exclamations[i]->setPixmap(claimPixmap(m_rulesetId, m_rows[i], m_endKind));
            totals[i]->setText(settlementHtml(m_rows[i], paymentFlag));
        } else {
            exclamations[i]->clear();
            totals[i]->clear();
        }
    }
    arrangeScoreTables(true);
}

void ScoreBoard::arrangeScoreTables(bool refill)
{
    // Placing the tables lays the board out, which resizes their boxes again.
    if (m_arranging)
        return;
    const QScopedValueRollback<bool> arranging(m_arranging, true);
    if (refill)
        m_scoreSpans.fill(0);
    const size_t shown = std::min<size_t>(m_rows.size(), 4);
    const std::array<int, 4> own{{1, 1, 1, 1}};
    std::array<int, 4> spread = own;
    for (size_t i = 0; i < shown; ++i) {
        if (!hasScores(m_rows[i], m_rulesetId))
            continue;
        for (size_t j = i + 1; j < 4 && !(j < shown && hasScores(m_rows[j], m_rulesetId)); ++j)
            ++spread[i];
    }
    // From the board as it is to the tightest: the first way in which every table reads whole.
    const std::pair<const std::array<int, 4> *, bool> ways[] = {{&own, false}, {&own, true}, {&spread, false}, {&spread, true}};
    for (const auto &[spans, tight] : ways) {
        placeScoreTables(*spans, tight);
        if (scoreTablesFit())
            return;
    }
}

void ScoreBoard::placeScoreTables(const std::array<int, 4> &spans, bool tight)
{
    const auto boxes = scoreBoxes();
    const size_t shown = std::min<size_t>(m_rows.size(), 4);
    const bool anyScores = std::any_of(m_rows.begin(), m_rows.begin() + long(shown),
                                       [this](const EndHandPlayer &player) { return hasScores(player, m_rulesetId); });
    int covered = 0;
    for (size_t i = 0; i < 4; ++i) {
        // A player without score lines gets no empty panel: its column keeps its width
        // beside others' panels, unless a panel beside it spreads over it.
        QSizePolicy keepColumn = boxes[i]->sizePolicy();
        keepColumn.setRetainSizeWhenHidden(anyScores && covered == 0);
        boxes[i]->setSizePolicy(keepColumn);
        covered = std::max(covered - 1, spans[i] - 1);
        if (spans[i] == m_scoreSpans[i])
            continue;
        m_ui->scoreGrid->removeWidget(boxes[i]);
        m_ui->scoreGrid->addWidget(boxes[i], 1, int(i), 1, spans[i]);
        if (i >= shown)
            boxes[i]->clear();
        else if (spans[i] > 1)
            boxes[i]->setHtml(handScoreColumnsHtml(m_rows[i], m_rulesetId));
        else
            boxes[i]->setHtml(handScoreHtml(m_rows[i], m_rulesetId));
    }
    m_scoreSpans = spans;
    m_ui->scoreMelds->setFixedHeight(tight ? handTabsHeightNeeded() : HandTabsHeight);
    m_ui->bottomLayout->setDirection(tight ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    m_ui->bottomLayout->activate();
    contentWidget()->layout()->activate();
}

bool ScoreBoard::scoreTablesFit() const
{
    for (const QTextEdit *box : scoreBoxes()) {
        if (!box->isVisibleTo(this))
            continue;
        // A box shows its scroll bar while the text, laid out beside it, is taller than
        // the box, so the text must fit in the width the scroll bar leaves: else a box
        // that scrolled once keeps scrolling.
        const QRect room = box->contentsRect();
        const std::unique_ptr<QTextDocument> document(box->document()->clone());
        document->setTextWidth(room.width() - box->verticalScrollBar()->sizeHint().width());
        if (document->size().height() > room.height())
            return false;
    }
    return true;
}

int ScoreBoard::handTabsHeightNeeded() const
{
    qreal tiles = 0;
    for (const TileScene &hand : m_handScenes)
        tiles = std::max(tiles, hand.view.childrenBoundingRect().height());
    // The tab bar and the frame, as the tabs were last laid out.
    const int page = m_ui->scoreMelds->currentWidget()->height();
    const int frame = m_ui->scoreMelds->height() - page;
    if (page <= 0 || frame <= 0)
        return HandTabsHeight;
    return std::min(frame + qCeil(tiles) + 8, HandTabsHeight);
}

bool ScoreBoard::eventFilter(QObject *watched, QEvent *event)
{
    const auto boxes = scoreBoxes();
    if (std::find(boxes.begin(), boxes.end(), watched) == boxes.end())
        return MahjongDialog::eventFilter(watched, event);
    if (event->type() == QEvent::Resize)
        arrangeScoreTables(false);
    return false;
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
    m_readyVisible = visible;
    applyButtons();
}

void ScoreBoard::setRoundResultOffered(bool offered)
{
    m_roundResultOffered = offered;
    applyButtons();
}

void ScoreBoard::applyButtons()
{
    m_ui->readyPushButton->setVisible(m_readyVisible);
    m_ui->closePushButton->setVisible(!m_readyVisible);
    // Close brings a waiting round result as well.
    m_ui->roundResultPushButton->setVisible(m_readyVisible && m_roundResultOffered);
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

void ScoreBoard::onRoundResultClick()
{
    hide();
    emit roundResultClicked();
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
