#include "table/sidebar/SideBar.h"

#include "ui_SideBar.h"

#include "app/PlayerData.h"
#include "app/RulesetInfo.h"
#include "app/Singleton.h"
#include "app/TimeSpan.h"
#include "app/Utils.h"
#include "connection/ServerTime.h"
#include "game/GameModel.h"
#include "lobby/LocalizationDb.h"
#include "table/sidebar/EmptySeatWidget.h"
#include "table/sidebar/PlayerWidget.h"
#include "table/sidebar/TableChat.h"
#include "ui/ULabel.h"

#include <QDebug>
#include <QEvent>

#include <algorithm>
#include <utility>

namespace {

bool isRiichiRuleset(int ruleset)
{
    return ruleset >= 0 && ruleset < RulesetInfo::Count && RulesetInfoInstance(ruleset).isRiichi();
}

} // namespace

SideBar::SideBar(std::unique_ptr<TableChat> chat, LocalizationDb *names, QWidget *parent)
    : QFrame(parent)
    , m_ui(std::make_unique<Ui::SideBar>())
    , m_chat(std::move(chat))
    , m_names(names)
    , m_linkStyle(QStringLiteral("color: rgb(255,244,189); text-decoration: underline;"))
{
    m_ui->setupUi(this);
    if (m_chat) {
        m_chat->setSuppressedNotices(11);
        m_chat->setUserMenuCallback([this](const QString &name, const QPoint &globalPos) {
            emit userMenuRequested(name, globalPos);
        });
        m_ui->chatLayout->addWidget(m_chat->widget(), 1);
        setTabOrder(m_ui->leaveButton, m_chat->widget());
    }
    connect(m_ui->tableDescription, &QLabel::linkActivated, this, &SideBar::onLinkActivated);
    connect(m_ui->tournamentTableDescription, &QLabel::linkActivated, this, &SideBar::onLinkActivated);
    connect(&m_roundTimer, &QTimer::timeout, this, &SideBar::onTimerTimeout);
    if (m_names)
        connect(m_names, &LocalizationDb::tableNamesUpdated, this, &SideBar::onTableNamesUpdated);
    reset();
}

SideBar::~SideBar()
{
    for (PlayerWidget *plate : m_playerRows)
        delete plate;
}

void SideBar::setTableInfoFromModel(GameModel *model)
{
    m_model = model;
    if (model)
        m_tableInfo = model->tableInfo();
    m_pending.setSeats(m_tableInfo.capacity().seats());
    refresh();
    updateEmptySeats();
}

void SideBar::setTableInfo(const TableInfo &info)
{
    m_tableInfo = info;
    m_pending.setSeats(m_tableInfo.capacity().seats());
    refresh();
    updateEmptySeats();
}

void SideBar::setTournamentInfo(const TournamentInfo &info)
{
    m_tournamentInfo = info;
    refresh();
}

void SideBar::setHandId(qint64 handId)
{
    m_handId = handId;
    refresh();
}

void SideBar::setWindRound(int windRound)
{
    m_windRound = windRound;
    updateWindRoundText();
}

void SideBar::setLinkStyle(const QString &style)
{
    m_linkStyle = style;
    refresh();
}

void SideBar::updateStickCounts()
{
    const int riichi = m_model ? m_model->riichiSticks() : 0;
    const int counter = m_model ? m_model->counterSticks() : 0;
    m_ui->riichiStickText->setText(tr("x%1").arg(riichi));
    m_ui->counterStickText->setText(tr("x%1").arg(counter));
}

void SideBar::reset()
{
    m_players.clear();
    for (PlayerWidget *plate : m_playerRows)
        delete plate;
    m_playerRows.clear();
    for (EmptySeatWidget *seat : m_emptySeats)
        delete seat;
    m_emptySeats.clear();
    m_activePlayer = -1;
    m_pending.clear();
    m_scoresVisible = false;
    m_windsVisible = false;
    m_gameType = -1;
    m_tournamentInfo = TournamentInfo();
    m_tableInfo = TableInfo();
    m_pending.setSeats(m_tableInfo.capacity().seats());
    m_roundTimer.stop();
    m_handId = -1;
    m_windRound = -1;
}

