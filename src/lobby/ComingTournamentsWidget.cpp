#include "lobby/ComingTournamentsWidget.h"

#include "lobby/TournamentsController.h"
#include "lobby/TournamentsLobbyModel.h"
#include "ui/ULabel.h"
#include "ui/UPushButton.h"

#include "ui_ComingTournamentsWidget.h"

#include <QEvent>
#include <QHBoxLayout>

#include <algorithm>

namespace {

UPushButton *rowButton(const char *name, qint32 id, QWidget *parent)
{
    auto *button = new UPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setId(id);
    return button;
}

} // namespace

ComingTournamentsWidget::ComingTournamentsWidget(QWidget *parent)
    : QFrame(parent)
    , m_ui(std::make_unique<Ui::ComingTournamentsWidget>())
{
    m_ui->setupUi(this);
}

ComingTournamentsWidget::~ComingTournamentsWidget()
{
    m_rows.clear();
}

void ComingTournamentsWidget::setTournamentsController(TournamentsController *controller)
{
    m_controller = controller;
}

void ComingTournamentsWidget::setTournamentsModel(TournamentsLobbyModel *model)
{
    if (model == m_model)
        return;
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (!model)
        return;
    connect(model, &TournamentsLobbyModel::tournamentAdded, this, &ComingTournamentsWidget::onTournamentAdded);
    connect(model, &TournamentsLobbyModel::tournamentUpdated, this,
            &ComingTournamentsWidget::onTournamentUpdated);
    connect(model, &TournamentsLobbyModel::tournamentRemoved, this,
            &ComingTournamentsWidget::onTournamentRemoved);
    refresh();
}

std::vector<qint32> ComingTournamentsWidget::listedIds() const
{
    std::vector<qint32> ids;
    for (const TournamentInfo &info : m_upcoming)
        ids.push_back(info.id());
    return ids;
}

void ComingTournamentsWidget::onTournamentAdded(const TournamentInfo &)
{
    refresh();
}

void ComingTournamentsWidget::onTournamentUpdated(const TournamentInfo &info)
{
    const auto row = m_rows.find(info.id());
    if (row != m_rows.end() && row->second.registered != info.isRegistered()) {
        row->second.registered = info.isRegistered();
        row->second.joinLeaveButton->setText(info.isRegistered() ? tr("Unregister") : tr("Register"));
    }
    refresh();
}

void ComingTournamentsWidget::onTournamentRemoved(qint32)
{
    refresh();
}

void ComingTournamentsWidget::onJoinLeaveButtonClicked(qint32 id)
{
    const auto row = m_rows.find(id);
    if (row == m_rows.end())
        return;
    if (row->second.registered)
        emit unregisterTournament(id);
    else if (m_controller)
        m_controller->createJoinTournamentDialog(id);
}

void ComingTournamentsWidget::onInfoButtonClicked(qint32 id)
{
    if (m_controller)
        m_controller->createTournamentDetailDialog(id);
}

void ComingTournamentsWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        retranslateRows();
    }
    QFrame::changeEvent(event);
}

std::vector<TournamentInfo> ComingTournamentsWidget::upcomingTournaments() const
{
    std::vector<TournamentInfo> upcoming;
    if (!m_model)
        return upcoming;
    for (const qint32 id : m_model->tournamentIds()) {
        const TournamentInfo &info = m_model->tournamentInfo(id);
        if (info.status() == TournamentInfo::Open)
            upcoming.push_back(info);
    }
    std::stable_sort(upcoming.begin(), upcoming.end(), [](const TournamentInfo &a, const TournamentInfo &b) {
        return a.closeRegister() < b.closeRegister();
    });
    if (upcoming.size() > std::size_t(MaxTournaments))
        upcoming.resize(MaxTournaments);
    return upcoming;
}

void ComingTournamentsWidget::refresh()
{
    std::vector<TournamentInfo> upcoming = upcomingTournaments();
    const bool same = std::equal(upcoming.begin(), upcoming.end(), m_upcoming.begin(), m_upcoming.end(),
                                 [](const TournamentInfo &a, const TournamentInfo &b) { return a.id() == b.id(); });
    if (same)
        return;
    m_upcoming = std::move(upcoming);
    rebuildRows();
}

void ComingTournamentsWidget::rebuildRows()
{
    m_rows.clear();
    int line = 0;
    for (const TournamentInfo &info : m_upcoming) {
        ComingTournamentRow row;
        row.registered = info.isRegistered();
        row.frame = std::make_unique<QFrame>(this);
        auto *layout = new QHBoxLayout(row.frame.get());
        layout->setSpacing(0);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *name = new ULabel(row.frame.get());
        name->setElideMode(Qt::ElideRight);
        name->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        name->setTextFormat(Qt::PlainText);
        name->setText(info.name());
        layout->addWidget(name);
        auto *buttons = new QWidget(row.frame.get());
        auto *buttonLayout = new QHBoxLayout(buttons);
        buttonLayout->setSpacing(0);
        buttonLayout->setContentsMargins(0, 0, 0, 0);
        row.joinLeaveButton = rowButton("joinLeaveButton", info.id(), buttons);
        row.infoButton = rowButton("infoButton", info.id(), buttons);
        buttonLayout->addSpacerItem(new QSpacerItem(1, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
        buttonLayout->addWidget(row.joinLeaveButton);
        buttonLayout->addSpacerItem(new QSpacerItem(1, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
        buttonLayout->addWidget(row.infoButton);
        layout->addWidget(buttons);
        connect(row.joinLeaveButton, qOverload<qint32>(&UPushButton::clicked), this,
                &ComingTournamentsWidget::onJoinLeaveButtonClicked);
        connect(row.infoButton, qOverload<qint32>(&UPushButton::clicked), this,
                &ComingTournamentsWidget::onInfoButtonClicked);
        m_ui->tournamentListLayout->addWidget(row.frame.get(), line++, 0);
        m_rows[info.id()] = std::move(row);
    }
    retranslateRows();
}

void ComingTournamentsWidget::retranslateRows()
{
    for (auto &entry : m_rows) {
        ComingTournamentRow &row = entry.second;
        row.joinLeaveButton->setText(row.registered ? tr("Unregister") : tr("Register"));
        row.infoButton->setText(tr("Info"));
    }
}
