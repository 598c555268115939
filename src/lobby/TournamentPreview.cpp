#include "lobby/TournamentPreview.h"

#include "app/TableInfo.h"
#include "app/TableValue.h"
#include "app/Utils.h"
#include "lobby/TournamentsController.h"
#include "lobby/TournamentsLobbyModel.h"

#include "ui_TournamentPreview.h"

#include <QEvent>
#include <QTimerEvent>

TournamentPreview::TournamentPreview(QWidget *parent)
    : QFrame(parent)
    , m_ui(std::make_unique<Ui::TournamentPreview>())
{
    m_ui->setupUi(this);
    connect(m_ui->joinButton, &QPushButton::clicked, this, &TournamentPreview::on_joinButton_clicked);
    connect(m_ui->leaveButton, &QPushButton::clicked, this, &TournamentPreview::on_leaveButton_clicked);
    connect(m_ui->infoButton, &QPushButton::clicked, this, &TournamentPreview::on_infoButton_clicked);
    showNoTournament();
}

TournamentPreview::~TournamentPreview() = default;

void TournamentPreview::setTournamentsController(TournamentsController *controller)
{
    m_controller = controller;
}

void TournamentPreview::setTournamentsModel(TournamentsLobbyModel *model)
{
    if (model == m_model)
        return;
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (!model)
        return;
    connect(model, &TournamentsLobbyModel::tournamentUpdated, this, &TournamentPreview::onTournamentUpdated);
    connect(model, &TournamentsLobbyModel::tournamentRemoved, this, &TournamentPreview::onTournamentRemoved);
}

void TournamentPreview::onPreviewTournament(qint32 id)
{
    m_tournamentId = id;
    redraw();
}

void TournamentPreview::onTournamentUpdated(const TournamentInfo &info)
{
    if (info.id() == m_tournamentId)
        redraw();
}

void TournamentPreview::onTournamentRemoved(qint32 id)
{
    if (id == m_tournamentId)
        redraw();
}

void TournamentPreview::on_joinButton_clicked()
{
    if (m_controller && m_tournamentId > 0)
        m_controller->createJoinTournamentDialog(m_tournamentId);
}

void TournamentPreview::on_leaveButton_clicked()
{
    if (m_tournamentId > 0)
        emit unregisterTournament(m_tournamentId);
}

void TournamentPreview::on_infoButton_clicked()
{
    if (m_controller && m_tournamentId > 0)
        m_controller->createTournamentDetailDialog(m_tournamentId);
}

void TournamentPreview::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timerId)
        updateStartsIn();
}

void TournamentPreview::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        redraw();
    }
    QFrame::changeEvent(event);
}

void TournamentPreview::redraw()
{
    if (m_model && m_model->hasTournament(m_tournamentId))
        showTournamentInfo(m_model->tournamentInfo(m_tournamentId));
    else
        showNoTournament();
}

void TournamentPreview::showNoTournament()
{
    if (m_timerId != 0) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
    m_tournamentId = -1;
    m_ui->chooseInfoLabel->show();
    for (QWidget *widget : {static_cast<QWidget *>(m_ui->joinButton), static_cast<QWidget *>(m_ui->leaveButton),
                            static_cast<QWidget *>(m_ui->infoButton), static_cast<QWidget *>(m_ui->statusLabel),
                            static_cast<QWidget *>(m_ui->startsLabel), static_cast<QWidget *>(m_ui->buyInLabel),
                            static_cast<QWidget *>(m_ui->potLabel), static_cast<QWidget *>(m_ui->rulesLabel),
                            static_cast<QWidget *>(m_ui->durationLabel), static_cast<QWidget *>(m_ui->pausesLabel),
                            static_cast<QWidget *>(m_ui->registeredLabel)})
        widget->hide();
    m_ui->tournamentPreviewHeaderLabel->setText(tr("Tournament"));
}

void TournamentPreview::showTournamentInfo(const TournamentInfo &info)
{
    if (m_timerId == 0)
        m_timerId = startTimer(CountdownIntervalMs);
    updateButtons(info);
    m_ui->chooseInfoLabel->hide();
    m_ui->infoButton->show();
    for (QWidget *label : {m_ui->statusLabel, m_ui->buyInLabel, m_ui->potLabel, m_ui->rulesLabel,
                           m_ui->durationLabel, m_ui->pausesLabel, m_ui->registeredLabel})
        label->show();
    m_ui->tournamentPreviewHeaderLabel->setText(tr("%1").arg(info.name()));
    m_ui->statusLabel->setText(tr("Status: %1").arg(TournamentInfo::statusName(info.status())));
    m_ui->buyInLabel->setText(tr("Buy-in: %1").arg(TableValue::optionalAmountText(info.bet() + info.fee())));
    const qint64 pot = info.prizePool();
    m_ui->potLabel->setText(
        tr("Pot: %1").arg(pot == 0 ? TableValue::amountText(0) : Utils::moneyText(pot, false)));
    m_ui->rulesLabel->setText(tr("Rules: %1").arg(
        TableInfo::rulesetText(info.ruleset(), info.minDoubles(), info.maxDoubles())));
    m_ui->durationLabel->setText(tr("Duration: %1").arg(info.roundsText()));
    m_ui->pausesLabel->setText(tr("Pauses: %1").arg(info.breakText()));
    m_ui->registeredLabel->setText(tr("Registered Players: %1")
                                       .arg(TournamentRegisteredInfo(info.registeredPlayers(), info.maxPlayers()).text()));
    updateStartsIn();
}

void TournamentPreview::updateButtons(const TournamentInfo &info)
{
    const bool open = info.status() == TournamentInfo::Open;
    m_ui->joinButton->setVisible(open && !info.isRegistered());
    m_ui->leaveButton->setVisible(open && info.isRegistered());
}

void TournamentPreview::updateStartsIn()
{
    if (m_model && m_model->hasTournament(m_tournamentId)) {
        const TournamentInfo &info = m_model->tournamentInfo(m_tournamentId);
        if (info.status() == TournamentInfo::Open || info.status() == TournamentInfo::Closed) {
            m_ui->startsLabel->setText(tr("Starts in: %1").arg(Utils::timeToStartText(info.start())));
            m_ui->startsLabel->show();
            return;
        }
    }
    m_ui->startsLabel->hide();
}