void SideBar::refresh()
{
    const int gameType = m_tableInfo.storedGameType();
    if (!m_model || gameType == -1)
        return;

    if (m_handId >= 0) {
        m_ui->handId->setText(tr("Hand Id: %1").arg(m_handId));
        m_ui->handId->show();
    } else {
        m_ui->handId->clear();
        m_ui->handId->hide();
    }

    if (gameType == TableInfo::TOURNAMENT) {
        m_ui->tournamentTableInfo->show();
        m_ui->tableInfo->hide();
        m_ui->tournamentName->setText(m_tournamentInfo.name());
        m_ui->tournamentRound->setText(Utils::roundText(m_tournamentInfo.currentRound() + 1,
                                                        m_tournamentInfo.numberOfRounds(),
                                                        tr("Round %L1 of %L2"), tr("Round %L1")));
        m_ui->tournamentTableDescription->setText(rulesLinkText(m_tableInfo, m_linkStyle));
        updateRoundCountdown();
        if (m_tournamentInfo.status() == TournamentInfo::Playing)
            m_roundTimer.start(1000);
    } else {
        m_ui->tournamentTableInfo->hide();
        m_ui->tableInfo->show();
        m_ui->tableName->setText(LocalizationDb::displayName(m_names, m_tableInfo));
        m_ui->tableDescription->setText(rulesLinkText(m_tableInfo, m_linkStyle));
        m_ui->tableCost->setText(m_tableInfo.valueText());
        updateWindRoundText();
    }

    if (isRiichiRuleset(m_tableInfo.ruleset())) {
        m_ui->riichiInfo->show();
        updateStickCounts();
    } else {
        m_ui->riichiInfo->hide();
    }

    m_gameType = gameType;
    for (PlayerWidget *plate : m_playerRows)
        plate->setGameType(gameType);
}

QString SideBar::rulesLinkText(const TableInfo &info, const QString &linkStyle)
{
    static const char *const anchors[] = {
        "<a href=\"client://rules/classic\" style=\"%1\">",
        "<a href=\"client://rules/international\" style=\"%1\">",
        "<a href=\"client://rules/riichi\" style=\"%1\">",
        "<a href=\"client://rules/riichi\" style=\"%1\">",
        "<a href=\"client://rules/riichi\" style=\"%1\">",
        "<a href=\"client://rules/hongkong\" style=\"%1\">",
    };
    const int ruleset = info.ruleset();
    QString text;
    if (ruleset >= 0 && ruleset < int(std::size(anchors)))
        text = QString::fromLatin1(anchors[ruleset]).arg(linkStyle.toHtmlEscaped());
    text += TableInfo::rulesetName(ruleset) + QStringLiteral("</a> ");
    if (ruleset == RulesetInfo::HONG_KONG)
        text += QStringLiteral("(%1) ").arg(TableInfo::fanRangeText(info.minDoubles(), info.maxDoubles()));
    if (info.storedGameType() != TableInfo::TOURNAMENT)
        text += TableInfo::gameTypeSuffix(info.gameType());
    return text;
}

void SideBar::updateRoundCountdown()
{
    const int round = m_tournamentInfo.currentRound();
    const auto &starts = m_tournamentInfo.roundsStart();
    const auto &lengths = m_tournamentInfo.roundsLength();
    const bool roundKnown = round >= 0 && size_t(round) < starts.size() && size_t(round) < lengths.size();
    if (m_tournamentInfo.status() != TournamentInfo::Playing || !roundKnown) {
        if (m_tournamentInfo.status() == TournamentInfo::Playing)
            qWarning() << "tournament" << m_tournamentInfo.id() << "has no round" << round;
        m_ui->tournamentRoundTime->setText(tr("No round playing"));
        return;
    }
    const QDateTime end = starts[size_t(round)].addSecs(lengths[size_t(round)]);
    const QDateTime now = Singleton<ServerTime>::instance().now();
    const QString left = now.secsTo(end) < 1 ? tr("now") : Utils::timeLeftText(now, end);
    m_ui->tournamentRoundTime->setText(tr("Round ends in %1").arg(left));
}

void SideBar::onTimerTimeout()
{
    updateRoundCountdown();
}

void SideBar::addPlayer(const PlayerData &player)
{
    setPlayer(player.id(), player.name(), player.wind(), player.score(), player.roundScore(),
              player.isReady());
}

void SideBar::setPlayer(qint32 id, const QString &name, int wind, int points, int wins, bool ready)
{
    const bool added = m_players.count(id) == 0;
    if (added) {
        auto *created = new PlayerWidget(this);
        m_playerRows.push_back(created);
        m_players.emplace(id, created);
        m_ui->playersContainer->addWidget(created);
        created->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(created, &QWidget::customContextMenuRequested, this, &SideBar::onPlayerWidgetContextMenu);
    }
    PlayerWidget *shown = m_players.at(id);
    shown->setName(name);
    shown->setWind(wind);
    shown->setPoints(points);
    shown->setWins(wins);
    shown->setReady(ready);
    shown->setGameType(m_gameType);
    if (added) {
        shown->setScoresVisible(m_scoresVisible);
        shown->setWindVisible(m_windsVisible);
        shown->setHighlight(id == m_activePlayer);
        const PendingPlates::Notes notes = m_pending.take(id);
        if (notes.claim)
            shown->showClaim(notes.claim->code, m_tableInfo.ruleset(), notes.claim->winKind);
        shown->setTimeSpan(notes.timer);
    }
    updateEmptySeats();
    sortPlayerRows();
}

void SideBar::removePlayer(qint32 id)
{
    PlayerWidget *plate = playerWidget(id);
    if (!plate)
        return;
    m_playerRows.erase(std::find(m_playerRows.begin(), m_playerRows.end(), plate));
    m_players.erase(id);
    delete plate;
    updateEmptySeats();
    if (m_activePlayer == id)
        clearHighlights();
}

bool SideBar::hasPlayer(qint32 id) const
{
    return m_players.count(id) != 0;
}

PlayerWidget *SideBar::playerWidget(qint32 id) const
{
    PlayerWidget *found = plate(id);
    if (!found)
        qWarning() << "no such player, pid:" << id;
    return found;
}

PlayerWidget *SideBar::plate(qint32 id) const
{
    const auto it = m_players.find(id);
    return it == m_players.end() ? nullptr : it->second;
}

// The wind, points and ready mark of a player without a plate come with its record.
void SideBar::setPlayerWind(qint32 id, int wind)
{
    if (PlayerWidget *shown = plate(id)) {
        shown->setWind(wind);
        sortPlayerRows();
    }
}

void SideBar::setActivePlayer(qint32 id)
{
    if (id == m_activePlayer)
        return;
    if (PlayerWidget *previous = plate(m_activePlayer))
        previous->setHighlight(false);
    m_activePlayer = id;
    if (PlayerWidget *shown = plate(id))
        shown->setHighlight(true);
    update();
}

void SideBar::setPlayerReady(qint32 id)
{
    if (PlayerWidget *shown = plate(id))
        shown->setReady(true);
}

void SideBar::showPlayerClaim(qint32 id, int code, int winKind)
{
    if (PlayerWidget *shown = plate(id))
        shown->showClaim(code, m_tableInfo.ruleset(), winKind);
    else
        m_pending.setClaim(id, {code, winKind});
}

void SideBar::setPlayerPoints(qint32 id, int points)
{
    if (PlayerWidget *shown = plate(id))
        shown->setPoints(points);
}

void SideBar::setPlayerWins(qint32 id, int wins)
{
    if (PlayerWidget *shown = plate(id))
        shown->setWins(wins);
}

void SideBar::setPlayerTimer(qint32 id, const TimeSpan &span)
{
    if (PlayerWidget *shown = plate(id))
        shown->setTimeSpan(span);
    else
        m_pending.setTimer(id, span);
}

void SideBar::setPlayerPicture(qint32 id, const QPixmap &picture)
{
    if (PlayerWidget *shown = plate(id))
        shown->setPicture(picture);
}

void SideBar::clearHighlights()
{
    for (PlayerWidget *plate : m_playerRows)
        plate->setHighlight(false);
    m_activePlayer = -1;
    update();
}

void SideBar::clearReady()
{
    for (PlayerWidget *plate : m_playerRows)
        plate->setReady(false);
}

void SideBar::hideClaims()
{
    for (PlayerWidget *plate : m_playerRows)
        plate->hideClaim();
    m_pending.clearClaims();
}

void SideBar::clearTimers()
{
    for (PlayerWidget *plate : m_playerRows)
        plate->setTimeSpan(TimeSpan());
    m_pending.clearTimers();
}

void SideBar::setScoresVisible(bool visible)
{
    m_scoresVisible = visible;
    for (PlayerWidget *plate : m_playerRows)
        plate->setScoresVisible(visible);
}

void SideBar::setWindsVisible(bool visible)
{
    m_windsVisible = visible;
    for (PlayerWidget *plate : m_playerRows)
        plate->setWindVisible(visible);
}

void SideBar::setTableChatActive(bool on)
{
    if (!m_chat)
        return;
    const bool joined = m_chat->isJoined();
    if (on && !joined)
        m_chat->setTableRoom(m_tableInfo.id());
    else if (!on && joined)
        m_chat->leaveRoom();
}

void SideBar::addSystemMessage(const ClientText &text)
{
    if (m_chat)
        m_chat->addSystemMessage(text);
    else
        qInfo().noquote() << "table" << m_tableInfo.id() << "system message:" << text.toString();
}

QAbstractButton *SideBar::leaveButton() const
{
    return m_ui->leaveButton;
}

void SideBar::setLeaveVisible(bool visible)
{
    m_ui->leaveButton->setVisible(visible);
}

void SideBar::setLeaveEnabled(bool enabled)
{
    m_ui->leaveButton->setEnabled(enabled);
}

PlayerWidget *SideBar::referencePlate() const
{
    if (!m_model)
        return nullptr;
    if (PlayerWidget *reference = plate(m_model->referencePlayerId()))
        return reference;
    // Where the server names no one at the table, a seated player's own seat is the first.
    const PlayerData *own = m_model->isSeated() ? m_model->ownPlayer() : nullptr;
    return own ? plate(own->id()) : nullptr;
}

void SideBar::sortPlayerRows()
{
    const PlayerWidget *reference = referencePlate();
    const int referenceWind = reference ? reference->wind() : 0;
    while (m_ui->playersContainer->count() > 0)
        delete m_ui->playersContainer->takeAt(0);
    // Before the deal the server may name no winds yet (all East): the reference player's
    // plate stands first among those of its wind all the same, in its seat.
    const auto seat = [reference, referenceWind](const PlayerWidget *plate) {
        return std::make_pair((plate->wind() - referenceWind + 4) % 4, plate != reference);
    };
    std::stable_sort(m_playerRows.begin(), m_playerRows.end(),
                     [&seat](const PlayerWidget *a, const PlayerWidget *b) { return seat(a) < seat(b); });
    for (PlayerWidget *plate : m_playerRows) {
        m_ui->playersContainer->addWidget(plate);
        plate->show();
    }
    for (EmptySeatWidget *seat : m_emptySeats) {
        m_ui->playersContainer->addWidget(seat);
        seat->show();
    }
}

void SideBar::updateEmptySeats()
{
    const int wanted = std::max(0, m_tableInfo.capacity().seats() - int(m_players.size()));
    while (int(m_emptySeats.size()) > wanted) {
        delete m_emptySeats.back();
        m_emptySeats.pop_back();
    }
    while (int(m_emptySeats.size()) < wanted) {
        auto *seat = new EmptySeatWidget(this);
        m_emptySeats.push_back(seat);
        m_ui->playersContainer->addWidget(seat);
    }
}

int SideBar::eastPlayerOrdinal() const
{
    const PlayerWidget *reference = referencePlate();
    if (!reference || reference->wind() == 0)
        return 1;
    const int plates = int(m_players.size());
    return plates == 2 ? 2 : plates - reference->wind() + 1;
}

void SideBar::updateWindRoundText()
{
    if (m_tableInfo.gameType() == TableInfo::EAST_ONLY && m_windRound >= 1) {
        switch (eastPlayerOrdinal()) {
        case 1:
            m_ui->tableWindRound->setText(tr("1st player is East"));
            break;
        case 2:
            m_ui->tableWindRound->setText(tr("2nd player is East"));
            break;
        case 3:
            m_ui->tableWindRound->setText(tr("3rd player is East"));
            break;
        case 4:
            m_ui->tableWindRound->setText(tr("4th player is East"));
            break;
        default:
            break;
        }
        m_ui->tableWindRound->show();
    } else if (m_tableInfo.storedGameType() == TableInfo::FULL_GAME && m_windRound >= 1) {
        m_ui->tableWindRound->setText(Utils::roundText(m_windRound, m_tableInfo.windRounds(),
                                                       tr("Wind round %L1 of %L2"), tr("Wind round %L1")));
        m_ui->tableWindRound->show();
    } else {
        m_ui->tableWindRound->hide();
    }
}

void SideBar::onPlayerWidgetContextMenu(const QPoint &pos)
{
    auto *plate = qobject_cast<PlayerWidget *>(sender());
    if (!plate) {
        qWarning() << "Bogus widget requested player context menu";
        return;
    }
    const auto *name = plate->findChild<ULabel *>(QStringLiteral("nameLabel"));
    emit userMenuRequested(name ? name->fullText() : QString(), plate->mapToGlobal(pos));
}

void SideBar::onLinkActivated(const QString &link)
{
    emit linkActivated(link);
}

void SideBar::onTableNamesUpdated()
{
    refresh();
}

void SideBar::on_leaveButton_clicked()
{
    qDebug() << "leave";
}

void SideBar::retranslate()
{
    m_ui->retranslateUi(this);
    updateStickCounts();
}

void SideBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        refresh();
    }
    QFrame::changeEvent(event);
}
